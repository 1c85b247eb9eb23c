# A settings file with LeftSide 1: the bar stands at the left edge, at its
# design left of -45 twips, and the file is read without being changed.
# Collapsed there, the bar lies wholly off the screen, so Wine keeps its X
# window unmapped: the checks look at the geometry of all its X windows.

running_with_bar_at_left() {
    program_running && bar_collapsed_at --all "$BAR_LEFT_AT_LEFT_EDGE" &&
        ! bar_collapsed_at "$BAR_LEFT_AT_RIGHT_EDGE"
}

scenario_left_side() {
    local kept="$LOGS/left_side-settings.txt"
    write_settings_file 1
    cp "$(settings_file)" "$kept"
    program_start "$LOGS/left_side.log"
    expect "the collapsed bar stands at left $BAR_LEFT_AT_LEFT_EDGE, top $BAR_TOP, 1 x $BAR_HEIGHT px" \
        wait_for_collapsed_bar --all "$BAR_LEFT_AT_LEFT_EDGE" || return 1
    screenshot "$SHOTS/left_side.png"
    expect "the program keeps running with the bar at the left and none at the right" \
        holds_for 20 running_with_bar_at_left || return 1
    wine_stop_all
    expect "the settings file is unchanged byte for byte" cmp "$kept" "$(settings_file)"
}
