#!/usr/bin/env bash
# --measure-refresh in an X server whose Present extension runs on the
# server's own 60 Hz clock: the rate from the MSC lies within 1 % of 60 Hz,
# and the time source is not the hardware's (the server copies, it does
# not flip). The text form names every figure on its own line.
# Usage (inside xvfb_run.sh): xvfb_measure_e2e.sh PROGRAM
source "$(dirname "$0")/shared_lib.sh"
source "$(dirname "$0")/measure_lib.sh"
program=$1

"$program" --measure-refresh --seconds 3 --json >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
measured_ended 30
expect_between measured_hz 59.4 60.6
expect_between frames 120 200
[ "$(json_field time_source)" != hardware ] || fail "Xvfb cannot time by the hardware"
expect_field discarded 0
json=$(cat "$work/stdout")

"$program" --measure-refresh --seconds=1 >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
measured_ended 20
python3 - "$work/stdout" <<'PY' || fail "the text form is: $(cat "$work/stdout")"
import re, sys
lines = open(sys.argv[1]).read().splitlines()
patterns = [r"connector: \S+", r"nominal refresh: (unknown|[0-9.]+ Hz)",
            r"measured refresh: [0-9.]+ Hz \(mean [0-9.]+ Hz\)", r"frames: [0-9]+", r"missed: [0-9]+",
            r"discarded: [0-9]+", r"intervals: p50 [0-9.]+ ms, p99 [0-9.]+ ms, max [0-9.]+ ms",
            r"time source: (compositor|timer)"]
sys.exit(0 if len(lines) == len(patterns) and all(re.fullmatch(p, l) for p, l in zip(patterns, lines)) else 1)
PY
echo "xvfb measure: ok ($json)"
