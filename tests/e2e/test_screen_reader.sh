#!/bin/bash
# What a screen reader meets, through AT-SPI on a session bus of its own: each question page
# shows its four answers alone, and the hidden welcome window's File > Exit does nothing.
[ -n "${E2E_SESSION_BUS:-}" ] || E2E_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/lib.sh"
e2e_setup
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# screen_reader PID NAME: prints how many windows and answers are showing and presses the NAME
# there; with NAME "Exit", prints and presses instead all so named in the hidden windows.
screen_reader() {
    /usr/bin/python3 - "$@" <<'PYTHON'
import sys, time, pyatspi
pid, name = int(sys.argv[1]), sys.argv[2]; hidden = name == "Exit"
showing = lambda n: n.getState().contains(pyatspi.STATE_SHOWING)
below = lambda n: [d for c in filter(None, n) for d in [c] + below(c)]
while not (apps := [a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid]):
    time.sleep(0.1)
nodes = [n for w in filter(None, apps[0]) if showing(w) != hidden for n in below(w)]
named = [n for n in nodes if n.name == name and showing(n) != hidden]
shown = (sum(map(showing, filter(None, apps[0]))),  # windows, then answers
         sum(n.getRoleName() == "radio button" and showing(n) for n in nodes))
print(" ".join(sorted(n.getRoleName() for n in named)) if hidden else shown)
for n in named if hidden else named[:1]: n.queryAction().doAction(0)
PYTHON
}
start_app && app=$E2E_LAST_PID
activate "$(wait_window "$app" '^ZV Tamsilo v1\.0$' 497)"
xdotool type --delay 30 anna && xdotool key alt+f && sleep 0.3 && xdotool key t
screenshot "$(wait_window "$app" '^ZV Tamsilo v1\.0$' 553)" screen-reader-question-1
found=$(screen_reader "$app" Exit)
[ "$found" = "menu item push button" ] || fail "the hidden welcome window's Exit: '$found'"
for count in 4 4 4 4 0; do # one window showing: had Exit done anything, the farewell too
    sleep 0.5
    [ "$(screen_reader "$app" Next)" = "(1, $count)" ] || fail "not $count answers alone showing: $(screen_reader "$app" -)"
done
