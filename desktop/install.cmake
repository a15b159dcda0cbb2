# The install rules, included last by the top-level CMakeLists.txt.
include(GNUInstallDirs)
set(QL310_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR})

# The program dlopens libql310.so; installed, its run path leads to P/lib.
foreach(program ql310set ql310-adapter ql310ctl)
  if(TARGET ${program})
    set_target_properties(${program} PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${QL310_DESKTOP_DIR}/${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
install(TARGETS ql310 LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})

if(TARGET ql310set)
  # Found at run time in P/share/ql310set beside P/bin (controls/online_help).
  install(FILES ${QL310_HELP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/ql310set)
  install(FILES ${QL310_DESKTOP_DIR}/ql310set.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${QL310_DESKTOP_DIR}/ql310set.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
