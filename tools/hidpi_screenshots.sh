#!/usr/bin/env bash
# Takes screenshots of the game with a jigsaw open at several desktop scales, to compare how sharp
# the pieces, captions and toolbar come out:
#
#   hidpi_screenshots.sh BUILD OUT [SCALES]
#
# For each scale S of SCALES (default "1 2 1.5") runs BUILD/kirvo under Xvfb with QT_SCALE_FACTOR=S
# on a screen of 1280 x 800 points (S times as many pixels) and a fresh home, and writes
# OUT/scale-S-browser.png of the jigsaw browser at start and OUT/scale-S-settings.png of its
# settings page with the choice buttons; then opens the first sample, shows pocket 1 and the
# thumbnail window, and writes OUT/scale-S.png of the whole screen and OUT/scale-S-crop.png of the same part of the window at each scale (480 x 300 points from
# 20, 60). OUT/scale-1-crop-200.png is the scale-1 crop blown up 2x without smoothing: what
# pixel doubling would show. Needs Xvfb, xdotool and ImageMagick.
set -u
build=$1
out=$2
scales=${3:-1 2 1.5}
mkdir -p "$out"
at() { awk -v s="$scale" -v v="$1" 'BEGIN { printf "%d", v * s }'; }
for scale in $scales; do
  (
    export QT_SCALE_FACTOR=$scale
    screen="$(at 1280)x$(at 800)"
    lang=
    display=:78
    settings=$(printf '[Main]\r\n   <DefJigP>\r\n      Level=1\r\n      Rotate=0\r\n')
    . "$(dirname "$0")/game_under_xvfb.sh"
    sleep 5; shot "scale-$scale-browser"
    xdotool key Return; sleep 1.5; shot "scale-$scale-settings"
    xdotool key Return; sleep 8
    xdotool mousemove "$(at 700)" "$(at 500)" key 1; sleep 1
    xdotool key t; sleep 1.5
    shot "scale-$scale"
    convert "$out/scale-$scale.png" -crop "$(at 480)x$(at 300)+$(at 20)+$(at 60)" +repage "$out/scale-$scale-crop.png"
  )
done
[ -f "$out/scale-1-crop.png" ] && convert "$out/scale-1-crop.png" -filter point -resize 200% "$out/scale-1-crop-200.png"
ls "$out"
