#!/usr/bin/env bash
# Start-up time and resident memory of the game under Xvfb.
#
#   bench/startup.sh [BUILD_DIR] [RUNS]
#
# Two measurements, each a median over RUNS runs (default 11):
# - the game itself (tessel-sudoku): from just before exec until its maximised window is
#   mapped on the display (looked for with xdotool in a tight loop, a few ms apart), and its resident memory (VmRSS) then;
# - the start-up probe (tessel_startup_probe, the same start-up code): from just before exec
#   until the window's first expose, then the resident memory with the Samurai sample loaded
#   and drawn, and the peak (VmHWM, and /usr/bin/time -v's maximum resident set size).
# Needs Xvfb, xdotool, xdpyinfo and /usr/bin/time. Starts its own display on the first free
# number from :91 unless DISPLAY is set.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/default}
runs=${2:-11}
bin=$build/bin
samurai=$here/../puzzles/samurai.zd2
for exe in "$bin/tessel-sudoku" "$bin/tessel_startup_probe"; do
    [[ -x $exe ]] || { echo "missing $exe (build tessel-sudoku and tessel_startup_probe)" >&2; exit 2; }
done

xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
if [[ -z ${DISPLAY:-} ]]; then
    # The first display number from 91 that no server holds; -noreset keeps the server up
    # between runs (it would otherwise reset when the last client leaves).
    n=91
    while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 1600x1200x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start on $DISPLAY" >&2; exit 1; }
fi
unset QT_QPA_PLATFORM

median() { sort -g | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }

game_ms=() game_kb=() probe_ms=() probe_kb=() probe_hwm=() time_kb=()
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$bin/tessel-sudoku" >/dev/null 2>/tmp/startup-game.$$ &
    pid=$!
    # Polled in a tight loop (xdotool's own --sync waits half a second between looks).
    until xdotool search --onlyvisible --pid "$pid" --name '^Tessel Sudoku$' >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "the game ended before its window showed:" >&2; cat /tmp/startup-game.$$ >&2; exit 1; }
    done
    end=$(date +%s%N)
    game_ms+=("$(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.1f", (b - a) / 1e6}')")
    game_kb+=("$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")")
    kill "$pid"; wait "$pid" 2>/dev/null || true

    start=$(date +%s%N)
    out=$(/usr/bin/time -v "$bin/tessel_startup_probe" "$start" "$samurai" 2>/tmp/startup-time.$$)
    probe_ms+=("$(awk '/^window_ms/ {print $2}' <<<"$out")")
    probe_kb+=("$(awk '/^rss_samurai_kb/ {print $2}' <<<"$out")")
    probe_hwm+=("$(awk '/^hwm_samurai_kb/ {print $2}' <<<"$out")")
    time_kb+=("$(awk -F: '/Maximum resident set size/ {gsub(/ /, "", $2); print $2}' /tmp/startup-time.$$)")
    grep -q '^boards 5' <<<"$out" || { echo "the probe did not load the Samurai: $out" >&2; exit 1; }
done
rm -f /tmp/startup-time.$$ /tmp/startup-game.$$

printf 'runs                                  %d\n' "$runs"
printf 'game: exec to mapped maximised window %s ms (median)\n' "$(printf '%s\n' "${game_ms[@]}" | median)"
printf 'game: resident memory, empty          %s kB (median)\n' "$(printf '%s\n' "${game_kb[@]}" | median)"
printf 'probe: exec to first expose           %s ms (median)\n' "$(printf '%s\n' "${probe_ms[@]}" | median)"
printf 'probe: resident with Samurai loaded   %s kB (median)\n' "$(printf '%s\n' "${probe_kb[@]}" | median)"
printf 'probe: peak resident (VmHWM)          %s kB (median)\n' "$(printf '%s\n' "${probe_hwm[@]}" | median)"
printf 'probe: peak resident (time -v)        %s kB (median)\n' "$(printf '%s\n' "${time_kb[@]}" | median)"
