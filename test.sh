#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.  The
# OpenGL tests need an X server, so the suite runs under xvfb-run.
#   ./test.sh [ctest arguments]             the suite, built into build/
#   ./test.sh --sanitize [ctest arguments]  the suite under AddressSanitizer
#       and UndefinedBehaviorSanitizer, built by clang into build-asan/, then
#       each fuzzer for FUZZ_SECONDS (60) seconds
set -euo pipefail
cd "$(dirname "$0")"
export SDL_AUDIODRIVER=dummy
if [ "${1:-}" = "--sanitize" ]; then
  shift
  scripts/setup.sh --sanitize
  # Leaks are left out: the GL driver and fontconfig keep memory until exit.
  export ASAN_OPTIONS="detect_leaks=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  (cd build-asan && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure "$@")
  exec scripts/fuzz.sh build-asan
fi
scripts/setup.sh
cd build
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure "$@"
