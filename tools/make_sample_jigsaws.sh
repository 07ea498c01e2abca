#!/usr/bin/env bash
# Makes the sample jigsaws that come with the game from the photos in data/pictures/:
#
#   make_sample_jigsaws.sh KIRVO_PACK OUT
#
# writes OUT/jigsaws/NAME.ast (the photo scaled to at most 1920 x 1440, checked the way the game
# reads it), OUT/thumb/NAME.jpg (180 x 135, the middle of the photo) and the two lists the game
# reads at start-up, OUT/jigsaws/distjiglist.txt and OUT/thumb/jiglist.txt. The lists are written
# last, so they only ever name jigsaws that were made. The build runs this with OUT = the build
# folder, beside kirvo.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 KIRVO_PACK OUT" >&2
  exit 2
fi
pack=$1
out=$2
pictures=$(dirname "$0")/../data/pictures
mkdir -p "$out/jigsaws" "$out/thumb"
names=()

# sample NAME TITLE AUTHOR LICENCE DESCRIPTION: the jigsaw NAME.ast of data/pictures/NAME.jpg.
sample() {
  local name=$1 title=$2 author=$3 licence=$4 description=$5
  local jigsaw=$out/jigsaws/$name.ast
  "$pack" "$pictures/$name.jpg" --max-size 1920x1440 -o "$jigsaw" \
    --info-text "$title"$'\n\n'"$description"$'\n\n'"Photo: $author, $licence"
  local checked
  checked=$("$pack" --check "$jigsaw") || { echo "$checked" >&2; exit 1; }
  "$pack" "$pictures/$name.jpg" --thumbnail 180x135 -o "$out/thumb/$name.jpg"
  names+=("$name")
}

# write_list FILE LINE...: the lines, LF-terminated, written whole.
write_list() {
  local file=$1
  shift
  printf '%s\n' "$@" >"$file.part"
  mv "$file.part" "$file"
}

sample autumn-mountains "Autumn in the Mountains" "Aitzol Berasategi" "CC BY 4.0" \
  "Larches glow copper and orange along the edge of a bright green meadow, with a dark fir standing out among them. Behind them rises the long limestone ridge of Aitzgorri in the Basque Country."
sample dandelion-meadow "Dandelion Clocks" "Clemens Engelhardt" "CC0 1.0 (public domain)" \
  "The low sun shines through a meadow full of dandelion seed heads, each fluffy globe waiting for a breath of wind. The soft greens and golds of the background make this a gentle challenge."
sample dragonfly-in-tree "Dragonfly at Rest" '"Bolly"' "CC BY-SA 4.0" \
  "A dragonfly perches on the tip of a bare twig, its wings spread wide in the sunshine. Behind it, a leafy tree stands against a deep blue sky. There are plenty of leaves to sort: follow the twig to find your way."
sample dune-grass "Dune Grass" "Marco Cogoni and Hylke Bons" "GNU GPL 2 or later" \
  "Tall golden grass bends in the wind on top of a sand dune, with the blue sea and the sky beyond. The fine stems make the lower half a real test of patience."
sample fig-in-red-bowl "Fig in a Red Bowl" 'Trevor "Freespace"' "CC BY 4.0" \
  "Half a fig lies in a glossy red-orange bowl on weathered grey concrete, in bright sunlight. Strong colours and a crisp shadow make this a friendly puzzle to begin with."
sample forest-stream "Forest Stream" "Aitzol Berasategi" "CC BY 4.0" \
  "A stream tumbles down little cascades between mossy limestone rocks, deep in a green forest. Ferns, stones and water give every piece something to look at."
sample ladybird "Ladybird" "Charles Barbin" "GNU GPL 2 or later" \
  "A ladybird walks along a blade of grass among blue forget-me-nots. The soft, blurred greens and blues around it make this a puzzle for patient players."
sample marigold "Marigold" "Charles Barbin" "GNU GPL 2 or later" \
  "A red and yellow marigold opens its ruffled petals in the garden, while orange blossoms glow out of focus behind it. Those blurred colours are harder than they look."
sample mountain-trail "Mountain Trail" "Aitzol Berasategi" "CC BY 4.0" \
  "A worn path climbs a grassy slope towards the rocky peaks of the Picos de Europa in northern Spain. Patches of snow still lie below the summits, and a white cloud drifts over the ridge."
sample spaniels-at-window "Two Friends at the Window" "Aitzol Berasategi" "CC BY 4.0" \
  "Two cocker spaniels lean out of the window of a wooden cabin to see what is going on outside. A tall picture for a change: the planks and the curtain will keep you busy once the dogs are done."

write_list "$out/jigsaws/distjiglist.txt" "${names[@]/%/.ast}"
write_list "$out/thumb/jiglist.txt" "${names[@]}"
