#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from the build tree with CPack and checks them
# as a packager would: file lists, dependencies, stripped binaries, the
# programs started from the unpacked packages, the man pages, the AppStream
# and desktop checks, the maintainer scripts and lintian (no errors).
# Exit 77 (skipped) without dpkg-deb, or for a sanitizer build.
# Usage: packaging_test.sh BUILD_DIR SOURCE_DIR VERSION DATE SANITIZED
set -euo pipefail
build="$1" source="$2" version="$3" date="$4" sanitized="$5"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if ! command -v dpkg-deb >/dev/null || ! command -v cpack >/dev/null; then
  echo "skipped: dpkg-deb or cpack is missing"; exit 77
fi
if [ "$sanitized" = ON ]; then
  echo "skipped: a sanitizer build is not packaged"; exit 77
fi

work="$(mktemp -d)"
adapter_pid=
cleanup() {
  [ -z "$adapter_pid" ] || kill "$adapter_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "packaging test: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
arch="$(dpkg --print-architecture)"
main="$work/out/ql310set_${version}-1_${arch}.deb"
adapter="$work/out/ql310-adapter_${version}-1_${arch}.deb"
[ -f "$main" ] && [ -f "$adapter" ] || { ls "$work/out" >&2; fail "the two packages are missing"; }

# --- file lists: exactly these files, nothing unversioned in /usr/lib ---
files_of() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort; }
expected_main=(
  usr/bin/ql310set usr/lib/ql310set/libql310.so
  usr/share/applications/org.ql310set.ql310set.desktop
  usr/share/doc/ql310set/changelog.Debian.gz usr/share/doc/ql310set/copyright
  usr/share/icons/hicolor/scalable/apps/org.ql310set.ql310set.svg
  usr/share/man/man1/ql310set.1.gz usr/share/metainfo/org.ql310set.ql310set.metainfo.xml
  usr/share/ql310set/ql310.chm)
if [ -e "$build/bin/ql310ctl" ]; then
  expected_main+=(usr/bin/ql310ctl usr/share/man/man1/ql310ctl.1.gz
    usr/lib/systemd/user/ql310-calllog.service usr/lib/systemd/user/ql310-calllog.timer)
fi
expected_adapter=(usr/bin/ql310-adapter usr/share/doc/ql310-adapter/changelog.Debian.gz
  usr/share/doc/ql310-adapter/copyright usr/share/man/man1/ql310-adapter.1.gz
  usr/lib/systemd/user/ql310-adapter.service)
diff <(printf '%s\n' "${expected_main[@]}" | sort) <(files_of "$main") ||
  fail "ql310set holds other files than expected (- expected, + found)"
diff <(printf '%s\n' "${expected_adapter[@]}" | sort) <(files_of "$adapter") ||
  fail "ql310-adapter holds other files than expected (- expected, + found)"

# --- control fields and dependencies ---
field() { dpkg-deb -f "$1" "$2"; }
[ "$(field "$main" Version)" = "${version}-1" ] || fail "version $(field "$main" Version)"
for package in "$main" "$adapter"; do
  [ "$(field "$package" Source)" = ql310set ] || fail "$package: no Source ql310set"
  [ -n "$(field "$package" Maintainer)" ] || fail "$package: no Maintainer"
done
depends_main="$(field "$main" Depends)"
for needed in libc6 libstdc++6 libqt6widgets6 libqt6sql6 libqt6sql6-sqlite qt6-qpa-plugins; do
  [[ ", $depends_main," == *", $needed "* || ", $depends_main," == *", $needed,"* ]] ||
    fail "ql310set does not depend on $needed: $depends_main"
done
depends_adapter="$(field "$adapter" Depends)"
[[ "$depends_adapter" == *libc6* ]] || fail "ql310-adapter has no computed dependencies"
[[ "$depends_adapter" != *qt6* ]] || fail "ql310-adapter depends on Qt: $depends_adapter"
[[ "$depends_main$depends_adapter" != *ql310* ]] || fail "a package depends on its own library"

