#!/usr/bin/env python3
"""Makes a new puzzle in the real window and plays it to the end by pressing H alone: Ctrl+N
opens the New Puzzle dialog, the kind is picked with the arrow keys (the list starts on the
last choice, classic at first) and Return makes it; then every first H shows the hint bar with
the next number and why, and every second H enters it, until the game says the puzzle is
complete.
Usage: scripts/play-by-hints.py BUILD_BIN_DIR [STEPS_DOWN_THE_KIND_LIST] (a display with a
window manager must be running, e.g. `source scripts/xvfb-session.sh`). Screenshots go to
/tmp/hints-*.png. Exit 0 when the completion message appears."""
import os, sys, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from game_window import message_shown, shot, start_game, x  # noqa: E402

B = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/default/bin")
KIND_STEPS = int(sys.argv[2]) if len(sys.argv) > 2 else 5  # five down: Samurai



game = start_game(B)
x("key", "ctrl+n")
time.sleep(1.2)
shot("/tmp/hints-dialog.png")
for _ in range(KIND_STEPS):
    x("key", "Right")
x("key", "Return")
# The generator works behind a progress window; the hint button is back when it is done.
for _ in range(100):
    time.sleep(0.3)
    if not x("search", "--onlyvisible", "--name", "^New Puzzle$").split():
        break
time.sleep(0.5)
shot("/tmp/hints-start.png")
presses = 0
while not message_shown("Information") and presses < 4000:
    x("key", "h")
    presses += 1
    time.sleep(0.12)
    if presses == 1:
        shot("/tmp/hints-first.png")
    if presses == 41:
        shot("/tmp/hints-middle.png")
time.sleep(0.8)
shot("/tmp/hints-end.png")
done = message_shown("Information")
print("H pressed", presses, "times; completion message shown:", done)
game.terminate()
sys.exit(0 if done else 1)
