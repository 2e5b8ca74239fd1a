#!/usr/bin/env bash
# Builds the browser game into build/web/ (static files only: any web server can host them) and
# serves it on 127.0.0.1 for a player.
#   bash scripts/web.sh               build, then serve on port 8080 (or $PORT)
#   bash scripts/web.sh --build-only  build only
set -euo pipefail
cd "$(dirname "$0")/.."
serve=1
[ "${1:-}" = "--build-only" ] && serve=0
port="${PORT:-8080}"
jobs="${JOBS:-2}"
export NODE_PATH=/usr/share/nodejs

# The shipped ini folder is written by the native velkaro-datagen (CP932, CR LF).
[ -f build/release/CMakeCache.txt ] || cmake --preset release >/dev/null
nice -n 10 cmake --build build/release -j"$jobs" --target velkaro_data
# The program, its data and the page.
[ -f build/webdev/CMakeCache.txt ] || cmake --preset web >/dev/null
nice -n 10 cmake --build build/webdev -j"$jobs" --target velkaro-web

rm -rf build/web
mkdir -p build/web
cp build/webdev/web/* build/web/
size=$(cd build/web && cat velkaro.wasm velkaro.js velkaro.data index.html page.js page.css sw.js manifest.webmanifest | gzip -9 | wc -c)
echo "The site is in build/web/ ($((size / 1024)) KB gzipped)."
if [ "$serve" -eq 1 ]; then
  echo "Play at http://127.0.0.1:${port}/  (Ctrl+C stops the server)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
fi
