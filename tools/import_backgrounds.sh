#!/usr/bin/env bash
# Derives the installed table backgrounds (assets/BackGr/*.jpg) from the
# CC0 paper and canvas textures of Debian's mypaint-data-extras package.
# Every result is 512 x 512 and tiles without a seam: each source first has
# its edges blended with its own middle (a copy rolled by half laid under
# it, the original fading out over the last 32 pixels of every side), and
# every later step that looks at neighbouring pixels wraps round the edges
# (-virtual-pixel tile).  The names fix the order in which the game lists
# them; the first is the calm dark-green felt the game starts with.
#
#   apt-get install mypaint-data-extras imagemagick
#   tools/import_backgrounds.sh [output folder]
set -euo pipefail

SRC=/usr/share/mypaint/backgrounds/ramon
OUT=${1:-"$(cd "$(dirname "$0")/.." && pwd)/assets/BackGr"}
QUALITY=88

if [ ! -d "$SRC" ]; then
  echo "missing $SRC: install the package mypaint-data-extras" >&2
  exit 1
fi
mkdir -p "$OUT"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# The weight of the original in the seam blend: 0 at the edges, 1 from 32
# pixels inside.
convert -size 512x512 xc: -fx "min(1,min(i,w-1-i)/32)*min(1,min(j,h-1-j)/32)" -colorspace gray "$TMP/mask.png"

# seamless <source file name> -> $TMP/<name>.png, tiling without a seam.
seamless() {
  local name=${1%.png}
  convert "$SRC/$1" -type TrueColor "$TMP/a.png"
  convert "$TMP/a.png" -roll +256+256 "$TMP/b.png"
  convert "$TMP/b.png" "$TMP/a.png" "$TMP/mask.png" -composite "$TMP/$name.png"
}
for f in "HR_PastelPaper 02.png" "HR_Canvas 01.png" "HR_SketchPaper 02.png" "HR_Cork.png" "HR_RoughPaper.png" \
         "HR_WaterColor.png" "HR_DecoPaper.png"; do
  seamless "$f"
done
SRC=$TMP

# gray <source> <blur sigma> <out.png>: the source's texture as grey, full range.
gray() {
  convert "$SRC/$1" -colorspace gray -virtual-pixel tile -blur "0x$2" -auto-level "$3"
}
# tint <grey.png> <dark colour> <light colour> <result.jpg>
tint() {
  convert "$1" -colorspace sRGB -type TrueColor +level-colors "$2","$3" \
    -strip -sampling-factor 4:2:0 -quality "$QUALITY" "$OUT/$4"
}

# Felt: the soft fibres of pastel paper, dyed.
gray "HR_PastelPaper 02.png" 0.7 "$TMP/felt.png"
tint "$TMP/felt.png" '#092b16' '#286240' 01-felt-green.jpg
tint "$TMP/felt.png" '#0b1c3a' '#2e5085' 02-felt-blue.jpg

# Cloth: a fine canvas as undyed linen, a coarse one as wine-red cloth.
gray "HR_Canvas 01.png" 0.4 "$TMP/linen.png"
tint "$TMP/linen.png" '#6f6048' '#b9a783' 03-cloth-linen.jpg
gray "HR_SketchPaper 02.png" 0.4 "$TMP/cloth.png"
tint "$TMP/cloth.png" '#3a0d15' '#7d2c38' 04-cloth-wine.jpg

# Cork, as it is.
convert "$SRC/HR_Cork.png" -type TrueColor -strip -quality "$QUALITY" "$OUT/05-cork.jpg"

# Wood: the fibres of rough paper and the washes of watercolour paper drawn
# out along the grain, the washes folded into bands of figure.
convert "$SRC/HR_RoughPaper.png" -colorspace gray -virtual-pixel tile \
  -morphology Convolve 'Blur:0x40' -auto-level "$TMP/grain.png"
convert "$SRC/HR_WaterColor.png" -colorspace gray -virtual-pixel tile \
  -morphology Convolve 'Blur:0x40' -auto-level -function Sinusoid 2.5,0 "$TMP/figure.png"
convert "$TMP/figure.png" "$TMP/grain.png" -compose blend -define compose:args=55,45 -composite \
  -auto-level -sigmoidal-contrast 3,50% "$TMP/wood.png"
tint "$TMP/wood.png" '#3b200d' '#a86d3c' 06-wood.jpg

# Paper: decorative paper with its fibres, as it is.
convert "$SRC/HR_DecoPaper.png" -type TrueColor -strip -quality "$QUALITY" "$OUT/07-paper.jpg"

# Stone: speckles of watercolour paper over a broad, wrapped cloud.
convert -size 512x512 xc: -seed 11 +noise Random -channel G -separate +channel \
  -virtual-pixel tile -blur 0x18 -auto-level "$TMP/cloud.png"
convert "$SRC/HR_WaterColor.png" -colorspace gray -auto-level "$TMP/speckle.png"
convert "$TMP/cloud.png" "$TMP/speckle.png" -compose blend -define compose:args=50,50 -composite \
  -auto-level "$TMP/stone.png"
tint "$TMP/stone.png" '#454a50' '#9aa0a6' 08-stone.jpg

ls -l "$OUT"
