# The runnable copy of the program in the build tree, and its installation.
#
# Both lay the files out the same way, which is how the program finds them:
#   <prefix>/lib/morvek-zefra/morvek-zefra    the executable
#   <prefix>/lib/morvek-zefra/Kovrin.ini      settings, favourites and the help
#   <prefix>/lib/morvek-zefra/Favoritos.xml   page, beside the executable (the
#   <prefix>/lib/morvek-zefra/leeme.htm       first two are the user's own)
#   <prefix>/share/morvek-zefra/RV1960n.xml   the verse table
# The settings and the favourites are copied only when they are missing, so
# building or installing again never loses what the user changed.
if(NOT TARGET morvek-zefra)
  return()
endif()

set(MZ_STAGE ${CMAKE_BINARY_DIR}/stage)
set(MZ_DATA ${PROJECT_SOURCE_DIR}/data)
set(MZ_APP_DIR lib/morvek-zefra)
set(MZ_SHARE_DIR share/morvek-zefra)

add_custom_target(mz_stage ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MZ_STAGE}/${MZ_APP_DIR} ${MZ_STAGE}/${MZ_SHARE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${MZ_DATA}/RV1960n.xml ${MZ_STAGE}/${MZ_SHARE_DIR}/RV1960n.xml
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${MZ_DATA}/leeme.htm ${MZ_STAGE}/${MZ_APP_DIR}/leeme.htm
  COMMAND ${CMAKE_COMMAND} -DSRC=${MZ_DATA}/Kovrin.ini -DDST=${MZ_STAGE}/${MZ_APP_DIR}/Kovrin.ini
          -P ${PROJECT_SOURCE_DIR}/cmake/CopyIfMissing.cmake
  COMMAND ${CMAKE_COMMAND} -DSRC=${MZ_DATA}/Favoritos.xml -DDST=${MZ_STAGE}/${MZ_APP_DIR}/Favoritos.xml
          -P ${PROJECT_SOURCE_DIR}/cmake/CopyIfMissing.cmake
  COMMENT "Staging the runnable copy in ${MZ_STAGE}"
  VERBATIM)
add_dependencies(mz_stage morvek-zefra)

# Installation.
install(TARGETS morvek-zefra RUNTIME DESTINATION ${MZ_APP_DIR})
install(FILES ${MZ_DATA}/leeme.htm DESTINATION ${MZ_APP_DIR})
install(FILES ${MZ_DATA}/RV1960n.xml DESTINATION ${MZ_SHARE_DIR})
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${MZ_DATA}/artwork/png/morvek-zefra-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME morvek-zefra.png)
endforeach()
install(FILES ${MZ_DATA}/artwork/svg/morvek-zefra.svg DESTINATION share/icons/hicolor/scalable/apps)

# The user's files, the launcher on the PATH, the menu entry and the autostart
# entry depend on the prefix given at install time, so they are made then.
install(CODE "
  set(prefix \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  foreach(name Kovrin.ini Favoritos.xml)
    if(NOT EXISTS \"\${prefix}/${MZ_APP_DIR}/\${name}\")
      message(STATUS \"Installing: \${prefix}/${MZ_APP_DIR}/\${name}\")
      file(COPY_FILE \"${MZ_DATA}/\${name}\" \"\${prefix}/${MZ_APP_DIR}/\${name}\")
    else()
      message(STATUS \"Keeping: \${prefix}/${MZ_APP_DIR}/\${name}\")
    endif()
  endforeach()

  file(MAKE_DIRECTORY \"\${prefix}/bin\")
  file(CREATE_LINK \"../${MZ_APP_DIR}/morvek-zefra\" \"\${prefix}/bin/morvek-zefra\" SYMBOLIC)
  message(STATUS \"Installing: \${prefix}/bin/morvek-zefra\")

  set(MZ_EXEC \"\${CMAKE_INSTALL_PREFIX}/bin/morvek-zefra\")
  configure_file(\"${MZ_DATA}/desktop/morvek-zefra.desktop.in\"
                 \"\${prefix}/share/applications/morvek-zefra.desktop\" @ONLY)
  message(STATUS \"Installing: \${prefix}/share/applications/morvek-zefra.desktop\")

  # A per-user installation starts at the user's login; a system-wide one at
  # every user's. MZ_AUTOSTART_DIR chooses another place.
  # An empty variable counts as unset, as the desktop's own rules say.
  if(NOT \"\$ENV{MZ_AUTOSTART_DIR}\" STREQUAL \"\")
    set(autostart \"\$ENV{MZ_AUTOSTART_DIR}\")
  elseif(NOT \"\$ENV{HOME}\" STREQUAL \"\" AND CMAKE_INSTALL_PREFIX MATCHES \"^\$ENV{HOME}/\")
    if(NOT \"\$ENV{XDG_CONFIG_HOME}\" STREQUAL \"\")
      set(autostart \"\$ENV{XDG_CONFIG_HOME}/autostart\")
    else()
      set(autostart \"\$ENV{HOME}/.config/autostart\")
    endif()
  else()
    set(autostart \"/etc/xdg/autostart\")
  endif()
  set(autostart \"\$ENV{DESTDIR}\${autostart}\")
  configure_file(\"${MZ_DATA}/desktop/morvek-zefra-autostart.desktop.in\"
                 \"\${autostart}/morvek-zefra.desktop\" @ONLY)
  message(STATUS \"Installing: \${autostart}/morvek-zefra.desktop\")
")
