#!/usr/bin/env bash
# rasterwacht --full-screen and --monitor in an X server, with or without a
# window manager: the window covers its monitor in the full-screen state,
# the whole monitor equals the renderer's full-size picture after keys, the
# menu, the wheel and the information page, and Escape ends the program.
# Usage (inside xvfb_run.sh): full_screen_e2e.sh PROGRAM RENDERER CLOSE_TOOL WM CASE
# WM "none" or "openbox". CASE "primary": --full-screen on Xvfb's one
# monitor. CASE "second": two RandR monitors, DP-1 (1366 x 768, primary) and
# HDMI-A-1 (1920 x 1080 to its right); --monitor 1 opens the framed window
# at HDMI-A-1's corner, --monitor HDMI-A-1 --full-screen covers it, and
# DP-1's part of the screen stays untouched.
source "$(dirname "$0")/e2e_lib.sh"
program=$1 renderer=$2 close_tool=$3 wm=$4 case=$5

wm_pid=""
stop_all() {
  local status=$?
  if [ -n "$wm_pid" ]; then
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
  fi
  (exit "$status")
  keep_work_on_failure
}
trap stop_all EXIT

hint="  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)"
series_hint="  (Leertaste: nächstes Testbild, Rücktaste: voriges, rechte Maustaste: Menü)"
read -r screen_width screen_height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
case $case in
  primary)
    monitor_x=0 monitor_y=0 desktop_width=$screen_width desktop_height=$screen_height
    options=(--full-screen)
    ;;
  second)
    xrandr --setmonitor '*DP-1' 1366/338x768/270+0+0 screen
    xrandr --setmonitor HDMI-A-1 1920/480x1080/270+1366+0 none
    monitor_x=1366 monitor_y=0 desktop_width=1920 desktop_height=1080
    options=(--monitor HDMI-A-1 --full-screen)
    ;;
  *) fail "unknown case $case" ;;
esac
metrics=$(python3 -c 'import math, sys; w, h = int(sys.argv[1]), int(sys.argv[2]); g = math.gcd(w, h)
print(f"{w}*{h}, Ratio: {w // g}:{h // g}, Farbtiefe:32 Bit")' "$desktop_width" "$desktop_height")

if [ "$wm" = openbox ]; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"
fi

# start_program PROGRAM [ARG...]: starts it with these arguments, waits for
# its main window (in full screen its title names the image).
start_program() {
  "$@" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  main_window=$(timeout 20 xdotool search --sync --limit 1 --name '^Rasterwacht(, Auflösung| – )') ||
    fail "the main window did not appear: $(head -c 500 "$work/stderr")"
}

# shot FILE: the area at the chosen monitor's corner.
shot() {
  import -window root -crop "${area_width}x${area_height}+${monitor_x}+${monitor_y}" +repage "$1"
}


if [ "$case" = second ]; then
  import -window root "$work/before.png"
  # The framed window on the second monitor, by its number in the list.
  area_width=$((desktop_width - 6)) area_height=$((desktop_height - 66))
  start_program "$program" --monitor 1
  title=$(xdotool getwindowname "$main_window")
  [ "$title" = "Rasterwacht, Auflösung: $metrics$hint" ] || fail "title is '$title'"
  if [ "$wm" = none ]; then
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    [ "$X,$Y,$WIDTH,$HEIGHT" = "$monitor_x,$monitor_y,$area_width,$area_height" ] ||
      fail "framed window at $X,$Y size ${WIDTH}x$HEIGHT"
    expect_picture framed "$(reference framed 0)"
  else
    # The frame begins at the monitor's corner; the area lies just inside it.
    eval "$(xdotool getwindowgeometry --shell "$main_window")"
    [ "$X" -ge "$monitor_x" ] && [ "$X" -lt $((monitor_x + 20)) ] && [ "$Y" -ge "$monitor_y" ] &&
      [ "$Y" -lt $((monitor_y + 60)) ] || fail "framed window's area at $X,$Y"
  fi
  # Escape is no close key of the framed window.
  xdotool mousemove $((monitor_x + 300)) $((monitor_y + 300))
  xdotool key Escape
  sleep 0.5
  kill -0 "$program_pid" 2>/dev/null || fail "Escape ended the framed window"
  "$close_tool" "$main_window"
  expect_ended "close request: the program did not end"
fi

area_width=$desktop_width area_height=$desktop_height
start_program "$program" "${options[@]}"
title=$(xdotool getwindowname "$main_window")
want="Rasterwacht – Senkrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit – $metrics$series_hint"
[ "$title" = "$want" ] || fail "title is '$title', expected '$want'"
xprop -id "$main_window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
  fail "not in the full-screen state: $(xprop -id "$main_window" _NET_WM_STATE)"
expect_picture start "$(reference p0 --full-screen 0)"
eval "$(xdotool getwindowgeometry --shell "$main_window")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "$monitor_x,$monitor_y,$desktop_width,$desktop_height" ] ||
  fail "window at $X,$Y size ${WIDTH}x$HEIGHT"

xdotool mousemove $((monitor_x + 200)) $((monitor_y + 200))
sleep 0.3
hold space
expect_picture space "$(reference p1 --full-screen 1)"
hold 7
expect_picture key7 "$(reference p7 --full-screen 7)"

# The menu: a right click opens it, its mnemonic 5 chooses the rainbow; Escape
# in the menu only closes the menu.
xdotool click 3
sleep 0.5
xdotool key 5
expect_picture menu5 "$(reference p5 --full-screen 5)"
xdotool click 3
sleep 0.5
xdotool key Escape
sleep 0.5
kill -0 "$program_pid" 2>/dev/null || fail "Escape in the menu ended the program"
expect_picture menu_escape "$work/p5.png"

# The information page opens over the full-screen window and closes again.
xdotool click 3
sleep 0.5
xdotool key 9
info_box=$(timeout 10 xdotool search --sync --onlyvisible --limit 1 --name '^Info!$') || fail "no Info! box"
sleep 0.3
xdotool key Return
page=$(timeout 10 xdotool search --sync --onlyvisible --limit 1 --name '^Infos\+Hilfe-Fenster$') ||
  fail "no information page"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$page")"
[ "$X" -ge "$monitor_x" ] && [ "$X" -lt $((monitor_x + desktop_width)) ] || fail "the information page lies at $X,$Y"
xdotool mousemove $((X + 405)) $((Y + 340)) click 1
for _ in $(seq 50); do
  xdotool search --name '^Infos\+Hilfe-Fenster$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --name '^Infos\+Hilfe-Fenster$' >/dev/null 2>&1 && fail "the information page did not close"
expect_picture after_page "$work/p5.png"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended with the information page"

hold 8
expect_picture key8 "$(reference p8 --full-screen 8)"
xdotool click 4
expect_picture wheel_away "$(reference wheel_m10 --full-screen --wheel -10 8)"


if [ "$case" = second ]; then
  import -window root -crop 1366x1080+0+0 +repage "$work/left_after.png"
  convert "$work/before.png" -crop 1366x1080+0+0 +repage "$work/left_before.png"
  diff=$(differing_pixels "$work/left_after.png" "$work/left_before.png")
  [ "$diff" = 0 ] || fail "$diff pixels changed outside the chosen monitor"
fi

# Escape ends the program.
xdotool mousemove $((monitor_x + 300)) $((monitor_y + 300))
xdotool key Escape
expect_ended "Escape: the program did not end"
echo "full screen $wm $case: ok"
