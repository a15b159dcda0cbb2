#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from a copy of the source tree with
# `dpkg-buildpackage -us -uc -b` (debian/rules) and checks them as a packager
# would: file lists, dependencies, stripped binaries, the programs started
# from the unpacked packages, the man pages, the AppStream and desktop
# checks, the maintainer scripts and `lintian --pedantic` (no error, no
# warning but the initial upload's, no missing hardening).
# The copy and the packages live in BUILD_DIR/debian-package, removed after.
# Exit 77 (skipped) without debhelper, or for a sanitizer build.
# Usage: packaging_test.sh BUILD_DIR SOURCE_DIR VERSION DATE SANITIZED
set -euo pipefail
build="$1" source="$2" version="$3" date="$4" sanitized="$5"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

for tool in dpkg-buildpackage dh; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is missing (debhelper and dpkg-dev build the packages; scripts/deps.sh installs them)"
    exit 77
  fi
done
if [ "$sanitized" = ON ]; then
  echo "skipped: a sanitizer build is not packaged"; exit 77
fi

work="$(mktemp -d)"
# A fixed folder of its own for the package build, so that ccache finds the
# same paths again on the next run.
package_dir="$build/debian-package"
adapter_pid=
cleanup() {
  [ -z "$adapter_pid" ] || kill "$adapter_pid" 2>/dev/null || true
  rm -rf "$work" "$package_dir"
}
trap cleanup EXIT
fail() { echo "packaging test: $*" >&2; exit 1; }

# --- the source copy and dpkg-buildpackage ---
rm -rf "$package_dir"
mkdir -p "$package_dir/src"
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # The tracked files and new ones not ignored, as they are in the worktree.
  (cd "$source" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf -) | tar -xf - -C "$package_dir/src"
else
  tar -C "$source" --exclude='./build' --exclude='./build-*' --exclude='./debian/build' -cf - . |
    tar -xf - -C "$package_dir/src"
fi
# ccache's compiler links, where present, make a second run quick.
if [ -d /usr/lib/ccache ]; then export PATH="/usr/lib/ccache:$PATH"; fi
(cd "$package_dir/src" &&
  DEB_BUILD_OPTIONS="parallel=$(nproc) nocheck" dpkg-buildpackage -us -uc -b) \
  >"$work/dpkg-buildpackage.log" 2>&1 ||
  { tail -n 60 "$work/dpkg-buildpackage.log" >&2; fail "dpkg-buildpackage -us -uc -b failed"; }
arch="$(dpkg --print-architecture)"
main="$package_dir/ql310set_${version}-1_${arch}.deb"
adapter="$package_dir/ql310-adapter_${version}-1_${arch}.deb"
[ -f "$main" ] && [ -f "$adapter" ] || { ls "$package_dir" >&2; fail "the two packages are missing"; }
grep -q -- '-D_FORTIFY_SOURCE=2' "$work/dpkg-buildpackage.log" || fail "the build did not fortify"
grep -q -- '-z,now' "$work/dpkg-buildpackage.log" || fail "the build did not bind now"

# --- file lists: what CMake installs, split by its components, with each
# package's changelog and copyright; at least the files named here ---
files_of() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort; }
# CMake's manifest names the installed paths (/usr/...), without a newline at its end.
manifest() { (cat "$package_dir/src/debian/build/$1"; echo) | sed -e '/^$/d' -e 's|^/||' | sort; }
docs() { printf 'usr/share/doc/%s/changelog.Debian.gz\nusr/share/doc/%s/copyright\n' "$1" "$1"; }
installed_adapter="$(manifest install_manifest_ql310-adapter.txt)"
installed_main="$(comm -23 <(manifest install_manifest.txt) <(echo "$installed_adapter"))"
diff <( (echo "$installed_main"; docs ql310set) | sort) <(files_of "$main") ||
  fail "ql310set holds other files than CMake installs (- installed, + packaged)"
diff <( (echo "$installed_adapter"; docs ql310-adapter) | sort) <(files_of "$adapter") ||
  fail "ql310-adapter holds other files than CMake installs (- installed, + packaged)"
