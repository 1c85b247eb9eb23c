# Screenshots of the whole virtual screen and checks on their pixels.

screenshot() {
    import -display "$DISPLAY" -window root "$1"
}

# column_mismatches FILE X RED GREEN BLUE: how many pixels of column X of
# the screenshot differ from the colour.
column_mismatches() {
    convert "$1" -crop "1x${SCREEN_HEIGHT}+$2+0" +repage -depth 8 rgb:- |
        od -An -v -tu1 -w3 |
        awk -v r="$3" -v g="$4" -v b="$5" '$1 != r || $2 != g || $3 != b { n++ } END { print n + 0 }'
}

# screen_column_is FILE X RED GREEN BLUE: takes a screenshot into FILE and
# succeeds when the whole column X has the colour.
screen_column_is() {
    screenshot "$1" && [ "$(column_mismatches "$@")" -eq 0 ]
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

# Text on the screen is read with tesseract: the program's text of 9 to 16
# points reads reliably at four times its size, in grey, dark on light.
OCR_SCALE=400%
OCR_LANGUAGE=spa

# screen_text FILE LEFT TOP WIDTH HEIGHT: the text tesseract reads in that
# rectangle of the screenshot, as one block. Light text on a dark ground
# is turned dark on light first.
screen_text() {
    local crop="${1%.png}-text.png"
    convert "$1" -crop "${4}x${5}+$2+$3" +repage -colorspace Gray -resize "$OCR_SCALE" "$crop" || return 1
    if [ "$(convert "$crop" -format '%[fx:mean < 0.5]' info:)" = 1 ]; then
        convert "$crop" -negate "$crop" || return 1
    fi
    tesseract "$crop" - -l "$OCR_LANGUAGE" --psm 6 2>/dev/null
    rm -f "$crop"
}

# screen_shows_text FILE LEFT TOP WIDTH HEIGHT REGEX: takes a screenshot
# into FILE and reads REGEX (grep -E) in that rectangle of it.
screen_shows_text() {
    local file=$1 regex=$6
    screenshot "$file" && screen_text "$file" "$2" "$3" "$4" "$5" | grep -Eq -- "$regex"
}
