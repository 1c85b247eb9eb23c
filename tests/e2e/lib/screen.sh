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

# pixel_is FILE X Y RED GREEN BLUE: the screenshot's pixel (X, Y) has the colour.
pixel_is() {
    [ "$(colour_count "$1" "$2" "$3" 1 1 "$4" "$5" "$6")" -eq 1 ]
}
