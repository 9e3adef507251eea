#!/usr/bin/env bash
# Runs a command against a private headless mutter or GNOME Shell with one
# virtual monitor of mode WxH at a desktop scale.
# Usage: gnome_run.sh COMPOSITOR WxH SCALE SCALING COMMAND [ARG...]
# COMPOSITOR is mutter or gnome-shell; SCALING "integer" is GNOME's default
# (the mode's whole scales), "fractional" switches on
# scale-monitor-framebuffer first, in private settings that never touch the
# user's. Everything runs in private folders: a session bus, PipeWire and
# WirePlumber (for the compositor's screen casts), the compositor, and
# gnome_session.py, which holds a remote-desktop session for exact
# screenshots and input. The command finds them through GNOME_DIR,
# XDG_RUNTIME_DIR, WAYLAND_DISPLAY, DBUS_SESSION_BUS_ADDRESS, GNOME_SESSION
# (the helper's socket: `gnome_session.py send "$GNOME_SESSION" ...`) and
# GNOME_CONNECTOR, GNOME_COMPOSITOR and GNOME_SCALE (the scale as the
# compositor has it), and runs programs in the session with $AS_USER. The
# compositors run as the calling user, root included; everything is stopped
# when the command ends.
set -euo pipefail
compositor=$1 mode=$2 scale=$3 scaling=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
session_helper=$here/gnome_session.py

fail() {
  echo "gnome_run.sh: $*" >&2
  exit 1
}
case $compositor in mutter | gnome-shell) ;; *) fail "COMPOSITOR is mutter or gnome-shell, not '$compositor'" ;; esac
case $scaling in integer | fractional) ;; *) fail "SCALING is integer or fractional, not '$scaling'" ;; esac
[[ $mode =~ ^[1-9][0-9]*x[1-9][0-9]*$ ]] || fail "the mode is WxH, not '$mode'"
for tool in "$compositor" dbus-daemon pipewire wireplumber gst-launch-1.0 wayland-info /usr/bin/python3; do
  command -v "$tool" >/dev/null || fail "$tool is not installed"
done

GNOME_DIR=$(mktemp -d)
chmod 755 "$GNOME_DIR"
mkdir -m 700 "$GNOME_DIR/runtime" "$GNOME_DIR/home" "$GNOME_DIR/config" "$GNOME_DIR/data" "$GNOME_DIR/cache"
mkdir -m 700 "$GNOME_DIR/logs"
# Settings in a private key file instead of the user's dconf database.
mkdir -p "$GNOME_DIR/config/glib-2.0/settings"
{
  echo "[org/gnome/mutter]"
  if [ "$scaling" = fractional ]; then
    echo "experimental-features=['scale-monitor-framebuffer']"
  else
    echo "experimental-features=@as []"
  fi
  # GNOME Shell: no welcome tour, no banner over the windows (its screen
  # lock needs GDM and says so), its window list open to the tests.
  echo "[org/gnome/shell]"
  echo "welcome-dialog-last-shown-version='999'"
  echo "development-tools=true"
  echo "[org/gnome/desktop/screensaver]"
  echo "lock-enabled=false"
  echo "[org/gnome/desktop/notifications]"
  echo "show-banners=false"
} >"$GNOME_DIR/config/glib-2.0/settings/keyfile"

unset WAYLAND_DISPLAY DISPLAY QT_QPA_PLATFORM SWAYSOCK DBUS_SYSTEM_BUS_ADDRESS
export GNOME_COMPOSITOR=$compositor GNOME_DIR XDG_RUNTIME_DIR=$GNOME_DIR/runtime HOME=$GNOME_DIR/home XDG_CONFIG_HOME=$GNOME_DIR/config
export XDG_DATA_HOME=$GNOME_DIR/data XDG_CACHE_HOME=$GNOME_DIR/cache XDG_STATE_HOME=$GNOME_DIR/data
export GSETTINGS_BACKEND=keyfile DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
export NO_AT_BRIDGE=1 GTK_A11Y=none

# The session's runner: a clean environment with only the session's
# variables and the given ones.
cat >"$GNOME_DIR/as_user" <<EOF
#!/bin/sh
exec env -i PATH=/usr/bin:/bin HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \\
  DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" WAYLAND_DISPLAY=wayland-0 \\
  XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_DATA_HOME="$XDG_DATA_HOME" XDG_CACHE_HOME="$XDG_CACHE_HOME" \\
  GSETTINGS_BACKEND=keyfile "\$@"
EOF
chmod 755 "$GNOME_DIR/as_user"
export AS_USER=$GNOME_DIR/as_user

