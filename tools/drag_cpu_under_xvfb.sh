#!/usr/bin/env bash
# Measures the game's processor time per mouse move while a piece is dragged under Xvfb:
#
#   drag_cpu_under_xvfb.sh BUILD OUT [LEVEL] [STEPS]
#
# opens the first sample at LEVEL (default 0, the finest cut) with rotation and effects on, presses
# the left button on a piece near the middle of the side (a point whose colour is not the
# background's in a screenshot), moves the mouse STEPS times (default 400) and prints the game's
# user + system time per move, read from /proc before and after; OUT/drag.png shows the end of the
# drag. Needs Xvfb, xdotool and ImageMagick.
set -u
build=$1
out=$2
level=${3:-0}
steps=${4:-400}
lang=
display=:74
settings=$(printf '[Lang]\r\n<QuickHelp> 0\r\n[Main]\r\n   <DefJigP>\r\n      Level=%s\r\n      Rotate=1\r\n' "$level")
. "$(dirname "$0")/game_under_xvfb.sh"
sleep 5
xdotool key Return; sleep 1.5
xdotool key Return; sleep 15
cpu() { awk '{print $14 + $15}' "/proc/$game/stat"; }
ticks=$(getconf CLK_TCK)
shot field
x=0
for point in "700 450" "720 450" "700 470" "740 430" "680 480" "760 460" "660 440" "780 480"; do
    set -- $point
    colour=$(convert "$out/field.png" -crop "1x1+$1+$2" -format '%[hex:p{0,0}]' info:)
    if [ "$colour" != "989898" ]; then x=$1; y=$2; break; fi
done
[ "$x" -gt 0 ] || { echo "no piece found near the middle"; exit 1; }
xdotool mousemove "$x" "$y" mousedown 1; sleep 0.5
before=$(cpu)
start=$(date +%s.%N)
for i in $(seq "$steps"); do
    xdotool mousemove $((x + (i % 100) * 2)) $((y + (i % 50)))
done
after=$(cpu)
end=$(date +%s.%N)
xdotool mouseup 1
shot drag
awk -v b="$before" -v a="$after" -v t="$ticks" -v n="$steps" -v s="$start" -v e="$end" \
    'BEGIN { printf "%d moves in %.1f s: %.3f ms of the game'\''s processor time per move\n", n, e - s, (a - b) * 1000 / t / n }'
