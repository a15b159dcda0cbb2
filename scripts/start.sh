#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts the program against the simulated adapter
# (README's first command). The adapter keeps its state, and the demo its
# registry hive, under ~/.local/state/ql310-demo; both stop with the program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$here/scripts/build.sh"
bin="$here/build/bin"

state="${XDG_STATE_HOME:-$HOME/.local/state}/ql310-demo"
mkdir -p "$state"
export QL310_DEVICE_DIR="${QL310_DEVICE_DIR:-$state/dev}"
export QL310_REGISTRY="${QL310_REGISTRY:-$state/hklm.reg}"

"$bin/ql310-adapter" --device-dir "$QL310_DEVICE_DIR" --state "$state/adapter" \
  --journal "$state/journal.txt" &
adapter=$!
trap 'kill $adapter 2>/dev/null; wait $adapter 2>/dev/null || true' EXIT
# Wait, with a bound, for the adapter's device to appear.
for _ in $(seq 1 100); do
  [ -S "$QL310_DEVICE_DIR/capi201.ctl" ] && break
  sleep 0.05
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  # No screen to show the program on: show what the adapter holds instead.
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the headless path," \
    "the simulated adapter with ql310ctl status and ql310ctl dump." >&2
  if [ -x "$bin/ql310ctl" ]; then
    "$bin/ql310ctl" status
    "$bin/ql310ctl" dump
  else
    "$bin/ql310-smoke"
  fi
elif [ -x "$bin/ql310set" ]; then
  "$bin/ql310set" "$@"
else
  # Until the program is built, show what the library reads from the adapter.
  "$bin/ql310-smoke"
fi
