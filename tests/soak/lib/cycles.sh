# The cycles of the soak: what a user does with the bar in a moment, each
# drawn from the seeded generator.

# Windows makes two presses within 500 ms a double-click, which on the
# bar's background ends the program; presses of the soak are further apart.
PRESS_GAP_MS=600
# Pauses between cursor moves, as a hand's.
MOVE_PAUSE_MS_MOST=300
# A brief touch of a corner, shorter than the 500 ms dwell, and the time
# away over the root window before coming back to the same pixel.
TOUCH_MS=(100 400)
AWAY_MS=(150 400)
# When the last press was, in microseconds.
LAST_PRESS_US=0

pause_ms() {
    sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"
}

# click_at X Y: a click far enough from the last press that the two make
# no double-click; the settings window's helpers click through it too.
click_at() {
    move_pointer "$1" "$2" || return 1
    local wait_ms=$(((LAST_PRESS_US - ${EPOCHREALTIME/[.,]/}) / 1000 + PRESS_GAP_MS))
    [ "$wait_ms" -le 0 ] || pause_ms "$wait_ms"
    xdotool click 1 || return 1
    LAST_PRESS_US=${EPOCHREALTIME/[.,]/}
}

# Cursor moves: jumps about the screen, along the bar's edge, over the open
# bar's place and brief touches of a hot corner, which may open the bar.
cycle_moves() {
    rand_between 3 8
    local moves=$R i kinds=() point x y
    for ((i = 0; i < moves; i++)); do
        pick anywhere anywhere anywhere anywhere edge edge bar bar touch
        kinds+=("$PICKED")
        rand "${SCREEN[0]}"
        x=$R
        rand "${SCREEN[1]}"
        y=$R
        case $PICKED in
        anywhere) point=("$x" "$y") ;;
        edge) point=("$(edge_column)" "$y") ;;
        bar) x=$(($(bar_left_now) + x % BAR_OPEN_WIDTH)) && point=($((x < 0 ? 0 : x)) "$y") ;;
        touch) pick top bottom && read -ra point <<<"$(corner_point "$PICKED")" ;;
        esac
        rand $((MOVE_PAUSE_MS_MOST + 1))
        echo "    move ($PICKED) to ${point[*]}, then $R ms" >>"$SOAK_LOG"
        move_pointer "${point[@]}" && pause_ms "$R" || return 1
    done
    log_step "${kinds[*]}"
}

# touch_and_return top|bottom: the cursor touches the corner briefly,
# leaves over the root window (no window of Wine's) and comes back to that
# very pixel, where Wine last saw it, to dwell.
touch_and_return() {
    local corner
    read -ra corner <<<"$(corner_point "$1")"
    rand_between "${TOUCH_MS[@]}"
    local touch=$R
    rand_between "${AWAY_MS[@]}"
    log_step "touch $1 $touch ms, away $R ms"
    move_pointer "${corner[@]}" && pause_ms "$touch" && move_to_middle && pause_ms "$R"
}

# Both hot corners, in a drawn order, each sometimes touched and left
# first: each dwell opens the bar, which collapses when the cursor leaves.
cycle_corners() {
    local corner
    pick "top bottom" "bottom top"
    for corner in $PICKED; do
        # Always in the warm-up: a corner must open after every return.
        [ "$CYCLE" -gt 0 ] && ! chance 50 || touch_and_return "$corner" || return 1
        dwell "$corner"
        leave_bar
    done
}

# The settings window from the bar's settings tile: a few edits, usually
# saved, sometimes more edits after the save, which closing drops.
cycle_settings() {
    pick top bottom
    dwell "$PICKED"
    settings_tile_point && click_at "${POINT[@]}" || return 1
    log_step "settings tile"
    check "the settings tile opens the settings window" wait_until "$WINDOW_SECONDS" settings_window_ready
    rand_between 1 4
    random_edits "$R"
    if chance 80; then
        save_settings
        ! chance 30 || { rand_between 1 2 && random_edits "$R"; } || return 1
    fi
    close_settings
}

# set_screen WIDTH HEIGHT: the X server's mode changes; the bar stands anew
# for it, collapsed and resting on the new corners.
set_screen() {
    xrandr -s "$1x$2" || return 1
    SCREEN=("$1" "$2")
    [ "$2" -ge "${BIG_MODE[1]}" ] || SMALL_SCREEN_SEEN=1
    log_step "screen $1 x $2"
    check "on the $1 x $2 screen the bar stands anew" wait_until "$RESIZE_SECONDS" bar_collapsed_now
    check "and rests on its new corners" wait_until "$RESIZE_SECONDS" bar_resting_now
}

# A change to the low screen and back; between them, sometimes the bar
# opened at one of the new corners.
cycle_screen() {
    move_to_middle || return 1
    set_screen "${SMALL_MODE_SIZE[@]}"
    if chance 50; then
        pick top bottom
        dwell "$PICKED"
        leave_bar
    fi
    set_screen "${BIG_MODE[@]}"
}

# The warm-up: every kind of cycle, in a fixed order, before memory and
# windows are measured for their bounds (Wine loads much on first use);
# both corners after a return, and the screen's change, on every run.
warm_up() {
    cycle_corners
    cycle_settings
    cycle_screen
}

run_cycle() {
    local kinds=(moves moves corners corners settings settings settings screen)
    pick "${kinds[@]}"
    CYCLE_KIND=$PICKED
    "cycle_$CYCLE_KIND"
}
