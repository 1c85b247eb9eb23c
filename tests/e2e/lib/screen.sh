# Screenshots of the whole virtual screen and checks on their pixels.

screenshot() {
    import -display "$DISPLAY" -window root "$1"
}

# colour_count FILE LEFT TOP WIDTH HEIGHT RED GREEN BLUE [TOLERANCE]: how
# many pixels of that rectangle of the screenshot have the colour, each
# channel within TOLERANCE (0 unless given).
colour_count() {
    convert "$1" -crop "${4}x${5}+$2+$3" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk -v r="$6" -v g="$7" -v b="$8" -v t="${9:-0}" '
            function near(a, b) { return a - b <= t && b - a <= t }
            near($1, r) && near($2, g) && near($3, b) { n++ } END { print n + 0 }'
}

# pixel_is FILE X Y RED GREEN BLUE [TOLERANCE]: the screenshot's pixel
# (X, Y) has the colour.
pixel_is() {
    [ "$(colour_count "$1" "$2" "$3" 1 1 "${@:4}")" -eq 1 ]
}
