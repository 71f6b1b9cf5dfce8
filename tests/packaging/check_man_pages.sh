#!/usr/bin/env bash
# The manual pages in packaging/ format without a warning, have a NAME line
# for whatis, and document every option the programs' --help lists.
source "$(dirname "$0")/common.sh"
need_tools groff:groff-base man:man-db lexgrog:man-db

for page in qorvil qorvil-board-sim; do
  src="$SOURCE_DIR/packaging/$page.1"
  check_run "$page.1 formats without warnings" groff -man -Tutf8 -ww -z "$src"
  check_man_page "$src"
  run lexgrog "$src"
  check "whatis line: $out" grep -q "\"$page - " <<<"$out"

  # Every option that --help lists appears in the page (as \-\-name).
  if [ "$page" = qorvil ]; then run "$QORVIL_BIN" --help; else run "$SIM_BIN" --help; fi
  expect_equal "$page --help status" "$rc" 0
  options=$(grep -E '^[[:space:]]+-' <<<"$out" | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u || true)
  check "$page --help lists options" [ -n "$options" ]
  for option in $options; do
    check "$page.1 documents $option" grep -qF -- "${option//-/\\-}" "$src"
  done
done

finish
