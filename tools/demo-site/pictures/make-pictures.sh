#!/usr/bin/env bash
# Draws the demo site's posters and stills with ImageMagick. The JPEGs are committed beside this
# script, so a build never needs ImageMagick; run it again only to change the pictures.
# Every picture is our own: a flat colour, a simple motif and a caption, nothing else.
set -euo pipefail
cd "$(dirname "$0")"
CONVERT=/usr/bin/convert
FONT=DejaVu-Sans-Bold

# Posters, 200 x 280: background, motif colour, motif (ImageMagick draw primitive).
posters=(
  "#7a1f1f|#f2c14e|circle 100,120 100,60"
  "#1f3d7a|#e8e8e8|rectangle 50,70 150,170"
  "#2e6b30|#f0e68c|polygon 100,50 160,170 40,170"
  "#5b2a7a|#ffb6c1|ellipse 100,120 70,40 0,360"
  "#8a5a00|#fff8dc|line 30,60 170,180"
  "#114d4d|#ffd700|polygon 100,45 118,100 175,100 128,132 146,188 100,154 54,188 72,132 25,100 82,100"
  "#444444|#ff7f50|roundrectangle 40,60 160,180 20,20"
  "#6b1f4d|#add8e6|circle 100,120 100,40"
  "#234d1f|#ff6347|rectangle 30,100 170,140"
  "#0f2a44|#98fb98|polygon 40,60 160,60 100,180"
)
i=1
for p in "${posters[@]}"; do
  IFS='|' read -r bg fg motif <<<"$p"
  name=$(printf 'poster-%02d.jpg' "$i")
  "$CONVERT" -size 200x280 "xc:$bg" -fill "$fg" -stroke "$fg" -strokewidth 6 -draw "$motif" \
    -font "$FONT" -pointsize 22 -fill "$fg" -stroke none -gravity south \
    -annotate +0+18 "DEMO $(printf '%02d' "$i")" -strip -quality 70 "$name"
  i=$((i + 1))
done

# Stills, 320 x 180: a horizon over a flat sky, in four moods.
stills=("#c9d6df|#52616b" "#f3d9b1|#8c5e3c" "#2b2d42|#8d99ae" "#dfe7d1|#5a7d4d")
i=1
for s in "${stills[@]}"; do
  IFS='|' read -r sky ground <<<"$s"
  name=$(printf 'still-%02d.jpg' "$i")
  "$CONVERT" -size 320x180 "xc:$sky" -fill "$ground" -draw "rectangle 0,120 320,180" \
    -fill "$ground" -draw "circle 250,60 250,40" \
    -font "$FONT" -pointsize 14 -gravity southwest -fill "$sky" -annotate +10+8 "STILL $(printf '%02d' "$i")" \
    -strip -quality 70 "$name"
  i=$((i + 1))
done
