# Screenshots of the whole virtual screen and checks on their pixels.

screenshot() {
    import -display "$DISPLAY" -window root "$1"
}

# colour_count FILE LEFT TOP WIDTH HEIGHT RED GREEN BLUE: how many pixels of
# that rectangle of the screenshot have the colour.
colour_count() {
    convert "$1" -crop "${4}x${5}+$2+$3" +repage -depth 8 rgb:- |
        od -An -v -tu1 -w3 |
        awk -v r="$6" -v g="$7" -v b="$8" '$1 == r && $2 == g && $3 == b { n++ } END { print n + 0 }'
}

# pixel_is FILE X Y RED GREEN BLUE [TOLERANCE]: the screenshot's pixel
# (X, Y) has the colour, each channel within TOLERANCE (0 unless given).
pixel_is() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 rgb:- | od -An -v -tu1 -w3 |
        awk -v r="$4" -v g="$5" -v b="$6" -v t="${7:-0}" '
            function near(a, b) { return a - b <= t && b - a <= t }
            { found = near($1, r) && near($2, g) && near($3, b) } END { exit !found }'
}
