#!/usr/bin/env bash
# The manual pages in packaging/ format without a warning, have a NAME line
# for whatis, and document every option the programs' --help lists.
source "$(dirname "$0")/common.sh"
need_tool groff groff-base
need_tool man man-db
need_tool lexgrog man-db

for page in qorvil qorvil-board-sim; do
  src="$SOURCE_DIR/packaging/$page.1"
  run groff -man -Tutf8 -ww -z "$src"
  if [ "$rc" -eq 0 ] && [ -z "$err" ]; then
    pass "$page.1 formats without warnings"
  else
    fail "groff -ww on $page.1: $err"
  fi
  run env MANWIDTH=80 man --warnings -l "$src"
  if [ "$rc" -eq 0 ] && [ -z "$err" ]; then
    pass "man shows $page.1 without warnings"
  else
    fail "man --warnings -l $page.1: $err"
  fi
  # Lines that the formatter had to break badly or let run over.
  if [ "$(wc -L <<<"$out")" -gt 80 ]; then
    fail "$page.1 has lines wider than 80 columns"
  fi
  run lexgrog "$src"
  if [ "$rc" -eq 0 ] && grep -q "\"$page - " <<<"$out"; then
    pass "whatis line: $out"
  else
    fail "lexgrog finds no NAME line in $page.1: $out $err"
  fi
done

# Every option that --help lists appears in the page (as \-\-name).
check_options() {
  local page=$1 help=$2 option roff
  local options
  options=$(grep -E '^[[:space:]]+-' <<<"$help" | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
  if [ -z "$options" ]; then
    fail "no options found in the --help text for $page"
    return
  fi
  for option in $options; do
    roff=${option//-/\\-}
    if grep -qF -- "$roff" "$SOURCE_DIR/packaging/$page.1"; then
      pass "$page.1 documents $option"
    else
      fail "$page.1 does not document $option, which $page --help lists"
    fi
  done
}
run "$SIM_BIN" --help
[ "$rc" -eq 0 ] || fail "qorvil-board-sim --help: status $rc"
check_options qorvil-board-sim "$out"
run "$QORVIL_BIN" --help
[ "$rc" -eq 0 ] || fail "qorvil --help: status $rc"
check_options qorvil "$out"

finish
