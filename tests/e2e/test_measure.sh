#!/bin/bash
# Measure My Shape over the results page, typed in inches and in centimetres, at the usual and
# twice the pixel density, and the command line's --version and --help. Each screenshot is
# checked for the window's designed size and for the lines of text the result shows.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1600x1200x24
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$' MEASURE='^Measure My Shape$'
readonly DISPLAY_WIDTH=553 WELCOME_WIDTH=497 MEASURE_SIZE=553x428
# Inside the result frame, below its title: where the result's lines stand.
readonly RESULT_AREA=(14 226 525 126)

# Both answer without a display: no window is ever opened.
version=$(DISPLAY= "$E2E_APP" --version) || fail "--version ended with status $?"
[ "$version" = "ZV Tamsilo $E2E_VERSION" ] || fail "--version printed '$version'"
usage=$(DISPLAY= "$E2E_APP" --help | head -n1) || fail "--help ended with status $?"
[[ $usage == Usage:*--help*--version* ]] || fail "--help printed '$usage'"

scaled() {
    awk -v f="${QT_SCALE_FACTOR:-1}" '{ for (i = 1; i <= NF; i++) $i = int($i * f + 0.5); print }' <<<"$*"
}

# result_lines SHOT: how many lines of text the result frame shows, counted as bands of pixel
# rows holding the captions' yellow; a gap of a row or two within a line does not part it.
result_lines() {
    local area
    read -r -a area < <(scaled "${RESULT_AREA[*]}")
    convert "$E2E_SHOTS/$1.png" -crop "${area[2]}x${area[3]}+${area[0]}+${area[1]}" +repage \
        -fuzz 30% -fill white -opaque '#C0C000' -fill black +opaque white -colorspace gray \
        -scale '1x!' -depth 16 txt:- |
        awk -F'[()]' 'NR > 1 && $2 + 0 > 0 { if (NR - last > 3) n++; last = NR } END { print n + 0 }'
}

# shoot NAME LINES: a screenshot of the measure window at its designed size, showing that many
# lines of result.
shoot() {
    local size lines
    sleep 0.4
    screenshot "$measure" "$1"
    size=$(identify -format '%wx%h' "$E2E_SHOTS/$1.png")
    [ "$size" = "$(scaled "${MEASURE_SIZE/x/ }" | tr ' ' x)" ] || fail "$1: the window is $size"
    lines=$(result_lines "$1")
    [ "$lines" = "$2" ] || fail "$1: the result shows $lines lines of text, not $2"
}

# answer DOWNS...: from the welcome window to the results page, each page's answer chosen by
# that many arrow presses.
answer() {
    activate "$(wait_window "$app" "$CAPTION" "$(scaled $WELCOME_WIDTH)")"
    xdotool type --delay 30 anna
    xdotool key alt+t
    display=$(wait_window "$app" "$CAPTION" "$(scaled $DISPLAY_WIDTH)")
    activate "$display"
    for downs in "$@"; do
        xdotool key $downs alt+n
        sleep 0.3
    done
}

# retype TEXT...: the four fields typed afresh, by their access keys.
retype() {
    local key text keys=(b w g h)
    for text in "$@"; do
        key=${keys[0]}
        keys=("${keys[@]:1}")
        xdotool key "alt+$key" ctrl+a
        xdotool type --delay 30 "$text"
    done
}

# A locale that measures in inches.
LC_ALL=en_US.UTF-8 start_app
app=$E2E_LAST_PID
activate "$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)"
xdotool type --delay 30 anna
xdotool key alt+t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
activate "$display"
[ "$("$E2E_APP" --version)" = "ZV Tamsilo $E2E_VERSION" ] || fail "--version beside a running copy"

# Not offered before there is a result.
xdotool key alt+f s
sleep 0.5
[ -z "$(xdotool search --all --onlyvisible --pid "$app" --name "$MEASURE" 2>/dev/null)" ] ||
    fail "Measure My Shape opened on a question page"
xdotool key Escape Escape
# "Lower Body", "Lower Body", "Middle Body", "Hips, thighs and buttocks": a Spoon.
for downs in "Tab Down" "Down" "Down Down" "Down Down"; do
    xdotool key $downs alt+n
    sleep 0.3
done

xdotool key alt+f s
measure=$(wait_window "$app" "$MEASURE")
# What to type, and the answers' shape: two lines.
shoot measure-empty 2
# Typed in the tab order, inches by the locale: 7 in from hips to waist is a limit.
xdotool type --delay 30 $'34\t30\t36\t37'
shoot measure-borderline 5
# Centimetres: the lengths converted, the shape kept, the lines said in the other unit.
xdotool key Tab space
shoot measure-converted 5
compare -metric AE "$E2E_SHOTS/measure-borderline.png" "$E2E_SHOTS/measure-converted.png" \
    null: 2>/dev/null && fail "switching the unit left the window as it was"
# Back to inches, and the longest message of the shape line: two lines by itself.
xdotool key Right
retype x y 0 0
shoot measure-longest-1x 3
# Why these four shapes, in a box of its own.
xdotool key alt+f
why=$(wait_window "$app" '^ZV Tamsilo$')
sleep 0.3
screenshot "$why" measure-why
xdotool key Return
wait_no_window "$app" '^ZV Tamsilo$'

xdotool key Escape
wait_no_window "$app" "$MEASURE"
activate "$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)"
xdotool key alt+F4
activate "$(wait_window "$app" "$CAPTION" 741)"
xdotool key alt+x
wait_exit "$app"

# Twice the size; the answers tied Hourglass and Spoon: "Lower Body", "Middle Body", "Lower
# Body", "Hips, thighs and buttocks".
export QT_SCALE_FACTOR=2
LC_ALL=en_US.UTF-8 start_app
app=$E2E_LAST_PID
answer "Tab Down" "Down Down" "Down" "Down Down"
xdotool key alt+f s
measure=$(wait_window "$app" "$MEASURE")
retype 34 30 36 37
shoot measure-tie-2x 5
retype x y 0 0
shoot measure-longest-2x 3
xdotool key alt+c
wait_no_window "$app" "$MEASURE"
echo PASS
