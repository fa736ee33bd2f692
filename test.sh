#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.  The
# OpenGL tests need an X server, so the suite runs under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cd build
export SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure "$@"
