# The installer as a Windows user and an administrator run it, silently,
# in a fresh Wine prefix of its own: dist/Tavrin-*-setup.exe, made by
# scripts/package when there is none. It installs the program, its
# shortcut, its start at sign-in and its entry in Apps & features; a new
# session starts it from the Run value; installing again over the running
# program ends it and starts the new one; uninstalling takes everything
# away but the user's settings file, which no step may touch.

INSTALL_PREFIX_NAME=install-prefix
# An install or an uninstall of a megabyte takes a second or two; Wine's
# start on a loaded machine the rest.
INSTALL_SECONDS=120
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrin'

# The program's processes in this prefix, whatever other prefixes run.
tavrin_processes() {
    local pid
    for pid in $(pgrep -f 'Tavrin\.exe'); do
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
            echo "$pid"
    done
}

# registry_values KEY: "NAME=DATA" for each value of KEY, as reg.exe reads
# them; fails when there is no such key.
registry_values() {
    local output
    output=$(timeout "$REGISTRY_SECONDS" "${WINE_COMMAND[@]}" reg query "$1" 2>/dev/null) || return 1
    tr -d '\r' <<<"$output" | sed -n 's/^    \([^ ]*\)    REG_[A-Z_]*    \(.*\)$/\1=\2/p'
}

# run_wine_program SECONDS PROGRAM [ARGUMENTS...]: PROGRAM ran to its end
# in time and answered 0.
run_wine_program() {
    local seconds=$1
    shift
    timeout "$seconds" "${WINE_COMMAND[@]}" "$@" >>"$LOGS/install.log" 2>&1
}

one_tavrin_with_its_bar() {
    [ "$(tavrin_processes | wc -l)" -eq 1 ] && bar_collapsed_at "$BAR_LEFT_AT_RIGHT_EDGE"
}

# the_prefix_ends: every process of the prefix, the program's included,
# has ended, and the registry is on disk.
the_prefix_ends() {
    timeout "$INSTALL_SECONDS" wineserver -w
}

# installed_right FOLDER WINDOWS_FOLDER SHORTCUT VERSION
installed_right() {
    local folder=$1 windows_folder=$2 shortcut=$3 version=$4
    local exe="$windows_folder\\Tavrin.exe" uninstaller="\"$windows_folder\\uninstall.exe\""
    expect "Tavrin.exe as packaged, LEAME.txt and uninstall.exe in $windows_folder" \
        eval 'cmp -s "$folder/Tavrin.exe" "$ROOT/build/package/Tavrin.exe" &&
              cmp -s "$folder/LEAME.txt" "$ROOT/build/package/LEAME.txt" &&
              test -s "$folder/uninstall.exe"' || return 1
    expect "the Start-menu shortcut Tavrin.lnk leads to Tavrin.exe and shows its icon" \
        eval 'strings -a "$shortcut" | grep -qxF "$exe" &&
              strings -a -el "$shortcut" | grep -qF "$exe"' || return 1
    local run expected
    run=$(registry_values "$RUN_KEY" | sed -n 's/^Tavrin=//p')
    expect "the Run value Tavrin holds the quoted path: $run" test "$run" = "\"$exe\"" || return 1
    expected=$(printf '%s\n' "DisplayIcon=$exe,0" DisplayName=Tavrin "DisplayVersion=$version" \
        "InstallLocation=$windows_folder" Publisher=Quenfold \
        "QuietUninstallString=$uninstaller /S" "UninstallString=$uninstaller")
    local values size
    values=$(registry_values "$UNINSTALL_KEY")
    size=$(($(sed -n 's/^EstimatedSize=//p' <<<"$values")))
    expect "the Uninstall key names Tavrin $version by Quenfold, its icon and both uninstall commands" \
        test "$(grep -v '^\(EstimatedSize\|NoModify\|NoRepair\)=' <<<"$values")" = "$expected" || return 1
    expect "and its size, $size KB, that of the folder's files" \
        test "$size" -eq "$(find "$folder" -type f -printf '%s\n' | awk '{ s += $1 } END { print int(s / 1024) }')" ||
        return 1
}

# install_run SETUP: the three steps in the fresh prefix.
install_run() {
    local setup=$1
    local user folder windows_folder shortcut version settings
    user=$(windows_user_name)
    folder="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Tavrin"
    windows_folder="C:\\users\\$user\\AppData\\Local\\Programs\\Tavrin"
    shortcut="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tavrin.lnk"
    version=$(basename "$setup" | sed 's/^Tavrin-\(.*\)-setup\.exe$/\1/')
    # A user's own settings, the bar at the right.
    write_settings_file 0
    settings="$LOGS/install-settings.txt"
    cp "$(settings_file)" "$settings"

    expect "a silent install, told not to start Tavrin (/S /NOSTART), ends well" \
        run_wine_program "$INSTALL_SECONDS" "$setup" /S /NOSTART || return 1
    expect "nothing of the program runs" the_prefix_ends || return 1
    installed_right "$folder" "$windows_folder" "$shortcut" "$version" || return 1

    # An older program stands in for the installed one: the unstripped
    # build, which the upgrade must replace.
    cp "$BUILD_DIR/Tavrin.exe" "$folder/Tavrin.exe"
    move_pointer "${PARKED_CURSOR[@]}" || return 1
    # wineboot starts a session as a sign-in does, running the Run entries.
    expect "a new session starts Tavrin from the Run value" \
        run_wine_program "$INSTALL_SECONDS" wineboot || return 1
    expect "its splash shows" wait_until "$PROGRAM_START_SECONDS" splash_shown || return 1
    expect "then its bar, of one Tavrin" wait_until "$PROGRAM_START_SECONDS" one_tavrin_with_its_bar ||
        { show_program_windows; return 1; }
    local old
    old=$(tavrin_processes)

    expect "installing again (/S) over the running Tavrin ends well" \
        run_wine_program "$INSTALL_SECONDS" "$setup" /S || return 1
    expect "the running Tavrin has ended" eval '! tavrin_processes | grep -qx "$old"' || return 1
    expect "Tavrin.exe is the packaged one again" \
        cmp -s "$folder/Tavrin.exe" "$ROOT/build/package/Tavrin.exe" || return 1
    expect "one Tavrin runs, the new one, with its bar" \
        wait_until "$PROGRAM_START_SECONDS" one_tavrin_with_its_bar || return 1
    expect "the settings file is untouched, byte for byte" cmp -s "$settings" "$(settings_file)" ||
        return 1

    expect "a silent uninstall (uninstall.exe /S, the quiet command) ends well" \
        run_wine_program "$INSTALL_SECONDS" "$folder/uninstall.exe" /S || return 1
    expect "the uninstaller ends Tavrin and itself" the_prefix_ends || return 1
    expect "no file of the program, no shortcut" \
        eval 'test ! -e "$folder" && test ! -e "$shortcut"' || return 1
    expect "no Run value, no Uninstall key" \
        eval '! registry_values "$RUN_KEY" | grep -q "^Tavrin=" && ! registry_values "$UNINSTALL_KEY"' ||
        return 1
    expect "the settings file remains, byte for byte" cmp -s "$settings" "$(settings_file)"
}

scenario_install() {
    local setup
    setup=$(release_file 'Tavrin-*-setup.exe') && in_fresh_prefix "$INSTALL_PREFIX_NAME" install_run "$setup"
}
