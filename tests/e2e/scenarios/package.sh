# The release package as a Windows user gets it: dist/Tavrin-*-win64.zip
# (made by scripts/package when there is none) holds exactly Tavrin.exe,
# stripped, and LEAME.txt. Unpacked into a folder of the user's in a fresh
# Wine prefix of its own, where nothing of the harness's prefix can help
# it, the program starts from that folder; the bar opens at its corner, its
# settings tile opens the settings window, where a user's edits and
# "GUARDAR" write C:\Program Files\Norvane.txt, with no per-user copy, and
# bring the bar anew at the left (settings_window.sh). The harness's prefix
# is back in place afterwards.

# What the zip holds, in the order unzip lists names sorted.
PACKAGE_FILES=(LEAME.txt Tavrin.exe)
# Where a user unpacks it, as LEAME.txt suggests: a folder of their own.
PACKAGE_FOLDER_NAME=Tavrin
# The fresh prefix, removed and made anew on every run.
PACKAGE_PREFIX_NAME=package-prefix
# LEAME.txt is read by Notepad: UTF-8 with a byte-order mark.
UTF8_BOM=$'\xEF\xBB\xBF'
# package_zip: the newest release zip in dist/; nothing when there is none.
package_zip() {
    ls -t "$ROOT"/dist/Tavrin-*-win64.zip 2>/dev/null | head -n 1
}

# zip_holds_exactly ZIP NAME...: the archive is sound and holds these files
# at its top, no others.
zip_holds_exactly() {
    unzip -tq "$1" >/dev/null || return 1
    local listed
    listed=$(unzip -Z1 "$1" | LC_ALL=C sort)
    shift
    [ "$listed" = "$(printf '%s\n' "$@")" ] || { echo "  the zip holds: $(tr "\n" " " <<<"$listed")"; return 1; }
}

# stripped_windows_program FILE: an x86-64 PE program without debug
# sections or a symbol table.
stripped_windows_program() {
    local objdump=x86_64-w64-mingw32-objdump
    "$objdump" -f "$1" | grep -q 'file format pei-x86-64' &&
        ! "$objdump" -h "$1" | grep -q '\.debug' &&
        "$objdump" -t "$1" | grep -qx 'no symbols'
}

# readme_for_windows FILE VERSION: UTF-8 with a byte-order mark, every line
# ended by CR LF, naming the version and the settings file.
readme_for_windows() {
    [ "$(head -c 3 "$1")" = "$UTF8_BOM" ] &&
        [ "$(grep -c $'\r$' "$1")" -eq "$(wc -l <"$1")" ] &&
        iconv -f UTF-8 -t UTF-8 "$1" >/dev/null &&
        grep -q "Tavrin $2" "$1" && grep -qF 'C:\Program Files\Norvane.txt' "$1"
}

# no_per_user_copy: Wine lets the program write C:\Program Files, so no
# copy of the settings goes to the VirtualStore.
no_per_user_copy() {
    ! compgen -G "$WINEPREFIX/drive_c/users/*/AppData/Local/VirtualStore/Program Files/Norvane.txt" >/dev/null
}

# package_checks ZIP: what the zip holds, before anything runs.
package_checks() {
    local zip=$1 version
    version=$(basename "$zip" | sed 's/^Tavrin-\(.*\)-win64\.zip$/\1/')
    echo "  $(basename "$zip"): $(stat -c %s "$zip") bytes, version $version"
    expect "the zip is sound and holds exactly ${PACKAGE_FILES[*]}" \
        zip_holds_exactly "$zip" "${PACKAGE_FILES[@]}" || return 1
    local look="$E2E_DIR/package-contents"
    rm -rf "$look"
    unzip -q "$zip" -d "$look" || return 1
    expect "its Tavrin.exe ($(stat -c %s "$look/Tavrin.exe") bytes) is an x86-64 Windows program, stripped" \
        stripped_windows_program "$look/Tavrin.exe" || return 1
    expect "its LEAME.txt is UTF-8 with a byte-order mark and CR LF lines, names Tavrin $version and C:\\Program Files\\Norvane.txt" \
        readme_for_windows "$look/LEAME.txt" "$version"
}

# package_run ZIP: in the fresh prefix, from the unpacked folder to the
# saved settings.
package_run() {
    local zip=$1
    local started=$EPOCHREALTIME
    prefix_ready "$LOGS/package-wineboot.log" && wine_set_dpi "$DPI" || return 1
    echo "  a fresh prefix $WINEPREFIX in $(elapsed_since "$started") s"
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
    zip=$(package_zip)
    if [ -z "$zip" ]; then
        echo "  no release zip in dist/: running scripts/package"
        "$ROOT/scripts/package" >"$LOGS/package-build.log" 2>&1 ||
            { echo "  scripts/package failed; see $LOGS/package-build.log" >&2; return 1; }
        zip=$(package_zip)
    fi
    package_checks "$zip" || return 1

    local harness_prefix=$WINEPREFIX status=0
    rm -rf "${E2E_DIR:?}/$PACKAGE_PREFIX_NAME"
    wine_environment "$E2E_DIR/$PACKAGE_PREFIX_NAME" "$REGIONAL_SETTINGS"
    package_run "$zip" || status=1
    [ "$status" -eq 0 ] || screenshot "$SHOTS/package-failed.png" 2>/dev/null || true
    # The program and the fresh prefix's wineserver end here, while
    # WINEPREFIX still names that prefix.
    wine_stop_all
    wine_environment "$harness_prefix" "$REGIONAL_SETTINGS"
    return "$status"
}
