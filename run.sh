#!/usr/bin/env bash
# Installs what is missing, builds, and starts Oralis with the shipped lip
# position table and word list.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: start Oralis from a desktop session (or set DISPLAY)." >&2
  exit 1
fi
# The quiz finds its word list in the current folder first, then next to the program.
cd build/bin
exec ./oralis
