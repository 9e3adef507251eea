#!/usr/bin/env bash
# --measure-refresh under Weston's headless output against an independent
# reference: weston-presentation-shm, in the same compositor run just
# before, prints the intervals between the presentations it is given; the
# program's measured rate lies within 1 % of 1 / their median, and its time
# source is the compositor's (presented with flags 0 and seq 0).
# Usage (inside weston_run.sh): weston_measure_e2e.sh PROGRAM
source "$(dirname "$0")/shared_lib.sh"
source "$(dirname "$0")/measure_lib.sh"
program=$1

timeout 4 weston-presentation-shm >"$work/presentation-shm.txt" 2>&1 || true
# The first intervals are the start's; the p2p field is in microseconds.
reference_hz=$(python3 - "$work/presentation-shm.txt" <<'PY' || fail "weston-presentation-shm gave no intervals"
import re, statistics, sys
intervals = [int(m) for m in re.findall(r"p2p +([0-9]+) us", open(sys.argv[1]).read())][5:]
if len(intervals) < 50:
    sys.exit(1)
print(1e6 / statistics.median(intervals))
PY
)
"$program" --measure-refresh --seconds 3 --json >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
measured_ended 30
low=$(python3 -c "import sys; print(float(sys.argv[1]) * 0.99)" "$reference_hz")
high=$(python3 -c "import sys; print(float(sys.argv[1]) * 1.01)" "$reference_hz")
expect_between measured_hz "$low" "$high"
expect_field time_source compositor
expect_field discarded 0
echo "weston: measured $(json_field measured_hz) Hz, weston-presentation-shm $reference_hz Hz, ok"
