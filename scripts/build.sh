#!/usr/bin/env bash
# Configures (once) and builds the project into build/ with CMake and Ninja.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KORVATH_BUILD_DIR:-$root/build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${KORVATH_BUILD_TYPE:-RelWithDebInfo}" ${KORVATH_CMAKE_ARGS:-} >&2
fi
cmake --build "$build" -j"$(nproc)" >&2
