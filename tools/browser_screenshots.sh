#!/usr/bin/env bash
# Plays the first minute of a new player under Xvfb and takes screenshots of what they see:
#
#   browser_screenshots.sh BUILD OUT [LANGUAGE]
#
# runs BUILD/kirvo with a fresh home (and LANGUAGE, e.g. german, as its language), and writes
# OUT/1-jigsaws.png (the browser at the start), 2-settings.png (Next: the Pieces page),
# 3-game.png (Open: the game), 4-save.png (Shift+S: the browser in save mode), 5-reopened.png
# (saved as "evening", then O: the browser on that saved game) and 6-saved-pieces.png (its
# choices, greyed). Needs Xvfb, xdotool and ImageMagick.
set -u
build=$1
out=$2
lang=${3:-}
display=:77
. "$(dirname "$0")/game_under_xvfb.sh"
sleep 5; shot 1-jigsaws
xdotool key Return; sleep 1.5; shot 2-settings
xdotool key Return; sleep 6; shot 3-game
xdotool mousemove 800 600; sleep 0.3
xdotool key shift+s; sleep 1.5; shot 4-save
xdotool type --delay 50 "evening"; xdotool key Return; sleep 3
xdotool key o; sleep 1.5; shot 5-reopened
xdotool key ctrl+Tab; sleep 1.5; shot 6-saved-pieces
ls "$out"
