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

# expect_equal WHAT ACTUAL EXPECTED
expect_equal() {
  if [ "$2" = "$3" ]; then pass "$1: $2"; else fail "$1 is '$2', expected '$3'"; fi
}
# expect_present WHAT VALUE
expect_present() {
  if [ -n "$2" ]; then pass "$1: $2"; else fail "$1 is missing"; fi
}

# Ends the check: non-zero when anything failed.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}

need_tool() {
  local tool=$1 package=$2
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "FAIL: $tool is missing (Debian package $package; scripts/setup installs it)" >&2
    exit 1
  fi
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

# The files (and symbolic links) an installation under /usr has, sorted.
expected_files() {
  {
    echo usr/bin/qorvil
    echo usr/bin/qorvil-board-sim
    echo usr/share/qorvil/qorvil_help.html
    echo "usr/share/applications/$APP_ID.desktop"
    echo "usr/share/metainfo/$APP_ID.metainfo.xml"
    echo usr/share/icons/hicolor/scalable/apps/qorvil.svg
    for size in $ICON_SIZES; do
      echo "usr/share/icons/hicolor/${size}x${size}/apps/qorvil.png"
    done
    echo "usr/share/man/man1/qorvil.1$MAN_SUFFIX"
    echo "usr/share/man/man1/qorvil-board-sim.1$MAN_SUFFIX"
  } | sort
}

# Checks a tree that holds an installation under ROOT/usr.
check_installed_tree() {
  local root=$1
  need_tool desktop-file-validate desktop-file-utils
  need_tool appstreamcli appstream
  need_tool man man-db
  need_tool file file

  # Exactly the expected files, nothing missing and nothing stray.
  (cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | sort) >"$scratch/found"
  expected_files >"$scratch/expected"
  if diff -u "$scratch/expected" "$scratch/found" >"$scratch/diff"; then
    pass "installed files are exactly the expected ones"
  else
    fail "installed files differ from the expected ones (- missing, + unexpected):"
    sed -n '3,$p' "$scratch/diff" | grep '^[-+]' >&2 || true
  fi

  local f
  for f in usr/bin/qorvil usr/bin/qorvil-board-sim; do
    if [ -f "$root/$f" ] && [ -x "$root/$f" ]; then
      pass "$f is executable"
      if readelf -d "$root/$f" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$BUILD_DIR"; then
        fail "$f still looks for libraries in the build tree"
      fi
    else
      fail "$f is not an executable file"
    fi
  done

  # The programs start from where they were installed, with the system's Qt.
  run "$root/usr/bin/qorvil" --version
  if [ "$rc" -eq 0 ] && [ "$out" = "Qorvil Version $VERSION" ]; then
    pass "installed qorvil --version prints: $out"
  else
    fail "installed qorvil --version: status $rc, output '$out', errors '$err'"
  fi
  run "$root/usr/bin/qorvil-board-sim" --version
  if [ "$rc" -eq 0 ] && [ "$out" = "qorvil-board-sim $VERSION" ]; then
    pass "installed qorvil-board-sim --version prints: $out"
  else
    fail "installed qorvil-board-sim --version: status $rc, output '$out', errors '$err'"
  fi

  # The program looks for its help document in ../share/qorvil/ beside itself.
  if cmp -s "$root/usr/bin/../share/qorvil/qorvil_help.html" "$SOURCE_DIR/docs/qorvil_help.html"; then
    pass "the help document is in bin/../share/qorvil/"
  else
    fail "the help document is not at bin/../share/qorvil/qorvil_help.html"
  fi
  run "$root/usr/bin/qorvil" --help
  if grep -q -- '--help-path' <<<"$out"; then
    run "$root/usr/bin/qorvil" --help-path
    if [ "$rc" -eq 0 ] && [ "$out" = "$root/usr/share/qorvil/qorvil_help.html" ]; then
      pass "installed qorvil finds its help document: $out"
    else
      fail "installed qorvil --help-path: status $rc, output '$out', expected $root/usr/share/qorvil/qorvil_help.html"
    fi
  fi

  # The installed program starts for real, offscreen: its main window writes the memory
  # dump before the connection dialog waits for the user.
  local home
  home=$(mktemp -d)
  mkdir -p "$home/run" && chmod 700 "$home/run"
  QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" \
    QORVIL_WORK_DIR="$home/work" "$root/usr/bin/qorvil" >/dev/null 2>&1 &
  local pid=$! started=no
  for _ in $(seq 1 300); do
    if [ -s "$home/work/sx_hex.txt" ]; then started=yes; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ "$started" = yes ] && kill -0 "$pid" 2>/dev/null && grep -q '^FUSE  =0FFF' "$home/work/sx_hex.txt"; then
    pass "installed qorvil starts offscreen and stands with its connection dialog"
  else
    fail "installed qorvil did not start offscreen"
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$home"

  # Menu entry, metadata and icon as a desktop and a software centre read them.
  local desktop="$root/usr/share/applications/$APP_ID.desktop"
  if [ -f "$desktop" ]; then
    run desktop-file-validate "$desktop"
    if [ "$rc" -eq 0 ] && [ -z "$out$err" ]; then
      pass "installed desktop entry validates"
    else
      fail "desktop-file-validate on the installed entry: $out $err"
    fi
  fi
  run appstreamcli validate-tree --no-net "$root/usr"
  if [ "$rc" -eq 0 ]; then
    pass "appstreamcli validate-tree accepts the installed tree"
  else
    fail "appstreamcli validate-tree: $out $err"
  fi

  local size png
  for size in $ICON_SIZES; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/qorvil.png"
    [ -f "$png" ] || continue
    if file -b "$png" | grep -q "PNG image data, $size x $size,"; then
      pass "icon ${size}x${size} is a PNG of that size"
    else
      fail "icon ${size}x${size}: $(file -b "$png")"
    fi
  done

  # Manual pages as man shows them.
  local page
  for page in qorvil qorvil-board-sim; do
    f="$root/usr/share/man/man1/$page.1$MAN_SUFFIX"
    [ -f "$f" ] || continue
    run env MANWIDTH=80 man --warnings -l "$f"
    if [ "$rc" -eq 0 ] && [ -z "$err" ] && grep -q "^NAME" <<<"$out"; then
      pass "installed manual page $page(1) shows without warnings"
    else
      fail "man -l $f: status $rc, errors: $err"
    fi
  done
}
