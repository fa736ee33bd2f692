#!/bin/sh
# Makes the game's sounds under assets/SND/ from free sources in Debian's
# archive, plus chimes synthesized here.  The results are committed, so the
# game never needs the source packages; run this only to make them again.
#
#   apt-get install sonic-pi-samples hyperrogue-music sox lame
#   sh tools/import_sounds.sh
#
# Where each file comes from (authors and licences also in assets/CREDITS):
#   wave0.wav   join click: "elec_wood" by looppool (freesound.org 13135),
#               CC0, from sonic-pi-samples; 16-bit stereo 11025 Hz, 8831 frames (0.80 s)
#   wave1.wav   second click: "perc_snap" by SoundCollectah (freesound.org
#               109400), CC0, from sonic-pi-samples; 16-bit stereo 11025 Hz, 9568 frames (0.87 s)
#   wave2.wav   completion flourish: synthesized here (plucked arpeggios and
#               a bell chord), 16-bit mono 22050 Hz, 252878 frames (11.47 s)
#   UsrScr.wav  start-up greeting: "guit_harmonics" by BStateham
#               (freesound.org 141524), CC0, from sonic-pi-samples
#   Ok1..Ok16   milestone chimes: synthesized here, each a different figure
#   *.mp3       music: tracks of hyperrogue-music, CC-BY-SA-3.0,
#               transcoded to 96 kbit/s mp3 with short fades at the ends:
#                 ocean.mp3     "hr-savino-ocean"     Will Savino
#                 ivory.mp3     "hr-savino-ivory"     Will Savino
#                 mountain.mp3  "hr-domina-mountain"  Lincoln Domina
#                 icyland.mp3   "hr3-icyland"         Shawn Parrotte
set -eu

HERE=$(cd "$(dirname "$0")/.." && pwd)
OUT="$HERE/assets/SND"
SAMPLES=/usr/share/sonic-pi/samples
MUSIC=/usr/share/hyperrogue/music
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

for need in sox lame; do
    command -v $need >/dev/null || { echo "missing: $need" >&2; exit 1; }
done
for f in "$SAMPLES/elec_wood.flac" "$SAMPLES/perc_snap.flac" "$SAMPLES/guit_harmonics.flac" \
         "$MUSIC/hr-savino-ocean.ogg" "$MUSIC/hr-savino-ivory.ogg" \
         "$MUSIC/hr-domina-mountain.ogg" "$MUSIC/hr3-icyland.ogg"; do
    [ -f "$f" ] || { echo "missing source: $f (install sonic-pi-samples and hyperrogue-music)" >&2; exit 1; }
done
mkdir -p "$OUT"

# sox without dither, so every run gives the same bytes.
SOX="sox -D -V1"

# A sample made exactly N frames long in the given rate and channel count.
exact() { # in out rate channels frames [effects...]
    in=$1 out=$2 rate=$3 ch=$4 frames=$5
    shift 5
    $SOX "$in" -b 16 -e signed-integer -r "$rate" -c "$ch" "$TMP/exact.wav" "$@" pad 0 30
    $SOX "$TMP/exact.wav" "$out" trim 0 "${frames}s"
}

# ---- the three stored waves ----
exact "$SAMPLES/elec_wood.flac" "$OUT/wave0.wav" 11025 2 8831 gain -n -3 fade t 0 0.45 0.1
exact "$SAMPLES/perc_snap.flac" "$OUT/wave1.wav" 11025 2 9568 gain -n -3 fade t 0 0.3 0.05

