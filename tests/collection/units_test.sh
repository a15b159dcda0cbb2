#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The systemd user units as a user session runs them.
#   units_test.sh verify UNITS_DIR  systemd-analyze verify finds nothing to say
#   units_test.sh run UNITS_DIR     the adapter service's command line serves
#     the default device folder of a session, and the call-log service's
#     command line fetches from it into the call log and ends with status 0
#     without a session bus.
set -euo pipefail
mode=$1 units=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$mode" = verify ]; then
  if ! command -v systemd-analyze >/dev/null; then
    echo "skipped: systemd-analyze is missing (Debian package systemd)"
    exit 77
  fi
  mkdir -m 700 "$work/runtime"
  out=$(XDG_RUNTIME_DIR="$work/runtime" systemd-analyze verify --user --man=no \
        "$units/ql310-calllog.service" "$units/ql310-calllog.timer" "$units/ql310-adapter.service" 2>&1) ||
    fail "systemd-analyze verify: $out"
  [ -z "$out" ] || fail "systemd-analyze verify says: $out"
  grep -qx 'Persistent=true' "$units/ql310-calllog.timer" || fail "the timer is not persistent"
  exit 0
fi

# The service's ExecStart= line, as systemd would run it.
execStart() { sed -n 's/^ExecStart=//p' "$units/$1"; }
mkdir -m 700 "$work/runtime" "$work/state"
export XDG_RUNTIME_DIR="$work/runtime" STATE_DIRECTORY="$work/state"
export QL310SET_DATA_DIR="$work/data" QL310_REGISTRY="$work/hklm.reg"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
unset QL310_DEVICE_DIR DISPLAY
eval "exec $(execStart ql310-adapter.service)" >"$work/adapter.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/runtime/ql310/capi201" ] && break; sleep 0.05; done
[ -S "$work/runtime/ql310/capi201" ] || fail "the adapter service serves no device: $(cat "$work/adapter.log")"
[ -f "$work/state/history.bin" ] || fail "the adapter keeps no state in \$STATE_DIRECTORY"

command=$(execStart ql310-calllog.service)
[[ "$command" == */ql310ctl\ calllog\ fetch\ --quiet\ --notify ]] || fail "unexpected ExecStart: $command"
status=0
eval "$command" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 0 ] || fail "the call-log service ended with $status: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "the call-log service wrote on standard output: $(cat "$work/out")"
grep -q 'no desktop notification' "$work/err" || fail "no line about the missing bus: $(cat "$work/err")"
program=${command%% *}
calls=$("$program" calllog export | wc -l)
[ "$calls" -gt 1 ] || fail "the call log holds no calls after the service ran"
