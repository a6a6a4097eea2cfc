#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick (convert) and writes them beside this script:
#   MainHeader.bmp    427 x 22, 24-bit BMP  (MainWindow's header, stretched to 936 x 80)
#   MainBadge.bmp     63 x 41, 24-bit BMP   (the logo in the header, drawn at its own size)
#   MainFooter.jpg    1353 x 105 JPEG       (MainWindow's footer, stretched to 896 x 47)
#   PlayerBanner.jpg  865 x 130 JPEG        (PlayerWindow's banner, stretched to 784 x 112)
#   DefaultPoster.jpg 213 x 160 JPEG        (shown when a movie has no poster)
# Pictures that the window stretches are drawn at the size they are shown and then squeezed to
# their stored size, so that they look right once stretched back.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

BLUE='rgb(8,168,218)'          # the header blue, also the spinner labels' background
DEEP='rgb(4,96,150)'
PALE='rgb(149,215,241)'
# The five category colours, in the order of the button grid.
CATEGORIES=('rgb(218,84,45)' 'rgb(12,100,233)' 'rgb(196,0,206)' 'rgb(214,165,1)' 'rgb(0,163,0)')
LATIN=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
LATIN_LIGHT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
CJK=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
# No metadata or timestamps, so that the files only change when the drawing does.
STRIP=(-strip -define png:exclude-chunks=date,time)

# Writes a 24-bit BMP with the plain 54-byte header (no colour-space block, no alpha).
bmp24() { convert "$1" -alpha off -type TrueColor "${STRIP[@]}" BMP3:"$2"; }
jpeg() { convert "$1" -alpha off -strip -sampling-factor 2x2 -quality "$3" -interlace none "$2"; }

# --- Header, drawn at 936 x 80 ----------------------------------------------------------------
# The left part, where the badge and the spinner labels sit, stays the flat header blue so the
# labels' own background blends in; light rings rise on the right.
rings=()
for ring in "700,10,46" "760,70,28" "820,30,60" "870,86,36" "640,64,18" "905,12,22"; do
  IFS=, read -r x y r <<<"$ring"
  rings+=(-draw "circle $x,$y $((x + r)),$y")
done
convert -size 936x80 xc:"$BLUE" \
  \( -size 936x40 gradient:'rgba(255,255,255,0.14)'-'rgba(255,255,255,0)' \) -composite \
  \( -size 80x380 gradient:"$BLUE"-"$DEEP" -rotate -90 \) -geometry +556+0 -composite \
  \( -size 936x80 xc:none -fill 'rgba(255,255,255,0.10)' "${rings[@]}" \
     -fill none -stroke 'rgba(255,255,255,0.22)' -strokewidth 2 -draw "circle 800,40 858,40" \) \
  -composite "$work/header.png"
convert "$work/header.png" -filter Triangle -resize '427x22!' "$work/header-small.png"
# The last row carries the five category colours across the part of the box the window shows.
stripe=()
for i in 0 1 2 3 4; do
  x0=$((14 + i * 70)); x1=$((x0 + 69))
  [ "$i" -eq 0 ] && x0=0
  [ "$i" -eq 4 ] && x1=426
  stripe+=(-fill "${CATEGORIES[$i]}" -draw "rectangle $x0,21 $x1,21")
done
convert "$work/header-small.png" "${stripe[@]}" "$work/header-final.png"
bmp24 "$work/header-final.png" MainHeader.bmp

# --- Badge, 63 x 41 at its own size (the box shows 56 x 40 of it) -------------------------------
# A white film frame with a play mark, on the header blue; its bottom rows continue the header's
# colour stripe, which the badge covers there.
holes=""
for x in 10 16 22 28 34 40; do
  holes+="rectangle $x,6 $((x + 2)),8 rectangle $x,26 $((x + 2)),28 "
