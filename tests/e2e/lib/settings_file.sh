# The program's settings file inside the Wine prefix, written the way the
# program itself writes it: thirty lines in Windows-1252, each ended by
# CR LF.

settings_file() {
    echo "$WINEPREFIX/drive_c/Program Files/Norvane.txt"
}

remove_settings_file() {
    rm -f "$(settings_file)"
}

# Wine reports the Unix login name as the Windows user name.
windows_user_name() {
    id -un
}

# write_settings_file LEFT_SIDE: the default settings, with the bar's side
# as given (0 right, 1 left).
write_settings_file() {
    local left_side=$1
    local home
    home="C:\\Users\\$(windows_user_name)"
    local lines=(
        "Equipo" "Personal" "Documentos" "Imágenes" "Música" "Videos"
        'C:\' "$home" "$home\\Documents" "$home\\Pictures" "$home\\Music" "$home\\Videos"
        16777215 16777215 16777215 16777215 16777215 16777215
        255 "$left_side"
        0 0 0 0 0 0 0
        1 240 16777215
    )
    mkdir -p "$(dirname "$(settings_file)")"
    printf '%s\r\n' "${lines[@]}" | iconv -f UTF-8 -t CP1252 >"$(settings_file)"
}
