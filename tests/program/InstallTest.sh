#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs from it: the menu entry
# and the icon where desktops look, an entry that validates and starts the installed program,
# the pictures at both resolutions, and a program that starts from there and keeps running past
# its splash window.
# Usage: tests/program/InstallTest.sh CMAKE BUILD_DIR
set -euo pipefail

cmake=$1
build_dir=$2
prefix=$(mktemp -d "${TMPDIR:-/tmp}/sortivale-install.XXXXXX")
program_pid=
cleanup() {
  if [[ -n $program_pid ]]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  rm -rf "$prefix"
}
trap cleanup EXIT
# Bash skips the EXIT trap when a signal ends it; exiting from the signal's trap runs it.
trap 'exit 1' HUP INT TERM

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A staging root from the caller's environment would send the files elsewhere.
unset DESTDIR
timeout 60 "$cmake" --install "$build_dir" --prefix "$prefix" >/dev/null

entry=$prefix/share/applications/sortivale.desktop
icon=$prefix/share/icons/hicolor/64x64/apps/sortivale.png
program=$prefix/bin/sortivale
[[ -f $entry ]] || fail "no desktop entry at $entry"
[[ -f $icon ]] || fail "no icon at $icon"
[[ -x $program ]] || fail "no program at $program"
for picture in Stitle.png icon2.png Question.jpg Stitle@2x.png icon2@2x.png Question@2x.jpg; do
  [[ -f $prefix/share/sortivale/$picture ]] || fail "no picture $picture in $prefix/share/sortivale"
done

command -v desktop-file-validate >/dev/null ||
  fail "desktop-file-validate is missing (tools/install-dependencies installs it)"
timeout 30 desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"

icon_name=$(sed -n 's/^Icon=//p' "$entry")
[[ $icon_name == sortivale ]] || fail "the entry's Icon is '$icon_name', not the installed icon"
# A PNG keeps its width and height, as 4-byte big-endian numbers, from byte 16 on.
icon_size=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
[[ $icon_size == "0 0 0 64 0 0 0 64" ]] || fail "the icon is not 64 by 64 pixels ($icon_size)"

command_name=$(sed -n 's/^Exec=//p' "$entry")
found=$(PATH="$prefix/bin:$PATH" command -v "$command_name" || true)
[[ $found == "$program" ]] || fail "the entry's Exec '$command_name' is not the installed program"

# The splash window closes after four seconds and the generator window opens; a program that
# failed either step would be gone by six. The outer timeout ends it even if this script dies.
QT_QPA_PLATFORM=offscreen timeout 30 "$program" &
program_pid=$!
sleep 6
kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended within six seconds"
echo "PASS: installed into $prefix; the entry validates and the program keeps running"
