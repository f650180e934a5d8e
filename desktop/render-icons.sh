#!/usr/bin/env bash
# Renders the PNG sizes of the application icon from its SVG drawings. The PNGs are kept in
# the repository, so building and installing never need this script; run it after changing
# an SVG (needs rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 32 48 64 128 256; do
    source=tessel-sudoku.svg
    # The smallest size has its own drawing on whole pixels; digits are unreadable there.
    [ "$size" -eq 16 ] && source=tessel-sudoku-16.svg
    rsvg-convert --width "$size" --height "$size" "$source" --output "tessel-sudoku-$size.png"
done