# One note: a plucked string (or a sine bell) starting after a delay; a
# pluck dies away quickly, a bell (sine) rings on to its end.
# note out delay length kind pitch gain
note() {
    decay=l
    [ "$4" = sine ] && decay=q
    $SOX -n -r 22050 -c 1 -b 16 "$1" synth "$3" "$4" "$5" fade "$decay" 0.005 "$3" "$3" gain "$6" pad "$2"
}
mix() { # out in...
    out=$1
    shift
    if [ $# -eq 1 ]; then cp "$1" "$out"; else $SOX -m "$@" "$out"; fi
}

# Completion flourish: two rising arpeggios and a long, softly ringing chord.
i=0
set --
for tone in "0.00 C5" "0.12 E5" "0.24 G5" "0.36 C6" \
            "0.80 F5" "0.92 A5" "1.04 C6" "1.16 F6" \
            "1.60 G5" "1.72 B5" "1.84 D6" "1.96 G6" \
            "2.50 C5" "2.56 E5" "2.62 G5" "2.68 C6" "2.74 E6" "2.80 G6" "2.86 C7" \
            "4.20 G6" "4.35 E6" "4.50 C6" "4.65 G5" "5.40 E6" "5.55 G6" "5.70 C7"; do
    d=${tone% *}
    p=${tone#* }
    note "$TMP/f$i.wav" "$d" 3 pluck "$p" -6
    set -- "$@" "$TMP/f$i.wav"
    i=$((i + 1))
done
for tone in "2.9 C4" "2.9 G4" "2.9 C5" "2.9 E5"; do
    d=${tone% *}
    p=${tone#* }
    note "$TMP/f$i.wav" "$d" 8.5 sine "$p" -12
    set -- "$@" "$TMP/f$i.wav"
    i=$((i + 1))
done
mix "$TMP/flourish.wav" "$@"
$SOX "$TMP/flourish.wav" "$TMP/flourish2.wav" reverb 40 50 60 remix - gain -n -2 fade t 0 11.47 1.5 pad 0 2
$SOX "$TMP/flourish2.wav" -r 22050 -c 1 -b 16 "$OUT/wave2.wav" trim 0 252878s

# ---- start-up greeting ----
$SOX "$SAMPLES/guit_harmonics.flac" -r 22050 -c 2 -b 16 "$OUT/UsrScr.wav" gain -n -4 fade t 0.01 3.5 0.8

# ---- sixteen milestone chimes, each its own little figure ----
# Root in semitones from A4 (440 Hz), then the figure's intervals above it,
# plucked quickly one after another, with a soft sine bell an octave over
# the root ringing on.
n=1
for fig in "3 0 4 7" "5 0 5 9" "7 0 3 7" "8 0 4 9" "10 0 5 7" "0 0 7 12" \
           "3 0 7 16" "5 0 4 12" "7 0 5 12" "8 0 7 9" "-2 0 4 12" "0 0 3 10" \
           "1 0 4 7 11" "15 0 -5 -8" "5 0 7 14" "7 0 2 4 7"; do
    set -- $fig
    root=$1
    shift
    parts=""
    k=0
    for st in "$@"; do
        note "$TMP/c$k.wav" "0$(echo "$k * 0.09" | bc -l)" 1.2 pluck "%$((root + st))" -4
        parts="$parts $TMP/c$k.wav"
        k=$((k + 1))
    done
    note "$TMP/c$k.wav" 0 1.4 sine "%$((root + 12))" -18
    parts="$parts $TMP/c$k.wav"
    mix "$TMP/chime.wav" $parts
    $SOX "$TMP/chime.wav" -r 22050 -c 1 -b 16 "$OUT/Ok$n.wav" gain -n -3 fade t 0 1.4 0.3
    rm -f $parts
    n=$((n + 1))
done

# ---- music ----
track() { # source name
    $SOX "$MUSIC/$1.ogg" -r 44100 -c 2 -b 16 "$TMP/track.wav" fade t 0.02 -0 1.0
    lame --quiet -b 96 -m j --noreplaygain "$TMP/track.wav" "$OUT/$2.mp3"
}
track hr-savino-ocean ocean
track hr-savino-ivory ivory
track hr-domina-mountain mountain
track hr3-icyland icyland

echo "sounds written to $OUT"
