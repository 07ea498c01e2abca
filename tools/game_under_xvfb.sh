# Sourced by the screenshot scripts: starts BUILD/kirvo on a 1600 x 1000 Xvfb screen (screen, when
# set, gives another size: 1120x700) with a fresh home (LANGUAGE, when given, as its language),
# removes both at exit, and defines `shot NAME`, which writes OUT/NAME.png of the whole screen, and
# `piece_near X Y` (see below).
# Expects build, out, lang and display to be set; settings, when set, is the start of the settings
# file (lines ending in CR LF).
mkdir -p "$out"
home=$(mktemp -d)
export HOME=$home XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
settings_file="$home/.local/share/Kirvo Jigsaw Pleo III/kirvo.ini"
mkdir -p "$(dirname "$settings_file")"
printf '%s' "${settings:-}" > "$settings_file"
[ -n "$lang" ] && printf '[Lang]\r\n<Lang> %s\r\n' "$lang" >> "$settings_file"
Xvfb "$display" -nolisten tcp -screen 0 "${screen:-1600x1000}x24" >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display
"$build/kirvo" >"$out/log.txt" 2>&1 &
game=$!
trap 'kill $game 2>/dev/null; sleep 1; kill -9 $game 2>/dev/null; kill $xvfb; rm -rf "$home"' EXIT
shot() { import -window root "$out/$1.png"; }
# piece_near X Y: a point near X, Y well inside a piece (a 9 x 9 square without a pixel of the
# empty field's colour, which the caller keeps in `empty`), searched outwards in steps of 20
# pixels; X, Y itself when none is found.
piece_near() {
  import -window root "$home/now.png"
  local d dx dy
  for d in 0 20 40 60 80 100; do
    for dx in $(seq -$d 20 $d); do
      for dy in $(seq -$d 20 $d); do
        if ! convert "$home/now.png" -crop "9x9+$(($1 + dx - 4))+$(($2 + dy - 4))" txt:- | grep -qi "$empty"; then
          echo "$(($1 + dx)) $(($2 + dy))"; return
        fi
      done
    done
  done
  echo "$1 $2"
}
