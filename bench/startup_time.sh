#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to a shown window: the time from launching ql310set against a
# running simulated adapter until its window is mapped on the X display,
# over several runs (the first one, which fills the caches, not counted).
# Needs a display with a window manager (DISPLAY), xev and stdbuf.
#   bash bench/startup_time.sh [BIN_DIR] [RUNS]
#   START_LOG=FILE  starts with a copy of that call log (else none)
#   FRESH_LOG=1     copies START_LOG again before every run, so that every
#                   start is a first start with that log (the copy is not timed)
set -euo pipefail
bin="$(cd "${1:-build/bin}" && pwd)"
runs="${2:-10}"
work="$(mktemp -d)"
export QL310_DEVICE_DIR="$work/dev" QL310_REGISTRY="$work/hklm.reg"
export XDG_CONFIG_HOME="$work/config" QL310SET_DATA_DIR="$work/data"
mkdir -p "$QL310SET_DATA_DIR"
if [ -n "${START_LOG:-}" ]; then
  cp "$START_LOG" "$QL310SET_DATA_DIR/CallHistory.mdb"
fi

"$bin/ql310-adapter" --device-dir "$QL310_DEVICE_DIR" --state "$work/adapter" &
adapter=$!
events="$work/xev.log"
# Every window mapped on the screen; the poll below notices a new one within
# a few milliseconds (the same for every run).
stdbuf -oL xev -root -event substructure > "$events" &
watcher=$!
cleanup() {
  kill "$adapter" "$watcher" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 1 100); do
  [ -S "$QL310_DEVICE_DIR/capi201" ] && break
  sleep 0.05
done

times=()
for run in $(seq 0 "$runs"); do
  if [ "${FRESH_LOG:-0}" = 1 ] && [ -n "${START_LOG:-}" ]; then
    rm -f "$QL310SET_DATA_DIR"/*
    cp "$START_LOG" "$QL310SET_DATA_DIR/CallHistory.mdb"
    sync
  fi
  before=$(grep -c '^MapNotify' "$events" || true)
  start=$EPOCHREALTIME
  "$bin/ql310set" & program=$!
  shown=""
  for _ in $(seq 1 2000); do
    if [ "$(grep -c '^MapNotify' "$events" || true)" -gt "$before" ]; then
      shown=$EPOCHREALTIME
      break
    fi
    sleep 0.002
  done
  kill "$program"; wait "$program" 2>/dev/null || true
  [ "$run" -eq 0 ] && continue
  times+=("$(awk -v a="$start" -v b="$shown" 'BEGIN { printf "%.0f", (b - a) * 1000 }')")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "runs (ms): ${times[*]}"
echo "median: $(echo "$sorted" | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }') ms"
