#!/bin/bash
# Measure My Shape over the results page, in English inches and German centimetres, at 1x and
# 2x: a steady shape, the guide, then two readings too far apart and a shape on a limit. Each
# screenshot is checked: its size, the window's colours where nothing is drawn, more lines where
# more are said, and the 2x window (and guide), halved, against the 1x one. Also the command
# line's --version and --help.
E2E_SCREEN=1600x1400x24
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$' WIDTH=744 HEIGHT=623 GUIDE_WIDTH=726
# The result frame in the form: where the lines are said.
readonly RESULT_X=20 RESULT_Y=260 RESULT_W=704 RESULT_H=260 RESULT_BOTTOM=526

# Both answer without a display: no window is ever opened.
version=$(DISPLAY= "$E2E_APP" --version) || fail "--version ended with status $?"
[ "$version" = "ZV Tamsilo $E2E_VERSION" ] || fail "--version printed '$version'"
usage=$(DISPLAY= "$E2E_APP" --help | head -n1) || fail "--help ended with status $?"
[[ $usage == Usage:*--help*--version* ]] || fail "--help printed '$usage'"

# The share of a region's pixels (given in the form's pixels) that are not the result frame's
# background: the ink of the text there.
ink() {
    local s=$QT_SCALE_FACTOR
    convert "$1" -crop "$(($4 * s))x$(($5 * s))+$(($2 * s))+$(($3 * s))" +repage -fuzz 6% \
        -fill black -opaque '#404040' -fill white +opaque black -colorspace gray \
        -format '%[fx:mean]' info:
}

colour_at() {
    convert "$1" -format "%[hex:p{$(($2 * QT_SCALE_FACTOR)),$(($3 * QT_SCALE_FACTOR))}]" info:
}

check_shot() {
    local shot=$E2E_SHOTS/$1.png size
    size=$(identify -format '%wx%h' "$shot")
    [ "$size" = "$((WIDTH * QT_SCALE_FACTOR))x$((HEIGHT * QT_SCALE_FACTOR))" ] ||
        fail "$1: the window is $size"
    [ "$(colour_at "$shot" 3 3)" = 3A3A3A ] || fail "$1: the window's background is gone"
    [ "$(colour_at "$shot" 12 $((RESULT_BOTTOM - 2)))" = 404040 ] ||
        fail "$1: the result frame's background is gone"
    # Nothing reaches the frame's bottom edge or the space between the lines and the buttons.
    awk "BEGIN { exit !($(ink "$shot" $RESULT_X $((RESULT_BOTTOM - 6)) $RESULT_W 6) == 0) }" ||
        fail "$1: text runs into the result frame's bottom"
}

# measure LANGUAGE LOCALE NEXT-KEY FILE-KEY MEASURE-KEY STEADY ON-A-LIMIT SECOND-WAIST
measure() {
    local language=$1 steady=$6 limit=$7 second=$8 keys shot
    env LANGUAGE="$language" LC_ALL="$2" "$E2E_APP" 2>>"$E2E_TMP/app.log" &
    local app=$!
    E2E_PIDS+=("$app")
    activate "$(wait_window "$app" "$CAPTION" $((497 * QT_SCALE_FACTOR)))"
    xdotool type --delay 30 anna
    xdotool key alt+t
    activate "$(wait_window "$app" "$CAPTION" $((553 * QT_SCALE_FACTOR)))"
    for downs in "Tab Down" "Down" "Down Down" "Down Down"; do
        xdotool key $downs "alt+$3"
        sleep 0.3
    done
    xdotool key "alt+$4"
    sleep 0.3
    xdotool key "$5"
    local window
    window=$(wait_window "$app" . $((WIDTH * QT_SCALE_FACTOR)))
    activate "$window"
    # Typed once, through the Tab key: one reading of each.
    xdotool type --delay 20 "${steady// /$'\t'}"
    sleep 0.5
    shot=measure-steady-$language-${QT_SCALE_FACTOR}x
    screenshot "$window" "$shot"
    check_shot "$shot"
    local steadyInk
    steadyInk=$(ink "$E2E_SHOTS/$shot.png" $RESULT_X $RESULT_Y $RESULT_W $RESULT_H)
    # How to measure, over the window, and back.
    xdotool key alt+m
    local guide
    guide=$(wait_window "$app" . $((GUIDE_WIDTH * QT_SCALE_FACTOR)))
    wait_drawn "$guide"
    screenshot "$guide" "measure-guide-$language-${QT_SCALE_FACTOR}x"
    activate "$guide"
    xdotool key Escape
    wait_no_window "$app" . $((GUIDE_WIDTH * QT_SCALE_FACTOR))
    activate "$window"
    # Back to the first field, every first reading anew, then past the height to the second
    # readings.
    xdotool key shift+Tab shift+Tab shift+Tab
    for length in $limit; do
        xdotool key ctrl+a
        xdotool type --delay 20 "$length"
        xdotool key Tab
    done
    xdotool key Tab Tab
    xdotool type --delay 20 "$second"
    sleep 0.5
    shot=measure-readings-$language-${QT_SCALE_FACTOR}x
    screenshot "$window" "$shot"
    check_shot "$shot"
    awk "BEGIN { exit !($(ink "$E2E_SHOTS/$shot.png" $RESULT_X $RESULT_Y $RESULT_W $RESULT_H) > \
        $steadyInk * 1.2) }" || fail "$shot: the readings message and the lines of a shape on a limit add no lines"
    xdotool key Escape
    wait_no_window "$app" . $((WIDTH * QT_SCALE_FACTOR))
    kill "$app"
    wait_exit "$app"
}

for QT_SCALE_FACTOR in 1 2; do
    export QT_SCALE_FACTOR
    measure en en_US.UTF-8 n f s "34 26 30 38.4" "34 27.6 32 37.6" 28.2
    measure de de_DE.UTF-8 w d f "86,36 66,04 76,2 97,536" "86,36 70,1 81,28 95,504" 71,6
done

# The window at 2x, halved, is the window at 1x: nothing moves or is cut off at the larger size.
for shot in measure-{steady,readings,guide}-{en,de}; do
    # compare's status tells only whether the pictures differ at all.
    difference=$(convert "$E2E_SHOTS/$shot-2x.png" -resize 50% png:- |
        { compare -metric RMSE - "$E2E_SHOTS/$shot-1x.png" null: 2>&1 || true; } |
        sed 's/.*(\(.*\))/\1/')
    awk "BEGIN { exit !($difference < 0.12) }" || fail "$shot at 2x differs from 1x by $difference"
    echo "$shot: 2x halved differs from 1x by $difference"
done
echo PASS
