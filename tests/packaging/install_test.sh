#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `make install PREFIX=...`
# does, and checks what lands there.
# Usage: install_test.sh BUILD_DIR EXPECTED_FILES VERSION
. "$(dirname "$0")/packaging_lib.sh"
build=$1 list=$2 version=$3

prefix=$work/prefix
out=$(cmake --install "$build" --prefix "$prefix" 2>&1) || fail "cmake --install failed: $out"
expect_tree "$prefix" "$list"
check_desktop_integration "$prefix"
check_man_pages "$prefix" "$build/rasterwacht-render"
check_programs_run "$prefix" "$version" "$build/rasterwacht-render"
echo "installed tree in order"
