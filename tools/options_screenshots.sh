#!/usr/bin/env bash
# Takes a screenshot of every page of the Options dialog under Xvfb:
#
#   options_screenshots.sh BUILD OUT [LANGUAGE]
#
# runs BUILD/kirvo with a fresh home (and LANGUAGE, e.g. german, as its language), closes the
# browser, opens Options from its toolbar button and writes OUT/options-1.png … options-6.png, one
# per page, OUT/options-wood.png (Visual Effects with Wood chosen), then OUT/picker.png and
# picker-circle.png: the colour picker of the wood colour with its square and its circle. Needs
# Xvfb, xdotool and ImageMagick. The points clicked are those of a 1600 x 1000 screen.
set -u
build=$1
out=$2
lang=${3:-}
display=:78
. "$(dirname "$0")/game_under_xvfb.sh"
sleep 5; xdotool key Escape; sleep 1
xdotool mousemove 950 16 click 1; sleep 1.5  # the Options button of the toolbar at 1600 pixels
for page in 1 2 3 4 5 6; do
  shot "options-$page"
  xdotool key ctrl+Tab; sleep 0.8
done
xdotool key ctrl+Tab; sleep 0.3; xdotool key ctrl+Tab; sleep 0.3; xdotool key ctrl+Tab; sleep 0.8
xdotool mousemove 480 461 click 1; sleep 0.8  # Wood
shot options-wood
xdotool mousemove 560 461 click 1; sleep 1.5  # the wood-colour swatch
shot picker
xdotool mousemove 1023 281 click 1; sleep 1  # the circle button
shot picker-circle
ls "$out"
