#!/usr/bin/env bash
# What the frames cost: the program's CPU time (user and system, from
# /proc) over 10 s of motion full screen under headless sway, and over 10 s
# of a still image after it, which must be next to nothing: leaving a
# motion image stops its frames, and a still image is not redrawn.
# Usage (inside sway_run.sh): wayland_cpu_e2e.sh PROGRAM WIDTH HEIGHT
source "$(dirname "$0")/wayland_lib.sh"
program=$(install_program "$1") desktop_width=$2 desktop_height=$3 scale=1

# cpu_seconds: the program's CPU time so far.
cpu_seconds() {
  python3 - "$program_pid" <<'PY'
import os, sys
fields = open(f"/proc/{sys.argv[1]}/stat").read().rsplit(")", 1)[1].split()
print((int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK"))
PY
}

# cpu_over SECONDS: the CPU time the program takes in the next SECONDS.
cpu_over() {
  local before after
  before=$(cpu_seconds)
  sleep "$1"
  after=$(cpu_seconds)
  python3 -c "import sys; print(round(float(sys.argv[2]) - float(sys.argv[1]), 2))" "$before" "$after"
}

box_shown() { window_size "Rasterwacht" >/dev/null; }

"$AS_USER" swaymsg -q mouse_warping none || fail "cannot keep the pointer"
"$AS_USER" "$program" --full-screen --pattern motion >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
for _ in $(seq 300); do box_shown && break; sleep 0.1; done
box_shown || fail "no warning box"
"$AS_USER" swaymsg -q '[title="^Rasterwacht$"] focus'
for _ in $(seq 10); do
  "$AS_USER" wtype -k Return
  sleep 0.5
  box_shown || break
done
box_shown && fail "the warning box did not close"
sleep 2
motion=$(cpu_over 10)
hold w
sleep 2
still=$(cpu_over 10)
title=$(window_field "Rasterwacht – " title)
[ "${title%% – ${desktop_width}*}" = "Rasterwacht – Weiß" ] || fail "title is '$title'"
echo "CPU time over 10 s at ${desktop_width}x${desktop_height}: motion $motion s, still image $still s"
python3 -c 'import sys; sys.exit(0 if float(sys.argv[1]) <= 0.05 else 1)' "$still" ||
  fail "a still image took $still s of CPU time in 10 s"
python3 -c 'import sys; sys.exit(0 if float(sys.argv[1]) <= 3 else 1)' "$motion" ||
  fail "motion took $motion s of CPU time in 10 s"
"$AS_USER" wtype -k Escape
expect_ended "Escape: the program did not end"
