# Builds the Debian package of this build and checks what it installs and
# what it depends on, and that its menu entry and AppStream description pass
# the freedesktop validators.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -P package_test.cmake

cmake_minimum_required(VERSION 3.22)

function(run_checked out)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE output TIMEOUT 600)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
# Uncompressed: the test reads the package back, it does not ship it.
run_checked(ignored cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
            -D CPACK_DEBIAN_COMPRESSION_TYPE=none)
file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${WORK_DIR}, found: ${packages}")
endif()

run_checked(contents dpkg-deb --contents ${packages})
foreach(expected
    " ./opt/rivet-run/rivet-run\n"
    " ./opt/rivet-run/rivet-uninstall\n"
    " ./opt/rivet-run/uninstall.log\n"
    " ./opt/rivet-run/levels/etapy.gra\n"
    " ./opt/rivet-run/data/png/icon.png\n"
    " ./usr/bin/rivet-run -> /opt/rivet-run/rivet-run\n"
    " ./usr/share/applications/org.rivetrun.RivetRun.desktop\n"
    " ./usr/share/metainfo/org.rivetrun.RivetRun.metainfo.xml\n"
    " ./usr/share/icons/hicolor/256x256/apps/org.rivetrun.RivetRun.png\n")
  string(FIND "${contents}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package lacks${expected}It holds:\n${contents}")
  endif()
endforeach()
# Nothing of the build or of a player's saves.
if(contents MATCHES "(options\\.dat|profile\\.da[t0]|CMakeFiles|/tests/)")
  message(FATAL_ERROR "the package carries ${CMAKE_MATCH_1}")
endif()

run_checked(depends dpkg-deb --field ${packages} Depends)
foreach(library libsdl2-2.0-0 libsdl2-image-2.0-0 libepoxy0 libvorbisfile3 libmpg123-0 libgtk-3-0 libc6)
  if(NOT depends MATCHES "(^|, )${library} ")
    message(FATAL_ERROR "the package should depend on ${library}: Depends: ${depends}")
  endif()
endforeach()

# The validators on the files as the package installs them.
run_checked(ignored dpkg-deb --extract ${packages} "${WORK_DIR}/root")
run_checked(ignored desktop-file-validate "${WORK_DIR}/root/usr/share/applications/org.rivetrun.RivetRun.desktop")
run_checked(ignored appstreamcli validate --no-net
            "${WORK_DIR}/root/usr/share/metainfo/org.rivetrun.RivetRun.metainfo.xml")
file(STRINGS "${WORK_DIR}/root/opt/rivet-run/uninstall.log" log)
list(TRANSFORM log REPLACE "\r$" "")
foreach(path /usr/share/applications/org.rivetrun.RivetRun.desktop /usr/bin/rivet-run)
  if(NOT path IN_LIST log)
    message(FATAL_ERROR "uninstall.log does not list ${path}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
