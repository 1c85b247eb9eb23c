# The virtual X server the program runs on: a screen of 1366 x 768 pixels
# at 24 bits, on a display number the server picks itself among the free
# ones, so that parallel runs never meet.

# The screen every expectation of the harness is computed for.
SCREEN_WIDTH=1366
SCREEN_HEIGHT=768
# How long a server may take to come up on a loaded machine.
XSERVER_START_SECONDS=30

XSERVER_PID=""
# The clients the harness started on the server (desktop.sh), ended with it.
XSERVER_CLIENT_PIDS=()

xserver_answers() {
    xdpyinfo -display "$DISPLAY" >/dev/null 2>&1
}

# xserver_start WORK_DIR [resizable] [desktop]: starts Xvfb, or for a screen
# that can change size Xorg with the dummy video driver (Xvfb has one fixed
# mode), whose modes in xorg-dummy.conf, 1366 x 768 and 1024 x 600, xrandr
# -s switches; exports DISPLAY. With desktop, a window manager and a
# compositor run on it (desktop.sh, which the caller sources).
xserver_start() {
    local dir=$1 number_file="$1/display-number" options=" ${*:2} "
    mkdir -p "$dir"
    : >"$number_file"
    if [[ "$options" == *" resizable "* ]]; then
        cp "$ROOT/tests/e2e/lib/xorg-dummy.conf" "$dir/xorg.conf"
        # No configuration folder of the system's: only this file counts.
        Xorg -noreset -nolisten tcp -config "$dir/xorg.conf" -configdir "$dir/no-config-dir" \
            -logfile "$dir/xserver.log" -displayfd 3 3>"$number_file" >"$dir/xserver.out" 2>&1 &
    else
        Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp -noreset \
            3>"$number_file" >"$dir/xserver.log" 2>&1 &
    fi
    XSERVER_PID=$!
    wait_until "$XSERVER_START_SECONDS" test -s "$number_file" ||
        { echo "the X server did not start; see $dir/xserver.log" >&2; return 1; }
    export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    wait_until "$XSERVER_START_SECONDS" xserver_answers ||
        { echo "the X server on $DISPLAY does not answer" >&2; return 1; }
    [[ "$options" != *" desktop "* ]] || desktop_start "$dir"
}

xserver_stop() {
    local pid
    for pid in "${XSERVER_CLIENT_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    XSERVER_CLIENT_PIDS=()
    [ -n "$XSERVER_PID" ] || return 0
    kill "$XSERVER_PID" 2>/dev/null || true
    wait "$XSERVER_PID" 2>/dev/null || true
    XSERVER_PID=""
}
