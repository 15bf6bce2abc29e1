#!/bin/bash
# Measure My Shape over the results page, typed in inches and in centimetres, and the command
# line's --version and --help.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$' MEASURE='^Measure My Shape$'
readonly DISPLAY_WIDTH=553 WELCOME_WIDTH=497 MEASURE_SIZE=553x428

# Both answer without a display: no window is ever opened.
version=$(DISPLAY= "$E2E_APP" --version) || fail "--version ended with status $?"
[ "$version" = "ZV Tamsilo $E2E_VERSION" ] || fail "--version printed '$version'"
usage=$(DISPLAY= "$E2E_APP" --help | head -n1) || fail "--help ended with status $?"
[[ $usage == Usage:*--help*--version* ]] || fail "--help printed '$usage'"

# A locale that measures in inches.
LC_ALL=en_US.UTF-8 start_app
app=$E2E_LAST_PID
activate "$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)"
xdotool type --delay 30 anna
xdotool key alt+t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
activate "$display"
[ "$("$E2E_APP" --version)" = "ZV Tamsilo $E2E_VERSION" ] || fail "--version beside a running copy"

# Not offered before there is a result.
xdotool key alt+f s
sleep 0.5
[ -z "$(xdotool search --all --onlyvisible --pid "$app" --name "$MEASURE" 2>/dev/null)" ] ||
    fail "Measure My Shape opened on a question page"
xdotool key Escape Escape
# "Lower Body", "Lower Body", "Middle Body", "Hips, thighs and buttocks": a Spoon.
for downs in "Tab Down" "Down" "Down Down" "Down Down"; do
    xdotool key $downs alt+n
    sleep 0.3
done

xdotool key alt+f
sleep 0.3
xdotool key s
measure=$(wait_window "$app" "$MEASURE")
sleep 0.3
xdotool type --delay 30 $'34\t30\t36\t37'
sleep 0.3
screenshot "$measure" measure-inches
size=$(identify -format '%wx%h' "$E2E_SHOTS/measure-inches.png")
[ "$size" = "$MEASURE_SIZE" ] || fail "the measure window is $size, not $MEASURE_SIZE"

# On to centimetres: a difference of exactly 9.144 cm is 3.6 in.
xdotool key Tab space
for field in "b 90" "w 70" "g 80" "h 99.144"; do
    xdotool key "alt+${field%% *}" ctrl+a
    xdotool type --delay 30 "${field#* }"
done
sleep 0.3
screenshot "$measure" measure-cm-boundary
xdotool key alt+w ctrl+a 0
sleep 0.3
screenshot "$measure" measure-out-of-range

xdotool key Escape
wait_no_window "$app" "$MEASURE"
wait_window "$app" "$CAPTION" $DISPLAY_WIDTH >/dev/null
echo PASS
