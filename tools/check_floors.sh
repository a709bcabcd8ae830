#!/usr/bin/env bash
# The house's floors, from the ground up. A file of the game may include the headers of its
# own folder and of the folders on the floors below it: never one of a floor above it, nor one
# of another folder on its own floor.
#   0 base/     the platform, display, clock, saving, paths, resources, bitmaps, text
#   1 state/    the shared game state: modes, difficulty, the current player, the player slots
#   2 board/    the rules: board, power, clearing, supply, lamps, level bonus, player states
#   3 control/  bindings, in-game input, controls file, settings screen
#   3 render/   the drawing of the boards, effects, HUD and panels
#   4 scores/   the high-score table, game over and name entry (it reads the players' keys)
#   5 shell/    start-up, main loop, frame driver, title and join menu
# Usage: tools/check_floors.sh [SOURCE_FOLDER]; prints every include that breaks the order
# and exits 1 if there is one.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A floor=([base]=0 [state]=1 [board]=2 [control]=3 [render]=3 [scores]=4 [shell]=5)

broken=0
for folder in "${!floor[@]}"; do
  for file in "$folder"/*.h "$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r included; do
      target=${included%%/*}
      [ -n "${floor[$target]+set}" ] || continue  # the library's and the system's headers
      [ "$target" = "$folder" ] && continue
      if [ "${floor[$target]}" -ge "${floor[$folder]}" ]; then
        echo "$file includes $included: $target/ is not on a floor below $folder/"
        broken=1
      fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  done
done
[ $broken -eq 0 ] && echo "every include goes down the floors"
exit $broken
