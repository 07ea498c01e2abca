# Sourced by the screenshot scripts: starts BUILD/kirvo on a 1600 x 1000 Xvfb screen (screen, when
# set, gives another size: 1120x700) with a fresh home (LANGUAGE, when given, as its language),
# removes both at exit, and defines `shot NAME`, which writes OUT/NAME.png of the whole screen.
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
