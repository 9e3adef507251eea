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
expect_ended "the program still runs 5 s after the compositor died"
echo "ok"
