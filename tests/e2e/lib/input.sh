# Real input through the X server, as a user's mouse would give it.

# How long the X server may take to report a pointer move.
POINTER_MOVE_SECONDS=5

# pointer_at X Y: the X server reports the pointer at (X, Y).
pointer_at() {
    [ "$(xdotool getmouselocation 2>/dev/null | sed 's/^x:\([-0-9]*\) y:\([-0-9]*\) .*/\1 \2/')" = "$1 $2" ]
}

# move_pointer X Y: moves the pointer and waits until it is there. (The
# move's own --sync waits long when the pointer is there already.)
move_pointer() {
    xdotool mousemove "$1" "$2" && wait_until "$POINTER_MOVE_SECONDS" pointer_at "$1" "$2" ||
        { echo "  the pointer did not reach ($1, $2)" >&2; return 1; }
}

# Two left clicks this far apart make a double-click for Windows, whose
# limit is 500 ms.
DOUBLE_CLICK_GAP_MS=120

# double_click_at X Y
double_click_at() {
    move_pointer "$1" "$2" && xdotool click --repeat 2 --delay "$DOUBLE_CLICK_GAP_MS" 1
}

# click_at X Y: a left click there.
click_at() {
    move_pointer "$1" "$2" && xdotool click 1
}

# Typed text goes out one key at a time this far apart, as a quick typist's.
TYPING_DELAY_MS=40

# replace_text TEXT: selects all of the focused box's text (Ctrl+A) and
# types TEXT over it.
replace_text() {
    xdotool key ctrl+a && xdotool type --delay "$TYPING_DELAY_MS" -- "$1"
}
