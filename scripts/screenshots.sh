#!/usr/bin/env bash
# Takes the README's screenshots of the real window under Xvfb with a window manager.
# Usage: scripts/screenshots.sh BUILD_BIN_DIR OUT_DIR
# Needs xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
bin=${1:-build/default/bin}
out=${2:-docs}
here=$(cd "$(dirname "$0")" && pwd)
export DISPLAY_NUMBER=${DISPLAY_NUMBER:-:97}
# shellcheck source=/dev/null
source "$here/xvfb-session.sh"
mkdir -p "$out"

start_game() {
    "$bin/tessel-sudoku" >/dev/null 2>&1 &
    game=$!
    for _ in $(seq 50); do
        win=$(xdotool search --name 'Tessel Sudoku \(V2.0\)' 2>/dev/null | head -1 || true)
        [ -n "$win" ] && break
        sleep 0.2
    done
    sleep 1
    xdotool windowactivate "$win" 2>/dev/null || true
    sleep 0.3
}

open_file() {
    xdotool key ctrl+o
    sleep 1
    xdotool type "$1"
    xdotool key Return
    sleep 1.5
}

# Opens the restart button's menu and chooses the entry that is $1 steps down.
menu_entry() {
    xdotool mousemove 152 47 click 1
    sleep 0.6
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
    sleep 0.8
}

stop_game() {
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
}

shot() { import -window root "$1"; }

# 1. A Samurai: the whole window, then with labels and help on, then with the palette open.
start_game
open_file samurai.zd2
xdotool mousemove 900 900
sleep 0.3
shot "$out/window-samurai.png"
menu_entry 4 # Show Labels
menu_entry 5 # Help me Solve it
xdotool mousemove 900 900
sleep 0.3
shot /tmp/samurai-help.png
convert /tmp/samurai-help.png -crop 680x650+25+95 +repage "$out/samurai-labels-help.png"
xdotool mousemove 40 120
sleep 0.2
xdotool mousemove 110 150 click 1
sleep 1
shot /tmp/palette.png
convert /tmp/palette.png -crop 420x320+0+60 +repage "$out/palette-open.png"
xdotool key Escape
sleep 0.5
stop_game

# 2. A 6x6 board and a puzzle of custom regions, labels and help on.
for entry in 6x6-wide:240x240+0+75 twin-region:450x240+0+75 jigsaw:330x330+0+75; do
    puzzle=${entry%%:*}
    crop=${entry#*:}
    start_game
    open_file "$puzzle.zd2"
    menu_entry 4
    menu_entry 5
    xdotool mousemove 1200 900
    sleep 0.3
    shot "/tmp/$puzzle.png"
    convert "/tmp/$puzzle.png" -crop "$crop" +repage "$out/$puzzle-labels-help.png"
    stop_game
done
# 3. The import dialog with its list of formats open, and the welcome puzzle's page exported
#    with labels and help on.
start_game
xdotool key ctrl+i
sleep 1.5
xdotool mousemove 627 663 click 1 # the "Files of type" list
sleep 0.8
shot /tmp/import.png
convert /tmp/import.png -crop 640x560+310+250 +repage "$out/import-dialog.png"
xdotool key Escape
sleep 0.3
xdotool key Escape
sleep 0.5
open_file welcome.zd2
menu_entry 4
menu_entry 5
xdotool key ctrl+e
sleep 1.2
rm -f /tmp/exported-page.png
xdotool type /tmp/exported-page.png
xdotool key Return
sleep 1.2
cp /tmp/exported-page.png "$out/exported-page.png"
stop_game

# 4. A hard 16x16 from the generator, labels and help on, at 100%.
"$bin/tessel-puzzle" generate 16x16 --seed 2 --level hard -o /tmp/board-16x16.zd2 >/dev/null
start_game
open_file /tmp/board-16x16.zd2
menu_entry 4
menu_entry 5
xdotool mousemove 1200 900
sleep 0.3
shot /tmp/board-16x16.png
convert /tmp/board-16x16.png -crop 500x500+22+98 +repage "$out/board-16x16.png"
stop_game
echo "screenshots in $out"
