#!/usr/bin/env bash
# The hardening half of `make test`: builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer (the asan preset) and runs every test under them, LeakSanitizer
# included; then, when clang with libFuzzer is available, runs each fuzz target for
# TESSEL_FUZZ_SECONDS (default 60) from its committed corpus. Any sanitizer report, failed
# test or fuzz finding makes it exit non-zero.
#
#   scripts/ci-sanitizers.sh            sanitizer tests, then fuzzing
#   TESSEL_FUZZ_SECONDS=0 scripts/ci-sanitizers.sh     sanitizer tests only
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${TESSEL_FUZZ_SECONDS:-60}"

echo "ci-sanitizers: building and testing with ASan+UBSan (build/asan)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

if [ "$seconds" = "0" ]; then
    echo "ci-sanitizers: fuzzing skipped (TESSEL_FUZZ_SECONDS=0)"
    exit 0
fi

# libFuzzer comes with clang; check that a fuzz program really links before relying on it.
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
    >"$probe/probe.cpp"
if ! command -v clang++ >/dev/null 2>&1 ||
    ! clang++ -fsanitize=fuzzer,address "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1; then
    echo "ci-sanitizers: no clang with libFuzzer here; the fuzz targets only replay their corpora"
    exit 0
fi

echo "ci-sanitizers: fuzzing each target for ${seconds}s (build/fuzz)"
TESSEL_JOBS="${TESSEL_JOBS:-2}" scripts/run-fuzz.sh "$seconds" "$root/build/fuzz"
