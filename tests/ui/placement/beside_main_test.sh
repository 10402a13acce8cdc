#!/bin/sh
# Runs PROBE (beside_main_test) on a 1280 x 900 screen of its own under the
# openbox window manager, which frames, places and moves windows as a
# desktop does.
#
#   beside_main_test.sh PROBE [ARGUMENTS]    exit 0 pass, 1 fail
set -u
probe=${1:?usage: beside_main_test.sh PROBE [ARGUMENTS]}
shift
for tool in openbox xvfb-run xprop; do
  command -v $tool >/dev/null 2>&1 || { echo "FAILED: $tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done

# The inner part, on the new display.
if [ "${ORALIS_INNER:-}" = 1 ]; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  i=0
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    i=$((i + 1))
    [ $i -gt 100 ] && { echo "FAILED: openbox did not start"; kill $wm; exit 1; }
    sleep 0.1
  done
  "$probe" -platform xcb "$@"
  status=$?
  kill $wm
  exit $status
fi

export LIBGL_ALWAYS_SOFTWARE=1
export ORALIS_INNER=1
exec xvfb-run -a -s "-screen 0 1280x900x24" sh "$0" "$probe" "$@"
