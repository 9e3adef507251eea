#!/usr/bin/env bash
# On a scaled desktop the program still shows its picture 1:1: the window's
# inner area is ScreenWidth x ScreenHeight device pixels and equals the
# renderer's image pixel for pixel.
# Usage: scaled_desktop_e2e.sh PROGRAM RENDERER WIDTH HEIGHT SCALE
source "$(dirname "$0")/e2e_lib.sh"
program=$1 renderer=$2 desktop_width=$3 desktop_height=$4 scale=$5
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))

start_program "$program" QT_SCALE_FACTOR="$scale"
geometry=$(xdotool getwindowgeometry "$main_window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "${area_width}x${area_height}" ] || fail "inner area is $geometry at scale $scale"
expect_picture scaled_start "$(reference p0 0)"
echo "ok"
