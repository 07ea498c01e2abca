#!/usr/bin/env bash
# Builds a MIME database of its own from the game's MIME types and checks it knows jigsaws and
# saved games by their extensions and by the first bytes of their files:
#
#   check_mime_types.sh TYPES.xml SCRATCH
set -euo pipefail
types=$1
database=$2
rm -rf "$database"
mkdir -p "$database/packages"
cp "$types" "$database/packages/"
update-mime-database "$database" 2>/dev/null
grep -qx 'application/x-kirvo-jigsaw:\*\.ast' "$database/globs"
grep -qx 'application/x-kirvo-saved-game:\*\.sv1' "$database/globs"
grep -aq 'application/x-kirvo-jigsaw' "$database/magic"
grep -aq 'KIRVO1\.0' "$database/magic"
grep -aq 'KIRVOSLV1\.0' "$database/magic"
echo "jigsaws and saved games are known"
