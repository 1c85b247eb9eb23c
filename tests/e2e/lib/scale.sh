# The screen's scale, and the program's twips in screen pixels at it. The
# program lays out in twips, 1440 / DPI to the pixel, and rounds each edge
# of a window or control to the nearest pixel, halves away from zero; the
# expectations here round the same way. Under Wine the scale is the
# prefix's LogPixels (wine_set_dpi); E2E_DPI sets it for a run.

DPI=${E2E_DPI:-96}

# px TWIPS: the pixel where TWIPS falls (twips may have a half).
px() {
    LC_ALL=C awk -v t="$1" -v d="$DPI" \
        'BEGIN { v = t * d / 1440; printf "%d\n", v < 0 ? -int(-v + 0.5) : int(v + 0.5) }'
}

# span_px START LENGTH: how many pixels a window or control from START
# that long covers: both edges rounded.
span_px() {
    echo $(($(px "$(twips_sum "$1" "$2")") - $(px "$1")))
}

# twips_sum A B: A + B, where either may have a half.
twips_sum() {
    LC_ALL=C awk -v a="$1" -v b="$2" 'BEGIN { print a + b }'
}

# The screen in twips at the current scale.
screen_twips() {
    LC_ALL=C awk -v p="$1" -v d="$DPI" 'BEGIN { print p * 1440 / d }'
}

# at_dpi DPI: the harness's pixel figures for that scale (each library that
# has some keeps them in a function NAME_geometry).
at_dpi() {
    DPI=$1
    local part
    for part in program settings_window; do
        ! declare -F "${part}_geometry" >/dev/null || "${part}_geometry"
    done
}
