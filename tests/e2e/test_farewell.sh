#!/bin/bash
# The farewell window: above the other windows of the desktop, a referral sent through the
# stand-in browser, its links, and the ways out, also after leaving in the middle of a test.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly BOX='^ZV Tamsilo$'
readonly WELCOME_WIDTH=497 DISPLAY_WIDTH=553 FAREWELL_WIDTH=741
readonly PAGE='http://www.zelvara.example/zvkt-refer-a-friend.php'

# opened_with LAST: the stand-in browser has been asked for LAST, and every copy of it that the
# program started is done writing. The program starts them one by one, in the order of what the
# user did, but each copy writes when it gets to it.
opened_with() {
    grep -q -x -F "$1" "$E2E_OPENED" && ! pgrep -f "$E2E_TMP/bin/xdg-open" >/dev/null
}

xmessage_shown() {
    E2E_FOUND=$(xdotool search --all --onlyvisible --classname xmessage 2>/dev/null | head -n1)
    [ -n "$E2E_FOUND" ]
}

# refer_refused: the referral with something missing brings up a box, and Return answers it.
refer_refused() {
    local box
    box=$(wait_window "$app" "$BOX")
    wait_focus "$box"
    xdotool key Return
    wait_no_window "$app" "$BOX"
    wait_focus "$farewell"
}

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
activate "$welcome"
remember_screen before-farewell
# An Alt+F4 that reaches the window manager before it takes the welcome window as active is
# lost; the welcome window then still stands, and a user presses it again.
for attempt in 1 2 3 4 5 6; do
    xdotool key alt+F4
    for look in $(seq 100); do
        find_window "$app" "$CAPTION" $FAREWELL_WIDTH && break 2
        sleep 0.1
    done
    find_window "$app" "$CAPTION" $WELCOME_WIDTH && activate "$E2E_FOUND"
done
farewell=$(wait_window "$app" "$CAPTION" $FAREWELL_WIDTH)
wait_no_window "$app" "$CAPTION" $WELCOME_WIDTH
# With the welcome window gone it is the one the keyboard goes to.
wait_focus "$farewell"
wait_drawn "$farewell" before-farewell
screenshot "$farewell" farewell

# Above the others, and shown without asking for the focus.
xprop -id "$farewell" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
    fail "the farewell window is not kept above"
xprop -id "$farewell" _NET_WM_USER_TIME | grep -q '= 0$' ||
    fail "the farewell window asked for the focus when it came up"

# A window the user turns to afterwards, lying across it, stays below it.
xmessage -geometry 400x200+100+250 "Another program" 2>/dev/null &
E2E_PIDS+=($!)
wait_until "the other window did not come up" xmessage_shown
other=$E2E_FOUND
activate "$other"
[ "$(stacking_position "$farewell")" -gt "$(stacking_position "$other")" ] ||
    fail "the farewell window went below a window activated later"
import -window root "$E2E_SHOTS/farewell-above-another.png"

# A referral typed as a user would. The focus starts on Exit; Tab goes to Check1, then txtName.
activate "$farewell"
xdotool key Tab Tab
xdotool type --delay 20 'Ann & Bob'
xdotool key Tab Tab
xdotool type --delay 20 'ann+1'
remember_screen before-box
xdotool key space
box=$(wait_window "$app" "$BOX")
wait_drawn "$box" before-box
screenshot "$box" farewell-no-space
refer_refused
xdotool type --delay 20 '@a.example'
xdotool key Tab
xdotool type --delay 20 'bob@b.example'
xdotool key Tab
xdotool type --delay 20 'Bob #2'
xdotool key alt+n
expected="$PAGE?taf1=Ann%20%26%20Bob&taf2=ann%2B1%40a.example&taf3=Your%20Message%0D%0A"
expected+="&taf4=Bob%20%232&taf5=bob%40b.example&taf6=http%3A%2F%2Ftamsilo.zelvara.example%2F"
wait_until "the referral opened: $(opened_addresses)" opened_with "$expected"
[ "$(opened_addresses)" = "$expected" ] ||
    fail "the referral opened: $(opened_addresses)"
# Everything typed has reached the program by then.
screenshot "$farewell" farewell-filled

# The big button and the catalogue link open their pages; a double-click on a link label is
# one click. The referral sent once more after them marks the end of what they opened.
: >"$E2E_OPENED"
xdotool mousemove --window "$farewell" 240 154 click 1
xdotool mousemove --window "$farewell" 540 298 click --repeat 2 --delay 80 1
xdotool key alt+n
wait_until "the links opened: $(opened_addresses)" opened_with "$expected"
[ "$(opened_addresses | sort)" = "$(printf '%s\n' "$expected" http://www.zelvara.example \
    http://www.zelvara.example/zelvarasoftwares | sort)" ] ||
    fail "the links opened: $(opened_addresses)"

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
# The referral with nothing typed is refused with a box, which comes after whatever leaving
# brought up: by then another window would be on screen.
activate "$farewell"
xdotool key alt+n
refer_refused
[ -z "$(xdotool search --all --onlyvisible --pid "$app" --name "$CAPTION" 2>/dev/null |
    grep -v -x "$farewell")" ] || fail "another window came up beside the farewell window"
kill -0 "$app" || fail "leaving the test ended the program"
xdotool key alt+F4
wait_exit "$app"
[ "$E2E_STATUS" = 0 ] || fail "the close box did not end the program with status 0"
echo "PASS"
