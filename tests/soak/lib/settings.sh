# The settings window worked by mouse and keys, each edit kept in the
# window's model. Points are in the window's client area (pixels, twips /
# 15); settings_window.sh holds the rows' and the palette's.

# The client area: 674 x 257 px in the full layout, 193 px high in the
# short one, whose tools strip stands 64 px higher; its top left corner
# stays where it opened.
SETTINGS_FULL_HEIGHT=257
SETTINGS_SHORT_HEIGHT=193
TOOLS_FULL_MIDDLE_Y=237
TOOLS_SHORT_MIDDLE_Y=173
# On the tools strip: the light level's box, the settings tile's glyph
# box, "COMPLETO"; the level list, "IZQUIERDA" and "GUARDAR" are
# settings_window.sh's.
LIGHT_BOX_X=108
SETTINGS_GLYPH_X=160
FULL_HEIGHT_BOX_X=336
# Before Alt+F4 a click on the first name box makes the window active and
# gives that box the focus, and changes nothing. (Under Wine the level
# list, a combo box, keeps every Alt key from the window while it has the
# focus, Alt+F4 included: Wine's combo box answers WM_SYSKEYDOWN itself.)
CLOSING_NAME_ROW=0
# Swatch 11, RGB(184, 27, 27), shows nowhere in the window but on the
# palette: seen in its place, the palette is open there.
PROBE_SWATCH=11
# What is typed: names of up to 16 characters (the box keeps 14) and
# glyphs, in ASCII, which xdotool types reliably into Wine (a character
# outside the keyboard's map it types by remapping a key, which Wine does
# not always follow); the defaults' accented names are read and saved back
# all the same. "&" is the glyph the program doubles.
NAME_CHARACTERS='ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 '
NAME_MAX_TYPED=16
NAME_MAX_KEPT=14
GLYPH_CHARACTERS='ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789&'
# Light levels typed: mostly in range, some outside it.
LIGHT_TYPED_LOWEST=60
LIGHT_TYPED_HIGHEST=299

tools_middle_y() {
    if [ "$W_FULL" = 1 ]; then
        echo "$TOOLS_FULL_MIDDLE_Y"
    else
        echo "$TOOLS_SHORT_MIDDLE_Y"
    fi
}

settings_height_now() {
    if [ "$W_FULL" = 1 ]; then
        echo "$SETTINGS_FULL_HEIGHT"
    else
        echo "$SETTINGS_SHORT_HEIGHT"
    fi
}

# settings_window_as_modelled: mapped where it opened, as high as its
# layout; keeps its origin for click_in_settings.
settings_window_as_modelled() {
    local id geometry
    id=$(mapped_window "$PROGRAM_WINDOW_CLASS" "$SETTINGS_WINDOW_TITLE")
    [ -n "$id" ] || return 1
    geometry=$(window_geometry "$id")
    read -ra SETTINGS_WINDOW_ORIGIN <<<"${geometry% * *}"
    [ "$geometry" = "${SETTINGS_CLIENT_AREA[0]} ${SETTINGS_CLIENT_AREA[1]} ${SETTINGS_CLIENT_AREA[2]} $(settings_height_now)" ]
}

# row_y ROW: the middle of a row, the settings tile's on the tools strip.
row_y() {
    if [ "$1" -eq "$SETTINGS_ROW" ]; then
        tools_middle_y
    else
        row_middle "$1"
    fi
}

glyph_x() {
    if [ "$1" -eq "$SETTINGS_ROW" ]; then
        echo "$SETTINGS_GLYPH_X"
    else
        echo $((GLYPH_BOX[0] + GLYPH_BOX[1] / 2))
    fi
}

# palette_over ROW FILE: a fresh screenshot shows the palette over the row.
palette_over() {
    local point
    read -ra point <<<"$(in_settings $((SWATCH_FIRST_MIDDLE + SWATCH_PITCH * PROBE_SWATCH)) "$(row_y "$1")")"
    local rgb
    read -ra rgb <<<"${PALETTE[PROBE_SWATCH]}"
    screenshot "$2" && pixel_is "$2" "${point[@]}" "${rgb[@]}"
}

palette_not_over() {
    ! palette_over "$@"
}

# The level list dropped down under its box, as wide as it; prints its
# geometry.
level_list_dropped() {
    local corner
    read -ra corner <<<"$(in_settings "$GLASS_LIST_LEFT" $(($(tools_middle_y) + 10)))"
    program_windows | awk -v left="${corner[0]}" -v below="${corner[1]}" -v width="$GLASS_LIST_WIDTH" \
        '$1 == left && $3 == width && $2 >= below { print; found = 1; exit } END { exit !found }'
}

level_list_dropped_quietly() {
    level_list_dropped >/dev/null
}

level_list_closed() {
    ! level_list_dropped >/dev/null
}

# The edits. Each picks its own values, notes them as a step of the cycle
# and works the window.

edit_name() {
    pick $(window_rows)
    local row=$PICKED
    if chance 10; then
        TEXT=""
    else
        rand_between 1 "$NAME_MAX_TYPED"
        random_text "$R" "$NAME_CHARACTERS"
    fi
    log_step "name $row '$TEXT'"
    click_box NAME_BOX "$row" || return 1
    if [ -z "$TEXT" ]; then
        xdotool key ctrl+a BackSpace || return 1
    else
        replace_text "$TEXT" || return 1
    fi
    W_NAME[row]=${TEXT:0:NAME_MAX_KEPT}
}

# open_palette ROW: a click on the row's glyph opens the palette over it.
open_palette() {
    click_in_settings "$(glyph_x "$1")" "$(row_y "$1")" || return 1
    check "a click on row $1's glyph opens the palette over it" \
        wait_until "$WINDOW_SECONDS" palette_over "$1" "$SHOTS/palette.png"
}

