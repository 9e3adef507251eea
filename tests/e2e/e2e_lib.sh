# Shared steps of the end-to-end tests; sourced by the test scripts, which
# run inside xvfb_run.sh (a private X server without a window manager, so
# the main window's inner area starts at the screen's top-left pixel).
source "$(dirname "${BASH_SOURCE[0]}")/shared_lib.sh"

# start_program PROGRAM [ENV=VALUE...]: starts it, waits for its main window.
start_program() {
  local program=$1
  shift
  env "$@" "$program" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  main_window=$(timeout 20 xdotool search --sync --limit 1 --name '^Rasterwacht, Auflösung') ||
    fail "the main window did not appear"
}

# shot FILE: the drawing area (ScreenWidth x ScreenHeight at the top-left,
# or at area_x, area_y where a frame moves the inner area).
shot() {
  import -window root -crop "${area_width}x${area_height}+${area_x:-0}+${area_y:-0}" +repage "$1"
}


# reference NAME RENDER_ARGS...: renders a picture as the program must show it.
reference() {
  local name=$1
  shift
  "$renderer" --desktop "${desktop_width}x${desktop_height}" "$@" "$work/$name.png" ||
    fail "rasterwacht-render $* failed"
  echo "$work/$name.png"
}

# hold KEY: held across at least one keyboard poll of the program.
hold() {
  xdotool keydown "$1" sleep 0.3 keyup "$1"
  sleep 0.3
}

# wait_window NAME: the id of the first window whose name matches NAME,
# within 10 s.
wait_window() {
  timeout 10 xdotool search --sync --limit 1 --name "$1" || fail "no window named $1"
}

# gone NAME: no window's name matches NAME any more, within 5 s.
gone() {
  for _ in $(seq 50); do
    xdotool search --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window $1 is still open"
}

frame_of=$(dirname "${BASH_SOURCE[0]}")/motion_frame.py

# answer_box KEY: the warning box is up; KEY (Return or Escape) answers it,
# typed with the pointer over the box, which has the keyboard then.
# Qt's hidden leader window bears the same name.
box_up() { xdotool search --onlyvisible --name '^Rasterwacht$' 2>/dev/null | head -1; }
answer_box() {
  local box=""
  for _ in $(seq 50); do
    box=$(box_up)
    [ -n "$box" ] && break
    sleep 0.2
  done
  [ -n "$box" ] || fail "no warning box"
  eval "$(xdotool getwindowgeometry --shell "$box")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
  sleep 0.3
  xdotool key "$1"
  for _ in $(seq 50); do
    [ -z "$(box_up)" ] && break
    sleep 0.1
  done
  [ -z "$(box_up)" ] || fail "the warning box did not close on $1"
  xdotool mousemove 200 200
}

# expect_frame NAME ID: the shot of motion image ID equals, below the status
# strip, the renderer's frame n at 60 Hz (Xvfb's own clock; its mode names
# no rate); prints n.
expect_frame() {
  local name=$1 id=$2 n diff
  shot "$work/$name.png"
  n=$("$frame_of" "$work/$name.png" "$id" "$area_width" "$area_height" 60) || fail "$name: no frame of $id: $n"
  reference "${name}_frame" --full-screen --frame "$n" "$id" >/dev/null
  convert "$work/$name.png" -crop "${area_width}x$((area_height - 30))+0+30" +repage "$work/${name}_below.png"
  convert "$work/${name}_frame.png" -crop "${area_width}x$((area_height - 30))+0+30" +repage "$work/${name}_frame_below.png"
  diff=$(differing_pixels "$work/${name}_below.png" "$work/${name}_frame_below.png")
  [ "$diff" = 0 ] || fail "$name: $diff pixels differ from frame $n of $id"
  echo "$n"
}

