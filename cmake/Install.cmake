# Installed like a desktop game: the programs in bin/, the shipped puzzles and the help under
# share/tessellix/, and a menu entry, icons, AppStream metadata and manual pages where desktops,
# software centres and man look for them. `make package` turns the same rules into a Debian
# package with CPack.

set(TESSELLIX_APP_ID io.github.tessellix.Tessellix)
set(TESSELLIX_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/tessellix)
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS tessellix tessellix-puzzle RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# A directory rule, so a puzzle added to data/ is installed without configuring again; the
# shipped puzzles' levels go with them.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/
    DESTINATION ${TESSELLIX_DATA_DESTINATION}/DATA
    FILES_MATCHING PATTERN "*.TLX" PATTERN "levels.txt")
install(FILES ${CMAKE_SOURCE_DIR}/resources/help/tessellix.html
    DESTINATION ${TESSELLIX_DATA_DESTINATION})

install(FILES ${packaging_dir}/${TESSELLIX_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/${TESSELLIX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon theme finds an icon by the application id, at every size it has.
set(TESSELLIX_ICON_SIZES 48 64 128 256)
foreach(size IN LISTS TESSELLIX_ICON_SIZES)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/images/tessellix-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${TESSELLIX_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/images/tessellix.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TESSELLIX_APP_ID}.svg)

# Manual pages name the folders they are installed beside, so they are filled in and compressed
# at install time, when the prefix is final (`cmake --install --prefix`, CPack's /usr).
find_program(TESSELLIX_GZIP gzip REQUIRED)
foreach(page tessellix.6 tessellix-puzzle.1)
    string(REGEX MATCH "[0-9]$" section ${page})
    install(CODE "
        set(PAGE_SOURCE \"${packaging_dir}/${page}.in\")
        set(PAGE_STAGING \"${CMAKE_BINARY_DIR}/man/${page}\")
        set(PAGE_DESTINATION \"${CMAKE_INSTALL_MANDIR}/man${section}\")
        set(PAGE_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
        set(PROJECT_VERSION \"${PROJECT_VERSION}\")
        set(GZIP \"${TESSELLIX_GZIP}\")
        include(\"${CMAKE_SOURCE_DIR}/cmake/InstallManPage.cmake\")
    ")
endforeach()

# The installed tree checked from a scratch DESTDIR; the programs are not started.
add_test(NAME install_tree
    COMMAND ${CMAKE_COMMAND}
        -DBUILD_DIR=${CMAKE_BINARY_DIR}
        -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
        -DAPP_ID=${TESSELLIX_APP_ID}
        -DVERSION=${PROJECT_VERSION}
        "-DICON_SIZES=${TESSELLIX_ICON_SIZES}"
        -P ${packaging_dir}/check_install.cmake)

# The Debian package. Library dependencies come from dpkg-shlibdeps on the programs; the Qt
# platform plugins (only recommended by libqt6gui6, yet without them no window opens) and the
# fonts whose metrics the drawing code assumes are named by hand, and so is Qt Charts, which the
# statistics window cannot do without.
set(TESSELLIX_PACKAGE_MAINTAINER "Tessellix developers <tessellix@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessellix)
set(CPACK_PACKAGE_VENDOR "Tessellix developers")
set(CPACK_PACKAGE_CONTACT ${TESSELLIX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: cover a shape with the twelve five-cell elements")
# The long description as dpkg shows it, one line of the control file per line here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Each puzzle is a shape drawn on a grid. Cover all of it with the elements the"
    "puzzle uses, without any overlap: drag an element onto the shape, where it"
    "snaps to the grid, and turn or mirror it in its resting place."
    "The game ships over a hundred puzzles with stored solutions for hints, a"
    "puzzle editor, and every text in Russian and English."
    "The tessellix-puzzle tool shows, lists, solves, checks and builds puzzle files.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tessellix.github.io/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6charts6, fonts-liberation2")
include(CPack)
