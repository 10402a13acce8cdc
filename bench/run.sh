#!/usr/bin/env bash
# Builds the renderer benchmark and runs it under Xvfb with software OpenGL,
# frame pacing off. Extra arguments go to the benchmark (e.g. --benchmark_filter=Still).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target lip_bench

export LIBGL_ALWAYS_SOFTWARE=1
exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/lip_bench --benchmark_min_time=1 "$@"
