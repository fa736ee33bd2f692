#!/usr/bin/env bash
# A staged install (DESTDIR) in a temporary folder: the desktop files pass
# their validators; the staged game starts with a fresh HOME, its window of
# the class the desktop entry names, finds its files in share/jigsy and
# keeps the player's settings under the temporary XDG_CONFIG_HOME, never in
# the installed tree; without share/jigsy it names the missing files and
# exits.   staged_install.sh <build folder>
# Exit 77 (skipped) without an X server.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "no X server: skipped"; exit 77; }
for tool in xdotool desktop-file-validate appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh installs it)"; exit 1; }
done
T=$(mktemp -d)
GAME=
trap '[ -n "$GAME" ] && kill "$GAME" 2>/dev/null; rm -rf "$T"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

STAGE=$T/stage
SHARE=$STAGE/usr/share
DESTDIR=$STAGE cmake --install "$BUILD" --prefix /usr >/dev/null
for icon in 48x48/apps/jigsy.png 64x64/apps/jigsy.png 128x128/apps/jigsy.png 256x256/apps/jigsy.png \
            scalable/apps/jigsy.svg; do
  [ -f "$SHARE/icons/hicolor/$icon" ] || fail "no icon $icon"
done
desktop=$(ls "$SHARE"/applications/*.desktop)
desktop-file-validate "$desktop" || fail "desktop entry"
grep -qx 'Exec=jigsy %f' "$desktop" && grep -qx 'MimeType=application/x-jigsy-save;' "$desktop" ||
  fail "the desktop entry does not open saved games"
appstreamcli validate --no-net "$SHARE"/metainfo/*.metainfo.xml || fail "metainfo"
XDG_DATA_DIRS=$SHARE update-mime-database "$SHARE/mime" || fail "MIME package"
[ -f "$SHARE/mime/application/x-jigsy-save.xml" ] || fail "the saved-game type is not declared"

export HOME=$T/home XDG_CONFIG_HOME=$T/config XDG_CACHE_HOME=$T/cache XDG_RUNTIME_DIR=$T/runtime
export SDL_AUDIODRIVER=dummy
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
touch "$T/before-start"
sleep 1 # file times have a resolution of a second on some file systems

# The first visible window called $1 at least $2 pixels wide, waiting up to 20 s.
window() {
  for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      width=$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
      [ "${width:-0}" -ge "$2" ] && { echo "$w"; return 0; }
    done
    sleep 0.2
  done
  return 1
}

"$STAGE/usr/bin/jigsy" &
GAME=$!
main=$(window Jigsy 600) || fail "the main window did not appear"
# A dock ties the window to its menu entry by the window's class.
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
xdotool search --class "^$class\$" 2>/dev/null | grep -qx "$main" ||
  fail "the window's class is not the desktop entry's StartupWMClass ($class)"
SETTINGS=$XDG_CONFIG_HOME/jigsy/Settings.ini
# The edge-layout switch (the fourth toolbar button) writes its key at once.
for _ in 1 2 3; do
  sleep 1
  xdotool mousemove --window "$main" 160 22 click 1
  for _ in $(seq 20); do grep -qi '^RoundPlace=' "$SETTINGS" 2>/dev/null && break 2; sleep 0.2; done
done
grep -qi '^RoundPlace=' "$SETTINGS" 2>/dev/null || fail "the switch wrote no Settings.ini under XDG_CONFIG_HOME"
kill "$GAME"; wait "$GAME" 2>/dev/null || true
GAME=
written=$(find "$STAGE" -newer "$T/before-start")
[ -z "$written" ] || fail "the game wrote into its installed tree: $written"

mv "$SHARE/jigsy" "$T/jigsy-away" # a broken install
"$STAGE/usr/bin/jigsy" &
GAME=$!
window Jigsy 50 >/dev/null || fail "no message about the missing files"
# The message box is the only window and has the keyboard: Return answers it.
for _ in $(seq 50); do
  kill -0 "$GAME" 2>/dev/null || break
  xdotool key Return 2>/dev/null || true
  sleep 0.2
done
kill -0 "$GAME" 2>/dev/null && fail "the game went on without its files"
status=0
wait "$GAME" || status=$?
GAME=
[ "$status" = 1 ] || fail "exit status $status without its files"
echo "staged install: passed"
