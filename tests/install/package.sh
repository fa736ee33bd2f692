#!/usr/bin/env bash
# The Debian package as a distribution would take it: the program in
# /usr/games, its manual pages, copyright and changelog where Debian keeps
# them, and clean reports from lintian, appstreamcli and
# desktop-file-validate (each run when it is installed).
#   package.sh <build folder>
set -euo pipefail
BUILD=$(cd "$1" && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$BUILD" && cpack -G DEB -B "$T/out" >"$T/cpack.log" 2>&1) || { cat "$T/cpack.log"; fail "cpack"; }
deb=$(ls "$T"/out/jigsy_*.deb)
dpkg-deb -x "$deb" "$T/root"
for f in usr/games/jigsy usr/share/man/man6/jigsy.6.gz usr/share/man/ru/man6/jigsy.6.gz \
         usr/share/doc/jigsy/copyright usr/share/doc/jigsy/changelog.gz; do
  [ -f "$T/root/$f" ] || fail "no $f in the package"
done
[ ! -e "$T/root/usr/bin" ] || fail "the package installs into /usr/bin"
grep -q 'version' <(zcat "$T/root/usr/share/man/man6/jigsy.6.gz") || fail "the manual page names no options"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$T"/root/usr/share/applications/*.desktop || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$T"/root/usr/share/metainfo/*.metainfo.xml || fail "metainfo"
fi
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1 | tee "$T/lintian.log" ||
    fail "lintian"
else
  echo "lintian is not installed: not run"
fi
echo "package: passed"
