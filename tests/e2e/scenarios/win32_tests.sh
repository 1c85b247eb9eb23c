# The GoogleTest suite of the Win32 window system, on the same screen,
# prefix and regional settings as the program.

# The suite opens windows and a few processes; on a loaded machine under
# Wine that takes minutes, not more.
WIN32_TESTS_SECONDS=900

# run_win32_tests NAME [ARGUMENTS...]: runs the suite with GoogleTest's
# arguments, its output in the log NAME.log.
run_win32_tests() {
    local exe="$BUILD_DIR/tavrin_win32_tests.exe"
    local log="$LOGS/$1.log"
    shift
    expect "tavrin_win32_tests.exe is built" test -f "$exe" || return 1
    # The bar loaded by the tests reads no settings file: it stands as designed.
    remove_settings_file
    wine_start "$log" "$BUILD_DIR" "$exe" --gtest_color=no "$@"
    local pid=$WINE_LAST_PID
    expect "the Win32 tests end within $WIN32_TESTS_SECONDS s" \
        wait_until "$WIN32_TESTS_SECONDS" wine_exited "$pid" || return 1
    local status=0
    wait "$pid" || status=$?
    grep -E '^\[  (PASSED|FAILED)  \]|^\[==========\] .* ran' "$log" | sed 's/^/  /' || true
    expect "the Win32 tests pass (log: $log)" test "$status" -eq 0
}

scenario_win32_tests() {
    run_win32_tests win32_tests
}
