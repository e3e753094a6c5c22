#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a short while (FUZZ_SECONDS each, default 20).
# A target fuzz_NAME starts from the seed corpus fuzz/corpus/NAME/ when there is one; new
# inputs go to a scratch copy, so the seed corpus in the tree is never changed.
#   scripts/run-fuzzers.sh [BUILD]   (default: build-fuzz)
set -euo pipefail

build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-20}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

found=0
while IFS= read -r -d '' target; do
  found=1
  name=$(basename "$target")
  corpus="$scratch/$name"
  mkdir -p "$corpus"
  seeds="fuzz/corpus/${name#fuzz_}"
  if [[ -d "$seeds" ]]; then
    cp -r "$seeds"/. "$corpus"/
  fi
  echo "== $name (${seconds}s)"
  "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
done < <(find "$build" -type f -perm -u+x -name 'fuzz_*' -print0 | sort -z)

if [[ $found -eq 0 ]]; then
  echo "No fuzz targets were built in $build."
fi
