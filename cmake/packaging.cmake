# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh)
# packs what `cmake --install` installs under /usr.

set(VELLOMIR_MAINTAINER "Vellomir developers <developers@vellomir.org>")

# Debian wants a copyright file and, for a package without a Debian revision
# of its own, the upstream change log in the package's documentation folder.
execute_process(COMMAND date -u -R -d "${VELLOMIR_RELEASE_DATE} 12:00:00"
                OUTPUT_VARIABLE VELLOMIR_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(${PROJECT_SOURCE_DIR}/data/packaging/changelog.in
               ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    COMMAND sh -c "gzip -9 -n -c '${CMAKE_BINARY_DIR}/packaging/changelog' > '${CMAKE_BINARY_DIR}/packaging/changelog.gz'"
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog
    COMMENT "Compressing the package's change log"
    VERBATIM)
add_custom_target(vellomir_package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/data/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vellomir)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellomir)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VELLOMIR_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELLOMIR_MAINTAINER})
# The Qt libraries and everything else the programs link come from
# dpkg-shlibdeps; the Wayland platform plugin is loaded at run time, and
# without it a Wayland desktop runs the program through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "collection of patience card games")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_games_folder.cmake)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vellomir holds ${VELLOMIR_GAME_COUNT} patience (solitaire) games played with the mouse:
Klondike and its relatives, FreeCell and the other free cell games,
Canfield, Forty Thieves, Yukon, pairing games such as Pyramid, adding games
such as Calculation, and sliding puzzles of cards.
.
Every deal has a thirteen-digit number, so that it can be played again. The
package also holds vellomir-cli, which deals, plays and solves the games from
a terminal.")
include(CPack)
