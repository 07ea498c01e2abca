#!/usr/bin/env bash
# Draws the game's icon: one golden jigsaw piece, knobs up and to the right and sockets to the left
# and below, on a rounded tile in the toolbar's slate blue.
#
#   make_icon.sh OUT
#
# writes OUT/NAME.svg and OUT/hicolor/SIZExSIZE/apps/NAME.png for the sizes the desktop looks
# for, NAME being the game's desktop id. The results are kept in desktop/icons/; run this again
# (needs rsvg-convert, from librsvg2-bin) after changing the drawing.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUT" >&2
  exit 2
fi
out=$1
name=example.moru_games.KirvoJigsawPleo3
mkdir -p "$out"

# The piece on a 256 grid: a 120 x 112 body; each knob is a circle of radius 22 on a short neck,
# each socket the same circle turned inwards. It is moved to sit in the middle of the tile.
piece="M 64 80 H 108 C 112 80 113 76 110 72 A 22 22 0 1 1 138 72 C 135 76 136 80 140 80 H 184
  V 116 C 184 120 188 121 192 118 A 22 22 0 1 1 192 146 C 188 143 184 144 184 148 V 192
  H 140 C 136 192 135 188 138 184 A 22 22 0 1 0 110 184 C 113 188 112 192 108 192 H 64
  V 148 C 64 144 68 143 72 146 A 22 22 0 1 0 72 118 C 68 121 64 120 64 116 Z"

cat >"$out/$name.svg" <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#4e6080"/>
      <stop offset="1" stop-color="#2c3852"/>
    </linearGradient>
    <linearGradient id="gold" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#ffd66e"/>
      <stop offset="1" stop-color="#e09a30"/>
    </linearGradient>
  </defs>
  <rect x="12" y="12" width="232" height="232" rx="44" fill="url(#tile)" stroke="#1c2230" stroke-width="4"/>
  <g transform="translate(-18 10)">
    <path d="$piece" fill="#1c2230" opacity="0.45" transform="translate(6 8)"/>
    <path d="$piece" fill="url(#gold)" stroke="#5a3a10" stroke-width="6" stroke-linejoin="round"/>
  </g>
</svg>
SVG

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/hicolor/${size}x$size/apps"
  rsvg-convert -w "$size" -h "$size" "$out/$name.svg" -o "$out/hicolor/${size}x$size/apps/$name.png"
done
