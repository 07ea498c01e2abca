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
mkdir -p "$out"
home=$(mktemp -d)
export HOME=$home XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
if [ -n "$lang" ]; then
  mkdir -p "$home/.local/share/Kirvo Jigsaw Pleo III"
  printf '[Lang]\r\n<Lang> %s\r\n' "$lang" > "$home/.local/share/Kirvo Jigsaw Pleo III/kirvo.ini"
fi
Xvfb :77 -nolisten tcp -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:77
"$build/kirvo" >"$out/log.txt" 2>&1 &
game=$!
trap 'kill $game 2>/dev/null; sleep 1; kill -9 $game 2>/dev/null; kill $xvfb; rm -rf "$home"' EXIT
shot() { import -window root "$out/$1.png"; }
shifted() { xdotool keydown shift; sleep 0.2; xdotool key "$1"; sleep 0.2; xdotool keyup shift; }
sleep 5; shot 1-jigsaws
xdotool key Return; sleep 1.5; shot 2-settings
xdotool key Return; sleep 6; shot 3-game
xdotool mousemove 800 600; sleep 0.3
shifted s; sleep 1.5; shot 4-save
xdotool type --delay 50 "evening"; xdotool key Return; sleep 3
xdotool key o; sleep 1.5; shot 5-reopened
xdotool key ctrl+Tab; sleep 1.5; shot 6-saved-pieces
ls "$out"
