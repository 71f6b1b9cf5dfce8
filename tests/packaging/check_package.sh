#!/usr/bin/env bash
# Qorvil's packaging as a desktop, a software centre, man, dpkg and lintian see it: the menu
# entry and AppStream metadata validate, the manual pages render and document every option,
# `cmake --install` and the Debian package put exactly the expected files in place, the
# package's control fields are right, and the installed program starts offscreen.
# Usage: check_package.sh packaging_test.env (written by CMake into the build tree).
set -uo pipefail
source "${1:?usage: $0 packaging_test.env}"
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
for tool in desktop-file-validate appstreamcli groff man lexgrog dpkg-deb cpack file readelf update-mime-database; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup installs it)" >&2; exit 1; }
done
scratch=$(mktemp -d "${TMPDIR:-/tmp}/qorvil-packaging.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run" && export XDG_RUNTIME_DIR=$scratch/run
failures=0

# check WHAT COMMAND...: passes when COMMAND succeeds, else shows what it printed.
check() {
  local what=$1 out
  shift
  if out=$("$@" 2>&1); then echo "ok: $what"; else echo "FAIL: $what${out:+: $out}" >&2; failures=$((failures + 1)); fi
}
silent() { local out; out=$("$@" 2>&1) && [ -z "$out" ] || { echo "$out"; return 1; }; }
equal() { [ "$1" = "$2" ] || { echo "'$1', expected '$2'"; return 1; }; }
# Shows without warnings, with a NAME section, 80 columns wide at most.
man_page() {
  local text
  text=$(MANWIDTH=80 man --warnings -l "$1" 2>"$scratch/warnings") && [ ! -s "$scratch/warnings" ] &&
    grep -q '^NAME' <<<"$text" && [ "$(wc -L <<<"$text")" -le 80 ] || { cat "$scratch/warnings"; return 1; }
}

echo "== Menu entry and AppStream metadata"
desktop=$SOURCE_DIR/packaging/$APP_ID.desktop
metainfo=$SOURCE_DIR/packaging/$APP_ID.metainfo.xml
entry() { sed -n '/^\[Desktop Entry\]/,/^\[/p' "$desktop" | sed -n "s/^$1=//p"; }
check "desktop entry validates" silent desktop-file-validate "$desktop"
for pair in Type=Application Name=Qorvil "Exec=qorvil %f" Icon=qorvil Terminal=false MimeType=text/x-hex\;; do
  check "desktop entry ${pair%%=*}" equal "$(entry "${pair%%=*}")" "${pair#*=}"
done
for key in 'Name\[ja\]' Comment 'Comment\[ja\]'; do check "desktop entry has ${key//\\/}" test -n "$(entry "$key")"; done
check "categories Development and Electronics" \
  equal "$(entry Categories | tr ';' '\n' | grep -xE 'Development|Electronics' | sort | xargs)" "Development Electronics"
check "metainfo validates" appstreamcli validate --no-net "$metainfo"
for element in "<id>$APP_ID</id>" "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" \
  '<binary>qorvil</binary>' '<project_license>GPL-3.0-or-later</project_license>'; do
  check "metainfo has $element" grep -qF "$element" "$metainfo"
done
check "newest release in the metainfo" \
  equal "$(grep -om1 '<release [^>]*version="[^"]*"' "$metainfo" | sed 's/.*version="//; s/"$//')" "$VERSION"

echo "== Manual pages"
for page in qorvil qorvil-board-sim; do
  src=$SOURCE_DIR/packaging/$page.1
  check "$page.1 formats without warnings" silent groff -man -Tutf8 -ww -z "$src"
  check "$page.1 title line names Qorvil $VERSION" grep -q "^\.TH .*\"Qorvil $VERSION\"" "$src"
  check "$page.1 has a whatis line" grep -q "\"$page - " <<<"$(lexgrog "$src")"
  options=$("$BIN_DIR/$page" --help | grep -E '^[[:space:]]+-' | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
  check "$page --help lists options" test -n "$options"
  for option in $options; do check "$page.1 documents $option" grep -qF -- "${option//-/\\-}" "$src"; done
done

echo "== cmake --install and the Debian package"
expected_files() {
  printf '%s\n' usr/bin/qorvil usr/bin/qorvil-board-sim usr/share/qorvil/qorvil_help.html usr/share/qorvil/qorvil_help_en.html \
    "usr/share/applications/$APP_ID.desktop" "usr/share/metainfo/$APP_ID.metainfo.xml" "usr/share/mime/packages/$APP_ID.xml" \
    usr/share/icons/hicolor/scalable/apps/qorvil.svg usr/share/doc/qorvil/copyright \
    "usr/share/doc/qorvil/changelog.Debian$GZ" "usr/share/man/man1/qorvil.1$GZ" "usr/share/man/man1/qorvil-board-sim.1$GZ" \
    usr/share/lintian/overrides/qorvil
  for size in $ICON_SIZES; do echo "usr/share/icons/hicolor/${size}x${size}/apps/qorvil.png"; done
}
same_files() { diff -u <(expected_files | sort) <(cd "$1" && find . \( -type f -o -type l \) -printf '%P\n' | sort); }
check "cmake --install --prefix /usr" env DESTDIR="$scratch/install" cmake --install "$BUILD_DIR" --prefix /usr
check "cmake --install puts exactly the expected files" same_files "$scratch/install"
mime_types() {  # the file types the installed MIME package gives .hex and .sxh files
  mkdir -p "$scratch/mime/packages" && cp "$scratch/install/usr/share/mime/packages/$APP_ID.xml" "$scratch/mime/packages/" &&
    update-mime-database "$scratch/mime" && grep -E ':\*\.(hex|sxh)$' "$scratch/mime/globs2" | cut -d: -f2 | sort -u | xargs
}
check "the MIME package makes .hex and .sxh files text/x-hex" equal "$(mime_types)" "text/x-hex"

arch=$(dpkg --print-architecture)
deb=$scratch/out/qorvil_$VERSION-1_$arch.deb
check "cpack makes $(basename "$deb")" cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$scratch/out"
[ -f "$deb" ] || { echo "FAIL: no $deb" >&2; exit 1; }
field() { dpkg-deb -f "$deb" "$1"; }
for pair in Package=qorvil "Version=$VERSION-1" "Architecture=$arch" Section=electronics; do
  check "control field ${pair%%=*}" equal "$(field "${pair%%=*}")" "${pair#*=}"
done
check "Maintainer is a name and an address" grep -qE '^[^<]+ <[^>]+@[^>]+>$' <<<"$(field Maintainer)"
check "Description has a summary and a long text" test "$(field Description | wc -l)" -ge 3
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6network6 libstdc++6 libc6 \
  fonts-ipafont-gothic qt6-translations-l10n; do
  check "Depends on $package" grep -qx -- "$package" <<<"$depends"
done
# Directories and programs 0755, everything else 0644, all owned by root.
check "owners and modes are root/root, 0755 and 0644" silent awk '
  { mode = $1; name = $6 } $2 != "root/root" { print; next }
  mode ~ /^d/ || name ~ /^\.\/usr\/bin\// { if (mode !~ /^.rwxr-xr-x$/) print; next }
  mode != "-rw-r--r--" { print }' <(dpkg-deb -c "$deb")
root=$scratch/root
dpkg-deb -x "$deb" "$root"
check "the package holds exactly the expected files" same_files "$root"
check "copyright is machine-readable and says GPL-3.0-or-later" \
  grep -qx 'License: GPL-3.0-or-later' "$root/usr/share/doc/qorvil/copyright"
check "changelog.Debian names this version" \
  grep -qF "qorvil ($VERSION-1)" <<<"$(zcat -f "$root/usr/share/doc/qorvil/changelog.Debian$GZ" | head -n 1)"
if command -v lintian >/dev/null; then
  complaints=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E '^[EW]: ')
  check "lintian reports no error and no warning" silent printf %s "$complaints"
else
  echo "lintian is not installed: the package was not checked with it"
fi

echo "== The installed programs"
for tree in "$scratch/install" "$root"; do
  for f in qorvil qorvil-board-sim; do
    check "$f in $tree looks for no library in the build tree" test -z "$(readelf -d "$tree/usr/bin/$f" | grep -F "$BUILD_DIR")"
  done
done
for f in qorvil qorvil-board-sim; do check "$f is stripped" grep -q ', stripped' <<<"$(file -b "$root/usr/bin/$f")"; done
check "qorvil --version" equal "$("$root/usr/bin/qorvil" --version)" "Qorvil Version $VERSION"
check "qorvil-board-sim --version" equal "$("$root/usr/bin/qorvil-board-sim" --version)" "qorvil-board-sim $VERSION"
check "qorvil finds its help document in ../share/qorvil/" \
  equal "$("$root/usr/bin/qorvil" --help-path)" "$root/usr/share/qorvil/qorvil_help.html"
check "appstreamcli validate-tree accepts the installed tree" appstreamcli validate-tree --no-net "$root/usr"
for size in $ICON_SIZES; do
  check "icon ${size}x${size} is a PNG of that size" \
    grep -q "PNG image data, $size x $size," <<<"$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/qorvil.png")"
done
for page in qorvil qorvil-board-sim; do check "man shows the installed $page(1)" man_page "$root/usr/share/man/man1/$page.1$GZ"; done

# Its main window writes the memory dump before the connection dialog waits for the user.
home=$scratch/home
XDG_CONFIG_HOME=$home/config QORVIL_WORK_DIR=$home/work "$root/usr/bin/qorvil" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 300); do
  { grep -qs '^FUSE  =0FFF' "$home/work/sx_hex.txt" || ! kill -0 "$pid" 2>/dev/null; } && break
  sleep 0.1
done
check "installed qorvil starts offscreen and stands with its connection dialog" \
  sh -c 'kill -0 "$1" && grep -qs "^FUSE  =0FFF" "$2"' sh "$pid" "$home/work/sx_hex.txt"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all checks passed"
