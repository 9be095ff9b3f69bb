#!/bin/sh
# The layer check over a small tree: it names the include that points up and
# the one that points across, and refuses a folder missing from its table.
# Usage: check_layers_test.sh PYTHON CHECK_SCRIPT
set -u
fixture=$(dirname "$0")/fixture
failed=0

expect() {
  wanted_status=$1 wanted_output=$2
  shift 2
  output=$("$python" "$check" --source "$fixture/src" "$@")
  status=$?
  if [ "$status" -ne "$wanted_status" ] || [ "$output" != "$wanted_output" ]; then
    printf 'with %s: status %s, output:\n%s\nwanted status %s, output:\n%s\n' \
      "$*" "$status" "$output" "$wanted_status" "$wanted_output"
    failed=1
  fi
}

python=$1 check=$2
expect 1 'left/left.h: includes "right/right.h", which points across from left to right
low/low.h: includes "top/top.h", which points up from low to top' --table "$fixture/layers.md"
expect 2 "top: a folder missing from the layer table
left/left.h: includes \"right/right.h\", which points across from left to right" \
  --table "$fixture/layers_without_top.md"
exit $failed
