# Real input on the collapsed bar at the right edge: a double-click on a
# tile leaves the program running; a double-click on the bar's background
# above the tile panel ends it.

# Screen points on the bar's pixel column: y 10 lies above the tile panel
# (which starts 40 px down), y 400 on the glyph face of the fourth tile.
BACKGROUND_Y=10
TILE_Y=400

program_still_there() {
    program_running && bar_collapsed_at "$BAR_LEFT_AT_RIGHT_EDGE"
}

scenario_double_click() {
    local x=$BAR_LEFT_AT_RIGHT_EDGE
    remove_settings_file

    program_start "$LOGS/double_click-tile.log"
    wait_for_collapsed_bar "$x" || return 1
    double_click_at "$x" "$TILE_Y"
    expect "after a double-click on a tile at ($x, $TILE_Y) the program still runs" \
        holds_for 20 program_still_there || return 1
    screenshot "$SHOTS/double_click-tile.png"
    wine_stop_all

    # A fresh run, so that whatever the tile opened cannot stand in the way.
    program_start "$LOGS/double_click-background.log"
    wait_for_collapsed_bar "$x" || return 1
    screenshot "$SHOTS/double_click-background-before.png"
    double_click_at "$x" "$BACKGROUND_Y"
    expect "a double-click on the background at ($x, $BACKGROUND_Y) ends the program" \
        wait_until "$PROGRAM_EXIT_SECONDS" program_exited || return 1
    screenshot "$SHOTS/double_click-background-after.png"
}
