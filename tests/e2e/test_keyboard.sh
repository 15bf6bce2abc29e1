#!/bin/bash
# The keyboard and mouse as a user of the first platform knows them: Return and keypad Enter
# press the focused button, which shows its focus mark; Ctrl+Backspace and Ctrl+Enter in the
# name box are refused characters; after Back the focus is home in the name box; a
# double-click on a link label opens its page once.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly BOX='^ZV Tamsilo$'
readonly WELCOME_WIDTH=497 DISPLAY_WIDTH=553 FAREWELL_WIDTH=741

# refused KEY: the key brings up "Please Enter Only Alphabet", which Return answers.
refused() {
    xdotool key "$1"
    wait_window "$app" "$BOX" >/dev/null
    xdotool key Return
    wait_no_window "$app" "$BOX"
}

# opened_count N: exactly N addresses were opened, also a moment later.
opened_count() {
    local tries=0
    until [ "$(opened_addresses | wc -l)" -ge "$1" ]; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 50 ] || fail "opened: $(opened_addresses)"
    done
    sleep 0.7
    [ "$(opened_addresses | wc -l)" -eq "$1" ] || fail "opened more than $1: $(opened_addresses)"
}

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
activate "$welcome"

# The banner, double-clicked.
xdotool mousemove --window "$welcome" 248 45 click --repeat 2 --delay 80 1
opened_count 1

xdotool type --delay 30 anna
refused ctrl+BackSpace
refused ctrl+Return
refused ctrl+KP_Enter

# Started from the File menu, worked from the keyboard; keypad Enter on the first Next.
xdotool key alt+f
sleep 0.3
xdotool key t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
activate "$display"
xdotool key Tab Down Tab KP_Enter
sleep 0.4
screenshot "$display" keyboard-question-2-answer-focused

# Back: the focus is in the name box again, where a digit is refused.
xdotool key alt+b
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
wait_no_window "$app" "$CAPTION" $DISPLAY_WIDTH
activate "$welcome"
refused 7

# Return on the focused start button.
xdotool key Tab
sleep 0.2
screenshot "$welcome" keyboard-welcome-start-focused
xdotool key Return
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
activate "$display"
xdotool key alt+F4
farewell=$(wait_window "$app" "$CAPTION" $FAREWELL_WIDTH)
activate "$farewell"
sleep 0.3
screenshot "$farewell" keyboard-farewell-exit-focused

# The catalogue link, double-clicked.
: >"$E2E_OPENED"
xdotool mousemove --window "$farewell" 540 298 click --repeat 2 --delay 80 1
opened_count 1

# Keypad Enter on the focused Exit.
xdotool key KP_Enter
wait_exit "$app"
[ "$E2E_STATUS" = 0 ] || fail "keypad Enter on Exit did not end the program with status 0"
echo PASS
