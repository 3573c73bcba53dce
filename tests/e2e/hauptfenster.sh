#!/usr/bin/env bash
# The real main window under Xvfb: first start in a fresh home, entry types from the file beside
# the database, "Datei" / "Beenden" through the keyboard, settings written on the way out.
# KALVORA_BILD=<file.png> keeps a screenshot of the window.
set -euo pipefail
kalvora="$1"

if [ -z "${KALVORA_IN_XVFB:-}" ]; then
    # Version and help need no window system.
    [ "$(env -u DISPLAY -u QT_QPA_PLATFORM "$kalvora" --version)" = "Kalvora 1.15" ] || { echo "--version falsch"; exit 1; }
    env -u DISPLAY -u QT_QPA_PLATFORM "$kalvora" --help | grep -q datenbank || { echo "--help falsch"; exit 1; }
fi
source "$(dirname "$0")/gemeinsam.bash"
im_xvfb 1400x900 "$@"

# No dot in the folder: backups go beside the part of the path before the first one.
heim_anlegen e2e

# Entry-type file: 75 tokens, each followed by a carriage return.
{
    for w in Urlaub Krank Schulung Dienstreise Homeoffice Elternzeit Sonderurlaub Zeitausgleich; do printf '%s\r' "$w"; done
    for c in 200 51200 13107200 51400 13158400 13107400 11842740 14474460; do printf '%s\r' "$c"; done
    for i in 1 2 3 4 5 6 7 8; do printf '0\r'; done
    for i in $(seq 0 26); do if [ "$i" = 2 ] || [ "$i" = 25 ]; then printf '1\r'; else printf '0\r'; fi; done
    for w in Messe Seminar Bereitschaft Kur Berufsschule Projekt*~#A Projekt*~#B '*~#'; do printf '%s\r' "$w"; done
    for c in 3381759 16744448 8421631 10526880 6737151 16761035 11393254 9868950; do printf '%s\r' "$c"; done
    for i in 1 2 3 4 5 6 7 8; do printf '0\r'; done
} > "$heim/Plan/Ressource.but"

"$kalvora" "$heim/Plan/Ressource.dat" &
pid=$!
fenster_warten

[ -f "$heim/Plan/Ressource.dat" ] || { echo "Datenbank fehlt"; exit 1; }
[ "$(cat "$heim/Plan/Ressource.d")" = "0 0" ] || { echo "Stempeldatei falsch"; exit 1; }
[ -f "$heim/Plan/Ressource.BK1" ] || { echo "Sicherung fehlt"; exit 1; }

sleep 1.5
if [ -n "${KALVORA_BILD:-}" ] && command -v import >/dev/null; then
    import -window "$fenster" "$KALVORA_BILD"
fi

xdotool windowfocus --sync "$fenster" 2>/dev/null || xdotool windowfocus "$fenster"
xdotool key --window "$fenster" alt+d
sleep 0.3
# The window may be gone before the key is released; that is the point of the key.
xdotool key --window "$fenster" b 2>/dev/null || true
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "Beenden über das Menü wirkt nicht"; kill "$pid"; exit 1
fi
wait "$pid"

einstellungen="$heim/.config/Tervolan/Orlim.conf"
for wert in Top Left Bottom Right Max=0 Spalte1=110 Alpha=1; do
    grep -q "^$wert" "$einstellungen" || { echo "Einstellung $wert fehlt"; cat "$einstellungen"; exit 1; }
done
echo "ok"
