# What must hold throughout: the program lives; the settings file is
# always thirty valid lines holding what was last saved; its memory and
# its X windows stay within bounds measured at the start. A check that
# fails ends the soak with a report that names the seed.

# How much the program's resident memory may grow past its size after the
# warm-up, in KiB: Wine's heaps grow in steps as windows come and go, by
# less than 3 MiB in a soak of five minutes; a leak of 30 KiB a cycle
# passes this within the hour (some 300 cycles) the soak is meant to run.
RSS_MARGIN_KIB=$((8 * 1024))
# How many more X windows the program may have at the end of a cycle than
# after the warm-up: a window on its way out (the settings window takes
# about 2 s to go under Wine) is waited for; this is room for one more.
WINDOW_MARGIN=1

RSS_START_KIB=""
RSS_BASE_KIB=""
RSS_NOW_KIB=""
RSS_MAX_KIB=0
WINDOWS_START=""
WINDOWS_BASE=""
WINDOWS_NOW=""
WINDOWS_MAX=0
SAVES=0
# The settings file's inode and modification time after the last save:
# between saves nothing writes it.
SAVED_IDENTITY=""
CYCLE=0
CYCLE_KIND=warm-up
CYCLE_STEPS=()

# log_step TEXT: a step of the cycle, for its line and for a report.
log_step() {
    CYCLE_STEPS+=("$1")
    echo "    $1" >>"$SOAK_LOG"
}

# check DESCRIPTION COMMAND...: COMMAND must succeed; else the soak ends.
check() {
    local description=$1
    shift
    local started=$EPOCHREALTIME
    if "$@"; then
        echo "    ok ($(elapsed_since "$started") s): $description" >>"$SOAK_LOG"
        return 0
    fi
    soak_fail "$description (gave up after $(elapsed_since "$started") s)"
}

REPORTED=0

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
        dead_corner_note
        settings_file_as_saved || show_settings_difference "$EXPECTED_FILE"
        echo "  screenshot: $shot; log: $SOAK_LOG; program log: $PROGRAM_LOG"
    } | tee -a "$SOAK_LOG" >&2
    exit 1
}

# steps_text: the cycle's steps so far, in one line.
steps_text() {
    local steps
    steps=$(printf '%s; ' "${CYCLE_STEPS[@]}")
    echo "${steps%; }"
}

# The corner of a dwell under way, "X Y"; empty once the bar opened.
DWELL_CORNER=""

# dead_corner_note: after a dwell that did not open the bar, says whether
# the corner's tripwire lay there mapped all the same: then it was not told
# of the cursor, the corner went dead (README, Performance).
dead_corner_note() {
    [ -n "$DWELL_CORNER" ] || return 0
    # shellcheck disable=SC2086
    if window_at $DWELL_CORNER 1 1; then
        echo "  the tripwire on ($DWELL_CORNER) lies there mapped, under the cursor, and was not told:" \
            "the corner went dead (README, Performance: under Wine a corner can go dead)"
    fi
}

# rss_kib: the program's resident memory (VmRSS of Tavrin.exe).
rss_kib() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$PROGRAM_PID/status" 2>/dev/null
}

# program_window_count: the program's X windows, mapped or not.
program_window_count() {
    { xdotool search --class "$PROGRAM_WINDOW_CLASS" 2>/dev/null || true; } | wc -l
}

# sample_memory: reads the resident memory and keeps its largest value.
sample_memory() {
    RSS_NOW_KIB=$(rss_kib)
    [ -n "$RSS_NOW_KIB" ] || soak_fail "Tavrin.exe is gone"
    [ "$RSS_NOW_KIB" -le "$RSS_MAX_KIB" ] || RSS_MAX_KIB=$RSS_NOW_KIB
}

# The settings file: thirty lines in Windows-1252, each ended by CR LF and
# holding no other CR or LF; no new content left beside it by a save
# (written to Norvane.txt.new, then put in its place).
settings_file_valid() {
    local file
    file=$(settings_file)
    [ ! -e "$file.new" ] &&
        [ "$(tr -cd '\n' <"$file" | wc -c)" -eq "$SETTINGS_LINE_COUNT" ] &&
        [ "$(tr -cd '\r' <"$file" | wc -c)" -eq "$SETTINGS_LINE_COUNT" ] &&
        [ "$(grep -c $'\r$' "$file")" -eq "$SETTINGS_LINE_COUNT" ] &&
        iconv -f CP1252 -t UTF-8 "$file" >/dev/null 2>&1
}

settings_file_as_saved() {
    cmp -s "$EXPECTED_FILE" "$(settings_file)"
}

settings_file_untouched() {
    [ "$(file_identity "$(settings_file)")" = "$SAVED_IDENTITY" ]
}

rss_within_bound() {
    sample_memory
    [ "$RSS_NOW_KIB" -le $((RSS_BASE_KIB + RSS_MARGIN_KIB)) ]
}

windows_within_bound() {
    WINDOWS_NOW=$(program_window_count)
    [ "$WINDOWS_NOW" -le $((WINDOWS_BASE + WINDOW_MARGIN)) ]
}

no_explorer_window() {
    [ -z "$(xdotool search --onlyvisible --class "$FOLDER_WINDOW_CLASS" 2>/dev/null)" ]
}

# The checks after every step.
check_alive() {
    check "Tavrin.exe runs" program_running
    sample_memory
}

# The checks that end every cycle: the cursor in the middle of the screen,
# the bar collapsed and resting, the panel gone, nothing left open, the
# file as last saved, memory and windows within their bounds.
end_of_cycle() {
    local middle
    read -ra middle <<<"$(screen_middle)"
    move_pointer "${middle[@]}" || soak_fail "the pointer did not reach the screen's middle"
    check_alive
    check "the bar collapses at the $(side_name) edge" wait_until "$CLOSE_SECONDS" bar_collapsed_now
    check "the clock panel's window goes" wait_until "$CLOSE_SECONDS" panel_gone
    check "the bar rests, its tripwires on its corners" wait_until "$CLOSE_SECONDS" bar_resting_now
    check "no settings window is open" settings_window_gone
    check "no window of the shell's is open" no_explorer_window
    check "the settings file holds thirty CR LF lines in Windows-1252, nothing beside it" \
        settings_file_valid
    check "the settings file holds what was last saved" settings_file_as_saved
    check "and was written by nothing since" settings_file_untouched
    if [ -n "$RSS_BASE_KIB" ]; then
        check "resident memory stays within $RSS_BASE_KIB + $RSS_MARGIN_KIB KiB" rss_within_bound
        check "at most $((WINDOWS_BASE + WINDOW_MARGIN)) X windows" \
            wait_until "$WINDOW_SECONDS" windows_within_bound
    else
        sample_memory
        WINDOWS_NOW=$(program_window_count)
    fi
    [ "$WINDOWS_NOW" -le "$WINDOWS_MAX" ] || WINDOWS_MAX=$WINDOWS_NOW
}
