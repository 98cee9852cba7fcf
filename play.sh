#!/usr/bin/env bash
# Installs what is missing, builds the game and its asset tree, prepares the game
# folder and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source_dir=$(pwd)

scripts/install-deps.sh play
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLIMMERFALL_TESTS=OFF -DGLIMMERFALL_BENCH=OFF
cmake --build build-release --target glimmerfall assets
tree="$source_dir/build-release/assets"

# The game folder: styles/ and menu/ are refreshed from the build; run/ is the working
# directory and keeps the player's settings, bindings and scores across rebuilds.
home="${GLIMMERFALL_HOME:-$HOME/.local/share/glimmerfall}"
if [ -z "$home" ] || [ "$home" = "/" ]; then
    echo "play.sh: GLIMMERFALL_HOME must name a folder of its own" >&2
    exit 1
fi
mkdir -p "$home/run"
rm -rf "$home/styles" "$home/menu"
cp -R "$tree/styles" "$tree/menu" "$home/"
# The level markers say how far the level sequence goes: the build's set, no other.
rm -f "$home"/run/level*.lua
cp "$tree"/run/level*.lua "$home/run/"
# Default key, mouse and joystick bindings only for a player who has none yet.
if [ ! -e "$home/run/bindwin32.cfg" ]; then
    cp "$source_dir/data/bindwin32.cfg" "$home/run/"
fi

cd "$home/run"
exec "$source_dir/build-release/glimmerfall"
