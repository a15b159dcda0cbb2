#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The man pages match the programs: every option (--word) and variable
# (QL310...) that a program's --help names, and every command and
# subcommand `ql310ctl --help` lists, appear in its page; and each page has
# the sections EXAMPLES, FILES, ENVIRONMENT, EXIT STATUS and REPORTING BUGS.
# Usage: man_pages_test.sh BIN_DIR PAGES_DIR
set -euo pipefail
bin="$1" pages="$2"
failures=0
fail() { echo "man pages: $*" >&2; failures=$((failures + 1)); }
# The page as text: roff's escaped dashes as plain ones.
page() { sed 's/\\-/-/g' "$pages/$1.1"; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 60 "$@" 2>&1 || true; }
# Commands or subcommands of a help text: lines "  name  what it does".
listed() { sed -n 's/^  \([a-z]\+\)  .*/\1/p'; }

for name in ql310set ql310ctl ql310-adapter; do
  [ -x "$bin/$name" ] || { fail "$bin/$name is not built"; continue; }
  text="$(page "$name")"
  help="$(run "$bin/$name" --help)"
  if [ "$name" = ql310ctl ]; then
    for command in $(listed <<<"$help"); do
      grep -qE "^\.B[IR]? \"?$command\b" <<<"$text" || fail "$name.1 does not describe the command $command"
      sub_help="$(run "$bin/$name" "$command" --help)"
      help+=$'\n'"$sub_help"
      for sub in $(listed <<<"$sub_help"); do
        grep -qF "$command $sub" <<<"$text" || fail "$name.1 does not describe $command $sub"
        help+=$'\n'"$(run "$bin/$name" "$command" "$sub" --help)"
      done
    done
  fi
  for word in $(grep -oE -- '--[a-z][a-z-]*|\bQL310[A-Z_]*' <<<"$help" | sort -u); do
    grep -qF -- "$word" <<<"$text" || fail "$name.1 does not describe $word"
  done
  for section in EXAMPLES FILES ENVIRONMENT "EXIT STATUS" "REPORTING BUGS"; do
    grep -qx "\.SH \"\?$section\"\?" <<<"$text" || fail "$name.1 has no section $section"
  done
done
[ "$failures" -eq 0 ] || exit 1
echo "the man pages describe every option, command and variable of the programs' help"