# --- unpacked into a temporary root ---
root="$work/root"
dpkg-deb -x "$main" "$root"
dpkg-deb -x "$adapter" "$root"
for elf in "$root"/usr/bin/* "$root"/usr/lib/ql310set/libql310.so; do
  ! readelf -S "$elf" | grep -qE '\.(symtab|debug_info)\b' || fail "$elf is not stripped"
done
bash "$here/run_paths_test.sh" "$root/usr" >/dev/null
# The user units start the installed programs.
for unit in "$root"/usr/lib/systemd/user/*.service; do
  program="$(sed -n 's/^ExecStart=\([^ ]*\).*/\1/p' "$unit")"
  [[ "$program" == /usr/bin/* && -x "$root$program" ]] || fail "$unit starts $program"
done
for program in "$root"/usr/bin/*; do
  name="$(basename "$program")"
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)" || fail "$name --version failed"
  [ "$out" = "$name $version" ] || fail "$name --version said '$out'"
done
# The program binds the library from the private folder of the package:
# without an adapter it starts, reports the adapter missing and ends.
export QL310_DEVICE_DIR="$work/dev" QL310_REGISTRY="$work/hklm.reg"
export QL310SET_DATA_DIR="$work/data" XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen timeout 60 "$root/usr/bin/ql310set" >"$work/ql310set.log" 2>&1 ||
  { cat "$work/ql310set.log" >&2; fail "ql310set from the package failed"; }
! grep -q "device library" "$work/ql310set.log" ||
  { cat "$work/ql310set.log" >&2; fail "ql310set did not find its library"; }
# ql310ctl against the packaged adapter.
if [ -x "$root/usr/bin/ql310ctl" ]; then
  "$root/usr/bin/ql310-adapter" --device-dir "$QL310_DEVICE_DIR" &
  adapter_pid=$!
  for _ in $(seq 1 200); do [ -S "$QL310_DEVICE_DIR/capi201.ctl" ] && break; sleep 0.05; done
  "$root/usr/bin/ql310ctl" status >"$work/status.log" 2>&1 ||
    { cat "$work/status.log" >&2; fail "ql310ctl status against ql310-adapter failed"; }
fi

# --- man pages: version, date, installed paths, every option and variable ---
page() { gzip -dc "$root/usr/share/man/man1/$1.1.gz" | sed 's/\\-/-/g'; }
for program in "$root"/usr/bin/*; do
  name="$(basename "$program")"
  text="$(page "$name")"
  grep -m1 "^\.TH" <<<"$text" | grep -qF "\"$date\" \"ql310 $version\"" ||
    fail "$name.1 does not carry $date and $version: $(grep -m1 "^\.TH" <<<"$text")"
  ! grep -q '@QL310_' <<<"$text" || fail "$name.1 has an unfilled placeholder"
done
grep -qF /usr/share/ql310set/ql310.chm <<<"$(page ql310set)" || fail "ql310set.1 lacks the help file's path"
grep -qF /usr/lib/ql310set/libql310.so <<<"$(page ql310set)" || fail "ql310set.1 lacks the library's path"
for variable in $(sed -n 's/^| `\([A-Z0-9_]*\)` .*/\1/p' "$source/README.md"); do
  grep -qF "$variable" <<<"$(page ql310set)" || fail "ql310set.1 does not describe $variable"
done
# Every option and variable the programs' own help names.
help_of() {
  local program="$1"
  QT_QPA_PLATFORM=offscreen timeout 60 "$program" --help 2>&1 || true
  if [ "$(basename "$program")" = ql310ctl ]; then
    local command sub
    for command in $("$program" --help 2>&1 | sed -n 's/^  \([a-z]\+\)  .*/\1/p'); do
      "$program" "$command" --help 2>&1 || true
      for sub in $("$program" "$command" --help 2>&1 | sed -n 's/^  \([a-z]\+\)  .*/\1/p'); do
        "$program" "$command" "$sub" --help 2>&1 || true
      done
    done
  fi
}
for program in "$root"/usr/bin/*; do
  [ -x "$program" ] || continue
  name="$(basename "$program")"
  text="$(page "$name")"
  for word in $(help_of "$program" | grep -oE -- '--[a-z][a-z-]*|\bQL310[A-Z_]*' | sort -u); do
    grep -qF -- "$word" <<<"$text" || fail "$name.1 does not describe $word"
  done
done

# --- the changelog and the metainfo agree with the version ---
gzip -dc "$root/usr/share/doc/ql310set/changelog.Debian.gz" | head -n1 |
  grep -qF "ql310set (${version}-1)" || fail "the changelog does not start with ${version}-1"
metainfo="$root/usr/share/metainfo/org.ql310set.ql310set.metainfo.xml"
grep -m1 '<release ' "$metainfo" | grep -qF "version=\"$version\" date=\"$date\"" ||
  fail "the metainfo's newest release is not $version of $date"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli validate failed"; }
fi
desktop="$root/usr/share/applications/org.ql310set.ql310set.desktop"
grep -qx 'Icon=org.ql310set.ql310set' "$desktop" || fail "the menu entry does not name the icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate failed"
fi

# --- maintainer scripts, run into a temporary root ---
dpkg-deb -e "$main" "$work/control"
if [ "$(id -u)" -eq 0 ] && getent group dialout >/dev/null; then
  hive="$work/target/var/lib/ql310"
  for _ in 1 2; do # a second configure leaves everything as it was
    DPKG_ROOT="$work/target" sh "$work/control/postinst" configure
    [ "$(stat -c '%a %U:%G' "$hive")" = "2775 root:dialout" ] ||
      fail "hive folder: $(stat -c '%a %U:%G' "$hive")"
    for file in hklm.reg hklm.reg.lock; do
      [ "$(stat -c '%a %U:%G' "$hive/$file")" = "664 root:dialout" ] ||
        fail "$file: $(stat -c '%a %U:%G' "$hive/$file")"
    done
  done
  # The packaged adapter, as the driver's installer, stores into that hive.
  env -u QL310_DEVICE_DIR QL310_REGISTRY="$hive/hklm.reg" XDG_RUNTIME_DIR="$work/runtime2" \
    timeout 30 bash -c '"$1" --device-dir "$2" & pid=$!
      for _ in $(seq 1 200); do grep -q "D Channel" "$3" && break; sleep 0.05; done
      kill $pid' _ "$root/usr/bin/ql310-adapter" "$work/dev2" "$hive/hklm.reg"
  grep -q '"D Channel"' "$hive/hklm.reg" || fail "the adapter did not store into the packaged hive"
  [ "$(stat -c '%a %G' "$hive/hklm.reg")" = "664 dialout" ] || fail "a store changed the hive's mode or group"
  DPKG_ROOT="$work/target" sh "$work/control/postrm" purge
  [ ! -e "$hive" ] || fail "purge left $(ls -A "$hive")"
else
  echo "not root: the maintainer scripts are not run"
fi

# --- lintian: no errors; warnings are listed ---
if command -v lintian >/dev/null; then
  status=0
  lintian --fail-on error "$main" "$adapter" >"$work/lintian.log" 2>&1 || status=$?
  grep -v 'root privileges' "$work/lintian.log" || true
  [ "$status" -eq 0 ] || fail "lintian reports errors"
fi
echo "packages built and checked: $(basename "$main") $(basename "$adapter")"
