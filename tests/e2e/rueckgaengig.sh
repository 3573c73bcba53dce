#!/usr/bin/env bash
# The real program under Xvfb: a drag marks days 2 and 3, Strg+Z clears them in the file, Strg+Y marks
# them again. Then a drag marks day 5, kalvora-admin as another writer changes that day and a tick takes
# it in: Strg+Z leaves the writer's day as it is, names it in a message, and goes no further back.
set -euo pipefail
kalvora="$1"
admin="$2"
source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1400x1000 "$@"
takt_ms=700
raster_starten rueckgaengig KALVORA_TAKT_MS=$takt_ms

ziehen 4 7
gesehen="$(warten_auf "Name?? 2:1/1 3:1/1")" || { echo "Markierung fehlt: $gesehen"; exit 1; }
name="${gesehen%% *}"
taste ctrl+z
gesehen="$(warten_auf "$name 2:0/0 3:0/0")" || { echo "Strg+Z wirkt nicht: $gesehen"; exit 1; }
taste ctrl+y
gesehen="$(warten_auf "$name 2:1/1 3:1/1")" || { echo "Strg+Y wirkt nicht: $gesehen"; exit 1; }

ziehen 10 11
gesehen="$(warten_auf "$name 2:1/1 3:1/1 5:1/1")" || { echo "Tag 5 fehlt: $gesehen"; exit 1; }
"$admin" markieren "$db" --b1 "$name" --b2 V --nr "${name#Name}" --von "$(tag 5)" --bis "$(tag 5):2" --art 3 >/dev/null
takte 3
taste ctrl+z
meldung=""
for _ in $(seq 50); do
    meldung="$(xdotool search --onlyvisible --name '^Kalvora$' 2>/dev/null | head -n1 || true)"
    [ -n "$meldung" ] && break
    sleep 0.1
done
[ -n "$meldung" ] || { echo "Keine Meldung über den ausgelassenen Tag"; exit 1; }
sleep 0.5
bild root
xdotool key Return # the message box has the focus
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Kalvora$' >/dev/null 2>&1 || break
    sleep 0.1
done
takte 2
gesehen="$(warten_auf "$name 2:1/1 3:1/1 5:3/3")" || { echo "Fremder Tag überschrieben oder weiter zurück: $gesehen"; exit 1; }
beenden
