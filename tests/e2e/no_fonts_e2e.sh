#!/usr/bin/env bash
# On a machine without any font the program says so in its "Fehlermeldung"
# box, goes on after OK, and shows what the renderer draws there too.
# Usage: no_fonts_e2e.sh PROGRAM RENDERER CLOSE_TOOL FONTS_CONF WIDTH HEIGHT
source "$(dirname "$0")/e2e_lib.sh"
program=$1 renderer=$2 close_tool=$3 fonts_conf=$4 desktop_width=$5 desktop_height=$6
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))
export FONTCONFIG_FILE=$fonts_conf

start_program "$program"
box=$(timeout 10 xdotool search --sync --limit 1 --name '^Fehlermeldung$') || fail "no Fehlermeldung box"
sleep 0.3
xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
expect_picture start "$(reference p0 --seed 1 0)"
hold space
expect_picture space "$(reference p1 1)"
hold 6
expect_picture small_text "$(reference p6 6)"
"$close_tool" "$main_window"
expect_ended "the program did not end" 10
echo ok
