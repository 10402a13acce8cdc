#!/usr/bin/env bash
# The sign sheet tool started without a display:
#   signsheet_display_test.sh SIGNSHEET_SH
# with Xvfb installed it draws on a virtual display of its own; on a PATH
# without Xvfb it names the package in one line, draws nothing and fails.
# Exit 0 pass, 1 fail, 77 skipped.
set -u
script=${1:?usage: signsheet_display_test.sh SIGNSHEET_SH}

for tool in xvfb-run Xvfb xauth; do
  command -v $tool >/dev/null 2>&1 || { echo "SKIPPED: $tool is not installed (packages xvfb, xauth)"; exit 77; }
done
work=$(mktemp -d /tmp/oralis-signsheet.XXXXXX) || exit 1
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() {
  echo "FAILED: $*"
  cat "$work/err" 2>/dev/null
  exit 1
}

env -u DISPLAY LIBGL_ALWAYS_SOFTWARE=1 bash "$script" >/dev/null 2>"$work/err" ||
  fail "without a display, with Xvfb installed, the tool failed"
[ "$(head -c 4 signsheet.png 2>/dev/null | tail -c 3)" = PNG ] || fail "no PNG sheet was written"
rm -f signsheet.png

# Every command but Xvfb's own.
mkdir "$work/path"
for f in /usr/bin/* /bin/*; do
  case ${f##*/} in
  Xvfb | xvfb-run) ;;
  *) ln -sf "$f" "$work/path/" ;;
  esac
done
env -u DISPLAY PATH="$work/path" /bin/bash "$script" >/dev/null 2>"$work/err" &&
  fail "without a display and without Xvfb, the tool reported success"
[ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "package xvfb" "$work/err" ||
  fail "without Xvfb the tool did not name the package xvfb in one line"
[ -e signsheet.png ] && fail "without a display a sheet was written"
echo "PASSED: $(cat "$work/err")"
exit 0
