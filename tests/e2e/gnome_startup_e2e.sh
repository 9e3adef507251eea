#!/usr/bin/env bash
# Starts the real program COUNT times in a row under mutter, each time
# judging the scale afresh: every start must show the right picture (the
# caption names the mode, so a size guessed before the compositor described
# its output shows), and a box only where the scale calls for one. The
# program talks with WAYLAND_DEBUG on, which slows its reading of the
# compositor's first answers and so widens any race in it; what that prints
# is set aside.
# Usage: gnome_startup_e2e.sh PROGRAM RENDERER FIND_PICTURE WIDTH HEIGHT COUNT MODE EXPECT
# MODE is "window" or "full-screen"; EXPECT "exact" (never a box) or "box"
# (the window's scale box every time, then the picture 1:1 after Return).
source "$(dirname "$0")/gnome_lib.sh"
program=$(install_program "$1") renderer=$2 finder=$3 desktop_width=$4 desktop_height=$5 count=$6 mode=$7 expect=$8
scale=$GNOME_SCALE
area_width=$((desktop_width - 6)) area_height=$((desktop_height - 66))
options=()
if [ "$mode" = full-screen ]; then
  options=(--full-screen)
  want=$(reference full0 --full-screen 0)
  height=$desktop_height
else
  want=$(reference p0 0)
  height=$area_height
fi
convert "$want" -crop "x$((height / 2))+0+$((height - height / 2))" +repage "$work/lower.png"

# shown: "x y" where the whole picture lies in a new shot, or nothing.
shown() {
  shot "$work/run.png"
  find_in_shot "$work/run.png" "$want"
}

for run in $(seq "$count"); do
  "$AS_USER" WAYLAND_DEBUG=client "$program" "${options[@]}" >"$work/stdout" 2>"$work/debug.$run" &
  program_pid=$!
  found=""
  # With a box: until the picture's lower half shows and the box covers the
  # rest (the picture may show whole for a moment before the box is up).
  for _ in $(seq 60); do
    kill -0 "$program_pid" 2>/dev/null || fail "start $run: the program ended"
    if [ "$expect" = box ]; then
      shot "$work/run.png"
      found=$(find_in_shot "$work/run.png" "$work/lower.png")
      [ -n "$found" ] && [ -z "$(find_in_shot "$work/run.png" "$want")" ] && break
      found=""
    else
      found=$(shown)
      [ -n "$found" ] && break
    fi
    sleep 0.25
  done
  [ -n "$found" ] || fail "start $run: the picture did not appear$([ "$expect" = box ] && echo " under a box"): $(cat "$work/find.log")"
  if [ "$expect" = box ]; then
    session key Return press
    session key Return release
  fi
  # A box that comes up a moment later would cover the picture: it must
  # still be whole.
  sleep 0.5
  for _ in $(seq 20); do
    found=$(shown)
    [ -n "$found" ] && break
    sleep 0.25
  done
  [ -n "$found" ] || fail "start $run: the picture is not shown whole: $(cat "$work/find.log")"
  if [ "$mode" = full-screen ]; then
    [ "$found" = "0 0" ] || fail "start $run: the full-screen picture lies at $found"
    session key Escape press
    session key Escape release
  else
    session key Alt_L press
    session key F4 press
    session key F4 release
    session key Alt_L release
  fi
  # What WAYLAND_DEBUG printed is no fault; the exit code and stdout are.
  : >"$work/stderr"
  # WAYLAND_DEBUG's flood and a busy machine slow the ending; a hang still
  # shows.
  expect_ended "start $run: the program did not end" 15
done
echo "ok: $count starts"
