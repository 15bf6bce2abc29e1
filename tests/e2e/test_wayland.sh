#!/bin/bash
# On weston, headless: the whole road natively (no window moved, the name box owned by the
# welcome window, the lock given up at the end), a fixed window and a message box asked to
# maximise, the window stretched afterwards, a window maximised again and again, twenty second
# copies each ending with status 0 at once; then with Xwayland, where the program comes up on X by
# itself. No seat there: a plugin loaded into the program drives it.
E2E_NO_X=1
source "$(dirname "$0")/lib.sh"
e2e_setup
unset DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE
export QT_QPA_GENERIC_PLUGINS=tamsilodriver TAMSILO_DRIVER=$E2E_TMP/commands QT_QPA_PLATFORM=wayland
mkdir -m 700 "$E2E_TMP/weston" && : >"$TAMSILO_DRIVER" && echo QMessageBox >"$E2E_TMP/answer"
ended() { ! kill -0 "$1" 2>/dev/null || [ "$(ps -o stat= -p "$1" | cut -c1)" = Z ]; }
start_weston() { # NAME [OPTION...]: a compositor of our own, ended with the test
    XDG_RUNTIME_DIR=$E2E_TMP/weston weston --backend=headless-backend.so --use-pixman --debug \
        --idle-time=0 --socket="$1" "${@:2}" >"$E2E_TMP/$1.log" 2>&1 &
    E2E_PIDS+=($!)
    until_ok 600 grep -q "launching '.*desktop-shell'" "$E2E_TMP/$1.log"
    export WAYLAND_DISPLAY=$E2E_TMP/weston/$1
}
start_weston native
"$E2E_APP" >"$E2E_TMP/out" 2>>"$E2E_TMP/app.log" &
app=$! && E2E_PIDS+=($app)
drive frmMain cmdNext "QMessageBox maximise" QMessageBox
grep -q "^ok $sent frmMain " "$E2E_TMP/out" || fail "the name box does not belong to the welcome window"
drive "frmMain maximise" "txtFirstName anna"
fixed() { drive frmMain && grep -q "^ok $sent - 497x363+0+0 1 " "$E2E_TMP/out"; }
until_ok 600 fixed # maximised once, and back at its size
drive "frmMain stretch" && until_ok 600 fixed # stretched after that: back at its size again
for copy in $(seq 20); do # each says "Application is already running", ending once answered
    TAMSILO_DRIVER=$E2E_TMP/answer "$E2E_APP" >"$E2E_TMP/copy$copy" 2>>"$E2E_TMP/app.log" &
    copies[copy]=$! && E2E_PIDS+=($!)
done
for copy in $(seq 20); do
    until_ok 600 grep -q '^ok 1 ' "$E2E_TMP/copy$copy"
    until_ok 600 ended "${copies[copy]}" && wait_exit "${copies[copy]}"
    [ "$E2E_STATUS" = 0 ] || fail "copy $copy ended with status $E2E_STATUS"
done
# "Lower Body", "Lower Body", "Middle Body", "Hips, thighs and buttocks": a Spoon.
drive cmdNext optQa_1 cmdNext1 optQb_1 cmdNext2 optQc_2 cmdNext3 optQd_2 cmdNext4 mnuAbout \
    "frmAbout insist"
# Maximised again each time it is given back: the about window refuses three times, then stays
# maximised; after a key of the user's it refuses three times anew.
maximised() { # TIMES: maximised that often or more, and still so three looks in a row
    drive frmAbout && line=$(grep "^ok $sent " "$E2E_TMP/out" | cut -d' ' -f4-)
    [[ $line != 455x258* && $line == "$last" ]] && steady=$((steady + 1)) || steady=0
    last=$line && [ $steady -ge 3 ] && [ "$(cut -d' ' -f2 <<<"$line")" -ge "$1" ]
}
gives_in() { # TIMES: the about window stays maximised after TIMES maximisations in all
    steady=0 last= && until_ok 600 maximised "$1"
    [[ $line == *" $1 0" ]] || fail "the about window gave in after the wrong round: $line"
}
gives_in 4
drive "frmAbout key" "frmAbout maximise" && gives_in 8
drive cmdOK mnuMeasureShape "bustEdit 34" "waistEdit 30" "highHipEdit 36" \
    "hipsEdit 37" closeButton mnuExit frmFarewell
(cd "$E2E_TMP" && sleep 0.5 && timeout 60 weston-screenshooter && mv wayland-screenshot-*.png "$E2E_SHOTS/wayland.png")
drive cmdClose && wait_exit "$app"
[ "$E2E_STATUS" = 0 ] || fail "the program ended with status $E2E_STATUS on Wayland"
! grep -qi 'protocol error' "$E2E_TMP/app.log" || fail "the compositor cut the program off"
[ ! -e "$XDG_RUNTIME_DIR/zv-tamsilo.lock" ] || fail "the program left its lock behind"
# The compositor places the windows (Qt keeps a dialog's place beside its owner for itself).
! grep '^ok [0-9]* - ' "$E2E_TMP/out" | grep -v ' [0-9]*x[0-9]*+0+0 ' ||
    fail "the program moved a window that the compositor places"
# A Wayland session with Xwayland: the program picks X by itself.
start_weston xwayland --xwayland
x=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/xwayland.log")
unset QT_QPA_PLATFORM QT_QPA_GENERIC_PLUGINS
DISPLAY=$x XDG_SESSION_TYPE=wayland "$E2E_APP" 2>>"$E2E_TMP/app.log" &
E2E_PIDS+=($!)
on_x() { xwininfo -display "$x" -root -tree | grep -q '"ZV Tamsilo v1.0": .*497x'; }
until_ok 600 on_x
