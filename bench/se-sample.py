#!/usr/bin/env python3
"""Draws the sample of classic puzzles rated on the Sudoku Explainer scale that
bench/rating-vs-se.py measures against.

The source is the Sudoku Exchange puzzle bank (public domain), split into one file per
rating ("2.5.txt" ... "9.3.txt", each line "hash puzzle rating"). Give the folder of such
files, or a git directory of a snapshot of the split bank (its files are then read with git).
The draw is seeded, so the same source gives the same sample:

    bench/se-sample.py SOURCE [PER_RATING] [SEED] > bench/se-sample.txt

Each output line is "puzzle rating", 81 digits with 0 for an empty cell.
"""
import os
import random
import subprocess
import sys


def rating_files(source):
    if os.path.isdir(os.path.join(source, "objects")) or source.endswith(".git"):
        names = subprocess.run(["git", "--git-dir", source, "ls-tree", "--name-only", "HEAD"],
                               capture_output=True, text=True, check=True).stdout.split()
        for name in names:
            if name[:1].isdigit() and name.endswith(".txt"):
                shown = subprocess.run(["git", "--git-dir", source, "show", "HEAD:" + name],
                                       capture_output=True, text=True)
                if shown.returncode == 0:
                    yield name, shown.stdout.splitlines()
    else:
        for name in sorted(os.listdir(source)):
            if name[:1].isdigit() and name.endswith(".txt"):
                with open(os.path.join(source, name)) as f:
                    yield name, f.read().splitlines()


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    source = sys.argv[1]
    per_rating = int(sys.argv[2]) if len(sys.argv) > 2 else 12
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 21
    rng = random.Random(seed)
    out = []
    for name, lines in sorted(rating_files(source), key=lambda x: float(x[0][:-4])):
        rows = []
        for line in lines:
            parts = line.split()
            if len(parts) >= 3 and len(parts[1]) == 81:
                rows.append((parts[1].replace(".", "0"), parts[2]))
        rng.shuffle(rows)
        out.extend(rows[:per_rating])
    for puzzle, rating in out:
        print(puzzle, rating)


if __name__ == "__main__":
    main()
