#!/bin/bash
# Start-up, the single-copy rule, and the way out through the farewell window.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly BOX='^ZV Tamsilo$'
readonly WELCOME_WIDTH=497 FAREWELL_WIDTH=741

# name_shown WINDOW: the welcome window's name box shows letters (light on dark), more of them
# than the text cursor alone.
name_shown() {
    [ "$(import -window "$1" miff:- | convert - -crop 280x18+116+181 +repage -colorspace gray \
        -threshold 40% -format '%[fx:round(mean*w*h)]' info:)" -gt 60 ]
}

start_app
first=$E2E_LAST_PID
welcome=$(wait_window "$first" "$CAPTION" $WELCOME_WIDTH)
wait_drawn "$welcome"
screenshot "$welcome" welcome
activate "$welcome"
xdotool key alt+F4
farewell=$(wait_window "$first" "$CAPTION" $FAREWELL_WIDTH)

# A second copy says so, above it all, even the farewell window kept above the others, and ends
# after OK; the first copy's window stays as it was.
remember_screen before-second
start_app
second=$E2E_LAST_PID
box=$(wait_window "$second" "$BOX")
wait_drawn "$box" before-second
import -window root "$E2E_SHOTS/already-running-above-farewell.png"
xprop -id "$box" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the box is not kept above"
[ "$(stacking_position "$box")" -gt "$(stacking_position "$farewell")" ] ||
    fail "the second copy's box is hidden behind the farewell window"
[ -z "$(xdotool search --all --onlyvisible --pid "$second" --name "$CAPTION" 2>/dev/null)" ] ||
    fail "the second copy opened a window of its own"
activate "$box"
xdotool key Return
wait_exit "$second"
[ "$E2E_STATUS" = 0 ] || fail "the second copy ended with status $E2E_STATUS"
kill -0 "$first" || fail "the first copy ended"
wait_window "$first" "$CAPTION" $FAREWELL_WIDTH >/dev/null

# A copy killed outright leaves its lock behind; the next start takes it over. This one finds
# no browser at all: a link opens nothing, and the program says nothing about it.
kill -9 "$first"
wait_exit "$first"
PATH=$E2E_TMP/run BROWSER= DEFAULT_BROWSER= start_app
third=$E2E_LAST_PID
welcome=$(wait_window "$third" "$CAPTION" $WELCOME_WIDTH)
[ -z "$(xdotool search --all --onlyvisible --pid "$third" --name "$BOX" 2>/dev/null)" ] ||
    fail "the start after a killed copy was refused"
activate "$welcome"
choose "$third" alt+h o

# Typing a name in small letters, then File > Exit: the farewell window comes up.
xdotool type --delay 30 anna
wait_until "the name box stayed empty" name_shown "$welcome"
screenshot "$welcome" welcome-named
choose "$third" alt+f x
farewell=$(wait_window "$third" "$CAPTION" $FAREWELL_WIDTH)
wait_no_window "$third" "$CAPTION" $WELCOME_WIDTH
kill -0 "$third" || fail "leaving the welcome window ended the program"
# The program has handled the link by then, and said nothing about it.
[ ! -s "$E2E_TMP/app.log" ] || fail "the program printed something"

# Keypad Enter on Exit, where the focus is, ends the program with status 0.
activate "$farewell"
xdotool key KP_Enter
wait_exit "$third"
[ "$E2E_STATUS" = 0 ] || fail "Exit ended the program with status $E2E_STATUS"
echo "PASS"
