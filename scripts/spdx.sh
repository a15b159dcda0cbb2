#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the
# top of every tracked source, script and build file that lacks it, in the
# file's own comment syntax (after a "#!" line, an XML declaration or a
# DOCTYPE). With --check it changes nothing, lists the files that lack the
# line and fails if there are any; a tracked file of a kind it does not know
# fails the check too, so that new kinds are given their comment syntax here.
# Usage: bash scripts/spdx.sh [--check]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
check=false
[ "${1:-}" = --check ] && check=true
id="SPDX-License-Identifier: GPL-3.0-or-later"

if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "not a git checkout: nothing to check" >&2
  exit 77
fi

# The comment for a file, or "-" for files that carry no licence line
# (documents, data, the licence itself, Debian files without comments).
# AppStream metadata is CC0-1.0, as its <metadata_license> says.
comment_for() {
  local file="$1" id="$id"
  case "$file" in
    *.metainfo.xml) id="SPDX-License-Identifier: CC0-1.0" ;;
  esac
  case "$file" in
    LICENSE|*.md|*.png|fuzz/corpus*/*|debian/changelog|debian/copyright|debian/source/format)
      echo - ;;
    *.cpp|*.h|*.c|*.hpp) echo "// $id" ;;
    *.css|*.map) echo "/* $id */" ;;
    *.html|*.hhc|*.xml|*.svg|*.ts) echo "<!-- $id -->" ;;
    *.1) echo ".\\\" $id" ;;
    *.hhp) echo "; $id" ;;
    CMakeLists.txt|*/CMakeLists.txt|debian/control|*.cmake|*.cmake.in|*.sh|*.supp|*.desktop|.gitignore|.clang-format|*/.gitignore|*.service|*.service.in|*.timer)
      echo "# $id" ;;
    *)
      if head -c 2 "$file" | grep -q '^#!'; then echo "# $id"; else echo "?"; fi ;;
  esac
}

# The line after which the comment goes: 1 after a line that must stay
# first, else 0.
keep_first() {
  local first
  first="$(head -n 1 "$1")"
  case "$first" in
    '#!'*|'<?xml'*|'<!DOCTYPE'*|'<!doctype'*) echo 1 ;;
    *) echo 0 ;;
  esac
}

missing=0
unknown=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] && [ ! -L "$file" ] || continue
  comment="$(comment_for "$file")"
  [ "$comment" = - ] && continue
  if [ "$comment" = "?" ]; then
    echo "no known comment syntax: $file" >&2
    unknown=$((unknown + 1))
    continue
  fi
  head -n 3 "$file" | grep -qxF -- "$comment" && continue
  if $check; then
    echo "lacks the licence line: $file" >&2
    missing=$((missing + 1))
    continue
  fi
  after="$(keep_first "$file")"
  temporary="$(mktemp "$file.XXXXXX")"
  {
    head -n "$after" "$file"
    printf '%s\n' "$comment"
    tail -n +"$((after + 1))" "$file"
  } >"$temporary"
  chmod --reference="$file" "$temporary"
  mv "$temporary" "$file"
  echo "licence line added: $file"
done < <(git ls-files -z)

if $check; then
  [ "$missing" -eq 0 ] && [ "$unknown" -eq 0 ] || exit 1
  echo "every tracked source, script and build file carries its SPDX-License-Identifier line"
fi
[ "$unknown" -eq 0 ]
