#!/bin/bash
# My History end to end: a window opened with nothing kept leaves no file; two entries kept on
# two dates (the first 20 days ago, by faked time) show in the table and the chart; export,
# Delete All (no file left), import, and both are back. Nothing of Qt SQL is loaded before the
# history is asked for, and a program without its history module says so and goes on.
# Screenshots at 1x and 2x, in English and German.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1600x1200x24 e2e_setup

readonly WELCOME='^ZV Tamsilo v1\.0$' BOX='^ZV Tamsilo$' MEASURE='^Measure My Shape$'
readonly HISTORY_FILE=$XDG_DATA_HOME/zv-tamsilo/history.sqlite
readonly FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n1)

# start [ENV...]: the program, with the welcome window up and active.
start() {
    # Metric, with English texts unless told otherwise.
    env LC_ALL=en_IE.UTF-8 "$@" "$E2E_APP" 2>>"$E2E_TMP/app.log" &
    app=$!
    E2E_PIDS+=("$app")
    activate "$(wait_window "$app" "$WELCOME")"
}

# Killed: the history is written as each change is made, never at the end.
stop() {
    kill -9 "$app"
    wait_exit "$app"
    # The lock a killed copy leaves looks new to a copy that lives 20 days back, and the date
    # the update reminder keeps would make it ask: each start is a first one.
    rm -f "$XDG_RUNTIME_DIR/zv-tamsilo.lock" "$XDG_CONFIG_HOME/ZVFreeTamsilo.conf"
}

# Answers the message box that comes up with Return (its default: OK, or Yes).
answer_box() {
    activate "$(wait_window "$app" "$BOX")"
    xdotool key Return
    wait_no_window "$app" "$BOX"
}

# keep BUST WAIST HIGH-HIP HIPS: Measure My Shape from the welcome window, typed and kept.
keep() {
    xdotool key alt+f s
    activate "$(wait_window "$app" "$MEASURE")"
    xdotool type --delay 30 "$1"$'\t'"$2"$'\t'"$3"$'\t'"$4"
    xdotool key alt+k
    answer_box
    xdotool key Escape
    wait_no_window "$app" "$MEASURE"
}

# open_history TITLE [MENU-KEYS]: File > My History… (in German Datei > Mein Verlauf…).
open_history() {
    xdotool key ${2:-alt+f h}
    history=$(wait_window "$app" "^$1\$")
    activate "$history"
}

# file_dialog TITLE PATH: types the path into Qt's file dialog and accepts it.
file_dialog() {
    activate "$(wait_window "$app" "$1")"
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
    wait_no_window "$app" "$1"
}

# loaded LIBRARY: whether the program has the library mapped.
loaded() {
    grep -q "/$1" "/proc/$app/maps"
}

start
for library in libzv-tamsilo-history libQt6Sql libqsqlite; do
    ! loaded $library || fail "$library was loaded at start"
done
open_history "My History"
loaded libzv-tamsilo-history || fail "the history window came up without the history module"
screenshot "$history" history-empty
xdotool key Escape
wait_no_window "$app" "My History"
[ ! -e "$HISTORY_FILE" ] || fail "a history window with nothing kept made a file"
stop

# Twenty days ago, then today.
start LD_PRELOAD="$FAKETIME_LIB" FAKETIME=-20d DONT_FAKE_MONOTONIC=1 \
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
keep 90 70 80 99.5
stop
[ -s "$HISTORY_FILE" ] || fail "nothing was kept"
start
keep 92 71 82 100
open_history "My History"
screenshot "$history" history-en
xdotool key alt+e
file_dialog "Export My History" "$E2E_TMP/first.csv"
answer_box
then=$(date -d '-20 days' +%F) today=$(date +%F)
expected="date,bust_cm,waist_cm,high_hip_cm,hips_cm,height_cm,measured_shape,answers_shape
$then,90,70,80,99.5,,Spoon,
$today,92,71,82,100,,Hourglass,"
[ "$(cat "$E2E_TMP/first.csv")" = "$expected" ] || fail "exported: $(cat "$E2E_TMP/first.csv")"

xdotool key alt+a
answer_box
[ ! -e "$HISTORY_FILE" ] || fail "Delete All left the file"
xdotool key alt+i
file_dialog "Import into My History" "$E2E_TMP/first.csv"
answer_box
[ -s "$HISTORY_FILE" ] || fail "the import kept nothing"
screenshot "$history" history-imported
xdotool key alt+e
file_dialog "Export My History" "$E2E_TMP/second.csv"
answer_box
cmp -s "$E2E_TMP/first.csv" "$E2E_TMP/second.csv" || fail "imported back: $(cat "$E2E_TMP/second.csv")"
xdotool key Escape
stop

# The same history in German, and both at twice the size.
start LANGUAGE=de
open_history "Mein Verlauf" "alt+d v"
screenshot "$history" history-de
stop
for language in en de; do
    start QT_SCALE_FACTOR=2 LANGUAGE=$language
    if [ $language = de ]; then
        open_history "Mein Verlauf" "alt+d v"
    else
        open_history "My History"
    fi
    screenshot "$history" "history-$language-2x"
    stop
done

# The program alone, without its modules: the history cannot be read or kept, which it says;
# the file stays as it was and the program goes on.
mkdir "$E2E_TMP/alone"
cp "$E2E_APP" "$E2E_TMP/alone/"
E2E_APP=$E2E_TMP/alone/$(basename "$E2E_APP")
kept=$(md5sum <"$HISTORY_FILE")
start
# The message stands over the window, which has the keyboard only once it is answered.
xdotool key alt+f h
screenshot "$(wait_window "$app" "$BOX")" history-without-module
answer_box
activate "$(wait_window "$app" "^My History\$")"
xdotool key Escape
wait_no_window "$app" "My History"
keep 90 70 80 99.5
[ "$(md5sum <"$HISTORY_FILE")" = "$kept" ] || fail "the history changed without its module"
! loaded libQt6Sql || fail "Qt SQL was loaded without the history module"
stop
echo PASS
