#!/usr/bin/env bash
# Builds the Debian package as `make package` does, then reads its control
# fields and contents and runs the programs it carries.
# Usage: package_test.sh BUILD_DIR EXPECTED_FILES VERSION
. "$(dirname "$0")/packaging_lib.sh"
build=$1 list=$2 version=$3

out=$(cd "$build" && cpack --config CPackConfig.cmake -B "$work/out" 2>&1) || fail "cpack failed: $out"
deb=$work/out/rasterwacht_${version}-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") was written: $(ls "$work/out")"

dpkg-deb -I "$deb" >"$work/info.txt" || fail "dpkg-deb -I cannot read the package"
field() {
  dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = rasterwacht ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version-1" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
# The library dependencies come from the binaries; the fonts and Qt's
# Wayland platform are named.
depends=$(field Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libx11-6 libwayland-client0 \
  fonts-liberation2 qt6-wayland; do
  echo "$depends" | tr ',' '\n' | grep -q "^ *$package\( \|$\)" || fail "Depends lacks $package: $depends"
done

# Contents: exactly the installed files under /usr, root-owned, with the
# programs executable and everything else read-only for others.
dpkg-deb -c "$deb" >"$work/contents.txt" || fail "dpkg-deb -c cannot list the package"
awk '$1 !~ /^d/ {sub(/^\.\/usr\//, "", $6); print $6}' "$work/contents.txt" | LC_ALL=C sort >"$work/listed.txt"
LC_ALL=C sort "$list" >"$work/want.txt"
diff -u "$work/want.txt" "$work/listed.txt" >&2 || fail "the package does not hold exactly the expected files"
awk '$2 != "root/root" {print "not root-owned: " $6; bad=1} END {exit bad}' "$work/contents.txt" >&2 ||
  fail "files not owned by root"
awk '$1 !~ /^d/ && $6 ~ /\/bin\// && $1 != "-rwxr-xr-x" {print $1, $6; bad=1}
     $1 !~ /^d/ && $6 !~ /\/bin\// && $1 != "-rw-r--r--" {print $1, $6; bad=1} END {exit bad}' \
  "$work/contents.txt" >&2 || fail "files with unexpected permissions"

# The package as a user gets it: stripped programs that still run and still
# carry their version, and the same desktop files as the install.
dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x cannot unpack the package"
for program in rasterwacht rasterwacht-render; do
  file "$work/root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
check_desktop_integration "$work/root/usr"
check_man_pages "$work/root/usr" "$build/rasterwacht-render"
check_programs_run "$work/root/usr" "$version" "$build/rasterwacht-render"

# apt accepts the package with what this system has or can get.
out=$(apt-get install --simulate "$deb" 2>&1) || fail "apt-get cannot install the package: $out"
echo "$out" | grep -q '^Inst rasterwacht ' || fail "apt-get would not install rasterwacht: $out"
echo "package in order: $(basename "$deb")"
