#!/usr/bin/env bash
# Usage: as_user.sh [NAME=VALUE...] COMMAND [ARG...]
# Runs a command in the session of sway_run.sh's compositor, with a clean
# environment that holds only the session's variables and the given ones;
# as nobody when called as root, since sway refuses to run as root.
set -euo pipefail
prefix=()
[ "$(id -u)" = 0 ] && prefix=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
# A desktop session names its D-Bus bus; without one, D-Bus clients (Qt's
# accessibility) would launch a bus through the X server in DISPLAY.
session=(PATH=/usr/bin:/bin HOME=/nonexistent "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR"
         "DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus")
[ -n "${WAYLAND_DISPLAY:-}" ] && session+=("WAYLAND_DISPLAY=$WAYLAND_DISPLAY")
[ -n "${SWAYSOCK:-}" ] && session+=("SWAYSOCK=$SWAYSOCK")
# The sanitizers' settings of `make sanitize` reach the programs too.
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
  [ -n "${!name:-}" ] && session+=("$name=${!name}")
done
exec "${prefix[@]}" env -i "${session[@]}" "$@"
