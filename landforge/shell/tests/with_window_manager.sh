#!/usr/bin/env bash
# with_window_manager.sh COMMAND...: runs COMMAND on a display of its own with a small window
# manager (openbox), as a desktop user runs the program, and sets KORVATH_WINDOW_MANAGER=1 for it.
# The tests' shared display stays without one.
set -euo pipefail
if [ -z "${KORVATH_WM_INNER:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env KORVATH_WM_INNER=1 "$0" "$@"
fi
command -v openbox >/dev/null || { echo "with_window_manager: openbox is not installed (scripts/packages.txt)" >&2; exit 1; }
log=$(mktemp)
openbox --sm-disable >"$log" 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; then
  echo "with_window_manager: openbox did not start on $DISPLAY:" >&2
  cat "$log" >&2
  exit 1
fi
KORVATH_WINDOW_MANAGER=1 "$@"
