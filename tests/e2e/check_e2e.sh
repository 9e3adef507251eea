#!/usr/bin/env bash
# rasterwacht --check in an X server, driven by keys, on DP-1 with a real
# EDID in a fake kernel connector folder: the images stay the renderer's
# outside the question strip, the answers, readings and notes reach the
# JSON and the HTML report unaltered, and the report is never lost.
# Usage (inside xvfb_run.sh, 1366x768x24): check_e2e.sh PROGRAM RENDERER CORPUS CASE
# CASE "walk": every step answered with J, N and a note with umlauts and
# HTML characters, SPACE, one Backspace, the three readings and H; the JSON
# against edid-decode, the HTML read by an HTML parser and rendered by
# headless Chromium. CASE "escape": under openbox, Escape after three steps,
# the report in the default folder under a temporary XDG_DATA_HOME. CASE
# "read_only": the report's folder cannot be written (the program runs as
# nobody where the test runs as root): the box comes back on "Erneut
# versuchen", its "Abbrechen" prints the JSON, and a second run writes the
# report once the folder allows it. CASE "twice": two checks with the same
# --report, the first report unchanged. CASE "x_server_dies": the X server
# dies while a note is typed; the program ends quietly with the report
# written as it stood.
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/check_lib.sh"
program=$1 renderer=$2 corpus=$3 case=$4

read -r desktop_width desktop_height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
area_width=$desktop_width area_height=$desktop_height
edid=$corpus/dell_d1918h_2018.bin
mkdir -p "$work/drm/card0-DP-1"
echo connected >"$work/drm/card0-DP-1/status"
echo enabled >"$work/drm/card0-DP-1/enabled"
cp "$edid" "$work/drm/card0-DP-1/edid"
xrandr --setmonitor DP-1 "$desktop_width/410x$desktop_height/230+0+0" screen >/dev/null

wm_pid=""
stop_all() {
  local status=$?
  if [ -n "$wm_pid" ]; then
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
  fi
  (exit "$status")
  keep_work_on_failure
}
trap stop_all EXIT

main_window=""
title() { [ -n "$main_window" ] && xdotool getwindowname "$main_window" 2>/dev/null || true; }
key() { xdotool key --delay 40 "$@"; }

# start_check [ENV=VALUE...] -- ARG...: starts the check and waits for its
# first step.
start_check() {
  local environment=()
  while [ "$1" != -- ]; do environment+=("$1"); shift; done
  shift
  env RASTERWACHT_DRM_DIR="$work/drm" "${environment[@]}" "$program" --check "$@" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  main_window=$(timeout 20 xdotool search --sync --limit 1 --name '^Rasterwacht – Prüfung') ||
    fail "the check did not appear: $(head -c 500 "$work/stderr")"
  xdotool mousemove 300 300
  wait_step 1
}

# end_at_summary: any key on the summary ends the program quietly.
end_at_summary() {
  wait_summary
  sleep 0.3
  key x
  expect_ended "a key on the summary did not end the program"
}

strip=30  # rows at 96 dots per inch
bottom=$((area_height - strip))

