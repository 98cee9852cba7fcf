#!/usr/bin/env bash
# Installs the Debian packages the game, its asset generator and its tests need, and
# only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkg-config
    # the game
    libsdl1.2-dev libgl1-mesa-dev libglu1-mesa-dev liblua5.1-0-dev
    # the asset generator
    libfreetype-dev fonts-dejavu-core
    # tests and benchmarks
    googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils
    # fuzz runs of the loaders: clang with its libFuzzer runtime
    clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: not root and no sudo; please install: ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
