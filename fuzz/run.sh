#!/bin/sh
# Builds one fuzz target with clang and runs it for a given time:
#   fuzz/run.sh TARGET SECONDS [libFuzzer options...]
# New inputs go to build-fuzz/corpus/TARGET/ (kept between runs, not in the
# repository); the committed seeds in fuzz/corpus/TARGET/ are read as well.
# Findings land in build-fuzz/findings/. The target runs as one process
# without -jobs or -workers, so the machine's other work keeps a core and the
# time given is that process's own.
set -eu
if [ $# -lt 2 ]; then
  echo "usage: $0 TARGET SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
cd "$(dirname "$0")/.."
build=${TESSARO_FUZZ_BUILD:-build-fuzz}

# The build's own run-TARGET targets have built the target already.
if [ -z "${TESSARO_FUZZ_BUILT:-}" ]; then
  if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DTESSARO_FUZZ=ON \
      -DTESSARO_TESTS=OFF -DTESSARO_WINDOW_MODE=OFF
  fi
  cmake --build "$build" -j2 --target "$target"
fi

corpus="$build/corpus/$target"
findings="$build/findings/$target/"
mkdir -p "$corpus" "$findings"
seeds="fuzz/corpus/$target"
[ -d "$seeds" ] || seeds=

# Libraries keep some allocations on purpose until the process ends.
export LSAN_OPTIONS="suppressions=$(pwd)/tools/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# The largest pages the icon check lets through take seconds under the
# sanitizers on a busy machine; the timeout is meant for loops that never end.
# shellcheck disable=SC2086
exec "$build/$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2560 -print_final_stats=1 \
  -artifact_prefix="$findings" "$@" "$corpus" $seeds
