#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and starts every installed
# program with --version. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install test: $*" >&2; exit 1; }
id=org.ql310set.ql310set
for file in lib/ql310set/libql310.so share/ql310set/ql310.chm share/ql310set/ql310_de.chm \
    share/ql310set/translations/ql310set_de.qm share/applications/$id.desktop \
    share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done
# The library is private: nothing of it in the public library folder.
! ls "$prefix"/lib/libql310* >/dev/null 2>&1 || fail "libql310 in the public library folder"

programs=(ql310set ql310-adapter)
[ -e "$build/bin/ql310ctl" ] && programs+=(ql310ctl)
for program in "${programs[@]}"; do
  [ -x "$prefix/bin/$program" ] || fail "missing bin/$program"
  [ -f "$prefix/share/man/man1/$program.1.gz" ] || fail "missing the man page of $program"
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version)" ||
    fail "$program --version failed"
  [[ "$out" == "$program "[0-9]* ]] || fail "$program --version said '$out'"
done

# The installed program finds its translations: --help follows the locale,
# and stays English in the C locale.
LANGUAGE=de LC_ALL=de_DE.UTF-8 "$prefix/bin/ql310set" --help 2>/dev/null | grep -q '^Aufruf: ql310set' ||
  fail "the installed ql310set does not find its German translation"
LANGUAGE=de LC_ALL=C "$prefix/bin/ql310set" --help | grep -q '^Usage: ql310set' ||
  fail "ql310set --help is not English in the C locale"

# The program binds the library from P/lib/ql310set through its run path;
# no run path of an installed file holds an empty or relative entry.
readelf -d "$prefix/bin/ql310set" | grep -E 'R(UN)?PATH' | grep -qF '$ORIGIN/../lib/ql310set' ||
  fail "ql310set has no run path to ../lib/ql310set"
bash "$(dirname "$0")/../packaging/run_paths_test.sh" "$prefix" >/dev/null
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate failed"
fi
echo "installed and started: ${programs[*]}"
