#!/usr/bin/env bash
# The X server dies while the program shows STATE: idle, menu (the popup
# menu is open), box (the "Info!" message box is up) or page (the
# information page is open). The program must end within 5 s, with exit
# code 0, without a crash and without a word on stderr.
# Usage: x_server_death_e2e.sh PROGRAM STATE   (inside xvfb_run.sh)
source "$(dirname "$0")/e2e_lib.sh"
program=$1 state=$2
[ -n "${XVFB_PID:-}" ] || fail "no XVFB_PID: run inside xvfb_run.sh"

wait_window() {
  timeout 10 xdotool search --sync --limit 1 --name "$1" >/dev/null || fail "no window named $1"
}

export HOME="$work/home"
mkdir -p "$HOME"
start_program "$program"
sleep 0.5
case $state in
  idle) ;;
  menu)
    xdotool mousemove 200 200 click 3
    sleep 0.5
    ;;
  box | page)
    xdotool mousemove 200 200 click 3
    sleep 0.5
    xdotool key 9
    wait_window '^Info!$'
    if [ "$state" = page ]; then
      sleep 0.3
      xdotool key Return
      wait_window '^Infos\+Hilfe-Fenster$'
    fi
    ;;
  *) fail "unknown state $state" ;;
esac
sleep 0.5
kill -0 "$program_pid" 2>/dev/null || fail "the program ended before the server died"

kill -KILL "$XVFB_PID"
expect_ended "the program still runs 5 s after the server died"
echo ok
