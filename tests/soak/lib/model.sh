# What the settings file must hold: the values the soak last saw saved, and
# what the open settings window holds, edit by edit, so that "GUARDAR" can
# be checked against the file byte for byte.

# The lines of the settings file (default_settings_lines tells them all).
LINE_NAMES=0
LINE_COLOURS=12
LINE_LIGHT_LEVEL=18
LINE_LEFT_SIDE=19
LINE_GLYPHS=20
LINE_FULL_HEIGHT=27
LINE_GLASS=28
LINE_SETTINGS_TILE_COLOUR=29
SETTINGS_LINE_COUNT=30
# The settings tile's row of the settings window, on its tools strip.
SETTINGS_ROW=6

# The translucency list: "Nivel 1" is an opacity of 250, each further item
# 10 less.
GLASS_ITEMS=6
GLASS_FIRST_ALPHA=250
GLASS_STEP=10
# The light level the program keeps as typed; anything else it saves as the
# brightest.
DARKEST_LEVEL=115
BRIGHTEST_LEVEL=255
WHITE=16777215
# The palette's swatches 1 to 19 as RGB; swatch 0 shows the grey of the
# light level in the box.
PALETTE=("" "47 24 1" "78 0 0" "78 0 56" "45 0 78" "31 0 104" "1 31 79" "1 78 97" "1 75 1"
         "22 156 43" "230 109 26" "184 27 27" "183 26 107" "105 27 184" "26 87 183" "86 156 227"
         "0 170 170" "130 185 30" "212 158 10" "215 101 184")
SWATCHES=20

# The saved values, one a line, in UTF-8.
SAVED=()
# Whether the bar ever found the screen lower than 10500 twips: then the
# settings window's "COMPLETO" stays disabled for the program's life.
SMALL_SCREEN_SEEN=0

# The open settings window: names, glyph colours (rows 0-6, the settings
# tile's in row 6), glyphs, the light level as typed, the two check boxes,
# the translucency item (-1 for none), swatch 0's colour.
W_NAME=()
W_COLOUR=()
W_GLYPH=()
W_LIGHT=""
W_LEFT=0
W_FULL=1
W_GLASS=-1
W_SWATCH0=$WHITE

# colour_number R G B: the colour as the settings file holds it.
colour_number() {
    echo $(($1 + 256 * $2 + 65536 * $3))
}

# light_level_accepted TEXT: a number from 115 to 255 (the texts typed
# here are digits alone).
light_level_accepted() {
    [[ "$1" =~ ^[0-9]+$ ]] && [ "$((10#$1))" -ge "$DARKEST_LEVEL" ] && [ "$((10#$1))" -le "$BRIGHTEST_LEVEL" ]
}

# glass_item_of ALPHA: the list item that stands for the opacity, or -1.
glass_item_of() {
    local item
    for ((item = 0; item < GLASS_ITEMS; item++)); do
        if [ "$1" = $((GLASS_FIRST_ALPHA - GLASS_STEP * item)) ]; then
            echo "$item"
            return 0
        fi
    done
    echo -1
}

# The saved values at the start: the default settings, bar at the right.
model_start() {
    mapfile -t SAVED < <(default_settings_lines 0)
}

# model_write_expected FILE: the saved values as the program writes them.
model_write_expected() {
    write_settings_lines "$1" "${SAVED[@]}"
}

saved_left_side() {
    echo "${SAVED[LINE_LEFT_SIDE]}"
}

saved_full_height() {
    echo "${SAVED[LINE_FULL_HEIGHT]}"
}

saved_alpha() {
    echo "${SAVED[LINE_GLASS]}"
}

# The window as it opens: every editor filled from the saved values.
window_model_open() {
    W_NAME=("${SAVED[@]:LINE_NAMES:6}")
    W_COLOUR=("${SAVED[@]:LINE_COLOURS:6}" "${SAVED[LINE_SETTINGS_TILE_COLOUR]}")
    W_GLYPH=("${SAVED[@]:LINE_GLYPHS:7}")
    W_LIGHT=${SAVED[LINE_LIGHT_LEVEL]}
    W_LEFT=${SAVED[LINE_LEFT_SIDE]}
    W_FULL=${SAVED[LINE_FULL_HEIGHT]}
    W_GLASS=$(glass_item_of "${SAVED[LINE_GLASS]}")
    W_SWATCH0=$WHITE
    window_model_light "$W_LIGHT"
}

# window_model_light TEXT: the light level's box holds TEXT; a level in
# range turns swatch 0 its grey.
window_model_light() {
    W_LIGHT=$1
    if light_level_accepted "$1"; then
        local v=$((10#$1))
        W_SWATCH0=$(colour_number "$v" "$v" "$v")
    fi
}

# swatch_colour J: the number of swatch J's colour.
swatch_colour() {
    if [ "$1" -eq 0 ]; then
        echo "$W_SWATCH0"
    else
        # shellcheck disable=SC2086
        colour_number ${PALETTE[$1]}
    fi
}

# window_model_glyph ROW CHARACTER: a key typed into the glyph box; "&" is
# kept as "&&", which the bar draws as one "&".
window_model_glyph() {
    if [ "$2" = "&" ]; then
        W_GLYPH[$1]="&&"
    else
        W_GLYPH[$1]=$2
    fi
}

# "GUARDAR": the window's values become the saved ones.
window_model_save() {
    local i
    for ((i = 0; i < 6; i++)); do
        SAVED[LINE_NAMES + i]=${W_NAME[i]}
        SAVED[LINE_COLOURS + i]=${W_COLOUR[i]}
    done
    SAVED[LINE_SETTINGS_TILE_COLOUR]=${W_COLOUR[SETTINGS_ROW]}
    for ((i = 0; i < 7; i++)); do
        SAVED[LINE_GLYPHS + i]=${W_GLYPH[i]}
    done
    if light_level_accepted "$W_LIGHT"; then
        SAVED[LINE_LIGHT_LEVEL]=$W_LIGHT
    else
        SAVED[LINE_LIGHT_LEVEL]=$BRIGHTEST_LEVEL
    fi
    SAVED[LINE_LEFT_SIDE]=$W_LEFT
    SAVED[LINE_FULL_HEIGHT]=$W_FULL
    [ "$W_GLASS" -lt 0 ] || SAVED[LINE_GLASS]=$((GLASS_FIRST_ALPHA - GLASS_STEP * W_GLASS))
}

# The rows of the window that are shown: the short layout hides rows 4 and
# 5; the settings tile's row is always there.
window_rows() {
    if [ "$W_FULL" = 1 ]; then
        echo 0 1 2 3 4 5
    else
        echo 0 1 2 3
    fi
}
