# Shared by the packaging checks: sourced with the path of packaging_test.env as $1.
set -euo pipefail

env_file=${1:?usage: $0 packaging_test.env}
# shellcheck disable=SC1090
source "$env_file"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export LC_ALL=C.UTF-8

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# check WHAT COMMAND...: passes when COMMAND succeeds.
check() {
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
# expect_equal WHAT ACTUAL EXPECTED
expect_equal() {
  if [ "$2" = "$3" ]; then pass "$1: $2"; else fail "$1 is '$2', expected '$3'"; fi
}

# Ends the check: non-zero when anything failed.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}

# need_tools TOOL:DEBIAN_PACKAGE...
need_tools() {
  local t
  for t in "$@"; do
    command -v "${t%%:*}" >/dev/null 2>&1 && continue
    echo "FAIL: ${t%%:*} is missing (Debian package ${t#*:}; scripts/setup installs it)" >&2
    exit 1
  done
}

# A scratch folder, removed at exit.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/qorvil-packaging.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Runs a command; its standard output goes to $out, its standard error to $err, its status to $rc.
run() {
  rc=0
  "$@" >"$scratch/stdout" 2>"$scratch/stderr" || rc=$?
  out=$(cat "$scratch/stdout")
  err=$(cat "$scratch/stderr")
}

# check_run WHAT COMMAND...: COMMAND ends with status 0 and writes nothing on standard error.
check_run() {
  local what=$1
  shift
  run "$@"
  if [ "$rc" -eq 0 ] && [ -z "$err" ]; then pass "$what"; else fail "$what: status $rc: $out $err"; fi
}

# A valid desktop entry makes desktop-file-validate print nothing.
check_desktop_entry() {
  check_run "$1 validates" desktop-file-validate "$1"
  [ -z "$out" ] || fail "desktop-file-validate $1: $out"
}

# A manual page as man shows it: without warnings, with a NAME section, 80 columns wide at most.
check_man_page() {
  check_run "man shows $1 without warnings" env MANWIDTH=80 man --warnings -l "$1"
  check "$1 has a NAME section" grep -q '^NAME' <<<"$out"
  check "$1 fits 80 columns" [ "$(wc -L <<<"$out")" -le 80 ]
}

# Checks a tree that holds an installation under ROOT/usr.
check_installed_tree() {
  local root=$1 f size
  need_tools desktop-file-validate:desktop-file-utils appstreamcli:appstream man:man-db file:file

  # Exactly the expected files (and symbolic links), nothing missing and nothing stray.
  (cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | sort) >"$scratch/found"
  {
    printf '%s\n' usr/bin/qorvil usr/bin/qorvil-board-sim usr/share/qorvil/qorvil_help.html \
      "usr/share/applications/$APP_ID.desktop" "usr/share/metainfo/$APP_ID.metainfo.xml" \
      usr/share/icons/hicolor/scalable/apps/qorvil.svg \
      "usr/share/man/man1/qorvil.1$MAN_SUFFIX" "usr/share/man/man1/qorvil-board-sim.1$MAN_SUFFIX"
    for size in $ICON_SIZES; do echo "usr/share/icons/hicolor/${size}x${size}/apps/qorvil.png"; done
  } | sort >"$scratch/expected"
  if diff -u "$scratch/expected" "$scratch/found" >"$scratch/diff"; then
    pass "installed files are exactly the expected ones"
  else
    fail "installed files differ from the expected ones (- missing, + unexpected):"
    sed -n '3,$p' "$scratch/diff" | grep '^[-+]' >&2 || true
  fi

  for f in "$root/usr/bin/qorvil" "$root/usr/bin/qorvil-board-sim"; do
    check "$f is an executable file" test -f "$f" -a -x "$f"
    if readelf -d "$f" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$BUILD_DIR"; then
      fail "$f still looks for libraries in the build tree"
    fi
  done

  # The programs start from where they were installed, with the system's Qt.
  run "$root/usr/bin/qorvil" --version
  expect_equal "installed qorvil --version (status: output)" "$rc: $out" "0: Qorvil Version $VERSION"
  run "$root/usr/bin/qorvil-board-sim" --version
  expect_equal "installed qorvil-board-sim --version (status: output)" "$rc: $out" "0: qorvil-board-sim $VERSION"

  # The program finds its help document in ../share/qorvil/ beside itself.
  check "the help document is in bin/../share/qorvil/" \
    cmp -s "$root/usr/bin/../share/qorvil/qorvil_help.html" "$SOURCE_DIR/docs/qorvil_help.html"
  run "$root/usr/bin/qorvil" --help-path
  expect_equal "installed qorvil --help-path (status: output)" "$rc: $out" "0: $root/usr/share/qorvil/qorvil_help.html"

  # The installed program starts for real, offscreen: its main window writes the memory
  # dump before the connection dialog waits for the user.
  local home="$scratch/home" pid
  mkdir -p "$home/run" && chmod 700 "$home/run"
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" \
    QORVIL_WORK_DIR="$home/work" "$root/usr/bin/qorvil" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 1 300); do
    if [ -s "$home/work/sx_hex.txt" ] || ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null && grep -qs '^FUSE  =0FFF' "$home/work/sx_hex.txt"; then
    pass "installed qorvil starts offscreen and stands with its connection dialog"
  else
    fail "installed qorvil did not start offscreen"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true

  # Menu entry, metadata, icons and manual pages as a desktop, a software centre and man read them.
  check_desktop_entry "$root/usr/share/applications/$APP_ID.desktop"
  check_run "appstreamcli validate-tree accepts the installed tree" appstreamcli validate-tree --no-net "$root/usr"
  for size in $ICON_SIZES; do
    f="$root/usr/share/icons/hicolor/${size}x${size}/apps/qorvil.png"
    check "icon ${size}x${size} is a PNG of that size: $(file -b "$f")" \
      grep -q "PNG image data, $size x $size," <<<"$(file -b "$f")"
  done
  for f in qorvil qorvil-board-sim; do check_man_page "$root/usr/share/man/man1/$f.1$MAN_SUFFIX"; done
}
