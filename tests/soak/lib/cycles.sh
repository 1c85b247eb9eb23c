# The cycles of the soak: what a user does with the bar in a moment, each
# drawn from the seeded generator.

# Windows makes two presses within 500 ms a double-click, which on the
# bar's background ends the program; presses of the soak are further apart.
PRESS_GAP_MS=600
# Pauses between cursor moves, as a hand's.
MOVE_PAUSE_MS_MOST=300
# A glyph drawn as the folder ("0", the default) shows at least this many
# pixels of its colour on its tile.
FOLDER_GLYPH=0
GLYPH_PIXELS=200

LAST_PRESS_MS=0

now_ms() {
    local t=${EPOCHREALTIME/[.,]/}
    echo $((10#$t / 1000))
}

# press_gap: waits until a press cannot make a double-click with the last.
press_gap() {
    local wait_ms=$((LAST_PRESS_MS + PRESS_GAP_MS - $(now_ms)))
    [ "$wait_ms" -le 0 ] || sleep "$(printf '0.%03d' "$wait_ms")"
}

# click_point X Y: a left click, far enough from the last press.
click_point() {
    move_pointer "$1" "$2" || return 1
    press_gap
    xdotool click 1 || return 1
    LAST_PRESS_MS=$(now_ms)
}

# Every click of the soak keeps that gap, also those of the settings
# window's helpers: two clicks on a glyph box with only a typed key
# between them would be a double-click, which is no click.
click_at() {
    click_point "$@"
}

# dwell_open top|bottom: the cursor resting on the hot corner opens the bar
# to the saved opacity, with the clock panel beside it.
dwell_open() {
    local corner
    read -ra corner <<<"$(corner_point "$1")"
    move_pointer "${corner[@]}" || return 1
    log_step "dwell $1 (${corner[*]})"
    DWELL_CORNER=${corner[*]}
    check "resting on the $1 corner (${corner[*]}) opens the bar at left $(bar_left_now)" \
        wait_until "$OPEN_SECONDS" bar_open_now
    DWELL_CORNER=""
    check "it fades in to opacity $(($(saved_alpha) + 1)) (saved: $(saved_alpha))" \
        wait_until "$OPEN_SECONDS" bar_opacity_is "$(open_opacity)"
    check "the clock panel stands beside it" wait_until "$OPEN_SECONDS" panel_shown_now
}

# leave_bar: the cursor to the screen's middle; the bar collapses.
leave_bar() {
    local middle
    read -ra middle <<<"$(screen_middle)"
    move_pointer "${middle[@]}" || return 1
    check "leaving it collapses the bar" wait_until "$CLOSE_SECONDS" bar_collapsed_now
    check "and the clock panel goes" wait_until "$CLOSE_SECONDS" panel_gone
}

# tiles_in_saved_colours: every tile whose glyph is the folder shows it
# in its saved colour.
tiles_in_saved_colours() {
    local shot="$SHOTS/open-bar.png" tile glyph colour n
    screenshot "$shot" || return 1
    for ((tile = 0; tile < $(tile_count); tile++)); do
        if [ "$tile" -eq "$(settings_tile)" ]; then
            glyph=${SAVED[LINE_GLYPHS + SETTINGS_ROW]} colour=${SAVED[LINE_SETTINGS_TILE_COLOUR]}
        else
            glyph=${SAVED[LINE_GLYPHS + tile]} colour=${SAVED[LINE_COLOURS + tile]}
        fi
        [ "$glyph" = "$FOLDER_GLYPH" ] || continue
        n=$(tile_colour_pixels "$shot" "$tile" $((colour & 255)) $((colour >> 8 & 255)) $((colour >> 16)))
        if [ "$n" -lt "$GLYPH_PIXELS" ]; then
            echo "  tile $tile: $n pixels of colour $colour" >>"$SOAK_LOG"
            return 1
        fi
    done
}

# Cursor moves: jumps about the screen, along the bar's edge, over the open
# bar's place and brief touches of a hot corner, which may open the bar.
cycle_moves() {
    rand_between 3 8
    local moves=$R i kinds=() point left
    for ((i = 0; i < moves; i++)); do
        pick_weighted anywhere:4 edge:2 bar:2 touch:1
        kinds+=("$PICKED")
        case $PICKED in
        anywhere)
            rand "${SCREEN[0]}"
            point=("$R")
            rand "${SCREEN[1]}"
            point+=("$R")
            ;;
        edge)
            rand_between 1 $((SCREEN[1] - 2))
            point=("$(edge_column)" "$R")
            ;;
        bar)
            left=$(bar_left_now)
            rand_between $((left < 0 ? 0 : left)) $((left + BAR_OPEN_WIDTH - 1))
            point=("$R")
            rand "${SCREEN[1]}"
            point+=("$R")
            ;;
        touch)
            pick top bottom
            read -ra point <<<"$(corner_point "$PICKED")"
            ;;
        esac
        rand $((MOVE_PAUSE_MS_MOST + 1))
        echo "    move ($PICKED) to ${point[*]}, then ${R} ms" >>"$SOAK_LOG"
        move_pointer "${point[@]}" || return 1
        sleep "$(printf '0.%03d' "$R")"
    done
    log_step "${kinds[*]}"
    check_alive
}

