# The Wine side: a private prefix, created once and then reused, and the
# Wine processes the harness starts, tracked by pid so that every one of
# them ends, whatever way the run ends.

# Creating a fresh prefix takes a minute or two on a slow machine.
PREFIX_CREATE_SECONDS=300
# How long wineserver may take to end the processes of the prefix.
WINESERVER_STOP_SECONDS=30

WINE_PIDS=()
WINE_LAST_PID=""

# How every Wine program is started: the wine loader, under the regional
# settings of wine_environment when it was given some.
WINE_COMMAND=(wine)

# wine_environment PREFIX [LOCALE]: the environment of every Wine call.
# LOCALE, when given, gives Wine its regional settings; the harness's own
# tools keep the caller's locale.
wine_environment() {
    export WINEPREFIX=$1
    export WINEDEBUG=${WINEDEBUG:--all}
    # Neither Mono nor Gecko: the program needs neither, and their
    # installers would stop the creation of a fresh prefix to ask. Nor
    # winemenubuilder, which would copy the installer's Start-menu shortcut
    # into this machine's own menus.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    if [ -n "${2:-}" ]; then
        WINE_COMMAND=(env "LANG=$2" "LC_ALL=$2" wine)
    fi
}

wineserver_stop() {
    timeout "$WINESERVER_STOP_SECONDS" wineserver -k 2>/dev/null || true
    timeout "$WINESERVER_STOP_SECONDS" wineserver -w 2>/dev/null || true
}

# prefix_ready LOG: sets up $WINEPREFIX on first use. A stamp written at
# the end marks a complete prefix; after an interrupted creation wineboot
# runs again over what is there and completes it.
prefix_ready() {
    local log=$1
    local stamp="$WINEPREFIX/.tavrin-prefix-complete"
    [ -e "$stamp" ] && return 0
    echo "Creating the Wine prefix $WINEPREFIX (first run only)"
    mkdir -p "$WINEPREFIX"
    if ! timeout "$PREFIX_CREATE_SECONDS" "${WINE_COMMAND[@]}" wineboot --init >"$log" 2>&1; then
        echo "wineboot failed or took too long; see $log" >&2
        return 1
    fi
    # A crash ends the crashing program instead of waiting on a dialog.
    timeout "$PREFIX_CREATE_SECONDS" "${WINE_COMMAND[@]}" reg add 'HKCU\Software\Wine\WineDbg' \
        /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$log" 2>&1 || return 1
    wineserver_stop
    touch "$stamp"
}

# How long a registry write may take under Wine on a loaded machine.
REGISTRY_SECONDS=60
# The scale wine_set_dpi last gave the prefix.
WINE_DPI=""

# wine_set_dpi DPI: the prefix's screen scale, which every Wine program
# started afterwards takes up. Wine tells it to every program, aware of
# the scale or not, but scales none of them. Its processes end first, so
# that none runs on at the old scale, and the registry is on disk after.
wine_set_dpi() {
    wineserver_stop
    timeout "$REGISTRY_SECONDS" "${WINE_COMMAND[@]}" reg add 'HKCU\Control Panel\Desktop' \
        /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
        { echo "the prefix's LogPixels could not be set to $1" >&2; return 1; }
    WINE_DPI=$1
    wineserver_stop
}

# wine_start LOG DIRECTORY PROGRAM [ARGUMENTS...]: starts PROGRAM under Wine
# in the background, in DIRECTORY; its pid is in WINE_LAST_PID.
wine_start() {
    local log=$1 directory=$2
    shift 2
    (cd "$directory" && exec "${WINE_COMMAND[@]}" "$@") >"$log" 2>&1 &
    WINE_LAST_PID=$!
    WINE_PIDS+=("$WINE_LAST_PID")
}

wine_running() {
    kill -0 "$1" 2>/dev/null
}

wine_exited() {
    ! wine_running "$1"
}

# Ends every program the harness started and every process of the prefix.
wine_stop_all() {
    local pid
    for pid in "${WINE_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    [ -n "${WINEPREFIX:-}" ] && wineserver_stop
    for pid in "${WINE_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    WINE_PIDS=()
}
