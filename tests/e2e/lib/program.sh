# Tavrin.exe under Wine: starting it, and where its windows stand on the
# 1366 x 768 screen of the harness at its scale (scale.sh).

# The splash shows the bar after about 1.7 s; Wine's start on a loaded
# machine takes the rest.
PROGRAM_START_SECONDS=60
# A double-click ends the program at once; Wine needs a moment to unwind.
PROGRAM_EXIT_SECONDS=15

# The collapsed bar: 1 twip wide, drawn as one pixel column.
BAR_COLLAPSED_WIDTH=1
# The bar's back colour, RGB(20, 20, 20).
BAR_BACK_COLOUR=(20 20 20)

# program_geometry: where the program's windows stand at the current scale
# (scale.sh); at 96 dpi a pixel is 15 twips.
program_geometry() {
    local width height
    width=$(screen_twips "$SCREEN_WIDTH")
    height=$(screen_twips "$SCREEN_HEIGHT")
    # The bar spans from 75 twips above the screen to 525 twips below it.
    BAR_TOP=$(px -75)
    BAR_HEIGHT=$(span_px -75 "$(twips_sum "$height" 600)")
    # At the right edge its left is the screen width less its open width of
    # 1590 twips (106 px at 96 dpi); at the left edge it keeps its design
    # left of -45 twips.
    BAR_LEFT_AT_RIGHT_EDGE=$(px "$(twips_sum "$width" -1590)")
    BAR_LEFT_AT_LEFT_EDGE=$(px -45)
    BAR_OPEN_WIDTH=$((SCREEN_WIDTH - BAR_LEFT_AT_RIGHT_EDGE))
    BAR_OPEN_WIDTH_AT_LEFT=$(span_px -45 1590)
    # The clock panel, 7470 x 2100 twips: 750 twips from the screen's left
    # beside a bar at the right edge, 720 above its bottom.
    CLOCK_PANEL_WIDTH=$(span_px 750 7470)
    CLOCK_PANEL_TOP=$(px "$(twips_sum "$height" -2820)")
    CLOCK_PANEL_HEIGHT=$(span_px "$(twips_sum "$height" -2820)" 2100)
    # The splash card, 7815 x 4455 twips, centred on the screen in twips
    # (at 96 dpi the half pixel left over rounds up, to (423, 236)).
    local left top
    left=$(LC_ALL=C awk -v w="$width" 'BEGIN { print (w - 7815) / 2 }')
    top=$(LC_ALL=C awk -v h="$height" 'BEGIN { print (h - 4455) / 2 }')
    SPLASH_LEFT=$(px "$left")
    SPLASH_TOP=$(px "$top")
    SPLASH_WIDTH=$(span_px "$left" 7815)
    SPLASH_HEIGHT=$(span_px "$top" 4455)
}
program_geometry

# Where the cursor waits while the program starts: away from the bar on
# either side, off the splash card and off the clock panel, so no tile
# lights up and a new bar collapses as it would on a desktop.
PARKED_CURSOR=(683 150)

PROGRAM_PID=""

# program_start LOG: starts the program from its build directory.
program_start() {
    move_pointer "${PARKED_CURSOR[@]}"
    wine_start "$1" "$BUILD_DIR" "$BUILD_DIR/Tavrin.exe"
    PROGRAM_PID=$WINE_LAST_PID
}

program_running() {
    wine_running "$PROGRAM_PID"
}

program_exited() {
    wine_exited "$PROGRAM_PID"
}

# bar_open_width LEFT: the open bar's width in pixels, at the left edge or
# at the right; the edges' rounding may make them differ by one.
bar_open_width() {
    [ "$1" = "$BAR_LEFT_AT_LEFT_EDGE" ] && echo "$BAR_OPEN_WIDTH_AT_LEFT" || echo "$BAR_OPEN_WIDTH"
}

# bar_open_at LEFT: the bar stands open with its left at LEFT.
bar_open_at() {
    window_at "$1" "$BAR_TOP" "$(bar_open_width "$1")" "$BAR_HEIGHT"
}

# bar_collapsed_at [--all] LEFT: the bar stands collapsed with its left at
# LEFT; with --all its X window may be unmapped, as it is off the screen.
bar_collapsed_at() {
    window_at "$@" "$BAR_TOP" "$BAR_COLLAPSED_WIDTH" "$BAR_HEIGHT"
}

# The bar is mapped, open or not, and the splash is gone.
bar_shown_without_splash() {
    local windows
    windows=$(program_windows)
    grep -q " $BAR_HEIGHT\$" <<<"$windows" &&
        ! grep -qx -- "-*[0-9]* -*[0-9]* $SPLASH_WIDTH $SPLASH_HEIGHT" <<<"$windows"
}

# resting_on_corners COLUMN HEIGHT: the bar's tripwires lie on the corner
# pixels of the screen's column COLUMN, top and bottom of HEIGHT rows.
resting_on_corners() {
    window_at "$1" 0 1 1 && window_at "$1" $(($2 - 1)) 1 1
}

# wait_for_collapsed_bar [--all] LEFT: waits for the bar at LEFT, or says
# where the program's windows are instead.
wait_for_collapsed_bar() {
    wait_until "$PROGRAM_START_SECONDS" bar_collapsed_at "$@" && return 0
    program_running || echo "  the program is no longer running"
    show_program_windows
    return 1
}

# No X window of the program, mapped or not, is a bar at the right edge.
no_bar_at_right() {
    ! program_windows --all | grep -q "^$BAR_LEFT_AT_RIGHT_EDGE $BAR_TOP .* $BAR_HEIGHT\$"
}