case $case in
walk)
  # Umlauts get keys of their own, as on a German keyboard: typed through
  # a key that xdotool maps only for the moment, they may arrive after the
  # map is back.
  for symbols in "udiaeresis Udiaeresis" "adiaeresis Adiaeresis" "ssharp question"; do
    keymap=$(xmodmap -pke)
    free=$(awk '$2 >= 100 && $3 == "=" && NF == 3 { print $2 }' <<<"$keymap" | head -1)
    [ -n "$free" ] || fail "no free keycode for $symbols"
    xmodmap -e "keycode $free = $symbols"
  done
  note='Grün flackert <b>&"fett"</b> & ß'
  start_check -- --report "$work/R.html" --operator "Anna Prüferin"
  expect_outside_strip checkerboard "$(reference checkerboard --full-screen checkerboard)" "$bottom" "$area_height"
  key j && wait_step 2
  key n
  sleep 0.3
  xdotool type --delay 60 "$note"
  key Return && wait_step 3
  key space && wait_step 4
  key j && wait_step 5
  key j && wait_step 6
  # Back to black, which now shows a fault after all; no note.
  key BackSpace && wait_step 5
  key n Return && wait_step 6
  for step in 7 8 9 10; do key j && wait_step $step; done
  # The black levels' strip lies over the ground rows at the top.
  expect_outside_strip black_levels "$(reference black-levels --full-screen black-levels)" 0 "$strip"
  key 5 j && wait_step 11
  key 2 5 0 n
  sleep 0.3
  xdotool type --delay 60 "zu hell"
  key Return && wait_step 12
  key j && wait_step 13
  expect_outside_strip gamma "$(reference gamma --full-screen gamma)" "$bottom" "$area_height"
  key 2 2 j && wait_step 14
  # H hides the strip: the whole image is the renderer's; H shows it again.
  key h
  expect_picture inversion_hidden "$(reference inversion --full-screen inversion)"
  key h
  expect_outside_strip inversion "$work/inversion.png" 0 "$strip"
  [ "$(differing_pixels "$work/shot_inversion.png" "$work/inversion_hidden.png")" != 0 ] || fail "H did not show the strip again"
  for step in 15 16 17 18 19; do key j && wait_step $step; done
  # The motion images: the warning first, then frames that move under the
  # question strip, which stays over the status strip's rows.
  answer_box Return
  first=$(expect_frame motion_a motion)
  cp "$work/motion_a.png" "$work/motion_first.png"
  sleep 0.5
  second=$(expect_frame motion_b motion)
  [ "$second" -gt "$first" ] || fail "motion frames $first then $second under the strip"
  convert "$work/motion_first.png" -crop "${area_width}x${strip}+0+0" +repage "$work/strip_a.png"
  convert "$work/motion_b.png" -crop "${area_width}x${strip}+0+0" +repage "$work/strip_b.png"
  convert "$work/motion_b_frame.png" -crop "${area_width}x${strip}+0+0" +repage "$work/strip_frame.png"
  [ "$(differing_pixels "$work/strip_a.png" "$work/strip_b.png")" = 0 ] || fail "the strip changed with the frames"
  [ "$(differing_pixels "$work/strip_a.png" "$work/strip_frame.png")" != 0 ] || fail "no question strip over the frames"
  key j && wait_step 20
  expect_frame sequence frame-sequence >/dev/null
  [ -z "$(box_up)" ] || fail "a second warning box"
  key j
  wait_summary
  shot "$work/summary.png"
  end_at_summary

  json=$work/R.json
  [ -f "$work/R.html" ] || fail "no R.html"
  decoded=$(edid-decode -n -p "$edid")
  from_decode() { sed -n "s/^ *$1: *//p" <<<"$decoded" | head -1 | tr -d "'"; }
  serial=$(from_decode 'Display Product Serial Number')
  [ -n "$serial" ] || serial=$(from_decode 'Serial Number')
  same maker "$(json "$json" 'd["monitor"]["manufacturer_id"]')" "$(from_decode Manufacturer)"
  same model "$(json "$json" 'd["monitor"]["model_name"]')" "$(from_decode 'Display Product Name')"
  same serial "$(json "$json" 'd["monitor"]["serial"]')" "$serial"
  same "serial number" "$(json "$json" 'd["monitor"]["serial_number"]')" "$(from_decode 'Serial Number')"
  same "product code" "$(json "$json" 'd["monitor"]["product_code"]')" "$(from_decode Model)"
  same "EDID" "$(json "$json" 'd["monitor"]["edid_hex"]')" "$(od -An -v -tx1 "$edid" | tr -d ' \n')"
  same connector "$(json "$json" 'd["monitor"]["connector"]')" DP-1
  same "window system" "$(json "$json" 'd["desktop"]["window_system"]')" X11
  same mode "$(json "$json" '"%dx%d" % (d["desktop"]["width"], d["desktop"]["height"])')" "${desktop_width}x$desktop_height"
  same native "$(json "$json" 'd["desktop"]["native"]')" True
  same operator "$(json "$json" 'd["desktop"]["operator"]')" "Anna Prüferin"
  same version "$(json "$json" 'd["desktop"]["program_version"]')" "$("$program" --version | sed 's/^rasterwacht //')"
  answers=$(json "$json" '" ".join(s["answer"] for s in d["steps"])')
  same answers "$answers" "passed failed not_judged passed failed passed passed passed passed passed failed passed passed passed passed passed passed passed passed passed"
  same ids "$(json "$json" '" ".join(s["id"] for s in d["steps"])')" "${check_ids[*]}"
  same "skipped step" "$(json "$json" 'd["steps"][2]["answer_text"]')" "nicht beurteilt"
  same note "$(json "$json" 'd["steps"][1]["note"]')" "$note"
  same "black's note" "$(json "$json" 'repr(d["steps"][4]["note"])')" "''"
  same "white levels' note" "$(json "$json" 'd["steps"][10]["note"]')" "zu hell"
  same readings "$(json "$json" '" ".join(str(d["steps"][k]["reading_text"]) for k in (9, 10, 12, 13))')" "5 250 2,2 None"
  same "reading values" "$(json "$json" '" ".join(str(d["steps"][k]["reading"]) for k in (9, 10, 12))')" "5 250 2.2"
  same totals "$(json "$json" '" ".join(str(d["totals"][k]) for k in ("passed", "failed", "not_judged", "not_reached"))')" "16 3 1 0"
  same "ended early" "$(json "$json" 'd["ended_early"]')" False
  [ "$(json "$json" 'all(s["shown_ms"] > 0 for s in d["steps"])')" = True ] || fail "a step without its time"
  # The motion steps keep what was measured while they ran: Present's own
  # answers under Xvfb; still images measure nothing.
  same "motion figures" "$(json "$json" '" ".join(str(s["motion"] is not None) for s in d["steps"])')" \
    "$(printf 'False %.0s' $(seq 18))True True"
  for k in 18 19; do
    same "time source of step $((k + 1))" "$(json "$json" "d['steps'][$k]['motion']['time_source']")" compositor
    [ "$(json "$json" "d['steps'][$k]['motion']['frames'] > 10")" = True ] || fail "step $((k + 1)) counted no frames"
  done
  check_html_matches_json "$work/R.html" "$json"
  # The browser's own reading: the note is text in its cell, not markup.
  mkdir "$work/chromium"
  timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/chromium" --dump-dom "file://$work/R.html" >"$work/dom.html" 2>"$work/chromium.log" ||
    fail "chromium --dump-dom failed: $(tail -5 "$work/chromium.log")"
  grep -q 'id="monitor-serial"' "$work/dom.html" || fail "chromium's DOM is no report: $(head -c 300 "$work/dom.html")"
  check_html_matches_json "$work/dom.html" "$json"
  ;;