done
convert -size 63x41 xc:"$BLUE" \
  -fill 'rgba(0,0,0,0.18)' -draw "roundrectangle 8,5 48,33 6,6" \
  -fill white -draw "roundrectangle 6,3 46,31 6,6" \
  -fill "$BLUE" -draw "$holes" \
  -fill "${CATEGORIES[0]}" -draw "polygon 22,11 22,23 32,17" \
  -draw "rectangle 0,37 62,40" \
  "$work/badge.png"
bmp24 "$work/badge.png" MainBadge.bmp

# --- Footer, drawn at 1792 x 94 (twice the 896 x 47 it is shown at) ----------------------------
dots=()
for i in 0 1 2 3 4; do
  cx=$((1240 + i * 46))
  dots+=(-fill "${CATEGORIES[$i]}" -draw "circle $cx,47 $((cx + 13)),47")
done
convert -size 94x1792 gradient:'rgb(22,46,70)'-"$DEEP" -rotate -90 \
  -fill "$BLUE" -draw "rectangle 0,0 1791,3" \
  -font "$LATIN" -pointsize 44 -fill white -annotate +48+62 'Cinevora' \
  -font "$CJK" -pointsize 28 -fill "$PALE" -annotate +330+60 '电影目录 · 最新热门 · BD高清 · 1080P · 720P · 3D' \
  "${dots[@]}" \
  "$work/footer.png"
convert "$work/footer.png" -filter Lanczos -resize '1353x105!' "$work/footer-small.png"
jpeg "$work/footer-small.png" MainFooter.jpg 90

# --- Player banner, drawn at 865 x 130 (shown at nearly the same shape) -------------------------
convert -size 130x865 gradient:"$DEEP"-"$BLUE" -rotate -90 \
  \( -size 865x130 xc:none -fill 'rgba(255,255,255,0.08)' \
     -draw "circle 700,65 790,65" -draw "circle 700,65 760,65" \
     -fill 'rgba(255,255,255,0.95)' -draw "polygon 684,38 684,92 730,65" \
     -fill none -stroke 'rgba(255,255,255,0.85)' -strokewidth 5 -draw "circle 700,65 748,65" \) \
  -composite -stroke none -strokewidth 1 \
  -fill 'rgba(255,255,255,0.12)' -draw "rectangle 0,116 864,129" \
  -fill "$DEEP" -draw "$(for x in $(seq 8 22 860); do printf 'rectangle %d,120 %d,125 ' "$x" $((x + 10)); done)" \
  -font "$LATIN" -pointsize 46 -fill white -annotate +44+66 'Cinevora' \
  -font "$CJK" -pointsize 26 -fill "$PALE" -annotate +48+100 '免费在线云播 · 贴上链接即可播放' \
  "$work/banner.png"
jpeg "$work/banner.png" PlayerBanner.jpg 90

# --- Default poster, 213 x 160 ------------------------------------------------------------------
convert -size 160x213 gradient:'rgb(236,243,248)'-'rgb(198,216,230)' -rotate -90 \
  -fill none -stroke "$BLUE" -strokewidth 3 -draw "roundrectangle 66,26 146,86 8,8" \
  -stroke none -fill "$BLUE" \
  -draw "$(for x in 74 88 102 116 130; do printf 'rectangle %d,32 %d,37 rectangle %d,75 %d,80 ' "$x" $((x + 7)) "$x" $((x + 7)); done)" \
  -draw "polygon 98,46 98,66 116,56" \
  -font "$CJK" -pointsize 16 -fill 'rgb(60,90,115)' -gravity north -annotate +0+100 '暂无海报' \
  -font "$LATIN_LIGHT" -pointsize 11 -fill 'rgb(110,140,160)' -annotate +0+128 'Cinevora' \
  "$work/poster.png"
jpeg "$work/poster.png" DefaultPoster.jpg 92

ls -l MainHeader.bmp MainBadge.bmp MainFooter.jpg PlayerBanner.jpg DefaultPoster.jpg
