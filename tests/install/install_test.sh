#!/bin/sh
# Installs the build into a temporary prefix and runs the program from there:
# a framed console conversion with a text watermark (the drawing and text
# modules come from lib/tessaro/), the window mode closed by SIGTERM, the
# screenshot run, and the conversion again after the whole prefix was moved
# elsewhere.
# Arguments: cmake, build folder, sample icon writer, window mode (1 or 0),
# default theme package (1 or 0).
set -eu
cmake=$1 build=$2 make_sample_icon=$3 window_mode=$4 theme_package=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null

for file in bin/tessaro lib/tessaro/tessaro-draw.so lib/tessaro/tessaro-text.so \
  share/applications/tessaro.desktop \
  share/man/man1/tessaro.1 share/doc/tessaro/manual.html \
  share/icons/hicolor/scalable/apps/tessaro.svg; do
  [ -f "$work/prefix/$file" ] || fail "$file was not installed"
done
for size in 16 24 32 48 64 128 256; do
  [ -f "$work/prefix/share/icons/hicolor/${size}x${size}/apps/tessaro.png" ] ||
    fail "the $size px icon was not installed"
done
if [ "$window_mode" = 1 ]; then
  [ -f "$work/prefix/lib/tessaro/tessaro-ui.so" ] || fail "the window module was not installed"
fi
if [ "$theme_package" = 1 ]; then
  [ -f "$work/prefix/share/tessaro/gfx/handdrawn.zip" ] || fail "the default theme was not installed"
fi

"$make_sample_icon" "$work/sample.ico"

# Whether process $1 has a handler for SIGTERM: bit 15 of its caught-signal
# mask, in the last four hexadecimal digits.
catches_sigterm() {
  mask=$(awk '/^SigCgt/ { print substr($2, 13, 4) }' "/proc/$1/status" 2>/dev/null) || return 1
  [ -n "$mask" ] && [ $((0x$mask & 0x4000)) -ne 0 ]
}

# A frame needs the drawing module and text the text module; the program must
# find both in its prefix.
convert_framed() {
  prefix=$1 output=$2
  mkdir -p "$output"
  "$prefix/bin/tessaro" -i "$work/sample.ico" -o "$output" --fr-solid-left=3 --wm-text=Brimvale -q ||
    fail "the conversion from $prefix failed with status $?"
  ls "$output"/*.jpg >/dev/null 2>&1 || fail "no picture written from $prefix"
}

convert_framed "$work/prefix" "$work/out-installed"

if [ "$window_mode" = 1 ]; then
  QT_QPA_PLATFORM=offscreen "$work/prefix/bin/tessaro" >"$work/window.log" 2>&1 &
  window=$!
  config="$XDG_CONFIG_HOME/Brimvale/tessaro/config.ini"
  # The window mode is ready to close once it catches SIGTERM (bit 15 of the
  # caught-signal mask); a loaded machine may take a while to get there.
  tries=0
  until catches_sigterm "$window"; do
    kill -0 "$window" 2>/dev/null || fail "the window mode ended on its own: $(cat "$work/window.log")"
    tries=$((tries + 1))
    [ "$tries" -lt 600 ] || fail "the window mode never became ready"
    sleep 0.1
  done
  kill -TERM "$window"
  status=0
  wait "$window" || status=$?
  [ "$status" = 0 ] || fail "the window mode ended with status $status: $(cat "$work/window.log")"
  [ -f "$config" ] || fail "the window mode did not save $config"

  # The screenshot run finds the window module and the theme in the prefix
  # and writes exactly its two pictures.
  mkdir "$work/shots"
  QT_QPA_PLATFORM=offscreen "$work/prefix/bin/tessaro" -T "$work/shots" >"$work/shots.log" 2>&1 ||
    fail "the screenshot run failed with status $?: $(cat "$work/shots.log")"
  [ "$(ls "$work/shots")" = "$(printf 'tessaro1.jpg\ntessaro1x.jpg')" ] ||
    fail "the screenshot run wrote: $(ls "$work/shots")"
fi

# A copied prefix works where it lands: nothing points back at the first one.
mv "$work/prefix" "$work/moved"
convert_framed "$work/moved" "$work/out-moved"
echo "installed program converted before and after the move"
