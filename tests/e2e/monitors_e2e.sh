#!/usr/bin/env bash
# rasterwacht --monitors and --monitors --json against RandR monitors of a
# private Xvfb and a fake kernel connector folder holding real EDIDs; the
# fields must equal what edid-decode reads from the same EDIDs.
# Usage (inside xvfb_run.sh): monitors_e2e.sh PROGRAM JSON_QUERY X_SET_EDID CORPUS CASE
# CASE "one": DP-1, a Dell panel at its native 1366 x 768.
# CASE "randr": Xvfb's own monitor, whose output carries the Dell EDID; the
# kernel's connector of the same name holds another, which must lose.
# CASE "two": DP-1 (first, a Samsung 1280 x 1024 panel run at 1366 x 768) and
# HDMI-A-1 (second, the primary, an LG 1920 x 1080 panel at 1920 x 1080).
# CASE "tiled": DP-1, one connector of an LG 5K panel driven as 2 x 1 tiles,
# at the whole panel's 5120 x 2880.
# CASE "eeodb": HDMI-A-1, a monitor whose HF-EEODB announces the DisplayID
# blocks that byte 126 leaves out; its preferred mode is their 144 Hz.
set -euo pipefail
program=$1 query=$2 set_edid=$3 corpus=$4 case=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
command -v edid-decode >/dev/null || fail "edid-decode is not installed (Debian package edid-decode)"

connector() {  # connector NAME EDID_FILE
  mkdir -p "$work/drm/card0-$1"
  echo connected >"$work/drm/card0-$1/status"
  echo enabled >"$work/drm/card0-$1/enabled"
  cp "$2" "$work/drm/card0-$1/edid"
}
# A connector that is not connected, to be left out.
mkdir -p "$work/drm/card0-VGA-1"
echo disconnected >"$work/drm/card0-VGA-1/status"
: >"$work/drm/card0-VGA-1/edid"

# The first monitor takes over Xvfb's one output, so that its own automatic
# monitor goes; the second has no output.
case $case in
  one)
    connector DP-1 "$corpus/dell_d1918h_2018.bin"
    xrandr --setmonitor DP-1 1366/410x768/230+0+0 screen
    expect=("DP-1 $corpus/dell_d1918h_2018.bin true 1366 768 0")
    ;;
  randr)
    connector screen "$corpus/samsung_syncmaster_2004.bin"
    "$set_edid" "$corpus/dell_d1918h_2018.bin" || fail "cannot set the output's EDID"
    expect=("screen $corpus/dell_d1918h_2018.bin true 1366 768 0")
    ;;
  two)
    connector DP-1 "$corpus/samsung_syncmaster_2004.bin"
    connector HDMI-A-1 "$corpus/lg_mp59g_2016.bin"
    xrandr --setmonitor DP-1 1366/338x768/270+0+0 screen
    xrandr --setmonitor '*HDMI-A-1' 1920/480x1080/270+1366+0 none
    expect=("HDMI-A-1 $corpus/lg_mp59g_2016.bin true 1920 1080 1366"
            "DP-1 $corpus/samsung_syncmaster_2004.bin false 1366 768 0")
    ;;
  tiled)
    connector DP-1 "$corpus/lg_ultrafine_5k_tiled_2020.bin"
    xrandr --setmonitor DP-1 5120/600x2880/340+0+0 screen
    expect=("DP-1 $corpus/lg_ultrafine_5k_tiled_2020.bin true 5120 2880 0")
    ;;
  eeodb)
    connector HDMI-A-1 "$corpus/../built/eeodb_displayid_144hz.bin"
    xrandr --setmonitor HDMI-A-1 3840/698x2160/392+0+0 screen
    expect=("HDMI-A-1 $corpus/../built/eeodb_displayid_144hz.bin true 3840 2160 0")
    ;;
  *) fail "unknown case $case" ;;
esac

export RASTERWACHT_DRM_DIR="$work/drm"
"$program" --monitors --json >"$work/list.json" 2>"$work/stderr" || fail "--monitors --json failed: $(cat "$work/stderr")"
"$program" --monitors >"$work/list.txt" 2>>"$work/stderr" || fail "--monitors failed: $(cat "$work/stderr")"
[ ! -s "$work/stderr" ] || fail "stderr: $(cat "$work/stderr")"

