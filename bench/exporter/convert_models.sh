#!/usr/bin/env bash
# Converts every model file under a folder (default the assimp-testmodels package's) with
# korvathexp-convert, each under a time limit, and prints one row per file:
# format, exit status, frames written, seconds. Exit 124 is the time limit.
#   bench/exporter/convert_models.sh [CONVERTER] [FOLDER] [SECONDS]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
convert="${1:-$root/build/exporter/korvathexp-convert}"
folder="${2:-/usr/share/assimp/models}"
limit="${3:-30}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Pictures, shaders, material and data files that come with the models are no scenes, and the
# exporter's own output formats (.3d, .uc) are no input.
skip='^(3d|uc|png|jpg|jpeg|tga|bmp|dds|pcx|gif|tif|tiff|txt|md|bin|mtl|glsl|vert|frag|skin|shader|xml|ini|cfg|zip|pk3|raw|pal|lmp|wav|h|c|cpp|py|html|htm|license|readme|lxo)$'
printf '%-8s %4s %7s %7s  %s\n' format exit frames seconds file
find "$folder" -type f | LC_ALL=C sort | while IFS= read -r file; do
  ext="${file##*.}"
  lower=$(printf '%s' "$ext" | tr 'A-Z' 'a-z')
  [[ "$file" == */* && "$ext" != "$file" ]] || continue
  [[ "$lower" =~ $skip ]] && continue
  rm -f "$work"/out*
  start=$(date +%s.%N)
  timeout "$limit" "$convert" "$file" "$work/out.3d" >"$work/stdout" 2>"$work/stderr" </dev/null
  status=$?
  end=$(date +%s.%N)
  frames=$(sed -n 's/.*the file holds \([0-9]*\)).*/\1/p' "$work/stdout")
  printf '%-8s %4d %7s %7.2f  %s\n' "$lower" "$status" "${frames:--}" "$(echo "$end - $start" | bc)" "${file#$folder/}"
  if [ "$status" -ne 0 ] && [ -n "${KORVATH_SHOW_ERRORS:-}" ]; then
    grep -v '^Exporting\|^Reading' "$work/stderr" | tail -2 | sed 's/^/         /'
  fi
done
