#!/usr/bin/env bash
# Measures the peak resident memory of the game playing the finest cut of a 1920 x 1080 jigsaw
# with rotation, relief and shadows on: the game runs in a private home folder under a virtual
# 1920 x 1080 screen, is given the jigsaw on its command line, starts it from the browser, waits,
# and is asked to quit. Prints the resident memory while the browser is up, before any puzzle, then
# the peak and the present resident memory once the game is idle, and the peak again as time(1)
# measured it.
#
#   tools/measure_game_memory.sh [BUILD [SIZE [SCREENSHOT.png]]]   (needs xvfb, xauth, xdotool, imagemagick)
#
# SIZE (default 1920x1080) is the picture's size: the sample photo is scaled to exactly that.
set -euo pipefail

build=$(realpath "${1:-build}")
size=${2:-1920x1080}
shot=${3:-}
picture=$(dirname "$0")/../data/pictures/dandelion-meadow.jpg
for tool in xvfb-run xdotool /usr/bin/time convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: apt-get install xvfb xauth xdotool time imagemagick" >&2; exit 1; }
done

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
jigsaws="$home/Documents/Moru Games/Kirvo Jigsaw Pleo III/Jigsaws"
settings="$home/.local/share/Kirvo Jigsaw Pleo III"
mkdir -p "$jigsaws" "$settings" "$home/runtime"
chmod 700 "$home/runtime"
convert "$picture" -resize "$size!" -quality 92 "$home/picture.jpg"
"$build/tools/kirvo-pack" "$home/picture.jpg" --max-size "$size" --info-text "Memory" -o "$jigsaws/wide.ast" >/dev/null
cat >"$settings/kirvo.ini" <<'INI'
[Lang]
   <QuickHelp> 0
[Main]
   <DefJigP>
      Rotate=1
      BorderStyle=1
      ShapeStyle=0
      Level=0
      SpreadOut=0
      FitToScreen=0
   <Embossing>
      Style=2
      WoodStyle=2
INI

# The game alone is timed, not the virtual screen.
cat >"$home/play.sh" <<PLAY
/usr/bin/time -v -o "$home/time.txt" "$build/kirvo" "$jigsaws/wide.ast" &
timer=\$!
sleep 4
echo "before any puzzle, with the browser up: \$(grep VmRSS /proc/\$(pgrep -P "\$timer")/status)"
xdotool key Return; sleep 1
xdotool key Return
# Opening is over when the game is idle: under a tenth of a second of processor time in a second.
game=\$(pgrep -P "\$timer")
cpu() { awk '{print \$14 + \$15}' "/proc/\$game/stat"; }
sleep 2
for i in \$(seq 60); do
  before=\$(cpu); sleep 1
  [ \$((\$(cpu) - before)) -lt \$((\$(getconf CLK_TCK) / 10)) ] && break
done
${shot:+import -window root "$shot"}
grep -E "VmHWM|VmRSS" "/proc/\$game/status"
kill -TERM "\$game"
wait "\$timer"
PLAY
HOME="$home" XDG_RUNTIME_DIR="$home/runtime" xvfb-run -a -s "-screen 0 1920x1080x24" bash "$home/play.sh"
grep -E "Maximum resident|Exit status" "$home/time.txt"