field() { "$query" "$work/list.json" "$1" || true; }
same() {  # same WHAT GOT WANT
  [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}

[ "$(field ${#expect[@]})" = missing ] || fail "more monitors than ${#expect[@]}: $(cat "$work/list.json")"
for k in "${!expect[@]}"; do
  read -r name edid primary width height x <<<"${expect[$k]}"
  decoded=$(edid-decode -n -p "$edid")
  from_decode() { sed -n "s/^ *$1: *//p" <<<"$decoded" | head -1; }
  same "$k.connector" "$(field $k.connector)" "$name"
  same "$k.primary" "$(field $k.primary)" "$([ "$k" = 0 ] && echo true || echo false)"
  same "$k.x" "$(field $k.x)" "$x"
  same "$k.y" "$(field $k.y)" 0
  same "$k.width" "$(field $k.width)" "$width"
  same "$k.height" "$(field $k.height)" "$height"
  same "$k.depth" "$(field $k.depth)" 32
  same "$k.scale" "$(field $k.scale)" 1
  same "$k.edid.manufacturer_id" "$(field $k.edid.manufacturer_id)" "$(from_decode Manufacturer)"
  same "$k.edid.product_code" "$(field $k.edid.product_code)" "$(from_decode Model)"
  same "$k.edid.name" "$(field $k.edid.name)" "$(from_decode 'Display Product Name' | tr -d "'")"
  serial=$(from_decode 'Display Product Serial Number' | tr -d "'")
  [ -n "$serial" ] || serial=$(from_decode 'Serial Number')
  same "$k.edid.serial" "$(field $k.edid.serial)" "$serial"
  same "$k.edid.year" "$(field $k.edid.year)" "$(from_decode 'Made in' | sed 's/.* //')"
  native=$(sed -n '/^Native Video Resolution/{n;s/^ *//p}' <<<"$decoded" | head -1)
  same "$k.edid.native" "$(field $k.edid.native_width)x$(field $k.edid.native_height)" "$native"
  same "$k.edid.native_source" "$(field $k.edid.native_source)" declared
  # The preferred timing: the DisplayID one where edid-decode finds one,
  # else block 0's; the image size is that of block 0's first timing.
  dtd0=$(sed -n '/^Preferred Video Timing if only Block 0/{n;p}' <<<"$decoded")
  dtd_id=$(sed -n '/^Preferred Video Timing if Block 0 and DisplayID/{n;p}' <<<"$decoded")
  preferred=${dtd_id:-$dtd0}
  [ -n "$dtd0" ] || dtd0=$(grep -m1 ' DTD 1:' <<<"$decoded")
  refresh=$(sed -E 's/.* ([0-9.]+) Hz.*/\1/' <<<"$preferred")
  size=$(sed -E 's/.*\(([0-9]+) mm x ([0-9]+) mm\).*/\1x\2/' <<<"$dtd0")
  same "$k.edid.preferred" "$(field $k.edid.preferred_width)x$(field $k.edid.preferred_height)" \
    "$(sed -E 's/^[^:]*: *([0-9]+x[0-9]+).*/\1/' <<<"$preferred")"
  same "$k.edid.preferred_refresh_hz" "$(field $k.edid.preferred_refresh_hz)" "$(printf '%.3f' "$refresh" | sed 's/0*$//;s/\.$//')"
  same "$k.edid.image size" "$(field $k.edid.image_width_mm)x$(field $k.edid.image_height_mm)" "$size"
  # Pixels per inch of the whole panel: its native diagonal in pixels over
  # the diagonal of the image size.
  ppi=$(awk -v n="$native" -v s="$size" 'BEGIN { split(n, p, "x"); split(s, m, "x");
    printf "%.1f", sqrt(p[1] ^ 2 + p[2] ^ 2) / (sqrt(m[1] ^ 2 + m[2] ^ 2) / 25.4) }')
  same "$k.edid.pixel_density_ppi" "$(field $k.edid.pixel_density_ppi)" "$(sed 's/0*$//;s/\.$//' <<<"$ppi")"
  columns=$(sed -nE 's/.*Num horizontal tiles: ([0-9]+) Num vertical tiles: ([0-9]+).*/\1 \2/p' <<<"$decoded")
  if [ -n "$columns" ]; then
    read -r columns rows <<<"$columns"
    read -r column row <<<"$(sed -nE 's/.*Tile location: ([0-9]+), ([0-9]+).*/\1 \2/p' <<<"$decoded")"
    same "$k.edid.tiles" "$(field $k.edid.tiles.columns) $(field $k.edid.tiles.rows) $(field $k.edid.tiles.column) $(field $k.edid.tiles.row)" \
      "$columns $rows $column $row"
  else
    same "$k.edid.tiles" "$(field $k.edid.tiles)" null
  fi
  verdict=$([ "$native" = "${width}x$height" ] && echo true || echo false)
  same "$k.native" "$(field $k.native)" "$verdict"
done

# The text list says the same, block by block.
grep -q "^Monitor 0: ${expect[0]%% *} (primary)$" "$work/list.txt" || fail "text list: $(cat "$work/list.txt")"
case $case in
  one | randr | tiled | eeodb)
    grep -q "^  Verdict:        native$" "$work/list.txt" || fail "no native verdict: $(cat "$work/list.txt")" ;;
  two)
    grep -qx "  Verdict:        not native: the desktop runs 1366 x 768 on a 1280 x 1024 panel; line gratings will show scaling, not the monitor" "$work/list.txt" ||
      fail "no not-native verdict: $(cat "$work/list.txt")"
    [ "$(grep -c '^  Verdict:        native$' "$work/list.txt")" = 1 ] || fail "one native verdict expected"
    ;;
esac
# What the case is about, beyond agreeing with edid-decode: the whole tiled
# panel's density, and the refresh rate of the block past byte 126's count.
case $case in
  tiled)
    same "tiled panel density" "$(field 0.edid.pixel_density_ppi)" 216.4
    same "tiled panel" "$(field 0.edid.native_width)x$(field 0.edid.native_height)" 5120x2880
    ;;
  eeodb) same "preferred refresh from DisplayID" "$(field 0.edid.preferred_refresh_hz)" 144.001 ;;
esac
echo "monitors $case: ok"
