#!/usr/bin/env bash
# cpack makes the Debian package from the build tree; its control fields
# declare name, version, section and dependencies, and its contents, unpacked
# into a scratch root, are a working installation.
source "$(dirname "$0")/common.sh"
need_tool dpkg-deb dpkg
need_tool cpack cmake

run cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$scratch/out"
if [ "$rc" -ne 0 ]; then
  fail "cpack: $out $err"
  finish
fi
arch=$(dpkg --print-architecture)
deb="$scratch/out/qorvil_${VERSION}_${arch}.deb"
if [ -f "$deb" ]; then
  pass "cpack made $(basename "$deb")"
else
  fail "cpack made no $(basename "$deb"): $(ls "$scratch/out")"
  finish
fi

field() { dpkg-deb -f "$deb" "$1"; }
expect_equal Package "$(field Package)" qorvil
expect_equal Version "$(field Version)" "$VERSION"
expect_equal Architecture "$(field Architecture)" "$arch"
expect_equal Section "$(field Section)" electronics
if grep -qE '^.+ <[^>]+@[^>]+>$' <<<"$(field Maintainer)"; then
  pass "Maintainer: $(field Maintainer)"
else
  fail "Maintainer is '$(field Maintainer)'"
fi
description=$(field Description)
if [ "$(head -n 1 <<<"$description")" != "" ] && [ "$(wc -l <<<"$description")" -ge 3 ]; then
  pass "Description has a summary line and a long description"
else
  fail "Description: '$description'"
fi
depends=$(field Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libstdc++6 libc6 fonts-ipafont-gothic; do
  if tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//' | grep -qx -- "$package"; then
    pass "Depends on $package"
  else
    fail "Depends lacks $package"
  fi
done

# Directories 0755, programs 0755, everything else 0644, all owned by root.
dpkg-deb -c "$deb" >"$scratch/contents"
bad=$(awk '
  { mode = $1; owner = $2; name = $6 }
  owner != "root/root" { print; next }
  mode ~ /^d/ { if (mode != "drwxr-xr-x") print; next }
  name ~ /^\.\/usr\/bin\// { if (mode != "-rwxr-xr-x") print; next }
  { if (mode != "-rw-r--r--") print }' "$scratch/contents")
if [ -z "$bad" ]; then
  pass "owners and modes in the package are root/root, 0755 and 0644"
else
  fail "entries with an unusual owner or mode:"
  echo "$bad" >&2
fi

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
check_installed_tree "$root"
for f in usr/bin/qorvil usr/bin/qorvil-board-sim; do
  if file -b "$root/$f" | grep -q ', stripped'; then
    pass "$f is stripped"
  else
    fail "$f is not stripped: $(file -b "$root/$f")"
  fi
done

finish
