# Runs at install time, once the prefix is final: fills a manual page's template with the folders
# it names, compresses it as Debian does (gzip -9n: no file name, no time stamp) and installs it.
# Set by the install rule: PAGE_SOURCE, PAGE_STAGING, PAGE_DESTINATION, PAGE_DATADIR,
# PROJECT_VERSION, GZIP.
if(IS_ABSOLUTE "${PAGE_DATADIR}")
    set(CMAKE_INSTALL_FULL_DATADIR "${PAGE_DATADIR}")
else()
    set(CMAKE_INSTALL_FULL_DATADIR "${CMAKE_INSTALL_PREFIX}/${PAGE_DATADIR}")
endif()
configure_file("${PAGE_SOURCE}" "${PAGE_STAGING}" @ONLY)
execute_process(COMMAND "${GZIP}" -9n --force --keep "${PAGE_STAGING}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${PAGE_STAGING}")
endif()
if(NOT IS_ABSOLUTE "${PAGE_DESTINATION}")
    set(PAGE_DESTINATION "${CMAKE_INSTALL_PREFIX}/${PAGE_DESTINATION}")
endif()
file(INSTALL "${PAGE_STAGING}.gz" DESTINATION "${PAGE_DESTINATION}")
