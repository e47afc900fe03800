#!/usr/bin/env bash
# The Windows build: cross-compiles the Qt-free programs with MinGW-w64 into build/windows and
# runs them under Wine in a private prefix (build/windows/wineprefix, no display).
#   windows-build.sh build            configure (once) and build; create the Wine prefix
#   windows-build.sh gtests           every Windows test program, one results line each
#   windows-build.sh rosterdesk-cli   catalogue, .bm and applied user.ini against the Linux build
#   windows-build.sh plugin           korvathexp.dle loaded by the scripted host, mesh files
#                                     against the Linux build
#   windows-build.sh registry         the installation folder read from Wine's registry
#   windows-build.sh all              all of the above
# Exit 0 passed, 1 failed, 77 could not run here (said on standard output).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win="${KORVATH_WINDOWS_BUILD_DIR:-$root/build/windows}"
linux="${KORVATH_LINUX_BUILD_DIR:-$root/build}"
export WINEPREFIX="$win/wineprefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
unset DISPLAY WAYLAND_DISPLAY

skip() { echo "windows: NOT RUN: $*"; exit 77; }
fail() { echo "windows: FAILED: $*"; exit 1; }

need_tools() {
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || skip "MinGW-w64 (g++-mingw-w64-x86-64-posix) is not installed"
  command -v wine >/dev/null || skip "wine is not installed (packages wine64 and wine)"
}

do_build() {
  need_tools
  if [ ! -f "$win/build.ninja" ]; then
    # -O2 as the Linux build (RelWithDebInfo) has it, without the debug information.
    cmake -S "$root" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DKORVATH_WITH_QT=OFF -DKORVATH_FUZZ=OFF "-DKORVATH_TOOLS=hoardsort;landforge;exporter;rosterdesk" \
      ${KORVATH_WINDOWS_CMAKE_ARGS:-} || fail "configure"
  fi
  cmake --build "$win" -j"$(nproc)" || fail "build"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || fail "creating the Wine prefix $WINEPREFIX"
    wineserver -w
  fi
  [ -f "$WINEPREFIX/system.reg" ] || fail "no Wine prefix at $WINEPREFIX"
  echo "windows: built $(wc -l < "$win/windows-tests.txt") test programs; Wine prefix $WINEPREFIX"
}

need_build() {
  need_tools
  [ -f "$win/windows-tests.txt" ] && [ -f "$WINEPREFIX/system.reg" ] || fail "run 'windows-build.sh build' first"
}

