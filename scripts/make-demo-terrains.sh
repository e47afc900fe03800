#!/usr/bin/env bash
# Writes the sample terrains under demo/Terrain/ with landforge-cli (built in build/ or $1).
# The README's Landforge section lists the same command lines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cli="${1:-$root/build/landforge/landforge-cli}"
out="$root/demo/Terrain"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Rough hills: a lower dampening keeps more of each level's displacement.
"$cli" generate --seed 7 --dampening 1.8 -o "$out/hills.lfg"

# The same hills worn down: slopes settle, then rain cuts gullies and fills hollows.
"$cli" erode "$out/hills.lfg" -o "$work/settled.lfg" --thermal --iterations 50
"$cli" erode "$work/settled.lfg" -o "$out/eroded-hills.lfg" --hydraulic --iterations 50000 --seed 1

# A valley for a level: a trench across the middle, its walls slid to a slope, then rained on.
"$cli" generate --seed 7 -o "$work/plain.lfg"
"$cli" raise-lower "$work/plain.lfg" -o "$work/trench.lfg" --lower --to 70 --view 0,112,256,32
"$cli" erode "$work/trench.lfg" -o "$work/sloped.lfg" --thermal --iterations 300 --talus 25
"$cli" erode "$work/sloped.lfg" -o "$out/valley.lfg" --hydraulic --iterations 60000 --seed 7
