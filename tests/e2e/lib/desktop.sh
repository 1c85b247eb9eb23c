# A Linux user's desktop on the harness's X server: openbox manages the
# windows (frames, stacking, focus) and xcompmgr composites them, so that a
# layered window blends with what lies beneath it, over a background of one
# known colour. xserver_start starts it; xserver_stop ends it by pid with
# the server.

# The background, a blue that no window of the program shows.
DESKTOP_BACKGROUND=(60 140 240)
# How long each may take to take over the screen on a loaded machine.
DESKTOP_START_SECONDS=30
# Openbox's own defaults as Debian installs them, whatever the home folder
# holds.
OPENBOX_CONFIG=/etc/xdg/openbox/rc.xml

# A window manager announces itself by a window named in this root
# property (EWMH); a compositing manager owns the selection _NET_WM_CM_S0
# of screen 0.
window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id #'
}

compositor_running() {
    "$ROOT/tests/e2e/lib/x-root" owned _NET_WM_CM_S0
}

# desktop_client WORK_DIR NAME CONDITION COMMAND...: starts COMMAND on the
# server, its output in WORK_DIR/NAME.log, and waits for CONDITION.
desktop_client() {
    local dir=$1 name=$2 condition=$3
    shift 3
    "$@" >"$dir/$name.log" 2>&1 &
    XSERVER_CLIENT_PIDS+=($!)
    wait_until "$DESKTOP_START_SECONDS" "$condition" ||
        { echo "$name did not take over $DISPLAY; see $dir/$name.log" >&2; return 1; }
}

# desktop_start WORK_DIR: the background, then openbox, then xcompmgr, which
# reads the background as it starts. Plain compositing: no shadows, no
# fades, which would change pixels and timings.
desktop_start() {
    "$ROOT/tests/e2e/lib/x-root" background "${DESKTOP_BACKGROUND[@]}" &&
        desktop_client "$1" openbox window_manager_running \
            openbox --sm-disable --config-file "$OPENBOX_CONFIG" &&
        desktop_client "$1" xcompmgr compositor_running xcompmgr
}
