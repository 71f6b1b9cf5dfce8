#!/usr/bin/env bash
# cpack makes the Debian package from the build tree; its control fields
# declare name, version, section and dependencies, and its contents, unpacked
# into a scratch root, are a working installation.
source "$(dirname "$0")/common.sh"
need_tools dpkg-deb:dpkg cpack:cmake

run cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$scratch/out"
arch=$(dpkg --print-architecture)
deb="$scratch/out/qorvil_${VERSION}_${arch}.deb"
if [ "$rc" -ne 0 ] || [ ! -f "$deb" ]; then
  fail "cpack made no $(basename "$deb"): $out $err"
  finish
fi
pass "cpack made $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
for pair in Package=qorvil "Version=$VERSION" "Architecture=$arch" Section=electronics; do
  expect_equal "${pair%%=*}" "$(field "${pair%%=*}")" "${pair#*=}"
done
check "Maintainer: $(field Maintainer)" grep -qE '^.+ <[^>]+@[^>]+>$' <<<"$(field Maintainer)"
description=$(field Description)
check "Description has a summary line and a long description" \
  test -n "$(head -n 1 <<<"$description")" -a "$(wc -l <<<"$description")" -ge 3
echo "Depends: $(field Depends)"
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libstdc++6 libc6 fonts-ipafont-gothic; do
  check "Depends on $package" grep -qx -- "$package" <<<"$depends"
done

# Directories 0755, programs 0755, everything else 0644, all owned by root.
bad=$(dpkg-deb -c "$deb" | awk '
  { mode = $1; owner = $2; name = $6 }
  owner != "root/root" { print; next }
  mode ~ /^d/ { if (mode != "drwxr-xr-x") print; next }
  name ~ /^\.\/usr\/bin\// { if (mode != "-rwxr-xr-x") print; next }
  { if (mode != "-rw-r--r--") print }')
check "owners and modes in the package are root/root, 0755 and 0644 $bad" [ -z "$bad" ]

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
check_installed_tree "$root"
for f in qorvil qorvil-board-sim; do
  check "$f is stripped" grep -q ', stripped' <<<"$(file -b "$root/usr/bin/$f")"
done

finish
