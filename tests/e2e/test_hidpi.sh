#!/bin/bash
# At twice the pixel density: the welcome window and a results page, saved for looking at.
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=2400x1600x24
e2e_setup
export QT_SCALE_FACTOR=2
readonly CAPTION='^ZV Tamsilo v1\.0$'

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" 994)
activate "$welcome"
sleep 0.3
screenshot "$welcome" welcome-2x
xdotool type --delay 30 anna
xdotool key alt+t
display=$(wait_window "$app" "$CAPTION" 1106)
activate "$display"
# Hips, thighs and buttocks, and so on: a Spoon, the widest silhouette.
xdotool key Tab Down alt+n
sleep 0.3
xdotool key Down alt+n
sleep 0.3
xdotool key Down Down alt+n
sleep 0.3
xdotool key Down Down alt+n
sleep 0.5
screenshot "$display" results-2x
echo PASS
