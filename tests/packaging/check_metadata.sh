#!/usr/bin/env bash
# The menu entry and the AppStream metadata as written in packaging/: they
# validate, name the program, icon and each other, and carry this version.
source "$(dirname "$0")/common.sh"
need_tools desktop-file-validate:desktop-file-utils appstreamcli:appstream

desktop="$SOURCE_DIR/packaging/$APP_ID.desktop"
metainfo="$SOURCE_DIR/packaging/$APP_ID.metainfo.xml"

check_desktop_entry "$desktop"
# key=value of the [Desktop Entry] group
entry() { sed -n '/^\[Desktop Entry\]/,/^\[/p' "$desktop" | sed -n "s/^$1=//p"; }
for pair in Type=Application Name=Qorvil Exec=qorvil Icon=qorvil Terminal=false; do
  expect_equal "${pair%%=*}" "$(entry "${pair%%=*}")" "${pair#*=}"
done
for key in 'Name\[ja\]' Comment 'Comment\[ja\]'; do
  check "${key//\\/}: $(entry "$key")" [ -n "$(entry "$key")" ]
done
for category in Development Electronics; do
  check "category $category" grep -qx "$category" <<<"$(entry Categories | tr ';' '\n')"
done

# Errors and warnings fail; remarks are listed for the record.
check_run "metainfo validates" appstreamcli validate --no-net "$metainfo"
echo "$out"
for element in "<id>$APP_ID</id>" "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" \
  '<binary>qorvil</binary>'; do
  check "metainfo has $element" grep -qF "$element" "$metainfo"
done
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="\([^"]*\)".*/\1/')
expect_equal "newest <release> in the metainfo" "$newest" "$VERSION"

# The manual pages name this version in their title line.
for page in qorvil.1 qorvil-board-sim.1; do
  check "the .TH line of $page says \"Qorvil $VERSION\"" \
    grep -q "^\.TH .*\"Qorvil $VERSION\"" "$SOURCE_DIR/packaging/$page"
done

finish
