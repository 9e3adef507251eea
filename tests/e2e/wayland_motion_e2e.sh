#!/usr/bin/env bash
# The motion images full screen under a Wayland compositor: the warning box
# once, before the first of them; shots of both, below the status strip,
# equal the renderer's frame n for the mode's rate, and consecutive shots of
# motion show increasing n; SPACE wraps from frame-sequence to the first
# image, Backspace goes back without a box, Escape ends the program.
# Usage (inside sway_run.sh): wayland_motion_e2e.sh PROGRAM RENDERER WIDTH HEIGHT SCALE
source "$(dirname "$0")/wayland_lib.sh"
program=$(install_program "$1") renderer=$2 desktop_width=$3 desktop_height=$4 scale=$5
area_width=$desktop_width area_height=$desktop_height
frame_of=$(dirname "$0")/motion_frame.py

rate=$("$AS_USER" swaymsg -t get_outputs | python3 -c '
import json, sys
mode = [o for o in json.load(sys.stdin) if o["name"] == "HEADLESS-1"][0]["current_mode"]
print("%g" % (mode["refresh"] / 1000))')

# The pointer rests on a second output, which keeps the focus.
logical_width=$(python3 -c "import sys; print(round(int(sys.argv[1]) / float(sys.argv[2])))" "$desktop_width" "$scale")
logical_height=$(python3 -c "import sys; print(round(int(sys.argv[1]) / float(sys.argv[2])))" "$desktop_height" "$scale")
"$AS_USER" swaymsg -q create_output || fail "cannot create a second output"
"$AS_USER" swaymsg -q output HEADLESS-1 position 0 0 || fail "cannot place HEADLESS-1"
"$AS_USER" swaymsg -q output HEADLESS-2 resolution 640x480 position "$logical_width" 0 scale 1 ||
  fail "cannot set up HEADLESS-2"
"$AS_USER" swaymsg -q focus_follows_mouse no || fail "cannot keep the focus"
# Focusing the box by a command would bring the pointer along into the shots.
"$AS_USER" swaymsg -q mouse_warping none || fail "cannot keep the pointer"
pointer move $((logical_width + 10)) 10 $((logical_width + 640)) "$logical_height"
sleep 0.5

shot() {
  "$AS_USER" grim -o HEADLESS-1 "$work/shots/output.png" || fail "grim failed"
  cp "$work/shots/output.png" "$1"
}

# below_strip FILE OUT: the rows under the status strip.
below_strip() {
  convert "$1" -crop "${area_width}x$((area_height - 30))+0+30" +repage "$2"
}

# expect_frame NAME ID: a shot of image ID equals, below the strip, the
# renderer's frame n at the mode's rate; prints n.
expect_frame() {
  local name=$1 id=$2 n diff
  shot "$work/$name.png"
  n=$("$frame_of" "$work/$name.png" "$id" "$area_width" "$area_height" "$rate") ||
    fail "$name: no frame of $id: $n"
  reference "${name}_frame" --full-screen --refresh "$rate" --frame "$n" "$id" >/dev/null
  below_strip "$work/$name.png" "$work/${name}_below.png"
  below_strip "$work/${name}_frame.png" "$work/${name}_frame_below.png"
  diff=$(differing_pixels "$work/${name}_below.png" "$work/${name}_frame_below.png")
  [ "$diff" = 0 ] || fail "$name: $diff pixels differ from frame $n of $id"
  # The strip carries the status text.
  convert "$work/$name.png" -crop "${area_width}x30+0+0" +repage "$work/${name}_strip.png"
  [ "$(convert "$work/${name}_strip.png" -format '%[fx:maxima.r]' info:)" != 0 ] || fail "$name: the status strip is empty"
  echo "$n"
}

box_shown() { window_size "Rasterwacht" >/dev/null; }

# confirm_box: the warning box is up; sway 1.7 keeps the keyboard with the
# full-screen window, so the box is focused by a command, then OK by Return.
confirm_box() {
  for _ in $(seq 100); do box_shown && break; sleep 0.1; done
  box_shown || fail "no warning box"
  "$AS_USER" swaymsg -q '[title="^Rasterwacht$"] focus'
  for _ in $(seq 10); do
    "$AS_USER" wtype -k Return
    sleep 0.5
    box_shown || return 0
  done
  fail "the warning box did not close on Return"
}

"$AS_USER" "$program" --full-screen --pattern chroma >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
for _ in $(seq 300); do
  window_field "Rasterwacht – " title >/dev/null && break
  sleep 0.1
done
expect_picture chroma "$(reference chroma --full-screen chroma)"
hold n
confirm_box
title=$(window_field "Rasterwacht – " title)
[ "${title%% – ${desktop_width}*}" = "Rasterwacht – Bewegung" ] || fail "title is '$title'"
first=$(expect_frame motion_a motion)
sleep 0.4
second=$(expect_frame motion_b motion)
[ "$second" -gt "$first" ] || fail "frames $first then $second: the motion does not go on"

hold l
sleep 1
box_shown && fail "a second warning box"
expect_frame sequence_a frame-sequence >/dev/null
sleep 0.3
expect_frame sequence_b frame-sequence >/dev/null
[ "$(differing_pixels "$work/sequence_a.png" "$work/sequence_b.png")" != 0 ] || fail "frame-sequence stands still"

hold space
expect_picture wrapped "$(reference p0 --full-screen 0)"
hold BackSpace
sleep 1
box_shown && fail "a warning box on the way back"
expect_frame back frame-sequence >/dev/null
"$AS_USER" wtype -k Escape
expect_ended "Escape: the program did not end"
echo "wayland motion at $scale, $rate Hz: frames $first and $second, ok"