# close_palette ROW: a second click on the same glyph closes it.
close_palette() {
    click_in_settings "$(glyph_x "$1")" "$(row_y "$1")" || return 1
    check "a second click on row $1's glyph closes the palette" \
        wait_until "$WINDOW_SECONDS" palette_not_over "$1" "$SHOTS/palette.png"
}

# colour_row ROW: a random swatch colours the row's glyph (the palette open
# over it).
colour_row() {
    rand "$SWATCHES"
    local swatch=$R
    log_step "colour $1<-swatch $swatch"
    click_in_settings $((SWATCH_FIRST_MIDDLE + SWATCH_PITCH * swatch)) "$(row_y "$1")" || return 1
    W_COLOUR[$1]=$(swatch_colour "$swatch")
}

# edit_colour: one glyph coloured, sometimes a second one after moving the
# palette to its row; then the palette closed.
edit_colour() {
    pick $(window_rows) "$SETTINGS_ROW"
    local row=$PICKED
    open_palette "$row" && colour_row "$row" || return 1
    if chance 30; then
        pick $(window_rows) "$SETTINGS_ROW"
        if [ "$PICKED" != "$row" ]; then
            row=$PICKED
            open_palette "$row" && colour_row "$row" || return 1
        fi
    fi
    close_palette "$row"
}

# edit_glyph: a key typed into a glyph box becomes its glyph.
edit_glyph() {
    pick $(window_rows) "$SETTINGS_ROW"
    local row=$PICKED
    random_text 1 "$GLYPH_CHARACTERS"
    log_step "glyph $row '$TEXT'"
    open_palette "$row" || return 1
    xdotool type -- "$TEXT" || return 1
    close_palette "$row" || return 1
    window_model_glyph "$row" "$TEXT"
}

edit_glass() {
    rand "$GLASS_ITEMS"
    local item=$R list
    log_step "level Nivel $((item + 1))"
    click_in_settings $((GLASS_LIST_LEFT + GLASS_LIST_WIDTH / 2)) "$(tools_middle_y)" || return 1
    check "a click on the level list drops it down" \
        wait_until "$WINDOW_SECONDS" level_list_dropped_quietly || return 1
    read -ra list <<<"$(level_list_dropped)"
    click_at $((list[0] + list[2] / 2)) $((list[1] + (2 * item + 1) * list[3] / (2 * GLASS_ITEMS))) || return 1
    check "a click on \"Nivel $((item + 1))\" closes the list" \
        wait_until "$WINDOW_SECONDS" level_list_closed || return 1
    W_GLASS=$item
}

edit_light() {
    rand_between "$LIGHT_TYPED_LOWEST" "$LIGHT_TYPED_HIGHEST"
    local level=$R
    log_step "light $level"
    click_in_settings "$LIGHT_BOX_X" "$(tools_middle_y)" && replace_text "$level" || return 1
    window_model_light "$level"
}

edit_side() {
    W_LEFT=$((1 - W_LEFT))
    log_step "side $([ "$W_LEFT" = 1 ] && echo left || echo right)"
    click_in_settings "$LEFT_SIDE_BOX_X" "$(tools_middle_y)"
}

# "COMPLETO" switches the layout, and the window's height with it, unless
# a low screen has disabled it.
edit_size() {
    if [ "$SMALL_SCREEN_SEEN" = 1 ]; then
        log_step "size (disabled since the low screen)"
        click_in_settings "$FULL_HEIGHT_BOX_X" "$(tools_middle_y)"
        return
    fi
    local y
    y=$(tools_middle_y)
    W_FULL=$((1 - W_FULL))
    log_step "size $([ "$W_FULL" = 1 ] && echo full || echo short)"
    click_in_settings "$FULL_HEIGHT_BOX_X" "$y" || return 1
    check "the window takes the $([ "$W_FULL" = 1 ] && echo full || echo short) layout, $(settings_height_now) px high" \
        wait_until "$WINDOW_SECONDS" settings_window_as_modelled
}

# random_edit: one of the edits above.
random_edit() {
    pick_weighted name:3 colour:3 glyph:2 glass:2 light:2 side:2 size:2
    "edit_$PICKED"
}

# settings_saved_as_modelled IDENTITY: the file was written anew and holds
# the saved values.
settings_saved_as_modelled() {
    [ "$(file_identity "$(settings_file)")" != "$1" ] && cmp -s "$EXPECTED_FILE" "$(settings_file)"
}

# save_settings: "GUARDAR" writes the window's values, and the bar is made
# anew from them.
save_settings() {
    local before
    before=$(file_identity "$(settings_file)")
    click_in_settings "$SAVE_BUTTON_X" "$(tools_middle_y)" || return 1
    window_model_save
    model_write_expected "$EXPECTED_FILE"
    SAVES=$((SAVES + 1))
    log_step "save"
    check "\"GUARDAR\" writes the settings file anew with the window's values" \
        wait_until "$SAVE_SECONDS" settings_saved_as_modelled "$before"
    SAVED_IDENTITY=$(file_identity "$(settings_file)")
    check "a new bar stands collapsed at the $(side_name) edge" \
        wait_until "$SAVE_SECONDS" bar_collapsed_now
}

side_name() {
    if [ "$(saved_left_side)" = 1 ]; then
        echo left
    else
        echo right
    fi
}

# close_settings: made active by a click, the window closes on Alt+F4 and
# drops what was not saved.
close_settings() {
    click_box NAME_BOX "$CLOSING_NAME_ROW" && xdotool key alt+F4 || return 1
    log_step "Alt+F4"
    check "Alt+F4 closes the settings window" wait_until "$WINDOW_SECONDS" settings_window_gone
}
