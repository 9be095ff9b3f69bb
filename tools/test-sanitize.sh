#!/bin/sh
# Builds the whole project and its tests with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer in build-sanitize/ and runs
# every test there; any sanitizer report fails the run.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -G Ninja -DTESSARO_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure -j2
