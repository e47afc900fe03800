#!/usr/bin/env bash
# Remakes the metainfo screenshots in packaging/screenshots/ with each window program's
# --screenshot on the demo installation (Landforge's OpenGL views under xvfb-run when there is
# no display). Run it after a change to a main window, then commit the pictures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/packaging/screenshots"
x=()
if [ -z "${DISPLAY:-}" ]; then x=(xvfb-run -a -s "-screen 0 1280x1024x24"); fi
for tool in hoardsort rosterdesk landforge; do
  "${x[@]}" "$root/run" "$tool" --screenshot "$out/$tool.png"
  echo "$out/$tool.png"
done