# Both hot corners, in a drawn order: each opens the bar, which collapses
# when the cursor leaves; the tiles show their saved colours.
cycle_corners() {
    local first second
    pick top bottom
    first=$PICKED
    second=$([ "$first" = top ] && echo bottom || echo top)
    dwell_open "$first"
    check "the tiles with the folder glyph show their saved colours" tiles_in_saved_colours
    leave_bar
    dwell_open "$second"
    leave_bar
    check_alive
}

# A tile under the cursor lights up.
tile_hover() {
    tile_face_point "$1"
    move_pointer "${POINT[@]}" || return 1
    log_step "hover $1"
    check "tile $1 lights up under the cursor" wait_until "$WINDOW_SECONDS" tile_lit "$SHOTS/tiles.png" "$1" hover
}

# A press on a tile's face, released over another tile: the tile darkens
# while pressed, opens nothing, and the tile under the cursor lights up.
tile_press_away() {
    local from=$1 to
    rand $(($(tile_count) - 1))
    to=$(((from + 1 + R) % $(tile_count)))
    tile_face_point "$from"
    move_pointer "${POINT[@]}" || return 1
    press_gap
    xdotool mousedown 1 || return 1
    LAST_PRESS_MS=$(now_ms)
    log_step "press $from, release on $to"
    check "tile $from darkens while pressed" wait_until "$WINDOW_SECONDS" tile_lit "$SHOTS/tiles.png" "$from" pressed
    tile_face_point "$to"
    move_pointer "${POINT[@]}" && xdotool mouseup 1 && move_pointer $((POINT[0] + 1)) "${POINT[1]}" || return 1
    check "released over tile $to, no tile stays pressed and tile $to lights up" \
        wait_until "$WINDOW_SECONDS" tile_released_over "$to"
}

tile_released_over() {
    no_tile_pressed "$SHOTS/tiles.png" && tile_lit "$SHOTS/tiles.png" "$1" hover
}

# A click on a tile's caption darkens its face while pressed and opens
# nothing.
tile_caption_click() {
    tile_caption_point "$1"
    click_point "${POINT[@]}" && move_pointer $((POINT[0] + 1)) "${POINT[1]}" || return 1
    log_step "click caption $1"
    check "after a click on tile $1's caption it is lit, not pressed" \
        wait_until "$WINDOW_SECONDS" tile_released_over "$1"
}

# Hovers and presses over the open bar; none ends in a click on a face,
# which would open a folder or the settings window.
cycle_tiles() {
    pick top bottom
    dwell_open "$PICKED"
    rand_between 2 5
    local steps=$R i
    for ((i = 0; i < steps; i++)); do
        rand "$(tile_count)"
        local tile=$R
        pick_weighted hover:2 press:2 caption:1
        case $PICKED in
        hover) tile_hover "$tile" ;;
        press) tile_press_away "$tile" ;;
        caption) tile_caption_click "$tile" ;;
        esac
    done
    check_alive
}

# The settings window from the bar's settings tile: a few edits, usually
# saved, sometimes more edits after the save, which closing drops.
cycle_settings() {
    pick top bottom
    dwell_open "$PICKED"
    tile_face_point "$(settings_tile)"
    click_point "${POINT[@]}" || return 1
    log_step "settings tile"
    window_model_open
    check "the settings tile opens the settings window, $(settings_height_now) px high" \
        wait_until "$WINDOW_SECONDS" settings_window_as_modelled
    rand_between 1 4
    local edits=$R i
    for ((i = 0; i < edits; i++)); do
        random_edit
    done
    if chance 80; then
        save_settings
        if chance 30; then
            rand_between 1 2
            edits=$R
            for ((i = 0; i < edits; i++)); do
                random_edit
            done
        fi
    fi
    close_settings
    check_alive
}

# set_screen WIDTH HEIGHT: the X server's mode changes; the bar stands anew
# for it, collapsed and resting on the new corners.
set_screen() {
    xrandr -s "$1x$2" || return 1
    SCREEN=("$1" "$2")
    [ "$2" -ge "${BIG_MODE[1]}" ] || SMALL_SCREEN_SEEN=1
    log_step "screen $1 x $2"
    check "on the $1 x $2 screen the bar stands anew at left $(bar_left_now), $(bar_height) px high" \
        wait_until "$RESIZE_SECONDS" bar_collapsed_now
    check "and rests on its new corners" wait_until "$RESIZE_SECONDS" bar_resting_now
}

# A change to the low screen and back; between them, sometimes the bar
# opened at one of the new corners.
cycle_screen() {
    local middle
    read -ra middle <<<"$(screen_middle)"
    move_pointer "${middle[@]}" || return 1
    set_screen "${SMALL_MODE_SIZE[@]}"
    if chance 50; then
        pick top bottom
        dwell_open "$PICKED"
        leave_bar
    fi
    set_screen "${BIG_MODE[@]}"
    check_alive
}

# The warm-up: every kind of cycle but the screen's change, in a fixed
# order, before memory and windows are measured for their bounds; Wine
# loads much on first use.
warm_up() {
    cycle_corners
    cycle_tiles
    cycle_settings
}

# One cycle of a drawn kind. The screen's change waits for a few cycles:
# the low screen disables "COMPLETO" for the program's life, so the
# layouts are switched first.
SCREEN_FIRST_CYCLE=4

run_cycle() {
    local kinds=(moves:2 corners:2 tiles:2 settings:4)
    [ "$CYCLE" -lt "$SCREEN_FIRST_CYCLE" ] || kinds+=(screen:1)
    pick_weighted "${kinds[@]}"
    CYCLE_KIND=$PICKED
    "cycle_$CYCLE_KIND"
}
