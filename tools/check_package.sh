#!/usr/bin/env bash
# Makes the Debian package of a built tree, unpacks it into a scratch root and starts the game
# from there as a player would, with a fresh home and no screen:
#
#   check_package.sh BUILD SAVED_GAME
#
# Checks that the package's dependencies were read from the shared libraries; that the desktop finds
# its metainfo, menu entry and icon; that it has its copyright file; that every file of
# the program folder the game reads at start-up and in the browser on a sample jigsaw (as the
# build folder's game reads them, under strace) is in the package; that the installed game comes
# up in the browser on a sample jigsaw named on its command line and resumes SAVED_GAME; and that
# it writes nothing into the installed tree.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD SAVED_GAME" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$2" "$scratch/saved.sv1"

cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null
deb=$(echo "$scratch"/package/*.deb)
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
if ! dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6; then
  echo "the package's dependencies were not read from the shared libraries" >&2
  exit 1
fi
root=$scratch/root
dpkg-deb -x "$deb" "$root"
# The metainfo, the menu entry it launches and the icon that entry names lie where the desktop
# looks for them.
appstreamcli validate-tree --no-net "$root" >/dev/null
icon=$(sed -n 's/^Icon=//p' "$root"/usr/share/applications/*.desktop)
for picture in scalable/apps/$icon.svg 48x48/apps/$icon.png; do
  if [ ! -f "$root/usr/share/icons/hicolor/$picture" ]; then
    echo "the package lacks the icon $picture" >&2
    exit 1
  fi
done
data=$root/usr/share/kirvo-jigsaw-pleo3
if ! grep -q "^License: CC-BY-4.0" "$root/usr/share/doc/kirvo-jigsaw-pleo3/copyright"; then
  echo "the package lacks its copyright file with the photos' licences" >&2
  exit 1
fi
untouched=$scratch/untouched
touch "$untouched"

# play PROGRAM FILE TEXT [TRACE]: starts PROGRAM on FILE with a fresh home until a line of its log of
# what it opens holds TEXT, then asks it to quit as a logout would; it must end by itself. With TRACE, the
# files it opens are written there.
play() {
  local program=$1 file=$2 text=$3 trace=${4:-}
  local home
  home=$(mktemp -d "$scratch/home.XXXX")
  mkdir -m 700 "$home/runtime"
  local run=(env -i HOME="$home" XDG_RUNTIME_DIR="$home/runtime" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen
             QT_LOGGING_RULES=kirvo.open.info=true)
  if [ -n "$trace" ]; then
    run+=(strace -f -qq -e trace=openat -o "$trace")
  fi
  "${run[@]}" "$program" "$file" 2>"$home/log" &
  local started=$!
  local game=$started
  shown() { grep "^kirvo.open: " "$home/log" | grep -qF "$text"; }
  for _ in $(seq 300); do
    shown && break
    sleep 0.1
  done
  # Under strace, the game is strace's child; the browser's thumbnails, read on a worker thread,
  # are given a moment to come in.
  if [ -n "$trace" ]; then
    game=$(pgrep -P "$started")
    sleep 1
  fi
  kill -TERM "$game"
  if ! wait "$started"; then
    echo "the game did not end by itself" >&2
    cat "$home/log" >&2
    exit 1
  fi
  if ! shown; then
    echo "the game never logged: $text" >&2
    cat "$home/log" >&2
    exit 1
  fi
  grep "^kirvo.open: " "$home/log"
}

sample=ladybird.ast
play "$build/kirvo" "$build/jigsaws/$sample" "Kirvo Jigsaw Pleo III/Jigsaws/$sample" "$scratch/trace"
grep -v ENOENT "$scratch/trace" | grep -oP "openat\(AT_FDCWD, \"\Q$build\E/\K[^\"]+" | sort -u >"$scratch/read"
missing=0
while read -r file; do
  if [ ! -e "$data/$file" ]; then
    echo "the game reads $file, which the package lacks" >&2
    missing=1
  fi
done <"$scratch/read"
[ "$missing" -eq 0 ]
echo "the package holds all $(wc -l <"$scratch/read") files the game read from its build folder"

play "$root/usr/bin/kirvo" "$data/jigsaws/$sample" "Kirvo Jigsaw Pleo III/Jigsaws/$sample"
play "$root/usr/bin/kirvo" "$scratch/saved.sv1" "opened $scratch/saved.sv1"
if [ -n "$(find "$root" -newer "$untouched")" ]; then
  echo "the game wrote into the installed tree:" >&2
  find "$root" -newer "$untouched" >&2
  exit 1
fi
echo "nothing was written into the installed tree"
