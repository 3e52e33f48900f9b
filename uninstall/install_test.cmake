# Installs the build into temporary folders and uninstalls it again with the
# installed rivet-uninstall, checking uninstall.log on the way.
#   cmake -DBUILD_DIR=... -DRUN_DIR=... -DWORK_DIR=... -P install_test.cmake

function(fail)
  message(FATAL_ERROR ${ARGN})
endfunction()

function(run_checked)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out
                  ERROR_VARIABLE out TIMEOUT 120)
  if(NOT result EQUAL 0)
    fail("${ARGN} failed (${result}):\n${out}")
  endif()
endfunction()

function(install_into prefix)
  run_checked(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
endfunction()

# Installs from a run directory of our own making through the same rules.
function(install_from from prefix)
  run_checked(${CMAKE_COMMAND} -DRR_INSTALL_FROM=${from} "-DCMAKE_INSTALL_PREFIX=${prefix}"
              -P "${BUILD_DIR}/cmake_install.cmake")
endfunction()

function(uninstall prefix)
  execute_process(COMMAND "${prefix}/rivet-uninstall" --yes WORKING_DIRECTORY "${prefix}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out TIMEOUT 60)
  if(NOT result EQUAL 0)
    fail("rivet-uninstall --yes failed (${result}):\n${out}")
  endif()
endfunction()

# The log lists every path under the prefix except the folders that were
# there before (unlisted), plus the folders outside it the install created
# (outside); files first, then the uninstaller and its log, then folders,
# ending with tail; nothing after the folder holding it; every line ends
# with CR LF.
function(check_log prefix outside unlisted tail)
  set(log "${prefix}/uninstall.log")
  if(NOT EXISTS "${log}")
    fail("no ${log}")
  endif()
  # Count line ends byte by byte: reading the log as text loses its CRs.
  file(READ "${log}" hex HEX)
  string(REGEX REPLACE "(..)" " \\1 " bytes "${hex}")
  string(REGEX MATCHALL " 0a " feeds "${bytes}")
  string(REGEX MATCHALL " 0d  0a " lineEnds "${bytes}")
  list(LENGTH feeds feedCount)
  list(LENGTH lineEnds lineEndCount)
  if(NOT feedCount EQUAL lineEndCount OR NOT bytes MATCHES " 0d  0a $")
    fail("uninstall.log has lines that do not end with CR LF")
  endif()
  file(STRINGS "${log}" lines)
  list(TRANSFORM lines REPLACE "\r$" "")
  list(REMOVE_ITEM lines "")

  file(GLOB_RECURSE expected LIST_DIRECTORIES true "${prefix}/*")
  list(APPEND expected ${outside})
  if(unlisted)
    list(REMOVE_ITEM expected ${unlisted})
  endif()
  set(listed ${lines})
  list(SORT expected)
  list(SORT listed)
  if(NOT expected STREQUAL listed)
    fail("uninstall.log lists:\n${listed}\nbut should list:\n${expected}")
  endif()

  list(FIND lines "${prefix}/rivet-uninstall" uninstaller)
  math(EXPR logLine "${uninstaller} + 1")
  list(GET lines ${logLine} next)
  if(NOT next STREQUAL "${prefix}/uninstall.log")
    fail("the uninstaller and its log should be listed together")
  endif()
  set(index 0)
  foreach(line IN LISTS lines)
    set(isFolder OFF)
    if(IS_DIRECTORY "${line}" AND NOT IS_SYMLINK "${line}")
      set(isFolder ON)
    endif()
    if((index LESS uninstaller AND isFolder) OR (index GREATER logLine AND NOT isFolder))
      fail("${line} is out of place: files first, then the uninstaller, then folders")
    endif()
    get_filename_component(folder "${line}" DIRECTORY)
    list(FIND lines "${folder}" folderIndex)
    if(folderIndex GREATER_EQUAL 0 AND folderIndex LESS index)
      fail("${folder} is listed before ${line}, which it holds")
    endif()
    math(EXPR index "${index} + 1")
  endforeach()

  list(LENGTH lines count)
  list(LENGTH tail tailCount)
  math(EXPR first "${count} - ${tailCount}")
  list(SUBLIST lines ${first} -1 end)
  if(NOT end STREQUAL tail)
    fail("uninstall.log should end with ${tail}, not ${end}")
  endif()
endfunction()

# The menu entry of an install under the home folder goes into
# ~/.local/share: every folder of it the install made, deepest first.
function(menu_entry_paths home out)
  file(GLOB_RECURSE paths LIST_DIRECTORIES true "${home}/.local/*")
  set(${out} "${home}/.local;${paths}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
unset(ENV{XDG_DATA_HOME})

# The real build into a folder that does not exist yet, twice (installing
# again over an installation must not forget what the first one created).
set(outside "${WORK_DIR}/real")
set(prefix "${outside}/a/Rivet Run")
set(ENV{HOME} "${outside}")
file(MAKE_DIRECTORY "${outside}")
install_into("${prefix}")
install_into("${prefix}")
set(entry "${outside}/.local/share/applications/org.rivetrun.RivetRun.desktop")
file(STRINGS "${entry}" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"${prefix}/rivet-run\"")
  fail("the menu entry runs ${exec}")
endif()
run_checked(desktop-file-validate "${entry}")
run_checked(appstreamcli validate --no-net "${outside}/.local/share/metainfo/org.rivetrun.RivetRun.metainfo.xml")
if(NOT EXISTS "${outside}/.local/share/icons/hicolor/256x256/apps/org.rivetrun.RivetRun.png")
  fail("no icon beside the menu entry")
endif()
menu_entry_paths("${outside}" menu)
check_log("${prefix}" "${prefix};${outside}/a;${menu}" "" "${outside}/.local/share;${outside}/.local")
uninstall("${prefix}")
file(GLOB left LIST_DIRECTORIES true "${outside}/*" "${outside}/.*")
if(left OR NOT IS_DIRECTORY "${outside}")
  fail("uninstalling should leave ${outside} empty, not with ${left}")
endif()

# A run directory with nested data, a link and a settings file, installed
# over a folder the user already had: only what the install made goes.
set(from "${WORK_DIR}/run")
file(MAKE_DIRECTORY "${from}/data/png" "${from}/levels" "${from}/music")
file(COPY "${RUN_DIR}/rivet-uninstall" DESTINATION "${from}")
file(COPY_FILE "${RUN_DIR}/rivet-uninstall" "${from}/rivet-run")
file(WRITE "${from}/options.dat" "settings, not installed")
file(WRITE "${from}/data/robot.vxm" "model")
file(WRITE "${from}/data/png/menu.png" "picture")
file(WRITE "${from}/levels/etapy.gra" "levels")
file(CREATE_LINK robot.vxm "${from}/data/alias.vxm" SYMBOLIC)
set(prefix "${WORK_DIR}/users/Rivet Run")
set(ENV{HOME} "${WORK_DIR}/users")
file(WRITE "${prefix}/data/mine.txt" "the user's own")
install_from("${from}" "${prefix}")
if(EXISTS "${prefix}/options.dat")
  fail("options.dat of the run directory was installed")
endif()
file(REMOVE "${prefix}/data/mine.txt")  # kept aside: the log must list all the rest
menu_entry_paths("${WORK_DIR}/users" menu)
check_log("${prefix}" "${menu}" "${prefix}/data" "${WORK_DIR}/users/.local/share;${WORK_DIR}/users/.local")
file(WRITE "${prefix}/data/mine.txt" "the user's own")
uninstall("${prefix}")
file(GLOB_RECURSE left LIST_DIRECTORIES true "${prefix}/*")
if(NOT left STREQUAL "${prefix}/data;${prefix}/data/mine.txt" OR EXISTS "${WORK_DIR}/users/.local")
  fail("after uninstalling, ${prefix} holds ${left}")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
