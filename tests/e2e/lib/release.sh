# What scripts/package makes, tried as a Windows user gets it: in a fresh
# Wine prefix, where nothing of the harness's prefix can help it.

# release_file NAME_PATTERN: the newest file of dist/ so named, made by
# scripts/package when there is none; prints its path, says its size.
release_file() {
    local file
    file=$(ls -t "$ROOT"/dist/$1 2>/dev/null | head -n 1)
    if [ -z "$file" ]; then
        echo "  no $1 in dist/: running scripts/package" >&2
        "$ROOT/scripts/package" >"$LOGS/package-build.log" 2>&1 ||
            { echo "  scripts/package failed; see $LOGS/package-build.log" >&2; return 1; }
        file=$(ls -t "$ROOT"/dist/$1 2>/dev/null | head -n 1)
    fi
    echo "  $(basename "$file"): $(stat -c %s "$file") bytes" >&2
    echo "$file"
}

# in_fresh_prefix NAME COMMAND...: runs COMMAND with build/e2e/NAME as the
# prefix, removed and made anew at the harness's scale; a failure leaves a
# screenshot. Every process of that prefix ends, and the harness's prefix
# is back, after it.
in_fresh_prefix() {
    local name=$1 harness_prefix=$WINEPREFIX status=0 started=$EPOCHREALTIME
    shift
    rm -rf "${E2E_DIR:?}/$name"
    wine_environment "$E2E_DIR/$name" "$REGIONAL_SETTINGS"
    if prefix_ready "$LOGS/$name-wineboot.log" && wine_set_dpi "$DPI"; then
        echo "  a fresh prefix $WINEPREFIX in $(elapsed_since "$started") s"
        "$@" || status=1
    else
        status=1
    fi
    [ "$status" -eq 0 ] || screenshot "$SHOTS/$name-failed.png" 2>/dev/null || true
    # The prefix's wineserver ends while WINEPREFIX still names it.
    wine_stop_all
    wine_environment "$harness_prefix" "$REGIONAL_SETTINGS"
    return "$status"
}
