#!/usr/bin/env bash
# Starts a virtual X display with a window manager, for looking at the game as a player
# would: `source scripts/xvfb-session.sh` then run the game with DISPLAY set.
set -u
export DISPLAY="${DISPLAY_NUMBER:-:99}"
if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    sleep 1
fi
