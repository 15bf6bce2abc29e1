#!/bin/bash
# The whole test from the keyboard: name, four answers, the results page, the about window
# over it, and Back to the welcome window, where the focus is in the name box again.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly WELCOME_WIDTH=497 DISPLAY_WIDTH=553 ABOUT_WIDTH=455 FAREWELL_WIDTH=741
ASSETS=$(cd "$(dirname "$0")/../../assets" && pwd)
readonly ASSETS

# shows_shape WINDOW SHOT SHAPE: waits for the picture box at the right of the results page to
# hold the shape's own picture, pixel for pixel (the four pictures differ in shape and size),
# and keeps the screenshot that shows it.
shows_shape() {
    wait_until "$2 does not show the $3 picture: $(cat "$E2E_TMP/found" 2>/dev/null)" \
        shape_shown "$@"
}

shape_shown() {
    screenshot "$1" "$2"
    convert "$E2E_SHOTS/$2.png" -crop 100x320+453+50 +repage "$E2E_TMP/band.png"
    compare -metric AE -subimage-search "$E2E_TMP/band.png" "$ASSETS/$3.gif" null: \
        >"$E2E_TMP/found" 2>&1 || true
    [ "$(cut -d' ' -f1 "$E2E_TMP/found")" = 0 ]
}

# The question the questionnaire window shows: a fingerprint of its line's pixels.
question() {
    import -window "$display" miff:- | convert - -crop 400x26+60+118 +repage rgb:- | md5sum
}

# next_page KEY...: presses the keys, the last of them a Next, and waits for the next page to
# come forward; an access key clicks its button a moment after it is pressed.
next_page() {
    local before
    before=$(question)
    xdotool key "$@"
    wait_until "$* did not bring the next page" question_changed "$before"
}

question_changed() { [ "$(question)" != "$1" ]; }

# refused KEY WINDOW: the key brings up "Please Enter Only Alphabet" from the name box, Return
# answers it, and the keyboard is back in the window.
refused() {
    local box
    xdotool key "$1"
    box=$(wait_window "$app" '^ZV Tamsilo$')
    wait_focus "$box"
    xdotool key Return
    wait_no_window "$app" '^ZV Tamsilo$'
    wait_focus "$2"
}

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
activate "$welcome"
# A double-click on the banner is one click.
xdotool mousemove --window "$welcome" 248 45 click --repeat 2 --delay 80 1
xdotool type --delay 30 anna
refused ctrl+BackSpace "$welcome" && refused ctrl+Return "$welcome"
# Started from the File menu; keypad Enter and Return press the focused button.
remember_screen before-test
choose "$app" alt+f t
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
wait_no_window "$app" "$CAPTION" $WELCOME_WIDTH
activate "$display"
wait_drawn "$display" before-test
screenshot "$display" question-1

# "Lower Body", "Lower Body", "Middle Body", "Hips, thighs and buttocks": a Spoon.
next_page Tab Down Tab KP_Enter
screenshot "$display" question-2
next_page Down alt+n
next_page Down Down alt+n
next_page Down Down alt+n
shows_shape "$display" results-spoon spoon

# The about window opens over the results page and Esc closes it.
remember_screen before-about
choose "$app" alt+h a
about=$(wait_window "$app" "$CAPTION" $ABOUT_WIDTH)
wait_drawn "$about" before-about
screenshot "$about" about
wait_focus "$about"
xdotool key Escape
wait_no_window "$app" "$CAPTION" $ABOUT_WIDTH

# Back leads to the welcome window, not to the farewell window.
activate "$display"
remember_screen before-back
xdotool key alt+b
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
wait_no_window "$app" "$CAPTION" $DISPLAY_WIDTH
wait_drawn "$welcome" before-back
screenshot "$welcome" welcome-after-back

# The focus is home in the name box. The box it brings up comes after whatever Back brought
# up, so by then a farewell window would be on screen.
activate "$welcome"
refused 7 "$welcome"
no_window "$app" "$CAPTION" $FAREWELL_WIDTH || fail "Back left the farewell window on screen"

# Eight presses of Alt+N from page 1 count four answers and end on the results page.
xdotool key Tab Return
display=$(wait_window "$app" "$CAPTION" $DISPLAY_WIDTH)
activate "$display"
for _ in 1 2 3 4; do
    next_page alt+n
done
# Four more on the results page, then a menu opened and closed: it comes up once the program
# has taken them.
xdotool key alt+n alt+n alt+n alt+n
choose "$app" alt+h Escape
wait_until "the Help menu stayed open" no_menu_open "$app"
# Every answer left at the first: a Ruler.
shows_shape "$display" results-after-eight-nexts ruler
[ "$(opened_addresses | wc -l)" = 1 ] || fail "the banner opened: $(opened_addresses)"
echo PASS
