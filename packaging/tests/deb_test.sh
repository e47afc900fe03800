#!/usr/bin/env bash
# Builds the Debian package as `cpack -G DEB` does in the build folder (here into a temporary
# folder), checks its name, its computed dependencies and that it holds exactly the files the
# install rules install, and runs lintian on it (errors fail the test; warnings are printed).
# usage: deb_test.sh BUILD_DIR VERSION
set -uo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
arch=$(dpkg --print-architecture)
deb="$work/out/korvath-toolkit_${version}_${arch}.deb"
[ -f "$deb" ] || { fail "no $(basename "$deb"): $(ls "$work/out")"; exit 1; }

echo "Package fields:"
dpkg-deb --field "$deb" Package Version Architecture Depends Section
depends=$(dpkg-deb --field "$deb" Depends)
libraries=(libc6 libstdc++6)
contents=$(dpkg-deb --contents "$deb")
[[ $contents == *"/usr/bin/rosterdesk "* || $contents == *"/usr/bin/hoardsort "* ]] && libraries+=(libqt6widgets6)
[[ $contents == *"/usr/bin/korvathexp-convert "* ]] && libraries+=(libassimp5)
for library in "${libraries[@]}"; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library (computed from the binaries): $depends"
done

# The package holds every file the install rules install under /usr, and nothing else.
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
(cd "$work/root" && find . -type f -o -type l | sed 's|^\./|/|' | sort) >"$work/installed.txt"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort >"$work/packaged.txt"
echo "Package contents:"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $1, $3, $6}'
diff "$work/installed.txt" "$work/packaged.txt" >"$work/diff.txt" || fail "package and install differ: $(cat "$work/diff.txt")"

if command -v lintian >/dev/null; then
  echo "lintian:"
  lintian --tag-display-limit 0 "$deb" | tee "$work/lintian.txt"
  grep -q '^E: ' "$work/lintian.txt" && fail "lintian reports errors"
else
  fail "lintian is not installed"
fi

[ $failures -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "package: all checks passed"
