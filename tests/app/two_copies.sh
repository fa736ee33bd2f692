#!/usr/bin/env bash
# Two starts on one state folder: the second hands its command-line file
# to the first and ends at once; the first opens it as a load would (here a
# file that is no saved game, so its refusal appears as a message box).
#   two_copies.sh <build folder>      Exit 77 (skipped) without an X server.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
[ -n "${DISPLAY:-}" ] || { echo "no X server: skipped"; exit 77; }
T=$(mktemp -d)
FIRST=
trap '[ -n "$FIRST" ] && kill "$FIRST" 2>/dev/null; rm -rf "$T"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A portable program folder of the test's own: the state lies beside it.
cp "$BUILD/jigsy" "$T/"
for d in Image img BackGr SND; do ln -s "$BUILD/$d" "$T/$d"; done
export SDL_AUDIODRIVER=dummy HOME=$T/home XDG_RUNTIME_DIR=$T/runtime
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# The visible windows called Jigsy at least $1 pixels wide and narrower than $2.
count() {
  n=0
  for w in $(xdotool search --onlyvisible --name '^Jigsy$' 2>/dev/null); do
    width=$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
    [ "${width:-0}" -ge "$1" ] && [ "${width:-0}" -lt "$2" ] && n=$((n + 1))
  done
  echo "$n"
}

"$T/jigsy" &
FIRST=$!
sleep 0.5 # listening, its splash still up

# Handed over while the first still shows its splash: opened once its
# window is up.
echo "not a saved game" > "$T/bad.jgy"
start=$(date +%s)
timeout 20 "$T/jigsy" "$T/bad.jgy" || fail "the second start did not end cleanly"
[ $(( $(date +%s) - start )) -lt 10 ] || fail "the second start took its time: did it start a game of its own?"
for _ in $(seq 100); do [ "$(count 600 100000)" -ge 1 ] && break; sleep 0.2; done
[ "$(count 600 100000)" -ge 1 ] || fail "the first game's window did not appear"
for _ in $(seq 50); do [ "$(count 1 600)" -ge 1 ] && break; sleep 0.2; done
[ "$(count 1 600)" -ge 1 ] || fail "the first game did not open the handed file"
kill -0 "$FIRST" || fail "the first game is gone"
echo "ok"
