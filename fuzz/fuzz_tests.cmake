# SPDX-License-Identifier: GPL-3.0-or-later
# The fuzz targets of fuzz/ are a project of their own, built with clang,
# libFuzzer and the sanitizers beside the main build (in build/fuzz); each
# test is a bounded run over the kept inputs.
find_program(QL310_CLANGXX NAMES clang++)
if(NOT QL310_CLANGXX)
  message(FATAL_ERROR "clang++ was not found: install the Debian packages clang and libclang-rt-dev "
    "(bash scripts/deps.sh installs everything the build needs)")
endif()
execute_process(
  COMMAND ${QL310_CLANGXX} -fsanitize=fuzzer,address -x c++ - -o ${CMAKE_CURRENT_BINARY_DIR}/fuzz_probe
  INPUT_FILE ${CMAKE_CURRENT_LIST_DIR}/probe.cpp
  RESULT_VARIABLE fuzz_probe_result OUTPUT_QUIET ERROR_QUIET)
if(NOT fuzz_probe_result EQUAL 0)
  message(FATAL_ERROR "clang++ cannot build fuzzers (libFuzzer and the address sanitizer): install the "
    "Debian package libclang-rt-dev (bash scripts/deps.sh installs everything the build needs)")
endif()

include(ExternalProject)
set(fuzz_dir ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(ql310_fuzz_targets
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${fuzz_dir}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${QL310_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)

# fuzz_NAME runs build/fuzz/fuzz_NAME for a few seconds over the inputs it
# found before (build/fuzz/CORPUS) and the kept ones (fuzz/CORPUS).
function(ql310_fuzz_test name corpus)
  file(MAKE_DIRECTORY ${fuzz_dir}/${corpus})
  add_test(NAME fuzz_${name}
    COMMAND ${fuzz_dir}/fuzz_${name} -max_total_time=4 -timeout=20 -print_final_stats=1 ${ARGN}
            ${fuzz_dir}/${corpus} ${CMAKE_CURRENT_LIST_DIR}/${corpus})
  set_tests_properties(fuzz_${name} PROPERTIES TIMEOUT 120
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp")
endfunction()
ql310_fuzz_test(call_history corpus)
ql310_fuzz_test(setting_files corpus_setting_files)
ql310_fuzz_test(registry_hive corpus_registry_hive)
ql310_fuzz_test(image_decoder corpus_image_decoder)
ql310_fuzz_test(contact_files corpus_contact_files -max_len=1048576)
