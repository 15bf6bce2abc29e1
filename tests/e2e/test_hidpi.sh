#!/bin/bash
# At the usual, one and a half and twice the pixel density: every window with its frame, saved
# for looking at, each centred on the screen with its frame.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=2400x1600x24
e2e_setup
readonly CAPTION='^ZV Tamsilo v1\.0$'

# The width of a window of WIDTH pixels at SCALE.
scaled() {
    awk -v width="$1" -v scale="$2" 'BEGIN { printf "%d", width * scale + 0.5 }'
}

# shot WINDOW NAME: the window and its frame, as the user sees them.
shot() {
    import -frame -window "$1" "$E2E_SHOTS/$2-${QT_SCALE_FACTOR}x.png"
}

for QT_SCALE_FACTOR in 1 1.5 2; do
    export QT_SCALE_FACTOR
    start_app
    app=$E2E_LAST_PID
    welcome=$(wait_window "$app" "$CAPTION" "$(scaled 497 $QT_SCALE_FACTOR)")
    check_centred "$welcome" "the welcome window at ${QT_SCALE_FACTOR}x"
    activate "$welcome"
    xdotool type --delay 30 anna
    sleep 0.3
    shot "$welcome" welcome
    xdotool key alt+t
    display=$(wait_window "$app" "$CAPTION" "$(scaled 553 $QT_SCALE_FACTOR)")
    check_centred "$display" "the questionnaire window at ${QT_SCALE_FACTOR}x"
    activate "$display"
    # Hips, thighs and buttocks, and so on: a Spoon, the widest silhouette.
    xdotool key Tab Down
    sleep 0.3
    shot "$display" question
    xdotool key alt+n
    sleep 0.3
    xdotool key Down alt+n
    sleep 0.3
    xdotool key Down Down alt+n
    sleep 0.3
    xdotool key Down Down alt+n
    sleep 0.5
    shot "$display" results
    xdotool key alt+h
    sleep 0.3
    xdotool key a
    about=$(wait_window "$app" "$CAPTION" "$(scaled 455 $QT_SCALE_FACTOR)")
    check_centred "$about" "the about window at ${QT_SCALE_FACTOR}x"
    sleep 0.3
    shot "$about" about
    xdotool key Escape
    activate "$display"
    xdotool key alt+F4
    farewell=$(wait_window "$app" "$CAPTION" "$(scaled 741 $QT_SCALE_FACTOR)")
    check_centred "$farewell" "the farewell window at ${QT_SCALE_FACTOR}x"
    sleep 0.3
    shot "$farewell" farewell
    activate "$farewell"
    xdotool key alt+x
    wait_exit "$app"
done
echo PASS
