#!/usr/bin/env bash
# The program says nothing on stderr in a poor environment: no runtime
# folder, or one that does not exist. Each run opens the main window, shows
# the first picture and ends on a close request with exit code 0.
# Usage: quiet_environment_e2e.sh PROGRAM CLOSE_TOOL   (inside xvfb_run.sh)
source "$(dirname "$0")/e2e_lib.sh"
program=$1 close_tool=$2

run_once() {
  start_program "$program" "$@"
  sleep 0.5
  "$close_tool" "$main_window"
  local status=0
  timeout 10 tail --pid="$program_pid" -f /dev/null || fail "$*: the program did not end"
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" = 0 ] || fail "$*: exit code $status"
  [ ! -s "$work/stderr" ] || fail "$*: the program wrote to stderr: $(head -c 500 "$work/stderr")"
}

run_once -u XDG_RUNTIME_DIR
run_once XDG_RUNTIME_DIR="$work/missing"
echo ok
