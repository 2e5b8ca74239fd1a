#!/usr/bin/env bash
# Sets up, builds (warnings as errors, AddressSanitizer and UndefinedBehaviorSanitizer) and runs the whole test suite:
# the unit and game tests, the soak games, the same games under node as WebAssembly, then a short run of every fuzz target.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$repo/scripts/deps.sh"
cd "$repo"
cmake --preset ci >/dev/null
cmake --build build/ci -j"$(nproc)"
# The WebAssembly simulator (Debian's emscripten) that the wasm test runs under node.
cmake --preset wasm >/dev/null
cmake --build build/wasm -j"$(nproc)"
# The browser game (build/web) that the web test plays in headless Chromium.
JOBS="$(nproc)" bash "$repo/scripts/web.sh" --build-only
# The GUI tests need a display: Xvfb, at the size the windows are made for.
xvfb-run -a -s "-screen 0 1280x800x24" ctest --preset ci -j"$(nproc)"
bash "$repo/scripts/fuzz.sh" 20
