#!/usr/bin/env bash
# Throughput of `tessel-puzzle solve --lines` against `qqwing --solve --count-solutions` on the
# same file of classic puzzles, measured side by side (alternating runs), with the solutions
# compared. Prints the median time of each, puzzles per second and the ratio.
#
#   bench/solve-lines-vs-qqwing.sh [TESSEL_PUZZLE] [PUZZLES] [RUNS]
#
# qqwing is the Debian package of that name (apt-get install qqwing).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tool="${1:-$here/../build/default/bin/tessel-puzzle}"
puzzles="${2:-$here/hard-classic-1000.txt}"
runs="${3:-7}"
command -v qqwing >/dev/null || { echo "qqwing is not installed (apt-get install qqwing)" >&2; exit 1; }
[ -x "$tool" ] || { echo "no tessel-puzzle at $tool" >&2; exit 1; }
count=$(grep -c . "$puzzles")
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Both must give the same solutions before their times mean anything.
"$tool" solve --lines "$puzzles" | cut -d' ' -f2 > "$work/ours"
qqwing --solve --count-solutions --one-line < "$puzzles" | grep -E '^[0-9]{81}$' > "$work/theirs"
if ! cmp -s "$work/ours" "$work/theirs"; then
    echo "the solutions differ" >&2
    exit 1
fi

seconds() { # the wall time of a command, in seconds
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN {print b - a}'
}
median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

: > "$work/t-ours"
: > "$work/t-theirs"
for _ in $(seq "$runs"); do
    seconds "$tool" solve --lines "$puzzles" >> "$work/t-ours"
    seconds sh -c "qqwing --solve --count-solutions < '$puzzles'" >> "$work/t-theirs"
done
ours=$(median < "$work/t-ours")
theirs=$(median < "$work/t-theirs")
printf 'puzzles: %d (%s), median of %d runs\n' "$count" "$(basename "$puzzles")" "$runs"
printf 'tessel-puzzle solve --lines:        %.3f s  %8.0f puzzles/s\n' "$ours" "$(awk -v n="$count" -v t="$ours" 'BEGIN {print n / t}')"
printf 'qqwing --solve --count-solutions:  %.3f s  %8.0f puzzles/s\n' "$theirs" "$(awk -v n="$count" -v t="$theirs" 'BEGIN {print n / t}')"
printf 'ratio: %.1f x\n' "$(awk -v a="$theirs" -v b="$ours" 'BEGIN {print a / b}')"
