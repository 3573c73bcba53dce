#!/usr/bin/env bash
# The real program on a realistic plan (twelve resources in three groups, eight entry types, Bayern and
# Wien) built with kalvora-admin, with a short sync period: another process marks days, and the
# diagnostic title shows that the program's tick took the new counter in.
set -euo pipefail
kalvora="$1"
admin="$2"
source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1600x1000 "$@"
heim_anlegen plan
: >"$db"
printf '0 0' >"$heim/Plan/Ressource.d"
arten_schreiben "Urlaub Krank Schulung Dienstreise Homeoffice Elternzeit Sonderurlaub Zeitausgleich" \
    "3950300 2660075 14448700 13458070 7251240 3983600 11184810 14794350" "0 0 1 2 3 0 0 0" "2 24 25 26" \
    "*~# *~# *~# *~# *~# *~# *~# *~#" "9868950 9868950 9868950 9868950 9868950 9868950 9868950 9868950"

# Name, first name, group, number; then runs of days from today "from to type [note]", N:1 and N:2
# naming a half.
while read -r b1 b2 gruppe nr laeufe; do
    "$admin" anlegen "$db" --b1 "$b1" --b2 "$b2" --gruppe "$gruppe" --nr "$nr" >/dev/null
    IFS=, read -r -a laeufe <<<"$laeufe"
    for lauf in "${laeufe[@]}"; do
        read -r von bis art notiz <<<"$lauf"
        "$admin" markieren "$db" --b1 "$b1" --b2 "$b2" --nr "$nr" --von "$(tag "$von")${von#"${von%%:*}"}" \
            --bis "$(tag "$bis")${bis#"${bis%%:*}"}" --art "$art" ${notiz:+--notiz "$notiz"} >/dev/null
    done
done <<'LISTE'
Becker Jonas Entwicklung 101 4 5 3, 16 26 1
Fischer Lena Entwicklung 102 2 3:1 2, 9 13 5, 30 34 1
Hoffmann Paul Entwicklung 103 5 6 4 Kunde in Wien, 23 32 1
Wagner Sophie Entwicklung 104 2 18 6
Braun Emma Service 201 11:2 13 8, 16 19 1
Keller Tim Service 202 2 4 3, 4:2 4:2 5, 23 25 2
Schulz Mia Service 203 9 10 4, 17 28 1
Wolf Noah Service 204 6 6 7 Umzug, 33 35 1
Krüger Anna Vertrieb 301 3 5 4, 12 12:1 8, 18 32 1
Neumann Felix Vertrieb 302 2 6 5, 9 11 2
Richter Laura Vertrieb 303 10 11 3, 24 26 1
Zimmermann Ben Vertrieb 304 13 13 4 Messe, 16 29 6
LISTE

# By groups, a wide name column, the window over the whole screen.
einstellungen_schreiben 0 240 1599 999
starten KALVORA_TAKT_MS=300
sleep 0.5
bild root

# Diagnostic title on, then another process saves a change: the counter it wrote must come back in
# the title after the program's next tick.
taste ctrl+alt+d
"$admin" markieren "$db" --b1 Braun --b2 Emma --nr 201 --von "$(tag 1)" --bis "$(tag 1)" --art 2 >/dev/null
zaehler="$(cut -d' ' -f2 "$heim/Plan/Ressource.d")"
for _ in $(seq 1 50); do
    xdotool search --name "^Lokal: $zaehler / HD: $zaehler\$" >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --name "^Lokal: $zaehler / HD: $zaehler\$" >/dev/null 2>&1 ||
    { echo "Titel zeigt den Zähler $zaehler nicht: $(xdotool getwindowname "$fenster")"; exit 1; }
beenden
