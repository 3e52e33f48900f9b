# Install time, included by Install.cmake: the menu entry, its icon, the
# AppStream description and (for a package) the rivet-run command. They go
# where the desktop looks for them: a staged install (a package) into
# /usr/share with the command /usr/bin/rivet-run; an install into the
# player's home into $XDG_DATA_HOME (~/.local/share); any other into
# /usr/local/share.

set(rr_app org.rivetrun.RivetRun)

# Sets rr_share, rr_desktop_folders and rr_desktop_files.
macro(rr_find_desktop_places)
  set(rr_home "$ENV{HOME}")
  string(FIND "${rr_prefix}/" "${rr_home}/" rr_in_home)
  if(rr_root)
    set(rr_share /usr/share)
  elseif(rr_home MATCHES "^/." AND rr_in_home EQUAL 0)
    set(rr_share "$ENV{XDG_DATA_HOME}")
    if(NOT rr_share MATCHES "^/")
      set(rr_share "${rr_home}/.local/share")
    endif()
  else()
    set(rr_share /usr/local/share)
  endif()
  set(rr_desktop_folders "${rr_share}/applications" "${rr_share}/metainfo")
  set(rr_desktop_files "${rr_share}/applications/${rr_app}.desktop" "${rr_share}/metainfo/${rr_app}.metainfo.xml")
  if(EXISTS "${RR_INSTALL_FROM}/data/png/icon.png")
    list(APPEND rr_desktop_folders "${rr_share}/icons/hicolor/256x256/apps")
    list(APPEND rr_desktop_files "${rr_share}/icons/hicolor/256x256/apps/${rr_app}.png")
  endif()
endmacro()

# The command the menu entry runs: the package's rivet-run on the PATH, or the
# installed game by its full path, quoted when it holds a blank or the like.
# Empty when the path holds a character the entry cannot carry.
function(rr_menu_command out)
  set(command "${rr_prefix}/rivet-run")
  if(rr_root)
    set(command rivet-run)
  endif()
  if(command MATCHES "[\"`$%\\\\\n\r]")
    set(command "")
  elseif(command MATCHES "[ \t'<>~|&;*?#()]")
    set(command "\"${command}\"")
  endif()
  set(${out} "${command}" PARENT_SCOPE)
endfunction()

# Installs the entry and adds what it wrote to rr_files and rr_folders.
macro(rr_install_desktop_entry)
  rr_menu_command(RR_EXEC)
  if(NOT RR_EXEC)
    message(WARNING "the menu entry cannot start a game in ${rr_prefix}; start it from there")
  else()
    if(NOT rr_root)
      # A package's folders are the system's; a direct install claims those it makes.
      foreach(folder IN LISTS rr_desktop_folders)
        rr_missing_folders("${rr_root}" "${folder}" missing)
        list(APPEND rr_folders ${missing})
      endforeach()
    endif()
    configure_file("${RR_PACKAGING_DIR}/${rr_app}.desktop.in"
                   "${rr_root}${rr_share}/applications/${rr_app}.desktop" @ONLY)
    file(INSTALL DESTINATION "${rr_share}/metainfo" TYPE FILE FILES "${RR_PACKAGING_DIR}/${rr_app}.metainfo.xml")
    if(EXISTS "${RR_INSTALL_FROM}/data/png/icon.png")
      file(INSTALL DESTINATION "${rr_share}/icons/hicolor/256x256/apps" TYPE FILE
           FILES "${RR_INSTALL_FROM}/data/png/icon.png" RENAME "${rr_app}.png")
    endif()
    list(APPEND rr_files ${rr_desktop_files})
    if(rr_root)
      file(MAKE_DIRECTORY "${rr_root}/usr/bin")
      file(CREATE_LINK "${rr_prefix}/rivet-run" "${rr_root}/usr/bin/rivet-run" SYMBOLIC)
      list(APPEND rr_files /usr/bin/rivet-run)
    endif()
    message(STATUS "Menu entry: ${rr_root}${rr_share}/applications/${rr_app}.desktop")
  endif()
endmacro()
