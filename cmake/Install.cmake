# Installing Rivet Run: `cmake --install <build> --prefix DIR` copies the game,
# its tools, its generated data and the uninstaller into DIR, one folder as on
# Windows, and writes DIR/uninstall.log, the list rivet-uninstall removes.
#
# This file serves twice. Included by the top-level CMakeLists.txt it adds the
# install rules; those run it again at install time (RR_INSTALL_STEP set), when
# it looks at what the run directory holds then: the game and the data come
# from other folders' builds and generators, and some may not be there yet.

if(NOT RR_INSTALL_STEP)
  # The game reads data/, levels/ and music/ beside itself, so it gets a folder
  # of its own rather than being spread over /usr/local.
  if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX /opt/rivet-run CACHE PATH "Folder Rivet Run installs into" FORCE)
  endif()
  install(CODE "set(RR_INSTALL_STEP ON)
set(RR_PACKAGING_DIR \"${CMAKE_SOURCE_DIR}/packaging\")
if(NOT DEFINED RR_INSTALL_FROM)
  set(RR_INSTALL_FROM \"${RR_RUN_DIR}\")
endif()")
  install(SCRIPT ${CMAKE_CURRENT_LIST_FILE})
  include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
  return()
endif()

# ---- install time -----------------------------------------------------------

set(RR_LOG_LIMIT 799)  # longer lines are skipped by the uninstaller

# Programs of the run directory are the ELF files at its top; anything else
# there (settings and profiles written by playing from it) stays behind.
function(rr_find_programs from out)
  file(GLOB entries LIST_DIRECTORIES false "${from}/*")
  set(programs "")
  foreach(entry IN LISTS entries)
    get_filename_component(name "${entry}" NAME)
    if(IS_SYMLINK "${entry}" OR name STREQUAL "rivet-uninstall")
      continue()
    endif()
    file(READ "${entry}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND programs "${entry}")
    endif()
  endforeach()
  set(${out} "${programs}" PARENT_SCOPE)
endfunction()

# The folder and every ancestor of it that does not exist yet, deepest first.
function(rr_missing_folders root folder out)
  set(missing "")
  while(NOT IS_DIRECTORY "${root}${folder}")
    list(APPEND missing "${folder}")
    get_filename_component(parent "${folder}" DIRECTORY)
    if(parent STREQUAL folder)
      break()
    endif()
    set(folder "${parent}")
  endwhile()
  set(${out} "${missing}" PARENT_SCOPE)
endfunction()

# What an earlier install into the same folder listed and is still there:
# installing again must not forget the folders that install created. Lines
# count when they lie inside or above one of the anchors (the prefix and the
# folders of the menu entry).
function(rr_read_previous_log root prefix anchors files_out folders_out)
  set(files "")
  set(folders "")
  set(log "${root}${prefix}/uninstall.log")
  if(EXISTS "${log}" AND NOT IS_DIRECTORY "${log}")
    file(STRINGS "${log}" lines)
    foreach(line IN LISTS lines)
      string(REPLACE "\r" "" line "${line}")
      set(ours OFF)
      foreach(anchor IN LISTS anchors)
        string(FIND "${anchor}/" "${line}/" isAncestor)
        string(FIND "${line}" "${anchor}/" isInside)
        if(isAncestor EQUAL 0 OR isInside EQUAL 0)
          set(ours ON)
        endif()
      endforeach()
      if(line STREQUAL "" OR NOT ours)
        continue()
      endif()
      if(IS_DIRECTORY "${root}${line}" AND NOT IS_SYMLINK "${root}${line}")
        list(APPEND folders "${line}")
      elseif(EXISTS "${root}${line}" OR IS_SYMLINK "${root}${line}")
        list(APPEND files "${line}")
      endif()
    endforeach()
  endif()
  set(${files_out} "${files}" PARENT_SCOPE)
  set(${folders_out} "${folders}" PARENT_SCOPE)
endfunction()

get_filename_component(rr_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
string(REGEX REPLACE "(.)/+$" "\\1" rr_prefix "${rr_prefix}")
set(rr_root "$ENV{DESTDIR}")  # staged installs copy there; the log names the final paths

if(NOT EXISTS "${RR_INSTALL_FROM}/rivet-uninstall")
  message(FATAL_ERROR "rivet-uninstall is not built in ${RR_INSTALL_FROM}; build first")
endif()
rr_find_programs("${RR_INSTALL_FROM}" rr_programs)
if(NOT rr_programs)
  message(WARNING "no game program in ${RR_INSTALL_FROM} yet; installing the rest")
endif()

include("${CMAKE_CURRENT_LIST_DIR}/InstallDesktop.cmake")
rr_find_desktop_places()

# Note what is there before copying: only folders this install creates are listed.
rr_read_previous_log("${rr_root}" "${rr_prefix}" "${rr_prefix};${rr_desktop_folders}" rr_files rr_folders)
rr_missing_folders("${rr_root}" "${rr_prefix}" rr_created)
if(rr_root AND rr_created)
  # A staged install cannot know which folders above the prefix the target
  # machine has; it claims only the prefix.
  set(rr_created "${rr_prefix}")
endif()
list(APPEND rr_folders ${rr_created})
foreach(program IN LISTS rr_programs)
  get_filename_component(name "${program}" NAME)
  list(APPEND rr_files "${rr_prefix}/${name}")
endforeach()
set(rr_trees "")
foreach(tree data levels music)
  if(NOT IS_DIRECTORY "${RR_INSTALL_FROM}/${tree}")
    continue()
  endif()
  list(APPEND rr_trees "${RR_INSTALL_FROM}/${tree}")
  file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE "${RR_INSTALL_FROM}"
       "${RR_INSTALL_FROM}/${tree}/*")
  foreach(entry IN ITEMS "${tree}" LISTS entries)
    if(IS_DIRECTORY "${RR_INSTALL_FROM}/${entry}" AND NOT IS_SYMLINK "${RR_INSTALL_FROM}/${entry}")
      if(NOT IS_DIRECTORY "${rr_root}${rr_prefix}/${entry}")
        list(APPEND rr_folders "${rr_prefix}/${entry}")
      endif()
    else()
      list(APPEND rr_files "${rr_prefix}/${entry}")
    endif()
  endforeach()
endforeach()

file(INSTALL DESTINATION "${rr_prefix}" TYPE PROGRAM FILES ${rr_programs}
     "${RR_INSTALL_FROM}/rivet-uninstall")
if(rr_trees)
  file(INSTALL DESTINATION "${rr_prefix}" TYPE DIRECTORY FILES ${rr_trees})
endif()

rr_install_desktop_entry()

# Files, then the uninstaller and its list, then the folders, deepest first:
# a folder's path sorts after every path inside it.
set(rr_tail "${rr_prefix}/rivet-uninstall" "${rr_prefix}/uninstall.log")
list(REMOVE_DUPLICATES rr_files)
list(REMOVE_ITEM rr_files ${rr_tail})
list(REMOVE_DUPLICATES rr_folders)
list(SORT rr_folders)
list(REVERSE rr_folders)
set(rr_log "")
foreach(path IN LISTS rr_files rr_tail rr_folders)
  string(LENGTH "${path}" length)
  if(path MATCHES "[\r\n]" OR length GREATER RR_LOG_LIMIT)
    message(WARNING "uninstall.log cannot carry ${path}; remove it by hand")
    continue()
  endif()
  string(APPEND rr_log "${path}\r\n")
endforeach()
message(STATUS "Writing: ${rr_root}${rr_prefix}/uninstall.log")
file(WRITE "${rr_root}${rr_prefix}/uninstall.log" "${rr_log}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${rr_root}${rr_prefix}/uninstall.log")
