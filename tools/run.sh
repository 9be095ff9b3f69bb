#!/bin/sh
# Sets everything up, builds, and runs the main job.
set -eu
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
./build/tessaro -v
./build/tessaro -h
