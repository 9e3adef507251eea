# Shared steps of the end-to-end tests under a Wayland compositor; sourced
# by test scripts that run inside sway_run.sh. Pictures are taken of the
# whole output with grim and cropped at the window's content, in device
# pixels.
source "$(dirname "${BASH_SOURCE[0]}")/shared_lib.sh"

chmod 755 "$work"
mkdir -m 777 "$work/shots"
on_failure() { cp "$SWAY_DIR/sway.log" "$work/"; }

# install_program PROGRAM: a copy that the compositor's user may run (the
# build folder may be private to root).
install_program() {
  mkdir -p "$work/bin"
  cp "$1" "$work/bin/"
  chmod 755 "$work/bin/$(basename "$1")"
  echo "$work/bin/$(basename "$1")"
}

# window_field TITLE_PREFIX FIELD: a field of the program's window whose
# title starts with TITLE_PREFIX, from sway's tree: "title", or "content"
# (the content's top-left in device pixels: "x y").
window_field() {
  "$AS_USER" swaymsg -t get_tree 2>/dev/null | python3 -c '
import json, math, sys
prefix, field, scale = sys.argv[1], sys.argv[2], float(sys.argv[3])
def walk(node):
    name = node.get("name") or ""
    if node.get("app_id") == "de.rasterwacht.Rasterwacht" and name.startswith(prefix):
        if field == "title":
            print(name)
        else:
            x = node["rect"]["x"] + node["window_rect"]["x"]
            y = node["rect"]["y"] + node["window_rect"]["y"]
            # sway rounds logical positions to device pixels half up.
            print(math.floor(x * scale + 0.5), math.floor(y * scale + 0.5))
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)' "$1" "$2" "$scale"
}

# window_size TITLE: "width height" in device pixels of the window titled so.
window_size() {
  "$AS_USER" swaymsg -t get_tree | python3 -c '
import json, math, sys
title, scale = sys.argv[1], float(sys.argv[2])
def walk(node):
    if node.get("app_id") == "de.rasterwacht.Rasterwacht" and node.get("name") == title:
        r = node["window_rect"]
        print(math.floor(r["width"] * scale + 0.5), math.floor(r["height"] * scale + 0.5))
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)' "$1" "$scale"
}

# wait_for TITLE: waits up to 10 s for a window titled so.
wait_for() {
  for _ in $(seq 100); do
    window_size "$1" >/dev/null && return 0
    sleep 0.1
  done
  fail "no window titled $1"
}

# start_program PROGRAM [NAME=VALUE...]: starts it in the session and waits
# for its main window.
start_program() {
  local program=$1
  shift
  "$AS_USER" "$@" "$program" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  for _ in $(seq 300); do
    window_field "Rasterwacht, Auflösung" title >/dev/null && return 0
    sleep 0.1
  done
  fail "the main window did not appear"
}

# shot FILE: the drawing area (area_width x area_height at the content).
shot() {
  "$AS_USER" grim "$work/shots/output.png" || fail "grim failed"
  local position
  position=$(window_field "Rasterwacht, Auflösung" content) || fail "the main window is gone"
  set -- "$1" $position
  convert "$work/shots/output.png" -crop "${area_width}x${area_height}+$2+$3" +repage "$1"
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

# hold KEY: held across at least one keyboard poll of the program.
hold() {
  "$AS_USER" wtype -P "$1" -s 350 -p "$1"
  sleep 0.3
}

# pointer COMMAND...: a command for the tests' virtual pointer (move, button,
# wheel; see wayland_pointer.cpp).
pointer() {
  echo "$*" >"$POINTER_FIFO"
  sleep 0.2
}

# wheel_away COUNT: COUNT notches away from the user, over the window.
wheel_away() {
  local position
  position=$(window_field "Rasterwacht, Auflösung" content)
  set -- "$1" $position
  pointer move $(($2 + 40)) $(($3 + 40)) "$desktop_width" "$desktop_height"
  for _ in $(seq "$1"); do pointer wheel -1; done
  pointer move $((desktop_width - 1)) $((desktop_height - 1)) "$desktop_width" "$desktop_height"
}

# close_and_expect_exit: asks the main window to close; the program must end
# with exit code 0 and have printed nothing.
close_and_expect_exit() {
  "$AS_USER" swaymsg -q '[title="^Rasterwacht, Auflösung"] kill'
  expect_ended "the program did not end on the close request"
}
