#!/usr/bin/env bash
# Checks the installed desktop program the way a packager and a player would meet it:
# validates the launcher and the AppStream file, stages an install with DESTDIR, checks
# where every file landed, and starts the game from the staged files and from the build
# folder. With Xvfb, xwininfo and xprop present, the game runs on a private X display, and
# with openbox there too its window must carry the icon; without Xvfb it runs on the
# offscreen platform.
#
# usage: desktop_checks.sh SOURCE_DIR BUILD_DIR   (CMAKE names the cmake program to use)
set -uo pipefail

source_dir=$1
build_dir=$2
app_folder=lib/tessel-sudoku
desktop_id=tessel-sudoku.desktop
metainfo=io.github.tesselsudoku.TesselSudoku.metainfo.xml
icon_sizes=(16 32 48 64 128 256)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# ---- the launcher and the AppStream file, as written and as installed
validate() {
    local desktop=$1 meta=$2 where=$3
    if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then
        pass "desktop-file-validate accepts the $where launcher"
    else
        fail "desktop-file-validate on the $where launcher: $out"
    fi
    if out=$(appstreamcli validate --no-net --pedantic "$meta" 2>&1); then
        pass "appstreamcli accepts the $where metainfo"
    else
        fail "appstreamcli validate on the $where metainfo: $out"
    fi
}
validate "$source_dir/desktop/$desktop_id" "$source_dir/desktop/$metainfo" source

desktop_key() { sed -n "s/^$1=//p" "$source_dir/desktop/$desktop_id"; }
grep -q "<launchable type=\"desktop-id\">$desktop_id</launchable>" "$source_dir/desktop/$metainfo" ||
    fail "the metainfo's launchable does not name $desktop_id"
for category in Game LogicGame; do
    case ";$(desktop_key Categories);" in
        *";$category;"*) ;;
        *) fail "the launcher's categories lack $category: $(desktop_key Categories)" ;;
    esac
done
icon_name=$(desktop_key Icon)
exec_line=$(desktop_key Exec)
exec_name=${exec_line%% *}
# A file manager hands the game the puzzle file it opens; the launcher says it takes one.
mime_type=application/x-tessel-sudoku
case "$exec_line" in
    "$exec_name %f") pass "the launcher's Exec takes a file: $exec_line" ;;
    *) fail "the launcher's Exec does not take a file with %f: $exec_line" ;;
esac
case ";$(desktop_key MimeType);" in
    *";$mime_type;"*) pass "the launcher opens $mime_type" ;;
    *) fail "the launcher's MimeType lacks $mime_type: $(desktop_key MimeType)" ;;
esac

# ---- a staged install, as a package build does it
stage=$work/stage
prefix=/usr
if ! DESTDIR=$stage "${CMAKE:-cmake}" --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    fail "cmake --install into a staging folder"
    exit 1
fi
root=$stage$prefix
# The folder of the commands below the prefix: bin, or what the build was configured with
# (the Debian package puts them in games).
bin_dir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build_dir/CMakeCache.txt" 2>/dev/null)
bin_dir=${bin_dir:-bin}

program=$root/$app_folder/tessel-sudoku
[ -x "$program" ] && [ ! -L "$program" ] || fail "the game is not installed as $app_folder/tessel-sudoku"

