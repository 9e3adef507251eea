# Checks of an installed tree, shared by the install and the package tests;
# sourced by them. Each check names the file and what is wrong with it.
set -euo pipefail

work=$(mktemp -d)
trap 'status=$?; if [ $status -ne 0 ]; then echo "artifacts kept in $work" >&2; else rm -rf "$work"; fi' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# expect_tree PREFIX LIST: PREFIX holds exactly the files LIST names.
expect_tree() {
  local prefix=$1 list=$2
  (cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$work/tree.txt"
  LC_ALL=C sort "$list" >"$work/want.txt"
  diff -u "$work/want.txt" "$work/tree.txt" >&2 || fail "$prefix does not hold exactly the expected files"
  for program in "$prefix"/bin/*; do
    [ -x "$program" ] || fail "$program is not executable"
  done
}

# desktop_key FILE KEY: the value of KEY in the [Desktop Entry] group.
desktop_key() {
  sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}

# check_desktop_integration PREFIX: the validators pass, and the desktop
# entry, the metainfo and the icons all carry the same application id.
check_desktop_integration() {
  local prefix=$1
  local entries=("$prefix"/share/applications/*.desktop)
  [ ${#entries[@]} = 1 ] || fail "expected one desktop entry, found ${#entries[@]}"
  local entry=${entries[0]}
  local id
  id=$(basename "$entry" .desktop)
  local out
  out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
  [ -z "$out" ] || fail "desktop-file-validate has remarks: $out"

  local metainfo=$prefix/share/metainfo/$id.metainfo.xml
  [ -f "$metainfo" ] || fail "no metainfo named after the desktop entry: $metainfo"
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
  grep -q "<id>$id</id>" "$metainfo" || fail "$metainfo: <id> is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "$metainfo: <launchable> does not name $id.desktop"
  grep -q '<summary>[^<]*Monitor' "$metainfo" || fail "$metainfo: no German summary"

  [ "$(desktop_key "$entry" Icon)" = "$id" ] || fail "$entry: Icon= is not $id"
  [ -f "$prefix/share/icons/hicolor/32x32/apps/$id.png" ] || fail "no 32x32 icon named $id.png"
  [ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon named $id.svg"
  [ "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/32x32/apps/$id.png")" = 32x32 ] ||
    fail "the 32x32 icon is not 32 x 32 pixels"

  local exec
  exec=$(desktop_key "$entry" Exec)
  [ -x "$prefix/bin/${exec%% *}" ] || fail "$entry: Exec=$exec is not an installed program"
  [ -n "$(desktop_key "$entry" StartupWMClass)" ] || fail "$entry: no StartupWMClass"

  # The full-screen test and the check are actions of the entry, and the
  # metainfo names them.
  [ "$(desktop_key "$entry" Actions)" = "Vollbild-Test;Monitor-pruefen;" ] ||
    fail "$entry: Actions= is not Vollbild-Test;Monitor-pruefen;"
  local action_exec action_name
  action_exec=$(sed -n '/^\[Desktop Action Vollbild-Test\]/,/^\[/s/^Exec=//p' "$entry")
  [ "$action_exec" = "rasterwacht --full-screen" ] || fail "$entry: the Vollbild-Test action runs '$action_exec'"
  action_exec=$(sed -n '/^\[Desktop Action Monitor-pruefen\]/,/^\[/s/^Exec=//p' "$entry")
  action_name=$(sed -n '/^\[Desktop Action Monitor-pruefen\]/,/^\[/s/^Name=//p' "$entry")
  [ "$action_exec" = "rasterwacht --check" ] || fail "$entry: the Monitor-pruefen action runs '$action_exec'"
  [ "$action_name" = "Monitor prüfen" ] || fail "$entry: the Monitor-pruefen action is named '$action_name'"
  grep -q 'Vollbild-Test' "$metainfo" || fail "$metainfo: no word of the Vollbild-Test"
  grep -q 'rasterwacht --check' "$metainfo" || fail "$metainfo: no word of the check"
}

# check_man_pages PREFIX RENDERER: both pages format without a warning, and
# the renderer's page explains every option its --help lists.
check_man_pages() {
  local prefix=$1 renderer=$2 page out
  for page in rasterwacht rasterwacht-render; do
    out=$(zcat "$prefix/share/man/man1/$page.1.gz" | groff -k -man -Tutf8 -ww -z 2>&1) ||
      fail "$page.1 does not format: $out"
    [ -z "$out" ] || fail "$page.1 formats with warnings: $out"
  done
  zcat "$prefix/share/man/man1/rasterwacht-render.1.gz" >"$work/render.1"
  local options
  options=$("$renderer" --help | grep -o -- '--[a-z]\+' | sort -u)
  [ -n "$options" ] || fail "rasterwacht-render --help lists no options"
  for option in $options; do
    grep -qF -- "\\-\\-${option#--}" "$work/render.1" || fail "rasterwacht-render.1 does not explain $option"
  done
  for section in "EXIT STATUS" EXAMPLES; do
    grep -q "^\.SH $section" "$work/render.1" || fail "rasterwacht-render.1 has no $section section"
  done
  zcat "$prefix/share/man/man1/rasterwacht.1.gz" >"$work/program.1"
  for section in KEYS MENU "INFORMATION PAGE" CHECK; do
    grep -q "^\.SH $section" "$work/program.1" || fail "rasterwacht.1 has no $section section"
  done
}

# check_programs_run PREFIX VERSION REFERENCE_RENDERER: the installed renderer
# tells its version and draws exactly what the build's renderer draws.
check_programs_run() {
  local prefix=$1 version=$2 reference=$3 out
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/rasterwacht-render" --version 2>&1) ||
    fail "installed rasterwacht-render --version failed: $out"
  [ "$out" = "rasterwacht-render $version" ] || fail "installed rasterwacht-render --version says: $out"
  env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/rasterwacht-render" --desktop 200x150 --seed 7 2 "$work/installed.png" ||
    fail "installed rasterwacht-render could not draw"
  "$reference" --desktop 200x150 --seed 7 2 "$work/built.png"
  cmp -s "$work/installed.png" "$work/built.png" || fail "the installed renderer draws differently from the built one"
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/rasterwacht" 2>&1) ||
    fail "installed rasterwacht without a display failed: $out"
  [ -z "$out" ] || fail "installed rasterwacht without a display printed: $out"
}
