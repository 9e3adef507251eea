#!/usr/bin/env bash
# When the compositor goes away under the running program, the program ends
# at once, quietly, with exit code 0, whatever is open.
# Usage: wayland_compositor_death_e2e.sh PROGRAM idle|menu
source "$(dirname "$0")/wayland_lib.sh"
program=$(install_program "$1") state=$2 scale=1 desktop_width=1280 desktop_height=720

start_program "$program"
if [ "$state" = menu ]; then
  set -- $(window_field "Rasterwacht, Auflösung" content)
  pointer move $(($1 + 200)) $(($2 + 200)) "$desktop_width" "$desktop_height"
  pointer button 273 press
  pointer button 273 release
fi
sleep 1
kill -KILL "$SWAY_PID"
for _ in $(seq 50); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program still runs 5 s after the compositor died"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" = 0 ] || fail "exit code $status"
[ ! -s "$work/stderr" ] || fail "the program wrote to stderr: $(head -c 500 "$work/stderr")"
echo "ok"
