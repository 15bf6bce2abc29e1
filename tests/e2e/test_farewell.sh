#!/bin/bash
# The farewell window: above the other windows of the desktop, a referral sent through the
# stand-in browser, its links, and the ways out, also after leaving in the middle of a test.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly BOX='^ZV Tamsilo$'
readonly WELCOME_WIDTH=497 DISPLAY_WIDTH=553 FAREWELL_WIDTH=741
readonly PAGE='http://www.zelvara.example/zvkt-refer-a-friend.php'

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
activate "$welcome"
xdotool key alt+F4
farewell=$(wait_window "$app" "$CAPTION" $FAREWELL_WIDTH)
wait_no_window "$app" "$CAPTION" $WELCOME_WIDTH
# With the welcome window gone it is the one the keyboard goes to.
tries=0
until [ "$(xdotool getactivewindow 2>/dev/null)" = "$farewell" ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 30 ] || fail "the farewell window did not get the keyboard"
done
sleep 0.3
screenshot "$farewell" farewell

# Above the others, and shown without asking for the focus.
xprop -id "$farewell" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "the farewell window is not kept above"
xprop -id "$farewell" _NET_WM_USER_TIME | grep -q '= 0$' ||
    fail "the farewell window asked for the focus when it came up"

# A window the user turns to afterwards, lying across it, stays below it.
xmessage -geometry 400x200+100+250 "Another program" 2>/dev/null &
E2E_PIDS+=($!)
tries=0
until other=$(xdotool search --all --onlyvisible --classname xmessage 2>/dev/null | head -n1) &&
    [ -n "$other" ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "the other window did not come up"
done
activate "$other"
[ "$(xdotool getactivewindow)" = "$other" ] || fail "the other window could not be activated"
[ "$(stacking_position "$farewell")" -gt "$(stacking_position "$other")" ] ||
    fail "the farewell window went below a window activated later"
import -window root "$E2E_SHOTS/farewell-above-another.png"

# A referral typed as a user would. The focus starts on Exit; Tab goes to Check1, then txtName.
activate "$farewell"
xdotool key Tab Tab
xdotool type --delay 20 'Ann & Bob'
xdotool key Tab Tab
xdotool type --delay 20 'ann+1'
xdotool key space
box=$(wait_window "$app" "$BOX")
sleep 0.2
screenshot "$box" farewell-no-space
xdotool key Return
wait_no_window "$app" "$BOX"
xdotool type --delay 20 '@a.example'
xdotool key Tab
xdotool type --delay 20 'bob@b.example'
xdotool key Tab
xdotool type --delay 20 'Bob #2'
sleep 0.2
screenshot "$farewell" farewell-filled
xdotool key alt+n
tries=0
until [ -s "$E2E_OPENED" ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "the referral opened nothing"
done
expected="$PAGE?taf1=Ann%20%26%20Bob&taf2=ann%2B1%40a.example&taf3=Your%20Message%0D%0A"
expected+="&taf4=Bob%20%232&taf5=bob%40b.example&taf6=http%3A%2F%2Ftamsilo.zelvara.example%2F"
[ "$(opened_addresses)" = "$expected" ] ||
    fail "the referral opened: $(opened_addresses)"

# The big button and the catalogue link open their pages.
: >"$E2E_OPENED"
xdotool mousemove --window "$farewell" 240 154 click 1
# A double-click on a link label is one click.
xdotool mousemove --window "$farewell" 540 298 click --repeat 2 --delay 80 1
tries=0
until [ "$(opened_addresses | wc -l)" -ge 2 ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "the links opened: $(opened_addresses)"
done
sleep 0.5
[ "$(opened_addresses)" = "$(printf '%s\n' http://www.zelvara.example \
    http://www.zelvara.example/zelvarasoftwares)" ] || fail "the links opened: $(opened_addresses)"

# Exit ends the program with status 0.
activate "$farewell"
xdotool key alt+x
wait_exit "$app"
[ "$E2E_STATUS" = 0 ] || fail "Exit did not end the program with status 0"

# Leaving in the middle of a test: the welcome window stays hidden behind the farewell window,
# whose close box still ends the program.
start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
activate "$welcome"
xdotool type --delay 20 ann
xdotool key alt+t
questions=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
wait_no_window "$app" "$CAPTION" $WELCOME_WIDTH
activate "$questions"
xdotool key alt+F4
farewell=$(wait_window "$app" "$CAPTION" $FAREWELL_WIDTH)
wait_no_window "$app" "$CAPTION" $DISPLAY_WIDTH
sleep 0.5
[ -z "$(xdotool search --all --onlyvisible --pid "$app" --name "$CAPTION" 2>/dev/null |
    grep -v -x "$farewell")" ] || fail "another window came up beside the farewell window"
kill -0 "$app" || fail "leaving the test ended the program"
activate "$farewell"
xdotool key alt+F4
wait_exit "$app"
[ "$E2E_STATUS" = 0 ] || fail "the close box did not end the program with status 0"
echo "PASS"
