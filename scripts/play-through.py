#!/usr/bin/env python3
"""Plays a one-board sample puzzle to the end in the real window, as a person would: a pointer
move onto each empty cell, a click, a click on the palette button of the solution's number.
Usage: scripts/play-through.py BUILD_BIN_DIR [PUZZLE] (a display with a window manager must
be running, e.g. `source scripts/xvfb-session.sh`). Screenshots go to /tmp/play-*.png."""
import json, os, subprocess, sys, tempfile, time
B = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/default/bin")
PUZZLE = sys.argv[2] if len(sys.argv) > 2 else "classic-easy.zd2"
env = dict(os.environ)
solved_file = os.path.join(tempfile.mkdtemp(), "solved.zd2")
subprocess.run([B + "/tessel-puzzle", "solve", B + "/" + PUZZLE, "-o", solved_file], check=True,
               capture_output=True)
def x(*a): return subprocess.run(["xdotool", *a], env=env, capture_output=True, text=True).stdout
def shot(p): subprocess.run(["import", "-window", "root", p], env=env)
start = json.loads(subprocess.run([B+"/tessel-puzzle", "candidates", B+"/"+PUZZLE, "--json"], capture_output=True, text=True).stdout)
sol = json.loads(subprocess.run([B+"/tessel-puzzle", "candidates", solved_file, "--json"], capture_output=True, text=True).stdout)
game = subprocess.Popen([B+"/tessel-sudoku"], env=env)
time.sleep(2.5)
win = x("search", "--name", "Tessel Sudoku \\(V2.0\\)").split()[0]
x("windowactivate", win); time.sleep(0.5)
x("key", "ctrl+o"); time.sleep(1.2); x("type", PUZZLE); x("key", "Return"); time.sleep(1.5)
shot("/tmp/play-start.png")
# top-left of the board: the first black pixel below the tool bar
txt = subprocess.run(["convert", "/tmp/play-start.png", "-crop", "300x220+0+80", "+repage", "txt:-"], capture_output=True, text=True).stdout
ox = oy = None
for line in txt.splitlines()[1:]:
    if "#000000" in line:
        xy = line.split(":")[0].split(","); ox, oy = int(xy[0]), int(xy[1]) + 80; break
print("board origin", ox, oy)
cells = start["boards"][0]["cells"]; solved = sol["boards"][0]["cells"]
moves = 0
for c in range(9):
    for r in range(9):
        if cells[c][r]["value"] == 0:
            px, py = ox + c*30 + 15, oy + r*30 + 15
            x("mousemove", str(px-3), str(py-3)); time.sleep(0.05)
            x("mousemove", str(px), str(py)); time.sleep(0.1)
            x("click", "1"); time.sleep(0.5)
            pal = x("search", "--onlyvisible", "--name", "^Selections$").split()
            if not pal: print("no palette at", c, r); continue
            info = subprocess.run(["xwininfo", "-id", pal[0]], env=env, capture_output=True, text=True).stdout
            gx = int(info.split("Absolute upper-left X:")[1].split()[0]); gy = int(info.split("Absolute upper-left Y:")[1].split()[0])
            n = solved[c][r]["value"]
            bx = gx + 8 + 24*((n-1)%3) + 11; by = gy + 8 + 24*((n-1)//3) + 11
            x("mousemove", str(bx), str(by)); time.sleep(0.05); x("click", "1"); time.sleep(0.4)
            moves += 1
            if moves == 20: shot("/tmp/play-middle.png")
time.sleep(1)
shot("/tmp/play-end.png")
print("moves", moves)
shot("/tmp/play-end.png")
msg = x("search", "--onlyvisible", "--name", "Information")
print("completion message shown:", bool(msg.split()))
game.terminate()
sys.exit(0 if msg.split() else 1)
