#!/usr/bin/env bash
# The real program under mutter or GNOME Shell: its start picture found in
# the monitor's shot and equal pixel for pixel to the renderer's, a held 7
# showing pattern 7 at the same place, the close request ending it with exit
# code 0 and nothing printed.
# Usage: gnome_smoke_e2e.sh PROGRAM RENDERER FIND_PICTURE WIDTH HEIGHT SCALE
source "$(dirname "$0")/gnome_lib.sh"
program=$(install_program "$1") renderer=$2 finder=$3 desktop_width=$4 desktop_height=$5 scale=$6

start_program "$(reference p0 0)" "$program"
hold 7
expect_picture key7 "$(reference p7 7)"
close_and_expect_exit
echo "ok"
