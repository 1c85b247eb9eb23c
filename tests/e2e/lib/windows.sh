# The program's windows as the X server sees them. Wine names the X windows
# of a program after its executable (WM_CLASS "tavrin.exe"). It keeps the
# geometry of every X window in step with its window, but maps only those
# that are shown and reach onto the screen: a window wholly off the screen
# has its X window, with the right geometry, unmapped. So it is under
# openbox too for the windows without a caption, the bar's among them,
# which Wine keeps from the window manager (override-redirect).

PROGRAM_WINDOW_CLASS='^tavrin\.exe$'

# program_windows [--all]: one line "LEFT TOP WIDTH HEIGHT" in screen pixels
# for each mapped window of the program; with --all, for each of its X
# windows, mapped or not.
program_windows() {
    local visible=(--onlyvisible)
    [ "${1:-}" != --all ] || visible=()
    local id
    for id in $(xdotool search "${visible[@]}" --class "$PROGRAM_WINDOW_CLASS" 2>/dev/null); do
        window_geometry "$id"
    done
}

# window_geometry ID: "LEFT TOP WIDTH HEIGHT" of the X window, in screen
# pixels; nothing when it is gone.
window_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { if (w != "") print x, y, w, h }'
}

# window_at [--all] LEFT TOP WIDTH HEIGHT: one of the program's mapped
# windows (with --all: of its X windows) stands there.
window_at() {
    grep -qx -- "${*: -4}" <<<"$(program_windows "${@:1:$#-4}")"
}

# Prints the program's windows, for the log of a failed check.
show_program_windows() {
    echo "  the program's mapped windows (left top width height):"
    program_windows | sed 's/^/    /'
    echo "  all its X windows:"
    program_windows --all | sed 's/^/    /'
}

# mapped_window CLASS_REGEX NAME_REGEX: the id of a mapped X window whose
# WM_CLASS matches CLASS_REGEX (xdotool's) and whose title matches
# NAME_REGEX (a bash regular expression: anchor it to match the whole
# title); prints nothing when none does. Wine gives a top-level window with a caption its
# title; other processes' windows carry their own executable's class.
mapped_window() {
    local id
    for id in $(xdotool search --onlyvisible --class "$1" 2>/dev/null); do
        if [[ "$(xdotool getwindowname "$id" 2>/dev/null)" =~ $2 ]]; then
            echo "$id"
            return 0
        fi
    done
}

# window_shown CLASS_REGEX NAME_REGEX
window_shown() {
    [ -n "$(mapped_window "$1" "$2")" ]
}

# window_gone CLASS_REGEX NAME_REGEX
window_gone() {
    ! window_shown "$1" "$2"
}
