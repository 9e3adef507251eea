#!/usr/bin/env bash
# Runs a command against a private headless sway (a real Wayland compositor,
# software-rendered), with one output of the given mode and scale.
# Usage: sway_run.sh POINTER_CLIENT WxH[@RHz] SCALE LAYOUT COMMAND [ARG...]
# A mode with a refresh rate (1280x720@100Hz) is a custom mode of the
# headless output, which then paces its frames at that rate.
# LAYOUT "float" puts the program's windows where a desktop's window rule
# would (floating, no border, at the output's top-left); "tile" leaves
# sway's default tiling. sway refuses to run as root, so as root it and
# everything the command starts with `as_user` run as nobody. The command
# finds the compositor through SWAY_DIR, XDG_RUNTIME_DIR, WAYLAND_DISPLAY
# and SWAYSOCK, and runs programs in its session with $AS_USER
# (as_user.sh); everything is stopped when it ends.
set -euo pipefail
pointer_client=$1 mode=$2 scale=$3 layout=$4
shift 4

SWAY_DIR=$(mktemp -d)
chmod 755 "$SWAY_DIR"
mkdir -m 700 "$SWAY_DIR/runtime"
[ "$(id -u)" = 0 ] && chown nobody:nogroup "$SWAY_DIR/runtime"
{
  echo "output HEADLESS-1 resolution $mode scale $scale"
  echo "xwayland disable"
  if [ "$layout" = float ]; then
    echo 'for_window [app_id="de.rasterwacht.Rasterwacht"] floating enable, border none, move position 0 0'
  fi
} >"$SWAY_DIR/config"
chmod 644 "$SWAY_DIR/config"

export SWAY_DIR XDG_RUNTIME_DIR="$SWAY_DIR/runtime"
unset WAYLAND_DISPLAY SWAYSOCK QT_QPA_PLATFORM

as_user=$(dirname "$0")/as_user.sh
export AS_USER=$as_user

"$as_user" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$SWAY_DIR/config" >"$SWAY_DIR/sway.log" 2>&1 &
compositor=$!
export SWAY_PID=$compositor
keyboard=""
pointer=""
cleanup() {
  [ -n "$keyboard" ] && kill "$keyboard" 2>/dev/null
  [ -n "$pointer" ] && kill "$pointer" 2>/dev/null
  kill "$compositor" 2>/dev/null || true
  wait "$compositor" 2>/dev/null || true
  rm -rf "$SWAY_DIR"
}
trap cleanup EXIT

for _ in $(seq 100); do
  socket=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? 2>/dev/null | head -1 || true)
  ipc=$(cd "$XDG_RUNTIME_DIR" && ls sway-ipc.*.sock 2>/dev/null | head -1 || true)
  [ -n "$socket" ] && [ -n "$ipc" ] && break
  sleep 0.1
done
if [ -z "$socket" ] || [ -z "$ipc" ]; then
  echo "sway_run.sh: sway did not start:" >&2
  cat "$SWAY_DIR/sway.log" >&2
  exit 1
fi
export WAYLAND_DISPLAY=$socket SWAYSOCK=$XDG_RUNTIME_DIR/$ipc

# A keyboard that stays: each wtype is a new virtual keyboard, and the
# seat's first one would reach the program only after its first press.
"$as_user" wtype -s 3600000 &
keyboard=$!
# The same for the pointer: commands written to $POINTER_FIFO.
cp "$pointer_client" "$SWAY_DIR/wayland_pointer"
chmod 755 "$SWAY_DIR/wayland_pointer"
export POINTER_FIFO=$SWAY_DIR/pointer.fifo
mkfifo -m 600 "$POINTER_FIFO"
"$as_user" "$SWAY_DIR/wayland_pointer" <"$POINTER_FIFO" &
pointer=$!
exec 7>"$POINTER_FIFO"
# The cursor waits in the output's bottom-right pixel, off every picture.
size=${mode%@*}
width=${size%x*} height=${size#*x}
echo "move $((width - 1)) $((height - 1)) $width $height" >&7
"$@"
