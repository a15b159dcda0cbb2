#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the library, the simulated adapter and the tests with the address
# and undefined-behaviour sanitizers into build-asan/ and runs the tests
# there. Any finding stops the test that made it (halt_on_error), leaks
# included. Measured on 2 shared cores: a fresh build 187 s, the tests 22 s,
# so .ci/run runs it after the normal suite.
# Usage: bash scripts/sanitize.sh [ctest arguments, e.g. -R test_transfer]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/deps.sh"
build="$here/build-asan"
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_CXX_FLAGS=$flags" "-DCMAKE_C_FLAGS=$flags" \
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" \
    "-DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=address,undefined"
fi
start=$(date +%s)
cmake --build "$build" --parallel "$(nproc)"
echo "sanitizer build: $(( $(date +%s) - start )) s"
# The one leak suppression is the font library's cache (see fuzz/lsan.supp).
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen
# The fuzz targets are instrumented already; they run in the normal suite.
ctest --test-dir "$build" --output-on-failure -E '^fuzz_' "$@"
