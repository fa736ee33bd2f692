#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: make sure the Debian packages are
# there (installing them when root), then configure and build into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(cmake ninja-build g++ pkg-config ccache
  qt6-base-dev libqt6opengl6-dev libgl-dev libglu1-mesa-dev
  libturbojpeg0-dev libsdl2-mixer-dev libgtest-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri libglx-mesa0 fonts-liberation2
  qt6-translations-l10n
  desktop-file-utils appstream shared-mime-info xdotool dpkg-dev file)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages. Install them with:"
    echo "sudo apt-get install -y --no-install-recommends ${missing[*]}"
    exit 1
  fi
fi

export CCACHE_DIR="${CCACHE_DIR:-$HOME/.ccache}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)"
