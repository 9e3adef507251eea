#!/usr/bin/env bash
# Runs a command against a private headless KWin (kwin_wayland on a virtual
# output, Breeze decorations) on a private session bus.
# Usage: kwin_run.sh FAKE_INPUT_CLIENT LWxLH SCALE COMMAND [ARG...]
# LWxLH is the output's size in logical units; its mode is LW·SCALE x
# LH·SCALE device pixels. KWin, its bus and everything the command starts run
# as the caller (root in CI: KWin needs no other user). The command finds the
# session through KWIN_DIR, XDG_RUNTIME_DIR, WAYLAND_DISPLAY,
# DBUS_SESSION_BUS_ADDRESS, KWIN_SCALE, KWIN_WIDTH and KWIN_HEIGHT (the
# output's mode), KWIN_SESSION (kwin_session.py) and KWIN_LOG; the fake-input
# client (kwin_input) reads lines written to file descriptor 7 and answers
# each on descriptor 8. Everything is stopped when it ends.
set -euo pipefail
input_client=$1 size=$2 scale=$3
shift 3
logical_width=${size%x*} logical_height=${size#*x}

here=$(cd "$(dirname "$0")" && pwd)
KWIN_DIR=$(mktemp -d)
mkdir -m 700 "$KWIN_DIR/runtime" "$KWIN_DIR/config"
export KWIN_DIR XDG_RUNTIME_DIR="$KWIN_DIR/runtime" WAYLAND_DISPLAY=wayland-kwin
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
export KWIN_SCALE=$scale KWIN_SESSION=$here/kwin_session.py KWIN_LOG=$KWIN_DIR/kwin.log
unset DISPLAY QT_QPA_PLATFORM

bus="" compositor="" input="" command=""
cleanup() {
  local pid
  for pid in $command $input $compositor $bus; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$KWIN_DIR"
}
trap cleanup EXIT
trap "exit 143" TERM INT
failed_start() {
  echo "kwin_run.sh: $1" >&2
  [ -f "$KWIN_LOG" ] && cat "$KWIN_LOG" >&2
  exit 1
}

breeze=$(find /usr/lib -path '*/org.kde.kdecoration2/breezedecoration.so' -print -quit 2>/dev/null || true)
[ -n "$breeze" ] || failed_start "Breeze's window decoration is not installed (kwin-style-breeze)"
command -v kwin_wayland >/dev/null || failed_start "kwin_wayland is not installed (kwin-wayland)"
# The Breeze decoration, KWin's defaults for the rest.
cat >"$KWIN_DIR/config/kwinrc" <<'EOF'
[org.kde.kdecoration2]
library=org.kde.breeze
theme=Breeze
EOF

dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" >"$KWIN_DIR/bus.log" 2>&1 &
bus=$!
for _ in $(seq 50); do
  [ -S "$XDG_RUNTIME_DIR/bus" ] && break
  sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/bus" ] || failed_start "the session bus did not start: $(cat "$KWIN_DIR/bus.log")"

# Debian's kwin_wayland carries a file capability (cap_sys_resource) that a
# container's bounding set refuses at exec; a copy has none.
cp "$(command -v kwin_wayland)" "$KWIN_DIR/kwin_wayland"
env -i PATH=/usr/bin:/bin HOME="$KWIN_DIR" XDG_CONFIG_HOME="$KWIN_DIR/config" \
  XDG_DATA_HOME="$KWIN_DIR/data" XDG_CACHE_HOME="$KWIN_DIR/cache" \
  XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
  KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 \
  "$KWIN_DIR/kwin_wayland" --virtual --width "$logical_width" --height "$logical_height" --scale "$scale" \
  --socket "$WAYLAND_DISPLAY" --no-lockscreen --no-global-shortcuts --no-kactivities >"$KWIN_LOG" 2>&1 &
compositor=$!
export KWIN_PID=$compositor

# Ready: the socket is there and KWin runs a window script and answers a
# screenshot, which also tells the output's mode. A screenshot asked for
# before KWin paints its first frame is never answered.
deadline=$((SECONDS + 30))
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && "$KWIN_SESSION" windows >/dev/null 2>&1 &&
  "$KWIN_SESSION" shot "$KWIN_DIR/first.png" 2>/dev/null; do
  kill -0 "$compositor" 2>/dev/null || failed_start "kwin_wayland ended at start"
  [ "$SECONDS" -lt "$deadline" ] || failed_start "kwin_wayland did not answer within 30 s"
  sleep 0.1
done
read -r KWIN_WIDTH KWIN_HEIGHT < <(identify -format '%w %h\n' "$KWIN_DIR/first.png")
export KWIN_WIDTH KWIN_HEIGHT

# One fake-input device for the whole run: its keyboard and pointer stay
# known to the program from its start.
cp "$input_client" "$KWIN_DIR/kwin_input"
mkfifo -m 600 "$KWIN_DIR/input.fifo" "$KWIN_DIR/answer.fifo"
"$KWIN_DIR/kwin_input" "$scale" <"$KWIN_DIR/input.fifo" >"$KWIN_DIR/answer.fifo" 2>"$KWIN_DIR/input.log" &
input=$!
exec 7>"$KWIN_DIR/input.fifo" 8<"$KWIN_DIR/answer.fifo"
# The pointer waits in the output's bottom-right pixel, off every picture.
echo "move $((KWIN_WIDTH - 1)) $((KWIN_HEIGHT - 1))" >&7
answer=""
read -r -t 10 answer <&8 || true
[ "$answer" = ok ] || failed_start "the fake input did not answer: $(cat "$KWIN_DIR/input.log")"
# In the background, so that a TERM (a time-out) stops the session at once.
"$@" &
command=$!
wait "$command"
