# The bar as the saved settings and the screen make it: where it stands
# collapsed and open, its hot corners, the clock panel beside it, its tiles,
# and whether it rests.

# The two modes of the soak's X server (xorg.conf of screen_size.sh).
BIG_MODE=(1366 768)
SMALL_MODE_SIZE=(1024 600)
SCREEN=("${BIG_MODE[@]}")

# The bar: 106 px wide open, 1 px collapsed, from 5 px above the screen to
# 35 px below it; at the left edge it keeps its design left of -3 px.
BAR_LEFT_AT_LEFT=-3
BAR_REACH_BELOW=40
# Its tiles are 100 px high. The full bar's seven start 35 px down the
# screen, the short bar's five 135 px down (on 1366 x 768); the settings
# tile is the last. A tile's caption lies 64 to 89 px down its face.
TILE_HEIGHT=100
FULL_TILES_TOP=35
SHORT_TILES_TOP=135
FULL_TILES=7
SHORT_TILES=5
CAPTION_DOWN=76
# Points on a tile stay this far from its edges.
TILE_MARGIN=10
# The clock panel beside the bar: 50 px from the screen's left beside a
# right bar, 52 px from its right beside a left bar, 48 px above the bottom.
PANEL_BESIDE_RIGHT=50
PANEL_MARGIN_RIGHT=52
PANEL_MARGIN_BOTTOM=48
# A tile under the cursor turns RGB(50, 50, 50), a pressed one RGB(60, 60,
# 60); a tile counts as lit when at least half of it has the colour (a
# glyph's antialiased edge has a few such pixels, never that many).
HOVER_COLOUR=(50 50 50)
PRESSED_COLOUR=(60 60 60)
LIT_PIXELS=$((BAR_OPEN_WIDTH * TILE_HEIGHT / 2))
# The fade-in goes 1, 11, 21, ... and stops at the first value at or above
# the saved opacity (250 to 200 in steps of 10): Wine publishes that value
# / 255 of 0xFFFFFFFF.
OPACITY_UNIT=$((0x01010101))

bar_height() {
    echo $((SCREEN[1] + BAR_REACH_BELOW))
}

# bar_left_now: the bar's left, open or collapsed, for the saved side.
bar_left_now() {
    if [ "$(saved_left_side)" = 1 ]; then
        echo "$BAR_LEFT_AT_LEFT"
    else
        echo $((SCREEN[0] - BAR_OPEN_WIDTH))
    fi
}

# The column of the bar's edge, where its hot corners lie.
edge_column() {
    if [ "$(saved_left_side)" = 1 ]; then
        echo 0
    else
        echo $((SCREEN[0] - 1))
    fi
}

# corner_point TOP_OR_BOTTOM: the hot corner's pixel, "X Y".
corner_point() {
    if [ "$1" = top ]; then
        echo "$(edge_column) 0"
    else
        echo "$(edge_column) $((SCREEN[1] - 1))"
    fi
}

screen_middle() {
    echo $((SCREEN[0] / 2)) $((SCREEN[1] / 2))
}

bar_collapsed_now() {
    window_at --all "$(bar_left_now)" "$BAR_TOP" "$BAR_COLLAPSED_WIDTH" "$(bar_height)"
}

bar_open_now() {
    window_at "$(bar_left_now)" "$BAR_TOP" "$BAR_OPEN_WIDTH" "$(bar_height)"
}

# The bar rests: its tripwires, 1 x 1 windows, are mapped on the corners.
bar_resting_now() {
    local x
    x=$(edge_column)
    window_at "$x" 0 1 1 && window_at "$x" $((SCREEN[1] - 1)) 1 1
}

panel_left_now() {
    if [ "$(saved_left_side)" = 1 ]; then
        echo $((SCREEN[0] - CLOCK_PANEL_WIDTH - PANEL_MARGIN_RIGHT))
    else
        echo "$PANEL_BESIDE_RIGHT"
    fi
}

panel_shown_now() {
    window_at "$(panel_left_now)" $((SCREEN[1] - CLOCK_PANEL_HEIGHT - PANEL_MARGIN_BOTTOM)) \
        "$CLOCK_PANEL_WIDTH" "$CLOCK_PANEL_HEIGHT"
}

# No X window of the program, mapped or not, is the clock panel.
panel_gone() {
    ! program_windows --all | grep -q -- " $CLOCK_PANEL_WIDTH $CLOCK_PANEL_HEIGHT\$"
}

# open_opacity: _NET_WM_WINDOW_OPACITY of the open bar for the saved opacity.
open_opacity() {
    echo $((($(saved_alpha) + 1) * OPACITY_UNIT))
}

# bar_opacity_is VALUE: the open bar's window has that opacity.
bar_opacity_is() {
    local id
    id=$(program_window_with "$(bar_left_now)" "$BAR_TOP" "$BAR_OPEN_WIDTH" "$(bar_height)")
    [ -n "$id" ] && window_opacity_is "$id" "$1"
}

# Tiles, on the big screen only.
tile_count() {
    if [ "$(saved_full_height)" = 1 ]; then
        echo "$FULL_TILES"
    else
        echo "$SHORT_TILES"
    fi
}

tile_top_now() {
    if [ "$(saved_full_height)" = 1 ]; then
        echo $((FULL_TILES_TOP + TILE_HEIGHT * $1))
    else
        echo $((SHORT_TILES_TOP + TILE_HEIGHT * $1))
    fi
}

settings_tile() {
    echo $(($(tile_count) - 1))
}

# tile_face_point TILE: POINT is a random point of the tile's face above
# its caption, "X Y".
tile_face_point() {
    local left top
    left=$(bar_left_now)
    top=$(tile_top_now "$1")
    rand_between $((left + BAR_OPEN_WIDTH / 2 - 30)) $((left + BAR_OPEN_WIDTH / 2 + 30))
    local x=$R
    rand_between $((top + TILE_MARGIN)) $((top + 55))
    POINT=("$x" "$R")
}

# tile_caption_point TILE: POINT is a point on the tile's caption.
tile_caption_point() {
    local left top
    left=$(bar_left_now)
    top=$(tile_top_now "$1")
    rand_between $((left + BAR_OPEN_WIDTH / 2 - 20)) $((left + BAR_OPEN_WIDTH / 2 + 20))
    POINT=("$R" $((top + CAPTION_DOWN)))
}

# tile_colour_pixels FILE TILE R G B: how many pixels of the tile, on the
# screen, have the colour.
tile_colour_pixels() {
    local left top
    left=$(bar_left_now)
    top=$(tile_top_now "$2")
    local from=$((left < 0 ? 0 : left))
    colour_count "$1" "$from" "$top" $((left + BAR_OPEN_WIDTH - from)) "$TILE_HEIGHT" "$3" "$4" "$5"
}

# tile_lit FILE TILE hover|pressed: a fresh screenshot shows the tile lit so.
tile_lit() {
    local -n colour=${3^^}_COLOUR
    screenshot "$1" && [ "$(tile_colour_pixels "$1" "$2" "${colour[@]}")" -ge "$LIT_PIXELS" ]
}

# no_tile_pressed FILE: a fresh screenshot shows no tile pressed.
no_tile_pressed() {
    local left from
    left=$(bar_left_now)
    from=$((left < 0 ? 0 : left))
    screenshot "$1" &&
        [ "$(colour_count "$1" "$from" 0 $((left + BAR_OPEN_WIDTH - from)) "${SCREEN[1]}" \
            "${PRESSED_COLOUR[@]}")" -lt "$LIT_PIXELS" ]
}
