#!/usr/bin/env bash
# Names every include in core that climbs a layer, and fails if there is one. From the bottom:
#   base < raster < game < cutting, files, settings < playfield < commands < session
# A file may include headers of its own layer and of the layers below; cutting, files and
# settings may not include each other, and nothing in core includes Qt or the program's headers.
# Usage: check_layers.sh [CORE_FOLDER]
set -euo pipefail
core=$(realpath "${1:-$(dirname "$0")/../core}")
declare -A rank=([base]=1 [raster]=2 [game]=3 [cutting]=4 [files]=4 [settings]=4 [playfield]=5 [commands]=6 [session]=7)

offences=0
while IFS=: read -r file line text; do
  [[ $text =~ include[[:space:]]*([\"\<])([^\">]+) ]] || continue
  quote=${BASH_REMATCH[1]} header=${BASH_REMATCH[2]}
  layer=${file#"$core"/} layer=${layer%%/*}
  why=""
  if [[ $header == Q* ]]; then
    why="core may not include Qt"
  elif [[ $quote == '"' ]]; then
    found=$(dirname "$file")/$header
    [ -f "$found" ] || found=$core/$header
    found=$(realpath -m "$found")
    target=${found#"$core"/} target=${target%%/*}
    if [[ ! -f $found || $found != "$core"/* || -z ${rank[$target]:-} ]]; then
      why="not a header of core"
    elif [[ $target != "$layer" ]] && ((rank[$target] > rank[$layer])); then
      why="$layer may not include $target, a higher layer"
    elif [[ $target != "$layer" ]] && ((rank[$target] == rank[$layer])); then
      why="$layer may not include $target, a sibling layer"
    fi
  fi
  if [ -n "$why" ]; then
    echo "$file:$line: $text: $why"
    offences=$((offences + 1))
  fi
done < <(grep -rnE '^\s*#\s*include' "$core" --include='*.h' --include='*.cpp' | sort -t: -k1,1 -k2,2n)

if ((offences)); then
  echo "$offences includes break the layers"
  exit 1
fi
