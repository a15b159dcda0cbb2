#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs bench_call_log and times the same queries with the sqlite3 tool on the
# bench's own logs, in the same run, and prints one table: each case at each
# size with its CPU and wall time and its ratio to the sqlite3 tool's CPU time
# (user + system) for the equivalent queries.
#
# Usage: bench/compare_sqlite.sh [BUILD_DIR] [bench arguments...]
#   QL310_BENCH_DIR   where the logs are made and kept (default: a temporary folder)
#   QL310_BENCH_LARGE=1  adds 10,000,000 calls
#   QL310_BENCH_ITERATIONS=N  runs every case N times (a quick run)
#   SQLITE_RUNS=N     the sqlite3 tool's best of N runs (default 3)
#   COMPARE_ONLY=1    compares the figures of the latest run, without running the bench
# The bench and the sqlite3 tool run under nice -n 19.
set -euo pipefail

build=${1:-build}
shift || true
bench="$build/bin/bench_call_log"
[ -x "$bench" ] || { echo "no $bench: build the target bench_call_log" >&2; exit 1; }
command -v sqlite3 >/dev/null || { echo "sqlite3 is missing (scripts/deps.sh installs it)" >&2; exit 1; }
if [ -z "${QL310_BENCH_DIR:-}" ]; then
  QL310_BENCH_DIR=$(mktemp -d)
  trap 'rm -rf "$QL310_BENCH_DIR"' EXIT
fi
export QL310_BENCH_DIR
json="$QL310_BENCH_DIR/bench.json"
# COMPARE_ONLY=1: the bench's figures of an earlier run ($json) are compared.
if [ "${COMPARE_ONLY:-0}" != 1 ]; then
  nice -n 19 "$bench" --benchmark_out="$json" --benchmark_out_format=json "$@" >&2
fi

# The CPU seconds (user + system) and wall seconds of the statements on
# standard input against the log $1, the best of three runs.
sqlite_time() {
  local db=$1 sql best_cpu="" best_wall=""
  sql=$(cat)
  for _ in $(seq 1 "${SQLITE_RUNS:-3}"); do
    read -r cpu wall < <(printf '.timer on\n%s\n' "$sql" | nice -n 19 sqlite3 "$db" 2>/dev/null |
      awk '/^Run Time:/ { wall += $4; cpu += $6 + $8 } END { printf "%.6f %.6f\n", cpu, wall }')
    if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then
      best_cpu=$cpu best_wall=$wall
    fi
  done
  echo "$best_cpu $best_wall"
}

number_keys="(PhoneNumber <> '' AND PhoneNumber NOT GLOB '*[^0-9]*');CAST(PhoneNumber AS REAL);PhoneNumber"
duration="CAST(round(julianday(EndDate) - julianday(StartDate)) AS INTEGER) * 86400 + (strftime('%s', '2000-01-01 ' || EndTime) - strftime('%s', '2000-01-01 ' || StartTime))"
# The keys of a grid column's order, ";" between them (as the program's).
keys_of() {
  case $1 in
    1) echo "InOut" ;;
    2) echo "Port" ;;
    3) echo "$number_keys" ;;
    4) echo "(Recording = 1)" ;;
    5) echo "(Recording = 1);EndDate;EndTime" ;;
    6) echo "$duration" ;;
  esac
}
# The ORDER BY list of keys $1 then the start, descending when $2 is 1.
ordered() {
  local out="" key suffix=""
  [ "${2:-0}" = 1 ] && suffix=" DESC"
  IFS=';' read -r -a list <<<"$1;StartDate;StartTime;\`Index\`"
  for key in "${list[@]}"; do out+="${out:+, }$key$suffix"; done
  echo "$out"
}
first_screen() { echo "SELECT * FROM Data $1 ORDER BY $2 LIMIT 256;"; }
filters=("InOut = 1 AND Port = 'Port2'" "StartDate >= '2000-03-01' AND StartDate <= '2000-03-31'" "Lost = 1" "Recording = 1")
# The bench changes the filter at each repetition: the filters its
# repetitions used, for the average.
used=${QL310_BENCH_ITERATIONS:-8}
[ "$used" -gt 4 ] && used=4
filters=("${filters[@]:0:$used}")

