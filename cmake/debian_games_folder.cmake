# Run by CPack before it packs the Debian package: Debian keeps the programs
# of a package in the games section in /usr/games. The program still finds its
# files as ../share/vellomir from there.
set(staging "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
if(NOT IS_DIRECTORY "${staging}/usr/bin")
    message(FATAL_ERROR "no usr/bin in ${staging}")
endif()
file(RENAME "${staging}/usr/bin" "${staging}/usr/games")
