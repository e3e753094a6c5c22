#!/usr/bin/env bash
# The main job on the embedded spreadsheet: writes the sample exercise workbooks into
# BUILD/examples/ and shows what the object model sees in each of them.
#   scripts/demo.sh [BUILD]   (default: build)
set -euo pipefail

build=${1:-build}
samples="$build/examples"

echo "== Sample workbooks"
mapfile -t workbooks < <("$build/k27093-examples" "$samples")
printf '%s\n' "${workbooks[@]}"

echo
echo "== Exercises"
"$build/k27093" exercises

for workbook in "${workbooks[@]}"; do
  echo
  echo "== k27093 inspect \"$workbook\""
  "$build/k27093" inspect "$workbook"
done
