# The Debian package (cpack -G DEB in the build folder): the executable, the
# menu entry and icons installed above, plus what a distribution package
# carries: AppStream metainfo, a man page, the copyright file and changelog.
# The package's own layout (/usr/games): cmake/PackageLayout.cmake.
# Dependencies come from the binary (dpkg-shlibdeps).

set(VRH_APP_ID org.varnholt.Varnholt)
set(VARNHOLT_MAINTAINER "The Varnholt developers <varnholt@example.org>" CACHE STRING
    "Maintainer of the Debian package (name <mail>)")
configure_file(dist/${VRH_APP_ID}.metainfo.xml.in ${CMAKE_CURRENT_BINARY_DIR}/${VRH_APP_ID}.metainfo.xml @ONLY)
configure_file(dist/varnholt.6.in ${CMAKE_CURRENT_BINARY_DIR}/varnholt.6 @ONLY)

# Man pages ship compressed, reproducibly (-n: no name or time stamp inside).
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/varnholt.6.gz
  COMMAND gzip -9nkf ${CMAKE_CURRENT_BINARY_DIR}/varnholt.6
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/varnholt.6 VERBATIM)
add_custom_target(varnholt_manpage ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/varnholt.6.gz)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VRH_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/varnholt.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
configure_file(dist/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog VERBATIM)
add_custom_target(varnholt_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES dist/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnholt)
set(CPACK_PACKAGE_VENDOR "The Varnholt developers")
set(CPACK_PACKAGE_CONTACT "${VARNHOLT_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade shooter: fly the bee, shatter the big tank")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # varnholt_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")  # the menus print in a sans-serif face
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION  # the long part; the summary above is the first line
"Varnholt is a single-player arcade shooter. Fly the bee over the field and
drop one diagonal shot at a time on the small tanks that drive in from both
sides; shatter the big tank along the bottom to reach the upgrade shop and
the next level. Three save slots, a high-score table, keyboard or game
controller, and full screen with sharp pixels if wished.")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/PackageLayout.cmake)
include(CPack)
