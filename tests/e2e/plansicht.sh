#!/usr/bin/env bash
# The real program on a realistic plan (twelve resources in three groups, eight entry types,
# Bayern and Wien) built with kalvora-admin, with a short sync period: another process marks
# days, and the diagnostic title shows that the program's tick took the new counter in.
# KALVORA_BILD=<file.png> keeps a screenshot of the screen.
set -euo pipefail
kalvora="$1"
admin="$2"

source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1600x1000 "$@"

heim_anlegen plan
db="$heim/Plan/Ressource.dat"
: > "$db"
printf '0 0' > "$heim/Plan/Ressource.d"

# Entry-type file: 75 tokens, each followed by a carriage return; colours as 0x00BBGGRR.
farbe() { echo $(($3 * 65536 + $2 * 256 + $1)); }
{
    for w in Urlaub Krank Schulung Dienstreise Homeoffice Elternzeit Sonderurlaub Zeitausgleich; do printf '%s\r' "$w"; done
    for c in "220 70 60" "235 150 40" "60 120 220" "150 90 205" "40 165 110" "240 200 60" "170 170 170" "110 190 225"; do
        printf '%s\r' "$(farbe $c)"
    done
    for a in 0 0 1 2 3 0 0 0; do printf '%s\r' "$a"; done
    for i in $(seq 0 26); do case $i in 2 | 24 | 25 | 26) printf '1\r' ;; *) printf '0\r' ;; esac; done
    for i in 1 2 3 4 5 6 7 8; do printf '*~#\r'; done
    for i in 1 2 3 4 5 6 7 8; do printf '9868950\r'; done
    for i in 1 2 3 4 5 6 7 8; do printf '0\r'; done
} > "$heim/Plan/Ressource.but"

declare -A nr
while read -r b1 b2 gruppe n; do
    "$admin" anlegen "$db" --b1 "$b1" --b2 "$b2" --gruppe "$gruppe" --nr "$n" >/dev/null
    nr[$b1]=$n
done <<'LISTE'
Becker Jonas Entwicklung 101
Fischer Lena Entwicklung 102
Hoffmann Paul Entwicklung 103
Wagner Sophie Entwicklung 104
Braun Emma Service 201
Keller Tim Service 202
Schulz Mia Service 203
Wolf Noah Service 204
Krüger Anna Vertrieb 301
Neumann Felix Vertrieb 302
Richter Laura Vertrieb 303
Zimmermann Ben Vertrieb 304
LISTE

# Days relative to today, so the plan is always in view: tag N[:1|:2].
tag() { date -d "+${1%%:*} days" +%F; }
m() {
    local von bis
    von="$(tag "$3")${3#"${3%%:*}"}"
    bis="$(tag "$4")${4#"${4%%:*}"}"
    "$admin" markieren "$db" --b1 "$1" --b2 "$2" --nr "${nr[$1]}" --von "$von" --bis "$bis" --art "$5" \
        ${6:+--notiz "$6"} >/dev/null
}
m Becker Jonas 4 5 3
m Becker Jonas 16 26 1
m Fischer Lena 2 3:1 2
m Fischer Lena 9 13 5
m Fischer Lena 30 34 1
m Hoffmann Paul 5 6 4 "Kunde in Wien"
m Hoffmann Paul 23 32 1
m Wagner Sophie 2 18 6
m Braun Emma 11:2 13 8
m Braun Emma 16 19 1
m Keller Tim 2 4 3
m Keller Tim 4:2 4:2 5
m Keller Tim 23 25 2
m Schulz Mia 9 10 4
m Schulz Mia 17 28 1
m Wolf Noah 6 6 7 "Umzug"
m Wolf Noah 33 35 1
m Krüger Anna 3 5 4
m Krüger Anna 12 12:1 8
m Krüger Anna 18 32 1
m Neumann Felix 2 6 5
m Neumann Felix 9 11 2
m Richter Laura 10 11 3
m Richter Laura 24 26 1
m Zimmermann Ben 13 13 4 "Messe"
m Zimmermann Ben 16 29 6

# By groups, a wide name column, the window over the whole screen.
cat > "$heim/.config/Tervolan/Orlim.conf" <<'CONF'
[General]
Alpha=0
Farbschema=1
Spalte1=240
Left=1
Top=1
Right=1599
Bottom=999
Max=0
CONF

KALVORA_TAKT_MS=300 "$kalvora" "$db" &
pid=$!
fenster_warten

sleep 1.5
if [ -n "${KALVORA_BILD:-}" ] && command -v import >/dev/null; then
    import -window root "$KALVORA_BILD"
fi

# Diagnostic title on, then another process saves a change: the counter it wrote must come
# back in the title of the running program after its next tick.
xdotool windowfocus --sync "$fenster" 2>/dev/null || xdotool windowfocus "$fenster"
xdotool key --window "$fenster" ctrl+alt+d
m Braun Emma 1 1 2
zaehler="$(cut -d' ' -f2 "$heim/Plan/Ressource.d")"
gesehen=""
for _ in $(seq 1 50); do
    if xdotool search --name "^Lokal: $zaehler / HD: $zaehler\$" >/dev/null 2>&1; then
        gesehen=1
        break
    fi
    sleep 0.1
done
[ -n "$gesehen" ] || {
    echo "Titel zeigt den Zähler $zaehler nicht: $(xdotool getwindowname "$fenster")"
    exit 1
}
kill -0 "$pid" 2>/dev/null || { echo "Programm beendet"; exit 1; }
[ "$(cut -d' ' -f1 "$heim/Plan/Ressource.d")" = "0" ] || { echo "Stempel bleibt gesperrt"; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "ok"
