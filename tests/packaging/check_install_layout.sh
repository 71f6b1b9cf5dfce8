#!/usr/bin/env bash
# cmake --install of the build tree with prefix /usr into a scratch root puts
# every file in its standard place, and the installed programs start.
source "$(dirname "$0")/common.sh"

root="$scratch/root"
run env DESTDIR="$root" cmake --install "$BUILD_DIR" --prefix /usr
check "cmake --install --prefix /usr into $root $err" [ "$rc" -eq 0 ]
[ "$rc" -ne 0 ] || check_installed_tree "$root"

finish
