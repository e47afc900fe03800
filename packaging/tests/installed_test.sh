#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves that tree elsewhere (an installed program
# finds its files from its own folder, never from the source or build tree) and runs every
# installed program from there: --version, a screenshot of each window program on a copy of
# the demo installation, an export through the installed plug-in; then validates the menu
# entries, the metainfo and the file types.
# usage: installed_test.sh BUILD_DIR SOURCE_DIR VERSION TOOLS(comma-separated)
set -uo pipefail
build=$1 source=$2 version=$3 tools=",$4,"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
has_tool() { [[ $tools == *",$1,"* ]]; }

cmake --install "$build" --prefix "$work/staged" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
mv "$work/staged" "$work/prefix"
prefix=$work/prefix
echo "Installed tree:"
(cd "$prefix" && find . -type f -o -type l | sort)

programs=()
has_tool hoardsort && programs+=(hoardsort)
has_tool rosterdesk && programs+=(rosterdesk rosterdesk-cli)
has_tool landforge && programs+=(landforge landforge-cli)
has_tool exporter && programs+=(korvathexp-convert)
[ ${#programs[@]} -gt 0 ] || { echo "no tools built" >&2; exit 1; }

# --version: one line on standard output, exit 0, with no display at all.
for program in "${programs[@]}"; do
  [ -x "$prefix/bin/$program" ] || { fail "bin/$program is not installed"; continue; }
  [ -f "$prefix/share/man/man1/$program.1.gz" ] || fail "no man page for $program"
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version 2>"$work/err")
  status=$?
  [ $status -eq 0 ] && [ "$out" = "$program $version" ] && [ ! -s "$work/err" ] ||
    fail "$program --version: exit $status, output '$out', errors '$(cat "$work/err")'"
done

# The window programs on a copy of the demo installation, settings in a fresh per-user folder.
cp -r "$source/demo" "$work/demo"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" KORVATH_ARENA_DIR="$work/demo"
mkdir -p "$HOME"
bin_before=$(ls "$prefix/bin")
check_png() { # FILE WHAT
  [ "$(head -c 8 "$1" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$2: no PNG written"
}
for program in hoardsort rosterdesk; do
  has_tool $program || continue
  QT_QPA_PLATFORM=offscreen "$prefix/bin/$program" --screenshot "$work/$program.png" >"$work/$program.log" 2>&1 ||
    fail "$program --screenshot: $(cat "$work/$program.log")"
  check_png "$work/$program.png" "$program --screenshot"
done
# The shipped files were found in share/ and seeded into the per-user folders.
if has_tool hoardsort; then
  cmp -s "$XDG_CONFIG_HOME/hoardsort/ula.txt" "$source/hoardsort/resources/ula.txt" || fail "hoardsort: ula.txt not seeded into ~/.config/hoardsort"
fi
if has_tool rosterdesk; then
  for shipped in int.ini pattern.ini help/index.html; do
    cmp -s "$XDG_CONFIG_HOME/rosterdesk/$shipped" "$source/rosterdesk/resources/$shipped" || fail "rosterdesk: $shipped not seeded into ~/.config/rosterdesk"
  done
fi
if has_tool landforge; then
  # OpenGL views: the X server ./test starts.
  if [ -n "${DISPLAY:-}" ]; then
    "$prefix/bin/landforge" --screenshot "$work/landforge.png" "$work/demo/Terrain/sample.lfg" >"$work/landforge.log" 2>&1 ||
      fail "landforge --screenshot: $(cat "$work/landforge.log")"
    check_png "$work/landforge.png" "landforge --screenshot"
  else
    fail "landforge --screenshot needs an X server (run under xvfb-run, as ./test does)"
  fi
  "$prefix/bin/landforge-cli" info "$work/demo/Terrain/sample.lfg" >"$work/info.txt" 2>&1 && grep -q '^width 256$' "$work/info.txt" ||
    fail "landforge-cli info: $(cat "$work/info.txt")"
fi
[ "$(ls "$prefix/bin")" = "$bin_before" ] || fail "a program wrote into bin/: $(ls "$prefix/bin" | tr '\n' ' ')"

# The converter finds the plug-in in the toolkit's library folder, and only there.
if has_tool exporter; then
  model=/usr/share/assimp/models/OBJ/box.obj
  plugin=$(cd "$prefix" && find . -name korvathexp.dle)
  [ -n "$plugin" ] || fail "korvathexp.dle is not installed"
  if [ -f "$model" ] && [ -n "$plugin" ]; then
    "$prefix/bin/korvathexp-convert" "$model" "$work/box.3d" >"$work/convert.log" 2>&1 ||
      fail "korvathexp-convert: $(cat "$work/convert.log")"
    [ -s "$work/box.3d" ] && [ -s "$work/box_a.3d" ] || fail "korvathexp-convert wrote no mesh files"
    mv "$prefix/$plugin" "$prefix/$plugin.away"
    if "$prefix/bin/korvathexp-convert" "$model" "$work/again.3d" >"$work/convert.log" 2>&1; then
      fail "korvathexp-convert exported without the installed plug-in"
    fi
    grep -q "Cannot load the plug-in" "$work/convert.log" || fail "no plug-in, but: $(cat "$work/convert.log")"
    mv "$prefix/$plugin.away" "$prefix/$plugin"
  elif [ ! -f "$model" ]; then
    fail "$model is missing (assimp-testmodels)"
  fi
fi

# Menu entries, metainfo, icons and file types.
desktop_files=("$prefix"/share/applications/*.desktop)
for window_program in hoardsort rosterdesk landforge; do
  [ -x "$prefix/bin/$window_program" ] || continue
  grep -qs "^Exec=$window_program\b" "${desktop_files[@]}" || fail "no menu entry for $window_program"
done
for entry in "${desktop_files[@]}"; do
  [ -e "$entry" ] || continue
  desktop-file-validate "$entry" || fail "desktop-file-validate $(basename "$entry")"
  id=$(basename "$entry" .desktop)
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$prefix/bin/$program" ] || fail "$id: Exec names $program, which is not installed"
  for icon in scalable/apps/$id.svg 48x48/apps/$id.png 256x256/apps/$id.png; do
    [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "$id: no icon $icon"
  done
  [ -s "$prefix/share/korvath-toolkit/$program/screenshots/$program.png" ] || fail "$id: no screenshot shipped"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate $id"
done
if [ -f "$prefix/share/mime/packages/korvath-toolkit.xml" ]; then
  update-mime-database "$prefix/share/mime" || fail "update-mime-database"
  has_tool landforge && { grep -q 'application/x-korvath-terrain:\*\.lfg' "$prefix/share/mime/globs2" || fail ".lfg is not a type"; }
  has_tool rosterdesk && { grep -q 'application/x-korvath-roster:\*\.bm' "$prefix/share/mime/globs2" || fail ".bm is not a type"; }
fi

[ $failures -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "installed programs: all checks passed"
