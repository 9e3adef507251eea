#!/usr/bin/env bash
# The real program under a Wayland compositor at a desktop scale: title,
# start picture, a held key, the wheel and the close request, each picture
# equal pixel for pixel to the renderer's at the window's content.
# Usage: wayland_program_e2e.sh PROGRAM RENDERER WIDTH HEIGHT SCALE METRICS_TEXT
source "$(dirname "$0")/wayland_lib.sh"
program=$(install_program "$1") renderer=$2 desktop_width=$3 desktop_height=$4 scale=$5 metrics=$6
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))

start_program "$program"
title=$(window_field "Rasterwacht, Auflösung" title)
want="Rasterwacht, Auflösung: $metrics  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)"
[ "$title" = "$want" ] || fail "title is '$title', expected '$want'"

expect_picture start "$(reference p0 0)"
hold 7
expect_picture key7 "$(reference p7 7)"
hold 8
expect_picture key8 "$(reference p8 8)"
wheel_away 2
expect_picture wheel_away "$(reference wheel_m20 --wheel -20 8)"
close_and_expect_exit
echo "ok"
