#!/bin/bash
# What a screen reader meets, through AT-SPI on a private session bus: on each question page
# only that page's four answers are showing, and the hidden welcome window's File > Exit,
# chosen while the questionnaire is up, does nothing.
if [ -z "${E2E_SESSION_BUS:-}" ]; then
    export E2E_SESSION_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly WELCOME_WIDTH=497 DISPLAY_WIDTH=553 FAREWELL_WIDTH=741
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# screen_reader PID COMMAND: asks the program's accessibility tree; prints what it found.
screen_reader() {
    # Debian's own Python, which has the python3-pyatspi module.
    /usr/bin/python3 - "$@" <<'PYTHON'
import sys, time
import pyatspi

pid, command = int(sys.argv[1]), sys.argv[2]

def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    sys.exit("the program is not on the accessibility bus")

def below(node):
    for child in node:
        if child is not None:
            yield child
            yield from below(child)

def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)

app = application()
app.clear_cache()
windows = [window for window in app if window is not None]
front = [window for window in windows if showing(window)]
if command == "answers":
    # The answers showing, then a press on the one Next button showing.
    answers = [n for n in below(front[0]) if n.getRole() == pyatspi.ROLE_RADIO_BUTTON and showing(n)]
    print(len(answers))
    nexts = [n for n in below(front[0]) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
             and n.name == "Next" and showing(n)]
    if len(nexts) == 1:
        nexts[0].queryAction().doAction(0)
elif command == "hidden-exit":
    exits = [n for window in windows if not showing(window) for n in below(window)
             if n.getRole() == pyatspi.ROLE_MENU_ITEM and n.name == "Exit"]
    print(len(exits))
    for item in exits:
        item.queryAction().doAction(0)
PYTHON
}

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
activate "$welcome"
xdotool type --delay 30 anna
xdotool key alt+f
sleep 0.3
xdotool key t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
wait_no_window "$app" "$CAPTION" $WELCOME_WIDTH
screenshot "$display" screen-reader-question-1

found=$(screen_reader "$app" hidden-exit)
[ "$found" = 1 ] || fail "the hidden welcome window has $found Exit menu items, not 1"
sleep 1
kill -0 "$app" 2>/dev/null || fail "the hidden welcome window's Exit ended the program"
wait_window "$app" "$CAPTION" $DISPLAY_WIDTH >/dev/null
for id in $(xdotool search --all --onlyvisible --pid "$app" --name "$CAPTION"); do
    [ "$(window_width "$id")" != $FAREWELL_WIDTH ] || fail "the hidden welcome window's Exit brought up the farewell window"
done

for page in 1 2 3 4; do
    count=$(screen_reader "$app" answers)
    [ "$count" = 4 ] || fail "question $page: $count answer buttons showing, not 4"
    sleep 0.5
done
[ "$(screen_reader "$app" answers)" = 0 ] || fail "answer buttons showing on the results page"
screenshot "$display" screen-reader-results
# Nothing changed on screen: the question area's grey still shows above the results page's frame.
strip=$(convert "$E2E_SHOTS/screen-reader-results.png" -format '%[pixel:p{300,60}]' info:)
[ "$strip" = "srgb(64,64,64)" ] || fail "above the results page's frame: $strip, not the question area's grey"
