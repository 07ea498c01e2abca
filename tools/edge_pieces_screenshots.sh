#!/usr/bin/env bash
# Sorts out the edge pieces under Xvfb and takes a screenshot of each step:
#
#   edge_pieces_screenshots.sh BUILD OUT [LEVEL] [BORDER] [LANGUAGE]
#
# runs BUILD/kirvo with a fresh home whose jigsaw choices ask for LEVEL (default 4: some 500
# pieces of the first sample), with a frame when BORDER is 1, in LANGUAGE (default the English
# the game starts in), opens the first sample and writes OUT/1-game.png, 2-menu.png (the Game
# menu), 3-selected.png (Shift+E: the side's loose edge pieces selected where they lie),
# 4-pocket.png (E: every loose edge piece laid out in pocket 1), 5-tiled.png (L: the pocket at
# the field's full height) and 6-none-here.png (Shift+E on the side again: the message that none
# lie there). Needs Xvfb, xdotool and ImageMagick. The points clicked are those of a 1600 x 1000
# screen.
set -u
build=$1
out=$2
level=${3:-4}
border=${4:-0}
lang=
display=:81
settings=$(printf '[Main]\r\n   <DefJigP>\r\n      Level=%s\r\n      Rotate=0\r\n      BorderStyle=%s\r\n[Lang]\r\n   <QuickHelp> 0\r\n' \
  "$level" "$border")
[ -n "${5:-}" ] && settings+=$(printf '   <Lang> %s\r\n' "$5")
. "$(dirname "$0")/game_under_xvfb.sh"
sleep 5
xdotool key Return; sleep 1.5
xdotool key Return; sleep 8; shot 1-game
xdotool mousemove 20 20 key m; sleep 0.7; xdotool key Down Down Right; sleep 1; shot 2-menu
xdotool key Escape Escape; sleep 0.5
xdotool mousemove 800 600 key shift+e; sleep 1.5; shot 3-selected
xdotool key e; sleep 2; shot 4-pocket
xdotool key l; sleep 1.5; shot 5-tiled
xdotool mousemove 600 500 click 1; sleep 0.5; xdotool key shift+e; sleep 1.5; shot 6-none-here
xdotool key Return; sleep 0.5
ls "$out"
