#!/bin/bash
# On a real Wayland compositor (weston, headless): the whole road natively, with windows and a
# message box asked to maximise by the title bar Qt draws there, and twenty second copies that
# each end with status 0 at once; then a Wayland session with Xwayland, where the program comes
# up on X by itself. The compositor has no seat: a plugin loaded into the program drives it.
E2E_NO_X=1
source "$(dirname "$0")/lib.sh"
e2e_setup
unset DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE
export QT_QPA_GENERIC_PLUGINS=tamsilodriver TAMSILO_DRIVER=$E2E_TMP/commands
mkdir -m 700 "$E2E_TMP/weston"
: >"$TAMSILO_DRIVER"
echo QMessageBox >"$E2E_TMP/answer"

# start_weston NAME [OPTION...]: a compositor of our own, its log in $E2E_TMP/NAME.log.
start_weston() {
    XDG_RUNTIME_DIR=$E2E_TMP/weston weston --backend=headless-backend.so --use-pixman --debug \
        --idle-time=0 --socket="$1" "${@:2}" >"$E2E_TMP/$1.log" 2>&1 &
    E2E_PIDS+=($!)
    local tries=0
    until [ -S "$E2E_TMP/weston/$1" ] && grep -q "launching '.*desktop-shell'" "$E2E_TMP/$1.log"; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 100 ] || fail "weston did not start: $(cat "$E2E_TMP/$1.log")"
    done
    export WAYLAND_DISPLAY=$E2E_TMP/weston/$1
}

# drive COMMAND...: hands each command to the program, waiting until it took it.
sent=0
drive() {
    local command tries
    for command; do
        echo "$command" >>"$TAMSILO_DRIVER"
        sent=$((sent + 1)) tries=0
        until grep -q "^ok $sent " "$E2E_TMP/out"; do
            sleep 0.1
            tries=$((tries + 1))
            [ $tries -lt 100 ] || fail "the program did not take '$command'"
        done
    done
}

# shot NAME: what the compositor shows, once the program has drawn it.
shot() {
    sleep 0.5
    (cd "$E2E_TMP" && timeout 10 weston-screenshooter) || fail "no screenshot"
    mv "$E2E_TMP"/wayland-screenshot-*.png "$E2E_SHOTS/wayland-$1.png"
}

start_weston native
export QT_QPA_PLATFORM=wayland
"$E2E_APP" >"$E2E_TMP/out" 2>>"$E2E_TMP/app.log" &
app=$!
E2E_PIDS+=($app)
drive frmMain cmdNext "QMessageBox maximise"
# Where the compositor places the windows, the program moves none of them.
grep -q "^ok 1 - 497x363+0+0 " "$E2E_TMP/out" || fail "the welcome window was moved"
shot name-box
drive QMessageBox
grep -q "^ok $sent frmMain " "$E2E_TMP/out" || fail "the box does not belong to the welcome window"
drive "frmMain maximise" "txtFirstName anna" frmMain
grep -q "^ok $sent - 497x363+0+0 497x363$" "$E2E_TMP/out" || fail "the welcome window is not fixed"
shot welcome

# Second copies, each saying "Application is already running" and ending once it is answered.
copies=()
for copy in $(seq 20); do
    TAMSILO_DRIVER=$E2E_TMP/answer "$E2E_APP" >"$E2E_TMP/copy$copy" 2>>"$E2E_TMP/app.log" &
    copies+=($!)
done
E2E_PIDS+=("${copies[@]}")
for copy in $(seq 20); do
    tries=0
    until grep -q '^ok 1 - ' "$E2E_TMP/copy$copy"; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 600 ] || fail "copy $copy never said it was not the first"
    done
    pid=${copies[$((copy - 1))]}
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null && sleep 0.1; done
    wait_exit "$pid"
    [ "$E2E_STATUS" = 0 ] || fail "copy $copy ended with status $E2E_STATUS"
done

# "Lower Body", "Lower Body", "Middle Body", "Hips, thighs and buttocks": a Spoon.
drive cmdNext optQa_1 cmdNext1 optQb_1 cmdNext2 optQc_2 cmdNext3 optQd_2 cmdNext4
shot results
drive mnuAbout "frmAbout maximise"
shot about
drive cmdOK mnuMeasureShape "bustEdit 34" "waistEdit 30" "highHipEdit 36" "hipsEdit 37"
shot measure
drive closeButton mnuExit frmFarewell
shot farewell
drive cmdClose
wait_exit "$app"
[ "$E2E_STATUS" = 0 ] || fail "the program ended with status $E2E_STATUS on Wayland"
grep -qi 'protocol error' "$E2E_TMP/app.log" && fail "the compositor cut the program off"
[ ! -e "$XDG_RUNTIME_DIR/zv-tamsilo.lock" ] || fail "the program left its lock behind"

# A Wayland session with Xwayland: the program picks X by itself.
start_weston xwayland --xwayland
x=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/xwayland.log")
[ -n "$x" ] || fail "no Xwayland: $(cat "$E2E_TMP/xwayland.log")"
unset QT_QPA_PLATFORM QT_QPA_GENERIC_PLUGINS
DISPLAY=$x XDG_SESSION_TYPE=wayland "$E2E_APP" >"$E2E_TMP/out" 2>>"$E2E_TMP/app.log" &
E2E_PIDS+=($!)
tries=0
until welcome=$(xwininfo -display "$x" -root -tree 2>/dev/null |
    awk '/"ZV Tamsilo v1.0": .*497x/ { print $1 }') && [ -n "$welcome" ]; do
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || fail "the welcome window did not come up on X"
done
# Xwayland has no root window to take a picture of, only the windows, once they are drawn.
tries=0
until import -display "$x" -window "$welcome" "$E2E_SHOTS/xwayland-welcome.png" 2>/dev/null; do
    sleep 0.2
    tries=$((tries + 1))
    [ $tries -lt 50 ] || fail "no picture of the welcome window on X"
done
shot xwayland-desktop
echo PASS
