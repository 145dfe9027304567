#!/usr/bin/env bash
# Redraws Quorvix's artwork with ImageMagick from mark.svg: the splash and
# about logo (400x300 JPEG plus a sharp 800x600 copy for high-DPI screens),
# the application icon (256x256 PNG) and the scalable icon. The results are
# committed; run this only after changing the drawing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
resources=$(cd "$here/.." && pwd)
packaging=$(cd "$here/../../packaging" && pwd)
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
condensed=/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Drawn large once and scaled down for every use: cleaner edges than
# rasterising small.
convert -background none -density 384 "$here/mark.svg" -resize 1024x1024 "$tmp/mark.png"

# Icon: the mark on a rounded dark tile, drawn at 1024 and reduced.
convert -size 960x960 gradient:'#2a3647'-'#0a0e14' \
    \( -size 960x960 xc:black -fill white -draw "roundrectangle 0,0 959,959 160,160" \) \
    -alpha off -compose CopyOpacity -composite "$tmp/tile.png"
convert -size 1024x1024 xc:none "$tmp/tile.png" -geometry +32+32 -composite \
    -fill none -stroke '#4a5870' -strokewidth 16 \
    -draw "roundrectangle 32,32 991,991 160,160" \
    "$tmp/mark.png" -composite \
    -filter Lanczos -resize 256x256 -strip -define png:compression-level=9 \
    PNG32:"$packaging/quorvix.png"

# Scalable icon: the same tile and mark as vectors.
{
    cat <<'SVG'
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="tile" gradientUnits="userSpaceOnUse" x1="0" y1="8" x2="0" y2="248">
      <stop offset="0" stop-color="#2a3647"/>
      <stop offset="1" stop-color="#0a0e14"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="40" ry="40" fill="url(#tile)" stroke="#4a5870" stroke-width="4"/>
SVG
    sed -n '/<g id="mark">/,/<!-- end mark -->/p' "$here/mark.svg" | sed '$d'
    echo '</svg>'
} > "$packaging/quorvix.svg"

# Logo, drawn at 800x600: dark steel background, an amber glow behind the
# mark, a faint grid, the name and the tag line.
convert -size 800x600 gradient:'#1f2937'-'#05070a' \
    \( -size 560x560 radial-gradient:'#ff8c1a66'-'#ff8c1a00' \) -geometry +120-90 -composite \
    -stroke 'rgba(255,255,255,0.06)' -strokewidth 2 \
    -draw "line 0,100 800,100 line 0,200 800,200 line 0,300 800,300 line 0,400 800,400 line 0,500 800,500" \
    -draw "line 100,0 100,600 line 200,0 200,600 line 300,0 300,600 line 400,0 400,600 line 500,0 500,600 line 600,0 600,600 line 700,0 700,600" \
    -stroke none \
    \( "$tmp/mark.png" -filter Lanczos -resize 300x300 \) -geometry +250+28 -composite \
    -font "$bold" -pointsize 118 -kerning 8 -fill '#f3f5f9' -gravity north -annotate +0+330 'QUORVIX' \
    \( -size 460x6 gradient:'#ff8c1a'-'#ff3b2f' \) -gravity north -geometry +0+478 -composite \
    -font "$condensed" -pointsize 30 -kerning 6 -fill '#ffa04a' -gravity north -annotate +0+500 'COUNTERSTRIKE CONFIG WIZARD' \
    -font "$condensed" -pointsize 22 -kerning 2 -fill '#8a96a8' -gravity southeast -annotate +22+16 'v0.3b' \
    "$tmp/logo2x.png"
convert "$tmp/logo2x.png" -strip -sampling-factor 4:4:4 -quality 88 "$resources/logo@2x.jpg"
convert "$tmp/logo2x.png" -filter Lanczos -resize 400x300 -strip -sampling-factor 4:4:4 -quality 90 "$resources/logo.jpg"

# Windows icon (program file, Start menu, "Apps"): the tile at the sizes
# Explorer asks for, largest first.
convert "$packaging/quorvix.png" -define icon:auto-resize=256,64,48,32,24,16 \
    "$packaging/windows/quorvix.ico"
