#!/usr/bin/env bash
# Runs the README's examples as written, from the repository's root: every indented line that
# calls ./run (the synopsis "./run [TOOL] ..." aside). An example ends with 0 unless its line
# ends in "# exit N". Paths under /tmp an example names are removed first, as on a fresh
# machine. Indented lines that name a built program (build/...) must name one that exists.
# usage: readme-examples.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
root=$1 build=$2
cd "$root"
export KORVATH_BUILD_DIR="$build"
failures=0 count=0
while IFS= read -r line; do
  command=${line#    }
  case "$command" in
    *'./run ['*) continue ;;  # the synopsis
    *'./run '*) ;;
    build/*)
      program=${command%% *}
      [ -x "$build/${program#build/}" ] || { echo "FAIL: README names $program, which the build does not make" >&2; failures=$((failures + 1)); }
      continue ;;
    *) continue ;;
  esac
  expected=0
  if [[ $command =~ \#\ exit\ ([0-9]+)[^#]*$ ]]; then expected=${BASH_REMATCH[1]}; fi
  for path in $(grep -o -E '(^| )/tmp/[^ ]+' <<<"${command%%#*}"); do rm -rf "$path"; done
  count=$((count + 1))
  output=$(bash -c "$command" 2>&1 </dev/null)
  status=$?
  if [ "$status" -ne "$expected" ]; then
    echo "FAIL: '$command' ended with $status, not $expected:" >&2
    echo "$output" >&2
    failures=$((failures + 1))
  else
    echo "ok ($status): $command"
  fi
done < <(grep -E '^    ' README.md)
[ "$count" -gt 0 ] || { echo "FAIL: no examples found in README.md" >&2; exit 1; }
[ "$failures" -eq 0 ] || exit 1
echo "$count README examples ran as written"
