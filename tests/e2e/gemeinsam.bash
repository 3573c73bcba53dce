# Sourced by the end-to-end scripts: their own X server, a private home, the program and its window,
# the mouse and keys, and what the database file holds.

# Runs the calling script again inside an X server of the given screen size (e.g. 1400x900).
im_xvfb() {
    local groesse="$1"
    shift
    [ -n "${KALVORA_IN_XVFB:-}" ] && return 0
    command -v xvfb-run >/dev/null || { echo "xvfb-run fehlt"; exit 1; }
    KALVORA_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 ${groesse}x24" bash "$0" "$@"
}

# A private home with "$heim/Plan" for the database $db; removed at exit with the program ($pid).
heim_anlegen() {
    heim="$(mktemp -d "${TMPDIR:-/tmp}/kalvora-$1-XXXXXX")"
    pid=""
    db="$heim/Plan/Ressource.dat"
    heute="$(date +%F)"
    trap '[ -n "$pid" ] && { kill "$pid" 2>/dev/null || true; }; rm -rf "$heim"' EXIT
    export HOME="$heim" XDG_CONFIG_HOME="$heim/.config" XDG_DATA_HOME="$heim/.local/share"
    unset XDG_DOCUMENTS_DIR QT_QPA_PLATFORM
    mkdir -p "$heim/Plan" "$heim/.config/Tervolan"
}

# The entry-type file beside $db, 75 tokens each ended by a carriage return. Arguments are lists:
# meanings 1..8, colours 1..8, alignments 1..8, the region flags set, meanings 9..16, colours 9..16.
arten_schreiben() {
    local -a m f a m2 f2
    local i
    read -r -a m <<<"$1"; read -r -a f <<<"$2"; read -r -a a <<<"$3"; read -r -a m2 <<<"$5"; read -r -a f2 <<<"$6"
    {
        printf '%s\r' "${m[@]}" "${f[@]}" "${a[@]}"
        for i in $(seq 0 26); do case " $4 " in *" $i "*) printf '1\r' ;; *) printf '0\r' ;; esac; done
        printf '%s\r' "${m2[@]}" "${f2[@]}" 0 0 0 0 0 0 0 0
    } >"${db%.dat}.but"
}

# The user's settings: Alpha, Spalte1, Right, Bottom.
einstellungen_schreiben() {
    printf '[General]\nAlpha=%s\nFarbschema=1\nSpalte1=%s\nLeft=1\nTop=1\nRight=%s\nBottom=%s\nMax=0\n' "$@" \
        >"$heim/.config/Tervolan/Orlim.conf"
}

# A plan for dragging: 40 resources Name10..Name49 (more rows than the window shows, so every height
# inside the grid is a day cell), name column 150, alphabetical.
raster_plan_anlegen() {
    local i
    : >"$db"
    printf '0 0' >"$heim/Plan/Ressource.d"
    arten_schreiben "Urlaub Krank Schulung Dienstreise Homeoffice Elternzeit Sonderurlaub Zeitausgleich" \
        "200 51200 13107200 51400 13158400 13107400 11842740 14474460" "0 0 0 0 0 0 0 0" "" \
        "*~# *~# *~# *~# *~# *~# *~# *~#" "9868950 9868950 9868950 9868950 9868950 9868950 9868950 9868950"
    for i in $(seq 10 49); do "$admin" anlegen "$db" --b1 "Name$i" --b2 V --nr "$i" >/dev/null; done
    einstellungen_schreiben 1 150 1200 900
}

# The drag scripts' start: a home named $1, the 40-row plan, the program (environment assignments
# may follow the name).
raster_starten() {
    command -v jq >/dev/null || { echo "jq fehlt"; exit 1; }
    heim_anlegen "$1"
    shift
    raster_plan_anlegen
    starten "$@"
}

