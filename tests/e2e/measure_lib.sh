# Steps of the --measure-refresh tests, sourced after e2e_lib.sh or
# wayland_lib.sh: the measurement's JSON read back and its figures checked
# against ranges.

# json_field NAME: a field of $work/stdout's JSON ("interval_ms.p50" for a
# nested one); the whole object must have exactly the documented keys.
json_field() {
  python3 - "$work/stdout" "$1" <<'PY' || fail "no such field $1 in: $(head -c 500 "$work/stdout")"
import json, sys
doc = json.load(open(sys.argv[1]))
keys = ["connector", "nominal_hz", "measured_hz", "frames", "missed", "discarded", "interval_ms", "time_source"]
if list(doc) != keys or list(doc["interval_ms"]) != ["p50", "p99", "max"]:
    sys.exit("keys: %s" % list(doc))
value = doc
for part in sys.argv[2].split("."):
    value = value[part]
print("null" if value is None else value)
PY
}

# expect_between NAME LOW HIGH: the field lies in [LOW, HIGH].
expect_between() {
  local value
  value=$(json_field "$1")
  python3 -c 'import sys; v, lo, hi = map(float, sys.argv[1:4]); sys.exit(0 if lo <= v <= hi else 1)' "$value" "$2" "$3" ||
    fail "$1 is $value, not between $2 and $3 ($(cat "$work/stdout"))"
}

# expect_field NAME VALUE
expect_field() {
  local value
  value=$(json_field "$1")
  [ "$value" = "$2" ] || fail "$1 is '$value', not '$2' ($(cat "$work/stdout"))"
}

# measured_ended SECONDS: the measuring program ($program_pid) ended within
# SECONDS with exit code 0, JSON on stdout and nothing on stderr.
measured_ended() {
  local tenths=$(($1 * 10)) status=0
  for _ in $(seq "$tenths"); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program_pid" 2>/dev/null && fail "the measurement did not end within $1 s"
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" = 0 ] || fail "exit code $status: $(head -c 500 "$work/stderr")"
  [ ! -s "$work/stderr" ] || fail "the program wrote to stderr: $(head -c 500 "$work/stderr")"
  [ -s "$work/stdout" ] || fail "the program printed nothing"
}

# load_mark: the machine's CPU time so far (all of it, and the test's own:
# the compositor in SWAY_PID and the children this script has waited for),
# for others_busy_since.
load_mark() {
  python3 - "$$" "${SWAY_PID:-0}" <<'PY'
import sys
def ticks(pid, first):
    try:
        fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    except OSError:
        return 0
    return int(fields[first]) + int(fields[first + 1])
cpu = [int(v) for v in open("/proc/stat").readline().split()[1:]]
# utime, stime are fields 14 and 15, cutime, cstime 16 and 17 (1-based).
print(sum(cpu), cpu[3] + cpu[4], ticks(sys.argv[2], 11), ticks(sys.argv[1], 13))
PY
}

# others_busy_since MARK: how busy others kept the machine since MARK, in
# percent of all its cores: what was busy less the test's own part.
others_busy_since() {
  python3 - "$1" "$(load_mark)" <<'PY'
import sys
a = [int(v) for v in sys.argv[1].split()]
b = [int(v) for v in sys.argv[2].split()]
total, idle, own = b[0] - a[0], b[1] - a[1], (b[2] - a[2]) + (b[3] - a[3])
print(max(0, round(100 * (total - idle - own) / max(1, total))))
PY
}

# missed_allowed FRAMES BUSY: how many missed refreshes a run of FRAMES may
# show while others kept the machine BUSY percent busy: 1 % on a quiet
# machine, where headless sway's own timer still skips a callback now and
# then (one interval of 20 ms in 300, in two runs of five, with the
# program's callback-to-commit delay at 0 to 1 ms); on a loaded one (a core
# of two taken by others) the compositor and the program, sharing what is
# left, miss up to 8 % of them, as measured here.
missed_allowed() {
  if [ "$2" -le 15 ]; then
    echo $(($1 / 100))
  else
    echo $(($1 * 8 / 100))
  fi
}
