#!/bin/sh
# Derives the installed pictures (assets/img/) from free photographs in
# Debian's archive.  Every picture comes in three sizes: "A<name>.jpg" at
# 560 x 400 for the 35-piece cut (the one shown in the picture browser),
# "B<name>.jpg" at 595 x 385 for the 187-piece cut and "C<name>.jpg" at
# 1960 x 1260, the 2016-piece cut's picture, from which the game scales the
# pictures of all the big cuts.  Each photo is cropped to cover the target
# (keeping the interesting part with a gravity per photo) and then scaled
# with a Lanczos filter.
#
# Needs: imagemagick, lomiri-wallpapers-16.04 and lomiri-wallpapers-20.04
# (photos under /usr/share/backgrounds/).  Licences: see assets/CREDITS and
# /usr/share/doc/lomiri-wallpapers-16.04/copyright.
#
# Usage: tools/import_pictures.sh [source-folder] [target-folder]
set -eu

SRC=${1:-/usr/share/backgrounds}
DST=${2:-$(dirname "$0")/../assets/img}
mkdir -p "$DST"

# name | source file | gravity of the crop
LIST='
Bridge|Bridge_by_Sander_Klootwijk.jpg|center
Dragonfly|Dragonfly_by_Bolly.jpg|center
Nuthatch|Kleiber_by_Lukas_Baubkus.jpg|center
Fig|Picture_0B_by_freespace.jpg|center
Brushes|Picture_1A_by_freespace.jpg|center
Room|Wine_by_Jakkub_Mede.jpg|center
Aitzgorri|aitzgorri_by_Aitzol_Berasategi.jpg|center
Dogs|friends_by_Aitzol_Berasategi.jpg|north
Stream|life_by_Aitzol_Berasategi.jpg|center
Picos|picosdeeuropa_by_Aitzol_Berasategi.jpg|center
Dandelions|seeding_by_Clements_Engelhardt.jpg|center
Sunset|sunset_by_Aitzol_Berasategi.jpg|center
'

make_one() { # source gravity size target
    convert "$1" -auto-orient -colorspace sRGB -filter Lanczos \
        -resize "$3^" -gravity "$2" -extent "$3" \
        -strip -sampling-factor 2x2 -quality 88 "$4"
}

echo "$LIST" | while IFS='|' read -r name file gravity; do
    [ -n "$name" ] || continue
    if [ ! -f "$SRC/$file" ]; then
        echo "missing: $SRC/$file" >&2
        exit 1
    fi
    make_one "$SRC/$file" "$gravity" 560x400 "$DST/A$name.jpg"
    make_one "$SRC/$file" "$gravity" 595x385 "$DST/B$name.jpg"
    make_one "$SRC/$file" "$gravity" 1960x1260 "$DST/C$name.jpg"
    echo "$name <- $file"
done
