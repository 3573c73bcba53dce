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
