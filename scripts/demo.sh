#!/usr/bin/env bash
# The main job on the embedded spreadsheet: writes the sample exercise workbooks into
# BUILD/examples/, shows what the object model sees in the workbook as handed out, then
# grades every sample of exercises 401-420 as exercise 401 and prints the verdicts.
#   scripts/demo.sh [BUILD]   (default: build)
set -euo pipefail

build=${1:-build}
samples="$build/examples"
command="$build/k27093"

echo "== Sample workbooks"
mapfile -t workbooks < <("$build/k27093-examples" "$samples")
printf '%s\n' "${workbooks[@]}"

echo
echo "== Exercises"
"$command" exercises

echo
echo "== k27093 inspect \"$samples/Ventes.xlsx\""
"$command" inspect "$samples/Ventes.xlsx"

# Exit statuses of check: 0 pass, 1 the exercise's own fault, 2 a general fault, 3 an error.
meaning=([0]="pass" [1]="fault" [2]="general fault" [3]="error")
# What each sample of k27093-examples is made to get.
expected() {
  case "$1" in
    "Ventes.xlsx") echo "fault H (no chart)" ;;
    "Ventes - 401 réussi.xlsx") echo "pass" ;;
    "Ventes - 401 histogramme empilé.xlsx") echo "fault A (stacked columns)" ;;
    "Ventes - 401 séries en colonnes.xlsx") echo "fault B (two series)" ;;
    "Ventes - 401 troisième feuille.xlsx") echo "general fault G (three sheets)" ;;
    *) echo "?" ;;
  esac
}
for workbook in "${workbooks[@]}"; do
  name=$(basename "$workbook")
  [[ $name == Ventes* ]] || continue
  echo
  echo "== k27093 check 401 \"$workbook\""
  status=0
  "$command" check 401 "$workbook" || status=$?
  if [[ $status -gt 3 ]]; then
    echo "unexpected exit status $status" >&2
    exit "$status"
  fi
  echo "(exit $status: ${meaning[$status]}; the sample is made for: $(expected "$name"))"
done
