#!/usr/bin/env bash
# The real program under Xvfb: two drags with the mouse along rows of the grid with entry type 1,
# left to right and then right to left in another row; kalvora-admin finds exactly those half
# days in the database file.
# KALVORA_BILD=<file.png> keeps a screenshot of the window after the drags.
set -euo pipefail
kalvora="$1"
admin="$2"

source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1400x1000 "$@"
command -v jq >/dev/null || { echo "jq fehlt"; exit 1; }

heim_anlegen markieren
raster_plan_anlegen "$admin"

heute="$(date +%F)"
"$kalvora" "$db" &
pid=$!
fenster_warten
sleep 1
eval "$(xdotool getwindowgeometry --shell "$fenster")"

# The heights of two rows well inside the grid (the status bar and the scroll bar take the bottom).
zeile1=$((Y + HEIGHT - 200))
zeile2=$((zeile1 - 93))

ziehen() { # from-half to-half y
    xdotool mousemove "$(halb "$1")" "$3"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove "$(( ($(halb "$1") + $(halb "$2")) / 2 ))" "$3"
    sleep 0.1
    xdotool mousemove "$(halb "$2")" "$3"
    sleep 0.2
    xdotool mouseup 1
}

# Waits until the file holds `n` resources with days; prints the export.
warten() {
    local json="" ende=$((SECONDS + 30))
    while [ "$SECONDS" -lt "$ende" ]; do
        json="$("$admin" export "$db" 2>/dev/null || true)"
        if [ -n "$json" ] && [ "$(jq '[.ressourcen[] | select(.tage | length > 0)] | length' <<<"$json")" = "$1" ]; then
            echo "$json"
            return 0
        fi
        sleep 0.1
    done
    echo "$json"
    return 1
}

# Left to right with type 1: from the first half of tomorrow to the second half of day 3.
ziehen 2 7 "$zeile1"
json="$(warten 1)" || { echo "Markierung fehlt in der Datenbank"; tage "$json"; exit 1; }
erste="$(tage "$json")"
name1="${erste%% *}"
[ "${erste#* }" = "1:1/1 2:1/1 3:1/1" ] || { echo "Falsche Halbtage: $erste"; exit 1; }

# Right to left in a row further up: from the first half of day 6 back to the second half of day 4.
ziehen 12 9 "$zeile2"
json="$(warten 2)" || { echo "Zweite Markierung fehlt in der Datenbank"; tage "$json"; exit 1; }
zweite="$(tage "$json" | grep -v "^$name1 " || true)"
[ "${zweite#* }" = "4:0/1 5:1/1 6:1/0" ] || { echo "Falsche Halbtage rückwärts: $zweite"; exit 1; }
[ "$(tage "$json" | grep "^$name1 ")" = "$erste" ] || { echo "Erste Zeile verändert: $(tage "$json")"; exit 1; }
# Three rows apart.
n1="${name1#Name}"
n2="${zweite%% *}"
n2="${n2#Name}"
[ $((n1 - n2)) = 3 ] || { echo "Zeilen $name1 und ${zweite%% *} liegen nicht drei Zeilen auseinander"; exit 1; }

if [ -n "${KALVORA_BILD:-}" ] && command -v import >/dev/null; then
    import -window "$fenster" "$KALVORA_BILD"
fi
[ "$(cut -d' ' -f1 "$heim/Plan/Ressource.d")" = "0" ] || { echo "Stempel bleibt gesperrt"; exit 1; }
kill -0 "$pid" 2>/dev/null || { echo "Programm beendet"; exit 1; }
[ "$(date +%F)" = "$heute" ] || echo "Mitternacht während des Tests: Tage können um eins verschoben sein"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "ok"
