#!/bin/bash
# The whole road by keyboard alone, heard through AT-SPI on a session bus of its own, as a screen
# reader speaks: the focused control's name, role, description and text, a radio button's group
# when the focus enters it, and a change to the focused control's name or description. Each
# question is heard with "n of 4" and only its four answers show, the result's shape and
# description are heard and read as text, the measured shape is heard as it changes, the about
# text is reached, the farewell window is a window whose link can be pressed; the hidden welcome
# window's Exit does nothing, and no form text is ever a name.
[ -n "${E2E_SESSION_BUS:-}" ] || E2E_SESSION_BUS=1 exec dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/lib.sh"
e2e_setup
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The program and the reader each look for the accessibility bus once, as they start: both start
# only when the bus answers and its registry with it.
tries=0
until bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress 2>/dev/null) && bus=${bus// /} && [ -n "$bus" ] &&
    dbus-send --bus="$bus" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/accessible/root org.freedesktop.DBus.Properties.Get \
        string:org.a11y.atspi.Accessible string:ChildCount >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -lt 300 ] || fail "the accessibility bus or its registry did not answer"
    sleep 0.1
done
start_app && app=$E2E_LAST_PID
activate "$(wait_window "$app" '^ZV Tamsilo v1\.0$' 497)"
/usr/bin/python3 - "$app" "$E2E_SHOTS" "$E2E_OPENED" <<'PYTHON' || fail "the walk stopped"
import subprocess, sys, time, pyatspi
from gi.repository import GLib
pid, shots, opened = int(sys.argv[1]), sys.argv[2], sys.argv[3]
heard, names, state = [], set(), {"focus": None, "group": None, "heard": 0}
showing = lambda n: n.getState().contains(pyatspi.STATE_SHOWING)
below = lambda n: [d for c in filter(None, n) for d in [c] + below(c)]
def text(n):
    try: return n.queryText().getText(0, -1)
    except NotImplementedError: return ""
def group(n):
    if n.getRoleName() == "radio button":
        for r in n.getRelationSet():
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY: return r.getTarget(0)
def hear(event):
    n = event.source
    try:
        if n.get_process_id() != pid: return
        names.add(n.name)
        if event.type == "object:state-changed:focused" and event.detail1:
            g = group(n)
            heard.append(" ".join(filter(None, [g.name if g and g != state["group"] else "",
                                                n.name, n.getRoleName(), n.description, text(n)])))
            state.update(focus=n, group=g, said=n.description)
        elif event.type.startswith("object:property-change") and n == state["focus"]:
            said = n.description if event.type.endswith("description") else n.name
            if said != state["said"]: heard.append(said)
            state["said"] = said
    except GLib.Error: pass  # gone before it was heard
pyatspi.Registry.registerEventListener(hear, "object:state-changed:focused",
    "object:property-change:accessible-name", "object:property-change:accessible-description")
def until(what, found):  # waits up to 30 s for what a reader should meet
    deadline, events = time.monotonic() + 30, GLib.MainContext.default()
    while time.monotonic() < deadline:
        while events.pending(): events.iteration(False)
        if result := found(): return result
        time.sleep(0.01)
    sys.exit(f"FAIL: never {what}; heard last: {heard[-3:]}")
def hears(*words):  # the first thing heard since the last one asked for that holds every word
    said = lambda: next((i for i in range(state["heard"], len(heard)) if all(w in heard[i] for w in words)), None)
    state["heard"] = until("heard " + " | ".join(words), lambda: (i := said()) is not None and i + 1)
    return heard[state["heard"] - 1]
def key(*keys): subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)
def shot(name): subprocess.run(f"import -window $(xdotool getactivewindow) {shots}/{name}.png", shell=True)
app = until("saw the program", lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid), None))
def windows(): return [w for w in app if w and showing(w)]
def answers(): return sum(n.getRoleName() == "radio button" and showing(n) for w in windows() for n in below(w))

def write(text): subprocess.run(["xdotool", "type", text], check=True)

write("anna"); key("alt+t")
hears("Back", "Question 1 of 4: Which part of your body would you like to change?")
shot("screen-reader-question-1")
hidden = [n for w in app if w and not showing(w) for n in below(w) if n.name == "Exit"]
assert sorted(n.getRoleName() for n in hidden) == ["menu item", "push button"], hidden
for n in hidden: n.queryAction().doAction(0)
key("Tab"); hears("Question 1 of 4", "Upper Body")
for question, asked, downs, answer in [
        (2, "Which part of your body do you find most difficult to lose weight?", 1, "Lower Body"),
        (3, "Which part of your body are you thinnest at?", 1, "Lower Body"),
        (4, "Which part of your body do you put on weight?", 2, "Middle Body"),
        (5, "", 2, "Hips, thighs and buttocks")]:
    assert (len(windows()), answers()) == (1, 4), (len(windows()), answers())
    key(*["Down"] * downs); hears(answer)
    key("alt+n")
    if asked: hears(f"Question {question} of 4: {asked}")
result = hears("Back push button Your body shape: Spoon. In this type of body shape the circumference")
assert answers() == 0
shot("screen-reader-results")
description = result[len("Back push button Your body shape: Spoon. "):]
for name, content in [("Your body shape", "Spoon"),
                      ("Well-known people of this shape", "Jennifer Lopez, Shakira, Kim Kardashian, Alicia Keys"),
                      ("About this shape", description)]:
    key("Tab"); assert hears(name, "text", content).endswith(content)

key("alt+f"); hears("File"); key("s"); hears("Bust", "Feel for your nipples and run the tape around the fullest part")
label = next(n for w in windows() for n in below(w) if n.name.startswith("Type all four measurements"))
measured = []
for tab, value, complete in [(0, "90", 0), (1, "70", 0), (1, "95", 0), (1, "100", 1), (0, "90", 1)]:
    key(*["Tab"] * tab, "ctrl+a"); write(value)
    until("typed " + value, lambda: text(state["focus"]) == value)
    if complete: measured.append(until("heard the shape", lambda: label.name in heard[-1] and label.name))
assert measured[0] != measured[1], measured
shot("screen-reader-measure")
key("Escape"); hears("About this shape")
key("alt+h"); hears("Help"); key("a"); hears("OK")
key("Tab"); key("Tab"); hears("text", "ZV Tamsilo helps you analyze your body shape.")
shot("screen-reader-about")
key("Escape"); hears("About this shape")

key("alt+f"); hears("File"); key("x")
link = until("saw the farewell window", lambda: next((n for w in windows() for n in below(w) if n.name.startswith("Click Here To Visit")), None))
assert (link.parent.getRoleName(), link.getRoleName(), link.queryAction().getName(0)) == ("frame", "link", "Press")
link.queryAction().doAction(0)
until("opened the home page", lambda: open(opened).read().strip())
assert not names & {"lblBodyShape", "Desc"} and not any("lblBodyShape" in h for h in heard)
open(f"{shots}/screen-reader-heard.txt", "w").write("\n".join(heard) + "\n")
PYTHON
