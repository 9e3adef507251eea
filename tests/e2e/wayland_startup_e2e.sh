#!/usr/bin/env bash
# How the program chooses its window system at start, under a Wayland
# compositor (with an X server where the case needs one).
# Usage: wayland_startup_e2e.sh CASE PROGRAM
#   both_sockets    DISPLAY and WAYLAND_DISPLAY set: Wayland, and no X
#                   connection is ever opened
#   default_socket  no WAYLAND_DISPLAY, the compositor on wayland-0
#   no_plugin       Qt's Wayland plugin missing (a qt.conf beside the
#                   program points Qt at a plugin folder without it): X11,
#                   silently (needs DISPLAY, from xvfb_run.sh)
source "$(dirname "$0")/wayland_lib.sh"
case_name=$1 scale=1
program=$(install_program "$2")

on_wayland() { window_field "Rasterwacht, Auflösung" title >/dev/null; }

wait_for_window_on_wayland() {
  for _ in $(seq 300); do
    on_wayland && return 0
    sleep 0.1
  done
  fail "no window appeared on the compositor"
}

case $case_name in
both_sockets)
  connections=$work/x_connections
  python3 "$(dirname "$0")/fake_x_server.py" "$connections" >"$work/x_display" &
  fake_server=$!
  trap 'kill $fake_server 2>/dev/null; keep_work_on_failure' EXIT
  for _ in $(seq 100); do [ -s "$work/x_display" ] && break; sleep 0.1; done
  [ -s "$work/x_display" ] || fail "the stand-in X server did not start"
  "$AS_USER" DISPLAY=":$(cat "$work/x_display")" "$program" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  wait_for_window_on_wayland
  [ ! -e "$connections" ] || fail "the program opened an X connection"
  ;;
default_socket)
  ln -s "$WAYLAND_DISPLAY" "$XDG_RUNTIME_DIR/wayland-0"
  WAYLAND_DISPLAY="" "$AS_USER" "$program" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  wait_for_window_on_wayland
  ;;
no_plugin)
  plugins=$work/plugins
  mkdir -p "$plugins/platforms"
  qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
  ln -s "$qt_plugins/platforms/libqxcb.so" "$plugins/platforms/"
  printf '[Paths]\nPlugins = %s\n' "$plugins" >"$work/bin/qt.conf"
  "$AS_USER" DISPLAY="$DISPLAY" "$program" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  # Its title in a pattern without the umlaut: the program runs in the C
  # locale here, and xdotool matches the name in its own.
  timeout 20 xdotool search --sync --limit 1 --name "^Rasterwacht, Aufl" >/dev/null ||
    fail "the main window did not appear on X11"
  on_wayland && fail "the program chose Wayland without its plugin"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  [ ! -s "$work/stderr" ] || fail "the program wrote to stderr: $(head -c 500 "$work/stderr")"
  echo "ok"
  exit 0
  ;;
*) fail "unknown case $case_name" ;;
esac
close_and_expect_exit
echo "ok"
