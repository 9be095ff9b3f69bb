#!/bin/sh
# Starts the window mode on a private X server, brings it into one state,
# sends it one signal and reports how it ended.
# Arguments: program, state, signal name (TERM, INT, HUP), input file path
# (for the conversion states). HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR come
# from the caller; the output folder is the first of config.ini's recent
# folders.
# States: main-window, update-question (config.ini makes the question due),
# requester, preferences, message-box (Convert with an empty input field),
# conversion, stop-question (the close box of the progress window during the
# run).
# Prints "reached <state>" once the state's window is shown, then "status=N"
# when the program ended, or "still running" when it had not ended 30 s after
# the signal (it is then killed).
set -u
program=$1 state=$2 signal=$3 input=${4:-}

work=$(mktemp -d)
pid="" xvfb=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it once it accepts
# connections.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>/dev/null &
xvfb=$!
tries=0
until [ -s "$work/display" ]; do
  tries=$((tries + 1))
  [ "$tries" -gt 400 ] && { echo "no X server"; exit 1; }
  sleep 0.05
done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb

"$program" &
pid=$!

# The id of the first visible window whose title starts with $1, waiting up to
# 20 s for it.
window() {
  timeout 20 xdotool search --sync --onlyvisible --name "^$1" | head -n 1
}

# A left click at a point of the main window.
click() {
  timeout 20 xdotool mousemove --window "$main" "$1" "$2" click 1
}

# Keys go to the focused window through the X server, as a user's would.
press() {
  timeout 20 xdotool windowfocus --sync "$1"
  shift
  timeout 20 xdotool "$@"
}

main=$(window "Brimvale ICO to JPG")
[ -n "$main" ] || { echo "no main window"; exit 1; }
case $state in
  main-window) ;;
  update-question) shown=$(window "Check for Updates") ;;
  # Toolbar buttons of the default theme: the second opens the input file
  # requester, the fourth the preferences dialog.
  requester)
    click 65 41
    shown=$(window "Select Input Files")
    ;;
  preferences)
    click 153 41
    shown=$(window "Preferences")
    ;;
  message-box)
    press "$main" key F5
    shown=$(window "Warning")
    ;;
  conversion | stop-question)
    # The input field has the focus; Tab leads to the output folder list,
    # whose first entry Down chooses.
    press "$main" type --delay 5 "$input"
    timeout 20 xdotool key Tab Down F5
    progress=$(window "Converting")
    shown=$progress
    if [ "$state" = stop-question ] && [ -n "$progress" ]; then
      press "$progress" key Escape
      shown=$(window "Warning")
    fi
    ;;
  *) echo "unknown state $state"; exit 1 ;;
esac
[ "$state" = main-window ] || [ -n "$shown" ] || { echo "state $state not reached"; exit 1; }
echo "reached $state"

# An ended child stays a zombie until it is waited for.
ended() {
  ! kill -0 "$pid" 2>/dev/null || [ "$(sed 's/.*) //' "/proc/$pid/stat" | cut -c1)" = Z ]
}

kill -s "$signal" "$pid"
deadline=$(($(date +%s) + 30))
until ended; do
  if [ "$(date +%s)" -gt "$deadline" ]; then
    echo "still running"
    exit 1
  fi
  sleep 0.1
done
wait "$pid"
status=$?
pid=""
echo "status=$status"
