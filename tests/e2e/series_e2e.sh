#!/usr/bin/env bash
# The whole test series in an X server: every still image after the nine,
# started by --full-screen --pattern ID, fills the screen exactly as the
# renderer draws it and names itself in the title; SPACE, Backspace, the
# letters and the menu reach all 24 images, the two motion images after the
# warning box (Escape in it keeps the image before), their frames through
# Present equal to the renderer's below the status strip; without options
# the program keeps its nine.
# Usage (inside xvfb_run.sh): series_e2e.sh PROGRAM RENDERER CLOSE_TOOL
source "$(dirname "$0")/e2e_lib.sh"
program=$1 renderer=$2 close_tool=$3

read -r desktop_width desktop_height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
metrics=$(python3 -c 'import math, sys; w, h = int(sys.argv[1]), int(sys.argv[2]); g = math.gcd(w, h)
print(f"{w}*{h}, Ratio: {w // g}:{h // g}, Farbtiefe:32 Bit")' "$desktop_width" "$desktop_height")
series_hint="  (Leertaste: nächstes Testbild, Rücktaste: voriges, rechte Maustaste: Menü)"

ids=(white black red green blue grey black-levels white-levels gradients gamma inversion checkerboard chroma)
names=("Weiß" "Schwarz" "Rot" "Grün" "Blau" "Grau 50 %" "Schwarzwerte 1 bis 32" "Weißwerte 223 bis 254"
       "Farbverläufe" "Gamma 1,0 bis 2,6" "Inversion und Flimmern" "Schachbrett 1 Pixel" "Farbauflösung")

# start_series ARG...: starts the program with these arguments and waits for
# its window, whose title names an image of the series.
start_series() {
  "$program" "$@" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  main_window=$(timeout 20 xdotool search --sync --limit 1 --name '^Rasterwacht – ') ||
    fail "the main window did not appear: $(head -c 500 "$work/stderr")"
  xdotool mousemove 200 200
}

# expect_title NAME: the title names image NAME, within 5 s.
expect_title() {
  local want="Rasterwacht – $1 – $metrics$series_hint" title=""
  for _ in $(seq 50); do
    title=$(xdotool getwindowname "$main_window")
    [ "$title" = "$want" ] && return 0
    sleep 0.1
  done
  fail "title is '$title', expected '$want'"
}

# escape_ends: Escape ends the full-screen program quietly.
escape_ends() {
  xdotool key Escape
  expect_ended "Escape: the program did not end"
}

# menu_keys KEY...: opens the menu with a right click and types the keys.
menu_keys() {
  xdotool click 3
  sleep 0.5
  xdotool key --delay 60 "$@"
}

# close_page: answers the "Info!" box and closes the information page.
close_page() {
  wait_window '^Info!$' >/dev/null
  sleep 0.3
  xdotool key Return
  local page
  page=$(wait_window '^Infos\+Hilfe-Fenster$')
  sleep 0.3
  "$close_tool" "$page"
  gone '^Infos\+Hilfe-Fenster$'
}

repeat() { for _ in $(seq "$1"); do echo "$2"; done; }

area_width=$desktop_width area_height=$desktop_height

# Each further image by its id, in full screen.
for k in "${!ids[@]}"; do
  start_series --full-screen --pattern "${ids[k]}"
  expect_picture "shown_${ids[k]}" "$(reference "${ids[k]}" --full-screen "${ids[k]}")"
  expect_title "${names[k]}"
  escape_ends
done

# SPACE, Backspace and the letters through the series.
start_series --full-screen
expect_title "Senkrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit"
expect_picture start "$(reference p0 --full-screen 0)"
hold 8
expect_picture key_8 "$(reference p8 --full-screen 8)"
hold space
expect_picture space_after_8 "$work/white.png"
expect_title "Weiß"
hold BackSpace
expect_picture backspace_from_white "$work/p8.png"
expect_title "Monochrom-Fläche - Farbe mit Scrollrad einstellbar"
hold u
expect_picture key_u "$work/chroma.png"
hold space
answer_box Escape
sleep 0.5
expect_picture escape_keeps_chroma "$work/chroma.png"
expect_title "Farbauflösung"
hold space
answer_box Return
expect_title "Bewegung"
first=$(expect_frame motion_a motion)
sleep 0.3
second=$(expect_frame motion_b motion)
[ "$second" -gt "$first" ] || fail "motion frames $first then $second"
hold space
expect_title "Bildfolge"
expect_frame sequence frame-sequence >/dev/null
hold space
expect_picture space_after_frame_sequence "$work/p0.png"
hold BackSpace
expect_title "Bildfolge"
[ -z "$(box_up)" ] || fail "a second warning box"
hold BackSpace
expect_title "Bewegung"
hold BackSpace
expect_picture backspace_to_chroma "$work/chroma.png"
hold m
expect_picture key_m "$work/gamma.png"
hold i
expect_picture key_i "$work/inversion.png"
hold 9
sleep 0.5
expect_picture key_9_does_nothing "$work/inversion.png"

# The menu: the nine, a separator, the further fifteen, the page last.
menu_keys $(repeat 10 Down) Return
expect_picture menu_10th_item "$work/white.png"
menu_keys $(repeat 22 Down) Return
expect_picture menu_22nd_item "$work/chroma.png"
menu_keys $(repeat 9 Down) Return
expect_picture menu_9th_item "$work/p8.png"
menu_keys c
expect_picture menu_mnemonic_c "$work/black-levels.png"
menu_keys $(repeat 25 Down) Return
close_page
expect_picture after_page "$work/black-levels.png"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended with the information page"

# While frames run: the full-screen window asks a compositing manager to
# leave it alone, and the menu, digits and letters work as with still
# images; leaving the motion images takes the request back; Escape ends the
# program from a motion image.
hold l
expect_title "Bildfolge"
[ -z "$(box_up)" ] || fail "a warning box after the first motion image"
expect_frame frames_again frame-sequence >/dev/null
bypass() { xprop -id "$main_window" _NET_WM_BYPASS_COMPOSITOR; }
[ "$(bypass)" = "_NET_WM_BYPASS_COMPOSITOR(CARDINAL) = 1" ] || fail "while frames run: $(bypass)"
menu_keys $(repeat 10 Down) Return
expect_picture menu_during_frames "$work/white.png"
bypass | grep -q "not found" || fail "after the frames: $(bypass)"
hold n
expect_title "Bewegung"
hold 8
expect_picture digit_during_frames "$work/p8.png"
hold n
expect_title "Bewegung"
escape_ends

# A motion image first: Escape in the box leaves no image before it, so
# the first of the series comes.
start_series --full-screen --pattern motion
answer_box Escape
expect_picture escape_at_start "$work/p0.png"
expect_title "Senkrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit"
escape_ends

# --pattern without --full-screen: the series in the framed window.
area_width=$((desktop_width - 6)) area_height=$((desktop_height - 66))
start_series --pattern gradients
expect_title "Farbverläufe"
expect_picture window_start "$(reference window_gradients gradients)"
hold space
expect_picture window_space "$(reference window_gamma gamma)"
"$close_tool" "$main_window"
expect_ended "close request: the program did not end"

# Without options: the nine only, the page as the tenth item.
start_program "$program"
expect_picture nine_start "$(reference nine_p0 0)"
xdotool mousemove 200 200
hold w
hold BackSpace
sleep 0.5
expect_picture nine_letter_and_backspace "$work/nine_p0.png"
hold 8
expect_picture nine_key_8 "$(reference nine_p8 8)"
hold space
expect_picture nine_space_after_8 "$work/nine_p0.png"
menu_keys $(repeat 10 Down) Return
close_page
expect_picture nine_after_page "$work/nine_p0.png"
title=$(xdotool getwindowname "$main_window")
[ "$title" = "Rasterwacht, Auflösung: $metrics  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)" ] ||
  fail "title without options is '$title'"
"$close_tool" "$main_window"
expect_ended "close request: the program did not end"
echo "series: ok"
