#!/usr/bin/env bash
# The real program under Xvfb: two drags along rows with entry type 1, left to right, then right to
# left three rows further up; kalvora-admin finds exactly those half days in the file.
set -euo pipefail
kalvora="$1"
admin="$2"
source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1400x1000 "$@"
raster_starten markieren

# From the first half of tomorrow to the second half of day 3.
ziehen 2 7
erste="$(warten_auf "Name?? 1:1/1 2:1/1 3:1/1")" || { echo "Falsche Halbtage: $erste"; exit 1; }
# From the first half of day 6 back to the second half of day 4; the row above sorts first.
ziehen 12 9 $((zeile - 93))
n=${erste%% *}
gesehen="$(warten_auf "Name$((${n#Name} - 3)) 4:0/1 5:1/1 6:1/0"$'\n'"$erste")" ||
    { echo "Falsche Halbtage rückwärts oder Zeile: $gesehen"; exit 1; }
bild fenster
beenden
