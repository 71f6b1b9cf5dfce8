#!/usr/bin/env bash
# The menu entry and the AppStream metadata as written in packaging/: they
# validate, name the program, icon and each other, and carry this version.
source "$(dirname "$0")/common.sh"
need_tool desktop-file-validate desktop-file-utils
need_tool appstreamcli appstream

desktop="$SOURCE_DIR/packaging/$APP_ID.desktop"
metainfo="$SOURCE_DIR/packaging/$APP_ID.metainfo.xml"

run desktop-file-validate "$desktop"
if [ "$rc" -eq 0 ] && [ -z "$out$err" ]; then
  pass "desktop entry validates"
else
  fail "desktop-file-validate: $out $err"
fi

# key=value of the [Desktop Entry] group
entry() { sed -n '/^\[Desktop Entry\]/,/^\[/p' "$desktop" | sed -n "s/^$1=//p"; }
expect_equal Type "$(entry Type)" Application
expect_equal Name "$(entry Name)" Qorvil
expect_present "Name[ja]" "$(entry 'Name\[ja\]')"
expect_present Comment "$(entry Comment)"
expect_present "Comment[ja]" "$(entry 'Comment\[ja\]')"
expect_equal Exec "$(entry Exec)" qorvil
expect_equal Icon "$(entry Icon)" qorvil
expect_equal Terminal "$(entry Terminal)" false
for category in Development Electronics; do
  if tr ';' '\n' <<<"$(entry Categories)" | grep -qx "$category"; then
    pass "category $category"
  else
    fail "Categories lack $category: '$(entry Categories)'"
  fi
done

run appstreamcli validate --no-net "$metainfo"
if [ "$rc" -eq 0 ]; then
  pass "metainfo validates"
else
  fail "appstreamcli validate: $out $err"
fi
# Errors and warnings fail above; remarks are listed for the record.
if [ -n "$out" ]; then echo "$out"; fi

grep -q "<id>$APP_ID</id>" "$metainfo" && pass "metainfo id is $APP_ID" || fail "metainfo id is not $APP_ID"
grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" \
  && pass "metainfo launches $APP_ID.desktop" || fail "metainfo does not name $APP_ID.desktop as launchable"
grep -q '<binary>qorvil</binary>' "$metainfo" && pass "metainfo provides the qorvil binary" \
  || fail "metainfo does not provide the qorvil binary"
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="\([^"]*\)".*/\1/')
if [ "$newest" = "$VERSION" ]; then
  pass "newest release in the metainfo is $VERSION"
else
  fail "newest release in the metainfo is '$newest', the program is $VERSION: add a <release> entry"
fi

# The manual pages name this version in their title line.
for page in qorvil.1 qorvil-board-sim.1; do
  if grep -q "^\.TH .*\"Qorvil $VERSION\"" "$SOURCE_DIR/packaging/$page"; then
    pass "$page is for version $VERSION"
  else
    fail "the .TH line of $page does not say \"Qorvil $VERSION\""
  fi
done

finish
