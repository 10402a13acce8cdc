#!/usr/bin/env bash
# Builds the renderer benchmark and runs it under Xvfb with software OpenGL,
# frame pacing off. Extra arguments go to the benchmark, for example
# --benchmark_filter=Still. BUILD_DIR picks another build folder than build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --target lip_bench

export LIBGL_ALWAYS_SOFTWARE=1
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build_dir/bin/lip_bench" \
  --benchmark_min_time=1 --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@"