# Starts the program on $db (environment assignments may come first), waits for its main window
# ($fenster) and sets X, Y, WIDTH, HEIGHT from its geometry and $zeile to a row well inside the grid.
starten() {
    env "$@" "$kalvora" "$db" &
    pid=$!
    fenster=""
    local ende=$((SECONDS + 40)) # a busy machine may take a while
    while [ -z "$fenster" ]; do
        fenster="$(xdotool search --onlyvisible --name '^Kalvora - www\.tervolan\.de$' 2>/dev/null | head -n1 || true)"
        kill -0 "$pid" 2>/dev/null || { echo "Programm endet beim Start"; exit 1; }
        [ "$SECONDS" -lt "$ende" ] || { echo "Hauptfenster erscheint nicht"; exit 1; }
        [ -n "$fenster" ] || sleep 0.1
    done
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$fenster")"
    zeile=$((Y + HEIGHT - 200)) # the status bar and the scroll bar take the bottom
}

# The database unlocked, the program still running; then it is ended.
beenden() {
    [ "$(cut -d' ' -f1 "$heim/Plan/Ressource.d")" = "0" ] || { echo "Stempel bleibt gesperrt"; exit 1; }
    kill -0 "$pid" 2>/dev/null || { echo "Programm beendet"; exit 1; }
    [ "$(date +%F)" = "$heute" ] || echo "Mitternacht während des Tests: Tage können um eins verschoben sein"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
    echo "ok"
}

# KALVORA_BILD=<file.png> keeps a screenshot of the window ("fenster") or the screen ("root").
bild() {
    [ -n "${KALVORA_BILD:-}" ] || return 0
    if command -v import >/dev/null; then
        import -window "$([ "$1" = root ] && echo root || echo "$fenster")" "$KALVORA_BILD"
    elif command -v xwd >/dev/null; then
        xwd -root -silent >"$KALVORA_BILD.xwd"
    fi
}

taste() {
    xdotool windowfocus --sync "$fenster" 2>/dev/null || xdotool windowfocus "$fenster"
    xdotool key --window "$fenster" "$1"
}

# Date of day N from today.
tag() { date -d "$heute + ${1%%:*} day" +%F; }
# Sleeps N sync periods of $takt_ms.
takte() { sleep "$(awk "BEGIN { print $1 * $takt_ms / 1000 }")"; }

# Screen x of half day k (0 = today's first half) with name column 150 and cells of 30: half day k
# lies in x = 152 + 15.5k .. 152 + 15.5(k + 1) of the grid, whatever the frame adds in front.
halb() { echo $((X + 152 + 31 * $1 / 2 + 7)); }

druecken() { # half [y]
    xdotool mousemove "$(halb "$1")" "${2:-$zeile}"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
}
loslassen() { # half [y]
    xdotool mousemove "$(halb "$1")" "${2:-$zeile}"
    sleep 0.2
    xdotool mouseup 1
}
ziehen() { # from-half to-half [y], through the middle
    druecken "$1" "${3:-}"
    xdotool mousemove "$(( ($(halb "$1") + $(halb "$2")) / 2 ))" "${3:-$zeile}"
    sleep 0.1
    loslassen "$2" "${3:-}"
}

# What each resource with days has, one line each: "name day-offset:first/second ...", days from $heute.
tage() {
    "$admin" export "$db" 2>/dev/null | jq -r --arg h "$heute" '.ressourcen[] | select(.tage | length > 0) |
        [.benennung1, (.tage[] | "\(((.datum + "T12:00:00Z" | fromdate) - ($h + "T12:00:00Z" | fromdate)) / 86400):\(.vormittag)/\(.nachmittag)")]
        | join(" ")' 2>/dev/null || true
}

# Waits until `tage` matches the pattern $1; prints what it saw last, and fails after 30 s.
warten_auf() {
    local zeilen="" ende=$((SECONDS + 30))
    while [ "$SECONDS" -lt "$ende" ]; do
        zeilen="$(tage)"
        # shellcheck disable=SC2053
        [[ "$zeilen" == $1 ]] && { echo "$zeilen"; return 0; }
        sleep 0.2
    done
    echo "$zeilen"
    return 1
}
