#!/usr/bin/env bash
# Sets up, builds and starts the game from a clone. The game keeps its files in ~/velkaro-game
# (or $VELKARO_GAME_DIR), where players of the clone have always had them; the game itself creates
# that folder and copies the shipped data into it where files are missing. The repository is never
# written to outside build/.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$repo/scripts/deps.sh"
cmake --preset release -S "$repo" >/dev/null
cmake --build "$repo/build/release" -j"$(nproc)" --target velkaro velkaro_data
export VELKARO_GAME_DIR="${VELKARO_GAME_DIR:-$HOME/velkaro-game}"
echo "Game directory: $VELKARO_GAME_DIR"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start this from a desktop session (DISPLAY is not set)." >&2
  exit 1
fi
exec "$repo/build/release/velkaro"