# Every sample puzzle sits beside the program file, unchanged: the open dialog starts there.
count=0
for p in "$source_dir"/puzzles/*.zd2; do
    count=$((count + 1))
    cmp -s "$p" "$root/$app_folder/$(basename "$p")" || fail "sample puzzle $(basename "$p") is not beside the game"
done
[ "$count" -gt 0 ] || fail "no sample puzzles in $source_dir/puzzles"

# The launcher runs Exec from PATH: bin/<Exec> must be a relative link that still works
# after the staging folder is moved to its real place.
link=$root/$bin_dir/$exec_name
relative=$(realpath -m --relative-to="$root/$bin_dir" "$program")
if [ ! -L "$link" ]; then
    fail "$bin_dir/$exec_name is not a symbolic link"
elif [ "$(readlink "$link")" != "$relative" ]; then
    fail "$bin_dir/$exec_name points to $(readlink "$link"), not $relative"
elif [ "$(readlink -f "$link")" != "$(readlink -f "$program")" ]; then
    fail "$bin_dir/$exec_name does not lead to the game"
else
    pass "$bin_dir/$exec_name is a relative link to the game"
fi

if info=$("$root/$bin_dir/tessel-puzzle" info "$root/$app_folder/welcome.zd2") &&
    grep -qx 'boards: 1' <<<"$info"; then
    pass "the installed tessel-puzzle reads an installed sample puzzle"
else
    fail "the installed tessel-puzzle does not run or does not read welcome.zd2"
fi

# Manual pages: one for the game and one for the tool, in section 6. The tool's page has an
# entry for every command and option its usage text names, and every exit status.
man_dir=$root/share/man/man6
for page in tessel-sudoku tessel-puzzle; do
    [ -s "$man_dir/$page.6" ] || fail "no manual page $page.6 in share/man/man6"
done
if [ -s "$man_dir/tessel-puzzle.6" ] && usage=$("$root/$bin_dir/tessel-puzzle" --help); then
    # The page's source with its escaped minus signs as plain ones, and the tags of its
    # entries (the line after each .TP).
    page=$(sed 's/\\-/-/g' "$man_dir/tessel-puzzle.6")
    tags=$(awk 'previous == ".TP" { print } { previous = $0 }' <<<"$page")
    entry() { grep -Eq "^\.(B|BI|BR) $1( |\$)" <<<"$tags"; }
    before=$failures
    commands=$(sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p' <<<"$usage" | sort -u)
    [ -n "$commands" ] || fail "no commands found in the tool's usage text"
    for c in $commands; do
        entry "$c" || fail "the tool's manual page has no entry for the command $c"
    done
    options=$(grep -oE -- '(^|[[ ])(-o|--[a-z][a-z-]*)' <<<"$usage" | tr -d '[ ' | sort -u)
    for o in $options; do
        entry "$o" || fail "the tool's manual page has no entry for the option $o"
    done
    exits=$(sed -n '/^\.SH EXIT STATUS/,/^\.SH/p' <<<"$page")
    for code in 0 1 2; do
        grep -A1 -x '\.TP' <<<"$exits" | grep -qx "\.B $code" ||
            fail "the tool's manual page does not list exit status $code"
    done
    [ "$failures" -eq "$before" ] &&
        pass "the tool's manual page covers the commands $(echo $commands), the options $(echo $options) and exit statuses 0 1 2"
else
    fail "the tool's manual page or usage text cannot be read"
fi

# Icons: the scalable drawing and every PNG size, each PNG as large as its folder says.
[ -s "$root/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "no scalable icon $icon_name.svg"
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$icon_name.svg" 2>/dev/null ||
    fail "the scalable icon is not an SVG drawing"
png_size() { # width x height from the IHDR chunk
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for s in "${icon_sizes[@]}"; do
    png=$root/share/icons/hicolor/${s}x${s}/apps/$icon_name.png
    if [ ! -f "$png" ]; then
        fail "no ${s}x${s} icon"
    elif [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" != "89504e470d0a1a0a" ]; then
        fail "the ${s}x${s} icon is not a PNG"
    elif [ "$(png_size "$png")" != "${s}x${s}" ]; then
        fail "the ${s}x${s} icon measures $(png_size "$png")"
    fi
done
pass "icon sizes checked: scalable ${icon_sizes[*]}"

# The puzzle file's type: the staged definition, built into a type database as a package's
# trigger would, must know *.zd2 names and the header of a puzzle file without its name.
mime_package=$root/share/mime/packages/tessel-sudoku.xml
if [ ! -f "$mime_package" ]; then
    fail "no puzzle file type in share/mime/packages"
elif ! command -v update-mime-database >/dev/null; then
    echo "note: no update-mime-database (package shared-mime-info); the file type is not checked"
elif ! update-mime-database "$root/share/mime" >"$work/mime.log" 2>&1; then
    cat "$work/mime.log"
    fail "update-mime-database refuses the staged file type"
else
    before=$failures
    [ -f "$root/share/mime/$mime_type.xml" ] || fail "update-mime-database made no $mime_type"
    grep -qx "50:$mime_type:\*.zd2" "$root/share/mime/globs2" ||
        fail "the type database does not give *.zd2 to $mime_type"
    grep -qa "\[50:$mime_type\]" "$root/share/mime/magic" ||
        fail "the type database has no header match for $mime_type"
    if command -v gio >/dev/null; then
        cp "$root/$app_folder/welcome.zd2" "$work/welcome.zd2"
        cp "$root/$app_folder/welcome.zd2" "$work/puzzle-without-extension"
        for f in welcome.zd2 puzzle-without-extension; do
            found=$(XDG_DATA_DIRS="$root/share" XDG_DATA_HOME="$work/none" \
                    gio info -a standard::content-type "$work/$f" 2>/dev/null |
                    sed -n 's/.*standard::content-type: //p')
            [ "$found" = "$mime_type" ] || fail "$f is taken for ${found:-nothing}, not $mime_type"
        done
    else
        echo "note: no gio (package libglib2.0-bin); files are not typed through the database"
    fi
    [ "$failures" -eq "$before" ] && pass "update-mime-database finds $mime_type by name and by header"
fi

[ -f "$root/share/applications/$desktop_id" ] || fail "no launcher in share/applications"
[ -f "$root/share/metainfo/$metainfo" ] || fail "no metainfo in share/metainfo"
if [ -f "$root/share/applications/$desktop_id" ] && [ -f "$root/share/metainfo/$metainfo" ]; then
    validate "$root/share/applications/$desktop_id" "$root/share/metainfo/$metainfo" installed
fi

# ---- starting the game
display=
check_icon=yes
if command -v Xvfb >/dev/null && command -v xwininfo >/dev/null && command -v xprop >/dev/null; then
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] && display=:$(head -n1 "$work/display")
fi
# The toolkit sets a window's icon only for a window manager that announces it takes one.
if [ -n "$display" ] && command -v openbox >/dev/null; then
    DISPLAY=$display openbox >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        DISPLAY=$display xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_WM_ICON && break
        sleep 0.1
    done
fi
if [ -z "$display" ]; then
    echo "note: no Xvfb with xwininfo and xprop; the window icon is not checked"
elif ! DISPLAY=$display xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_WM_ICON; then
    echo "note: no window manager that takes window icons; the window icon is not checked"
    check_icon=no
fi

# start_game LABEL FOLDER COMMAND [ENV...]: the game must keep running, with FOLDER as
# its current directory (where its open dialog starts), and on X its window must have an
# icon.
start_game() {
    local label=$1 folder=$2 command=$3
    shift 3
    local platform=offscreen
    [ -n "$display" ] && platform=xcb
    (cd / && exec env "$@" QT_QPA_PLATFORM=$platform DISPLAY="$display" "$command") >"$work/game.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    local window=
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        if [ -n "$display" ]; then
            window=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null |
                     awk '/"Tessel Sudoku \(V2\.0\)"/ { print $1; exit }')
            [ -n "$window" ] && break
        elif [ "$(readlink "/proc/$pid/cwd")" = "$folder" ]; then
            break
        fi
        sleep 0.1
    done
    if ! kill -0 "$pid" 2>/dev/null; then
        fail "$label: the game did not stay running"
        cat "$work/game.log"
        return
    fi
    if [ "$(readlink "/proc/$pid/cwd")" = "$folder" ]; then
        pass "$label: the game's current folder is $folder"
    else
        fail "$label: the game's current folder is $(readlink "/proc/$pid/cwd"), not $folder"
    fi
    if [ -n "$display" ] && [ "$check_icon" = yes ]; then
        # The window can be listed before the toolkit has set its properties.
        local icons=
        for _ in $(seq 50); do
            [ -n "$window" ] || break
            icons=$(DISPLAY=$display xprop -id "$window" _NET_WM_ICON 2>/dev/null |
                    grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
            [ -n "$icons" ] && break
            sleep 0.1
        done
        if [ -z "$window" ]; then
            fail "$label: no game window appeared"
        elif [ -n "$icons" ]; then
            pass "$label: the window carries the icon: $icons"
        else
            fail "$label: the window has no icon"
        fi
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

# Installed: through the link on PATH, the icon theme of the staged prefix only.
start_game installed "$(readlink -f "$root/$app_folder")" "$exec_name" \
    PATH="$root/$bin_dir:/usr/bin:/bin" XDG_DATA_DIRS="$root/share" XDG_DATA_HOME="$work/none"
# Not installed: from the build folder with no icon theme on the system at all, so the
# icon has to come from inside the program.
start_game "build folder" "$(readlink -f "$build_dir/bin")" "$build_dir/bin/tessel-sudoku" \
    XDG_DATA_DIRS="$work/none" XDG_DATA_HOME="$work/none"

# A file named on the command line, as a file manager starts the game: a refused puzzle
# text, named relative to the folder the game starts in, shows its message box.
if [ -n "$display" ]; then
    printf '1234\n' >"$work/refused.sdk"
    (cd "$work" && exec env PATH="$root/$bin_dir:/usr/bin:/bin" XDG_DATA_DIRS="$root/share" \
        XDG_DATA_HOME="$work/none" QT_QPA_PLATFORM=xcb DISPLAY="$display" \
        "$exec_name" refused.sdk) >"$work/game.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    box=
    for _ in $(seq 100); do
        box=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | awk '/"Error"/ { print $1; exit }')
        [ -n "$box" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -n "$box" ]; then
        pass "a puzzle file named on the command line is opened (its refusal shows)"
    else
        fail "the game started with a refused puzzle file showed no message"
        cat "$work/game.log"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all desktop checks passed"
