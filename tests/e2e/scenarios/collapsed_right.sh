# No settings file: the bar stands collapsed at the right screen edge, in
# its back colour over the screen's whole height, and nothing is saved.

# How long painting may lag behind the mapping of the bar's window.
PAINT_SECONDS=20

running_without_settings_file() {
    program_running && test ! -e "$(settings_file)"
}

scenario_collapsed_right() {
    local shot="$SHOTS/collapsed_right.png"
    local x=$BAR_LEFT_AT_RIGHT_EDGE
    remove_settings_file
    program_start "$LOGS/collapsed_right.log"
    expect "the collapsed bar stands at left $x, top $BAR_TOP, 1 x $BAR_HEIGHT px" \
        wait_for_collapsed_bar "$x" || return 1
    if ! expect "column $x of the screen is RGB(20,20,20) from top to bottom" \
        wait_until "$PAINT_SECONDS" screen_column_is "$shot" "$x" "${BAR_BACK_COLOUR[@]}"; then
        echo "  $(column_mismatches "$shot" "$x" "${BAR_BACK_COLOUR[@]}") pixels differ"
        return 1
    fi
    expect "the program runs on without writing a settings file" \
        holds_for 20 running_without_settings_file || return 1
    wine_stop_all
    expect "no settings file was created" test ! -e "$(settings_file)"
}