# The library's private folder: lib/ql310set below the multiarch folder.
private="$(files_of "$main" | sed -n 's|/libql310\.so$||p')"
[[ "$private" == usr/lib/*ql310set ]] || fail "the library is not in a private folder: $private"
expected_main=(
  usr/bin/ql310set "$private/libql310.so"
  usr/share/applications/org.ql310set.ql310set.desktop
  usr/share/icons/hicolor/scalable/apps/org.ql310set.ql310set.svg
  usr/share/man/man1/ql310set.1.gz usr/share/metainfo/org.ql310set.ql310set.metainfo.xml
  usr/share/ql310set/ql310.chm usr/share/ql310set/ql310_de.chm usr/bin/ql310ctl usr/share/man/man1/ql310ctl.1.gz
  usr/share/ql310set/translations/ql310set_de.qm
  usr/lib/systemd/user/ql310-calllog.service usr/lib/systemd/user/ql310-calllog.timer)
expected_adapter=(usr/bin/ql310-adapter usr/share/man/man1/ql310-adapter.1.gz
  usr/lib/systemd/user/ql310-adapter.service)
missing="$(comm -23 <(printf '%s\n' "${expected_main[@]}" | sort) <(files_of "$main"))"
[ -z "$missing" ] || fail "ql310set lacks: $missing"
missing="$(comm -23 <(printf '%s\n' "${expected_adapter[@]}" | sort) <(files_of "$adapter"))"
[ -z "$missing" ] || fail "ql310-adapter lacks: $missing"
! files_of "$main" | grep -qE '^usr/lib/([^/]*-linux-gnu[^/]*/)?[^/]*\.so' ||
  fail "ql310set puts a library on the system's path"

# --- control fields and dependencies ---
field() { dpkg-deb -f "$1" "$2"; }
[ "$(field "$main" Version)" = "${version}-1" ] || fail "version $(field "$main" Version)"
# Source is left out where it is the package's own name.
for package in "$main" "$adapter"; do
  [ "$(field "$package" Source)" = ql310set ] || [ "$(field "$package" Package)" = ql310set ] ||
    fail "$package: no Source ql310set"
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
for elf in "$root"/usr/bin/* "$root/$private/libql310.so"; do
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

# --- man pages: version, date, installed paths ---
page() { gzip -dc "$root/usr/share/man/man1/$1.1.gz" | sed 's/\\-/-/g'; }
for program in "$root"/usr/bin/*; do
  name="$(basename "$program")"
  text="$(page "$name")"
  grep -m1 "^\.TH" <<<"$text" | grep -qF "\"$date\" \"ql310 $version\"" ||
    fail "$name.1 does not carry $date and $version: $(grep -m1 "^\.TH" <<<"$text")"
  ! grep -q '@QL310_' <<<"$text" || fail "$name.1 has an unfilled placeholder"
done
grep -qF /usr/share/ql310set/ql310.chm <<<"$(page ql310set)" || fail "ql310set.1 lacks the help file's path"
grep -qF "/$private/libql310.so" <<<"$(page ql310set)" || fail "ql310set.1 lacks the library's path"
for variable in $(sed -n 's/^| `\([A-Z0-9_]*\)` .*/\1/p' "$source/README.md"); do
  grep -qF "$variable" <<<"$(page ql310set)" || fail "ql310set.1 does not describe $variable"
done
# (Every option, command and variable of the programs' help: test_man_pages.)

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
  # Not even a hint.
  hints="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate failed: $hints"
  [ -z "$hints" ] || fail "desktop-file-validate: $hints"
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

# --- lintian --pedantic: no error, no warning but the initial upload's, and
# none of the hardening notes (given as information) ---
if command -v lintian >/dev/null; then
  status=0
  lintian --pedantic --display-info --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs \
    "$main" "$adapter" >"$work/lintian.log" 2>&1 || status=$?
  cat "$work/lintian.log"
  [ "$status" -eq 0 ] || fail "lintian reports errors or warnings"
  ! grep -qE 'hardening-no-(bindnow|fortify-functions|pie|relro)' "$work/lintian.log" ||
    fail "lintian finds hardening missing"
fi
echo "packages built and checked: $(basename "$main") $(basename "$adapter")"
