#!/usr/bin/env bash
# Shrinks and grows the main window under Xvfb and takes a screenshot of each step:
#
#   window_sizes_screenshots.sh BUILD OUT
#
# runs BUILD/kirvo with a fresh home, opens the first sample with some 100 pieces, shows pockets 1
# and 2 and the thumbnail window and writes OUT/1-large.png; 2-small.png (the window made 700 x 520:
# the pockets in view at the field's right edge, the buttons that do not fit behind "»");
# 3-overflow.png (520 x 600, the clock shown, the "»" menu open); 4-smallest.png (the side's size
# grip dragged far up and left: the window stops at its smallest size, a pocket whole in view) and
# 5-large-again.png (the first size again). It prints how many pixels of 5-large-again.png differ
# from 1-large.png: 0 when every window came back where it was. Needs Xvfb, xdotool and
# ImageMagick. The points clicked are those of a 1600 x 1000 screen.
set -u
build=$1
out=$2
lang=
display=:84
settings=$(printf '[Main]\r\n   <DefJigP>\r\n      Level=1\r\n      Rotate=0\r\n[Lang]\r\n   <QuickHelp> 0\r\n')
. "$(dirname "$0")/game_under_xvfb.sh"
sleep 5
xdotool key Return; sleep 1.5
xdotool key Return; sleep 6
xdotool mousemove 600 500 key 1; sleep 0.5; xdotool key 2; sleep 0.5; xdotool key t; sleep 1
# Pocket 2's caption: it is the current window in the first and the last screenshot.
xdotool mousemove 1360 86 click 1; sleep 0.5; xdotool mousemove 800 990; sleep 0.5; shot 1-large
window=$(xdotool search --onlyvisible --name "Kirvo" | tail -1)
xdotool windowsize "$window" 700 520; sleep 1.5; shot 2-small
xdotool windowsize "$window" 520 600; sleep 1; xdotool key k; sleep 1
# The "»" button follows the clock button, the last button that fits 520 pixels beside the clock.
xdotool mousemove 409 16 click 1; sleep 1; shot 3-overflow
xdotool key Escape; sleep 0.5; xdotool key k; sleep 0.5
xdotool mousemove 511 591 mousedown 1; sleep 0.3
xdotool mousemove 400 500; sleep 0.3; xdotool mousemove 100 100; sleep 0.3; xdotool mouseup 1; sleep 1.5
shot 4-smallest
xdotool windowsize "$window" 1600 1000; sleep 1.5
xdotool mousemove 1360 86 click 1; sleep 0.5; xdotool mousemove 800 990; sleep 0.5; shot 5-large-again
echo "pixels that differ after growing back: $(compare -metric AE "$out/1-large.png" "$out/5-large-again.png" null: 2>&1)"
ls "$out"
