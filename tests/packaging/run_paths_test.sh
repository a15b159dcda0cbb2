#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every ELF file under the given folders may search for libraries only in
# absolute folders or folders relative to itself ($ORIGIN): an empty or
# relative run-path entry means the working directory, where anyone can drop
# a library. Usage: run_paths_test.sh DIR...
set -euo pipefail
checked=0
bad=0
while IFS= read -r -d '' file; do
  [ "$(head -c 4 "$file" | od -An -c | tr -d ' \n')" = '177ELF' ] || continue
  checked=$((checked + 1))
  paths="$(readelf -d "$file" 2>/dev/null | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]$/\2/p')"
  [ -n "$paths" ] || continue
  while IFS= read -r path; do
    IFS=: read -r -a entries <<<"$path"
    # A trailing ":" leaves no element in the array; count the colons too.
    colons="${path//[^:]/}"
    if [ "${#entries[@]}" -ne $((${#colons} + 1)) ] || [[ "$path" == :* ]]; then
      echo "run path with an empty entry: $file [$path]" >&2
      bad=$((bad + 1))
      continue
    fi
    for entry in "${entries[@]}"; do
      case "$entry" in
        /*|'$ORIGIN'|'$ORIGIN/'*|'${ORIGIN}'|'${ORIGIN}/'*) ;;
        *) echo "run path with the entry '$entry': $file [$path]" >&2; bad=$((bad + 1)) ;;
      esac
    done
  done <<<"$paths"
done < <(find "$@" -type f -print0)
[ "$checked" -gt 0 ] || { echo "no ELF file under $*" >&2; exit 1; }
[ "$bad" -eq 0 ] || exit 1
echo "run paths of $checked ELF files: absolute or \$ORIGIN-based"
