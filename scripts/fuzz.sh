#!/usr/bin/env bash
# A longer fuzzing campaign: runs every fuzz target (or the ones named) for SECONDS each
# (default 60), from the build's corpus folder and the repository's seed folder, and prints
# executions, speed, coverage and crashes per target. Needs a build with KORVATH_FUZZ=ON
# (./scripts/build.sh builds the fuzzers into build/fuzz-build). Inputs that crash are kept in
# build/fuzz-artifacts/TARGET/. Exit status 1 when any target crashed.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KORVATH_BUILD_DIR:-$root/build}"
seconds=60
if [[ $# -gt 0 && $1 =~ ^[0-9]+$ ]]; then seconds=$1; shift; fi
list="$build/fuzz-targets.txt"
if [ ! -s "$list" ]; then
  echo "fuzz.sh: no fuzz targets in $build: configure with -DKORVATH_FUZZ=ON and build first" >&2
  exit 2
fi
logs="$build/fuzz-logs"
mkdir -p "$logs"
printf '%-32s %8s %12s %9s %7s %8s %8s %8s\n' target seconds executions exec/s cov features corpus crashes
crashed=0
while IFS=$'\t' read -r name binary corpus seeds maxlen; do
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  if [ ! -x "$binary" ]; then
    printf '%-32s not built (%s)\n' "$name" "$binary"
    crashed=1
    continue
  fi
  artifacts="$build/fuzz-artifacts/$name"
  mkdir -p "$corpus" "$artifacts"
  args=(-max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/")
  [ -n "$maxlen" ] && args+=(-max_len="$maxlen")
  dirs=("$corpus")
  [ -n "$seeds" ] && dirs+=("$seeds")
  log="$logs/$name.log"
  start=$(date +%s.%N)
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$binary" "${args[@]}" "${dirs[@]}" >"$log" 2>&1
  status=$?
  elapsed=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')
  runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  cov=$(grep -o ' cov: [0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  ft=$(grep -o ' ft: [0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
  files=$(find "$corpus" -type f | wc -l)
  crashes=0
  if [ "$status" -ne 0 ]; then
    crashes=$(find "$artifacts" -type f | wc -l)
    [ "$crashes" -eq 0 ] && crashes=1
    crashed=1
  fi
  speed=$(awk -v n="${runs:-0}" -v t="$elapsed" 'BEGIN { s = 0; if (t > 0) s = n / t; printf "%d", s }')
  printf '%-32s %8.0f %12s %9s %7s %8s %8s %8s\n' "$name" "$elapsed" "${runs:-?}" "$speed" "${cov:-?}" "${ft:-?}" \
    "$files" "$crashes"
  [ "$status" -ne 0 ] && echo "  $name failed (exit $status): see $log and $artifacts/"
done <"$list"
exit $crashed
