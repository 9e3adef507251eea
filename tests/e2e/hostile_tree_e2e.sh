#!/usr/bin/env bash
# The program-file search on a hostile tree: the development root is a link
# to "/", and a development build waits outside the tree. The "Info!" box
# must say nothing was found and appear within 1 s of the menu choice; the
# page then shows no version.
# Usage: hostile_tree_e2e.sh PROGRAM CLOSE_TOOL   (inside xvfb_run.sh)
source "$(dirname "$0")/e2e_lib.sh"
program=$1 close_tool=$2

export HOME="$work/home"
drive_c="$work/drive_c"
mkdir -p "$HOME/.wine/dosdevices" "$drive_c/Users/Tavik/AppData/Local" "$work/outside"
ln -s "$drive_c" "$HOME/.wine/dosdevices/c:"
ln -s / "$drive_c/Users/Tavik/AppData/Local/Temp"
cp "$program" "$work/outside/Werkbank_Compilation0.exe"

start_program "$program"
sleep 0.5
xdotool mousemove 200 200 click 3
sleep 0.5
start=$(date +%s%N)
xdotool key 9
box=""
while [ -z "$box" ]; do
  box=$(xdotool search --name '^Info!$' 2>/dev/null | head -1) || true
  elapsed_ms=$((($(date +%s%N) - start) / 1000000))
  [ "$elapsed_ms" -lt 1000 ] || fail "no Info! box within 1 s"
done
sleep 0.3
import -window "$box" "$work/box.png"
xdotool key Return
page=$(timeout 10 xdotool search --sync --limit 1 --name '^Infos\+Hilfe-Fenster$') || fail "no page"
sleep 0.5
# Inside the field's frame, which takes the focus colour on the active page.
import -window "$page" -crop 67x9+359+14 +repage "$work/field.png"
[ "$(convert "$work/field.png" -format '%k' info:)" -le 2 ] || fail "a version from outside the tree is shown"
"$close_tool" "$page"
sleep 0.3
"$close_tool" "$main_window"
expect_ended "the program did not end" 10
echo ok
