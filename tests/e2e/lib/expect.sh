# Checks that say what they checked and how long it took. Scenario
# functions run inside an `if`, where bash ignores `set -e`, so every step
# returns its own failure.

# elapsed_since START: seconds since START (an $EPOCHREALTIME, which has the
# locale's decimal sign), to 0.1 s.
elapsed_since() {
    LC_ALL=C awk -v start="${1/,/.}" -v now="${EPOCHREALTIME/,/.}" \
        'BEGIN { printf "%.1f", now - start }'
}

# between_ms FROM TO: milliseconds between two $EPOCHREALTIME readings.
between_ms() {
    LC_ALL=C awk -v a="${1/,/.}" -v b="${2/,/.}" 'BEGIN { printf "%.0f", (b - a) * 1000 }'
}

# expect DESCRIPTION COMMAND...: runs COMMAND and reports DESCRIPTION as met
# or failed; returns COMMAND's success.
expect() {
    local description=$1
    shift
    local started=$EPOCHREALTIME
    if "$@"; then
        echo "  ok ($(elapsed_since "$started") s): $description"
    else
        echo "  FAILED ($(elapsed_since "$started") s): $description" >&2
        return 1
    fi
}
