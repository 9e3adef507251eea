#!/usr/bin/env bash
# The images of the series in which a single resampled pixel shows, full
# screen under a Wayland compositor at a fractional scale: the whole output,
# every pixel, equals the renderer's picture. The letters and Backspace
# reach them as on X11.
# Usage (inside sway_run.sh): wayland_series_e2e.sh PROGRAM RENDERER WIDTH HEIGHT SCALE
source "$(dirname "$0")/wayland_lib.sh"
program=$(install_program "$1") renderer=$2 desktop_width=$3 desktop_height=$4 scale=$5
area_width=$desktop_width area_height=$desktop_height

# sway draws the pointer into the picture of the output it is on: it rests
# on a second output, right of the one under test, which keeps the focus.
logical_width=$(python3 -c "import sys; print(round(int(sys.argv[1]) / float(sys.argv[2])))" "$desktop_width" "$scale")
logical_height=$(python3 -c "import sys; print(round(int(sys.argv[1]) / float(sys.argv[2])))" "$desktop_height" "$scale")
"$AS_USER" swaymsg -q create_output || fail "cannot create a second output"
"$AS_USER" swaymsg -q output HEADLESS-1 position 0 0 || fail "cannot place HEADLESS-1"
"$AS_USER" swaymsg -q output HEADLESS-2 resolution 640x480 position "$logical_width" 0 scale 1 ||
  fail "cannot set up HEADLESS-2"
"$AS_USER" swaymsg -q focus_follows_mouse no || fail "cannot keep the focus"
pointer move $((logical_width + 10)) 10 $((logical_width + 640)) "$logical_height"
sleep 0.5

# shot FILE: the whole output under test.
shot() {
  "$AS_USER" grim -o HEADLESS-1 "$work/shots/output.png" || fail "grim failed"
  cp "$work/shots/output.png" "$1"
}

# start_series ARG...: starts the program in the session and waits for its
# window, whose title names an image of the series.
start_series() {
  "$AS_USER" "$program" "$@" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  for _ in $(seq 300); do
    window_field "Rasterwacht – " title >/dev/null && return 0
    sleep 0.1
  done
  fail "the main window did not appear: $(head -c 500 "$work/stderr")"
}

start_series --full-screen --pattern checkerboard
expect_picture shown_checkerboard "$(reference checkerboard --full-screen checkerboard)"
title=$(window_field "Rasterwacht – " title)
[ "${title%% – 1920*}" = "Rasterwacht – Schachbrett 1 Pixel" ] || fail "title is '$title'"
hold i
expect_picture key_i "$(reference inversion --full-screen inversion)"
hold BackSpace
expect_picture backspace "$(reference gamma --full-screen gamma)"
"$AS_USER" wtype -k Escape
expect_ended "Escape: the program did not end"
echo "wayland series at $scale: ok"
