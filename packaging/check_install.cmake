# Installs the build into a scratch DESTDIR with prefix /usr, as the Debian package does, and
# checks the tree: every file in its place and nothing more, the puzzles and the help byte for
# byte, the icons at their sizes, the desktop entry and the AppStream metadata naming what is
# installed and passing their validators, and the manual pages formatting without a warning.
# Then starts the installed game as a player would, with its folders read-only and HOME in the
# scratch folder, and checks what it leaves in the per-user folders.
# Set by the test: BUILD_DIR, SOURCE_DIR, APP_ID, VERSION, ICON_SIZES.

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
find_program(GROFF groff REQUIRED)
find_program(GZIP gzip REQUIRED)

set(scratch "${BUILD_DIR}/install-check")
set(root "${scratch}/root")
set(usr "${root}/usr")
# A run that failed half-way may have left folders read-only.
if(EXISTS "${scratch}")
    file(CHMOD_RECURSE "${scratch}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endif()
file(REMOVE_RECURSE "${scratch}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(problems "")
macro(problem text)
    string(APPEND problems "  ${text}\n")
endmacro()

# Every file in its place, and nothing installed that is not listed here.
set(expected
    usr/bin/tessellix
    usr/bin/tessellix-puzzle
    usr/share/tessellix/tessellix.html
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/man/man6/tessellix.6.gz
    usr/share/man/man1/tessellix-puzzle.1.gz)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
file(GLOB puzzles RELATIVE "${SOURCE_DIR}/data" "${SOURCE_DIR}/data/*.TLX")
if(NOT puzzles)
    problem("data/ holds no puzzle")
endif()
foreach(puzzle IN LISTS puzzles)
    list(APPEND expected usr/share/tessellix/DATA/${puzzle})
endforeach()
list(APPEND expected usr/share/tessellix/DATA/levels.txt)

# `stage` names the moment in the messages.
macro(check_tree stage)
    file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
    set(missing ${expected})
    if(installed)
        list(REMOVE_ITEM missing ${installed})
    endif()
    set(extra ${installed})
    list(REMOVE_ITEM extra ${expected})
    foreach(file IN LISTS missing)
        problem("${stage}: missing: /${file}")
    endforeach()
    foreach(file IN LISTS extra)
        problem("${stage}: not expected: /${file}")
    endforeach()
endmacro()
check_tree("installed")

foreach(program tessellix tessellix-puzzle)
    execute_process(COMMAND test -x "${usr}/bin/${program}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        problem("/usr/bin/${program} is not executable")
    endif()
endforeach()

macro(check_same installed_file source_file)
    if(EXISTS "${installed_file}")
        file(SHA256 "${installed_file}" installed_hash)
        file(SHA256 "${source_file}" source_hash)
        if(NOT installed_hash STREQUAL source_hash)
            problem("${installed_file} differs from ${source_file}")
        endif()
    endif()
endmacro()
foreach(puzzle IN LISTS puzzles)
    check_same("${usr}/share/tessellix/DATA/${puzzle}" "${SOURCE_DIR}/data/${puzzle}")
endforeach()
check_same("${usr}/share/tessellix/DATA/levels.txt" "${SOURCE_DIR}/data/levels.txt")
check_same("${usr}/share/tessellix/tessellix.html" "${SOURCE_DIR}/resources/help/tessellix.html")

# A PNG's width and height are the first two fields of its header chunk.
foreach(size IN LISTS ICON_SIZES)
    set(icon "${usr}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
    if(EXISTS "${icon}")
        file(READ "${icon}" signature HEX LIMIT 8)
        file(READ "${icon}" width HEX OFFSET 16 LIMIT 4)
        file(READ "${icon}" height HEX OFFSET 20 LIMIT 4)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size
           OR NOT height EQUAL size)
            problem("${icon} is not a ${size} x ${size} PNG (${width} x ${height})")
        endif()
    endif()
endforeach()

# The desktop entry starts an installed program and names the installed icon; the metadata
# belongs to this entry and has a release entry for this version.
set(desktop "${usr}/share/applications/${APP_ID}.desktop")
set(metainfo "${usr}/share/metainfo/${APP_ID}.metainfo.xml")
if(EXISTS "${desktop}" AND EXISTS "${metainfo}")
    file(READ "${desktop}" entry)
    if(NOT entry MATCHES "\nExec=([^ \n]+)" OR NOT EXISTS "${usr}/bin/${CMAKE_MATCH_1}")
        problem("the desktop entry's Exec= is no installed program")
    endif()
    if(NOT entry MATCHES "\nIcon=${APP_ID}\n")
        problem("the desktop entry's Icon= is not ${APP_ID}")
    endif()
    file(READ "${metainfo}" component)
    foreach(tag "<id>${APP_ID}</id>"
                "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
                "<release version=\"${VERSION}\"")
        string(FIND "${component}" "${tag}" at)
        if(at EQUAL -1)
            problem("the metainfo file lacks ${tag}")
        endif()
    endforeach()

    # The validator prints nothing for a clean entry; a hint (a missing main category, say)
    # counts as a fault too.
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0 OR NOT output STREQUAL "")
        problem("desktop-file-validate:\n${output}")
    endif()
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${metainfo}"
        RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        problem("appstreamcli validate:\n${output}")
    endif()
endif()

# The manual pages name the installed data folder and format without a warning.
foreach(page man6/tessellix.6 man1/tessellix-puzzle.1)
    set(compressed "${usr}/share/man/${page}.gz")
    if(NOT EXISTS "${compressed}")
        continue()
    endif()
    get_filename_component(name "${page}" NAME)
    execute_process(COMMAND ${GZIP} -dc "${compressed}" OUTPUT_FILE "${scratch}/${name}"
        RESULT_VARIABLE status)
    file(READ "${scratch}/${name}" text)
    if(NOT status EQUAL 0 OR NOT text MATCHES "/usr/share/tessellix/DATA" OR text MATCHES "@")
        problem("${page} is not filled in with the installed folders")
    endif()
    execute_process(COMMAND ${GROFF} -man -t -ww -z "${scratch}/${name}"
        RESULT_VARIABLE status ERROR_VARIABLE warnings)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
        problem("groff on ${page}:\n${warnings}")
    endif()
endforeach()

# The installed game started as a player starts it: its folders cannot be written, so it must
# keep its puzzles in the per-user data folder, seeded from the shipped ones, and its settings in
# the per-user configuration folder. Root writes into any folder whatever its permissions, so as
# root the game runs without CAP_DAC_OVERRIDE, under which the permissions hold.
set(home "${scratch}/home")
set(user_data "${home}/.local/share/tessellix")
set(user_config "${home}/.config/tessellix")
file(MAKE_DIRECTORY "${home}" "${scratch}/runtime")
file(CHMOD "${scratch}/runtime" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(read_only OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD "${usr}/bin" "${usr}/share/tessellix" "${usr}/share/tessellix/DATA"
    PERMISSIONS ${read_only})
set(as_player "")
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(uid STREQUAL "0")
    find_program(SETPRIV setpriv REQUIRED)
    set(as_player ${SETPRIV} --bounding-set=-dac_override)
endif()
execute_process(COMMAND ${as_player} ${CMAKE_COMMAND} -E touch "${usr}/bin/probe"
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(status EQUAL 0)
    file(REMOVE "${usr}/bin/probe")
    problem("${usr}/bin could not be made read-only for the game; it was not started")
else()
    # `run` counts the starts; the game notes one line per start in the log.
    macro(start_game run)
        execute_process(
            COMMAND ${as_player} ${CMAKE_COMMAND} -E env
                HOME=${home} XDG_DATA_HOME=${home}/.local/share
                XDG_CONFIG_HOME=${home}/.config XDG_RUNTIME_DIR=${scratch}/runtime
                QT_QPA_PLATFORM=offscreen TESSELLIX_TEST_QUIT=1
                TESSELLIX_TEST_LOG=${scratch}/game.log
                "${usr}/bin/tessellix"
            RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 60)
        file(STRINGS "${scratch}/game.log" log)
        list(LENGTH log lines)
        if(NOT status EQUAL 0 OR NOT lines EQUAL ${run})
            problem("start ${run} of the installed game: ${status}, log ${log}\n${output}")
        endif()
        check_tree("after start ${run}")
    endmacro()
    macro(check_user_data stage wanted)
        file(GLOB present RELATIVE "${user_data}" "${user_data}/*.TLX")
        list(SORT present)
        set(wanted_sorted ${wanted})
        list(SORT wanted_sorted)
        if(NOT present STREQUAL wanted_sorted)
            problem("${stage}: ${user_data} holds ${present}")
        endif()
    endmacro()

    start_game(1)
    check_user_data("first start" "${puzzles}")
    foreach(puzzle IN LISTS puzzles)
        check_same("${user_data}/${puzzle}" "${SOURCE_DIR}/data/${puzzle}")
    endforeach()
    file(STRINGS "${user_data}/.seeded" seeded)
    list(SORT seeded)
    if(NOT seeded STREQUAL puzzles)
        problem("the record of seeded puzzles lists ${seeded}")
    endif()
    if(NOT IS_DIRECTORY "${user_config}")
        problem("${user_config} was not made for the settings")
    endif()

    # The player deletes one puzzle, solves another and switches to English.
    list(GET puzzles 0 deleted)
    list(GET puzzles 1 solved)
    file(REMOVE "${user_data}/${deleted}")
    file(APPEND "${user_data}/${solved}" "solved")
    file(SHA256 "${user_data}/${solved}" solved_hash)
    file(SHA256 "${user_data}/.seeded" record_hash)
    file(WRITE "${user_config}/tessellix.ini" "[Options]\nLanguage=1\n")

    start_game(2)
    set(kept ${puzzles})
    list(REMOVE_ITEM kept ${deleted})
    check_user_data("second start" "${kept}")
    file(SHA256 "${user_data}/${solved}" hash)
    if(NOT hash STREQUAL solved_hash)
        problem("the second start overwrote the solved ${solved}")
    endif()
    file(SHA256 "${user_data}/.seeded" hash)
    if(NOT hash STREQUAL record_hash)
        problem("the second start changed the record of seeded puzzles")
    endif()
    if(NOT log MATCHES "^started language=0 [^;]*;started language=1 ")
        problem("the game did not read its settings from ${user_config}: ${log}")
    endif()
    foreach(puzzle IN LISTS puzzles)
        check_same("${usr}/share/tessellix/DATA/${puzzle}" "${SOURCE_DIR}/data/${puzzle}")
    endforeach()
endif()
file(CHMOD_RECURSE "${scratch}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

list(LENGTH expected count)
if(problems)
    message(FATAL_ERROR "Installed tree in ${root}:\n${problems}")
endif()
message(STATUS "Installed tree: ${count} files in place, entry, metadata and manual pages valid; "
    "the installed game seeded ${user_data} once and kept a deleted puzzle deleted")
