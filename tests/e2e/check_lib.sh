# Steps shared by the end-to-end tests of rasterwacht --check; sourced after
# e2e_lib.sh or wayland_lib.sh. The caller defines `title`, which prints the
# program's window title (empty while there is none), and `key KEY...`,
# which presses keys in the program's window.

# Debian's own python3 has the HTML parser of the Makefile's packages.
check_python=/usr/bin/python3
[ -x "$check_python" ] || check_python=python3

# The ids of the steps, in their order.
check_ids=(checkerboard vertical-lines horizontal-lines white black red green blue grey black-levels white-levels
           gradients gamma inversion chroma circles rectangles small-text motion frame-sequence)

# wait_title TEXT: the window title starts with TEXT, within 10 s.
wait_title() {
  local got=""
  for _ in $(seq 100); do
    got=$(title)
    [ "${got#"$1"}" != "$got" ] && return 0
    sleep 0.1
  done
  fail "title is '$got', expected it to start with '$1'"
}

# wait_step N: step N of 18 is shown.
wait_step() { wait_title "Rasterwacht – Prüfung, Schritt $1 von ${#check_ids[@]}: "; }

# wait_summary: the summary is shown.
wait_summary() { wait_title "Rasterwacht – Prüfung: Zusammenfassung"; }

# json FILE EXPRESSION: prints a Python expression over the parsed JSON `d`.
json() {
  "$check_python" -c 'import json, sys; d = json.load(open(sys.argv[1])); print(eval(sys.argv[2]))' "$1" "$2"
}

# same WHAT GOT WANT
same() {
  [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}

# expect_outside_strip NAME REFERENCE FIRST_ROW END_ROW: the picture equals
# REFERENCE in every row outside FIRST_ROW to END_ROW - 1 (the strip), within
# 10 s; the last shot is kept as shot_NAME.png, a name no reference has.
expect_outside_strip() {
  local name=$1 reference=$2 first=$3 end=$4 diff=""
  [ "$reference" != "$work/shot_$name.png" ] || fail "$name: the shot would be its own reference"
  for _ in $(seq 50); do
    shot "$work/shot_$name.png"
    diff=$("$check_python" - "$work/shot_$name.png" "$reference" "$first" "$end" <<'EOF'
import subprocess, sys
shot, reference, first, end = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
def rows(path):
    out = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    width = int(subprocess.run(["identify", "-format", "%w", path], capture_output=True, check=True).stdout)
    return [out[y * width * 3:(y + 1) * width * 3] for y in range(len(out) // (width * 3))]
a, b = rows(shot), rows(reference)
if len(a) != len(b):
    print("sizes differ")
else:
    print(sum(1 for y in range(len(a)) if not first <= y < end and a[y] != b[y]))
EOF
)
    [ "$diff" = 0 ] && return 0
    sleep 0.2
  done
  fail "$name: $diff rows outside the strip differ from $(basename "$reference")"
}

# check_html_matches_json HTML JSON: the report read with an HTML parser says
# what the JSON says, step by step and about the monitor, each note as text
# without any element in it; it needs no scripts and nothing from elsewhere.
check_html_matches_json() {
  "$check_python" - "$@" <<'EOF' || fail "the HTML report does not match the JSON: $1"
import json, sys
import html5lib
html_path, json_path = sys.argv[1], sys.argv[2]
ns = {"h": "http://www.w3.org/1999/xhtml"}
tree = html5lib.parse(open(html_path, "rb"), namespaceHTMLElements=True)
data = json.load(open(json_path))
def text(element):
    return "".join(element.itertext())
errors = []
for bad in tree.iter("{http://www.w3.org/1999/xhtml}script"):
    errors.append("a script element")
for element in tree.iter():
    for attribute in ("src", "href"):
        value = element.get(attribute)
        if value is not None and not value.startswith("data:"):
            errors.append("%s=%s" % (attribute, value))
rows = tree.findall(".//h:tr[@data-id]", ns)
if len(rows) != len(data["steps"]):
    errors.append("%d step rows for %d steps" % (len(rows), len(data["steps"])))
for row, step in zip(rows, data["steps"]):
    cells = {cell.get("class"): cell for cell in row.findall("h:td", ns)}
    if row.get("data-id") != step["id"]:
        errors.append("row %s for step %s" % (row.get("data-id"), step["id"]))
    if text(cells["answer"]) != step["answer_text"]:
        errors.append("%s: answer %r, JSON %r" % (step["id"], text(cells["answer"]), step["answer_text"]))
    if text(cells["reading"]) != (step["reading_text"] or ""):
        errors.append("%s: reading %r, JSON %r" % (step["id"], text(cells["reading"]), step["reading_text"]))
    if text(cells["note"]) != step["note"] or len(list(cells["note"])) != 0:
        errors.append("%s: note %r with %d elements, JSON %r" % (step["id"], text(cells["note"]), len(list(cells["note"])), step["note"]))
    if step["answer"] != "not_reached" and not cells["thumbnail"].findall("h:img", ns):
        errors.append("%s: no thumbnail" % step["id"])
facts = {cell.get("id"): text(cell) for cell in tree.findall(".//h:td[@id]", ns)}
monitor = data["monitor"]
if monitor["manufacturer_id"] and not facts["monitor-maker"].startswith(monitor["manufacturer_id"]):
    errors.append("maker %r" % facts["monitor-maker"])
if facts["monitor-model"] != (monitor["model_name"] or "keine Angabe"):
    errors.append("model %r" % facts["monitor-model"])
if facts["monitor-serial"] != (monitor["serial"] or "keine"):
    errors.append("serial %r" % facts["monitor-serial"])
totals = {cell.get("id"): text(cell) for cell in tree.findall(".//h:b[@id]", ns)}
for key, name in (("passed", "total-passed"), ("failed", "total-failed"), ("not_judged", "total-not-judged"),
                  ("not_reached", "total-not-reached")):
    if totals.get(name) != str(data["totals"][key]):
        errors.append("%s %r, JSON %r" % (name, totals.get(name), data["totals"][key]))
if errors:
    print("\n".join(errors))
    sys.exit(1)
EOF
}
