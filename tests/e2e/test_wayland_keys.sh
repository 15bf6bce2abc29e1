#!/bin/bash
# Weston on the test's X server, with a real keyboard: the compositor's own maximise
# (Super+Shift+M) twice on each of the six windows, walked through by keys, and the program stays
# up and usable. It is started with a DISPLAY whose X server is gone, beside this Wayland session:
# it comes up on Wayland without a word. With no Wayland either, it says so and ends with 1.
E2E_SCREEN=1280x960x24
source "$(dirname "$0")/lib.sh"
e2e_setup
export QT_QPA_GENERIC_PLUGINS=tamsilodriver TAMSILO_DRIVER=$E2E_TMP/commands
mkdir -m 700 "$E2E_TMP/weston" && : >"$TAMSILO_DRIVER"
XDG_RUNTIME_DIR=$E2E_TMP/weston weston --backend=x11-backend.so --socket=keys --use-pixman \
    --width=1280 --height=960 --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
E2E_PIDS+=($!)
until_ok 600 grep -q "launching '.*desktop-shell'" "$E2E_TMP/weston.log"
output=$(sed -n 's/.*x11 output .*window id \([0-9]*\).*/\1/p' "$E2E_TMP/weston.log")
xdotool windowactivate --sync "$output" 2>/dev/null
dead=77 # an X display nobody answers
while xdpyinfo -display :$dead >/dev/null 2>&1; do dead=$((dead + 1)); done

sent=0
# look NAME [PATTERN]: asks the program about the shown object NAME until the line it prints
# ("ok N OWNER WxH+X+Y TIMES-MAXIMISED ACTIVE") matches PATTERN, for a minute at most; leaves it
# in $seen.
look() {
    local until=$((SECONDS + 60))
    while [ $SECONDS -lt $until ]; do
        echo "$1 shown" >>"$TAMSILO_DRIVER" && sent=$((sent + 1))
        until_ok 600 grep -q "^ok $sent " "$E2E_TMP/out"
        seen=$(grep "^ok $sent " "$E2E_TMP/out")
        [[ $seen =~ ${2:-} ]] && return
    done
    fail "$1 never matched '${2:-}': $seen"
}
# maximise NAME: the compositor maximises the window that has the keyboard, twice; each time the
# window takes its own size back and keeps the keyboard.
maximise() {
    look "$1" ' 1$'
    local size=${seen#ok * * } && size=${size%%+*}
    for times in 1 2; do
        xdotool key super+shift+m
        look "$1" " $size\+-?[0-9]+\+-?[0-9]+ $times 1$"
    done
    import -window "$output" "$E2E_SHOTS/wayland-keys-$1.png"
}
# menu KEYS: opens a menu by its access key and picks an item.
menu() {
    xdotool key "$1" && look QMenu && xdotool key "$2"
}

unset XDG_SESSION_TYPE && export WAYLAND_DISPLAY=$E2E_TMP/weston/keys
DISPLAY=:$dead "$E2E_APP" >"$E2E_TMP/out" 2>>"$E2E_TMP/app.log" &
app=$! && E2E_PIDS+=($app)
maximise frmMain
xdotool key 7 # "Please Enter Only Alphabet"
maximise QMessageBox
xdotool key Return && look frmMain ' 1$'
xdotool type anna && xdotool key alt+t
maximise frmDisplay
# Next, with whatever answer is checked, until the results page offers Measure My Shape.
echo "mnuMeasureShape shown" >>"$TAMSILO_DRIVER" && sent=$((sent + 1))
next() { grep -q "^ok $sent " "$E2E_TMP/out" || ! xdotool key alt+n; }
until_ok 600 next
menu alt+h a && maximise frmAbout
xdotool key Escape && look frmDisplay ' 1$'
menu alt+f s && maximise MeasureShapeWindow
xdotool key Escape && look frmDisplay ' 1$'
menu alt+f x && maximise frmFarewell
xdotool key space && wait_exit "$app"
[ "$E2E_STATUS" = 0 ] || fail "the program ended with status $E2E_STATUS"
! grep -qi 'protocol error\|^zv-tamsilo:' "$E2E_TMP/app.log" || fail "the program said: $(cat "$E2E_TMP/app.log")"

# Neither X nor Wayland answers: the program says which display did not answer.
status=0
DISPLAY=:$dead WAYLAND_DISPLAY=$E2E_TMP/weston/gone "$E2E_APP" 2>"$E2E_TMP/err" || status=$?
[ $status = 1 ] && grep -q "^zv-tamsilo: cannot open a window: the display ':$dead' did not answer.$" \
    "$E2E_TMP/err" || fail "with no display answering: status $status: $(cat "$E2E_TMP/err")"
echo PASS
