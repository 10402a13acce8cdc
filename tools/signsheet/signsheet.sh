#!/usr/bin/env bash
# Sign sheet of a lip position table: signsheet.sh [table.csv] [sheet.png]
# Uses the current X display, or a virtual one when there is none; without
# one and without Xvfb it names the package to install and exits with 1.
# In the build folder everything lies beside this script; installed, the script
# is bin/oralis-signsheet and the rest lies in ../lib/oralis and ../share/oralis.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
first() {
  for f in "$@"; do
    [ -e "$f" ] && { echo "$f"; return; }
  done
  echo "$1"
}
drawer=$(first "$here/signsheet" "$here/../lib/oralis/signsheet")
table=${1:-$(first "$here/LipPosition.csv" "$here/../share/oralis/LipPosition.csv")}
out=${2:-signsheet.png}
if [ -n "${DISPLAY:-}" ]; then
  exec "$drawer" "$table" "$out"
fi
# xvfb-run needs xauth, which the xvfb package only recommends.
for need in xvfb-run:xvfb Xvfb:xvfb xauth:xauth; do
  command -v "${need%%:*}" >/dev/null 2>&1 || {
    echo "$(basename "$0"): no X display to draw on; install the package ${need#*:} to draw on a virtual one (${need%%:*} is missing)" >&2
    exit 1
  }
done
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$drawer" "$table" "$out"
