#!/bin/bash
# Start-up, the single-copy rule, and the way out through the farewell window.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly BOX='^ZV Tamsilo$'
readonly WELCOME_WIDTH=497 FAREWELL_WIDTH=741

start_app
first=$E2E_LAST_PID
welcome=$(wait_window "$first" "$CAPTION" $WELCOME_WIDTH)
sleep 0.3
screenshot "$welcome" welcome
activate "$welcome"
xdotool key alt+F4
farewell=$(wait_window "$first" "$CAPTION" $FAREWELL_WIDTH)

# A second copy says so, above it all, even the farewell window kept above the others, and ends
# after OK; the first copy's window stays as it was.
start_app
second=$E2E_LAST_PID
box=$(wait_window "$second" "$BOX")
sleep 0.3
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
xdotool key alt+h sleep 0.3 key o sleep 0.5
[ ! -s "$E2E_TMP/app.log" ] || fail "the program printed something"

# Typing a name in small letters, then File > Exit: the farewell window comes up.
xdotool type --delay 30 anna
sleep 0.2
screenshot "$welcome" welcome-named
xdotool key alt+f
sleep 0.3
xdotool key x
farewell=$(wait_window "$third" "$CAPTION" $FAREWELL_WIDTH)
wait_no_window "$third" "$CAPTION" $WELCOME_WIDTH
kill -0 "$third" || fail "leaving the welcome window ended the program"

# Keypad Enter on Exit, where the focus is, ends the program with status 0.
activate "$farewell"
xdotool key KP_Enter
wait_exit "$third"
[ "$E2E_STATUS" = 0 ] || fail "Exit ended the program with status $E2E_STATUS"
echo "PASS"
