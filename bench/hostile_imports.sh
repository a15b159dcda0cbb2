#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Forty hostile address books through `ql310ctl phonebook import --dry-run`
# against a running simulated adapter: files around the 10 MB bound, long
# numbers, names and blank runs, NUL bytes, a named pipe, a link to
# /dev/zero, cut-off cards, unclosed quotes, 100,000 cards. Prints one line
# per file: its name, size, exit status, wall time and peak memory.
#   bash bench/hostile_imports.sh [BIN_DIR]
set -euo pipefail
bin="$(cd "${1:-build/bin}" && pwd)"
work="$(mktemp -d)"
export QL310_DEVICE_DIR="$work/dev" QL310_REGISTRY="$work/hklm.reg" QL310SET_DATA_DIR="$work/data"
mkdir -p "$QL310SET_DATA_DIR"
"$bin/ql310-adapter" --device-dir "$QL310_DEVICE_DIR" --state "$work/adapter" &
adapter=$!
cleanup() {
  kill "$adapter" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 1 100); do
  [ -S "$QL310_DEVICE_DIR/capi201" ] && break
  sleep 0.05
done

files="$work/files"
mkdir -p "$files"
python3 - "$files" <<'EOF'
import os, sys
d = sys.argv[1]
MB = 1024 * 1024
def put(name, data):
    with open(os.path.join(d, name), 'wb') as f:
        f.write(data if isinstance(data, bytes) else data.encode('utf-8', 'surrogatepass'))
def card(name, tel):
    return f"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:{name}\r\nTEL:{tel}\r\nEND:VCARD\r\n"
