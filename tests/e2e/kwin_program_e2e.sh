#!/usr/bin/env bash
# The real program under KWin with Breeze's decorations at a desktop scale.
# In its window: the title, the start picture and, after a held 7, pattern
# 7, each found in KWin's screenshot of the whole output at the window's
# content and equal pixel for pixel to the renderer's; then --full-screen:
# the renderer's full-size pictures at the output's corner, Escape ending
# it. Every run ends with exit code 0 and prints nothing.
# Usage (inside kwin_run.sh): kwin_program_e2e.sh PROGRAM RENDERER FIND_PICTURE METRICS_TEXT WINDOW
# WINDOW: "exact" (the whole picture 1:1) or "cut" (1:1 as far as it lies on
# the output: Breeze's title bar is taller than the room the window leaves
# for it, and KWin centres the taller window, so a few rows lie beyond the
# output's edges).
source "$(dirname "$0")/kwin_lib.sh"
program=$(install_program "$1") renderer=$2 find_picture=$3 metrics=$4 window=$5
desktop_width=$KWIN_WIDTH desktop_height=$KWIN_HEIGHT scale=$KWIN_SCALE
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))

# expect_visible NAME REFERENCE: the part of REFERENCE that lies on the
# output, at the window's content, is shown 1:1: all but its last 8 rows are
# found there in the whole shot, and what of those rows is on the output
# shows them too.
expect_visible() {
  local name=$1 reference=$2 content x y width height diff=""
  convert "$reference" -crop "${area_width}x$((area_height - 8))+0+0" +repage "$work/$name-top-left.png"
  for _ in $(seq 50); do
    output_shot "$work/$name.png"
    content=$(window_field "$main_window" content) || fail "the main window is gone"
    read -r x y <<<"$content"
    [ "$("$find_picture" "$work/$name.png" "$work/$name-top-left.png" 2>"$work/find.err")" = "$content" ] || {
      sleep 0.2
      continue
    }
    width=$((desktop_width - x < area_width ? desktop_width - x : area_width))
    height=$((desktop_height - y < area_height ? desktop_height - y : area_height))
    [ "$width" = "$area_width" ] && [ $((area_height - height)) -le 8 ] ||
      fail "$name: only ${width}x${height} of the picture lie on the output"
    convert "$work/$name.png" -crop "${width}x${height}+$x+$y" +repage "$work/$name-seen.png"
    convert "$reference" -crop "${width}x${height}+0+0" +repage "$work/$name-want.png"
    diff=$(differing_pixels "$work/$name-seen.png" "$work/$name-want.png")
    [ "$diff" = 0 ] && return 0
    sleep 0.2
  done
  fail "$name: $(basename "$reference") is not shown at the content $content (${diff:-not found})"
}

case $window in
  exact) expect() { expect_picture_at_content "$@"; } ;;
  cut) expect() { expect_visible "$@"; } ;;
  *) fail "WINDOW is exact or cut, not '$window'" ;;
esac

start_program "$program"
title=$(window_field "$main_window" title)
want="Rasterwacht, Auflösung: $metrics  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)"
# KWin shows a caption with each run of white space made one space.
want=$(tr -s ' ' <<<"$want")
[ "$title" = "$want" ] || fail "title is '$title', expected '$want'"
expect start "$(reference p0 0)"
hold 7
expect key7 "$(reference p7 7)"
close_and_expect_exit

main_window="Rasterwacht – "
area_width=$desktop_width area_height=$desktop_height
start_program "$program" --full-screen
[ "$(window_field "$main_window" full_screen)" = true ] || fail "the window is not in the full-screen state"
expect_picture_at_content full-start "$(reference full0 --full-screen 0)"
[ "$(window_field "$main_window" content)" = "0 0" ] || fail "the full-screen picture does not start at the corner"
hold 7
expect_picture_at_content full-key7 "$(reference full7 --full-screen 7)"
input key "$(key_code escape)" press
input key "$(key_code escape)" release
expect_ended "Escape did not end full screen"
echo "ok"
