#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer and
# runs each for the given number of seconds (default 60), starting from its seed corpus.
# New inputs go to build/fuzz/work/<target>/, findings to build/fuzz/findings/<target>/;
# the committed corpus is never changed. Exits non-zero when a target found a fault.
#
#   scripts/run-fuzz.sh [SECONDS] [BUILD_DIR] [TARGET...]
#
# Targets: puzzle_reader_fuzz (corpus tests/fuzz/corpus), engine_fuzz (corpus
# tests/fuzz/corpus-engine) and text_import_fuzz (corpus tests/fuzz/corpus-text, words from
# tests/fuzz/text_import_fuzz.dict); all of them when none is named.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${2:-$root/build/fuzz}"
targets=("${@:3}")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(puzzle_reader_fuzz engine_fuzz text_import_fuzz)
fi

corpus_of() {
    case "$1" in
        puzzle_reader_fuzz) echo "$root/tests/fuzz/corpus" ;;
        engine_fuzz) echo "$root/tests/fuzz/corpus-engine" ;;
        text_import_fuzz) echo "$root/tests/fuzz/corpus-text" ;;
        *) echo "run-fuzz: unknown target $1" >&2; exit 2 ;;
    esac
}

if ! command -v clang++ >/dev/null 2>&1; then
    echo "run-fuzz: clang++ is needed for libFuzzer" >&2
    exit 2
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSEL_FUZZ=ON -DTESSEL_SANITIZE=ON \
    -DBUILD_TESTING=OFF -DTESSEL_BENCH=OFF >/dev/null
cmake --build "$build" --target "${targets[@]}" -j "${TESSEL_JOBS:-1}"

status=0
for t in "${targets[@]}"; do
    work="$build/work/$t"
    findings="$build/findings/$t"
    mkdir -p "$work" "$findings"
    dict=()
    if [ -f "$root/tests/fuzz/$t.dict" ]; then
        dict=(-dict="$root/tests/fuzz/$t.dict")
    fi
    echo "run-fuzz: $t for ${seconds}s"
    if ! "$build/bin/$t" "$work" "$(corpus_of "$t")" "${dict[@]}" \
        -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
        -artifact_prefix="$findings/"; then
        echo "run-fuzz: $t found a fault; see $findings" >&2
        status=1
    fi
done
exit $status
