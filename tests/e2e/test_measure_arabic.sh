#!/bin/bash
# Measure My Shape in Arabic with Egyptian digits (LANGUAGE=ar LANG=ar_EG.UTF-8) at 1x and 2x:
# the lengths typed in Arabic-Indic digits with the Arabic decimal separator, from keys bound to
# them as an Arabic keyboard has them. Each screenshot is checked for its size, and the 2x window,
# halved, against the 1x one. The window opens through the test plugin, which knows no access
# keys of any language.
E2E_SCREEN=1600x1400x24
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly WIDTH=744 HEIGHT=623
export QT_QPA_GENERIC_PLUGINS=tamsilodriver TAMSILO_DRIVER=$E2E_TMP/commands
echo mnuMeasureShape >"$TAMSILO_DRIVER"

# ٠ to ٩ and ٫ on keys that had nothing, as xdotool cannot type them otherwise.
spare=($(xmodmap -pke | awk 'NF == 3 && $2 > 100 { print $2 }' | head -n 11))
symbols=(U0660 U0661 U0662 U0663 U0664 U0665 U0666 U0667 U0668 U0669 U066B)
for i in "${!symbols[@]}"; do
    xmodmap -e "keycode ${spare[$i]} = ${symbols[$i]}"
done

# type_arabic "99.144": each ASCII digit as its Arabic-Indic one, the point as ٫, space as Tab.
type_arabic() {
    local keys=() character
    for ((i = 0; i < ${#1}; i++)); do
        character=${1:i:1}
        case $character in
            [0-9]) keys+=("${symbols[$character]}") ;;
            .) keys+=(U066B) ;;
            ' ') keys+=(Tab) ;;
        esac
    done
    xdotool key --delay 20 "${keys[@]}"
}

for QT_SCALE_FACTOR in 1 2; do
    export QT_SCALE_FACTOR
    env LANGUAGE=ar LANG=ar_EG.UTF-8 "$E2E_APP" >/dev/null 2>>"$E2E_TMP/app.log" &
    app=$!
    E2E_PIDS+=("$app")
    window=$(wait_window "$app" . $((WIDTH * QT_SCALE_FACTOR)))
    activate "$window"
    # Bust, waist, high hip, hips and height, then past the second bust reading to the second
    # waist reading: two readings too far apart, and hips on a limit.
    type_arabic "90 70 80 99.144 165  71.6"
    sleep 0.5
    shot=measure-arabic-${QT_SCALE_FACTOR}x
    screenshot "$window" "$shot"
    size=$(identify -format '%wx%h' "$E2E_SHOTS/$shot.png")
    [ "$size" = "$((WIDTH * QT_SCALE_FACTOR))x$((HEIGHT * QT_SCALE_FACTOR))" ] ||
        fail "$shot: the window is $size"
    kill "$app"
    wait_exit "$app"
    : >"$TAMSILO_DRIVER" && echo mnuMeasureShape >"$TAMSILO_DRIVER"
done

difference=$(convert "$E2E_SHOTS/measure-arabic-2x.png" -resize 50% png:- |
    { compare -metric RMSE - "$E2E_SHOTS/measure-arabic-1x.png" null: 2>&1 || true; } |
    sed 's/.*(\(.*\))/\1/')
awk "BEGIN { exit !($difference < 0.12) }" || fail "measure-arabic at 2x differs from 1x by $difference"
echo "measure-arabic: 2x halved differs from 1x by $difference"
echo PASS