escape)
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  mkdir -p "$work/data" "$work/home"
  start_check XDG_DATA_HOME="$work/data" HOME="$work/home" --
  xprop -id "$main_window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "the check is not full screen"
  expect_outside_strip checkerboard "$(reference checkerboard --full-screen checkerboard)" "$bottom" "$area_height"
  key j && wait_step 2
  key j && wait_step 3
  key j && wait_step 4
  key Escape
  end_at_summary
  folder=$work/data/rasterwacht/reports
  [ "$(stat -c %a "$folder")" = 700 ] || fail "the reports folder is not private: $(stat -c %a "$folder")"
  serial=$(edid-decode -n -p "$edid" | sed -n "s/^ *Display Product Serial Number: *'\(.*\)'/\1/p")
  reports=("$folder"/*_DEL_D1918H_"$serial".html)
  [ ${#reports[@]} = 1 ] && [ -f "${reports[0]}" ] || fail "no report in the default folder: $(ls -la "$folder")"
  [[ $(basename "${reports[0]}") =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2}_DEL_D1918H_ ]] ||
    fail "report name $(basename "${reports[0]}")"
  json=${reports[0]%.html}.json
  [ -f "$json" ] || fail "no JSON beside the report"
  [ ! -e "$work/home/.local" ] || fail "with XDG_DATA_HOME set something went to the home folder"
  same answers "$(json "$json" '" ".join(s["answer"] for s in d["steps"][:5])')" "passed passed passed not_judged not_reached"
  same "not reached" "$(json "$json" '" ".join(d["not_reached"])')" "${check_ids[*]:4}"
  same "ended early" "$(json "$json" 'd["ended_early"]')" True
  same compositor "$(json "$json" 'd["desktop"]["compositor"]')" Openbox
  same operator "$(json "$json" 'd["desktop"]["operator"]')" None
  check_html_matches_json "${reports[0]}" "$json"
  "$check_python" - "${reports[0]}" "$json" <<'EOF' || fail "the HTML does not name the steps not reached"
import json, sys
import html5lib
tree = html5lib.parse(open(sys.argv[1], "rb"), namespaceHTMLElements=False)
data = json.load(open(sys.argv[2]))
paragraph = "".join(tree.find(".//p[@id='not-reached']").itertext())
names = [s["name"] for s in data["steps"] if s["answer"] == "not_reached"]
assert len(names) == 16, names
assert paragraph == "Die Prüfung wurde vorzeitig beendet. Nicht erreicht: " + ", ".join(names) + ".", paragraph
EOF
  ;;

read_only)
  # As nobody where root could write anywhere; the program's copy and its
  # runtime folder are nobody's to use, and its locale is a desktop's (Qt
  # writes the legacy window name, which xdotool searches, in the locale's
  # encoding).
  as_nobody=()
  chmod 755 "$work"
  mkdir -p "$work/bin" "$work/runtime"
  cp "$program" "$work/bin/" && chmod 755 "$work/bin/rasterwacht"
  program=$work/bin/rasterwacht
  chmod 700 "$work/runtime"
  if [ "$(id -u)" = 0 ]; then
    as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chown nobody:nogroup "$work/runtime"
  fi
  mkdir -m 555 "$work/ro"
  run_as() {
    "${as_nobody[@]}" env -i PATH=/usr/bin:/bin HOME=/nonexistent LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
      XDG_RUNTIME_DIR="$work/runtime" RASTERWACHT_DRM_DIR="$work/drm" "$@"
  }
  start_read_only() {
    run_as "$program" --check --report "$work/ro/R.html" >"$work/stdout" 2>"$work/stderr" &
    program_pid=$!
    main_window=$(timeout 20 xdotool search --sync --limit 1 --name '^Rasterwacht – Prüfung') ||
      fail "the check did not appear: $(head -c 500 "$work/stderr")"
    xdotool mousemove 300 300
    wait_step 1
  }
  box() { xdotool search --name '^Bericht nicht gespeichert$' 2>/dev/null | head -1 || true; }

  start_read_only
  key j && wait_step 2
  key Escape
  first=$(wait_window '^Bericht nicht gespeichert$')
  sleep 0.3
  # "Erneut versuchen" (Return) fails again and brings the box back.
  key Return
  for _ in $(seq 100); do
    again=$(box)
    [ -n "$again" ] && [ "$again" != "$first" ] && break
    sleep 0.1
  done
  [ -n "$again" ] && [ "$again" != "$first" ] || fail "the box did not come back after Erneut versuchen"
  sleep 0.3
  # "Abbrechen" (Escape): the answers go to standard output.
  key Escape
  wait_summary
  shot "$work/summary_unsaved.png"
  sleep 0.3
  key x
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$program_pid" 2>/dev/null && fail "the program did not end"
  status=0
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" = 0 ] || fail "exit code $status"
  [ ! -s "$work/stderr" ] || fail "stderr: $(head -c 500 "$work/stderr")"
  [ -z "$(ls -A "$work/ro")" ] || fail "something was written into the read-only folder: $(ls -A "$work/ro")"
  same "answers on stdout" "$(json "$work/stdout" '" ".join(s["answer"] for s in d["steps"][:3])')" "passed not_judged not_reached"
  same "monitor on stdout" "$(json "$work/stdout" 'd["monitor"]["manufacturer_id"]')" DEL

  # The folder is mended while the box is open: "Erneut versuchen" writes.
  start_read_only
  key Escape
  wait_window '^Bericht nicht gespeichert$' >/dev/null
  chmod 777 "$work/ro"
  sleep 0.3
  key Return
  end_at_summary
  [ -f "$work/ro/R.html" ] && [ -f "$work/ro/R.json" ] || fail "the retry wrote no report: $(ls -la "$work/ro")"
  same "written answers" "$(json "$work/ro/R.json" 'd["steps"][0]["answer_text"]')" "nicht beurteilt"

  # A standard output whose reader has gone loses the last resort's JSON,
  # but the program still shows the summary and ends normally.
  mkdir -m 555 "$work/ro2"
  run_as "$program" --check --report "$work/ro2/R.html" > >(exec true) 2>"$work/stderr" &
  program_pid=$!
  main_window=$(timeout 20 xdotool search --sync --limit 1 --name '^Rasterwacht – Prüfung') || fail "the check did not appear"
  wait_step 1
  key Escape
  wait_window '^Bericht nicht gespeichert$' >/dev/null
  sleep 0.3
  key Escape
  wait_summary
  sleep 0.3
  key x
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  status=0
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" = 0 ] || fail "with standard output gone: exit code $status"
  ;;

twice)
  for run in 1 2; do
    start_check -- --report "$work/R.html"
    key j && wait_step 2
    [ "$run" = 2 ] && key n && sleep 0.3 && xdotool type "zweiter Lauf" && key Return && wait_step 3
    key Escape
    end_at_summary
    [ "$run" = 1 ] && sha256sum "$work/R.html" "$work/R.json" >"$work/first.sum"
  done
  sha256sum -c --quiet "$work/first.sum" || fail "the second check changed the first report"
  [ -f "$work/R-2.html" ] && [ -f "$work/R-2.json" ] || fail "no second report: $(ls "$work")"
  same "first" "$(json "$work/R.json" 'd["steps"][1]["answer"]')" not_judged
  same "second" "$(json "$work/R-2.json" 'd["steps"][1]["note"]')" "zweiter Lauf"
  ;;
x_server_dies)
  [ -n "${XVFB_PID:-}" ] || fail "no XVFB_PID: run inside xvfb_run.sh"
  start_check -- --report "$work/R.html"
  key j && wait_step 2
  key j && wait_step 3
  key n
  sleep 0.3
  xdotool type --delay 60 "halb getippt"
  sleep 0.5
  kill -KILL "$XVFB_PID"
  expect_ended "the program still runs 5 s after the server died"
  [ -f "$work/R.json" ] && [ -f "$work/R.html" ] || fail "no report after the server died: $(ls "$work")"
  same answers "$(json "$work/R.json" '" ".join(s["answer"] for s in d["steps"][:4])')" "passed passed failed not_reached"
  same note "$(json "$work/R.json" 'd["steps"][2]["note"]')" "halb getippt"
  same "ended early" "$(json "$work/R.json" 'd["ended_early"]')" True
  ;;
*) fail "unknown case $case" ;;
esac
echo "check $case: ok"
