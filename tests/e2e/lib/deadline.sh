# Bounded waits: every wait in the harness polls a condition against a
# deadline; nothing asserts after a fixed sleep.

# Time between two polls of a condition, in seconds: short enough that a
# wait ends soon after its condition holds, long enough not to load the
# machine with xwininfo and import calls.
POLL_INTERVAL=0.1

# wait_until SECONDS COMMAND...: polls COMMAND until it succeeds; fails once
# SECONDS have passed without success.
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep "$POLL_INTERVAL"
    done
}
