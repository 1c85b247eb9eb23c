# The start, for the corner scenario: a white splash card, 521 x 297 px and
# centred on the screen, is up before the bar's window exists; then the bar
# comes and the card goes.

# (Its place and size: program.sh.)
# A patch of the card right of the name and above the sweeping bars: white
# from the first frame to the last.
SPLASH_WHITE_PATCH=(400 20 100 30)

splash_shown() {
    window_at "$SPLASH_LEFT" "$SPLASH_TOP" "$SPLASH_WIDTH" "$SPLASH_HEIGHT"
}

# The splash is mapped, and after that no X window of the bar exists (a bar
# once made stays, so it did not exist when the splash was seen either).
splash_without_bar() {
    splash_shown && ! program_windows --all | grep -q " $BAR_HEIGHT\$"
}

# splash_card_white FILE: a screenshot taken while the splash stands shows
# the patch of its card white.
splash_card_white() {
    local x=$((SPLASH_LEFT + SPLASH_WHITE_PATCH[0])) y=$((SPLASH_TOP + SPLASH_WHITE_PATCH[1]))
    local w=${SPLASH_WHITE_PATCH[2]} h=${SPLASH_WHITE_PATCH[3]}
    screenshot "$1" && splash_shown &&
        [ "$(colour_count "$1" "$x" "$y" "$w" "$h" 255 255 255)" -eq $((w * h)) ]
}

# expect_splash_then_bar: a program just started shows its splash before
# any bar window, then the bar, and the splash goes.
expect_splash_then_bar() {
    if ! expect "the splash, $SPLASH_WIDTH x $SPLASH_HEIGHT px at ($SPLASH_LEFT, $SPLASH_TOP), stands before any bar window" \
        wait_until "$PROGRAM_START_SECONDS" splash_without_bar; then
        show_program_windows
        return 1
    fi
    expect "a screenshot shows the splash card white" \
        wait_until 5 splash_card_white "$SHOTS/splash.png" || return 1
    expect "then the bar is shown and the splash is gone" \
        wait_until "$PROGRAM_START_SECONDS" bar_shown_without_splash
}
