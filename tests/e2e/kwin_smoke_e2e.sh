#!/usr/bin/env bash
# The real program under KWin with Breeze's decorations: its title, the
# start picture and a held key's picture equal pixel for pixel to the
# renderer's, found in KWin's screenshot of the whole output at the
# window's content, and the close request ends it with exit code 0 and
# nothing printed.
# Usage (inside kwin_run.sh): kwin_smoke_e2e.sh PROGRAM RENDERER FIND_PICTURE METRICS_TEXT
source "$(dirname "$0")/kwin_lib.sh"
program=$(install_program "$1") renderer=$2 find_picture=$3 metrics=$4
desktop_width=$KWIN_WIDTH desktop_height=$KWIN_HEIGHT scale=$KWIN_SCALE
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))

start_program "$program"
title=$(window_field "$main_window" title)
want="Rasterwacht, Auflösung: $metrics  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)"
# KWin shows a caption with each run of white space made one space.
want=$(tr -s ' ' <<<"$want")
[ "$title" = "$want" ] || fail "title is '$title', expected '$want'"

expect_picture_at_content start "$(reference p0 0)"
hold 7
expect_picture_at_content key7 "$(reference p7 7)"
close_and_expect_exit
echo "kwin smoke at $scale: ok"
