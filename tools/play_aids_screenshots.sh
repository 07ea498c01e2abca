#!/usr/bin/env bash
# Plays with the viewing and sorting aids under Xvfb and takes a screenshot of each:
#
#   play_aids_screenshots.sh BUILD OUT [LEVEL]
#
# runs BUILD/kirvo with a fresh home whose jigsaw choices ask for LEVEL (default 4: some 500
# pieces of the first sample), opens the first sample and writes OUT/1-game.png, 2-thumbnail.png
# (T), 3-glass.png (G, moved over the pieces), 4-picker.png and 5-texture.png (B: the background
# of all windows, the first texture chosen), 6-arranged.png (A, R: every piece of the side
# selected and arranged) and 7-weight.png (W: the weight carried over the pieces). Needs Xvfb,
# xdotool and ImageMagick. The points clicked are those of a 1600 x 1000 screen.
set -u
build=$1
out=$2
level=${3:-4}
lang=
display=:79
mkdir -p "$out"
settings=$(printf '[Main]\r\n   <DefJigP>\r\n      Level=%s\r\n      Rotate=0\r\n' "$level")
. "$(dirname "$0")/game_under_xvfb.sh"
sleep 5
xdotool key Return; sleep 1.5
xdotool key Return; sleep 8; shot 1-game
xdotool mousemove 800 600 key t; sleep 1.5; shot 2-thumbnail
xdotool key g; sleep 1
xdotool mousemove 5 120 mousedown 1 mousemove 300 300 mousemove 650 520 mouseup 1; sleep 1.5; shot 3-glass
xdotool key g; sleep 0.5
xdotool key b; sleep 1.5; shot 4-picker
xdotool mousemove 754 616 click 1; sleep 1; xdotool mousemove 927 682 click 1; sleep 1.5; shot 5-texture
xdotool mousemove 800 600 key a; sleep 1; xdotool key r; sleep 1.5; shot 6-arranged
xdotool mousemove 900 500 key w; sleep 0.5; xdotool mousemove 950 520; sleep 1; shot 7-weight
ls "$out"
