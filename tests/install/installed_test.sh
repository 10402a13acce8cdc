#!/usr/bin/env bash
# Oralis as it is installed, away from the build folder.
#
#   installed_test.sh tree BUILD VERSION     cmake --install into a prefix, move it
#   installed_test.sh package BUILD VERSION  packaging/make-deb.sh, then dpkg-deb -x
#
# Either way the program is started from where it ended up, on the display the
# test script provides: it must load libLip.so and LipPosition.csv from that
# tree and draw a mouth. Exit 0 pass, 1 fail, 77 skipped.
set -u

SKIP=77
mode=${1:?usage: installed_test.sh tree|package BUILD VERSION}
build=${2:?usage: installed_test.sh tree|package BUILD VERSION}
version=${3:?usage: installed_test.sh tree|package BUILD VERSION}

skip() {
  echo "SKIPPED: $*"
  exit $SKIP
}

work=$(mktemp -d /tmp/oralis-installed.XXXXXX) || exit 1
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  for log in install.log make-deb.log oralis.err signsheet.log; do
    [ -s "$work/$log" ] && { echo "--- $log"; tail -n 20 "$work/$log"; }
  done
  exit 1
}

for tool in xwininfo import convert; do
  command -v $tool >/dev/null 2>&1 || skip "$tool is not installed (packages x11-utils, imagemagick)"
done
[ -n "${DISPLAY:-}" ] || skip "no X display (the test script runs this under Xvfb)"

case $mode in
tree)
  cmake --install "$build" --prefix "$work/installed" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed"
  # Nothing may point back to where it was installed, nor to the build.
  mv "$work/installed" "$work/moved" || fail "cannot move the installed tree"
  prefix="$work/moved"
  ;;
package)
  for tool in dpkg-deb dpkg-shlibdeps dpkg-gencontrol; do
    command -v $tool >/dev/null 2>&1 || skip "$tool is not installed (package dpkg-dev)"
  done
  mkdir "$work/package" || fail "no package folder"
  deb=$(bash "$(dirname "$0")/../../packaging/make-deb.sh" "$build" "$work/package" 2>"$work/make-deb.log") ||
    fail "make-deb.sh failed"
  [ "$deb" = "$work/package/oralis_${version}_amd64.deb" ] && [ -f "$deb" ] ||
    fail "no package oralis_${version}_amd64.deb: $(ls "$work/package")"
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  # The linked libraries as dpkg-shlibdeps found them, and what is loaded at run time.
  for needed in libqt6widgets6 libqt6charts6 libglx0 libmecab2 mecab-ipadic-utf8 fonts-noto-cjk libqt6sql6-sqlite; do
    case ", $depends," in
    *", $needed"[\ ,]*) ;;
    *) fail "the package does not depend on $needed" ;;
    esac
  done
  if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
      { cat "$work/lintian.log"; fail "lintian reports errors or warnings"; }
  fi
  dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb -x failed"
  # The copyright file is machine-readable, and every licence it names has its text.
  /usr/bin/python3 - "$work/root/usr/share/doc/oralis/copyright" <<'PY' || fail "the copyright file is not machine-readable"
import sys
from debian.copyright import Copyright
with open(sys.argv[1], encoding="utf-8") as f:
    c = Copyright(f, strict=True)
texts = {p.license.synopsis for p in c.all_license_paragraphs() if p.license.text}
names = {p.license.synopsis for p in c.all_files_paragraphs()}
sys.exit(f"no text for {sorted(names - texts)}" if names - texts or not names else 0)
PY
  prefix="$work/root/usr"
  ;;
*)
  echo "FAILED: unknown mode $mode"
  exit 1
  ;;
esac

# A user of its own, with no table of their own: the shipped one must win.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$work" || fail "no work folder"
"$prefix/bin/oralis" >/dev/null 2>"$work/oralis.err" &
pid=$!

wanted="Oralis: lip position table $prefix/share/oralis/LipPosition.csv"
found=""
for _ in $(seq 100); do
  grep -qxF "$wanted" "$work/oralis.err" && { found=yes; break; }
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
[ -n "$found" ] || fail "start-up did not report \"$wanted\""
grep -q "$prefix/lib/oralis/libLip.so" "/proc/$pid/maps" ||
  fail "the renderer was not loaded from $prefix/lib/oralis"

# picSpace is the one native child window of its size (8175 x 5775 twips).
view=""
for _ in $(seq 100); do
  view=$(xwininfo -root -tree | awk '/ 545x385\+/ { print $1; exit }')
  [ -n "$view" ] && break
  sleep 0.1
done
[ -n "$view" ] || fail "no picture box on the screen"
sleep 1
import -window "$view" "$work/view.png" 2>/dev/null || fail "cannot grab the picture box"
# The mouth at rest: red lips in the middle of the green face plane. An
# undrawn box is all one colour.
counts=$(convert "$work/view.png" -format %c histogram:info:- | tr '(),:' '    ' | awk '
  { n = $1; r = $2; g = $3; b = $4 }
  r > 200 && g < 150 && b < 150 { lips += n }
  r < 40 && g > 60 && b < 40 { face += n }
  END { printf "%d %d\n", lips, face }')
read -r lips face <<<"$counts"
echo "picture box $view: $lips lip pixels, $face face pixels"
[ "$lips" -gt 300 ] && [ "$face" -gt 5000 ] || fail "the picture box shows no mouth"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=""

if [ "$mode" = tree ]; then
  # The sign sheet tool finds its drawing program and the table in the tree too.
  "$prefix/bin/oralis-signsheet" >"$work/signsheet.log" 2>&1 || fail "oralis-signsheet failed"
  [ -s "$work/signsheet.png" ] || fail "oralis-signsheet wrote no picture"
fi
echo "PASSED"
exit 0
