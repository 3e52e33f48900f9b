# `cpack -G DEB` in the build folder makes a Debian package through the same
# install rules: the game folder under /opt/rivet-run, the menu entry, icon
# and AppStream description under /usr/share, and /usr/bin/rivet-run, a link
# to the game (which finds its data beside the program it really is). The
# runtime dependencies come from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rivet-run)
set(CPACK_PACKAGE_VENDOR "The Rivet Run developers")
set(CPACK_PACKAGE_CONTACT "The Rivet Run developers <rivet-run@users.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D puzzle game: steer a group of robots off the board, every one at once")
set(CPACK_PACKAGE_DESCRIPTION "Every direction goes to all robots at once; a level is won when no robot is left
on the board. 45 levels in three difficulties; the interface is in Polish.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The install rules write uninstall.log with the final paths: they must see
# the real prefix and stage into DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /opt/rivet-run)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
