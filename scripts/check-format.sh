#!/usr/bin/env bash
# check-format.sh [BASE]: the C++ lines changed since BASE must be formatted as .clang-format
# says. BASE defaults to the commit that brought .clang-format, so every line written since is
# checked and older code is reformatted only when it is touched. Prints the needed changes and
# fails when there are any.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
formatter=$(command -v clang-format-diff-14 || command -v clang-format-diff || true)
[ -n "$formatter" ] || { echo "check-format: clang-format-diff is not installed (package clang-format)" >&2; exit 1; }
git rev-parse --git-dir >/dev/null 2>&1 || { echo "check-format: not a git checkout; nothing to compare" >&2; exit 0; }
base=${1:-$(git log --diff-filter=A --format=%H -- .clang-format | tail -n 1)}
[ -n "$base" ] || { echo "check-format: .clang-format is not committed yet" >&2; exit 1; }
binary=$(command -v clang-format-14 || command -v clang-format)
changes=$(git diff -U0 --no-color "$base" -- '*.cpp' '*.h' ':!**/corpus/**' | "$formatter" -p1 -binary "$binary")
if [ -n "$changes" ]; then
  printf '%s\n' "$changes"
  echo "check-format: the lines above, changed since ${base:0:10}, are not formatted; run" >&2
  echo "  git diff -U0 $base -- '*.cpp' '*.h' | $(basename "$formatter") -p1 -i" >&2
  exit 1
fi
echo "check-format: every C++ line changed since ${base:0:10} is formatted"
