# The resting bar among other programs, through real input: the collapsed
# bar's column, topmost over the whole screen height, lets clicks through
# to an X program and to a Wine program beneath it (a double-click there
# neither ends Tavrin nor reaches it: both presses land beneath); and with
# a taskbar look-alike of another Wine program laid over the bottom hot
# corner after the bar rests, a dwell there still opens the bar. (What the
# empty region keeps of the window's place: corner_open's collapsed bar.)

# The column's x, and where each program lies beneath it; both are started
# before the bar, which stands above them as a topmost window.
BAR_COLUMN_X=$BAR_LEFT_AT_RIGHT_EDGE
X_PROGRAM_BENEATH=(1200 100 120 200)
WINE_PROGRAM_BENEATH=(1200 400 120 200)
# The look-alike of the Windows taskbar: full width, 40 px at the bottom.
TASKBAR=(0 $((SCREEN_HEIGHT - 40)) "$SCREEN_WIDTH" 40)
# Wine's start of a second program on a loaded machine.
STANDIN_START_SECONDS=60
PRESS_SECONDS=10

# presses_in LOG COUNT PATTERN: at least COUNT lines of the log, each a
# press, match PATTERN.
presses_in() {
    [ "$(grep -c "$3" "$1" 2>/dev/null)" -ge "$2" ]
}

# standin_start NAME LEFT TOP WIDTH HEIGHT [topmost]: a window of another
# Wine program there, mapped; its presses go to $LOGS/NAME.log.
standin_start() {
    local name=$1
    shift
    wine_start "$LOGS/$name.log" "$BUILD_DIR" "$BUILD_DIR/standin.exe" "$@"
    expect "the stand-in $name is shown at ($1, $2)" \
        wait_until "$STANDIN_START_SECONDS" standin_at "$@"
}

standin_at() {
    local id
    for id in $(xdotool search --onlyvisible --class '^standin\.exe$' 2>/dev/null); do
        [ "$(window_geometry "$id")" != "$1 $2 $3 $4" ] || return 0
    done
    return 1
}

# xev's window, which carries no class of its own.
x_program_shown() {
    [ -n "$(xdotool search --onlyvisible --name '^Event Tester$' 2>/dev/null)" ]
}

click_through_steps() {
    local x_log=$1 middle=$((SCREEN_WIDTH / 2))
    standin_start beneath "${WINE_PROGRAM_BENEATH[@]}" || return 1
    remove_settings_file
    program_start "$LOGS/click_through.log"
    wait_for_collapsed_bar "$BAR_COLUMN_X" || return 1
    expect "the bar rests on its tripwires" \
        wait_until "$PROGRAM_START_SECONDS" resting_on_corners $((SCREEN_WIDTH - 1)) "$SCREEN_HEIGHT" ||
        { show_program_windows; return 1; }

    double_click_at "$BAR_COLUMN_X" $((X_PROGRAM_BENEATH[1] + 100)) || return 1
    expect "both presses of a double-click on the bar's column reach the X program beneath" \
        wait_until "$PRESS_SECONDS" presses_in "$x_log" 2 '^ButtonPress' || return 1
    double_click_at "$BAR_COLUMN_X" $((WINE_PROGRAM_BENEATH[1] + 100)) || return 1
    expect "both reach the Wine program beneath" \
        wait_until "$PRESS_SECONDS" presses_in "$LOGS/beneath.log" 2 '^press' || return 1
    expect "Tavrin still runs" program_running || return 1

    move_pointer "$middle" $((SCREEN_HEIGHT / 2)) || return 1
    standin_start taskbar "${TASKBAR[@]}" topmost || return 1
    open_bar_by_corner "$BAR_COLUMN_X" $((SCREEN_WIDTH - 1)) $((SCREEN_HEIGHT - 1))
}

scenario_click_through() {
    local x_log="$LOGS/click_through-xev.log" status=0
    # -geometry places it where asked, with or without a window manager.
    xev -geometry "${X_PROGRAM_BENEATH[2]}x${X_PROGRAM_BENEATH[3]}+${X_PROGRAM_BENEATH[0]}+${X_PROGRAM_BENEATH[1]}" \
        -event button >"$x_log" 2>&1 &
    local xev_pid=$!
    expect "the X program beneath is shown" \
        wait_until "$STANDIN_START_SECONDS" x_program_shown &&
        click_through_steps "$x_log" || status=1
    kill "$xev_pid" 2>/dev/null || true
    wait "$xev_pid" 2>/dev/null || true
    return "$status"
}
