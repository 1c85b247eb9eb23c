# The settings window as a user works it, for the package scenario and the
# soak. Opened from the bar's settings tile, it takes a new caption for a
# tile, a glyph colour from the palette, a translucency level from its list
# and the left side; "GUARDAR" writes exactly those values to the settings
# file and brings the bar anew at the left edge. (How the window and the
# bar look, the Win32 tests read from the real windows; a tile's click
# reaching the shell and "Acerca" the About box, the native tests.)

SETTINGS_WINDOW_TITLE='^Tavrin \| Configuración:$'
# The X window is the client area alone, around which openbox draws its
# frame. (Its size and place: the Win32 tests, at every scale.)
# Opening, closing and redrawing a window under Wine on a loaded machine.
WINDOW_SECONDS=20
# Saving writes the file and makes a new bar at once.
SAVE_SECONDS=10

# settings_window_geometry: points in the settings window's client area
# and on the bar, in pixels at the current scale (scale.sh), in the layout
# the default settings take on this screen: the short one where it is
# lower than 10500 twips.
settings_window_geometry() {
    local screen_height tools_top tiles_height
    screen_height=$(screen_twips "$SCREEN_HEIGHT")
    if LC_ALL=C awk -v h="$screen_height" 'BEGIN { exit !(h < 10500) }'; then
        SETTINGS_LAYOUT=short tools_top=2400 tiles_height=7500 SETTINGS_TILE=4
    else
        SETTINGS_LAYOUT=full tools_top=3360 tiles_height=10500 SETTINGS_TILE=6
    fi
    # Row i's boxes are 390 twips high and stand 480 twips apart from 480
    # (at 96 dpi: 26 px, 32 px apart from 32, middles at y 45 + 32 i). The
    # name box spans x 120-2175 twips (8-145 px), the glyph box 2160-2655.
    NAME_BOX=("$(px 120)" "$(span_px 120 2055)")
    GLYPH_BOX=("$(px 2160)" "$(span_px 2160 495)")
    # The palette lies over the clicked row's folder box, from x 2760 twips:
    # swatch j spans 360 j to 360 j + 375 of it.
    SWATCH_MIDDLE=$(px "$(twips_sum 2947.5 $((360 * SWATCH)))")
    # The tools strip, 390 twips high from x 120: the level list at 2640-4095
    # of it, "IZQUIERDA" at 5760-7215 (its box at the left), "GUARDAR" at
    # 7320-9855 (at 96 dpi, y 224-250: the list at x 184-281, "IZQUIERDA"
    # at 392-489, "GUARDAR" at 496-665).
    TOOLS_MIDDLE_Y=$(px $((tools_top + 195)))
    GLASS_LIST_LEFT=$(($(px 120) + $(px 2640)))
    GLASS_LIST_WIDTH=$(span_px 2640 1455)
    LEFT_SIDE_BOX_X=$(($(px 120) + $(px 6180)))
    SAVE_BUTTON_X=$(($(px 120) + $(px 8580)))
    # The open bar at the right edge: the middle of its width. Its tile
    # panel stands 15 twips below the screen's middle, tile i from 1500 i
    # in it (at 96 dpi in the full layout: y 35 + 100 i to 135 + 100 i);
    # clicks go 450 twips down the face, above its caption.
    BAR_MIDDLE_AT_RIGHT=$((BAR_LEFT_AT_RIGHT_EDGE + BAR_OPEN_WIDTH / 2))
    TILE_FIRST_TOP=$(($(px -75) + $(px "$(LC_ALL=C awk -v h="$screen_height" -v t="$tiles_height" \
        'BEGIN { print h / 2 - t / 2 + 90 }')")))
    TILE_PITCH=$(px 1500)
    TILE_CLICK_DOWN=$(px 450)
}

# Points in the client area, in pixels: a row's middle.
row_middle() {
    px $((675 + 480 * $1))
}

# The edits, and the lines of the settings file they go to.
CAPTION_ROW=3
NEW_CAPTION=Fotos
CAPTION_LINE=$CAPTION_ROW
# Swatch 11 is RGB(184, 27, 27): 184 + 256 * 27 + 65536 * 27 in the file.
SWATCH=11
SWATCH_RGB=(184 27 27)
SWATCH_SETTING=1776568
GLYPH_COLOUR_LINE=$((12 + CAPTION_ROW))
# "Nivel 3", the third item, is an opacity of 230.
GLASS_ITEM=2
GLASS_SETTING=230
GLASS_LINE=28
LEFT_SIDE_LINE=19
# The layout, which a low screen makes short at the bar's load.
FULL_HEIGHT_LINE=27
settings_window_geometry

SETTINGS_WINDOW_ORIGIN=()

