# The virtual X server the program runs on: a screen of 1366 x 768 pixels
# at 24 bits, on a display number the server picks itself among the free
# ones, so that parallel runs never meet.

# The screen every expectation of the harness is computed for.
SCREEN_WIDTH=1366
SCREEN_HEIGHT=768
# How long a server may take to come up on a loaded machine.
XSERVER_START_SECONDS=30

XSERVER_PID=""

xserver_answers() {
    xdpyinfo -display "$DISPLAY" >/dev/null 2>&1
}

# xserver_start WORK_DIR: starts Xvfb and exports DISPLAY.
xserver_start() {
    local dir=$1
    local number_file="$dir/display-number"
    mkdir -p "$dir"
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp -noreset \
        3>"$number_file" >"$dir/xvfb.log" 2>&1 &
    XSERVER_PID=$!
    if ! wait_until "$XSERVER_START_SECONDS" test -s "$number_file"; then
        echo "Xvfb did not start; see $dir/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    wait_until "$XSERVER_START_SECONDS" xserver_answers ||
        { echo "Xvfb on $DISPLAY does not answer" >&2; return 1; }
}

xserver_stop() {
    [ -n "$XSERVER_PID" ] || return 0
    kill "$XSERVER_PID" 2>/dev/null || true
    wait "$XSERVER_PID" 2>/dev/null || true
    XSERVER_PID=""
}

# An X server whose screen can change size, for the soak: Xorg with the
# dummy video driver (Xvfb has one fixed mode), which changes modes with
# xrandr -s between the modes of xorg-dummy.conf, 1366 x 768 and
# 1024 x 600.
RESIZABLE_XSERVER_PID=""

# resizable_xserver_start DIR: starts the server and exports DISPLAY.
resizable_xserver_start() {
    local dir=$1
    mkdir -p "$dir"
    cp "$ROOT/tests/e2e/lib/xorg-dummy.conf" "$dir/xorg.conf"
    : >"$dir/display-number"
    # No configuration folder of the system's: only this file counts.
    Xorg -noreset -nolisten tcp -config "$dir/xorg.conf" -configdir "$dir/no-config-dir" \
        -logfile "$dir/xorg.log" -displayfd 3 3>"$dir/display-number" >"$dir/xorg.out" 2>&1 &
    RESIZABLE_XSERVER_PID=$!
    wait_until "$XSERVER_START_SECONDS" test -s "$dir/display-number" ||
        { echo "  Xorg did not start; see $dir/xorg.log" >&2; return 1; }
    export DISPLAY=":$(tr -d '[:space:]' <"$dir/display-number")"
    wait_until "$XSERVER_START_SECONDS" xserver_answers
}

resizable_xserver_stop() {
    [ -n "$RESIZABLE_XSERVER_PID" ] || return 0
    kill "$RESIZABLE_XSERVER_PID" 2>/dev/null || true
    wait "$RESIZABLE_XSERVER_PID" 2>/dev/null || true
    RESIZABLE_XSERVER_PID=""
}
