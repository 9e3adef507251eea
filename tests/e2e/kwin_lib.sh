# Shared steps of the end-to-end tests under KWin; sourced by test scripts
# that run inside kwin_run.sh. Pictures are KWin's own screenshots of the
# whole output at its native resolution; windows and their geometry come
# from KWin's scripting (kwin_session.py), in device pixels. Scripts set
# desktop_width, desktop_height (the output's mode), scale, renderer,
# area_width and area_height, and find_picture (find_picture SHOT REFERENCE
# prints the offset "x y" of REFERENCE in SHOT).
source "$(dirname "${BASH_SOURCE[0]}")/shared_lib.sh"

mkdir -p "$work/shots"
on_failure() { cp "$KWIN_LOG" "$work/" 2>/dev/null; }
# The main window's title starts so; a full-screen test sets "Rasterwacht – ".
main_window=${main_window:-"Rasterwacht, Auflösung"}

# session_environment: sets `session` to the clean environment of a program
# in KWin's session.
session_environment() {
  session=(PATH=/usr/bin:/bin HOME=/nonexistent "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR"
           "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" "WAYLAND_DISPLAY=$WAYLAND_DISPLAY")
  local name
  # The sanitizers' settings of `make sanitize` reach the programs too.
  for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!name:-}" ] && session+=("$name=${!name}")
  done
  return 0
}

# in_session COMMAND [ARG...]: runs it in KWin's session, without the fake
# input's descriptors.
in_session() {
  local session
  session_environment
  env -i "${session[@]}" "$@" 7>&- 8<&-
}

# install_program PROGRAM: a copy of the program, safe from a rebuild.
install_program() {
  mkdir -p "$work/bin"
  cp "$1" "$work/bin/"
  echo "$work/bin/$(basename "$1")"
}

# window_field PREFIX FIELD: a field of the first window whose title starts
# with PREFIX: "title", "content" or "frame" (the client area's or the
# frame's top-left in device pixels, "x y"), "content_size" or "frame_size"
# ("width height" in device pixels), "full_screen" ("true" or "false").
# Fails (status 1) while there is no such window.
window_field() {
  local json
  json=$("$KWIN_SESSION" window "$1" 2>"$work/session.err") || return 1
  /usr/bin/python3 -c '
import json, sys
window, field = json.loads(sys.argv[1]), sys.argv[2]
client, frame = window["client_device"], window["frame_device"]
print({"title": window["caption"], "content": "%d %d" % tuple(client[:2]), "frame": "%d %d" % tuple(frame[:2]),
       "content_size": "%d %d" % tuple(client[2:]), "frame_size": "%d %d" % tuple(frame[2:]),
       "full_screen": str(window["fullScreen"]).lower()}[field])' "$json" "$2"
}

# start_program PROGRAM [ARG...]: starts it in the session and waits up to
# 30 s for its main window.
start_program() {
  local session
  session_environment
  env -i "${session[@]}" "$@" >"$work/stdout" 2>"$work/stderr" 7>&- 8<&- &
  program_pid=$!
  for _ in $(seq 300); do
    window_field "$main_window" title >/dev/null && return 0
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended at start: $(head -c 500 "$work/stderr")"
    sleep 0.1
  done
  fail "the main window did not appear"
}

# output_shot FILE: the whole output, in device pixels.
output_shot() {
  "$KWIN_SESSION" shot "$1" 2>"$work/session.err" || fail "no screenshot: $(cat "$work/session.err")"
}

# shot FILE: the drawing area, area_width x area_height at the main window's
# content as KWin places it.
shot() {
  local position
  output_shot "$work/shots/output.png"
  position=$(window_field "$main_window" content) || fail "the main window is gone"
  set -- "$1" $position
  convert "$work/shots/output.png" -crop "${area_width}x${area_height}+$2+$3" +repage "$1"
}

# expect_picture_at_content NAME REFERENCE: within 10 s the output shows
# REFERENCE, found in the whole screenshot, at the main window's content.
expect_picture_at_content() {
  local name=$1 reference=$2 found="" content=""
  for _ in $(seq 50); do
    output_shot "$work/$name.png"
    content=$(window_field "$main_window" content) || fail "the main window is gone"
    found=$("$find_picture" "$work/$name.png" "$reference" 2>"$work/find.err") || found=""
    [ "$found" = "$content" ] && return 0
    sleep 0.2
  done
  [ -n "$found" ] || fail "$name: $(basename "$reference") is not in the output (content at $content): $(cat "$work/find.err")"
  fail "$name: $(basename "$reference") lies at $found, the window's content at $content"
}

# reference NAME RENDER_ARGS...: the picture as the program must show it; the
# desktop's scale sets the fonts' dots per inch (96 at 100 %).
reference() {
  local name=$1 dpi
  shift
  dpi=$(python3 -c "import sys; print(int(96 * float(sys.argv[1]) + 0.5))" "$scale")
  "$renderer" --desktop "${desktop_width}x${desktop_height}" --dpi "$dpi" "$@" "$work/$name.png" ||
    fail "rasterwacht-render $* failed"
  echo "$work/$name.png"
}

# input COMMAND...: one line for the fake input (see kwin_input.cpp), done
# once KWin has it.
input() {
  local answer=""
  echo "$*" >&7
  read -r -t 10 answer <&8 || true
  [ "$answer" = ok ] || fail "fake input '$*': ${answer:-no answer}"
}

# key_code KEY: the Linux key code of a digit, a letter, space, Escape,
# Return or BackSpace.
key_code() {
  local letters=qwertyuiopasdfghjklzxcvbnm codes=(16 17 18 19 20 21 22 23 24 25 30 31 32 33 34 35 36 37 38 44 45 46 47 48 49 50)
  local key=${1,,} rest
  case $key in
    [1-9]) echo $((key + 1)) ;;
    0) echo 11 ;;
    space) echo 57 ;;
    escape) echo 1 ;;
    return) echo 28 ;;
    backspace) echo 14 ;;
    [a-z])
      rest=${letters%%"$key"*}
      echo "${codes[${#rest}]}" ;;
    *) fail "no key code for '$1'" ;;
  esac
}

# hold KEY: held across at least one keyboard poll of the program.
hold() {
  local code
  code=$(key_code "$1")
  input key "$code" press
  sleep 0.35
  input key "$code" release
  sleep 0.3
}

# park: the pointer to the output's bottom-right pixel, off every picture.
park() { input move $((KWIN_WIDTH - 1)) $((KWIN_HEIGHT - 1)); }

# click X Y [BUTTON]: a click (272 left, 273 right) at device pixel (X, Y).
click() {
  input move "$1" "$2"
  input button "${3:-272}" press
  input button "${3:-272}" release
  sleep 0.2
}

# wheel_away COUNT: COUNT notches away from the user, over the window's
# content.
wheel_away() {
  local position
  position=$(window_field "$main_window" content) || fail "the main window is gone"
  set -- "$1" $position
  input move $(($2 + 40)) $(($3 + 40))
  for _ in $(seq "$1"); do input wheel -1; done
  park
}

# close_and_expect_exit: asks the main window to close, as its close button
# would; the program must end with exit code 0 and have printed nothing.
close_and_expect_exit() {
  "$KWIN_SESSION" close "$main_window" || fail "KWin found no main window to close"
  expect_ended "the program did not end on the close request"
}
