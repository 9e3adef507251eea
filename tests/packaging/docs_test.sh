#!/usr/bin/env bash
# The README's pictures in docs/ are what the renderer draws today, and the
# README shows every one of them. `make docs` renders them again.
# Usage: docs_test.sh RENDERER SOURCE_DIR
set -euo pipefail
renderer=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

fresh=$work/pictures
env -u DISPLAY -u WAYLAND_DISPLAY sh "$source/packaging/render_docs.sh" "$renderer" "$fresh" ||
  fail "render_docs.sh failed"
(cd "$fresh" && ls) >"$work/fresh.txt"
(cd "$source/docs" && ls *.png) >"$work/kept.txt"
diff -u "$work/fresh.txt" "$work/kept.txt" >&2 || fail "docs/ does not hold exactly the rendered pictures: run make docs"

for picture in $(cat "$work/fresh.txt"); do
  kept=$source/docs/$picture
  [ "$(identify -format '%wx%h' "$kept")" = "$(identify -format '%wx%h' "$fresh/$picture")" ] ||
    fail "docs/$picture has the wrong size: run make docs"
  differing=$(compare -metric AE "$kept" "$fresh/$picture" null: 2>&1 || true)
  [ "$differing" = 0 ] || fail "docs/$picture is stale ($differing pixels differ): run make docs"
  grep -qF "(docs/$picture)" "$source/README.md" || fail "README.md does not show docs/$picture"
done
echo "$(wc -l <"$work/fresh.txt") pictures up to date"
