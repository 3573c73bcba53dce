#!/usr/bin/env bash
# The real program under Xvfb: a drag marks days +2 and +3, Strg+Z clears them in the database
# file, Strg+Y marks them again. Then a drag marks day +5, kalvora-admin as another writer changes
# that day and a tick takes it in: Strg+Z leaves the writer's day as it is, names it in a message,
# and goes no further back than that last step.
# KALVORA_BILD=<file.png> keeps a screenshot of the screen with the message (<file.png>.xwd without ImageMagick).
set -euo pipefail
kalvora="$1"
admin="$2"

source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1400x1000 "$@"
command -v jq >/dev/null || { echo "jq fehlt"; exit 1; }

heim_anlegen rueckgaengig
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

ziehen() { # from-half to-half
    xdotool mousemove "$(halb "$1")" "$zeile"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove "$(halb "$2")" "$zeile"
    sleep 0.2
    xdotool mouseup 1
}
taste() {
    xdotool windowfocus --sync "$fenster" 2>/dev/null || xdotool windowfocus "$fenster"
    xdotool key --window "$fenster" "$1"
}

# Waits until `tage` of the export shows $1 (a name of "*" stands for any); prints what it saw last.
warten_auf() {
    local zeilen="" ende=$((SECONDS + 20))
    while [ "$SECONDS" -lt "$ende" ]; do
        zeilen="$(tage "$("$admin" export "$db" 2>/dev/null || echo '{"ressourcen":[]}')")"
        [ -n "$zeilen" ] && [ "${zeilen#* }" = "${1#* }" ] && { [ "${1%% *}" = "*" ] || [ "$zeilen" = "$1" ]; } && { echo "$zeilen"; return 0; }
        sleep 0.2
    done
    echo "$zeilen"
    return 1
}

ziehen 4 7
gesehen="$(warten_auf "* 2:1/1 3:1/1")" || { echo "Markierung fehlt: $gesehen"; exit 1; }
name="${gesehen%% *}"

taste ctrl+z
gesehen="$(warten_auf "$name 2:0/0 3:0/0")" || { echo "Strg+Z wirkt nicht: $gesehen"; exit 1; }
taste ctrl+y
gesehen="$(warten_auf "$name 2:1/1 3:1/1")" || { echo "Strg+Y wirkt nicht: $gesehen"; exit 1; }

ziehen 10 11
gesehen="$(warten_auf "$name 2:1/1 3:1/1 5:1/1")" || { echo "Tag 5 fehlt: $gesehen"; exit 1; }
"$admin" markieren "$db" --b1 "$name" --b2 V --nr "${name#Name}" --von "$(tag 5)" --bis "$(tag 5):2" --art 3 >/dev/null
sleep "$(awk "BEGIN { print 3 * $takt_ms / 1000 }")" # a tick takes it in

taste ctrl+z
meldung=""
for _ in $(seq 50); do
    meldung="$(xdotool search --onlyvisible --name '^Kalvora$' 2>/dev/null | head -n1 || true)"
    [ -n "$meldung" ] && break
    sleep 0.1
done
[ -n "$meldung" ] || { echo "Keine Meldung über den ausgelassenen Tag"; exit 1; }
sleep 0.5
if [ -n "${KALVORA_BILD:-}" ] && command -v import >/dev/null; then
    import -window root "$KALVORA_BILD"
elif [ -n "${KALVORA_BILD:-}" ] && command -v xwd >/dev/null; then
    sleep 1; xwd -root -silent > "$KALVORA_BILD.xwd"
fi
xdotool key Return # the message box has the focus
for _ in $(seq 50); do
    xdotool search --onlyvisible --name '^Kalvora$' >/dev/null 2>&1 || break
    sleep 0.1
done
sleep "$(awk "BEGIN { print 2 * $takt_ms / 1000 }")"
gesehen="$(warten_auf "$name 2:1/1 3:1/1 5:3/3")" || { echo "Fremder Tag überschrieben oder weiter zurück: $gesehen"; exit 1; }

[ "$(cut -d' ' -f1 "$heim/Plan/Ressource.d")" = "0" ] || { echo "Stempel bleibt gesperrt"; exit 1; }
kill -0 "$pid" 2>/dev/null || { echo "Programm beendet"; exit 1; }
[ "$(date +%F)" = "$heute" ] || echo "Mitternacht während des Tests: Tage können um eins verschoben sein"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "ok"
