#!/usr/bin/env bash
# The main job on the embedded spreadsheet: writes the sample exercise workbooks into
# BUILD/examples/, shows what the object model sees in the workbook as handed out, then
# grades every sample as its exercise with `k27093 check` and compares each verdict with the
# one the sample is made for. Exits 1 when a verdict differs.
#   scripts/demo.sh [BUILD]   (default: build)
set -euo pipefail

build=${1:-build}
samples="$build/examples"
command="$build/k27093"

echo "== Sample workbooks"
mapfile -t lines < <("$build/k27093-examples" "$samples")
printf '%s\n' "${lines[@]}"

echo
echo "== Exercises"
"$command" exercises

echo
echo "== k27093 inspect \"$samples/Ventes.xlsx\""
"$command" inspect "$samples/Ventes.xlsx"

# Exit statuses of check: 0 pass, 1 the exercise's own fault, 2 a general fault, 3 an error.
meaning=([0]="pass" [1]="fault" [2]="general fault" [3]="error")
graded=0
differing=0
for line in "${lines[@]}"; do
  IFS=$'\t' read -r -a fields <<<"$line"
  exercise=${fields[0]} expected=${fields[1]} workbook=${fields[2]}
  options=("${fields[@]:3}")
  [[ $expected == "handed out" ]] && continue
  echo
  echo "== k27093 check $exercise \"$workbook\"${options[*]:+ ${options[*]}}"
  status=0
  output=$("$command" check "$exercise" "$workbook" "${options[@]}") || status=$?
  printf '%s\n' "$output"
  if [[ $status -gt 3 ]]; then
    echo "unexpected exit status $status" >&2
    exit "$status"
  fi
  graded=$((graded + 1))
  # The verdict without the explanation that follows a fault code.
  verdict=$(head -n 1 <<<"$output")
  verdict=${verdict%% — *}
  if [[ $verdict == "$exercise: $expected" ]]; then
    echo "(exit $status: ${meaning[$status]}, as the sample is made for)"
  else
    echo "(exit $status: ${meaning[$status]}; the sample is made for: $expected)"
    differing=$((differing + 1))
  fi
done

# The same right answer of 401 saved in the binary 97-2003 format (.xls) by LibreOffice Calc:
# the engine tells the format by the file's content.
xls="tests/data/xls/samples/Ventes - 401 réussi.xls"
echo
echo "== k27093 check 401 \"$xls\""
output=$("$command" check 401 "$xls") || true
printf '%s\n' "$output"
graded=$((graded + 1))
if [[ $(head -n 1 <<<"$output") != "401: pass" ]]; then
  echo "(the sample is made for: pass)"
  differing=$((differing + 1))
fi

echo
echo "== $graded samples graded, $differing verdicts differ from what their samples are made for"
[[ $differing -eq 0 ]]