# wine PROGRAM ARGS...: the output with Windows line ends turned into newlines.
run_wine() { wine "$@" 2>&1 | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# Tests that cannot run under Wine at all, by test program (none at present); they are named
# as not run in the output.
declare -A linux_only=()

# One results line per test program, with GoogleTest's counts; skipped tests are named.
do_gtests() {
  need_build
  local failed=0 programs=0 total_pass=0 total_fail=0 total_skip=0
  while read -r exe; do
    [ -n "$exe" ] || continue
    programs=$((programs + 1))
    local name log
    name=$(basename "$exe")
    log="$win/wine-logs/$name.log"
    mkdir -p "$win/wine-logs"
    if [ ! -f "$exe" ]; then
      echo "windows: $name: FAILED (not built)"; failed=1; continue
    fi
    local excluded="InstallRegistry.*:${linux_only[$name]:-}"
    (cd "$(dirname "$exe")" && run_wine "$exe" --gtest_brief=1 "--gtest_filter=-$excluded") > "$log"
    local status=$? ran pass fail skip
    ran=$(sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from.*/\1/p' "$log" | tail -1)
    pass=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    skip=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) test.*/\1/p' "$log" | tail -1)
    ran=${ran:-0} pass=${pass:-0} skip=${skip:-0}
    fail=$((ran - pass - skip))
    [ -n "${linux_only[$name]:-}" ] &&
      echo "windows:   not run under Wine: ${linux_only[$name]//:/ }"
    total_pass=$((total_pass + pass)) total_fail=$((total_fail + fail)) total_skip=$((total_skip + skip))
    if [ "$status" -ne 0 ] || [ "$fail" -ne 0 ] || [ "$pass" -eq 0 ]; then
      echo "windows: $name: FAILED (exit $status): $pass passed, $fail failed, $skip skipped"
      grep -E '^\[  FAILED  \]|Failure|error' "$log" | head -40
      failed=1
    else
      echo "windows: $name: $pass passed, $fail failed, $skip skipped"
    fi
    grep -A1 ': Skipped$' "$log" | grep -v -E ': Skipped$|^--$' | sed "s/^/windows:   $name: skipped under Wine: /"
  done < "$win/windows-tests.txt"
  echo "windows: $programs test programs under Wine: $total_pass tests passed, $total_fail failed, $total_skip skipped"
  return $failed
}

# Runs the same rosterdesk-cli commands on a copy of demo/ with the Linux and the Windows
# program; every file they write must be the same bytes.
do_rosterdesk_cli() {
  need_build
  local linux_cli="$linux/rosterdesk/cli/rosterdesk-cli" win_cli="$win/rosterdesk/cli/rosterdesk-cli.exe"
  [ -x "$linux_cli" ] || skip "the Linux rosterdesk-cli is not built ($linux_cli)"
  [ -f "$win_cli" ] || fail "rosterdesk-cli.exe is not built"
  local work="$win/compare/rosterdesk"
  rm -rf "$work" && mkdir -p "$work"
  for side in linux windows; do
    mkdir -p "$work/$side" && cp -r "$root/demo" "$work/$side/game"
    local cli=("$linux_cli")
    [ "$side" = windows ] && cli=(run_wine "$win_cli")
    (
      cd "$work/$side" || exit 1
      "${cli[@]}" catalogue game > catalogue.txt || exit 1
      "${cli[@]}" capture game captured.bm --description "Demo roster" > /dev/null || exit 1
      "${cli[@]}" new fresh.bm --description "Fresh roster" > /dev/null || exit 1
      "${cli[@]}" apply fresh.bm game > /dev/null || exit 1
      "${cli[@]}" show captured.bm > shown.txt || exit 1
    ) || fail "rosterdesk-cli on $side: a command failed"
    # The catalogue names description files with the system's own separator.
    tr -d '\r' < "$work/$side/catalogue.txt" | tr '\\' / > "$work/$side/catalogue.lf"
    tr -d '\r' < "$work/$side/shown.txt" > "$work/$side/shown.lf"
  done
  local differ=0
  echo "windows: rosterdesk-cli: console output compared with LF line ends, catalogue paths with /"
  for file in catalogue.lf shown.lf captured.bm fresh.bm game/System/user.ini; do
    if cmp -s "$work/linux/$file" "$work/windows/$file"; then
      echo "windows: rosterdesk-cli: $file: same bytes ($(wc -c < "$work/windows/$file") bytes)"
    else
      echo "windows: rosterdesk-cli: $file: DIFFERS"; diff <(od -c "$work/linux/$file") <(od -c "$work/windows/$file") | head -10
      differ=1
    fi
  done
  # The backup of the replaced section exists on both sides (its name carries the date).
  local backups
  backups=$(find "$work/windows" -name '*.bm2' | wc -l)
  [ "$backups" -ge 1 ] || { echo "windows: rosterdesk-cli: no .bm2 backup written"; differ=1; }
  [ "$differ" -eq 0 ] || fail "rosterdesk-cli on Windows writes other bytes than on Linux"
  echo "windows: rosterdesk-cli: catalogue, roster files and applied user.ini the same as on Linux"
}

# The scripted host loads korvathexp.dle (a real DLL exporting the five entry functions) and
# exports the same scene as the Linux host does with korvathexp.dle there.
do_plugin() {
  need_build
  local dll="$win/exporter/korvathexp.dle" linux_host="$linux/exporter/plugin/exporter_sample_export"
  [ -f "$dll" ] || fail "korvathexp.dle is not built"
  local exports
  exports=$(x86_64-w64-mingw32-objdump -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] \(.*\)$/\1/p' | sort | tr '\n' ' ')
  echo "windows: korvathexp.dle exports: $exports"
  [ "$exports" = "CanAutoDefer LibClassDesc LibDescription LibNumberClasses LibVersion " ] ||
    fail "korvathexp.dle must export exactly its five entry functions"
  [ -x "$linux_host" ] || skip "the Linux exporter_sample_export is not built ($linux_host)"
  local work="$win/compare/plugin"
  rm -rf "$work" && mkdir -p "$work/linux" "$work/windows"
  "$linux_host" "$linux/exporter/korvathexp.dle" "$work/linux" > "$work/linux/out.txt" || fail "the Linux host's export failed"
  (cd "$work" && run_wine "$win/exporter/plugin/exporter_sample_export.exe" "$dll" windows > windows-out.txt) ||
    { cat "$work/windows-out.txt"; fail "the Windows host's export failed"; }
  mv "$work/windows-out.txt" "$work/windows/out.txt"
  local differ=0
  for file in sample_d.3d sample_a.3d out.txt; do
    if cmp -s "$work/linux/$file" "$work/windows/$file"; then
      echo "windows: korvathexp.dle: $file: same bytes ($(wc -c < "$work/windows/$file") bytes)"
    else
      echo "windows: korvathexp.dle: $file: DIFFERS"; differ=1
    fi
  done
  [ "$differ" -eq 0 ] || fail "the Windows plug-in writes other mesh files than the Linux one"
}

# Hoardsort's registry code reads the installation folder that `wine reg add` wrote: a 32-bit
# installer's key (Wow6432Node) alone, then the program's own view, which wins.
do_registry() {
  need_build
  local tests="$win/hoardsort/hoardsort_sorting_tests.exe"
  local key='HKLM\Software\Korvath Technology\Installed Apps\KorvathArena'
  [ -f "$tests" ] || fail "hoardsort_sorting_tests.exe is not built"
  wine reg delete "$key" /f /reg:64 >/dev/null 2>&1
  wine reg delete "$key" /f /reg:32 >/dev/null 2>&1
  local view folder failed=0
  for view in 32 64; do
    folder="C:\\Games\\Korvath Arena $view"
    wine reg add "$key" /v Folder /t REG_SZ /d "$folder" /f /reg:$view >/dev/null 2>&1 ||
      fail "wine reg add (view $view) failed"
    if KORVATH_REGISTRY_FOLDER="$folder" WINEDEBUG=-all run_wine "$tests" --gtest_brief=1 \
         --gtest_filter='InstallRegistry.*' > "$win/wine-logs/registry-$view.log" &&
       grep -q '^\[  PASSED  \] 1 test' "$win/wine-logs/registry-$view.log"; then
      echo "windows: registry: the folder written to the ${view}-bit view is found: $folder"
    else
      echo "windows: registry: FAILED for the ${view}-bit view"; cat "$win/wine-logs/registry-$view.log"; failed=1
    fi
  done
  wine reg delete "$key" /f /reg:64 >/dev/null 2>&1
  wine reg delete "$key" /f /reg:32 >/dev/null 2>&1
  [ "$failed" -eq 0 ] || fail "the registry lookup"
}

case "${1:-all}" in
  build) do_build ;;
  gtests) do_gtests ;;
  rosterdesk-cli) do_rosterdesk_cli ;;
  plugin) do_plugin ;;
  registry) do_registry ;;
  all) do_build && do_gtests && do_rosterdesk_cli && do_plugin && do_registry ;;
  *) echo "usage: windows-build.sh build|gtests|rosterdesk-cli|plugin|registry|all" >&2; exit 2 ;;
esac
