# SPDX-License-Identifier: GPL-3.0-or-later
# Every outside dependency of the build, found once. A missing one stops the
# configuration with the Debian package that provides it (scripts/deps.sh
# installs them all); no part of the build leaves itself out quietly.

# find_package(NAME ARGS...), or a configure error naming DEBIAN_PACKAGES.
macro(ql310_require_package name debian_packages)
  find_package(${name} ${ARGN} QUIET)
  if(NOT ${name}_FOUND)
    message(FATAL_ERROR "${name} ${ARGN} was not found: install the Debian package(s) "
      "${debian_packages} (bash scripts/deps.sh installs everything the build needs)")
  endif()
endmacro()

# A library without a CMake or pkg-config file of its own, as the imported
# target TARGET: its header HEADER and its library LIBRARY, or a configure
# error naming DEBIAN_PACKAGE.
function(ql310_require_library target header library debian_package)
  if(TARGET ${target})
    return()
  endif()
  string(MAKE_C_IDENTIFIER "QL310_${library}" var)
  find_path(${var}_INCLUDE_DIR ${header})
  find_library(${var}_LIBRARY ${library})
  if(NOT ${var}_INCLUDE_DIR OR NOT ${var}_LIBRARY)
    message(FATAL_ERROR "lib${library} (${header}) was not found: install the Debian package "
      "${debian_package} (bash scripts/deps.sh installs everything the build needs)")
  endif()
  add_library(${target} UNKNOWN IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${${var}_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${${var}_INCLUDE_DIR})
endfunction()

# The program's own dependencies (the fuzz targets include this file too).
ql310_require_package(Qt6 "qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6sql6-sqlite"
  COMPONENTS Core Sql Widgets PrintSupport Svg Charts DBus Test)
ql310_require_package(SQLite3 libsqlite3-dev)
# Debian's chmlib reads the compiled help file; it ships no pkg-config file.
ql310_require_library(ql310::chm chm_lib.h chm libchm-dev)
ql310_require_library(ql310::phonenumber phonenumbers/phonenumberutil.h phonenumber libphonenumber-dev)
# The phone number types are protobuf messages: their type information, which
# the undefined-behaviour sanitizer asks for, lives in libprotobuf.
ql310_require_library(ql310::protobuf google/protobuf/message.h protobuf libprotobuf-dev)
set_property(TARGET ql310::phonenumber APPEND PROPERTY INTERFACE_LINK_LIBRARIES ql310::protobuf)
