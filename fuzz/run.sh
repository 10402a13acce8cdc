#!/bin/sh
# Builds the fuzz targets with clang into build-fuzz and runs each for a minute.
# Exits non-zero when a target crashes or fails an invariant; the input that
# did it is left in build-fuzz/ as crash-* (or leak-*, timeout-*).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
seconds=${FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DORALIS_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target lip_table_fuzz kana_parser_fuzz

# Seeds: the shipped table and a few readings, so the run starts past the
# trivial inputs.
mkdir -p "$build/corpus/lip_table" "$build/corpus/kana_parser"
cp "$root/data/LipPosition.csv" "$build/corpus/lip_table/shipped.csv"
printf '\357\275\266\357\276\236\357\275\257\357\275\272\357\275\263' > "$build/corpus/kana_parser/gakkou"
printf '\357\276\204\357\275\263\357\275\267\357\275\256\357\275\263' > "$build/corpus/kana_parser/toukyou"

status=0
for target in lip_table_fuzz kana_parser_fuzz; do
    corpus="$build/corpus/${target%_fuzz}"
    echo "== $target for ${seconds}s"
    if ! (cd "$build" && "$build/bin/$target" -max_total_time="$seconds" -rss_limit_mb=2048 "$corpus" 2>"$build/$target.log"); then
        status=1
        echo "$target FAILED, see $build/$target.log"
    fi
    grep -E "^Done [0-9]+ runs" "$build/$target.log" || tail -n 20 "$build/$target.log"
done
exit $status
