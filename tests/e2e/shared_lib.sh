# Steps shared by the end-to-end libraries (e2e_lib.sh for X11,
# wayland_lib.sh for sway). Each library defines shot FILE, which takes the
# drawing area as the program shows it, and may define on_failure, which
# keeps more of a failed run.
set -euo pipefail

work=$(mktemp -d)
keep_work_on_failure() {
  local status=$?
  if [ -n "${program_pid:-}" ]; then kill "$program_pid" 2>/dev/null || true; fi
  if [ "$status" -ne 0 ]; then
    if declare -F on_failure >/dev/null; then on_failure || true; fi
    echo "artifacts kept in $work" >&2
  else
    rm -rf "$work"
  fi
}
trap keep_work_on_failure EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# differing_pixels A B: how many pixels of the two pictures differ.
differing_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 || true
}

# expect_picture NAME REFERENCE: the area shows REFERENCE, within 10 s.
expect_picture() {
  local name=$1 reference=$2 diff=""
  for _ in $(seq 50); do
    shot "$work/$name.png"
    diff=$(differing_pixels "$work/$name.png" "$reference")
    [ "$diff" = 0 ] && return 0
    sleep 0.2
  done
  fail "$name: $diff pixels differ from $(basename "$reference")"
}

# expect_ended WHY [SECONDS]: the program started as $program_pid ends within
# SECONDS (5 unless given), with exit code 0 and nothing on stdout or
# stderr; WHY is the failure when it runs on.
expect_ended() {
  local why=$1 tenths=$((${2:-5} * 10)) status=0
  for _ in $(seq "$tenths"); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program_pid" 2>/dev/null && fail "$why"
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" = 0 ] || fail "exit code $status"
  [ ! -s "$work/stderr" ] || fail "the program wrote to stderr: $(head -c 500 "$work/stderr")"
  [ ! -s "$work/stdout" ] || fail "the program wrote to stdout: $(head -c 500 "$work/stdout")"
}
