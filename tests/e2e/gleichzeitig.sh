#!/usr/bin/env bash
# The real program under Xvfb with kalvora-admin as a second writer, each time while the mouse button
# is held: (a) the admin marks the second half of the day whose first half the drag marks, and the file
# keeps both halves; (b) the admin inserts a resource that sorts above the dragged row and ticks pass,
# and the drag still marks the resource it started on.
set -euo pipefail
kalvora="$1"
admin="$2"
source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1400x1000 "$@"
takt_ms=700
raster_starten gleichzeitig KALVORA_TAKT_MS=$takt_ms

# Which resource lies under $zeile: a drag over tomorrow.
ziehen 2 3
erste="$(warten_auf "Name?? 1:1/1")" || { echo "Erster Zug falsch: $erste"; exit 1; }
name="${erste%% *}"

# (a)
druecken 10
"$admin" markieren "$db" --b1 "$name" --b2 V --nr "${name#Name}" --von "$(tag 5):2" --bis "$(tag 5):2" --art 2 >/dev/null
loslassen 10
gesehen="$(warten_auf "$name 1:1/1 5:1/2")" || { echo "Halbtage verloren: $gesehen"; exit 1; }

# (b) pressed on day 7, released on day 8.
druecken 14
xdotool mousemove "$(halb 15)" "$zeile"
"$admin" anlegen "$db" --b1 Aaa --b2 V >/dev/null
takte 3
loslassen 17
gesehen="$(warten_auf "$name 1:1/1 5:1/2 7:1/1 8:1/1")" || { echo "Falsche Ressource markiert: $gesehen"; exit 1; }
[ "$("$admin" export "$db" | jq '[.ressourcen[] | select(.benennung1 == "Aaa")] | length')" = 1 ] ||
    { echo "Neue Ressource fehlt"; exit 1; }
beenden
