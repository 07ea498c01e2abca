#!/usr/bin/env bash
# Plays with undo, Find, the edge pieces and the clock under Xvfb and takes a screenshot of each:
#
#   more_aids_screenshots.sh BUILD OUT [LEVEL]
#
# runs BUILD/kirvo with a fresh home whose jigsaw choices ask for LEVEL (default 4: some 500
# pieces of the first sample), opens the first sample and writes OUT/1-game.png, 2-toolbar.png
# (the top of the screen, with the hint of the Undo button), 3-find-pair.png (F with nothing in
# hand: two pieces that join blink), 4-find-fit.png (F while carrying a piece: a piece that joins
# it and its place blink), 5-moved.png (a piece dragged away), 6-undone.png (Ctrl+Z: it is back),
# 7-clock.png (K: the time played on the toolbar, and the Clock button checked), 8-edges.png (E:
# the edge pieces laid out in a pocket) and 9-info.png (I: the information dialog with the time
# played). Needs Xvfb, xdotool and ImageMagick. The points clicked are those of a 1600 x 1000
# screen.
set -u
build=$1
out=$2
level=${3:-4}
lang=
display=:86
settings=$(printf '[Main]\r\n   <DefJigP>\r\n      Level=%s\r\n      Rotate=0\r\n[Lang]\r\n   <QuickHelp> 0\r\n' "$level")
. "$(dirname "$0")/game_under_xvfb.sh"
sleep 5
xdotool key Return; sleep 1.5
xdotool key Return; sleep 8; shot 1-game
xdotool mousemove 166 16; sleep 2.5; shot 2-toolbar
convert "$out/2-toolbar.png" -crop 1600x80+0+0 +repage "$out/2-toolbar.png"
xdotool mousemove 800 600 key f; sleep 0.4; shot 3-find-pair
sleep 3
xdotool mousemove 800 600 mousedown 1 mousemove 810 610 mousemove 830 630; sleep 0.3
xdotool key f; sleep 0.4; shot 4-find-fit
xdotool mousemove 300 300 mouseup 1; sleep 3; shot 5-moved
xdotool key ctrl+z; sleep 1.5; shot 6-undone
xdotool key k; sleep 2; shot 7-clock
xdotool key e; sleep 2; shot 8-edges
xdotool key i; sleep 1.5; shot 9-info
xdotool key Escape; sleep 0.5
ls "$out"
