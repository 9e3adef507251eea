#!/usr/bin/env bash
# Runs a command against a private Xvfb server.
# Usage: xvfb_run.sh WxHxDEPTH COMMAND [ARG...]
# Xvfb picks a free display number itself (-displayfd); the server is
# stopped when the command ends, whatever its outcome. The command finds the
# server's process id in XVFB_PID (tests of a dying server kill it).
set -euo pipefail
screen=$1
shift

dir=$(mktemp -d)
fifo=$dir/displayfd
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fifo" 2>"$dir/xvfb.log" &
server=$!
cleanup() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT

display=""
if ! read -r -t 20 display <"$fifo" || [ -z "$display" ]; then
  echo "xvfb_run.sh: Xvfb did not start:" >&2
  cat "$dir/xvfb.log" >&2
  exit 1
fi

# A desktop session always has a private runtime folder; Qt warns without one.
mkdir -m 700 "$dir/runtime"
export XDG_RUNTIME_DIR="$dir/runtime"
export DISPLAY=":$display"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
export XVFB_PID=$server
"$@"
