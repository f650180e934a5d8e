#!/usr/bin/env python3
"""Draws a sample of the forum's hardest puzzles (the list of puzzles Sudoku Explainer rates
11.0 or more, as tdoku's data names it "puzzles5_forum_hardest_1905_11+") for
bench/rating-vs-se.py and tessel_hint_bench.

    bench/hardest-sample.py SOURCE [COUNT] [SEED] > bench/hardest-sample.txt

SOURCE is the list, one puzzle a line (81 characters, '.' or '0' for an empty cell; lines
starting with '#' are skipped), or GIT_DIR:PATH to read it from a git directory. The draw is
seeded, so the same source gives the same sample. Each output line is "puzzle 11.0": 81 digits
with 0 for an empty cell and the list's lower bound as the rating.
"""
import os
import random
import subprocess
import sys


def lines_of(source):
    git_dir, _, path = source.rpartition(":")
    if git_dir and os.path.isdir(os.path.join(git_dir, "objects")):
        text = subprocess.run(["git", "--git-dir", git_dir, "show", "HEAD:" + path],
                              capture_output=True, text=True, check=True).stdout
    else:
        with open(source) as f:
            text = f.read()
    for line in text.splitlines():
        line = line.strip()
        if len(line) >= 81 and not line.startswith("#"):
            yield line[:81].replace(".", "0")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 11
    puzzles = [p for p in lines_of(sys.argv[1]) if p.isdigit()]
    for puzzle in random.Random(seed).sample(puzzles, min(count, len(puzzles))):
        print(puzzle, "11.0")


if __name__ == "__main__":
    main()
