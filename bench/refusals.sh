#!/bin/sh
# Times how long a console run takes to refuse each malformed icon: the
# committed malformed seeds (written by the fixture writer), the sample icon
# cut short at several offsets, and random files up to beyond the largest
# icon file the program reads. Prints one line per input (exit status and
# wall time) and the slowest; every refusal is meant to take well under a
# second, and every one must end with status 2 ("Conversion stopped"), or 1
# for the empty file the input check refuses. (A cut-short sample icon still
# converts the pages before the cut; the tests check what each run writes.)
# Usage: bench/refusals.sh [build folder]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
program="$(cd "$build" && pwd)/tessaro"
[ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/inputs" "$work/out" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"

# Every input is named .ico, as a user's icon would be.
for seed in fuzz/corpus/icon_conversion_fuzzer/malformed-*; do
  cp "$seed" "$work/inputs/$(basename "$seed").ico"
done
sample="$build/sample/sample.ico"
if [ -f "$sample" ]; then
  for size in 6 22 40 100 1000 10000 18000; do
    head -c "$size" "$sample" >"$work/inputs/sample-cut-to-$size.ico"
  done
fi
for size in 1 4096 1048576 70000000; do
  head -c "$size" /dev/urandom >"$work/inputs/random-$size.ico"
done

failures=0
slowest=0
slowest_name=
printf '%-60s %6s %9s\n' input status ms
for input in "$work/inputs"/*; do
  name=$(basename "$input" .ico)
  expected=2
  [ -s "$input" ] || expected=1
  start=$(date +%s%N)
  status=0
  "$program" -i "$input" -o "$work/out" --ico-frame-loading=ALL >/dev/null 2>&1 || status=$?
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  printf '%-60s %6s %9s\n' "$name" "$status" "$ms"
  if [ "$ms" -gt "$slowest" ]; then
    slowest=$ms
    slowest_name=$name
  fi
  [ "$status" -eq "$expected" ] || failures=$((failures + 1))
  rm -rf "${work:?}/out"/*
done
echo "slowest: $slowest ms ($slowest_name)"
echo "inputs not refused with the expected status: $failures"
[ "$failures" -eq 0 ]
