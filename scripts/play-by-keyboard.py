#!/usr/bin/env python3
"""Plays a sample puzzle to the end in the real window with the keyboard alone: Ctrl+O and
the file name to open it, Ctrl+Home to put the cursor on the first board's first cell, the
arrow keys to walk it cell by cell over every board, and a digit (or the board's symbol) on
every empty cell. Any board shape works: the walk goes row by row over each board, moving the
cursor with the arrows from wherever it stands.
Usage: scripts/play-by-keyboard.py BUILD_BIN_DIR [PUZZLE] (a display with a window manager
must be running, e.g. `source scripts/xvfb-session.sh`). Screenshots go to /tmp/keys-*.png.
Exit 0 when the game says the puzzle is complete."""
import json, os, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from game_window import message_shown, shot, start_game, x  # noqa: E402

B = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/default/bin")
PUZZLE = sys.argv[2] if len(sys.argv) > 2 else "samurai.zd2"


def tool(*args):
    return subprocess.run([B + "/tessel-puzzle", *args], capture_output=True, text=True,
                          check=True).stdout



solved_file = os.path.join(tempfile.mkdtemp(), "solved.zd2")
tool("solve", B + "/" + PUZZLE, "-o", solved_file)
start = json.loads(tool("candidates", B + "/" + PUZZLE, "--json"))
solved = json.loads(tool("candidates", solved_file, "--json"))
# Where each board lies on the page, in cells, to walk the cursor there with the arrows.
info = tool("info", B + "/" + PUZZLE)
positions = []
for line in info.splitlines():
    if line.startswith("board ") and " at " in line:
        x_units, y_units = line.split(" at ")[1].split(",")[:2]
        positions.append((int(x_units) // 20, int(y_units.split()[0]) // 20))
sizes = [board["size"] for board in start["boards"]]


def board_at(cell, preferred):
    """The board holding a page cell, the cursor's own first, as the game moves it."""
    order = [preferred] + [b for b in range(len(sizes)) if b != preferred]
    for b in order:
        left, top = positions[b]
        if left <= cell[0] < left + sizes[b] and top <= cell[1] < top + sizes[b]:
            return b
    return -1


def press(state, dx, dy):
    board, cell = state
    for step in range(1, 64):
        landing = (cell[0] + dx * step, cell[1] + dy * step)
        b = board_at(landing, board)
        if b >= 0:
            return (b, landing)
    return state


KEYS = {"Right": (1, 0), "Left": (-1, 0), "Down": (0, 1), "Up": (0, -1)}


def path_to(state, target):
    """The shortest row of arrow keys that brings the cursor onto the page cell."""
    seen = {state: []}
    queue = [state]
    while queue:
        current = queue.pop(0)
        if current[1] == target:
            return seen[current]
        for key, (dx, dy) in KEYS.items():
            after = press(current, dx, dy)
            if after not in seen:
                seen[after] = seen[current] + [key]
                queue.append(after)
    raise SystemExit("no way to page cell %s" % (target,))

game = start_game(B)
x("key", "ctrl+o")
time.sleep(1.2)
x("type", PUZZLE)
x("key", "Return")
time.sleep(1.5)
x("key", "ctrl+Home")
time.sleep(0.3)

cursor = (0, positions[0])  # the cursor's board and page cell
entered = set()  # page cells filled already: a shared cell is entered once
keys = 0


def walk_to(target):
    global cursor, keys
    for key in path_to(cursor, target):
        x("key", key)
        cursor = press(cursor, *KEYS[key])
        keys += 1


for b, board in enumerate(start["boards"]):
    n = board["size"]
    for r in range(n):
        for c in range(n):
            if board["cells"][c][r]["value"] != 0:
                continue
            target = (positions[b][0] + c, positions[b][1] + r)
            if target in entered:
                continue
            walk_to(target)
            x("key", str(solved["boards"][b]["cells"][c][r]["value"]))
            keys += 1
            entered.add(target)
            time.sleep(0.08)
            if len(entered) == 30:
                shot("/tmp/keys-middle.png")
time.sleep(1.0)
shot("/tmp/keys-end.png")
message = message_shown("Information")
print("cells entered", len(entered), "keys", keys, "completion message shown:", bool(message))
game.terminate()
sys.exit(0 if message else 1)
