#!/usr/bin/env bash
# On an output whose mode is no whole number of logical units at its scale,
# no picture can be shown 1:1: the program says so once in a box titled
# "Rasterwacht", goes on after OK, and ends normally.
# Usage: wayland_inexact_e2e.sh PROGRAM
source "$(dirname "$0")/wayland_lib.sh"
program=$(install_program "$1") scale=1

box_is_up() {
  "$AS_USER" swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("app_id") == "de.rasterwacht.Rasterwacht" and node.get("name") == "Rasterwacht":
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)'
}

start_program "$program"
for _ in $(seq 100); do box_is_up && break; sleep 0.1; done
box_is_up || fail "no message box about the scale"
# The box may show before the compositor gives it the keyboard; a Return
# that reaches the main window instead does nothing there.
for _ in $(seq 10); do
  "$AS_USER" wtype -k Return
  sleep 0.5
  box_is_up || break
done
box_is_up && fail "the box did not close on Return"
sleep 0.5
hold space
window_field "Rasterwacht, Auflösung" title >/dev/null || fail "the main window is gone"
close_and_expect_exit
echo "ok"
