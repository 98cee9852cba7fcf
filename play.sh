#!/usr/bin/env bash
# Installs what is missing, builds the game, prepares the game folder and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source_dir=$(pwd)

scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLIMMERFALL_TESTS=OFF -DGLIMMERFALL_BENCH=OFF
cmake --build build-release --target glimmerfall

# The game folder: styles/ and menu/ are refreshed from the build; run/ is the working
# directory and keeps the player's settings, bindings and scores across rebuilds.
home="${GLIMMERFALL_HOME:-$HOME/.local/share/glimmerfall}"
mkdir -p "$home/styles" "$home/menu" "$home/run"
# The game has no built-in bindings: a first start gets the default ones, and a player's
# own file is never replaced.
if [ ! -e "$home/run/bindwin32.cfg" ]; then
    cp "$source_dir/data/bindwin32.cfg" "$home/run/bindwin32.cfg"
fi

cd "$home/run"
exec "$source_dir/build-release/glimmerfall"
