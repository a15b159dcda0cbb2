# SPDX-License-Identifier: GPL-3.0-or-later
# The install rules, included last by the top-level CMakeLists.txt. Two
# components, one Debian package each (debian/rules): ql310set (the
# program, ql310ctl, the library, help, menu entry, icon, metainfo) and
# ql310-adapter (the simulated adapter).
include(GNUInstallDirs)
set(QL310_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR})
# Folders 0755 whatever the umask of the one who installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# One reverse-DNS id names the metainfo, the installed menu entry and the icon.
set(QL310_APP_ID org.ql310set.ql310set)

# libql310.so is private to the project's programs: installed in
# P/lib/ql310set, found there through the programs' run path (the program's
# dlopen of the bare name searches its run path too).
set(QL310_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/ql310set)
set(QL310_RUNPATH "$ORIGIN/../${QL310_PRIVATE_LIBDIR}")

# The programs carry the installed run path in the build tree as well: a run
# path changed at install time would be padded in the build tree with empty
# entries, which mean the working directory. The build tree mirrors the
# private folder with a link to the library in bin/.
set(QL310_BUILD_PRIVATE_LIBDIR ${CMAKE_BINARY_DIR}/${QL310_PRIVATE_LIBDIR})
file(MAKE_DIRECTORY ${QL310_BUILD_PRIVATE_LIBDIR})
file(RELATIVE_PATH QL310_LINK_TARGET ${QL310_BUILD_PRIVATE_LIBDIR}
  ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/libql310.so)
file(CREATE_LINK ${QL310_LINK_TARGET} ${QL310_BUILD_PRIVATE_LIBDIR}/libql310.so SYMBOLIC)
set_target_properties(ql310 PROPERTIES BUILD_WITH_INSTALL_RPATH ON)

set(QL310_COMPONENT_ql310set ql310set)
set(QL310_COMPONENT_ql310ctl ql310set)
set(QL310_COMPONENT_ql310-adapter ql310-adapter)
set(QL310_MAN_PAGES_ql310set)
set(QL310_MAN_PAGES_ql310-adapter)
foreach(program ql310set ql310-adapter ql310ctl)
  set(component ${QL310_COMPONENT_${program}})
  set_target_properties(${program} PROPERTIES BUILD_WITH_INSTALL_RPATH ON)
  if(NOT program STREQUAL "ql310-adapter")
    set_target_properties(${program} PROPERTIES INSTALL_RPATH "${QL310_RUNPATH}")
  endif()
  install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})
  list(APPEND QL310_MAN_PAGES_${component} ${program})
endforeach()
install(TARGETS ql310 LIBRARY DESTINATION ${QL310_PRIVATE_LIBDIR} COMPONENT ql310set)

# Found at run time in P/share/ql310set beside P/bin (controls/online_help).
install(FILES ${QL310_HELP_FILE} ${QL310_HELP_FILE_DE} DESTINATION ${CMAKE_INSTALL_DATADIR}/ql310set
  COMPONENT ql310set)
install(FILES ${QL310_DESKTOP_DIR}/ql310set.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  RENAME ${QL310_APP_ID}.desktop COMPONENT ql310set)
install(FILES ${QL310_DESKTOP_DIR}/ql310set.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${QL310_APP_ID}.svg COMPONENT ql310set)
install(FILES ${QL310_DESKTOP_DIR}/ql310set.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
  RENAME ${QL310_APP_ID}.metainfo.xml COMPONENT ql310set)

# The systemd user units of the background call log and the simulated adapter.
include(${QL310_DESKTOP_DIR}/systemd/units.cmake)

# The man pages are written at install time, when the installation's prefix
# is known (install_pages.cmake).
foreach(component ql310set ql310-adapter)
  set(QL310_PAGES ${QL310_MAN_PAGES_${component}})
  set(QL310_COMPONENT ${component})
  configure_file(${QL310_DESKTOP_DIR}/install_pages.cmake.in
    ${CMAKE_BINARY_DIR}/desktop/install_pages_${component}.cmake @ONLY)
  install(SCRIPT ${CMAKE_BINARY_DIR}/desktop/install_pages_${component}.cmake
    COMPONENT ${component})
endforeach()
