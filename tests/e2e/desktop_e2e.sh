#!/usr/bin/env bash
# The program on a real desktop, with or without a window manager: the main
# window in its normal state with its exact inner area and picture, a key
# held right after a pointer movement, the information page in front after
# the "Info!" box and centred by its outer frame, and windows destroyed by
# another client.
# Usage: desktop_e2e.sh PROGRAM RENDERER WIDTH HEIGHT
# (RW_WINDOW_MANAGER names the window manager that wm_run.sh started.)
source "$(dirname "$0")/e2e_lib.sh"
program=$1 renderer=$2 desktop_width=$3 desktop_height=$4
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))
wm=${RW_WINDOW_MANAGER:-}

# inner_geometry WINDOW: "X Y WIDTH HEIGHT" of the inner area on the screen
# (xwininfo is right under a frame, where xdotool is not).
inner_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}
maximised() { xprop -id "$1" _NET_WM_STATE | grep -q MAXIMIZED; }
hex_id() { printf '0x%x' "$1"; }
top_of_stack() { xprop -root _NET_CLIENT_LIST_STACKING | awk '{ print $NF }'; }
active_window() { xprop -root _NET_ACTIVE_WINDOW | awk '{ print $NF }'; }

export HOME="$work/home"
mkdir -p "$HOME"
start_program "$program"

# The normal state with the exact inner size, once the window manager is
# done with it (mutter maximises it while mapping it; it is restored once).
geometry=""
for _ in $(seq 50); do
  read -r area_x area_y width height < <(inner_geometry "$main_window")
  geometry="${width}x${height}"
  if [ "$geometry" = "${area_width}x${area_height}" ] && ! maximised "$main_window"; then break; fi
  sleep 0.2
done
[ "$geometry" = "${area_width}x${area_height}" ] || fail "inner area is $geometry"
maximised "$main_window" && fail "the main window is maximised"
expect_picture start "$(reference p0 0)"
sleep 1
# Still so a while later: the window manager did not take it back.
[ "$(inner_geometry "$main_window")" = "$area_x $area_y $area_width $area_height" ] ||
  fail "the inner area moved to $(inner_geometry "$main_window")"
maximised "$main_window" && fail "the main window was maximised again"

# A key pressed 50 ms after a pointer movement and held for 350 ms: the
# movement's poll makes the press's own poll too early, and no event comes
# before the release.
xdotool mousemove $((area_x + 300)) $((area_y + 300)) sleep 0.05 keydown 7 sleep 0.35 keyup 7
expect_picture key7_after_move "$(reference p7 7)"
sleep 0.3
xdotool mousemove $((area_x + 320)) $((area_y + 310)) sleep 0.05 keydown 5 sleep 0.35 keyup 5
expect_picture key5_after_move "$(reference p5 5)"

# open_page NAME: menu item 9, OK on the "Info!" box, the page.
open_page() {
  xdotool mousemove $((area_x + 200)) $((area_y + 200)) click 3
  sleep 0.5
  xdotool key 9
  wait_window '^Info!$' >/dev/null
  sleep 0.3
  xdotool key Return
  page=$(wait_window '^Infos\+Hilfe-Fenster$')
  sleep 0.5
  read -r page_x page_y page_width page_height < <(inner_geometry "$page")
  [ "${page_width}x${page_height}" = 440x380 ] || fail "page is ${page_width}x${page_height}"
}

# The page's empty middle, as the screen shows it, is the page's own
# background: one colour where the main window shows columns.
page_in_view() {
  import -window root -crop "420x270+$((page_x + 10))+$((page_y + 35))" +repage "$work/page_middle.png"
  [ "$(convert "$work/page_middle.png" -format '%k' info:)" = 1 ]
}

open_page first
for _ in $(seq 25); do page_in_view && break; sleep 0.2; done
page_in_view || fail "the page is covered"
if [ -n "$wm" ]; then
  [ "$(top_of_stack)" = "$(hex_id "$page")" ] ||
    fail "the top of the stack is $(top_of_stack), not the page $(hex_id "$page")"
  [ "$(active_window)" = "$(hex_id "$page")" ] || fail "the active window is $(active_window), not the page"
  # Centred by its outer frame, as the window manager gives it.
  read -r left right top bottom < <(xprop -id "$page" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  outer_width=$((page_width + left + right)) outer_height=$((page_height + top + bottom))
  want_x=$(((desktop_width - outer_width) / 2)) want_y=$(((desktop_height - outer_height) / 2))
  [ "$((page_x - left)),$((page_y - top))" = "$want_x,$want_y" ] ||
    fail "the page's frame is at $((page_x - left)),$((page_y - top)), not centred at $want_x,$want_y"
fi
xdotool mousemove $((page_x + 405)) $((page_y + 340)) click 1
gone '^Infos\+Hilfe-Fenster$'
expect_picture after_ok "$work/p5.png"
hold space
expect_picture space_after_page "$(reference p6 6)"

# The page destroyed by another client ends the page; the program goes on.
open_page destroyed
xdotool windowclose "$page"
gone '^Infos\+Hilfe-Fenster$'
kill -0 "$program_pid" 2>/dev/null || fail "the program ended with the page"
hold 8
expect_picture key8_after_destroyed_page "$(reference p8 8)"

# The main window destroyed by another client ends the program.
xdotool windowclose "$main_window"
expect_ended "the program runs on without its main window" 10
echo ok
