#!/usr/bin/env bash
# cmake --install of the build tree with prefix /usr into a scratch root puts
# every file in its standard place, and the installed programs start.
source "$(dirname "$0")/common.sh"

root="$scratch/root"
run env DESTDIR="$root" cmake --install "$BUILD_DIR" --prefix /usr
if [ "$rc" -ne 0 ]; then
  fail "cmake --install: $out $err"
  finish
fi
pass "cmake --install --prefix /usr into $root"
check_installed_tree "$root"

finish
