#!/usr/bin/env bash
# --measure-refresh under headless sway with a custom mode of 100 Hz, whose
# frame callbacks come about every 10.2 ms and whose presentation feedback
# only ever discards: the rate measured from the callbacks, nothing
# discarded and no more missed than sway's own timer skips, and with the program stopped for 300 ms in the middle
# (kill -STOP, kill -CONT) the refreshes it covered counted as missed. On a
# machine that others keep busy, the compositor skips refreshes of its own,
# a few of which are let pass (and said so).
# Usage (inside sway_run.sh with mode WxH@100Hz): wayland_measure_e2e.sh PROGRAM CASE
# CASE is "rate" or "stall".
source "$(dirname "$0")/wayland_lib.sh"
source "$(dirname "$0")/measure_lib.sh"
program=$(install_program "$1") case=$2 scale=1

mark=$(load_mark)
"$AS_USER" "$program" --measure-refresh --seconds 3 --json >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
if [ "$case" = stall ]; then
  for _ in $(seq 300); do
    window_field "Rasterwacht – " title >/dev/null && break
    sleep 0.1
  done
  window_field "Rasterwacht – " title >/dev/null || fail "the window did not appear"
  sleep 1.2
  kill -STOP "$program_pid"
  sleep 0.3
  kill -CONT "$program_pid"
fi
measured_ended 30
busy=$(others_busy_since "$mark")
allowed=$(missed_allowed "$(json_field frames)" "$busy")
[ "$busy" -le 15 ] || echo "note: others kept the machine $busy % busy; up to $allowed missed refreshes pass"
expect_field connector HEADLESS-1
expect_field nominal_hz 100
expect_field discarded 0
[ "$(json_field time_source)" != hardware ] || fail "headless sway cannot time by the hardware"
if [ "$case" = stall ]; then
  expect_between missed 25 $((35 + allowed))
  expect_between interval_ms.max 290 400
else
  expect_between measured_hz 95 101
  expect_between missed 0 "$allowed"
  expect_between frames 200 310
  expect_between interval_ms.p50 9.5 10.6
fi
echo "measure $case: ok, others kept the machine $busy % busy ($(cat "$work/stdout"))"
