# The start (splash.sh), then real input on the hot corners: the cursor
# resting 500 ms on a corner pixel of the bar's edge opens the bar (106 px
# wide); the compositor shows the desktop through the open bar, as its
# opacity blends them; a second start ends without a window of its own and
# the running program brings up its settings window; a double-click on the
# open bar's bare background ends the program. (The bar at the left edge:
# settings_window.sh. The collapse once the cursor leaves, the clock panel
# going with it: the soak, after every cycle. The panel's place, the
# windows' opacity, colours and painting, and double-clicks reaching the
# label under the cursor: the Win32 tests. The fade's steps, the splash of
# a second start and a double-click on a tile: the native tests.)

# The dwell, the fade and Wine's timers on a loaded machine.
OPEN_SECONDS=10
# The collapse is at once, but Wine may take a couple of seconds to destroy
# the panel's window.
CLOSE_SECONDS=10

# clock_panel_gone: no X window of the program, mapped or not, is the panel.
clock_panel_gone() {
    ! program_windows --all | grep -qx -- "-*[0-9]* $CLOCK_PANEL_TOP $CLOCK_PANEL_WIDTH $CLOCK_PANEL_HEIGHT"
}

# open_bar_by_corner LEFT CORNER_X CORNER_Y: rests the cursor on the corner
# and waits for the bar to stand open at LEFT.
open_bar_by_corner() {
    local left=$1
    move_pointer "$2" "$3" || return 1
    expect "the cursor resting on ($2, $3) opens the bar: $(bar_open_width "$left") px wide at left $left" \
        wait_until "$OPEN_SECONDS" bar_open_at "$left" || { show_program_windows; return 1; }
}

one_bar_and_its_program() {
    program_running && [ "$(program_windows --all | grep -c " $BAR_HEIGHT\$")" -eq 1 ]
}

# start_again_and_expect_settings: Tavrin.exe started again while it runs.
start_again_and_expect_settings() {
    wine_start "$LOGS/corner_open-second.log" "$BUILD_DIR" "$BUILD_DIR/Tavrin.exe"
    expect "a second start ends" wait_until "$PROGRAM_START_SECONDS" wine_exited "$WINE_LAST_PID" || return 1
    expect "the running program brings up its window \"Tavrin | Configuración:\"" \
        wait_until "$WINDOW_SECONDS" settings_window_open || { show_program_windows; return 1; }
    expect "the first program still runs, with its one bar" one_bar_and_its_program ||
        { show_program_windows; return 1; }
}

# (1300, 2) lies on the open bar's background above its tile panel, which
# starts at y 35 at 96 dpi and at y 10 at 144. (At 192 dpi the short
# panel overhangs the 768 px screen: no background shows.)
OPEN_BACKGROUND_POINT=(1300 2)
# The fade-in climbs from 1 in steps of 10 to the default GlassAlpha of 240
# and stops past it: the open bar's opacity is 241 of 255.
OPEN_BAR_ALPHA=241
# How far a channel the compositor blends may lie from the exact blend.
BLEND_TOLERANCE=2

# open_bar_over_desktop: the colour of the open bar's background over the
# desktop's (desktop.sh), "RED GREEN BLUE", each channel rounded.
open_bar_over_desktop() {
    local i blend=()
    for i in 0 1 2; do
        blend+=($(((OPEN_BAR_ALPHA * BAR_BACK_COLOUR[i] + (255 - OPEN_BAR_ALPHA) * DESKTOP_BACKGROUND[i] + 127) / 255)))
    done
    echo "${blend[*]}"
}

# open_bar_translucent FILE: a fresh screenshot shows the desktop through
# the open bar's background, blended as its opacity gives.
open_bar_translucent() {
    screenshot "$1" && pixel_is "$1" "${OPEN_BACKGROUND_POINT[@]}" $(open_bar_over_desktop) "$BLEND_TOLERANCE"
}

scenario_corner_open() {
    local x=$BAR_LEFT_AT_RIGHT_EDGE
    remove_settings_file
    program_start "$LOGS/corner_open.log"
    expect_splash_then_bar && wait_for_collapsed_bar "$x" || return 1
    open_bar_by_corner "$x" $((SCREEN_WIDTH - 1)) 0 || return 1
    expect "the compositor shows the desktop through the open bar: at (${OPEN_BACKGROUND_POINT[*]}) RGB(${BAR_BACK_COLOUR[*]}) at $OPEN_BAR_ALPHA of 255 over RGB(${DESKTOP_BACKGROUND[*]}) makes RGB($(open_bar_over_desktop)), each within $BLEND_TOLERANCE" \
        wait_until "$OPEN_SECONDS" open_bar_translucent "$SHOTS/corner_open.png" || return 1
    # The cursor stays on the open bar while the program is started again.
    start_again_and_expect_settings || return 1
    double_click_at "${OPEN_BACKGROUND_POINT[@]}" || return 1
    expect "a double-click on the open bar's background at (${OPEN_BACKGROUND_POINT[*]}) ends the program" \
        wait_until "$PROGRAM_EXIT_SECONDS" program_exited
}
