#!/usr/bin/env bash
# Configures (once) and builds the project into build/ with CMake and Ninja. Quiet when
# nothing is rebuilt: only the lines of real work (and every error) reach the terminal; the
# whole output is kept in build/build.log.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KORVATH_BUILD_DIR:-$root/build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${KORVATH_BUILD_TYPE:-RelWithDebInfo}" ${KORVATH_CMAKE_ARGS:-} >&2
fi
# What every build prints though nothing changed: ninja's "no work" and the fuzzers' sub-build
# steps, which run on every build and rebuild nothing when nothing changed.
no_work="^ninja: no work to do\.$|^\[[0-9]+/[0-9]+\] (Performing build step|No install step|Completed|No update step|No patch step|No download step|Performing configure step|No configure step)( for)? '?fuzzers'?\$|^\[[0-9]+/[0-9]+\] .*fuzzers-(build|install|done|complete)\$"
set +e
cmake --build "$build" -j"$(nproc)" 2>&1 | tee "$build/build.log" | grep --line-buffered -v -E "$no_work" >&2
status=${PIPESTATUS[0]}
set -e
exit "$status"
