# SPDX-License-Identifier: GPL-3.0-or-later
# The systemd user units, included by install.cmake: ql310-calllog.service
# and .timer (the call log fetched in the background) with ql310set,
# ql310-adapter.service with ql310-adapter, in P/lib/systemd/user
# (/usr/lib/systemd/user in the packages). Their ExecStart names the
# installed program: the units are written at install time, when the prefix
# is known, and once at configure time into build/units/ naming the built
# programs, for the tests.
set(QL310_UNIT_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(QL310_USER_UNIT_DIR lib/systemd/user)
set(QL310_UNITS_ql310set)
set(QL310_UNITS_ql310set ql310-calllog.service ql310-calllog.timer)
set(QL310_UNITS_ql310-adapter ql310-adapter.service)

set(QL310_BINDIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
foreach(component ql310set ql310-adapter)
  foreach(unit ${QL310_UNITS_${component}})
    set(source ${QL310_UNIT_SOURCE_DIR}/${unit})
    if(EXISTS ${source}.in)
      configure_file(${source}.in ${CMAKE_BINARY_DIR}/units/${unit} @ONLY)
      # In a folder of its own, so that installations running at once (the
      # packages, a test's install) do not meet.
      install(CODE "
        string(RANDOM LENGTH 12 tag)
        set(work \"${CMAKE_BINARY_DIR}/desktop/units/\${tag}\")
        set(QL310_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        configure_file(\"${source}.in\" \"\${work}/${unit}\" @ONLY)
        file(INSTALL \"\${work}/${unit}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${QL310_USER_UNIT_DIR}\"
          PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        file(REMOVE_RECURSE \"\${work}\")"
        COMPONENT ${component})
    else()
      configure_file(${source} ${CMAKE_BINARY_DIR}/units/${unit} COPYONLY)
      install(FILES ${source} DESTINATION ${QL310_USER_UNIT_DIR} COMPONENT ${component})
    endif()
  endforeach()
endforeach()