def fill_to(text, size):
    return (text * (size // len(text) + 1))[:size]
one = card("Anna", "+49 30 1234567")
put("01-vcard-just-under-10mb.vcf", fill_to(one, 10 * MB - 1))
put("02-vcard-just-over-10mb.vcf", fill_to(one, 10 * MB + 1))
put("03-csv-just-under-10mb.csv", "Name,Phone\r\n" + fill_to("Anna,+49 30 1234567\r\n", 10 * MB - 20))
put("04-csv-just-over-10mb.csv", "Name,Phone\r\n" + fill_to("Anna,+49 30 1234567\r\n", 10 * MB + 20))
put("05-one-line-10mb.vcf", "BEGIN:VCARD\r\nFN:" + "A" * (10 * MB - 40) + "\r\nEND:VCARD\r\n")
put("06-one-csv-field-10mb.csv", "Name,Phone\r\nAnna," + "1" * (10 * MB - 30) + "\r\n")
put("07-tel-20000-digits.vcf", card("Anna", "+49 " + "1" * 20000))
put("08-tel-100000-digits.vcf", card("Anna", "+49 " + "1" * 100000))
put("09-tel-1mb-digits.vcf", card("Anna", "1" * MB))
put("10-blanks-before-extension.vcf", card("Anna", "030 1" + " " * 200000 + "ext 12"))
put("11-name-1mb.vcf", card("N" * MB, "030 1234567"))
put("12-name-300.vcf", card("N" * 300, "030 1234567"))
put("13-nul-bytes.vcf", one.encode() + b"\0" * 1000 + one.encode())
put("14-nul-only-10mb.vcf", b"\0" * (10 * MB - 1))
put("15-truncated-card.vcf", one + "BEGIN:VCARD\r\nFN:Cut\r\nTEL:0301")
put("16-only-truncated-card.vcf", "BEGIN:VCARD\r\nFN:Cut\r\nTEL:0301")
put("17-unbalanced-quote.csv", "Name,Phone\r\nAnna,0301\r\n\"Bob,0302\r\n" + "Carl,0303\r\n" * 1000)
put("18-unbalanced-quote-10mb.csv", "Name,Phone\r\n\"" + fill_to("Anna,0301\r\n", 10 * MB - 20))
put("19-100000-cards.vcf", "".join(card(f"Person {i}", f"+49 30 {1000000 + i}") for i in range(100000)))
put("20-100000-same-number.vcf", card("Anna", "+49 30 1234567") * 100000)
put("21-100000-csv-rows.csv", "Name,Phone\r\n" + "".join(f"P{i},0301{i:07d}\r\n" for i in range(100000)))
put("22-many-tel-one-card.vcf", "BEGIN:VCARD\r\nFN:Many\r\n" + "".join(f"TEL:0301{i:07d}\r\n" for i in range(200000)) + "END:VCARD\r\n")
put("23-deep-nesting.vcf", "BEGIN:VCARD\r\n" * 200000 + "FN:x\r\nTEL:1\r\n" + "END:VCARD\r\n" * 200000)
put("24-folded-lines.vcf", "BEGIN:VCARD\r\nFN:A\r\n" + "TEL:1\r\n" + " 1\r\n" * 500000 + "END:VCARD\r\n")
put("25-qp-soft-breaks.vcf", "BEGIN:VCARD\r\nFN;ENCODING=QUOTED-PRINTABLE:" + "=41=\r\n" * 500000 + "x\r\nTEL:1\r\nEND:VCARD\r\n")
put("26-no-colon-line-10mb.vcf", "BEGIN:VCARD\r\n" + "A" * (10 * MB - 100) + "\r\nEND:VCARD\r\n")
put("27-control-chars-name.vcf", card("Esc\x1b[2J\x07Bell\x9b31m", "030 1234567"))
put("28-utf16-no-bom.vcf", one.encode("utf-16-le") * 100)
put("29-utf16-bom.vcf", b"\xff\xfe" + (one * 100).encode("utf-16-le"))
put("30-invalid-utf8.vcf", b"BEGIN:VCARD\r\nFN:\xff\xfe\xc3\r\nTEL:0301\r\nEND:VCARD\r\n" * 10000)
put("31-csv-10mb-semicolons.csv", "Name;Phone\r\n" + ";" * (10 * MB - 20) + "\r\n")
put("32-csv-many-columns.csv", ",".join(f"Phone {i}" for i in range(100000)) + "\r\n" + ",".join("0301" for _ in range(100000)) + "\r\n")
put("33-csv-formula-cells.csv", "Name,Phone\r\n=HYPERLINK(\"x\"),+49 30 1\r\n'=1+2,'+49 30 1234567\r\n")
put("34-long-extension.vcf", card("Anna", "030 1234567 ext " + "9" * 100000))
put("35-tel-uri-long-param.vcf", card("Anna", "tel:+49-30-1234567;ext=" + "1" * 100000))
put("36-many-cards-no-tel.vcf", "BEGIN:VCARD\r\nFN:x\r\nEND:VCARD\r\n" * 200000)
put("37-binary-random.vcf", os.urandom(5 * MB))
put("38-empty.vcf", "")
os.mkfifo(os.path.join(d, "39-fifo.vcf"))
os.symlink("/dev/zero", os.path.join(d, "40-link-to-dev-zero.vcf"))
EOF

printf '%-32s %10s %6s %8s %9s\n' file bytes exit seconds peak-MB
for file in "$files"/*; do
  name="$(basename "$file")"
  size="$(stat -L -c %s "$file" 2>/dev/null || echo -)"
  [ -p "$file" ] && size=fifo
  [ -c "$(readlink -f "$file")" ] && size=device
  timeout 30 /usr/bin/time -f '%e %M' -o "$work/time" \
    "$bin/ql310ctl" phonebook import "$file" --dry-run > /dev/null 2>&1 && status=0 || status=$?
  seconds=timeout kilobytes=0
  [ "$status" != 124 ] && read -r seconds kilobytes < <(tail -n 1 "$work/time")
  printf '%-32s %10s %6s %8s %9s\n' "$name" "$size" "$status" "$seconds" "$((kilobytes / 1024))"
done
