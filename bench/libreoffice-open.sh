#!/usr/bin/env bash
# Opening the 401 sample "Ventes - 401 réussi.xlsx" in LibreOffice headless (converted to CSV,
# with a profile of its own in a temporary folder) against grading it with `k27093 check`,
# timed in the same run; prints each one's mean wall-clock time and the ratio. Skips when
# soffice is not installed: LibreOffice is a point of comparison, never a dependency.
#   bench/libreoffice-open.sh [BUILD]   (default: build)
# BENCH_MIN_TIME (seconds, default 0.2) is the least time spent on each program; each runs
# at least 3 times.
set -euo pipefail

build=${1:-build}
min_time=${BENCH_MIN_TIME:-0.2}

if ! command -v soffice >/dev/null 2>&1; then
  echo "libreoffice-open: skipped, soffice is not installed"
  exit 0
fi
for program in "$build/k27093" "$build/k27093-examples"; do
  if [[ ! -x "$program" ]]; then
    echo "libreoffice-open: $program is not built" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/k27093-examples" "$work/samples" >/dev/null
workbook="$work/samples/Ventes - 401 réussi.xlsx"
profile="file://$work/profile"

now_ns() { date +%s%N; }

run_soffice() {
  soffice "-env:UserInstallation=$profile" --headless --convert-to csv --outdir "$work/csv" \
    "$workbook" >/dev/null 2>&1
}
run_check() {
  "$build/k27093" check 401 "$workbook" >/dev/null
}

# Mean milliseconds of one run of the function named $1, after one run that is not timed
# (LibreOffice makes its profile then).
mean_ms() {
  "$1"
  local runs=0 start end spent=0
  local min_ns
  min_ns=$(awk -v s="$min_time" 'BEGIN { printf "%d", s * 1e9 }')
  while ((runs < 3 || spent < min_ns)); do
    start=$(now_ns)
    "$1"
    end=$(now_ns)
    spent=$((spent + end - start))
    runs=$((runs + 1))
  done
  awk -v ns="$spent" -v n="$runs" 'BEGIN { printf "%.1f", ns / n / 1e6 }'
}

soffice_ms=$(mean_ms run_soffice)
if [[ ! -s "$work/csv/Ventes - 401 réussi.csv" ]]; then
  echo "libreoffice-open: soffice wrote no CSV file" >&2
  exit 1
fi
check_ms=$(mean_ms run_check)
echo "libreoffice-open: soffice --convert-to csv ${soffice_ms} ms, k27093 check ${check_ms} ms," \
  "ratio $(awk -v a="$soffice_ms" -v b="$check_ms" 'BEGIN { printf "%.0f", a / b }')"
