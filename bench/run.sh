#!/bin/sh
# Times whole-process conversions of a few generated icons, in one run on the
# same machine: tessaro, ImageMagick's convert, and the FreeImage floor
# (bench/floor.cpp). For each icon it prints the mean wall time, the mean CPU
# time (user + system) and the instructions executed (valgrind's callgrind,
# user space only) of each program, their ratios against the floor and
# against ImageMagick, and peak memory; then the same for runs with a frame
# and a text watermark, then for text watermarks at the ends of their ranges,
# and which shared libraries a console run loads.
# Targets: at most 1.15 x the floor on every icon, and at most 0.7 x
# ImageMagick's time as a geometric mean over the icons.
# Wall time on a busy machine mostly measures the other processes; CPU time
# is steadier, and instruction counts do not depend on the load at all.
set -eu
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tessaro tessaro-draw tessaro-text bench-floor make-bench-icons >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
./build/make-bench-icons "$work/icons"
mkdir -p "$work/out"
magick=/usr/bin/convert
runs=${BENCH_RUNS:-40}
# The benchmark must not find a lock held by a copy the user has open.
export XDG_RUNTIME_DIR="$work"

# Runs hyperfine on one command and leaves its CSV export in $work/$1.csv.
time_command() {
  csv="$work/$1.csv"
  shift
  hyperfine -N --warmup 5 --runs "$runs" --export-csv "$csv" "$*" >/dev/null
}

wall_ms() {  # mean wall time in milliseconds
  awk -F, 'NR == 2 { printf "%.2f", $2 * 1000 }' "$work/$1.csv"
}

cpu_ms() {  # mean user + system time in milliseconds
  awk -F, 'NR == 2 { printf "%.2f", ($5 + $6) * 1000 }' "$work/$1.csv"
}

instructions_m() {  # millions of instructions executed in user space, one run
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    awk '/Collected/ { printf "%.2f", $4 / 1e6 }'
}

peak_kib() {  # maximum resident set size of one run, in KiB
  /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ { print $2 }'
}

ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'
}

# Sums of logarithms for the geometric means, one line per icon.
: >"$work/logs"

