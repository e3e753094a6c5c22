#!/usr/bin/env bash
# Runs every benchmark program of a build (BUILD/bench/bench_*).
#   scripts/run-benchmarks.sh [BUILD]   (default: build)
set -euo pipefail

build=${1:-build}
found=0
while IFS= read -r -d '' program; do
  found=1
  echo "== $(basename "$program")"
  "$program"
done < <(find "$build/bench" -maxdepth 1 -type f -perm -u+x -name 'bench_*' -print0 2>/dev/null | sort -z)

if [[ $found -eq 0 ]]; then
  echo "No benchmarks were built in $build/bench."
fi
