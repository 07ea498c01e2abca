#!/usr/bin/env bash
# Plays with undo, Find, the edge pieces and the clock under Xvfb and takes a screenshot of each:
#
#   more_aids_screenshots.sh BUILD OUT [LEVEL]
#
# runs BUILD/kirvo with a fresh home whose jigsaw choices ask for LEVEL (default 4: some 500
# pieces of the first sample) and whose best times hold 12:34 for that jigsaw, opens the first
# sample and writes OUT/1-game.png; toolbar.png (the button bar in three rows, split in the gaps
# before Info and Select All, in 64 colours as the help pages show it); 2-toolbar.png (the top of
# the screen with the hint of the Undo button); 3-find-pair.png (F with nothing in hand: two
# pieces that join blink); 4-find-fit.png (F while carrying a piece: a piece that joins it and its
# place blink) and find.png (the part of the field around them for the help pages, at most 480
# pixels wide in 64 colours); 5-moved.png (the piece dropped elsewhere); 6-undone.png (Ctrl+Z: it
# is back); 7-clock.png (K: the time played on the toolbar, the Clock button checked);
# 8-edges.png (E: the edge pieces laid out in a pocket) and 9-info.png (I: the information dialog
# with the time played and the best time). Needs Xvfb, xdotool and ImageMagick. The points clicked
# are those of a 1600 x 1000 screen.
set -u
build=$1
out=$2
level=${3:-4}
lang=
display=:86
settings=$(printf '[Main]\r\n   <DefJigP>\r\n      Level=%s\r\n      ShapeStyle=0\r\n      Rotate=0\r\n[Lang]\r\n   <QuickHelp> 0\r\n' "$level")
. "$(dirname "$0")/game_under_xvfb.sh"
printf '754\t%s\t0\t0\tautumn-mountains\n' "$level" > "$(dirname "$settings_file")/besttimes.txt"


sleep 5
# The colour of the empty field, beside the browser before any jigsaw is open.
empty=$(import -window root -crop 1x1+4+690 +repage png:- | convert png:- -format '#%[hex:p{0,0}]' info:)
xdotool key Return; sleep 1.5
xdotool key Return; sleep 8
xdotool mousemove 800 600 click 1; sleep 0.5; shot 1-game
convert "$out/1-game.png" \( -clone 0 -crop 430x36+0+0 \) \( -clone 0 -crop 366x36+430+0 \) \( -clone 0 -crop 444x36+796+0 \) \
  -delete 0 +repage -background '#1e2230' -append -colors 64 -strip "PNG8:$out/toolbar.png"
xdotool mousemove 166 16; sleep 0.3; xdotool mousemove 167 17; sleep 4; shot 2-toolbar
convert "$out/2-toolbar.png" -crop 1600x80+0+0 +repage "$out/2-toolbar.png"
xdotool mousemove 800 600; sleep 1; xdotool key f; sleep 0.1; shot 3-find-pair
sleep 2
read -r x y <<< "$(piece_near 800 600)"
xdotool mousemove "$x" "$y" mousedown 1; sleep 0.2
xdotool mousemove $((x + 10)) $((y + 10)); sleep 0.2; xdotool mousemove $((x + 20)) $((y + 20)); sleep 0.3
shot carrying; xdotool key f; sleep 0.1; shot 4-find-fit
read -r w h x0 y0 <<< "$(convert "$out/carrying.png" "$out/4-find-fit.png" -crop 1600x940+0+60 +repage \
  -compose difference -composite -threshold 10% -format '%@' info: | tr 'x+' '  ')"
convert "$out/4-find-fit.png" -crop "$((w + 240))x$((h + 160))+$((x0 - 120))+$((y0 - 20))" +repage -resize '480x>' \
  -dither FloydSteinberg -colors 64 -define png:compression-level=9 -strip "PNG8:$out/find.png"
rm "$out/carrying.png"
sleep 2
xdotool mousemove $((x - 200)) $((y - 200)); sleep 0.2; xdotool mouseup 1; sleep 1.5; shot 5-moved
xdotool key ctrl+z; sleep 1.5; shot 6-undone
xdotool key k; sleep 2; shot 7-clock
xdotool key e; sleep 2; shot 8-edges
xdotool key i; sleep 1.5; shot 9-info
xdotool key Escape; sleep 0.5
ls "$out"
