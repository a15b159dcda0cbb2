#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, configures build/ and builds into it: everything
# (the test command), or only the targets named (the start command).
#   bash scripts/build.sh [--progress] [TARGET...]
# --progress shows the build's progress on one line of a terminal and the
# whole output only when the build fails.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
progress=0
if [ "${1:-}" = --progress ]; then progress=1; shift; fi
bash "$here/scripts/deps.sh"
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
# ccache, where present, keeps rebuilds of other checkouts short.
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
if [ ! -f "$here/build/CMakeCache.txt" ]; then
  configure_log="$(mktemp)"
  cmake -S "$here" -B "$here/build" "${generator[@]}" "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >"$configure_log" 2>&1 || { cat "$configure_log" >&2; rm -f "$configure_log"; exit 1; }
  rm -f "$configure_log"
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
if [ "$progress" -eq 0 ]; then
  exec cmake --build "$here/build" --parallel "$(nproc)" "${targets[@]}"
fi

# One line, rewritten: the step counter and the file being built, cut to the
# terminal's width; the log is kept in build/build.log.
log="$here/build/build.log"
width="$(tput cols 2>/dev/null || echo 80)"
set +e
cmake --build "$here/build" --parallel "$(nproc)" "${targets[@]}" 2>&1 | tee "$log" |
  while IFS= read -r line; do
    if [[ "$line" == \[*/*\]* ]] && [ -t 1 ]; then
      printf '\r\033[K%s' "${line:0:$((width - 1))}"
    fi
  done
status="${PIPESTATUS[0]}"
set -e
if [ -t 1 ]; then printf '\r\033[K'; fi
if [ "$status" -ne 0 ]; then
  cat "$log" >&2
  echo "The build failed (its output above, and in $log)." >&2
  exit "$status"
fi
