#!/usr/bin/env bash
# Sets up, builds and starts the game. The game directory (default ~/velkaro-game, or
# $VELKARO_GAME_DIR) receives the shipped data once; the repository itself is never written to.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$repo/scripts/deps.sh"
cmake --preset release -S "$repo" >/dev/null
cmake --build "$repo/build/release" -j"$(nproc)" --target velkaro velkaro_data
game="${VELKARO_GAME_DIR:-$HOME/velkaro-game}"
mkdir -p "$game/ini" "$game/save"
# Shipped files are added where missing; files the game has changed are kept.
cp -n "$repo/build/release/shipped/ini/"* "$game/ini/"
cd "$game"
echo "Game directory: $game"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start this from a desktop session (DISPLAY is not set)." >&2
  exit 1
fi
exec "$repo/build/release/velkaro"
