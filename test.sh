#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: model tests without a
# display (the history's against both SQLite and PostgreSQL), window and GL
# tests under Xvfb with software OpenGL, then the model tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

# The history tests run against a throw-away PostgreSQL server as well as the
# SQLite file: a ctest fixture of each build starts one (tests/support/
# pg-server.sh, in /tmp/oralis-pg-<tag of the build folder>) and hands it to
# them in ORALIS_TEST_PG, and removes it after the last of them. A run stopped
# midway removes what it left running here.
stop_test_servers() {
  for build in build build-asan; do
    local folder
    folder=/tmp/oralis-pg-$(printf %s "$PWD/$build" | md5sum | cut -c1-12)
    if [ -d "$folder" ]; then
      tests/support/pg-server.sh destroy "$folder" || true
    fi
  done
}
trap stop_test_servers EXIT

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
