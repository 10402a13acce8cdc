#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: model tests without a
# display, window and GL tests under Xvfb with software OpenGL, then the model
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"

# Software GL under Xvfb; the screen is deep enough for a 24-bit double-buffered visual.
export LIBGL_ALWAYS_SOFTWARE=1
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build --output-on-failure -j 1

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORALIS_SANITIZE=ON
cmake --build build-asan -j "$jobs" --target model_tests lip_draw_test
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
# The renderer's drawing tests run under the sanitizers too: hundreds of
# DrawSpace calls must leave no context, X resource or memory behind.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build-asan --output-on-failure -L display -R '^Draw\.'
ctest --test-dir build-asan --output-on-failure -L model
