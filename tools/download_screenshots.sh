#!/usr/bin/env bash
# Downloads jigsaws in the game under Xvfb from a slow server of its own and takes screenshots:
#
#   download_screenshots.sh BUILD OUT
#
# packs each sample jigsaw of BUILD/jigsaws as a RAR archive (stored entries) into a fresh
# document root, serves it on loopback at about 150 KB a second, runs BUILD/kirvo with a fresh
# home and that server as its download server, deletes five of the jigsaws the game copied there,
# opens the download dialog (D) and downloads the new jigsaws: OUT/1-dialog.png before,
# 2-downloading.png and 3-downloading.png during the transfers, 4-done.png when they are in; then
# leaves it: 5-open-first.png (the offer to open the first new jigsaw), 6-browser.png (Yes). Needs
# Xvfb, xdotool, ImageMagick and python3. The points clicked are those of a 1600 x 1000 screen.
set -u
build=$1
out=$2
lang=
display=:78
mkdir -p "$out"
root=$(mktemp -d)
python3 - "$build/jigsaws" "$root" <<'PY'
import os, struct, sys, zlib
source, root = sys.argv[1], sys.argv[2]
folder = os.path.join(root, "kirvo", "jigsaws_pleo3")
os.makedirs(folder)
open(os.path.join(folder, "info.dat"), "w").write("ext: rar\r\n")
def header(kind, flags, body):
    rest = struct.pack("<BHH", kind, flags, 7 + len(body)) + body
    return struct.pack("<H", zlib.crc32(rest) & 0xFFFF) + rest
for name in sorted(os.listdir(source)):
    if not name.endswith(".ast"):
        continue
    data = open(os.path.join(source, name), "rb").read()
    entry = name.encode()
    body = struct.pack("<IIBIIBBHI", len(data), len(data), 3, zlib.crc32(data), 0, 29, 0x30, len(entry), 0o100644) + entry
    archive = b"Rar!\x1a\x07\x00" + header(0x73, 0, bytes(6)) + header(0x74, 0x8000, body) + data
    open(os.path.join(folder, name[:-4] + ".rar"), "wb").write(archive)
PY
port_file=$root/port
python3 - "$root" "$port_file" <<'PY' &
import http.server, os, sys, time
root, port_file = sys.argv[1], sys.argv[2]
class Slow(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=root, **kwargs)
    def copyfile(self, source, target):
        while chunk := source.read(8192):
            target.write(chunk)
            time.sleep(0.05)
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Slow)
open(port_file, "w").write(str(server.server_address[1]))
server.serve_forever()
PY
server=$!
for _ in $(seq 50); do [ -s "$port_file" ] && break; sleep 0.1; done
export KIRVO_DOWNLOAD_SERVERS=127.0.0.1:$(cat "$port_file") no_proxy='*'
settings=$(printf '[Lang]\r\n<QuickHelp> 0\r\n')
. "$(dirname "$0")/game_under_xvfb.sh"
trap 'kill $game $server 2>/dev/null; sleep 1; kill -9 $game 2>/dev/null; kill $xvfb; rm -rf "$home" "$root"' EXIT
sleep 5
xdotool key Escape; sleep 1
jigsaws="$home/Documents/Moru Games/Kirvo Jigsaw Pleo III/Jigsaws"
for name in dandelion-meadow dune-grass ladybird marigold spaniels-at-window; do rm -f "$jigsaws/$name.ast"; done
xdotool key d; sleep 2; shot 1-dialog
xdotool mousemove 1326 366 click 1; sleep 2.5; shot 2-downloading
sleep 6; shot 3-downloading
sleep 45; shot 4-done
xdotool mousemove 1326 877 click 1; sleep 1.5; shot 5-open-first
xdotool key Return; sleep 3; shot 6-browser
ls "$out"
