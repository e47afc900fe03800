#!/usr/bin/env bash
# Compiles every Qt-free source file for Windows with MinGW (syntax and types only), so the
# cores, the plug-in and the command-line programs keep building there.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cxx=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
command -v "$cxx" >/dev/null || { echo "windows-syntax-check: $cxx not installed" >&2; exit 1; }
# assimp's headers are plain C++; reach them without the rest of /usr/include.
inc=$(mktemp -d)
trap 'rm -rf "$inc"' EXIT
ln -s /usr/include/assimp "$inc/assimp"
cd "$root"
failed=0
count=0
while read -r file; do
  count=$((count + 1))
  if ! "$cxx" -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I. -Ilandforge -Irosterdesk \
       -Iexporter -Iexporter/host -Iexporter/plugin -Iexporter/convert -I"$inc" \
       ${KORVATH_GENERATED_DIR:+-I"$KORVATH_GENERATED_DIR"} "$file"; then
    echo "windows-syntax-check: $file does not compile for Windows" >&2
    failed=1
  fi
done < <(git ls-files '*.cpp' | grep -v -E '(^|/)(tests|ui|shell|qtwindows|fuzz)/|^bench/|qt_|^common/qt/|^common/testing/' |
         xargs grep -L -E '#include <Q' )
echo "windows-syntax-check: $count files checked"
exit $failed
