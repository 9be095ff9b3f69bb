#!/bin/sh
# Sets everything up, builds, and runs the main job: converts the project's
# sample icon (drawn by the build into build/sample/) into JPEG files beside it.
set -eu
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
rm -f build/sample/*.jpg
./build/tessaro -i build/sample/sample.ico
echo
echo "JPEG files written into $(pwd)/build/sample/:"
ls -l build/sample/*.jpg
