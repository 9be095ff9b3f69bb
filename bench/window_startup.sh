#!/bin/sh
# Time from starting the window mode to its main window being shown, under a
# virtual X server. Each round starts the program with a fresh configuration,
# polls with xwininfo until the main window is viewable, then closes it with
# SIGTERM as a user's session would.
# Usage: bench/window_startup.sh [build folder] [rounds]
set -eu
build=${1:-build}
rounds=${2:-10}
program="$(cd "$build" && pwd)/tessaro"
[ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }

if [ -z "${TESSARO_BENCH_UNDER_XVFB:-}" ]; then
  TESSARO_BENCH_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build" "$rounds"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
title="Brimvale ICO to JPG 2.7"
total=0
best=""
round=1
while [ "$round" -le "$rounds" ]; do
  rm -rf "$work/home"
  mkdir -p "$work/home/config" "$work/home/runtime"
  chmod 700 "$work/home/runtime"
  start=$(date +%s%N)
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work/home/runtime" \
    "$program" >/dev/null 2>&1 &
  pid=$!
  until xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; do
    kill -0 "$pid" 2>/dev/null || { echo "the window mode ended before showing" >&2; exit 1; }
    sleep 0.002
  done
  shown=$(date +%s%N)
  kill -TERM "$pid"
  wait "$pid" || true
  elapsed=$(( (shown - start) / 1000000 ))
  echo "round $round: ${elapsed} ms"
  total=$((total + elapsed))
  if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  round=$((round + 1))
done
echo "start to shown main window: mean $((total / rounds)) ms, best $best ms over $rounds rounds (target under 300 ms)"
