# The release package as a Windows user gets it: dist/Tavrin-*-win64.zip,
# made by scripts/package when there is none, unpacked into a folder of
# the user's in a fresh Wine prefix of its own, where nothing of the
# harness's prefix can help it. The program starts from that folder; the
# bar opens at its corner, its settings tile opens the settings window,
# where a user's edits and "GUARDAR" write C:\Program Files\Norvane.txt,
# with no per-user copy, and bring the bar anew at the left
# (settings_window.sh). The harness's prefix is back in place afterwards.

# Where a user unpacks it, as LEAME.txt suggests: a folder of their own.
PACKAGE_FOLDER_NAME=Tavrin
# The fresh prefix, removed and made anew on every run.
PACKAGE_PREFIX_NAME=package-prefix

# no_per_user_copy: Wine lets the program write C:\Program Files, so no
# copy of the settings goes to the VirtualStore.
no_per_user_copy() {
    ! compgen -G "$WINEPREFIX/drive_c/users/*/AppData/Local/VirtualStore/Program Files/Norvane.txt" >/dev/null
}

# package_run ZIP: in the fresh prefix, from the unpacked folder to the
# saved settings.
package_run() {
    local zip=$1
    local user folder windows_folder
    user=$(windows_user_name)
    folder="$WINEPREFIX/drive_c/users/$user/$PACKAGE_FOLDER_NAME"
    windows_folder="C:\\users\\$user\\$PACKAGE_FOLDER_NAME"
    mkdir -p "$folder" && unzip -q "$zip" -d "$folder" || return 1
    expect "unpacked into $windows_folder; no settings file yet" test ! -e "$(settings_file)" || return 1

    move_pointer "${PARKED_CURSOR[@]}" || return 1
    wine_start "$LOGS/package.log" "$folder" "$windows_folder\\Tavrin.exe"
    PROGRAM_PID=$WINE_LAST_PID
    expect "Tavrin.exe started from that folder shows its bar" \
        wait_for_collapsed_bar "$BAR_LEFT_AT_RIGHT_EDGE" || return 1

    # The settings window as a user works it (settings_window.sh).
    local expected="$LOGS/package-expected.txt"
    expected_settings "$expected"
    open_settings_from_bar "$BAR_LEFT_AT_RIGHT_EDGE" $((SCREEN_WIDTH - 1)) 0 "$BAR_MIDDLE_AT_RIGHT" || return 1
    edit_and_save "$expected" || return 1
    expect "the file is drive_c/Program Files/Norvane.txt; no per-user copy in the VirtualStore" \
        no_per_user_copy || return 1
    check_new_bar
}

scenario_package() {
    local zip
    zip=$(release_file 'Tavrin-*-win64.zip') && in_fresh_prefix "$PACKAGE_PREFIX_NAME" package_run "$zip"
}
