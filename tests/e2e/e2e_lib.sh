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
