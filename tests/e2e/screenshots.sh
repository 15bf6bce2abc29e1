#!/bin/bash
# Pictures for a reviewer to look at, not a test: run by hand after `cmake --build --preset dev`.
# Runs the measure and history scenarios, which save the guide, a steady and a not-steady shape
# with the readings message, and My History with two entries, in English and German at 1x and
# 2x; then walks every window in Arabic at 1x and 2x: welcome, a question, the results, about,
# Measure My Shape with two waist readings apart, the guide, the message box of a kept entry, My
# History with two entries (the first kept 20 days ago, by faked time) and the farewell window.
# The pictures go to build/dev/screenshots (E2E_SHOTS).
here=$(cd "$(dirname "$0")" && pwd)
build=${TAMSILO_BUILD_DIR:-$here/../../build/dev}
export E2E_APP=${E2E_APP:-$build/zv-tamsilo} E2E_SHOTS=${E2E_SHOTS:-$build/screenshots}
E2E_VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt") \
    "$here/test_measure.sh" >/dev/null && "$here/test_history.sh" >/dev/null || exit 1

E2E_SCREEN=1600x1400x24
source "$here/lib.sh"
e2e_setup
export QT_QPA_GENERIC_PLUGINS=tamsilodriver TAMSILO_DRIVER=$E2E_TMP/commands
export QT_PLUGIN_PATH=$build/testplugins
unset LC_ALL LC_MESSAGES
readonly FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n1)
readonly HISTORY_FILE=$XDG_DATA_HOME/zv-tamsilo/history.sqlite

# start [ENV...]: the program in Arabic with the driver, its answers in $E2E_TMP/out.
start() {
    : >"$TAMSILO_DRIVER" && : >"$E2E_TMP/out" && sent=0
    env LANGUAGE=ar LANG=ar_EG.UTF-8 "$@" "$E2E_APP" >"$E2E_TMP/out" 2>>"$E2E_TMP/app.log" &
    app=$! && E2E_PIDS+=("$app")
}

stop() {
    kill -9 "$app"
    wait_exit "$app"
    rm -f "$XDG_RUNTIME_DIR/zv-tamsilo.lock" "$XDG_CONFIG_HOME/ZVFreeTamsilo.conf"
}

# type_lengths: a bust, two waist readings 2 cm apart, a high hip and hips.
type_lengths() {
    drive "bustEdit 90" "waistEdit 70" "waistEdit2 72" "highHipEdit 80" "hipsEdit 99.5"
}

# look OBJECT NAME [BEFORE]: once the driver finds OBJECT shown, saves its window with the frame
# as NAME-<scale>x when it is drawn, still, and no longer the picture BEFORE; the window's id is
# left in $shown.
look() {
    drive "$1 shown"
    local width
    width=$(grep "^ok $sent " "$E2E_TMP/out" | cut -d' ' -f4 | cut -dx -f1)
    shown=$(wait_window "$app" . $((width * QT_SCALE_FACTOR)))
    wait_drawn "$shown"
    local file=$E2E_SHOTS/$2-${QT_SCALE_FACTOR}x.png before=${3:+$E2E_SHOTS/$3-${QT_SCALE_FACTOR}x.png}
    wait_until "$2 never settled" settled "$shown" "$file" "$before"
}

settled() {
    import -frame -window "$1" "$E2E_TMP/a.png" && sleep 0.2 &&
        import -frame -window "$1" "$2" || return 1
    cmp -s <(convert "$E2E_TMP/a.png" rgb:-) <(convert "$2" rgb:-) || return 1
    [ -z "$3" ] || ! cmp -s <(convert "$3" rgb:-) <(convert "$2" rgb:-)
}

# Escape in the window $shown.
close_shown() {
    local width
    width=$(window_width "$shown")
    activate "$shown"
    xdotool key Escape
    wait_no_window "$app" . "$width"
}

# The first entry, 20 days ago.
start LD_PRELOAD="$FAKETIME_LIB" FAKETIME=-20d DONT_FAKE_MONOTONIC=1
drive mnuMeasureShape
type_lengths
drive keepButton QMessageBox
stop
cp "$HISTORY_FILE" "$E2E_TMP/one-entry.sqlite"

for QT_SCALE_FACTOR in 1 2; do
    export QT_SCALE_FACTOR
    cp "$E2E_TMP/one-entry.sqlite" "$HISTORY_FILE"
    start
    look frmMain ar-welcome
    drive "txtFirstName ليلى" cmdNext
    look optQa_1 ar-question
    # "Lower Body", "Lower Body", "Middle Body", "Hips, thighs and buttocks": a Spoon.
    drive optQa_1 cmdNext1 optQb_1 cmdNext2 optQc_2 cmdNext3 optQd_2 cmdNext4
    look frmDisplay ar-results ar-question
    drive mnuAbout
    look frmAbout ar-about
    drive cmdOK mnuMeasureShape
    type_lengths
    look MeasureShapeWindow ar-measure
    measure=$shown
    drive guideButton
    look MeasureGuide ar-guide
    close_shown
    activate "$measure"
    drive keepButton
    look QMessageBox ar-message-box
    drive QMessageBox
    shown=$measure && close_shown
    drive mnuHistory
    look HistoryWindow ar-history
    close_shown
    drive mnuExit
    look frmFarewell ar-farewell
    drive cmdClose
    wait_exit "$app"
    rm -f "$XDG_CONFIG_HOME/ZVFreeTamsilo.conf"
done
echo "Pictures in $E2E_SHOTS"