echo "Per icon, mean of $runs runs: wall time (ms), CPU time (user + system, ms),"
echo "instructions (millions, one run) and peak memory (KiB) of tessaro (t), the floor (fl)"
echo "and ImageMagick (mg), with tessaro's ratios against both."
for icon in "$work"/icons/*.ico; do
  name=$(basename "$icon" .ico)
  tessaro_cmd="./build/tessaro -q -i $icon -o $work/out"
  floor_cmd="./build/bench-floor $icon $work/out/$name-floor.jpg"
  magick_cmd="$magick $icon $work/out/$name-magick.jpg"
  for which in tessaro floor magick; do
    eval "cmd=\$${which}_cmd"
    # shellcheck disable=SC2154,SC2086
    time_command "$which" $cmd
  done
  # shellcheck disable=SC2086
  it=$(instructions_m $tessaro_cmd)
  # shellcheck disable=SC2086
  ifl=$(instructions_m $floor_cmd)
  # shellcheck disable=SC2086
  img=$(instructions_m $magick_cmd)
  # shellcheck disable=SC2086
  pt=$(peak_kib $tessaro_cmd)
  # shellcheck disable=SC2086
  pf=$(peak_kib $floor_cmd)
  # shellcheck disable=SC2086
  pm=$(peak_kib $magick_cmd)
  echo
  echo "$name"
  printf '  %-13s %9s %9s %9s %8s %8s\n' "" t fl mg t/fl t/mg
  printf '  %-13s %9s %9s %9s %8s %8s\n' "wall ms" "$(wall_ms tessaro)" "$(wall_ms floor)" \
    "$(wall_ms magick)" "$(ratio "$(wall_ms tessaro)" "$(wall_ms floor)")" \
    "$(ratio "$(wall_ms tessaro)" "$(wall_ms magick)")"
  printf '  %-13s %9s %9s %9s %8s %8s\n' "cpu ms" "$(cpu_ms tessaro)" "$(cpu_ms floor)" \
    "$(cpu_ms magick)" "$(ratio "$(cpu_ms tessaro)" "$(cpu_ms floor)")" \
    "$(ratio "$(cpu_ms tessaro)" "$(cpu_ms magick)")"
  printf '  %-13s %9s %9s %9s %8s %8s\n' "instructions" "$it" "$ifl" "$img" \
    "$(ratio "$it" "$ifl")" "$(ratio "$it" "$img")"
  printf '  %-13s %9s %9s %9s %8s %8s\n' "peak KiB" "$pt" "$pf" "$pm" \
    "$(ratio "$pt" "$pf")" "$(ratio "$pt" "$pm")"
  echo "$(ratio "$(wall_ms tessaro)" "$(wall_ms magick)") $(ratio "$(cpu_ms tessaro)" \
    "$(cpu_ms magick)") $(ratio "$it" "$img") $(ratio "$(wall_ms floor)" "$(wall_ms magick)")" \
    "$(ratio "$(cpu_ms floor)" "$(cpu_ms magick)") $(ratio "$ifl" "$img")" >>"$work/logs"
done
echo
# The floor's own ratio shows how far below ImageMagick any FreeImage program
# can get on this machine.
awk '{ for (k = 1; k <= 6; k++) s[k] += log($k); n++ }
  END { printf "geometric mean of tessaro / ImageMagick: wall %.3f, cpu %.3f, instructions %.3f (target <= 0.7)\n",
          exp(s[1] / n), exp(s[2] / n), exp(s[3] / n)
        printf "geometric mean of floor / ImageMagick:   wall %.3f, cpu %.3f, instructions %.3f\n",
          exp(s[4] / n), exp(s[5] / n), exp(s[6] / n) }' "$work/logs"
echo "target per icon: tessaro / floor <= 1.15"

# A frame loads the drawing module (cairo); a text watermark also loads the
# text module (Pango, fontconfig). A plain conversion must pay for neither,
# and a frame alone not for the text.
echo
echo "Frame, and frame with text watermark, against a plain conversion (ms, millions of instructions):"
frame_options="--fr-solid-left=4 --fr-solid-right=4 --fr-solid-top=4 --fr-solid-bottom=4"
text_options="$frame_options --wm-text=Brimvale --wm-text-antialiasing"
printf '%-12s %-13s %9s %9s %9s %8s %8s %10s\n' icon "" plain frame text frame/p text/p peak-text
for icon in "$work"/icons/*.ico; do
  name=$(basename "$icon" .ico)
  plain_cmd="./build/tessaro -q -i $icon -o $work/out"
  frame_cmd="$plain_cmd $frame_options"
  text_cmd="$plain_cmd $text_options"
  # shellcheck disable=SC2086
  time_command plain $plain_cmd
  # shellcheck disable=SC2086
  time_command frame $frame_cmd
  # shellcheck disable=SC2086
  time_command text $text_cmd
  # shellcheck disable=SC2086
  pd=$(peak_kib $text_cmd)
  for measure in wall cpu; do
    p=$(${measure}_ms plain)
    f=$(${measure}_ms frame)
    d=$(${measure}_ms text)
    printf '%-12s %-13s %9s %9s %9s %8s %8s %10s\n' "$name" "$measure ms" "$p" "$f" "$d" \
      "$(ratio "$f" "$p")" "$(ratio "$d" "$p")" "$([ "$measure" = wall ] && echo "${pd}K" || true)"
  done
  # shellcheck disable=SC2086
  p=$(instructions_m $plain_cmd)
  # shellcheck disable=SC2086
  f=$(instructions_m $frame_cmd)
  # shellcheck disable=SC2086
  d=$(instructions_m $text_cmd)
  printf '%-12s %-13s %9s %9s %9s %8s %8s\n' "$name" instructions "$p" "$f" "$d" \
    "$(ratio "$f" "$p")" "$(ratio "$d" "$p")"
done

# A text watermark is drawn only as far as the page shows it, so its padding,
# leading, font size, offsets and angle must not make a run slower or larger.
echo
echo "Text watermarks at the ends of their ranges on the first icon (wall ms, peak KiB):"
first_icon=$(ls "$work"/icons/*.ico | head -n 1)
for options in "--wm-text-padding=12000" "--wm-text-padding=12000 --wm-text-rotation=30" \
  "--wm-font-size=3072 --wm-font-leading=100000 --wm-text=a%eol%b%eol%c" \
  "--wm-text-padding=12000 --wm-text-x-offset=2147483647"; do
  edge_cmd="./build/tessaro -q -i $first_icon -o $work/out --wm-text=Brimvale $options"
  # shellcheck disable=SC2086
  time_command edge $edge_cmd
  # shellcheck disable=SC2086
  printf '  %-72s %9s %9s\n' "$options" "$(wall_ms edge)" "$(peak_kib $edge_cmd)"
done

echo
echo "Libraries of build/tessaro (ldd):"
ldd ./build/tessaro | awk '{ print "  " $1 }'
# Every library a console run with the given options maps, one per line.
loaded_libraries() {
  # shellcheck disable=SC2086
  LD_DEBUG=files ./build/tessaro -q -i "$first_icon" -o "$work/out" "$@" 2>&1 >/dev/null |
    awk '/file=/ { sub(/.*file=/, ""); sub(/ .*/, ""); print }' | sort -u
}
# Prints how many libraries a run with the options $3 loads, and those that
# match the pattern $2, which it must not load; $1 names the run.
check_not_loaded() {
  # shellcheck disable=SC2086
  loaded=$(loaded_libraries $3)
  echo "$1: $(echo "$loaded" | wc -l) libraries"
  if echo "$loaded" | grep -Eiq "$2"; then
    echo "  LOADED WHAT IT DOES NOT USE:"
    echo "$loaded" | grep -Ei "$2" | sed 's/^/    /'
  else
    echo "  none of: $2"
  fi
}
check_not_loaded "A plain console run" 'qt|cairo|pango|fontconfig|tessaro-' ""
check_not_loaded "A run with a frame" 'qt|pango|tessaro-text|tessaro-ui' "$frame_options"
