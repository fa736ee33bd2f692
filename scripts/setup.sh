#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: make sure the Debian packages are
# there (installing them when root), then configure and build into build/.
# With --sanitize: the sanitizer build into build-asan/ instead, by clang,
# with the fuzzers of fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

SANITIZE=0
if [ "${1:-}" = "--sanitize" ]; then
  SANITIZE=1
fi

PACKAGES=(cmake ninja-build g++ pkg-config ccache
  qt6-base-dev libqt6opengl6-dev libgl-dev libglu1-mesa-dev
  libturbojpeg0-dev libsdl2-mixer-dev libgtest-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri libglx-mesa0 fonts-liberation2
  qt6-translations-l10n
  desktop-file-utils appstream shared-mime-info xdotool dpkg-dev file)
# Only the sanitizer build needs these.
SANITIZE_PACKAGES=(clang libclang-rt-14-dev libfuzzer-14-dev)
if [ "$SANITIZE" = 1 ]; then
  PACKAGES+=("${SANITIZE_PACKAGES[@]}")
fi

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
if [ "$SANITIZE" = 1 ]; then
  # The artwork tools run during the build, sanitized too; what they keep
  # until exit is no leak worth failing the build for.
  export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
  CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DJIGSY_SANITIZE=ON -DJIGSY_FUZZ=ON >/dev/null
  cmake --build build-asan --parallel "$(nproc)"
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build --parallel "$(nproc)"
fi
