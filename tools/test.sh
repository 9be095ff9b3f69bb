#!/bin/sh
# Sets everything up, builds, and runs the whole test suite; then runs it
# again in a sanitized build.
set -eu
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
ctest --test-dir build --output-on-failure -j2
./tools/test-sanitize.sh
