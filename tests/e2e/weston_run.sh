#!/usr/bin/env bash
# Runs a command against a private Weston with its headless output (no
# renderer, no input), which presents at its own pace and tells so through
# wp_presentation: presented, flags 0, seq 0. Weston runs as the caller
# (root in CI, which it accepts); the command finds it through
# XDG_RUNTIME_DIR and WAYLAND_DISPLAY, Qt through QT_QPA_PLATFORM=wayland.
# Usage: weston_run.sh WxH COMMAND [ARG...]
set -euo pipefail
size=$1
shift

dir=$(mktemp -d)
mkdir -m 700 "$dir/runtime"
export XDG_RUNTIME_DIR=$dir/runtime
unset DISPLAY WAYLAND_DISPLAY
weston --backend=headless-backend.so --socket=wayland-test --width="${size%x*}" --height="${size#*x}" \
  --idle-time=0 >"$dir/weston.log" 2>&1 &
compositor=$!
cleanup() {
  kill "$compositor" 2>/dev/null || true
  wait "$compositor" 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT

for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/wayland-test" ] && break
  sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/wayland-test" ]; then
  echo "weston_run.sh: weston did not start:" >&2
  cat "$dir/weston.log" >&2
  exit 1
fi
export WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
"$@"
