#!/usr/bin/env bash
# kalvora-admin ical and statistik end to end: a standard iCalendar parser reads the calendar, the
# CSV carries the meanings and counts, bad input leaves no file behind.
set -euo pipefail
admin="$1"
python=/usr/bin/python3 # Debian's python3-icalendar, whatever python3 comes first
"$python" -c 'import icalendar' 2>/dev/null || python=python3
ordner="$(mktemp -d "${TMPDIR:-/tmp}/kalvora-export-XXXXXX")"
trap 'rm -rf "$ordner"' EXIT
cd "$ordner"
export KALVORA_ADMIN_TAKT_MS=10
: >plan.dat
printf '0 0' >plan.d
# Entry-type file: meanings, colours and alignments of types 1..8, 27 region flags, then 9..16.
{ printf '%s\r' 'Urlaub;Reise,lang' Krank x x x x x x; printf '255\r%.0s' {1..8}; printf '0\r%.0s' {1..35}
  printf 'y\r%.0s' {1..8}; printf '255\r%.0s' {1..8}; printf '0\r%.0s' {1..8}; } >plan.but
"$admin" anlegen plan.dat --b1 Meier --b2 Anna --gruppe Lager --nr 17 >/dev/null
"$admin" anlegen plan.dat --b1 "Groß-Überlänge-Nachname-der-den-Titel-lang-macht" --b2 "Jörg" --gruppe Büro >/dev/null
"$admin" markieren plan.dat --b1 Meier --b2 Anna --nr 17 --von 2025-03-03 --bis 2025-03-05:2 --art 1 \
    --notiz "Kur; Bad Tölz, Zimmer 3" >/dev/null
"$admin" markieren plan.dat --b1 Meier --b2 Anna --nr 17 --von 2025-03-07:1 --bis 2025-03-07:1 --art 2 >/dev/null
"$admin" markieren plan.dat --b1 "Groß-Überlänge-Nachname-der-den-Titel-lang-macht" --b2 "Jörg" \
    --von 2024-12-30 --bis 2025-01-02:1 --art 1 >/dev/null

"$admin" ical plan.dat --von 2024-12-01 --bis 2025-03-31 --aus plan.ics
"$admin" statistik plan.dat --jahr 2025 --aus plan.csv

"$python" - <<'PY'
import icalendar
roh = open("plan.ics", "rb").read()
zeilen = roh.split(b"\r\n")
assert zeilen[-1] == b"" and b"\n" not in b"".join(zeilen), "CRLF line ends"
assert max(len(z) for z in zeilen) <= 75, "folded at 75 octets"
kal = icalendar.Calendar.from_ical(roh)
assert str(kal["VERSION"]) == "2.0" and "Kalvora" in str(kal["PRODID"])
ev = {(str(e["SUMMARY"]), str(e["DTSTART"].dt)): e for e in kal.walk("VEVENT")}
assert len({str(e["UID"]) for e in kal.walk("VEVENT")}) == len(ev) == 4, sorted(ev)
lauf = ev[("Meier, Anna: Urlaub;Reise,lang", "2025-03-03")]
assert str(lauf["DTEND"].dt) == "2025-03-06"
assert str(lauf["DESCRIPTION"]) == "Kur; Bad Tölz, Zimmer 3"
assert [str(c) for c in lauf["CATEGORIES"].cats] == ["Urlaub;Reise;lang"]
morgen = ev[("Meier, Anna: Krank", "2025-03-07 08:00:00")]
assert str(morgen["DTEND"].dt) == "2025-03-07 12:00:00"
jahr = ev[("Groß-Überlänge-Nachname-der-den-Titel-lang-macht, Jörg: Urlaub;Reise,lang", "2024-12-30")]
assert str(jahr["DTEND"].dt) == "2025-01-02"
PY

printf '\xef\xbb\xbfBenennung 1;Benennung 2;Gruppe;Identifikations-Nr.;"Urlaub;Reise,lang";Krank;x' >erwartet
head -c "$(stat -c %s erwartet)" plan.csv | cmp - erwartet
grep -q $'^Meier;Anna;Lager;17;3;0,5;0;' plan.csv
grep -q $'^Groß-Überlänge-Nachname-der-den-Titel-lang-macht;Jörg;Büro;;1,5;0;' plan.csv

# Bad input: German message, exit 1, no file (and an existing one untouched).
fehler() {
    local ziel="$1" muster="$2"
    shift 2
    if "$admin" "$@" 2>fehler.txt; then echo "angenommen: $*"; exit 1; fi
    grep -q -- "$muster" fehler.txt || { echo "Meldung zu \"$*\": $(cat fehler.txt)"; exit 1; }
    [ ! -e "$ziel" ] || { echo "Datei geschrieben: $*"; exit 1; }
}
fehler neu.ics "liegt vor dem ersten" ical plan.dat --von 2025-03-02 --bis 2025-03-01 --aus neu.ics
fehler neu.ics "Maximal kann nur 1 Jahr" ical plan.dat --von 2025-01-01 --bis 2026-02-06 --aus neu.ics
fehler neu.ics 'Gruppe "Keine" gibt es nicht' ical plan.dat --von 2025-01-01 --bis 2025-01-31 --aus neu.ics \
    --gruppe Keine
fehler neu.ics 'Ressource "Meier, Bernd" gibt es nicht' ical plan.dat --von 2025-01-01 --bis 2025-01-31 \
    --aus neu.ics --ressource "Meier, Bernd"
fehler neu.csv 'Gruppe "Keine" gibt es nicht' statistik plan.dat --jahr 2025 --aus neu.csv --gruppe Keine
fehler fehlt/neu.ics "existiert nicht" ical plan.dat --von 2025-01-01 --bis 2025-01-31 --aus fehlt/neu.ics
cp plan.ics alt.ics
fehler nie.ics "Eintragsart" ical plan.dat --von 2025-01-01 --bis 2025-01-31 --aus alt.ics --art 17
cmp plan.ics alt.ics
[ -z "$(ls -A | grep -v -x -e plan.dat -e plan.d -e plan.but -e plan.ics -e plan.csv -e erwartet -e fehler.txt \
    -e alt.ics -e 'plan.BK[1-5]')" ] || { echo "Reste: $(ls -A)"; exit 1; }

# One resource, one type.
"$admin" ical plan.dat --von 2025-03-01 --bis 2025-03-31 --aus eine.ics --ressource "Meier, Anna" --art 2 >/dev/null
[ "$(grep -c '^BEGIN:VEVENT' eine.ics)" = 1 ] && grep -q '^SUMMARY:Meier\\, Anna: Krank' eine.ics
echo OK
