#!/usr/bin/env bash
# rasterwacht --check under a Wayland compositor at a fractional scale: the
# check is full screen, its strip has grown with the scale's fonts, every
# image is the renderer's pixel for pixel outside the strip (and whole with
# the strip hidden), and the report says where it ran.
# Usage (inside sway_run.sh): wayland_check_e2e.sh PROGRAM RENDERER WIDTH HEIGHT SCALE SCREENSHOT
# SCREENSHOT: where the first step's picture is kept, to look at the strip.
source "$(dirname "$0")/wayland_lib.sh"
source "$(dirname "$0")/check_lib.sh"
program=$(install_program "$1") renderer=$2 desktop_width=$3 desktop_height=$4 scale=$5 screenshot=$6
area_width=$desktop_width area_height=$desktop_height

# The pointer rests on a second output, right of the one under test, which
# keeps the keyboard (as in the series' test).
logical_width=$(python3 -c "import sys; print(round(int(sys.argv[1]) / float(sys.argv[2])))" "$desktop_width" "$scale")
logical_height=$(python3 -c "import sys; print(round(int(sys.argv[1]) / float(sys.argv[2])))" "$desktop_height" "$scale")
"$AS_USER" swaymsg -q create_output || fail "cannot create a second output"
"$AS_USER" swaymsg -q output HEADLESS-1 position 0 0 || fail "cannot place HEADLESS-1"
"$AS_USER" swaymsg -q output HEADLESS-2 resolution 640x480 position "$logical_width" 0 scale 1 ||
  fail "cannot set up HEADLESS-2"
"$AS_USER" swaymsg -q focus_follows_mouse no || fail "cannot keep the focus"
pointer move $((logical_width + 10)) 10 $((logical_width + 640)) "$logical_height"
sleep 0.5

shot() {
  "$AS_USER" grim -o HEADLESS-1 "$work/shots/output.png" || fail "grim failed"
  cp "$work/shots/output.png" "$1"
}
title() { window_field "Rasterwacht – " title 2>/dev/null || true; }
key() { for k in "$@"; do "$AS_USER" wtype -k "$k"; sleep 0.05; done; }
# wtype reads its text in the locale's encoding.
typed() { "$AS_USER" LANG=C.UTF-8 wtype "$1"; }

"$AS_USER" "$program" --check --report "$work/shots/R.html" >"$work/stdout" 2>"$work/stderr" &
program_pid=$!
wait_step 1
"$AS_USER" swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("name", "").startswith("Rasterwacht – Prüfung") and node.get("fullscreen_mode") == 1:
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)' || fail "sway does not show the check full screen"

# The strip's rows at this scale: 30 at 100 %, as many more as the fonts grew.
strip=$(python3 -c "import sys; print(int((30 * int(96 * float(sys.argv[1]) + 0.5) + 48) // 96))" "$scale")
bottom=$((area_height - strip))
expect_outside_strip checkerboard "$(reference checkerboard --full-screen checkerboard)" "$bottom" "$area_height"
cp "$work/shot_checkerboard.png" "$screenshot"
# Exactly those rows: the strip's ground down its left edge, the image's
# row above it.
"$check_python" - "$work/shot_checkerboard.png" "$bottom" <<'EOF' || fail "the strip is not $strip rows high"
import subprocess, sys
path, first = sys.argv[1], int(sys.argv[2])
edge = subprocess.run(["convert", path, "-gravity", "SouthWest", "-crop", "1x10000+0+0", "+repage", "-depth", "8", "rgb:-"],
                      capture_output=True, check=True).stdout
rows = [edge[k:k + 3] for k in range(0, len(edge), 3)]
assert all(p == bytes([40, 40, 40]) for p in rows[first:]), "strip ground"
assert rows[first - 1] != bytes([40, 40, 40]), "row above the strip"
EOF

key j && wait_step 2
expect_outside_strip vertical_lines "$(reference vertical_lines --full-screen 0)" "$bottom" "$area_height"
for step in 3 4 5 6 7 8 9 10; do key j && wait_step $step; done
expect_outside_strip black_levels "$(reference black-levels --full-screen black-levels)" 0 "$strip"
key h
expect_picture black_levels_hidden "$work/black-levels.png"
key h 5 j && wait_step 11
key space && wait_step 12
key n
typed "Stufen im Grün <b>&"
key Return && wait_step 13
expect_outside_strip gamma "$(reference gamma --full-screen gamma)" "$bottom" "$area_height"
key 2 2 j && wait_step 14
key Escape
wait_summary
sleep 0.3
key x
expect_ended "a key on the summary did not end the program"

json=$work/shots/R.json
same "window system" "$(json "$json" 'd["desktop"]["window_system"]')" Wayland
same compositor "$(json "$json" 'd["desktop"]["compositor"]')" sway
same scale "$(json "$json" 'd["desktop"]["scale"]')" "$scale"
same mode "$(json "$json" '"%dx%d" % (d["desktop"]["width"], d["desktop"]["height"])')" "${desktop_width}x$desktop_height"
same connector "$(json "$json" 'd["monitor"]["connector"]')" HEADLESS-1
same answers "$(json "$json" '" ".join(s["answer"] for s in d["steps"][8:15])')" \
  "passed passed not_judged failed passed not_judged not_reached"
same readings "$(json "$json" '" ".join(str(d["steps"][k]["reading_text"]) for k in (9, 12))')" "5 2,2"
same note "$(json "$json" 'd["steps"][11]["note"]')" "Stufen im Grün <b>&"
check_html_matches_json "$work/shots/R.html" "$json"
echo "wayland check at $scale: ok"
