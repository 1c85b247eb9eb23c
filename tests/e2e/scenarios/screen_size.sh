# A change of the screen's size makes the bar anew at the new right edge.
# Xvfb has one fixed mode, so this scenario runs on an X server of its own:
# Xorg with the dummy video driver, which changes modes with xrandr. The
# collapsed bar rests, no timer running, its tripwires (1 x 1 windows) on
# the corners of its edge; Wine sends no WM_DISPLAYCHANGE, but the change of
# the video device map in the registry wakes the bar, which stands anew and
# rests on the new corners.

# The smaller mode, and where the collapsed bar stands on it.
SMALL_MODE=1024x600
SMALL_BAR_LEFT=$((1024 - 106))
SMALL_BAR_HEIGHT=$((600 + 40))
# A new server, a mode change, a new bar: on a loaded machine, seconds.
RESIZE_SECONDS=30

RESIZABLE_XSERVER_PID=""

resizable_xserver_config() {
    cat <<'CONF'
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline "1366x768" 85.25 1366 1440 1576 1784 768 771 781 798 -hsync +vsync
    Modeline "1024x600" 48.96 1024 1064 1168 1312 600 601 604 622 -hsync +vsync
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1366x768" "1024x600"
        Virtual 1366 768
    EndSubSection
EndSection
Section "ServerFlags"
    Option "AutoAddDevices" "false"
EndSection
CONF
}

# resizable_xserver_start DIR: starts the server and exports DISPLAY.
resizable_xserver_start() {
    local dir=$1
    mkdir -p "$dir"
    resizable_xserver_config >"$dir/xorg.conf"
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

scenario_screen_size() {
    local harness_display=$DISPLAY status=0
    resizable_xserver_start "$E2E_DIR/xorg" || { resizable_xserver_stop; return 1; }
    remove_settings_file
    program_start "$LOGS/screen_size.log"
    expect "the collapsed bar stands at left $BAR_LEFT_AT_RIGHT_EDGE on 1366 x 768" \
        wait_for_collapsed_bar "$BAR_LEFT_AT_RIGHT_EDGE" || status=1
    [ "$status" -ne 0 ] || expect "it rests, its tripwires on (1365, 0) and (1365, 767)" \
        wait_until "$RESIZE_SECONDS" resting_on_right_corners 1366 768 || status=1
    if [ "$status" -eq 0 ]; then
        xrandr -s "$SMALL_MODE"
        expect "after xrandr -s $SMALL_MODE the bar stands anew at left $SMALL_BAR_LEFT, $SMALL_BAR_HEIGHT px high" \
            wait_until "$RESIZE_SECONDS" window_at "$SMALL_BAR_LEFT" "$BAR_TOP" \
            "$BAR_COLLAPSED_WIDTH" "$SMALL_BAR_HEIGHT" || { show_program_windows; status=1; }
        [ "$status" -ne 0 ] || expect "it rests on the new corners (1023, 0) and (1023, 599)" \
            wait_until "$RESIZE_SECONDS" resting_on_right_corners 1024 600 || status=1
    fi
    if [ "$status" -eq 0 ]; then
        xrandr -s 1366x768
        expect "back at 1366 x 768 it stands at left $BAR_LEFT_AT_RIGHT_EDGE again" \
            wait_until "$RESIZE_SECONDS" bar_collapsed_at "$BAR_LEFT_AT_RIGHT_EDGE" ||
            { show_program_windows; status=1; }
        expect "the program still runs" program_running || status=1
    fi
    wine_stop_all
    resizable_xserver_stop
    export DISPLAY=$harness_display
    return "$status"
}
