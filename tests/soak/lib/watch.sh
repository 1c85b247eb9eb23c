# What must hold throughout: the program lives, its memory and its X
# windows stay within bounds measured after a warm-up, and every cycle
# ends with the bar collapsed and resting. A check that fails ends the
# soak with a report that names the seed.

# How much the program's resident memory may grow past its size after the
# warm-up, in KiB: Wine's heaps grow in steps as windows come and go, by
# less than 3 MiB in a soak of five minutes; a leak of 30 KiB a cycle
# passes this within the hour (some 300 cycles) the soak is meant to run.
RSS_MARGIN_KIB=$((8 * 1024))
# How many more X windows the program may have at the end of a cycle than
# after the warm-up: a window on its way out (the settings window takes
# about 2 s to go under Wine) is waited for; this is room for one more.
WINDOW_MARGIN=1
# The bounds, RSS_BOUND_KIB and WINDOW_BOUND, are set after the warm-up.
RSS_MAX_KIB=0
WINDOWS_MAX=0
SAVES=0
CYCLE=0
CYCLE_KIND=warm-up
CYCLE_STEPS=()
REPORTED=0

# log_step TEXT: a step of the cycle, for its line and for a report.
log_step() {
    CYCLE_STEPS+=("$1")
    echo "    $1" >>"$SOAK_LOG"
}

steps_text() {
    printf '%s; ' "${CYCLE_STEPS[@]}" | sed 's/; $//'
}

# check DESCRIPTION COMMAND...: the end-to-end harness's expect, whose
# lines go to the log; a failure ends the soak, its line the report's.
check() {
    expect "$@" >>"$SOAK_LOG" 2>&1 || soak_fail "$(tail -n 1 "$SOAK_LOG" | sed 's/^ *//')"
}

# soak_fail MESSAGE: reports the failure with what the soak was doing and
# how to run it again, and ends the soak.
soak_fail() {
    set +e
    [ "$REPORTED" = 0 ] || exit 1
    REPORTED=1
    local shot="$SHOTS/failure-cycle-$CYCLE.png"
    screenshot "$shot" 2>/dev/null || shot="(no screenshot)"
    {
        echo "SOAK FAILED in cycle $CYCLE ($CYCLE_KIND) after $((SECONDS - SOAK_STARTED)) s: $1"
        echo "  the cycle's steps: $(steps_text)"
        echo "  seed $SOAK_SEED; again: SOAK_SEED=$SOAK_SEED tests/soak/run $MINUTES"
        if program_running; then
            echo "  Tavrin.exe runs: $(rss_kib) KiB resident, $(program_window_count) X windows"
        else
            echo "  Tavrin.exe is no longer running; the end of its log:"
            tail -n 20 "$PROGRAM_LOG" | sed 's/^/    /'
        fi
        show_program_windows
        # shellcheck disable=SC2086
        [ -z "$DWELL_CORNER" ] || ! window_at $DWELL_CORNER 1 1 ||
            echo "  the tripwire on ($DWELL_CORNER) lies there mapped, under the cursor, and was not told:" \
                "the corner went deaf (README, Performance)"
        echo "  screenshot: $shot; log: $SOAK_LOG; program log: $PROGRAM_LOG"
    } | tee -a "$SOAK_LOG" >&2
    exit 1
}

# rss_kib: the program's resident memory (VmRSS of Tavrin.exe).
rss_kib() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$PROGRAM_PID/status" 2>/dev/null
}

# program_window_count: the program's X windows, mapped or not.
program_window_count() {
    { xdotool search --class "$PROGRAM_WINDOW_CLASS" 2>/dev/null || true; } | wc -l
}

# memory_within_bound: the resident memory, kept with its largest value,
# within its bound once there is one.
memory_within_bound() {
    RSS_NOW_KIB=$(rss_kib)
    [ -n "$RSS_NOW_KIB" ] || return 1
    [ "$RSS_NOW_KIB" -le "$RSS_MAX_KIB" ] || RSS_MAX_KIB=$RSS_NOW_KIB
    [ "$RSS_NOW_KIB" -le "${RSS_BOUND_KIB:-$RSS_NOW_KIB}" ]
}

windows_within_bound() {
    WINDOWS_NOW=$(program_window_count)
    [ "$WINDOWS_NOW" -le "${WINDOW_BOUND:-$WINDOWS_NOW}" ]
}

# The settings file: thirty lines, each ended by CR LF, no other CR; no
# new content left beside it by a save (written to Norvane.txt.new, then
# put in its place).
settings_file_well_formed() {
    local file
    file=$(settings_file)
    [ ! -e "$file.new" ] && [ "$(tr -cd '\n' <"$file" | wc -c)" -eq 30 ] &&
        [ "$(tr -cd '\r' <"$file" | wc -c)" -eq 30 ] && [ "$(grep -c $'\r$' "$file")" -eq 30 ]
}

# The checks that end every cycle: the program runs; with the cursor in the
# middle of the screen the bar collapses and rests, the panel and every
# other window gone; memory and windows within their bounds.
end_of_cycle() {
    move_to_middle || soak_fail "the pointer did not reach the screen's middle"
    check "Tavrin.exe runs" program_running
    check "the bar collapses" wait_until "$CLOSE_SECONDS" bar_collapsed_now
    check "the clock panel's window goes" wait_until "$CLOSE_SECONDS" clock_panel_gone
    check "the bar rests, its tripwires on its corners" wait_until "$CLOSE_SECONDS" bar_resting_now
    check "no settings window is open" settings_window_gone
    check "the settings file holds thirty CR LF lines" settings_file_well_formed
    check "resident memory within its bound (${RSS_BOUND_KIB:-none yet} KiB)" memory_within_bound
    check "X windows within their bound (${WINDOW_BOUND:-none yet})" wait_until "$WINDOW_SECONDS" windows_within_bound
    [ "$WINDOWS_NOW" -le "$WINDOWS_MAX" ] || WINDOWS_MAX=$WINDOWS_NOW
}
