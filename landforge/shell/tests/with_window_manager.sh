#!/usr/bin/env bash
# with_window_manager.sh COMMAND...: runs COMMAND on an X display of its own with a small window
# manager (openbox), as a desktop user runs the program, and sets KORVATH_WINDOW_MANAGER=1 for it.
# The tests' shared display stays without one.
set -euo pipefail
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "with_window_manager: $tool is not installed (scripts/packages.txt)" >&2; exit 1; }
done
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number itself (no race with other servers starting).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "with_window_manager: Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
unset XAUTHORITY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids=("$!" "${pids[@]}")
for _ in $(seq 300); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
  echo "with_window_manager: openbox did not start on $DISPLAY:" >&2
  cat "$work/openbox.log" >&2
  exit 1
fi
KORVATH_WINDOW_MANAGER=1 "$@"
