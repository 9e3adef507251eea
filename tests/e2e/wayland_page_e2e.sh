#!/usr/bin/env bash
# The popup menu and the information page under a Wayland compositor at a
# desktop scale: menu item 9 by its mnemonic, the "Info!" box, and the page
# with an inner area of 440 x 380 device pixels (a whole number of them at
# the scale); closing the page keeps the program, closing the main window
# ends it.
# Usage: wayland_page_e2e.sh PROGRAM RENDERER WIDTH HEIGHT SCALE
source "$(dirname "$0")/wayland_lib.sh"
program=$(install_program "$1") renderer=$2 desktop_width=$3 desktop_height=$4 scale=$5
area_width=$((desktop_width - 6))
area_height=$((desktop_height - 66))

start_program "$program"
expect_picture start "$(reference p0 0)"
set -- $(window_field "Rasterwacht, Auflösung" content)
pointer move $(($1 + 300)) $(($2 + 300)) "$desktop_width" "$desktop_height"
pointer button 273 press
pointer button 273 release
sleep 0.5
"$AS_USER" wtype 9
wait_for "Info!"
for _ in $(seq 10); do
  "$AS_USER" wtype -k Return
  sleep 0.5
  window_size "Info!" >/dev/null || break
done
wait_for "Infos+Hilfe-Fenster"
size=$(window_size "Infos+Hilfe-Fenster")
[ "$size" = "441 381" ] || fail "the page's inner area is $size device pixels"
"$AS_USER" swaymsg -q '[title="^Infos\+Hilfe-Fenster$"] kill'
for _ in $(seq 50); do window_size "Infos+Hilfe-Fenster" >/dev/null || break; sleep 0.1; done
window_size "Infos+Hilfe-Fenster" >/dev/null && fail "the page did not close"
pointer move $((desktop_width - 1)) $((desktop_height - 1)) "$desktop_width" "$desktop_height"
expect_picture after_page "$work/p0.png"
close_and_expect_exit
echo "ok"
