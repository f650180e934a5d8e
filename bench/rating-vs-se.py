#!/usr/bin/env python3
"""Our rating against the Sudoku Explainer scale on a sample of rated classic puzzles.

    bench/rating-vs-se.py [SAMPLE] [TESSEL_PUZZLE]

SAMPLE has lines "puzzle rating" (bench/se-sample.txt, drawn by bench/se-sample.py; a rating
of 11 or more marks the forum's hardest list). Runs `tessel-puzzle grade --lines` on it and
prints, per band of the given rating and over the whole sample: the count, Spearman's rank
correlation between our rating and the given one, the share of puzzles whose steps needed the
trial step (rated 11.0) or did not solve them, and the puzzles graded per second below 6.0 and
from 6.0 up.
"""
import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
BANDS = [(0.0, 4.0), (4.0, 5.0), (5.0, 6.0), (6.0, 7.0), (7.0, 8.0), (8.0, 9.0), (9.0, 9.35),
         (9.35, 99.0)]
TRIAL = 11.0


def ranks(values):
    order = sorted(range(len(values)), key=lambda i: values[i])
    out = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            out[order[k]] = (i + j) / 2.0 + 1.0
        i = j + 1
    return out


def spearman(xs, ys):
    if len(xs) < 3:
        return float("nan")
    rx, ry = ranks(xs), ranks(ys)
    mx, my = sum(rx) / len(rx), sum(ry) / len(ry)
    sxy = sum((a - mx) * (b - my) for a, b in zip(rx, ry))
    sxx = sum((a - mx) ** 2 for a in rx)
    syy = sum((b - my) ** 2 for b in ry)
    return sxy / (sxx * syy) ** 0.5 if sxx > 0 and syy > 0 else float("nan")


def grade(tool, puzzles):
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
        f.write("\n".join(puzzles) + "\n")
        path = f.name
    try:
        start = time.perf_counter()
        out = subprocess.run([tool, "grade", "--lines", path], capture_output=True, text=True,
                             check=True).stdout.split("\n")
        seconds = time.perf_counter() - start
    finally:
        os.unlink(path)
    rows = [line.split() for line in out if line.strip()]
    return [(r[0], float(r[2])) for r in rows], seconds


def main():
    sample = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "se-sample.txt")
    tool = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "..", "build", "default",
                                                               "bin", "tessel-puzzle")
    rows = []
    with open(sample) as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2:
                rows.append((parts[0], float(parts[1])))
    easy = [r for r in rows if r[1] < 6.0]
    hard = [r for r in rows if r[1] >= 6.0]
    ours = {}
    speed = {}
    for name, part in (("below 6.0", easy), ("6.0 and up", hard)):
        if part:
            graded, seconds = grade(tool, [p for p, _ in part])
            speed[name] = (len(part), len(part) / seconds)
            for (puzzle, _), result in zip(part, graded):
                ours[puzzle] = result
    print("%-12s %6s %9s %8s %8s" % ("SE band", "count", "Spearman", "trial", "unsolved"))

    def line(label, members):
        se = [r for _, r in members]
        mine = [ours[p][1] for p, _ in members]
        trial = sum(1 for p, _ in members if ours[p][1] >= TRIAL)
        unsolved = sum(1 for p, _ in members if ours[p][0] == "extreme" and ours[p][1] < TRIAL
                       and ours[p][1] < 8.0)
        print("%-12s %6d %9.3f %7.1f%% %8d" % (label, len(members), spearman(se, mine),
                                                100.0 * trial / len(members), unsolved))

    for low, high in BANDS:
        members = [r for r in rows if low <= r[1] < high]
        if members:
            label = "%.1f-%.1f" % (low, min(high, 9.3)) if high < 99 else "11+"
            line(label, members)
    if any(r[1] < 9.35 for r in rows):
        line("all to 9.3", [r for r in rows if r[1] < 9.35])
    if any(r[1] >= 9.35 for r in rows):
        line("all", rows)
    for name, (count, rate) in speed.items():
        print("grade --lines %-10s %5d puzzles, %8.1f a second" % (name, count, rate))


if __name__ == "__main__":
    main()
