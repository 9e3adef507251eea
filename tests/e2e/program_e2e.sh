#!/usr/bin/env bash
# The real program in an X server, driven by xdotool and checked from
# screenshots against the renderer's pictures.
# Usage: program_e2e.sh PROGRAM RENDERER CLOSE_TOOL WIDTH HEIGHT METRICS_TEXT
source "$(dirname "$0")/e2e_lib.sh"
program=$1 renderer=$2 close_tool=$3 desktop_width=$4 desktop_height=$5 metrics=$6
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))

start_program "$program"

title=$(xdotool getwindowname "$main_window")
want="Rasterwacht, Auflösung: $metrics  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)"
[ "$title" = "$want" ] || fail "title is '$title', expected '$want'"

geometry=$(xdotool getwindowgeometry "$main_window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "${area_width}x${area_height}" ] || fail "inner area is $geometry"

expect_picture start "$(reference p0 0)"
xdotool mousemove 200 200
sleep 0.3

hold space
expect_picture space "$(reference p1 1)"

hold 7
expect_picture key7 "$(reference p7 7)"

hold 8
expect_picture key8 "$(reference p8 8)"

hold space
expect_picture space_after_8 "$work/p0.png"

hold 9
sleep 0.5
expect_picture key9_does_nothing "$work/p0.png"

# The menu: a right click opens it, its mnemonic 5 chooses the rainbow.
xdotool click 3
sleep 0.5
xdotool key 5
expect_picture menu5 "$(reference p5 5)"

xdotool click 3
sleep 0.5
xdotool key Escape
sleep 0.5
expect_picture menu_escape "$work/p5.png"

# The wheel turns the one-colour area by 10 steps a notch: away from the
# user (button 4) toward negative positions.
hold 8
expect_picture wheel_start "$work/p8.png"
xdotool click 4
expect_picture wheel_away "$(reference wheel_m10 --wheel -10 8)"
xdotool click 5 sleep 0.2 click 5
expect_picture wheel_toward "$(reference wheel_p10 --wheel 10 8)"

# A close request ends the program with exit code 0.
"$close_tool" "$main_window"
expect_ended "the program did not end on the close request"
echo "ok"
