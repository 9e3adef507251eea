#!/usr/bin/env bash
# Holds SPACE for 5 s, then switches patterns through the menu 200 times.
# The program must stay alive, its resident memory must not grow by more
# than 10 % beyond what it had after the first cycle, and it must write no
# warning.
# Usage: soak_e2e.sh PROGRAM WIDTH HEIGHT
source "$(dirname "$0")/e2e_lib.sh"
program=$1 desktop_width=$2 desktop_height=$3

resident_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status"; }
alive() { kill -0 "$program_pid" 2>/dev/null || fail "the program ended during the soak ($1)"; }

start_program "$program"
sleep 1
xdotool mousemove 200 200

# A first cycle through every pattern sets the baseline.
for key in 1 2 3 4 5 6 7 8 0; do hold "$key"; done
alive "first cycle"
baseline=$(resident_kib)

xdotool keydown space sleep 5 keyup space
sleep 0.5
alive "holding SPACE"

for round in $(seq 200); do
  xdotool click 3 sleep 0.05 key $((round % 9))
  sleep 0.05
done
sleep 1
alive "menu rounds"
final=$(resident_kib)
limit=$((baseline + baseline / 10))
echo "resident memory: baseline ${baseline} KiB, after the soak ${final} KiB (limit ${limit} KiB)"
[ "$final" -le "$limit" ] || fail "resident memory grew from $baseline KiB to $final KiB"
[ ! -s "$work/stderr" ] || fail "the program wrote to stderr: $(head -c 500 "$work/stderr")"
echo "ok"
