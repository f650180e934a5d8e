#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run, when they are missing;
# given package names, installs those instead (scripts/build-deb.sh names its own).
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation
    poppler-utils
    clang libclang-rt-dev
    xvfb xauth
    desktop-file-utils appstream x11-utils openbox
    shared-mime-info libglib2.0-bin
)
if [ $# -gt 0 ]; then
    packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
