#!/usr/bin/env bash
# The real program under Xvfb with kalvora-admin as a second writer on the same database, each
# time while the mouse button is held in the window: (a) the admin marks the second half of the
# day whose first half the drag marks, and the file keeps both halves; (b) the admin inserts a
# resource that sorts above the dragged row and a tick passes, and the drag still marks the
# resource it started on.
set -euo pipefail
kalvora="$1"
admin="$2"

source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1400x1000 "$@"
command -v jq >/dev/null || { echo "jq fehlt"; exit 1; }

heim_anlegen gleichzeitig
raster_plan_anlegen "$admin"

heute="$(date +%F)"
tag() { date -d "$heute + $1 day" +%F; }
takt_ms=700
KALVORA_TAKT_MS=$takt_ms "$kalvora" "$db" &
pid=$!
fenster_warten
sleep 1
eval "$(xdotool getwindowgeometry --shell "$fenster")"
zeile=$((Y + HEIGHT - 200)) # a row well inside the grid

druecken() { # half y
    xdotool mousemove "$(halb "$1")" "$2"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
}
loslassen() { # half y
    xdotool mousemove "$(halb "$1")" "$2"
    sleep 0.2
    xdotool mouseup 1
}

# Waits until `tage` of the export shows the line `erwartet`; prints what it saw last.
warten_auf() {
    local json="" zeilen="" ende=$((SECONDS + 20))
    while [ "$SECONDS" -lt "$ende" ]; do
        json="$("$admin" export "$db" 2>/dev/null || true)"
        if [ -n "$json" ]; then
            zeilen="$(tage "$json")"
            [ "$zeilen" = "$1" ] && return 0
        fi
        sleep 0.2
    done
    echo "$zeilen"
    return 1
}

# Which resource lies under $zeile: a drag over tomorrow.
druecken 2 "$zeile"
loslassen 3 "$zeile"
json=""
for _ in $(seq 100); do
    json="$("$admin" export "$db" 2>/dev/null || true)"
    [ -n "$(tage "$json")" ] && break
    sleep 0.2
done
erste="$(tage "$json")"
name="${erste%% *}"
[ "$erste" = "$name 1:1/1" ] || { echo "Erster Zug falsch: $erste"; exit 1; }

# (a) While the button is down on the first half of day 5, the admin marks its second half.
druecken 10 "$zeile"
"$admin" markieren "$db" --b1 "$name" --b2 V --nr "${name#Name}" --von "$(tag 5):2" --bis "$(tag 5):2" --art 2 >/dev/null
loslassen 10 "$zeile"
gesehen="$(warten_auf "$name 1:1/1 5:1/2")" || { echo "Halbtage verloren: $gesehen"; exit 1; }

# (b) While the button is down on day 7, a resource that sorts above every row is added and ticks
# pass; the release on day 8 still marks the resource under the press.
druecken 14 "$zeile"
xdotool mousemove "$(halb 15)" "$zeile"
"$admin" anlegen "$db" --b1 Aaa --b2 V >/dev/null
sleep "$(awk "BEGIN { print 3 * $takt_ms / 1000 }")"
loslassen 17 "$zeile"
gesehen="$(warten_auf "$name 1:1/1 5:1/2 7:1/1 8:1/1")" || { echo "Falsche Ressource markiert: $gesehen"; exit 1; }
[ "$("$admin" export "$db" | jq '[.ressourcen[] | select(.benennung1 == "Aaa")] | length')" = 1 ] ||
    { echo "Neue Ressource fehlt"; exit 1; }

[ "$(cut -d' ' -f1 "$heim/Plan/Ressource.d")" = "0" ] || { echo "Stempel bleibt gesperrt"; exit 1; }
kill -0 "$pid" 2>/dev/null || { echo "Programm beendet"; exit 1; }
[ "$(date +%F)" = "$heute" ] || echo "Mitternacht während des Tests: Tage können um eins verschoben sein"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "ok"
