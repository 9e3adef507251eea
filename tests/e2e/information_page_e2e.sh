#!/usr/bin/env bash
# The information page of the real program: the search's message box, the
# page with or without a version, OK, and a close request for the main
# window while the page is open.
# Usage: information_page_e2e.sh PROGRAM RENDERER CLOSE_TOOL WIDTH HEIGHT
source "$(dirname "$0")/e2e_lib.sh"
program=$1 renderer=$2 close_tool=$3 desktop_width=$4 desktop_height=$5
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))


# open_page: menu item 9, answers the "Info!" box, waits for the page.
open_page() {
  xdotool mousemove 200 200 click 3
  sleep 0.5
  xdotool key 9
  info_box=$(wait_window '^Info!$')
  sleep 0.3
  import -window "$info_box" "$work/info_box_$1.png"
  xdotool key Return
  page=$(wait_window '^Infos\+Hilfe-Fenster$')
  sleep 0.5
  local geometry
  geometry=$(xdotool getwindowgeometry "$page" | sed -n 's/.*Geometry: //p')
  [ "$geometry" = 440x380 ] || fail "page is $geometry"
}

# version_field_colours: distinct colours inside the version field, away
# from its frame, whose corners take the focus colour on the active page.
version_field_colours() {
  import -window "$page" -crop 67x9+359+14 +repage "$work/field.png"
  convert "$work/field.png" -format '%k' info:
}

press_ok() {
  eval "$(xdotool getwindowgeometry --shell "$page")"
  xdotool mousemove $((X + 405)) $((Y + 340)) click 1
  gone '^Infos\+Hilfe-Fenster$'
}

# Without the search trees: "Datei nicht gefunden!", an empty field.
export HOME="$work/home"
mkdir -p "$HOME"
start_program "$program"
expect_picture start "$(reference p0 0)"
open_page empty
[ "$(version_field_colours)" -le 2 ] || fail "the version field is not empty"
press_ok
expect_picture after_ok "$work/p0.png"
hold space
expect_picture space_after_page "$(reference p1 1)"

# A close request for the main window while the page is open closes only the page.
open_page again
"$close_tool" "$main_window"
gone '^Infos\+Hilfe-Fenster$'
kill -0 "$program_pid" 2>/dev/null || fail "the program ended"
expect_picture after_close_request "$work/p1.png"
"$close_tool" "$main_window"
wait "$program_pid" || fail "exit code $?"
program_pid=""

# With a Wine-style tree that holds a development build: its version shows.
drive_c="$work/drive_c"
mkdir -p "$drive_c/Users/Tavik/AppData/Local/Temp/build" "$HOME/.wine/dosdevices"
cp "$program" "$drive_c/Users/Tavik/AppData/Local/Temp/build/Werkbank_Compilation0.exe"
ln -s "$drive_c" "$HOME/.wine/dosdevices/c:"
start_program "$program"
open_page found
[ "$(version_field_colours)" -gt 2 ] || fail "the version field is empty"
# The two boxes differ: one names the path, the other says nothing was found.
[ "$(differing_pixels "$work/info_box_found.png" "$work/info_box_empty.png")" != 0 ] ||
  fail "the box shows the same text with and without the build"
press_ok
"$close_tool" "$main_window"
wait "$program_pid" || fail "exit code $?"
program_pid=""
[ ! -s "$work/stderr" ] || fail "the program wrote to stderr: $(head -c 500 "$work/stderr")"
echo ok
