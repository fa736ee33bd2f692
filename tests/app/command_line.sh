#!/usr/bin/env bash
# The command line without a display: --help and --version answer on
# stdout, a start without one says so in Russian instead of Qt's abort, and
# an unknown option is named.   command_line.sh <program> <version>
set -uo pipefail
PROGRAM=$1
VERSION=$2
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
fail=0
# status, what the output must hold, Qt's platform, arguments
check() {
  local status=$1 pattern=$2 platform=$3
  shift 3
  local out got
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" HOME="$T" \
    "$PROGRAM" "$@" 2>&1)
  got=$?
  if [ "$got" != "$status" ] || ! grep -qE -- "$pattern" <<<"$out" || grep -qi "plugin" <<<"$out"; then
    echo "FAIL: jigsy $* (platform '$platform'): status $got, said: $out"
    fail=1
  fi
}
check 0 "^Jigsy $VERSION\$" xcb --version
check 0 "^Jigsy $VERSION\$" xcb -platform xcb -v
check 0 "--version.*" xcb --help
check 0 "файл" xcb -h
check 1 "нет графического дисплея" xcb
check 1 "нет графического дисплея" xcb some.jgy
check 2 "неизвестный параметр «bogus»" offscreen --bogus
[ "$fail" = 0 ] && echo "command line: passed"
exit "$fail"
