# Shared steps of the end-to-end tests under mutter and GNOME Shell; sourced
# by test scripts that run inside gnome_run.sh, which define `renderer`,
# `finder` (find_picture), `desktop_width`, `desktop_height` and `scale`.
# Shots are of the whole monitor in device pixels, without the cursor; the
# window's content is found in them (find_picture), never assumed.
source "$(dirname "${BASH_SOURCE[0]}")/shared_lib.sh"

gnome_session=$(dirname "${BASH_SOURCE[0]}")/gnome_session.py
chmod 755 "$work"
mkdir -m 777 "$work/shots"
on_failure() { cp -r "$GNOME_DIR/logs" "$work/compositor-logs"; }

# session COMMAND...: a command for gnome_session.py's remote-desktop session.
session() {
  /usr/bin/python3 "$gnome_session" send "$GNOME_SESSION" "$@" || fail "gnome_session.py $* failed"
}

# install_program PROGRAM: a copy that the compositor's user may run.
install_program() {
  mkdir -p "$work/bin"
  cp "$1" "$work/bin/"
  chmod 755 "$work/bin/$(basename "$1")"
  echo "$work/bin/$(basename "$1")"
}

# reference NAME RENDER_ARGS...: the picture as the program must show it; the
# desktop's scale sets the fonts' dots per inch (96 at 100 %).
reference() {
  local name=$1 dpi
  shift
  dpi=$(/usr/bin/python3 -c "import sys; print(int(96 * float(sys.argv[1]) + 0.5))" "$scale")
  "$renderer" --desktop "${desktop_width}x${desktop_height}" --dpi "$dpi" "$@" "$work/$name.png" ||
    fail "rasterwacht-render $* failed"
  echo "$work/$name.png"
}

# shot FILE: the whole monitor.
shot() {
  session shot "$1"
}

# window_titles: the titles of GNOME Shell's windows of the program, one a
# line; bare mutter has no such list.
window_titles() {
  [ "$GNOME_COMPOSITOR" = gnome-shell ] || fail "only GNOME Shell lists its windows"
  session windows | awk -F '\t' '$1 == "de.rasterwacht.Rasterwacht" { print $5 }'
}

# find_in_shot SHOT REFERENCE: "x y" of REFERENCE in SHOT, or nothing (the
# finder's verdict then in $work/find.log).
find_in_shot() {
  "$finder" "$1" "$2" 2>"$work/find.log" || true
}

# expect_picture NAME REFERENCE: the shot shows REFERENCE, found pixel for
# pixel at the window's content ($content_x $content_y), within 10 s.
expect_picture() {
  local name=$1 reference=$2 found=""
  for _ in $(seq 20); do
    shot "$work/$name.png"
    found=$(find_in_shot "$work/$name.png" "$reference")
    [ -n "$found" ] && break
    sleep 0.3
  done
  [ -n "$found" ] || fail "$name: $(basename "$reference") is not in the shot: $(cat "$work/find.log")"
  [ "$found" = "$content_x $content_y" ] ||
    fail "$name: $(basename "$reference") lies at $found, the window's content at $content_x $content_y"
}

# start_program REFERENCE PROGRAM [ARG...]: starts it in the session and waits
# up to 20 s for its window to show REFERENCE (the start picture); sets
# content_x and content_y to where it lies. Under GNOME Shell the window
# titled "Rasterwacht, Auflösung…" must be there first.
start_program() {
  local reference=$1 found=""
  shift
  "$AS_USER" "$@" >"$work/stdout" 2>"$work/stderr" &
  program_pid=$!
  if [ "$GNOME_COMPOSITOR" = gnome-shell ]; then
    for _ in $(seq 100); do
      window_titles 2>/dev/null | grep -q "^Rasterwacht, Auflösung" && break
      sleep 0.1
    done
    window_titles | grep -q "^Rasterwacht, Auflösung" || fail "the main window did not appear"
  fi
  for _ in $(seq 40); do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended at its start: $(head -c 500 "$work/stderr")"
    shot "$work/start.png"
    found=$(find_in_shot "$work/start.png" "$reference")
    [ -n "$found" ] && break
    sleep 0.3
  done
  [ -n "$found" ] || fail "the start picture did not appear: $(cat "$work/find.log")"
  read -r content_x content_y <<<"$found"
}

# hold KEY: an X keysym name held across at least one keyboard poll of the
# program.
hold() {
  session key "$1" press
  sleep 0.35
  session key "$1" release
  sleep 0.3
}

# click X Y [BUTTON]: a click (left unless BUTTON, a Linux button code) at
# (X, Y) of the monitor; the pointer goes back to the bottom-right pixel.
click() {
  session move "$1" "$2"
  session button "${3:-272}" press
  session button "${3:-272}" release
  session move $((desktop_width - 1)) $((desktop_height - 1))
  sleep 0.2
}

# close_and_expect_exit: asks the focused window to close (mutter's Alt+F4);
# the program must end with exit code 0 and have printed nothing.
close_and_expect_exit() {
  session key Alt_L press
  session key F4 press
  session key F4 release
  session key Alt_L release
  expect_ended "the program did not end on the close request"
}
