# The Debian package: `cpack -G DEB` in the build folder makes almanaxium_<version>_amd64.deb from
# the install rules, with the manual pages, the software centre's metainfo and the files that a
# Debian package carries in usr/share/doc/.

set(packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_build ${CMAKE_BINARY_DIR}/packaging)

# Manual pages and the changelog are installed compressed, as man and Debian's tools expect;
# -n leaves out the name and time stamp, so the same source gives the same bytes.
set(compressed_files)
foreach(name almanaxium.1 almanaxium-cli.1 changelog)
    add_custom_command(OUTPUT ${packaging_build}/${name}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${packaging_source}/${name} ${packaging_build}/${name}
        COMMAND gzip -9nf ${packaging_build}/${name}
        DEPENDS ${packaging_source}/${name}
        VERBATIM)
    list(APPEND compressed_files ${packaging_build}/${name}.gz)
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${compressed_files})

install(FILES ${packaging_build}/almanaxium-cli.1.gz DESTINATION share/man/man1)
if(ALMANAXIUM_BUILD_GUI)
    install(FILES ${packaging_build}/almanaxium.1.gz DESTINATION share/man/man1)
    install(FILES ${packaging_source}/com.qelt.almanaxium.metainfo.xml DESTINATION share/metainfo)
endif()
install(FILES ${packaging_source}/copyright DESTINATION share/doc/almanaxium)
install(FILES ${packaging_build}/changelog.gz DESTINATION share/doc/almanaxium)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME almanaxium)
set(CPACK_PACKAGE_VENDOR Qelt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Qelt <support@qelt.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sun and Moon almanac for any place and day")
# Lines of at most 72 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION [=[
Sunrise, sunset, the three twilights, moonrise, moonset and the Moon's
phase for a place, a time zone and a date, in a window (almanaxium) and
as a report for scripts (almanaxium-cli), computed from analytical
models of the Sun and the Moon.]=])
# The package installs into /usr whatever CMAKE_INSTALL_PREFIX a local install uses.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders made by the install get the mode Debian's policy asks for, whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Qelt <support@qelt.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.qelt.com/)
# The libraries' packages come from what the binaries link, never from a list kept by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The time zones and their rules come from the system's zone files.
set(CPACK_DEBIAN_PACKAGE_DEPENDS tzdata)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