reference() {
  local name=$1 calls=$2 db="$QL310_BENCH_DIR/$2/CallHistory.mdb" column direction
  case $name in
    ShowCallLog|ShowCallLogInGrid|ShowMergedInGrid|ClearFilterInGrid)
      { echo "SELECT COUNT(*) FROM Data;"; first_screen "" "StartDate, StartTime, \`Index\`"; } | sqlite_time "$db" ;;
    FirstStartUnindexed)
      { echo "SELECT COUNT(*) FROM Data;"; first_screen "" "StartDate, StartTime, \`Index\`"; } |
        sqlite_time "$QL310_BENCH_DIR/$calls-unindexed/CallHistory.mdb" ;;
    DeleteOneDay)
      echo "BEGIN; DELETE FROM Data WHERE StartDate = (SELECT min(StartDate) FROM Data); ROLLBACK;" | sqlite_time "$db" ;;
    SortByColumn/*|SortInGrid/*)
      column=$(echo "$name" | cut -d/ -f2) direction=$(echo "$name" | cut -d/ -f3)
      [ "$column" = 8 ] && return 1
      first_screen "" "$(ordered "$(keys_of "$column")" "$direction")" | sqlite_time "$db" ;;
    FilterFirstScreen)
      for f in "${filters[@]}"; do
        echo "SELECT COUNT(*) FROM Data WHERE $f;"; first_screen "WHERE $f" "StartDate, StartTime, \`Index\`"
      done | sqlite_time "$db" | awk -v n="${#filters[@]}" '{ printf "%.6f %.6f\n", $1 / n, $2 / n }' ;;
    FilterSortedFirstScreen)
      { echo "SELECT COUNT(*) FROM Data WHERE Lost = 1;"; first_screen "WHERE Lost = 1" "$(ordered "$number_keys" 0)"; } |
        sqlite_time "$db" ;;
    FilterCount)
      for f in "${filters[@]}"; do echo "SELECT COUNT(*) FROM Data WHERE $f;"; done |
        sqlite_time "$db" | awk -v n="${#filters[@]}" '{ printf "%.6f %.6f\n", $1 / n, $2 / n }' ;;
    SearchDigits)
      echo "SELECT COUNT(*) FROM Data WHERE PhoneNumber LIKE '%4567%';" | sqlite_time "$db" ;;
    Statistics)
      echo "SELECT COUNT(*), SUM(length(StartDate) + length(StartTime) + length(EndDate) + length(EndTime) + length(Port) + InOut + Lost + length(PhoneNumber)) FROM Data;" |
        sqlite_time "$db" ;;
    ExportCsv)
      printf '.mode csv\n.once /dev/null\nSELECT InOut, Port, PhoneNumber, StartDate, StartTime, EndDate, EndTime, Lost, Recording FROM Data ORDER BY StartDate, StartTime, `Index`;\n' |
        sqlite_time "$db" ;;
    *) return 1 ;;
  esac
}

printf '| case | calls | CPU ms | wall ms | peak MB | sqlite3 CPU ms | sqlite3 wall ms | ratio (CPU) |\n'
printf '|---|---:|---:|---:|---:|---:|---:|---:|\n'
python3 - "$json" <<'PY' | while IFS=$'\t' read -r name calls cpu wall peak; do
import json, sys
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("run_type", "iteration") != "iteration" or b.get("error_occurred"):
        continue
    parts = b["name"].split("/")
    case = parts[0]
    args = [p for p in parts[1:] if p.isdigit()]
    calls = args[0]
    if args[1:]:
        case += "/" + "/".join(args[1:])
    print(f"{case}\t{calls}\t{b['cpu_time']:.2f}\t{b['real_time']:.2f}\t{b.get('peak_MB', 0):.0f}")
PY
  if ref=$(reference "$name" "$calls"); then
    read -r rcpu rwall <<<"$ref"
    awk -v n="$name" -v c="$calls" -v cpu="$cpu" -v wall="$wall" -v peak="$peak" -v rc="$rcpu" -v rw="$rwall" 'BEGIN {
      ratio = rc > 0 ? sprintf("%.2f", cpu / (rc * 1000)) : "-"
      printf "| %s | %d | %s | %s | %s | %.2f | %.2f | %s |\n", n, c, cpu, wall, peak, rc * 1000, rw * 1000, ratio }'
  else
    printf '| %s | %s | %s | %s | %s | - | - | - |\n' "$name" "$calls" "$cpu" "$wall" "$peak"
  fi
done
