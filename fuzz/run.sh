#!/bin/sh
# Builds the fuzz targets with clang into build-fuzz and runs a bounded
# campaign: FUZZ_RUNS runs per target (10 million unless told), each target
# stopped after FUZZ_SECONDS (15 minutes unless told) should it be slower.
# FUZZ_TARGETS picks some of the targets (all four unless told).
# Exits non-zero when a target crashes or fails an invariant; the input that
# did it is left in build-fuzz/ as crash-* (or leak-*, timeout-*). A target
# that the time cap stopped short of its runs is reported, not failed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
runs=${FUZZ_RUNS:-10000000}
seconds=${FUZZ_SECONDS:-900}
targets=${FUZZ_TARGETS:-lip_table_fuzz kana_parser_fuzz word_list_fuzz typed_reading_fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DORALIS_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

# Seeds: the shipped files and a few readings and typed words, so the run
# starts past the trivial inputs.
corpus="$build/corpus"
mkdir -p "$corpus/lip_table" "$corpus/kana_parser" "$corpus/word_list" "$corpus/typed_reading"
# The head of the shipped table (rest, the five vowels) and a sign of two frames.
head -n 14 "$root/data/LipPosition.csv" > "$corpus/lip_table/shipped.csv"
sed -n 23,25p "$root/data/LipPosition.csv" > "$corpus/lip_table/two_frames.csv"
printf '\357\275\266\357\276\236\357\275\257\357\275\272\357\275\263' > "$corpus/kana_parser/gakkou"
printf '\357\276\204\357\275\263\357\275\267\357\275\256\357\275\263' > "$corpus/kana_parser/toukyou"
# The head of the shipped list: the whole list is some 30 KB.
head -n 30 "$root/data/JSLdefault.txt" > "$corpus/word_list/shipped.txt"
printf '"ｶﾞｯｺｳ", "学校, 校舎"\r\n,空\r\nｻｶﾅ,魚\r\n\r\nｱﾄ,後\r\n' > "$corpus/word_list/quoted"
# The first byte of a typed text says what the stand-in dictionary knows.
n=0
for text in 'sakana' "kin'en" 'がっこう' '2024年に' '３本の魚' '1,000円' '2億5000万人' '3.5' '5枚' 'ｘｙｚ'; do
    n=$((n + 1))
    printf "\\00$((n % 3))%s" "$text" > "$corpus/typed_reading/seed$n"
done

status=0
for target in $targets; do
    log="$build/$target.log"
    # Tables and word lists are read record by record and a typed word is
    # short: a kilobyte holds a dozen table records or dozens of list lines, or
    # a text far past the 32 syllables a reading may have, and keeps ten
    # million runs within the time cap.
    limit=
    case $target in
        lip_table_fuzz | word_list_fuzz | typed_reading_fuzz) limit=-max_len=1024 ;;
    esac
    echo "== $target: $runs runs, at most ${seconds}s"
    # shellcheck disable=SC2086
    if ! (cd "$build" && "$build/bin/$target" -runs="$runs" -max_total_time="$seconds" -rss_limit_mb=2048 $limit \
              "$corpus/${target%_fuzz}" 2>"$log"); then
        status=1
        echo "$target FAILED, see $log"
    fi
    done_line=$(grep -E "^Done [0-9]+ runs" "$log" || true)
    if [ -z "$done_line" ]; then
        tail -n 20 "$log"
        continue
    fi
    echo "$done_line"
    made=$(echo "$done_line" | sed -E 's/^Done ([0-9]+) runs.*/\1/')
    if [ "$made" -lt "$runs" ]; then
        echo "$target stopped by the time cap after $made of $runs runs"
    fi
done
exit $status
