#!/bin/bash
# The whole test from the keyboard: name, four answers, the results page, the about window
# over it, and Back to the welcome window.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly WELCOME_WIDTH=497 DISPLAY_WIDTH=553 ABOUT_WIDTH=455 FAREWELL_WIDTH=741

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
activate "$welcome"
xdotool type --delay 30 anna
xdotool key alt+t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
wait_no_window "$app" "$CAPTION" $WELCOME_WIDTH
activate "$display"
screenshot "$display" question-1

# "Lower Body", "Lower Body", "Middle Body", "Hips, thighs and buttocks": a Spoon.
xdotool key Tab Down alt+n
sleep 0.3
screenshot "$display" question-2
xdotool key Down alt+n
sleep 0.3
xdotool key Down Down alt+n
sleep 0.3
xdotool key Down Down alt+n
sleep 0.3
screenshot "$display" results-spoon

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

# Eight presses of Alt+N from page 1 count four answers and end on the results page.
activate "$welcome"
xdotool key alt+t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
activate "$display"
for _ in 1 2 3 4 5 6 7 8; do
    xdotool key alt+n
    sleep 0.3
done
screenshot "$display" results-after-eight-nexts
echo PASS
