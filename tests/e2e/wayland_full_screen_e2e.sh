#!/usr/bin/env bash
# rasterwacht --full-screen under a Wayland compositor: the window is full
# screen on its output, its title names the image, the whole output, every pixel, equals the
# renderer's full-size picture at the output's scale, and Escape ends the
# program with exit code 0 and nothing printed.
# Usage (inside sway_run.sh): wayland_full_screen_e2e.sh PROGRAM RENDERER WIDTH HEIGHT SCALE CASE
# CASE "one": --full-screen on the one output. CASE "second": a second
# output HEADLESS-2 of 1280 x 720 at scale 2 right of the first; the
# monitor list gives both with their modes and scales, and --monitor
# HEADLESS-2 --full-screen describes and covers that one.
source "$(dirname "$0")/wayland_lib.sh"
program=$(install_program "$1") renderer=$2 desktop_width=$3 desktop_height=$4 scale=$5 case=$6
output=HEADLESS-1
options=(--full-screen)
first_width=$desktop_width first_height=$desktop_height first_scale=$scale

# A second output right of the first. sway draws the pointer into the
# picture of the output it is on, and the whole output is compared: the
# pointer rests on the output that is not under test, and keyboard focus
# does not follow it there.
logical() { python3 -c "import sys; print(round(int(sys.argv[1]) / float(sys.argv[2])))" "$1" "$2"; }
first_logical_width=$(logical "$first_width" "$first_scale")
first_logical_height=$(logical "$first_height" "$first_scale")
if [ "$case" = second ]; then
  second_mode=1280x720 second_scale=2 second_logical_width=640 second_logical_height=360
else
  second_mode=640x480 second_scale=1 second_logical_width=640 second_logical_height=480
fi
"$AS_USER" swaymsg -q create_output || fail "cannot create a second output"
# Without a position of its own, sway would move HEADLESS-1 right of the new one.
"$AS_USER" swaymsg -q output HEADLESS-1 position 0 0 || fail "cannot place HEADLESS-1"
"$AS_USER" swaymsg -q output HEADLESS-2 resolution "$second_mode" position "$first_logical_width" 0 scale "$second_scale" ||
  fail "cannot set up HEADLESS-2"
"$AS_USER" swaymsg -q focus_follows_mouse no || fail "cannot keep the focus"
layout_width=$((first_logical_width + second_logical_width))
layout_height=$((first_logical_height > second_logical_height ? first_logical_height : second_logical_height))
sleep 0.5

