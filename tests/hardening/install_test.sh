#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts every installed
# program with --version. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install test: $*" >&2; exit 1; }
for file in lib/libql310.so share/ql310set/ql310.chm share/applications/ql310set.desktop \
    share/icons/hicolor/scalable/apps/ql310set.svg; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done

programs=(ql310set ql310-adapter)
[ -e "$build/bin/ql310ctl" ] && programs+=(ql310ctl)
for program in "${programs[@]}"; do
  [ -x "$prefix/bin/$program" ] || fail "missing bin/$program"
  [ -f "$prefix/share/man/man1/$program.1" ] || fail "missing the man page of $program"
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version)" ||
    fail "$program --version failed"
  [[ "$out" == "$program "[0-9]* ]] || fail "$program --version said '$out'"
done

# The program binds the library from P/lib through its run path.
readelf -d "$prefix/bin/ql310set" | grep -E 'R(UN)?PATH' | grep -qF '$ORIGIN/../lib' ||
  fail "ql310set has no run path to ../lib"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/ql310set.desktop"
fi
echo "installed and started: ${programs[*]}"
