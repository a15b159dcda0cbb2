# SPDX-License-Identifier: GPL-3.0-or-later
# The sources of the call-log store and its merge, for the library here and
# for the targets that build them again (the fuzz targets, the crash helper).
set(QL310_CALLLOG_STORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/call_log_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/call_log_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/call_log_queries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/call_duration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/engine_access.cpp
  ${CMAKE_CURRENT_LIST_DIR}/call_log_merge.cpp)
