#!/bin/bash
# At the usual, one and a half and twice the pixel density: every window with its frame, saved
# for looking at, each centred on the screen with its frame.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=2400x1600x24
e2e_setup
readonly CAPTION='^ZV Tamsilo v1\.0$'

# look_at WIDTH NAME: the window of that width at this scale, centred and saved as "shown".
look_at() {
    shown=$(awk "BEGIN { printf \"%d\", $1 * $QT_SCALE_FACTOR + 0.5 }")
    shown=$(wait_window "$app" "$CAPTION" "$shown")
    check_centred "$shown" "the $2 window at ${QT_SCALE_FACTOR}x"
    activate "$shown"
    import -frame -window "$shown" "$E2E_SHOTS/$2-${QT_SCALE_FACTOR}x.png"
}

for QT_SCALE_FACTOR in 1 1.5 2; do
    export QT_SCALE_FACTOR
    start_app
    app=$E2E_LAST_PID
    look_at 497 welcome
    xdotool type --delay 30 anna
    xdotool key alt+t
    look_at 553 question
    # Hips, thighs and buttocks, and so on: a Spoon, the widest silhouette.
    xdotool key Tab Down alt+n sleep 0.3 key Down alt+n sleep 0.3 key Down Down alt+n sleep 0.3 \
        key Down Down alt+n sleep 0.5
    import -frame -window "$shown" "$E2E_SHOTS/results-${QT_SCALE_FACTOR}x.png"
    xdotool key alt+h sleep 0.3 key a
    look_at 455 about
    xdotool key Escape sleep 0.3 key alt+F4
    look_at 741 farewell
    xdotool key alt+x
    wait_exit "$app"
done
echo PASS
