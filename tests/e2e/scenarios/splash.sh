# The start, for the corner scenario: a white splash card, 521 x 297 px and
# centred on the screen; then the bar comes and the card goes.

# (Its place and size: program.sh.)
# A patch of the card right of the name and above the sweeping bars: white
# from the first frame to the last.
SPLASH_WHITE_PATCH=(400 20 100 30)

splash_shown() {
    window_at "$SPLASH_LEFT" "$SPLASH_TOP" "$SPLASH_WIDTH" "$SPLASH_HEIGHT"
}

# splash_card_white FILE: a screenshot taken while the splash stands shows
# the patch of its card white.
splash_card_white() {
    local x=$((SPLASH_LEFT + SPLASH_WHITE_PATCH[0])) y=$((SPLASH_TOP + SPLASH_WHITE_PATCH[1]))
    local w=${SPLASH_WHITE_PATCH[2]} h=${SPLASH_WHITE_PATCH[3]}
    splash_shown && screenshot "$1" && splash_shown &&
        [ "$(colour_count "$1" "$x" "$y" "$w" "$h" 255 255 255)" -eq $((w * h)) ]
}

# expect_splash_then_bar: a program just started shows its splash, then
# the bar, and the splash goes. (That the bar comes only after the splash:
# the native tests.)
expect_splash_then_bar() {
    expect "a screenshot shows the splash card white, $SPLASH_WIDTH x $SPLASH_HEIGHT px at ($SPLASH_LEFT, $SPLASH_TOP)" \
        wait_until "$PROGRAM_START_SECONDS" splash_card_white "$SHOTS/splash.png" || { show_program_windows; return 1; }
    expect "then the bar is shown and the splash is gone" \
        wait_until "$PROGRAM_START_SECONDS" bar_shown_without_splash
}
