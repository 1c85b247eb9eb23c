# The settings window worked by mouse and keys: a few edits of the kinds
# that make Wine draw, drop down, resize and remake windows, a save, and
# Alt+F4. settings_window.sh holds the window's points; the tools strip
# lies 20 px above the client area's bottom, which moves with the layout.

# "COMPLETO" on the tools strip.
FULL_HEIGHT_BOX_X=336
# Rows 0 to 3 show in both layouts.
EDITED_ROWS=4
# Names of up to 16 characters (the box keeps 14), in ASCII, which xdotool
# types reliably into Wine.
NAME_CHARACTERS='ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 '
NAME_MAX_TYPED=16
TOOLS_ABOVE_BOTTOM=20
# Whether the bar ever found the screen low: then "COMPLETO" stays
# disabled for the program's life.
SMALL_SCREEN_SEEN=0

# settings_window_ready: the window is mapped (settings_window.sh); its
# tools strip follows its height, which the layout sets.
settings_window_ready() {
    settings_window_open && TOOLS_MIDDLE_Y=$((SETTINGS_HEIGHT - TOOLS_ABOVE_BOTTOM))
}

# settings_window_resized HEIGHT: the window is no longer HEIGHT px high.
settings_window_resized() {
    settings_window_ready && [ "$SETTINGS_HEIGHT" != "$1" ]
}

edit_name() {
    rand "$EDITED_ROWS"
    local row=$R
    rand_between 1 "$NAME_MAX_TYPED"
    random_text "$R" "$NAME_CHARACTERS"
    log_step "name $row '$TEXT'"
    click_box NAME_BOX "$row" && replace_text "$TEXT"
}

edit_level() {
    rand 6
    log_step "level Nivel $((R + 1))"
    check "the level list drops down and takes \"Nivel $((R + 1))\"" pick_glass_level "$R"
}

edit_side() {
    log_step "side"
    click_in_settings "$LEFT_SIDE_BOX_X" "$TOOLS_MIDDLE_Y"
}

# edit_layout: "COMPLETO" switches the layout, and the window's height.
edit_layout() {
    local before=$SETTINGS_HEIGHT
    log_step "layout"
    click_in_settings "$FULL_HEIGHT_BOX_X" "$TOOLS_MIDDLE_Y" || return 1
    check "the window takes the other layout" wait_until "$WINDOW_SECONDS" settings_window_resized "$before"
}

# random_edits N: N edits of the kinds above; "COMPLETO" is left alone
# once the low screen disabled it.
random_edits() {
    local kinds=(name name name level level side side) i
    [ "$SMALL_SCREEN_SEEN" = 1 ] || kinds+=(layout layout)
    for ((i = 0; i < $1; i++)); do
        pick "${kinds[@]}"
        "edit_$PICKED" || return 1
    done
}

# settings_file_saved IDENTITY: the file was written anew, well formed.
settings_file_saved() {
    [ "$(file_identity "$(settings_file)")" != "$1" ] && settings_file_well_formed
}

# save_settings: "GUARDAR" writes the file, and the bar is made anew from it.
save_settings() {
    local before
    before=$(file_identity "$(settings_file)")
    click_in_settings "$SAVE_BUTTON_X" "$TOOLS_MIDDLE_Y" || return 1
    SAVES=$((SAVES + 1))
    log_step "save"
    check "\"GUARDAR\" writes the settings file anew: thirty CR LF lines" \
        wait_until "$SAVE_SECONDS" settings_file_saved "$before"
    read_bar_layout
    check "a new bar stands collapsed" wait_until "$SAVE_SECONDS" bar_collapsed_now
}

# close_settings: a click on the first name box makes the window the
# active one; then Alt+F4, which openbox takes, asks it to close. (Without
# a window manager the key reaches Wine, whose combo box keeps every Alt
# key: the click also takes the focus from the level list.)
close_settings() {
    click_box NAME_BOX 0 && xdotool key alt+F4 || return 1
    log_step "Alt+F4"
    check "Alt+F4 closes the settings window" wait_until "$WINDOW_SECONDS" settings_window_gone
}
