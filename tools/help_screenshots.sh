#!/usr/bin/env bash
# Takes the pictures of the help pages from the game itself under Xvfb:
#
#   help_screenshots.sh BUILD OUT [LANGUAGE]
#
# runs BUILD/kirvo on a 1120 x 700 screen with a fresh home (and LANGUAGE, e.g. german, as its
# language; english by default), plays through the browser, a game of 77 classic pieces,
# its pockets, glass, weight and arranging, the background picker, Save As, the download window and
# the pages of the Options, and writes each picture as OUT/NAME.png: a dialog cropped to itself,
# the field scaled down, every picture at most 500 pixels wide (the room of the help window's page)
# and reduced to a palette of 64 colours to keep it small. OUT is meant to be data/language/LANGUAGE/pictures.
# The button bar (toolbar.png) and Find (find.png) come from more_aids_screenshots.sh, on a screen
# wide enough for the whole bar.
# Needs Xvfb, xdotool and ImageMagick. The points clicked are those of a 1120 x 700 screen.
set -u
build=$1
out=$2
language=${3:-english}
lang=
saved_name=evening
[ "$language" = german ] && saved_name=abend
display=:83
screen=1120x700
settings=$(printf '[Main]\r\n   <DefJigP>\r\n      Level=9\r\n      ShapeStyle=0\r\n      BorderStyle=0\r\n      SpreadOut=0\r\n      Rotate=0\r\n      FitToScreen=1\r\n[Lang]\r\n   <Lang> %s\r\n   <QuickHelp> 1\r\n' "$language")
raw=$(mktemp -d)
. "$(dirname "$0")/game_under_xvfb.sh"
trap 'kill $game 2>/dev/null; sleep 1; kill -9 $game 2>/dev/null; kill $xvfb; rm -rf "$home" "$raw" "$out/log.txt"' EXIT

# keep NAME X Y W H [WIDTH]: that box of the screen as OUT/NAME.png, scaled down to WIDTH (480) when wider.
keep() {
  import -window root -crop "$4x$5+$2+$3" +repage "$raw/$1.png"
  convert "$raw/$1.png" -resize "${6:-480}x>" -dither FloydSteinberg -colors 64 \
    -define png:compression-level=9 -strip "PNG8:$out/$1.png"
}
# box WINDOW: "X Y W H" of an X window.
box() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}
# dialog NAME [W H [WIDTH]]: the dialog that has the focus, first sized to W x H unless W is 0,
# kept at most WIDTH wide.
dialog() {
  local window; window=$(xdotool getwindowfocus)
  if [ "${2:-0}" -gt 0 ]; then xdotool windowsize "$window" "$2" "$3"; sleep 1; fi
  read -r x y w h <<< "$(box "$window")"
  keep "$1" "$x" "$y" "$w" "$h" "${4:-480}"
}
screen_shot() { keep "$1" 0 0 1120 700 400; }
# drag X1 Y1 X2 Y2: the left button pressed at one point and let go at the other, in steps.
drag() {
  xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1; sleep 0.2
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.2
  xdotool mousemove "$3" "$4"; sleep 0.2; xdotool mouseup 1; sleep 0.5
}

sleep 5
# The colour of the empty field, beside the browser before any jigsaw is open.
import -window root -crop 1x1+4+690 +repage "$raw/empty.png"
empty=$(convert "$raw/empty.png" -format '#%[hex:p{0,0}]' info:)
dialog browser-jigsaws 840 480 420
xdotool key Return; sleep 1.5
dialog browser-pieces 860 620 500
xdotool key Return; sleep 6

# The quick help stands beside the field; its Close button lies near its bottom-right corner.
quick=$(xdotool search --onlyvisible --name '^(Quick Help|Kurzhilfe)$' | head -1)
read -r x y w h <<< "$(box "$quick")"
keep quick-help "$x" "$y" "$w" "$h"
xdotool mousemove $((x + w - 51)) $((y + h - 23)) click 1; sleep 1
xdotool mousemove 560 690; sleep 0.5
screen_shot game
# Two pockets side by side with a few pieces in them, and the thumbnail.
xdotool key 1; sleep 0.6; xdotool key 2; sleep 0.6; xdotool key l; sleep 1
for move in "690 120 950 180" "130 420 940 500" "400 500 1000 620"; do
  read -r x y tx ty <<< "$move"
  read -r x y <<< "$(piece_near "$x" "$y")"
  drag "$x" "$y" "$tx" "$ty"
done
xdotool key t; sleep 1.5
xdotool mousemove 560 690; sleep 0.5
screen_shot pockets
xdotool key 1; sleep 0.6; xdotool key 2; sleep 0.6; xdotool key t; sleep 1

# The glass comes up at the top-left corner; it is dragged by its brass corner over the pieces.
xdotool key g; sleep 1
drag 5 120 400 300; sleep 1
keep glass 385 205 260 260
xdotool key g; sleep 0.5

xdotool mousemove 560 350 key w; sleep 0.5; xdotool mousemove 600 380; sleep 1
keep weight 460 290 280 180
xdotool key Escape; sleep 0.5

# Everything selected (drawn inverted) and arranged in rows.
xdotool mousemove 560 350 key a; sleep 1; xdotool key r; sleep 1.5
keep arranged 0 36 360 220

xdotool key b; sleep 1.5
dialog backgrounds 0 0 400
xdotool key Escape; sleep 1

# Saved once under a name, so that Save As shows it beside the autosaved game.
xdotool key shift+s; sleep 1.5
xdotool type --delay 50 "$saved_name"; xdotool key Return; sleep 3
xdotool key shift+s; sleep 1.5
dialog save-as 840 480
xdotool key Escape; sleep 1

xdotool key d; sleep 2
dialog download 640 440 420
xdotool key Escape; sleep 1

# Options from the menu: the button lies beyond the right edge of a bar 1120 pixels wide.
xdotool mousemove 560 690 key m; sleep 0.7; xdotool key Down Down Down Down Return; sleep 1.5
for page in autosave sound play effects language download; do
  dialog "options-$page" 0 0 500
  xdotool key ctrl+Tab; sleep 0.8
done
xdotool key Escape
ls -s "$out"/*.png
