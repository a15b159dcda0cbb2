#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and starts the program against the simulated adapter
# (README's first command). It builds only what it starts: the program,
# ql310ctl, the simulated adapter, the device library and the help file (the
# test command builds the rest). The adapter keeps its state, and the demo
# its registry hive, under ~/.local/state/ql310-demo; both stop with the
# program.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bin="$here/build/bin"
if [ ! -x "$bin/ql310set" ]; then
  echo "Building the program, ql310ctl and the simulated adapter into build/." \
    "The first build takes a few minutes (about 2 on an idle two-core machine);" \
    "later ones only rebuild what changed." >&2
fi
bash "$here/scripts/build.sh" --progress ql310set ql310ctl ql310-adapter ql310 ql310_help

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
  "$bin/ql310ctl" status
  "$bin/ql310ctl" dump
else
  "$bin/ql310set" "$@"
fi
