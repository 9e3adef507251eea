#!/usr/bin/env bash
# Runs a command under a window manager on the X display in DISPLAY, and
# ends the window manager (and the session bus mutter needs) afterwards.
# Usage: wm_run.sh openbox|mutter COMMAND [ARG...]
# The command finds the window manager's name in RW_WINDOW_MANAGER.
set -euo pipefail
wm=$1
shift

if [ "$wm" = mutter ] && [ -z "${RW_WM_BUS:-}" ]; then
  # dbus-run-session stops its bus when this script, run again inside it, ends.
  exec env RW_WM_BUS=1 dbus-run-session -- "$0" "$wm" "$@"
fi

log=$(mktemp)
case $wm in
  openbox) openbox --sm-disable >"$log" 2>&1 & ;;
  # X11 mode on the given server, with its settings at their defaults
  # (auto-maximize among them).
  mutter) mutter --x11 --replace --sm-disable >"$log" 2>&1 & ;;
  *) echo "wm_run.sh: unknown window manager $wm" >&2; exit 2 ;;
esac
wm_pid=$!
cleanup() {
  kill "$wm_pid" 2>/dev/null || true
  wait "$wm_pid" 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT

# A window manager that has taken over names its check window on the root.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$wm_pid" 2>/dev/null || { echo "wm_run.sh: $wm did not start:" >&2; cat "$log" >&2; exit 1; }
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "wm_run.sh: $wm is not ready" >&2; exit 1; }

export RW_WINDOW_MANAGER=$wm
"$@"
