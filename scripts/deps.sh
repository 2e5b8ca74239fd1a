#!/usr/bin/env bash
# Installs the Debian 12 packages Velkaro needs, if any are missing.
set -euo pipefail
packages=(build-essential cmake pkg-config strace libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-charts-dev qt6-translations-l10n fonts-noto-cjk xvfb xauth xdotool
          clang-14 libclang-rt-14-dev emscripten nodejs python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
