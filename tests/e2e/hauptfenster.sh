#!/usr/bin/env bash
# The real main window under Xvfb: first start in a fresh home, entry types from the file beside the
# database, "Datei" / "Beenden" through the keyboard, settings written on the way out.
set -euo pipefail
kalvora="$1"
if [ -z "${KALVORA_IN_XVFB:-}" ]; then # version and help need no window system
    [ "$(env -u DISPLAY -u QT_QPA_PLATFORM "$kalvora" --version)" = "Kalvora 1.15" ] || { echo "--version falsch"; exit 1; }
    env -u DISPLAY -u QT_QPA_PLATFORM "$kalvora" --help | grep -q datenbank || { echo "--help falsch"; exit 1; }
fi
source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1400x900 "$@"
heim_anlegen e2e # no dot in the folder: backups go beside the part of the path before the first one
arten_schreiben "Urlaub Krank Schulung Dienstreise Homeoffice Elternzeit Sonderurlaub Zeitausgleich" \
    "200 51200 13107200 51400 13158400 13107400 11842740 14474460" "0 0 0 0 0 0 0 0" "2 25" \
    "Messe Seminar Bereitschaft Kur Berufsschule Projekt*~#A Projekt*~#B *~#" \
    "3381759 16744448 8421631 10526880 6737151 16761035 11393254 9868950"
starten
[ -f "$db" ] || { echo "Datenbank fehlt"; exit 1; }
[ "$(cat "$heim/Plan/Ressource.d")" = "0 0" ] || { echo "Stempeldatei falsch"; exit 1; }
[ -f "$heim/Plan/Ressource.BK1" ] || { echo "Sicherung fehlt"; exit 1; }
sleep 0.5
bild fenster

taste alt+d
sleep 0.3
xdotool key --window "$fenster" b 2>/dev/null || true # the window may be gone before the key is up
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "Beenden über das Menü wirkt nicht"; exit 1; fi
wait "$pid"
pid=""
for wert in Top Left Bottom Right Max=0 Spalte1=110 Alpha=1; do
    grep -q "^$wert" "$heim/.config/Tervolan/Orlim.conf" || { echo "Einstellung $wert fehlt"; cat "$heim/.config/Tervolan/Orlim.conf"; exit 1; }
done
echo "ok"
