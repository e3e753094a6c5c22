#!/usr/bin/env bash
# Runs every benchmark program of a build (BUILD/bench/bench_*), each benchmark for at least
# BENCH_MIN_TIME seconds (default 0.2: short runs; raise it for steadier figures), then the
# comparison scripts bench/*.sh with the build folder.
#   scripts/run-benchmarks.sh [BUILD]   (default: build)
set -euo pipefail

build=${1:-build}
min_time=${BENCH_MIN_TIME:-0.2}
found=0
while IFS= read -r -d '' program; do
  found=1
  echo "== $(basename "$program")"
  "$program" --benchmark_min_time="$min_time"
done < <(find "$build/bench" -maxdepth 1 -type f -perm -u+x -name 'bench_*' -print0 2>/dev/null | sort -z)

if [[ $found -eq 0 ]]; then
  echo "No benchmarks were built in $build/bench."
fi

bench_folder=$(dirname "$0")/../bench
for script in "$bench_folder"/*.sh; do
  [[ -e "$script" ]] || continue
  echo "== $(basename "$script")"
  BENCH_MIN_TIME="$min_time" bash "$script" "$build"
done