if [ "$case" = second ]; then
  # The list: the true modes and scales, the first output primary.
  "$AS_USER" "$program" --monitors --json >"$work/list.json" 2>"$work/list.err" || fail "--monitors: $(cat "$work/list.err")"
  [ ! -s "$work/list.err" ] || fail "--monitors wrote to stderr: $(cat "$work/list.err")"
  want="HEADLESS-1 true ${first_width} $first_height $first_scale|HEADLESS-2 false 1280 720 2"
  got=$(python3 -c '
import json, sys
items = json.load(open(sys.argv[1]))
print("|".join("%s %s %d %d %g" % (m["connector"], str(m["primary"]).lower(), m["width"], m["height"], m["scale"])
               for m in items))' "$work/list.json")
  [ "$got" = "$want" ] || fail "monitor list '$got', expected '$want'"
  output=HEADLESS-2 desktop_width=1280 desktop_height=720 scale=2
  options=(--monitor HEADLESS-2 --full-screen)
  park_x=10 output_x=$first_logical_width
else
  park_x=$((first_logical_width + 10)) output_x=0
fi

# park: the pointer off the output under test.
park() { pointer move "$park_x" 10 "$layout_width" "$layout_height"; }

park
area_width=$desktop_width area_height=$desktop_height
metrics=$(python3 -c 'import math, sys; w, h = int(sys.argv[1]), int(sys.argv[2]); g = math.gcd(w, h)
print(f"{w}*{h}, Ratio: {w // g}:{h // g}, Farbtiefe:32 Bit")' "$desktop_width" "$desktop_height")

# start_program PROGRAM [ARG...]: starts it in the session with these
# arguments and waits for its main window.
start_program() {
  "$AS_USER" "$@" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  for _ in $(seq 100); do
    window_field "Rasterwacht – " title >/dev/null && return 0
    sleep 0.1
  done
  fail "the main window did not appear: $(head -c 500 "$work/stderr")"
}

# shot FILE: the whole chosen output.
shot() {
  "$AS_USER" grim -o "$output" "$work/shots/output.png" || fail "grim failed"
  cp "$work/shots/output.png" "$1"
}

start_program "$program" "${options[@]}"
# sway gives the keyboard to a window that opens on an output without the
# focus only when it is clicked, as a user would.
if [ "$case" = second ]; then
  pointer move $((output_x + 40)) 40 "$layout_width" "$layout_height"
  pointer button 272 press
  pointer button 272 release
  park
fi
title=$(window_field "Rasterwacht – " title)
want="Rasterwacht – Senkrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit – $metrics  (Leertaste: nächstes Testbild, Rücktaste: voriges, rechte Maustaste: Menü)"
[ "$title" = "$want" ] || fail "title is '$title', expected '$want'"
expect_picture start "$(reference p0 --full-screen 0)"
# full_screen: sway's own word that the main window is full screen.
full_screen() {
  "$AS_USER" swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("name", "").startswith("Rasterwacht – ") and node.get("fullscreen_mode") == 1:
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)'
}
full_screen || fail "sway does not show the window full screen"

# Keys and the wheel act as in the window.
hold space
expect_picture space "$(reference p1 --full-screen 1)"
hold 8
expect_picture key8 "$(reference p8 --full-screen 8)"
pointer move $((output_x + 40)) 40 "$layout_width" "$layout_height"
pointer wheel -1
park
expect_picture wheel_away "$(reference wheel_m10 --full-screen --wheel -10 8)"

# The menu: a right click opens it, its mnemonic 5 chooses the rainbow.
right_click() {
  pointer move $((output_x + 40)) 40 "$layout_width" "$layout_height"
  pointer button 273 press
  pointer button 273 release
  sleep 0.5
}
right_click
"$AS_USER" wtype 5
park
expect_picture menu5 "$(reference p5 --full-screen 5)"

# The information page opens in front of the full-screen window and closes
# again.
right_click
"$AS_USER" wtype 9
wait_for "Info!"
# sway 1.7 leaves the keyboard with the full-screen window, and its pointer
# finds the page under the box: the box is focused by a command.
"$AS_USER" swaymsg -q '[title="^Info!$"] focus'
for _ in $(seq 10); do
  "$AS_USER" wtype -k Return
  sleep 0.5
  window_size "Info!" >/dev/null || break
done
window_size "Info!" >/dev/null && fail "the Info! box did not close on Return"
wait_for "Infos+Hilfe-Fenster"
# In front: the window stays full screen, and the output shows the page.
full_screen || fail "the window left full screen for the information page"
for _ in $(seq 20); do
  shot "$work/page.png"
  [ "$(differing_pixels "$work/page.png" "$work/p5.png")" != 0 ] && break
  sleep 0.2
done
[ "$(differing_pixels "$work/page.png" "$work/p5.png")" != 0 ] || fail "the information page is not in front"
"$AS_USER" swaymsg -q '[title="^Infos\+Hilfe-Fenster$"] kill'
for _ in $(seq 50); do window_size "Infos+Hilfe-Fenster" >/dev/null || break; sleep 0.1; done
window_size "Infos+Hilfe-Fenster" >/dev/null && fail "the information page did not close"
park
expect_picture after_page "$work/p5.png"

# Escape ends the program.
"$AS_USER" wtype -k Escape
expect_ended "Escape: the program did not end"
echo "wayland full screen $case at $5: ok"
