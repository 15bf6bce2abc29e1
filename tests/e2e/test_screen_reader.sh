#!/bin/bash
# What a screen reader meets, through AT-SPI on a session bus of its own: each question page
# shows its four answers alone, and the hidden welcome window's File > Exit does nothing.
[ -n "${E2E_SESSION_BUS:-}" ] || E2E_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/lib.sh"
e2e_setup
readonly CAPTION='^ZV Tamsilo v1\.0$' DISPLAY_WIDTH=553 FAREWELL_WIDTH=741
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# screen_reader PID ROLE NAME: prints how many controls of ROLE the shown windows have showing
# and presses what is named NAME there; with NAME "Exit", prints and presses instead whatever is
# named so in the hidden windows. Debian's own Python has pyatspi.
screen_reader() {
    /usr/bin/python3 - "$@" <<'PYTHON'
import sys, time, pyatspi
pid, role, name = int(sys.argv[1]), sys.argv[2], sys.argv[3]
hidden = name == "Exit"
def below(node):
    for child in filter(None, node):
        yield child
        yield from below(child)
def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)
for _ in range(100):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid]
    if apps:
        break
    time.sleep(0.1)
apps[0].clear_cache()
nodes = [n for w in filter(None, apps[0]) if showing(w) != hidden for n in below(w)]
named = [n for n in nodes if n.name == name and showing(n) != hidden]
print(" ".join(sorted(n.getRoleName() for n in named)) if hidden else
      len([n for n in nodes if n.getRoleName() == role and showing(n)]))
for n in named if hidden else named[:1]:
    n.queryAction().doAction(0)
PYTHON
}

start_app
app=$E2E_LAST_PID
activate "$(wait_window "$app" "$CAPTION" 497)"
xdotool type --delay 30 anna
xdotool key alt+f && sleep 0.3 && xdotool key t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
screenshot "$display" screen-reader-question-1
found=$(screen_reader "$app" - Exit)
[ "$found" = "menu item push button" ] || fail "the hidden welcome window's Exit: '$found'"
sleep 1
wait_window "$app" "$CAPTION" $DISPLAY_WIDTH >/dev/null
for id in $(xdotool search --all --onlyvisible --pid "$app" --name "$CAPTION"); do
    [ "$(window_width "$id")" != $FAREWELL_WIDTH ] || fail "the hidden window's Exit brought up the farewell window"
done
for page in 1 2 3 4 results; do
    count=$(screen_reader "$app" "radio button" Next || true)
    [ "$count" = "$([ $page = results ] && echo 0 || echo 4)" ] || fail "page $page: $count answers showing"
    sleep 0.5
done
screenshot "$display" screen-reader-results
# Nothing changed on screen: the question area's grey still shows above the results page's frame.
strip=$(convert "$E2E_SHOTS/screen-reader-results.png" -format '%[pixel:p{300,60}]' info:)
[ "$strip" = "srgb(64,64,64)" ] || fail "above the results page's frame: $strip, not the question area's grey"
