#!/usr/bin/env bash
# Installs the Debian 12 packages Velkaro needs, if any are missing.
set -euo pipefail
# file: cpack's Debian generator needs it; appstream, desktop-file-utils and man-db check the
# packaging files in the tests.
packages=(build-essential cmake pkg-config strace libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-charts-dev qt6-translations-l10n fonts-noto-cjk xvfb xauth xdotool openbox x11-utils
          clang-14 libclang-rt-14-dev file appstream desktop-file-utils man-db emscripten nodejs chromium python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm comes with some builds of node (NodeSource's); Debian's own node needs its npm package.
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
# The browser tests drive Debian's chromium through puppeteer-core (its own browser download is
# not used); the versions are locked in tests/web/package-lock.json.
if [ -f "$(dirname "$0")/../tests/web/package-lock.json" ] && [ ! -d "$(dirname "$0")/../tests/web/node_modules/puppeteer-core" ]; then
  (cd "$(dirname "$0")/../tests/web" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
fi
