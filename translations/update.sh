#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings every translations/*.ts up to date with the program's texts (new
# texts come in unfinished, texts gone are marked vanished). Usage:
#   bash translations/update.sh [ts-file...]   (default: all of them)
# The translation test runs the same lupdate against a copy.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
# The folders of the program's texts (ql310ctl's cli/ stays English).
source_dirs=(editor controls app calllog calllog_query calllog_workbench collection phonebook files)
files=("$@")
[ ${#files[@]} -gt 0 ] || files=(translations/*.ts)
"$lupdate" -silent -locations none -no-ui-lines "${source_dirs[@]}" -ts "${files[@]}"
# lupdate drops comments: the licence line goes back after the declaration.
licence='<!-- SPDX-License-Identifier: GPL-3.0-or-later -->'
for file in "${files[@]}"; do
  sed -n 2p "$file" | grep -qxF -- "$licence" || sed -i "1a $licence" "$file"
done
