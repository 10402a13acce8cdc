#!/bin/sh
# The program, started over a data folder where a save was cut short, removes
# that save's temporary and leaves the user's other files alone.
# Usage: start-up-cleans.sh PROGRAM
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/oralis"
stale="$home/oralis/.LipPosition.csv.1a2b3c.tmp"
kept="$home/oralis/.notes.tmp"
echo cut > "$stale"
echo mine > "$kept"
# The window stays open until it is ended; a few seconds are enough to start.
XDG_DATA_HOME=$home XDG_CONFIG_HOME=$home/config timeout 8 "$1" || [ $? -eq 124 ]
if [ -e "$stale" ] || [ ! -e "$kept" ]; then
  ls -A "$home/oralis" >&2
  echo "start-up left the cut save's temporary, or removed another file" >&2
  exit 1
fi