pids=()
command_pid=""
cleanup() {
  local status=$? pid index
  # Last started first: the compositor ends while its bus and PipeWire are
  # still there.
  for ((index = ${#pids[@]} - 1; index >= 0; index--)); do
    pid=${pids[index]}
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && echo "gnome_run.sh: $(ps -o comm= -p "$pid") did not end on SIGTERM" >&2
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  # A test that failed keeps the logs itself (gnome_lib.sh); a session that
  # did not come up keeps them here.
  if [ "$status" -ne 0 ] && [ -z "$command_pid" ]; then
    cp -r "$GNOME_DIR/logs" "${TMPDIR:-/tmp}/gnome_run_logs.$$" 2>/dev/null &&
      echo "gnome_run.sh: the session's logs are kept in ${TMPDIR:-/tmp}/gnome_run_logs.$$" >&2
  fi
  rm -rf "$GNOME_DIR"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# start NAME COMMAND...: runs COMMAND in the background, its output logged.
start() {
  local name=$1
  shift
  "$@" >"$GNOME_DIR/logs/$name.log" 2>&1 &
  pids+=($!)
}

# wait_until SECONDS WHAT COMMAND...: COMMAND succeeds within SECONDS.
wait_until() {
  local tenths=$(($1 * 10)) what=$2
  shift 2
  local pid
  for _ in $(seq "$tenths"); do
    "$@" >/dev/null 2>&1 && return 0
    for pid in "${pids[@]}"; do
      kill -0 "$pid" 2>/dev/null || { what="$what: a part of the session ended early"; break 2; }
    done
    sleep 0.1
  done
  echo "gnome_run.sh: $what within $((tenths / 10)) s; the logs:" >&2
  tail -n 20 "$GNOME_DIR"/logs/*.log >&2 || true
  exit 1
}

started=$(date +%s%N)
start session-bus dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS"
wait_until 10 "no session bus" test -S "$XDG_RUNTIME_DIR/bus"
start pipewire pipewire
wait_until 10 "no PipeWire" test -S "$XDG_RUNTIME_DIR/pipewire-0"
start wireplumber wireplumber

if [ "$compositor" = gnome-shell ]; then
  # GNOME Shell asks the system bus (logind, accounts); a bus of its own
  # answers that nobody is there.
  export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$GNOME_DIR/system_bus
  start system-bus dbus-daemon --session --nofork --nopidfile --address="$DBUS_SYSTEM_BUS_ADDRESS"
  wait_until 10 "no stand-in system bus" test -S "$GNOME_DIR/system_bus"
fi
start "$compositor" "$compositor" --headless --wayland --no-x11 --wayland-display=wayland-0 \
  --virtual-monitor "$mode"
export WAYLAND_DISPLAY=wayland-0
wait_until 60 "$compositor did not come up" /usr/bin/python3 "$session_helper" monitor
GNOME_CONNECTOR=$(/usr/bin/python3 "$session_helper" monitor)
export GNOME_CONNECTOR

# The exact scale the compositor took (1.75 is 1.7391304 = 1920/1104 to mutter).
scale=$(/usr/bin/python3 "$session_helper" scale "$GNOME_CONNECTOR" "$mode" "$scale") || exit 1
export GNOME_SCALE=$scale

# outputs_at SCALE: what Wayland clients are told matches the scale: the
# mode, and wl_output's scale (integer scaling) or the logical size
# (fractional scaling).
outputs_at() {
  wayland-info 2>/dev/null | /usr/bin/python3 -c '
import re, sys
width, height = map(int, sys.argv[1].split("x"))
scale, scaling = float(sys.argv[2]), sys.argv[3]
info = sys.stdin.read()
mode = re.search(r"width: (\d+) px, height: (\d+) px, refresh: [0-9.]+ Hz,\s*flags: current", info)
output_scale = re.search(r"wl_output.*?scale: (\d+)", info, re.S)
logical = re.search(r"logical_width: (\d+), logical_height: (\d+)", info)
if not (mode and output_scale and logical) or (int(mode[1]), int(mode[2])) != (width, height):
    sys.exit(1)
if scaling == "integer":
    ok = int(output_scale[1]) == scale and (int(logical[1]), int(logical[2])) == (width, height)
else:
    ok = abs(int(logical[1]) - width / scale) < 1 and abs(int(logical[2]) - height / scale) < 1
sys.exit(0 if ok else 1)' "$mode" "$scale" "$scaling"
}
wait_until 20 "Wayland clients were not told scale $scale" outputs_at "$scale"

export GNOME_SESSION=$GNOME_DIR/session.sock
start session-helper /usr/bin/python3 "$session_helper" serve "$GNOME_SESSION" "$GNOME_CONNECTOR"
wait_until 30 "the remote-desktop session did not start" grep -qx ready "$GNOME_DIR/logs/session-helper.log"
echo "gnome_run.sh: $compositor ready at $mode, scale $scale ($scaling) in $((($(date +%s%N) - started) / 1000000)) ms" \
  >"$GNOME_DIR/logs/ready.log"
# The seat's keyboard and pointer are there before any program starts (a
# keyboard that comes later does not reach an open window), and the pointer
# waits in the monitor's bottom-right pixel, off every picture.
width=${mode%x*} height=${mode#*x}
/usr/bin/python3 "$session_helper" send "$GNOME_SESSION" key Shift_L release || fail "no keyboard"
/usr/bin/python3 "$session_helper" send "$GNOME_SESSION" move $((width - 1)) $((height - 1)) ||
  fail "the pointer cannot be moved"
# In the background, so that a TERM (a test's time-out) stops everything at
# once rather than after the command.
"$@" &
command_pid=$!
pids+=("$command_pid")
wait "$command_pid"
