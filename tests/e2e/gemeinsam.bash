# Sourced by the end-to-end scripts: their own X server, a private home, waiting for the window.

# Runs the calling script again inside an X server of the given screen size (e.g. 1400x900).
im_xvfb() {
    local groesse="$1"
    shift
    [ -n "${KALVORA_IN_XVFB:-}" ] && return 0
    command -v xvfb-run >/dev/null || { echo "xvfb-run fehlt"; exit 1; }
    KALVORA_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 ${groesse}x24" bash "$0" "$@"
}

# A private home with the folder "$heim/Plan" for the database; removed at exit, together with
# the program started as $pid.
heim_anlegen() {
    heim="$(mktemp -d "${TMPDIR:-/tmp}/kalvora-$1-XXXXXX")"
    pid=""
    trap '[ -n "$pid" ] && { kill "$pid" 2>/dev/null || true; }; rm -rf "$heim"' EXIT
    export HOME="$heim" XDG_CONFIG_HOME="$heim/.config" XDG_DATA_HOME="$heim/.local/share"
    unset XDG_DOCUMENTS_DIR QT_QPA_PLATFORM
    mkdir -p "$heim/Plan" "$heim/.config/Tervolan"
}

# Waits for the main window of the program started as $pid and sets $fenster. A busy machine may
# take a while to start it.
fenster_warten() {
    fenster=""
    local ende=$((SECONDS + 40))
    while [ "$SECONDS" -lt "$ende" ]; do
        fenster="$(xdotool search --onlyvisible --name '^Kalvora - www\.tervolan\.de$' 2>/dev/null | head -n1 || true)"
        [ -n "$fenster" ] && return 0
        kill -0 "$pid" 2>/dev/null || { echo "Programm endet beim Start"; exit 1; }
        sleep 0.1
    done
    echo "Hauptfenster erscheint nicht; Fenster:"
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do xdotool getwindowname "$w"; done
    exit 1
}

# A plan for dragging in "$heim/Plan": entry-type file, 40 resources Name10..Name49 (more rows than
# the window shows, so every height inside the grid is a day cell), and settings with name column
# 150 and alphabetical order. Sets $db.
raster_plan_anlegen() {
    local admin="$1" i w c
    db="$heim/Plan/Ressource.dat"
    : > "$db"
    printf '0 0' > "$heim/Plan/Ressource.d"
    # Entry-type file: 75 tokens, each followed by a carriage return.
    {
        for w in Urlaub Krank Schulung Dienstreise Homeoffice Elternzeit Sonderurlaub Zeitausgleich; do printf '%s\r' "$w"; done
        for c in 200 51200 13107200 51400 13158400 13107400 11842740 14474460; do printf '%s\r' "$c"; done
        for i in 1 2 3 4 5 6 7 8; do printf '0\r'; done
        for i in $(seq 0 26); do printf '0\r'; done
        for i in 1 2 3 4 5 6 7 8; do printf '*~#\r'; done
        for i in 1 2 3 4 5 6 7 8; do printf '9868950\r'; done
        for i in 1 2 3 4 5 6 7 8; do printf '0\r'; done
    } > "$heim/Plan/Ressource.but"
    for i in $(seq 10 49); do
        "$admin" anlegen "$db" --b1 "Name$i" --b2 V --nr "$i" >/dev/null
    done
    cat > "$heim/.config/Tervolan/Orlim.conf" <<'CONF'
[General]
Alpha=1
Farbschema=1
Spalte1=150
Left=1
Top=1
Right=1200
Bottom=900
Max=0
CONF
}

# Screen x of half day k (0 = today's first half) with name column 150 and cells of 30: half day k
# lies in x = 152 + 15.5k .. 152 + 15.5(k + 1) of the grid, whatever the frame adds in front.
# Needs $X from xdotool getwindowgeometry --shell.
halb() { echo $((X + 152 + 31 * $1 / 2 + 7)); }

# What each resource with days has: "name day-offset:first/second ..." from an export in $1, days
# counted from $heute.
tage() {
    jq -r --arg h "$heute" '.ressourcen[] | select(.tage | length > 0) | [.benennung1,
        (.tage[] | "\(((.datum + "T12:00:00Z" | fromdate) - ($h + "T12:00:00Z" | fromdate)) / 86400):\(.vormittag)/\(.nachmittag)")]
        | join(" ")' <<<"$1"
}
