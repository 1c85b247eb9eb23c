# The program at other scales than 96 dpi, the prefix's LogPixels set for
# each (wine_set_dpi) and set back afterwards. First the Win32 suite's
# DPI tests (Dpi*) at 120, 144 and 192 dpi, which read every window's size
# and place, a caption's font and the folder glyph from the real windows.
# Then the program at 144 dpi through real input: the bar opens from its
# corner at its scaled width; on this screen, 13660 x 7680 twips, the bar
# and the settings window take their short layouts, so the settings tile
# is the fifth; it opens the settings window, whose labels the screenshot
# shows where their twips put them; the same edits as at 96 dpi save the
# same thirty lines byte for byte, but for the layout's line (0, short), and
# bring the bar anew at the left.

DPI_TEST_SCALES=(120 144 192)
DPI_PROGRAM_SCALE=144
# The window's background, RGB(70, 70, 70), and two labels of its header
# row, in twips of the client area: "Nombre:" at the left and "Acerca" at
# the right, whose text starts at their left.
SETTINGS_BACK_COLOUR=(70 70 70)
HEADER_LABELS=("Nombre:" 120 "Acerca" 9120)
HEADER_LABEL_TOP=120
HEADER_LABEL_HEIGHT=375
# How much of a label's left part is searched for its text's ink: the width
# of a short word.
HEADER_TEXT_WIDTH=600
# A word at 14.25 pt inks some dozens of pixels at 96 dpi.
HEADER_INK_PIXELS=40

# header_label_inked FILE LEFT_TWIPS: the screenshot shows text, pixels of
# another colour than the window's background, in the left part of the
# header label at LEFT_TWIPS, at the current scale.
header_label_inked() {
    local point ink width height
    read -ra point <<<"$(in_settings "$(px "$2")" "$(px "$HEADER_LABEL_TOP")")"
    width=$(span_px "$2" "$HEADER_TEXT_WIDTH") height=$(span_px "$HEADER_LABEL_TOP" "$HEADER_LABEL_HEIGHT")
    ink=$((width * height - $(colour_count "$1" "${point[@]}" "$width" "$height" "${SETTINGS_BACK_COLOUR[@]}")))
    echo "  $ink pixels of text"
    [ "$ink" -ge "$HEADER_INK_PIXELS" ]
}

# The whole program at the scale, from its start to the new bar at the left.
program_at_scale() {
    local shot="$SHOTS/dpi-$DPI-settings.png" i
    remove_settings_file
    program_start "$LOGS/dpi-$DPI.log"
    expect "the bar stands collapsed at the right edge, at left $BAR_LEFT_AT_RIGHT_EDGE" \
        wait_for_collapsed_bar "$BAR_LEFT_AT_RIGHT_EDGE" || return 1
    open_settings_from_bar "$BAR_LEFT_AT_RIGHT_EDGE" $((SCREEN_WIDTH - 1)) 0 "$BAR_MIDDLE_AT_RIGHT" || return 1
    screenshot "$shot" || return 1
    for ((i = 0; i < ${#HEADER_LABELS[@]}; i += 2)); do
        expect "the screenshot shows \"${HEADER_LABELS[i]}\" at its place at $DPI dpi" \
            header_label_inked "$shot" "${HEADER_LABELS[i + 1]}" || return 1
    done
    local expected="$LOGS/dpi-$DPI-expected.txt"
    expected_settings "$expected"
    edit_and_save "$expected" || return 1
    check_new_bar
}

scenario_dpi() {
    local dpi status=0 harness_dpi=$DPI
    for dpi in "${DPI_TEST_SCALES[@]}"; do
        echo "  at $dpi dpi:"
        wine_set_dpi "$dpi" || return 1
        export TAVRIN_TEST_DPI=$dpi
        run_win32_tests "win32_tests-$dpi" --gtest_filter='Dpi*' || status=1
        unset TAVRIN_TEST_DPI
        wine_stop_all
    done
    echo "  the program at $DPI_PROGRAM_SCALE dpi:"
    wine_set_dpi "$DPI_PROGRAM_SCALE" && at_dpi "$DPI_PROGRAM_SCALE" || return 1
    program_at_scale || status=1
    wine_stop_all
    at_dpi "$harness_dpi"
    wine_set_dpi "$harness_dpi" || return 1
    return "$status"
}
