#!/bin/bash
# What the first window does not need is not loaded at start: Qt's printing library comes with
# the first File > Print Result…, and nothing of Qt SQL before the history is asked for.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'

# loaded LIBRARY: whether the program has the library mapped.
loaded() {
    grep -q "/$1" "/proc/$app/maps"
}

# visible_windows: how many windows of the program show, menus included.
visible_windows() {
    xdotool search --all --onlyvisible --pid "$app" '' 2>/dev/null | wc -l
}

# press_in_menu MENU-KEY ITEM-KEY: opens a menu by its access key, waits for it to show, and
# presses the item's key.
press_in_menu() {
    local before tries=0
    before=$(visible_windows)
    xdotool key "$1"
    until [ "$(visible_windows)" -gt "$before" ]; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || fail "the menu did not open"
        sleep 0.1
    done
    xdotool key "$2"
}

start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" 497)
for library in libzv-tamsilo-printing libQt6PrintSupport libzv-tamsilo-history libQt6Sql \
    libqsqlite; do
    ! loaded "$library" || fail "$library is loaded at start"
done

activate "$welcome"
xdotool type --delay 30 anna
xdotool key alt+t
display=$(wait_window "$app" "$CAPTION" 553)
activate "$display"
# The first answer of each page, each Next once the question before has been drawn anew.
drawn() {
    import -window "$display" -crop 430x22+62+124 png:- | md5sum
}
for page in 1 2 3 4; do
    before=$(drawn)
    xdotool key Tab Down alt+n
    tries=0
    while [ "$(drawn)" = "$before" ]; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || fail "Next on page $page showed nothing new"
        sleep 0.1
    done
done
# Print Result… is there once the results page is: until then the menu is closed again.
printer_dialog() {
    xdotool search --all --onlyvisible --pid "$app" --name '^Print Result$' 2>/dev/null
}
for attempt in $(seq 50); do
    press_in_menu alt+f p
    for look in $(seq 10); do
        [ -z "$(printer_dialog)" ] || break 2
        sleep 0.1
    done
    xdotool key Escape
done
[ -n "$(printer_dialog)" ] || fail "File > Print Result… brought no printer dialog"
loaded libQt6PrintSupport || fail "printing without Qt's printing library"
! loaded libQt6Sql || fail "Qt SQL came with printing"
