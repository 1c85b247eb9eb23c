# Where the bar stands, from the screen's size and the side and layout the
# settings file holds (each save makes the bar anew from it), and the
# moves that open and leave it.

# The soak's X server has two modes (tests/e2e/lib/xorg-dummy.conf).
BIG_MODE=(1366 768)
SMALL_MODE_SIZE=(1024 600)
SCREEN=("${BIG_MODE[@]}")
# A mode change and a new bar: on a loaded machine, seconds.
RESIZE_SECONDS=30
# The bar reaches from 5 px above the screen to 35 px below it.
BAR_REACH=40
SAVED_LEFT_SIDE=0
# The tiles, 100 px apart: the full bar's seven start 35 px down the
# screen, the short bar's five 135 px (on 1366 x 768); the settings tile
# is the last.
TILES=7
TILES_TOP=35
# The corner of a dwell under way, "X Y"; empty once the bar opened.
DWELL_CORNER=""

# read_bar_layout: the side (line 20, 1 for the left) and the layout (line
# 28, 1 for seven tiles) the settings file holds now.
read_bar_layout() {
    local lines
    mapfile -t lines < <(tr -d '\r' <"$(settings_file)")
    SAVED_LEFT_SIDE=${lines[19]}
    if [ "${lines[27]}" = 1 ]; then TILES=7 TILES_TOP=35; else TILES=5 TILES_TOP=135; fi
}

bar_left_now() {
    [ "$SAVED_LEFT_SIDE" = 1 ] && echo "$BAR_LEFT_AT_LEFT_EDGE" || echo $((SCREEN[0] - BAR_OPEN_WIDTH))
}

# edge_column: the column of the bar's edge, where its hot corners lie.
edge_column() {
    [ "$SAVED_LEFT_SIDE" = 1 ] && echo 0 || echo $((SCREEN[0] - 1))
}

# corner_point top|bottom: the hot corner's pixel, "X Y".
corner_point() {
    [ "$1" = top ] && echo "$(edge_column) 0" || echo "$(edge_column) $((SCREEN[1] - 1))"
}

move_to_middle() {
    move_pointer $((SCREEN[0] / 2)) $((SCREEN[1] / 2))
}

bar_collapsed_now() {
    window_at --all "$(bar_left_now)" "$BAR_TOP" "$BAR_COLLAPSED_WIDTH" $((SCREEN[1] + BAR_REACH))
}

bar_open_now() {
    window_at "$(bar_left_now)" "$BAR_TOP" "$BAR_OPEN_WIDTH" $((SCREEN[1] + BAR_REACH))
}

# The bar rests: its tripwires, 1 x 1 windows, lie mapped on the corners.
bar_resting_now() {
    resting_on_corners "$(edge_column)" "${SCREEN[1]}"
}

# dwell top|bottom: the cursor resting on the hot corner of the resting
# bar opens it; when it does not, the report tells whether the corner went
# deaf.
dwell() {
    local corner
    read -ra corner <<<"$(corner_point "$1")"
    check "the bar rests on its tripwires" wait_until "$CLOSE_SECONDS" bar_resting_now
    move_pointer "${corner[@]}" || return 1
    log_step "dwell $1"
    DWELL_CORNER=${corner[*]}
    check "resting on the $1 corner (${corner[*]}) opens the bar" wait_until "$OPEN_SECONDS" bar_open_now
    DWELL_CORNER=""
}

# leave_bar: the cursor to the screen's middle; the bar collapses.
leave_bar() {
    move_to_middle || return 1
    check "leaving it collapses the bar" wait_until "$CLOSE_SECONDS" bar_collapsed_now
}

# settings_tile_point: POINT is a random point of the settings tile's face,
# above its caption.
settings_tile_point() {
    local middle=$(($(bar_left_now) + BAR_OPEN_WIDTH / 2)) top=$((TILES_TOP + TILE_PITCH * (TILES - 1)))
    rand_between $((middle - 20)) $((middle + 20))
    POINT=("$R" 0)
    rand_between $((top + 10)) $((top + 55))
    POINT[1]=$R
}
