#!/usr/bin/env bash
# The real program under mutter or GNOME Shell at a desktop scale. In its
# window: the start picture and, after a held 7, pattern 7, each found in the
# monitor's shot and equal pixel for pixel to the renderer's there; then
# --full-screen: the renderer's full-size pictures at the monitor's corner,
# Escape ending it. Every run ends with exit code 0 and prints nothing.
# Usage: gnome_program_e2e.sh PROGRAM RENDERER FIND_PICTURE WIDTH HEIGHT METRICS WINDOW
# WINDOW says what the window must show:
#   exact  the whole picture 1:1;
#   box    first the scale box over the picture (the window cannot be
#          promised 1:1 here), then, after Return, the picture 1:1 (bare
#          mutter's maximised window lies at the monitor's corner, on whole
#          device pixels);
#   box-only
#          the scale box, found by its title in GNOME Shell's window list;
#          the window's picture is not looked at (under the top bar it lies
#          between device pixels, as the box says);
#   cut-ROWS-COLUMNS
#          1:1 as far as it lies on the monitor, with at most ROWS rows and
#          COLUMNS columns beyond its edges: the title bar Qt draws, and
#          GNOME Shell's top bar, take more than the room the window leaves
#          for them.
source "$(dirname "$0")/gnome_lib.sh"
program=$(install_program "$1") renderer=$2 finder=$3 desktop_width=$4 desktop_height=$5 metrics=$6 window=$7
# The fonts follow the scale as the compositor has it (1.7391304 for 175 %).
scale=$GNOME_SCALE
area_width=$((desktop_width - 6)) area_height=$((desktop_height - 66))

# part REFERENCE NAME WIDTH HEIGHT [X Y]: a part of a reference picture.
part() {
  convert "$1" -crop "${3}x${4}+${5:-0}+${6:-0}" +repage "$work/$2.png" || fail "cannot crop $1"
  echo "$work/$2.png"
}

# locate NAME REFERENCE: sets at_x and at_y to where REFERENCE lies in a new
# shot NAME, within 20 s.
locate() {
  local found=""
  for _ in $(seq 40); do
    shot "$work/$1.png"
    found=$(find_in_shot "$work/$1.png" "$2")
    [ -n "$found" ] && break
    sleep 0.5
  done
  [ -n "$found" ] || fail "$1: $(basename "$2") is not in the shot: $(cat "$work/find.log")"
  read -r at_x at_y <<<"$found"
}

# expect_visible NAME REFERENCE: a new shot shows REFERENCE 1:1 at the
# content, as far as it lies on the monitor; at most CUT_ROWS rows and
# CUT_COLUMNS columns may lie beyond its edges.
expect_visible() {
  local width=$(($(identify -format %w "$2") < desktop_width - content_x ? $(identify -format %w "$2") : desktop_width - content_x))
  local height=$(($(identify -format %h "$2") < desktop_height - content_y ? $(identify -format %h "$2") : desktop_height - content_y))
  [ $((area_width - width)) -le "$CUT_COLUMNS" ] && [ $((area_height - height)) -le "$CUT_ROWS" ] ||
    fail "$1: only ${width}x${height} of the picture lie on the monitor"
  local seen expected diff
  expected=$(part "$2" "$1-visible" "$width" "$height")
  for _ in $(seq 20); do
    shot "$work/$1.png"
    seen=$(part "$work/$1.png" "$1-seen" "$width" "$height" "$content_x" "$content_y")
    diff=$(differing_pixels "$seen" "$expected")
    [ "$diff" = 0 ] && return 0
    sleep 0.3
  done
  fail "$1: $diff of the visible pixels differ from $(basename "$2")"
}

window_titled() {
  session windows | awk -F '\t' -v title="$1" '$1 == "de.rasterwacht.Rasterwacht" && $5 == title { found = 1 } END { exit !found }'
}

p0=$(reference p0 0)
p7=$(reference p7 7)
"$AS_USER" "$program" >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
case $window in
  exact)
    locate start "$p0"
    content_x=$at_x content_y=$at_y
    ;;
  cut-*)
    IFS=- read -r _ CUT_ROWS CUT_COLUMNS <<<"$window"
    # Found by the part that must lie on the monitor.
    locate start "$(part "$p0" p0-top-left $((area_width - CUT_COLUMNS)) $((area_height - CUT_ROWS)))"
    content_x=$at_x content_y=$at_y
    expect_visible start "$p0"
    ;;
  box)
    # The box covers the picture's top-left; its lower half shows where the
    # picture lies, and the whole picture must not be there yet.
    half=$((area_height / 2))
    locate start "$(part "$p0" p0-lower "$area_width" $((area_height - half)) 0 "$half")"
    content_x=$at_x content_y=$((at_y - half))
    [ -z "$(find_in_shot "$work/start.png" "$p0")" ] || fail "the picture is shown whole: no box covers it"
    session key Return press
    session key Return release
    expect_picture after-box "$p0"
    ;;
  box-only)
    for _ in $(seq 100); do
      window_titled Rasterwacht && break
      sleep 0.2
    done
    window_titled Rasterwacht || fail "no window titled Rasterwacht: $(session windows)"
    session key Return press
    session key Return release
    for _ in $(seq 50); do
      window_titled Rasterwacht || break
      sleep 0.2
    done
    window_titled Rasterwacht && fail "the box did not close on Return"
    ;;
  *) fail "WINDOW is exact, box, box-only or cut-ROWS-COLUMNS, not '$window'" ;;
esac
if [ "$GNOME_COMPOSITOR" = gnome-shell ]; then
  want="Rasterwacht, Auflösung: $metrics  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)"
  window_titled "$want" || fail "no window titled '$want': $(session windows)"
fi
hold 7
if [ -n "${CUT_ROWS:-}" ]; then
  expect_visible key7 "$p7"
elif [ "$window" != box-only ]; then
  expect_picture key7 "$p7"
fi
close_and_expect_exit

# Full screen: every pixel of the monitor, whatever the window showed.
full0=$(reference full0 --full-screen 0)
full7=$(reference full7 --full-screen 7)
"$AS_USER" "$program" --full-screen >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
locate full-start "$full0"
content_x=$at_x content_y=$at_y
[ "$content_x $content_y" = "0 0" ] || fail "the full-screen picture lies at $content_x $content_y"
hold 7
expect_picture full-key7 "$full7"
session key Escape press
session key Escape release
expect_ended "Escape did not end full screen"
echo "ok"
