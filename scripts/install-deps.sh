#!/usr/bin/env bash
# Installs the Debian packages one or more sets of the project's work need, and only
# those that are missing. Uses sudo when not run as root.
#
#   scripts/install-deps.sh play    building the game and its asset tree, and running it
#   scripts/install-deps.sh test    the play set and the tests, benchmarks and fuzz runs
#   scripts/install-deps.sh --dry-run SET...
#                                   prints the set's packages and the missing ones, and
#                                   installs nothing
set -euo pipefail

play_packages=(
    # build
    g++ cmake ninja-build pkg-config
    # the game
    libsdl1.2-dev libgl1-mesa-dev libglu1-mesa-dev liblua5.1-0-dev
    # the asset generator
    libfreetype-dev fonts-dejavu-core
)
test_only_packages=(
    # tests and benchmarks
    googletest libgtest-dev libbenchmark-dev
    # the X server and tools of the window and whole-program tests
    xvfb xauth xdotool imagemagick x11-utils
    # fuzz runs of the loaders: clang with its libFuzzer runtime
    clang-14 libclang-rt-14-dev
)

usage() {
    echo "usage: $0 [--dry-run] play|test..." >&2
    exit 2
}

dry_run=0
packages=()
for arg in "$@"; do
    case "$arg" in
    --dry-run) dry_run=1 ;;
    play) packages+=("${play_packages[@]}") ;;
    test) packages+=("${play_packages[@]}" "${test_only_packages[@]}") ;;
    *) usage ;;
    esac
done
[ ${#packages[@]} -gt 0 ] || usage
# One of each, in the order first named.
mapfile -t packages < <(printf '%s\n' "${packages[@]}" | awk '!seen[$0]++')

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ $dry_run -eq 1 ]; then
    echo "install-deps: the set needs: ${packages[*]}"
    echo "install-deps: missing here: ${missing[*]:-none}"
    exit 0
fi
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
