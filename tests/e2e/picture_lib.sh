# Picture checks shared by the end-to-end libraries; each defines shot FILE,
# which takes the drawing area as the program shows it.

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