# settings_window_open: the settings window is mapped; keeps its origin
# and height for the points in it.
settings_window_open() {
    local id geometry
    id=$(mapped_window "$PROGRAM_WINDOW_CLASS" "$SETTINGS_WINDOW_TITLE")
    [ -n "$id" ] || return 1
    read -ra geometry <<<"$(window_geometry "$id")"
    [ ${#geometry[@]} -eq 4 ] || return 1
    SETTINGS_WINDOW_ORIGIN=("${geometry[@]:0:2}")
    SETTINGS_HEIGHT=${geometry[3]}
}

settings_window_gone() {
    window_gone "$PROGRAM_WINDOW_CLASS" "$SETTINGS_WINDOW_TITLE"
}

# in_settings X Y: the screen point of a point of the client area.
in_settings() {
    echo $((SETTINGS_WINDOW_ORIGIN[0] + $1)) $((SETTINGS_WINDOW_ORIGIN[1] + $2))
}

# click_in_settings X Y
click_in_settings() {
    local point
    read -ra point <<<"$(in_settings "$1" "$2")"
    click_at "${point[@]}"
}

# click_box BOX ROW: a click in the middle of a row's name or glyph box.
click_box() {
    local -n box=$1
    click_in_settings $((box[0] + box[1] / 2)) "$(row_middle "$2")"
}

# palette_open_over ROW FILE: a fresh screenshot shows the swatch's colour
# in the middle of the swatch over the row.
palette_open_over() {
    local point
    read -ra point <<<"$(in_settings "$SWATCH_MIDDLE" "$(row_middle "$1")")"
    screenshot "$2" && pixel_is "$2" "${point[@]}" "${SWATCH_RGB[@]}"
}

# glass_list_dropped: the level list's drop-down is mapped under the box,
# as wide as it; prints its geometry.
glass_list_dropped() {
    local corner
    read -ra corner <<<"$(in_settings "$GLASS_LIST_LEFT" $((TOOLS_MIDDLE_Y + 10)))"
    program_windows | awk -v left="${corner[0]}" -v below="${corner[1]}" -v width="$GLASS_LIST_WIDTH" \
        '$1 == left && $3 == width && $2 >= below { print; found = 1; exit } END { exit !found }'
}

glass_list_closed() {
    ! glass_list_dropped >/dev/null
}

# pick_glass_level ITEM: drops the list down and clicks the item; the six
# items share its height.
pick_glass_level() {
    click_in_settings $((GLASS_LIST_LEFT + GLASS_LIST_WIDTH / 2)) "$TOOLS_MIDDLE_Y" || return 1
    expect "a click on the level list drops it down" \
        wait_until "$WINDOW_SECONDS" glass_list_dropped >/dev/null || return 1
    local list
    read -ra list <<<"$(glass_list_dropped)"
    click_at $((list[0] + list[2] / 2)) $((list[1] + (2 * $1 + 1) * list[3] / 12)) || return 1
    expect "a click on \"Nivel $(($1 + 1))\" closes it" wait_until "$WINDOW_SECONDS" glass_list_closed
}

# expected_settings FILE: the default settings with this scenario's edits,
# as the program writes them, in the layout the screen gives.
expected_settings() {
    local lines
    mapfile -t lines < <(default_settings_lines 0)
    lines[CAPTION_LINE]=$NEW_CAPTION
    lines[LEFT_SIDE_LINE]=1
    lines[GLYPH_COLOUR_LINE]=$SWATCH_SETTING
    lines[GLASS_LINE]=$GLASS_SETTING
    [ "$SETTINGS_LAYOUT" = full ] || lines[FULL_HEIGHT_LINE]=0
    write_settings_lines "$1" "${lines[@]}"
}

# settings_file_is EXPECTED
settings_file_is() {
    cmp -s "$1" "$(settings_file)"
}

# Prints how the settings file differs from the expected one, line by line.
show_settings_difference() {
    echo "  the settings file (- expected, + written), as UTF-8:"
    diff <(iconv -f CP1252 -t UTF-8 "$1" | cat -A) \
        <(iconv -f CP1252 -t UTF-8 "$(settings_file)" 2>/dev/null | cat -A) | sed 's/^/    /'
}

# open_settings_from_bar LEFT CORNER_X CORNER_Y MIDDLE: opens the bar at
# the corner and clicks its settings tile.
open_settings_from_bar() {
    open_bar_by_corner "$1" "$2" "$3" || return 1
    click_at "$4" $((TILE_FIRST_TOP + TILE_PITCH * SETTINGS_TILE + TILE_CLICK_DOWN)) || return 1
    expect "its settings tile brings up the window \"Tavrin | Configuración:\"" \
        wait_until "$WINDOW_SECONDS" settings_window_open || { show_program_windows; return 1; }
}

# The first part: the edits and the save.
edit_and_save() {
    local expected=$1
    local shot="$SHOTS/settings_window-edited.png"
    click_box NAME_BOX "$CAPTION_ROW" && replace_text "$NEW_CAPTION" || return 1
    click_box GLYPH_BOX "$CAPTION_ROW" || return 1
    expect "a click on row $CAPTION_ROW's glyph opens the palette over its folder" \
        wait_until "$WINDOW_SECONDS" palette_open_over "$CAPTION_ROW" "$shot" || return 1
    click_in_settings "$SWATCH_MIDDLE" "$(row_middle "$CAPTION_ROW")" || return 1

    pick_glass_level "$GLASS_ITEM" || return 1
    click_in_settings "$LEFT_SIDE_BOX_X" "$TOOLS_MIDDLE_Y" || return 1
    screenshot "$shot" || return 1

    click_in_settings "$SAVE_BUTTON_X" "$TOOLS_MIDDLE_Y" || return 1
    expect "\"GUARDAR\" writes the settings file: the edits, the rest as before, CR LF, ANSI" \
        wait_until "$SAVE_SECONDS" settings_file_is "$expected" || { show_settings_difference "$expected"; return 1; }
}

# The second: the new bar at the left.
check_new_bar() {
    expect "the bar at the right edge is gone" wait_until "$SAVE_SECONDS" no_bar_at_right || return 1
    expect "a new bar stands collapsed at the left edge" \
        wait_for_collapsed_bar --all "$BAR_LEFT_AT_LEFT_EDGE" || return 1
    open_bar_by_corner "$BAR_LEFT_AT_LEFT_EDGE" 0 $((SCREEN_HEIGHT - 1))
}
