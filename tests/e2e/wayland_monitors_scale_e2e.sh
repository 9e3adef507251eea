#!/usr/bin/env bash
# rasterwacht --monitors --json under a Wayland compositor: the primary
# monitor's mode and the desktop scale as the compositor means it.
# Usage: wayland_monitors_scale_e2e.sh PROGRAM JSON_QUERY WIDTH HEIGHT SCALE
# Runs inside gnome_run.sh (its $AS_USER) or kwin_run.sh.
source "$(dirname "$0")/shared_lib.sh"
program=$1 json_query=$2 width=$3 height=$4 scale=$5
mkdir -p "$work/bin" && chmod 755 "$work" "$work/bin"
cp "$program" "$work/bin/" && chmod 755 "$work/bin/rasterwacht"
"${AS_USER:-env}" "$work/bin/rasterwacht" --monitors --json >"$work/monitors.json" 2>"$work/stderr" ||
  fail "--monitors --json failed: $(head -c 500 "$work/stderr")"
[ ! -s "$work/stderr" ] || fail "--monitors wrote to stderr: $(head -c 500 "$work/stderr")"
for field in "width $width" "height $height" "scale $scale"; do
  set -- $field
  got=$("$json_query" "$work/monitors.json" "0.$1") || fail "no field $1: $(cat "$work/monitors.json")"
  [ "$got" = "$2" ] || fail "$1 is $got, not $2: $(cat "$work/monitors.json")"
done
echo "ok"
