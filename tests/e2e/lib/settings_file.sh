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

# default_settings_lines LEFT_SIDE: the thirty values of the default
# settings, one to a line, with the bar's side as given (0 right, 1 left):
# names 0-5, folders 6-11, glyph colours 12-17, light level 18, side 19,
# glyphs 20-26, full height 27, opacity 28, the settings tile's colour 29.
default_settings_lines() {
    local home
    # The user's folders as Wine's shell knows them, lower-case "users".
    home="C:\\users\\$(windows_user_name)"
    printf '%s\n' \
        "Equipo" "Personal" "Documentos" "Imágenes" "Música" "Videos" \
        'C:\' "$home" "$home\\Documents" "$home\\Pictures" "$home\\Music" "$home\\Videos" \
        16777215 16777215 16777215 16777215 16777215 16777215 \
        255 "$1" \
        0 0 0 0 0 0 0 \
        1 240 16777215
}

# write_settings_lines FILE VALUE...: the values as the program writes them.
write_settings_lines() {
    local file=$1
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP1252 >"$file"
}

# write_settings_file LEFT_SIDE: the default settings, with the bar's side
# as given.
write_settings_file() {
    local lines
    mapfile -t lines < <(default_settings_lines "$1")
    write_settings_lines "$(settings_file)" "${lines[@]}"
}

# file_identity FILE: its inode and modification time; a file written anew
# and put in place of the old one changes both.
file_identity() {
    stat -c '%i %y' "$1" 2>/dev/null
}
