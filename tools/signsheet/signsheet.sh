#!/usr/bin/env bash
# Sign sheet of a lip position table: signsheet.sh [table.csv] [sheet.png]
# Uses the current X display, or a virtual one when there is none.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
table=${1:-$here/LipPosition.csv}
out=${2:-signsheet.png}
if [ -n "${DISPLAY:-}" ]; then
  exec "$here/signsheet" "$table" "$out"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$here/signsheet" "$table" "$out"
