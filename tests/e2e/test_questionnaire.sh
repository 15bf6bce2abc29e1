#!/bin/bash
# The whole test from the keyboard: name, four answers, the results page, the about window
# over it, and Back to the welcome window, where the focus is in the name box again.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly WELCOME_WIDTH=497 DISPLAY_WIDTH=553 ABOUT_WIDTH=455 FAREWELL_WIDTH=741
ASSETS=$(cd "$(dirname "$0")/../../assets" && pwd)
readonly ASSETS

# shows_shape WINDOW SHOT SHAPE: waits (ten looks, half a second apart) for the picture box at
# the right of the results page to hold the shape's own picture, pixel for pixel (the four
# pictures differ in shape and size), and keeps the screenshot that shows it.
shows_shape() {
    local tries=0 found
    while :; do
        screenshot "$1" "$2"
        convert "$E2E_SHOTS/$2.png" -crop 100x320+453+50 +repage "$E2E_TMP/band.png"
        found=$(compare -metric AE -subimage-search "$E2E_TMP/band.png" "$ASSETS/$3.gif" null: 2>&1) || true
        [ "${found%% *}" != 0 ] || return 0
        tries=$((tries + 1))
        [ $tries -lt 10 ] || fail "$2 does not show the $3 picture: $found"
        sleep 0.5
    done
}

# The key brings up "Please Enter Only Alphabet" from the name box, and Return answers it.
refused() {
    xdotool key "$1" && wait_window "$app" '^ZV Tamsilo$' >/dev/null && xdotool key Return
    wait_no_window "$app" '^ZV Tamsilo$'
}

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
activate "$welcome"
# A double-click on the banner is one click.
xdotool mousemove --window "$welcome" 248 45 click --repeat 2 --delay 80 1
xdotool type --delay 30 anna
refused ctrl+BackSpace && refused ctrl+Return
# Started from the File menu; keypad Enter and Return press the focused button.
xdotool key alt+f
sleep 0.3
xdotool key t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
wait_no_window "$app" "$CAPTION" $WELCOME_WIDTH
activate "$display"
screenshot "$display" question-1

# "Lower Body", "Lower Body", "Middle Body", "Hips, thighs and buttocks": a Spoon.
xdotool key Tab Down Tab KP_Enter
sleep 0.3
screenshot "$display" question-2
xdotool key Down alt+n
sleep 0.3
xdotool key Down Down alt+n
sleep 0.3
xdotool key Down Down alt+n
sleep 0.3
shows_shape "$display" results-spoon spoon

# The about window opens over the results page and Esc closes it.
xdotool key alt+h
sleep 0.3
xdotool key a
about=$(wait_window "$app" "$CAPTION" $ABOUT_WIDTH)
sleep 0.3
screenshot "$about" about
xdotool key Escape
wait_no_window "$app" "$CAPTION" $ABOUT_WIDTH

# Back leads to the welcome window, not to the farewell window.
activate "$display"
xdotool key alt+b
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
wait_no_window "$app" "$CAPTION" $DISPLAY_WIDTH
sleep 0.5
[ -z "$(xdotool search --all --onlyvisible --pid "$app" --name "$CAPTION" 2>/dev/null |
    while read -r id; do [ "$(window_width "$id")" = $FAREWELL_WIDTH ] && echo "$id"; done)" ] ||
    fail "Back left the farewell window on screen"
screenshot "$welcome" welcome-after-back

# The focus is home in the name box. Eight presses of Alt+N from page 1 count four answers
# and end on the results page.
activate "$welcome"
refused 7
xdotool key Tab Return
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
activate "$display"
for _ in 1 2 3 4 5 6 7 8; do
    xdotool key alt+n
    sleep 0.3
done
# Every answer left at the first: a Ruler.
shows_shape "$display" results-after-eight-nexts ruler
[ "$(opened_addresses | wc -l)" = 1 ] || fail "the banner opened: $(opened_addresses)"
echo PASS
