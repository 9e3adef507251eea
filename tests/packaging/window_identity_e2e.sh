#!/usr/bin/env bash
# The running program is the one its desktop entry describes: docks match
# its window by StartupWMClass, and the window shows the installed icon.
# Runs inside xvfb_run.sh.
# Usage: window_identity_e2e.sh PROGRAM DESKTOP_ENTRY ICON_PNG PROBE
source "$(dirname "$0")/../e2e/e2e_lib.sh"
program=$1 entry=$2 icon=$3 probe=$4

start_program "$program"
window_class=$("$probe" "$main_window" "$work/window-icon.png") || fail "window_identity could not read the window"
wanted_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ "$window_class" = "$wanted_class" ] ||
  fail "the window's WM_CLASS class is '$window_class', the desktop entry says '$wanted_class'"
differing=$(differing_pixels "$work/window-icon.png" "$icon")
[ "$differing" = 0 ] || fail "the window's icon differs from the installed one in $differing pixels"
echo "window class $window_class, icon as installed"
