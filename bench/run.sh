#!/bin/sh
# Times whole-process conversions of a few generated icons, in one run on the
# same machine: tessaro, ImageMagick's convert, and the FreeImage floor
# (bench/floor.cpp). Prints mean times, the ratios against the floor and
# against ImageMagick, and the peak memory of each program; then checks which
# shared libraries a console run loads.
# Targets: at most 1.15 x the floor on every icon, and at most 0.7 x
# ImageMagick's time as a geometric mean over the icons.
set -eu
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tessaro tessaro-draw bench-floor make-bench-icons >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
./build/make-bench-icons "$work/icons"
mkdir -p "$work/out"
magick=/usr/bin/convert
runs=${BENCH_RUNS:-40}
# The benchmark must not find a lock held by a copy the user has open.
export XDG_RUNTIME_DIR="$work"

mean_of() {  # mean wall time in milliseconds from a hyperfine CSV export
  awk -F, 'NR == 2 { printf "%.2f", $2 * 1000 }' "$1"
}

cpu_of() {  # mean user + system time in milliseconds; steadier on a busy machine
  awk -F, 'NR == 2 { printf "%.2f", ($5 + $6) * 1000 }' "$1"
}

peak_kib() {  # maximum resident set size of one run, in KiB
  /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ { print $2 }'
}

echo "Wall time (mean of $runs runs), ratios, peak memory; then CPU time (user + system):"
printf '%-16s %10s %10s %10s %8s %8s %10s %10s %10s %9s\n' icon tessaro floor magick \
  "t/floor" "t/magick" "peak-t" "peak-fl" "peak-mg" "cpu-t/fl"
log_sum=0
count=0
for icon in "$work"/icons/*.ico; do
  name=$(basename "$icon" .ico)
  tessaro_cmd="./build/tessaro -q -i $icon -o $work/out"
  floor_cmd="./build/bench-floor $icon $work/out/$name-floor.jpg"
  magick_cmd="$magick $icon $work/out/$name-magick.jpg"
  for which in tessaro floor magick; do
    eval "cmd=\$${which}_cmd"
    hyperfine -N --warmup 5 --runs "$runs" --export-csv "$work/$which.csv" "$cmd" >/dev/null
  done
  t=$(mean_of "$work/tessaro.csv")
  f=$(mean_of "$work/floor.csv")
  m=$(mean_of "$work/magick.csv")
  # shellcheck disable=SC2086
  pt=$(peak_kib $tessaro_cmd)
  # shellcheck disable=SC2086
  pf=$(peak_kib $floor_cmd)
  # shellcheck disable=SC2086
  pm=$(peak_kib $magick_cmd)
  rf=$(awk -v a="$t" -v b="$f" 'BEGIN { printf "%.3f", a / b }')
  cf=$(awk -v a="$(cpu_of "$work/tessaro.csv")" -v b="$(cpu_of "$work/floor.csv")" \
    'BEGIN { printf "%.3f", a / b }')
  rm_=$(awk -v a="$t" -v b="$m" 'BEGIN { printf "%.3f", a / b }')
  log_sum=$(awk -v s="$log_sum" -v r="$rm_" 'BEGIN { printf "%.6f", s + log(r) }')
  count=$((count + 1))
  printf '%-16s %8sms %8sms %8sms %8s %8s %8sK %8sK %8sK %9s\n' "$name" "$t" "$f" "$m" "$rf" \
    "$rm_" "$pt" "$pf" "$pm" "$cf"
done
awk -v s="$log_sum" -v n="$count" \
  'BEGIN { printf "geometric mean of tessaro / ImageMagick: %.3f (target <= 0.7)\n", exp(s / n) }'
echo "target per icon: tessaro / floor <= 1.15"

# A conversion with a frame and a text watermark loads the drawing module and
# the watermark font; a plain conversion must not pay for that.
echo
echo "Drawing (frame and text watermark) against a plain conversion, per icon:"
drawing_options="--fr-solid-left=4 --fr-solid-right=4 --fr-solid-top=4 --fr-solid-bottom=4 --wm-text=Brimvale --wm-text-antialiasing"
printf '%-16s %10s %10s %8s %10s\n' icon plain drawing ratio peak-draw
for icon in "$work"/icons/*.ico; do
  name=$(basename "$icon" .ico)
  plain_cmd="./build/tessaro -q -i $icon -o $work/out"
  drawing_cmd="./build/tessaro -q -i $icon -o $work/out $drawing_options"
  hyperfine -N --warmup 5 --runs "$runs" --export-csv "$work/plain.csv" "$plain_cmd" >/dev/null
  hyperfine -N --warmup 5 --runs "$runs" --export-csv "$work/drawing.csv" "$drawing_cmd" >/dev/null
  p=$(mean_of "$work/plain.csv")
  d=$(mean_of "$work/drawing.csv")
  # shellcheck disable=SC2086
  pd=$(peak_kib $drawing_cmd)
  printf '%-16s %8sms %8sms %8s %8sK\n' "$name" "$p" "$d" \
    "$(awk -v a="$d" -v b="$p" 'BEGIN { printf "%.3f", a / b }')" "$pd"
done

echo
echo "Libraries of build/tessaro (ldd):"
ldd ./build/tessaro | awk '{ print "  " $1 }'
first_icon=$(ls "$work"/icons/*.ico | head -n 1)
loaded=$(LD_DEBUG=files ./build/tessaro -q -i "$first_icon" -o "$work/out" 2>&1 >/dev/null |
  awk '/file=/ { sub(/.*file=/, ""); sub(/ .*/, ""); print }' | sort -u)
echo "Libraries a console run loads (LD_DEBUG=files): $(echo "$loaded" | wc -l)"
if echo "$loaded" | grep -Eiq 'qt|cairo|pango|fontconfig'; then
  echo "  HEAVY LIBRARIES LOADED:"
  echo "$loaded" | grep -Ei 'qt|cairo|pango|fontconfig' | sed 's/^/    /'
else
  echo "  no Qt, cairo, Pango or fontconfig"
fi
