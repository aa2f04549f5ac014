#!/usr/bin/env bash
# Draws the banner (banner.png) and the program icon (icon.ico) beside this
# script. Both files are committed; run this only to change the artwork:
#   resources/make_art.sh
# Needs ImageMagick and the Liberation fonts (fonts-liberation).
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Colours. The banner sits above a black bar with light-blue (100,160,255)
# text, so it stays dark and blue; the mark is a brighter blue so that it
# reads on the banner and, as the icon, on light and dark title bars alike.
sky_left="rgb(10,30,72)"
sky_right="rgb(30,88,176)"
disc_top="rgb(92,156,250)"
disc_bottom="rgb(26,86,196)"
disc_rim="rgb(14,52,128)"
name_colour="rgb(255,255,255)"
tagline_colour="rgb(160,196,255)"
# A faint light from above, fading out towards the bottom edge.
sheen="rgba(255,255,255,0.10)"

fonts=/usr/share/fonts/truetype/liberation
name_font=$fonts/LiberationSans-Bold.ttf
tagline_font=$fonts/LiberationSans-Regular.ttf
for font in "$name_font" "$tagline_font"; do
  # ImageMagick would quietly fall back to another face.
  [[ -f $font ]] || { echo "missing $font (install fonts-liberation)" >&2; exit 1; }
done

# Every image leaves here the same way: 8-bit RGBA, not interlaced, packed
# tight, and without time stamps, so that running the script again gives the
# same bytes.
png_out=(-define png:color-type=6 -define png:bit-depth=8 -interlace none
  -define png:compression-level=9 -define png:compression-filter=5
  -define png:compression-strategy=0
  -define "png:exclude-chunks=date,time,tIME" -strip)

# draw_mark SIZE OUT: the mark, a blue disc holding a white upward arrow
# ("update"), on a transparent square. It is laid out on a 16-unit grid whose
# lines fall on pixel edges at 16, 32 and 48 pixels, which keeps the small
# icons crisp, drawn eight times over without smoothing and then averaged down
# so that each edge pixel gets its exact coverage.
draw_mark() {
  local size=$1 out=$2
  local big=$((size * 8)) unit=$((size / 2))
  # at UNITS: a grid position as a drawing coordinate. Drawing coordinates
  # name pixel centres, and a fill reaches half a pixel past its outline.
  at() { awk -v u="$unit" -v g="$1" 'BEGIN { printf "%.2f", g * u - 0.5 }'; }
  local centre rim arrow
  centre=$(at 8)
  rim=$(awk -v u="$unit" 'BEGIN { printf "%.2f", 0.75 * u }')
  arrow="polygon $(at 8),$(at 2.5) $(at 13.5),$(at 8) $(at 10),$(at 8) \
$(at 10),$(at 13) $(at 6),$(at 13) $(at 6),$(at 8) $(at 2.5),$(at 8)"
  convert -size "${big}x${big}" "gradient:$disc_top-$disc_bottom" \
    \( -size "${big}x${big}" xc:black +antialias -fill white \
    -draw "circle $centre,$centre $centre,0" \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    +antialias -fill none -stroke "$disc_rim" -strokewidth "$rim" \
    -draw "circle $centre,$centre $centre,$(awk -v w="$rim" 'BEGIN { print w / 2 - 0.5 }')" \
    -stroke none -fill white -draw "$arrow" \
    -scale "${size}x${size}" "${png_out[@]}" "PNG32:$out"
}

# The banner: 300 x 50, a calm left-to-right gradient, the mark at the left,
# the product name and a short tagline, in the Arial-like face the window
# uses for its own titles. Its top right corner stays plain: the window puts
# its "?" button there.
draw_mark 40 "$work/mark40.png"
convert -size 50x300 "gradient:$sky_left-$sky_right" -rotate -90 \
  \( -size 300x50 "gradient:$sheen-rgba(255,255,255,0)" \) -composite \
  "$work/mark40.png" -geometry +6+5 -composite \
  -font "$name_font" -pointsize 27 -fill "$name_colour" \
  -annotate +54+34 "Quorvel" \
  -font "$tagline_font" -pointsize 12 -fill "$tagline_colour" \
  -annotate +170+34 "update checker" \
  -alpha set -channel A -evaluate set 100% +channel \
  "${png_out[@]}" PNG32:banner.png

# The icon: the same mark at 16, 32 and 48 pixels, 32-bit with alpha.
for size in 16 32 48; do
  draw_mark "$size" "$work/mark$size.png"
done
convert "$work/mark16.png" "$work/mark32.png" "$work/mark48.png" icon.ico
