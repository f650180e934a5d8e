#!/usr/bin/env bash
# Builds the Debian package (`make deb`): installs what the build needs with apt, copies the
# source tree to build/deb/src/ (so that the tree itself stays clean and the package build
# starts from nothing), builds the source package and the binary package there without the
# tests (nocheck: `make test` runs them), checks the package's files and runs lintian. The
# packages end up in build/deb/; the last line printed is the path of the game's package.
#
# DEB_JOBS sets the number of parallel build jobs (default: one a core).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
out=$source_dir/build/deb

scripts/install-deps.sh dpkg-dev debhelper lintian desktop-file-utils appstream

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

version=$(dpkg-parsechangelog -l debian/changelog -S Version)
cmake_version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ "$version" != "$cmake_version" ]; then
    echo "debian/changelog is at version $version but CMakeLists.txt at $cmake_version;" \
         "add a changelog entry for $cmake_version" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)
deb=$out/tessel-sudoku_${version}_${arch}.deb

# ---- a clean copy of the tree: the files git knows (committed or not ignored), or without
# git everything but the build folders
rm -rf "$out"
tree=$out/src/tessel-sudoku-$version
mkdir -p "$tree"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$tree"
else
    tar --exclude-vcs --exclude=./build --exclude='./build-*' --exclude=./out \
        --exclude=./.cache --exclude=./compile_commands.json -cf - . | tar -xf - -C "$tree"
fi

# ---- build dependencies, without the ones only the tests need
export DEBIAN_FRONTEND=noninteractive
if ! dpkg-checkbuilddeps -Pnocheck "$tree/debian/control" 2>/dev/null; then
    echo "Installing the package's build dependencies"
    as_root apt-get update -qq
    as_root apt-get build-dep -y -qq --no-install-recommends -P nocheck "$tree"
fi

# ---- the source package, then the binary packages
log=$out/build.log
echo "Building tessel-sudoku $version for $arch (log: $log)"
start=$SECONDS
if ! (cd "$out/src" && dpkg-source -b "tessel-sudoku-$version" &&
      cd "$tree" && DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" \
          dpkg-buildpackage -b -us -uc --build-profiles=nocheck -j"${DEB_JOBS:-auto}") >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "the package build failed; the whole log is $log" >&2
    exit 1
fi
mv "$out"/src/*.deb "$out"/src/*.dsc "$out"/src/*.tar.* "$out"/src/*.buildinfo \
   "$out"/src/*.changes "$out"/
echo "Built in $((SECONDS - start)) s"

# ---- what the package holds
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
contents=$(dpkg-deb -c "$deb" | awk '{ print $6 ($7 == "->" ? " -> " $8 : "") }')
expect=(
    ./usr/games/tessel-puzzle
    "./usr/games/tessel-sudoku -> ../lib/tessel-sudoku/tessel-sudoku"
    ./usr/lib/tessel-sudoku/tessel-sudoku
    ./usr/share/applications/tessel-sudoku.desktop
    ./usr/share/metainfo/io.github.tesselsudoku.TesselSudoku.metainfo.xml
    ./usr/share/mime/packages/tessel-sudoku.xml
    ./usr/share/icons/hicolor/scalable/apps/tessel-sudoku.svg
    ./usr/share/man/man6/tessel-sudoku.6.gz
    ./usr/share/man/man6/tessel-puzzle.6.gz
    ./usr/share/doc/tessel-sudoku/copyright
    ./usr/share/doc/tessel-sudoku/changelog.gz
)
for p in puzzles/*.zd2; do
    expect+=("./usr/lib/tessel-sudoku/$(basename "$p")")
done
for png in desktop/icons/tessel-sudoku-*.png; do
    size=${png##*-}
    size=${size%.png}
    expect+=("./usr/share/icons/hicolor/${size}x${size}/apps/tessel-sudoku.png")
done
for path in "${expect[@]}"; do
    grep -qxF -- "$path" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6printsupport6 fonts-liberation; do
    grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "the package does not depend on $dep: $depends"
done
unpacked=$out/unpacked
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/tessel-sudoku.desktop" ||
    fail "desktop-file-validate refuses the package's launcher"
appstreamcli validate --no-net --pedantic \
    "$unpacked/usr/share/metainfo/io.github.tesselsudoku.TesselSudoku.metainfo.xml" >"$out/appstream.log" 2>&1 ||
    { cat "$out/appstream.log"; fail "appstreamcli refuses the package's metainfo"; }
rm -rf "$unpacked"
if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "The package holds the game, the tool, ${#expect[@]} files checked by name; it depends on $depends"

# ---- lintian on the source and the binary package: errors and warnings fail, pedantic and
# informational tags are shown
echo "lintian:"
if ! lintian --fail-on error,warning --pedantic --display-info \
        "$out/tessel-sudoku_$version.dsc" "$deb"; then
    echo "lintian found errors or warnings" >&2
    exit 1
fi
echo "$deb"
