# Real input on the open bar at the right edge: a double-click on a tile
# leaves the program running with the bar open; a double-click on the bar's
# bare background above its tile panel ends the program.

# (1300, 10) lies on the background above the tile panel; (1313, 370) on
# the glyph of the fourth tile.
OPEN_BACKGROUND_POINT=(1300 10)
OPEN_TILE_POINT=(1313 370)

open_bar_still_there() {
    program_running && bar_open_at "$BAR_LEFT_AT_RIGHT_EDGE"
}

# start_and_open_bar LOG
start_and_open_bar() {
    remove_settings_file
    program_start "$1"
    wait_for_collapsed_bar "$BAR_LEFT_AT_RIGHT_EDGE" || return 1
    open_bar_by_corner "$BAR_LEFT_AT_RIGHT_EDGE" $((SCREEN_WIDTH - 1)) 0
}

scenario_open_double_click() {
    start_and_open_bar "$LOGS/open_double_click-tile.log" || return 1
    double_click_at "${OPEN_TILE_POINT[@]}" || return 1
    expect "after a double-click on a tile at (${OPEN_TILE_POINT[*]}) the program runs on with the bar open" \
        holds_for 20 open_bar_still_there || return 1
    screenshot "$SHOTS/open_double_click-tile.png"
    wine_stop_all

    # A fresh run, so that whatever the tile opened cannot stand in the way.
    start_and_open_bar "$LOGS/open_double_click-background.log" || return 1
    double_click_at "${OPEN_BACKGROUND_POINT[@]}" || return 1
    expect "a double-click on the open bar's background at (${OPEN_BACKGROUND_POINT[*]}) ends the program" \
        wait_until "$PROGRAM_EXIT_SECONDS" program_exited
}
