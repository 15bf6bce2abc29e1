# End-to-end harness: runs the real program on a private X server with a window manager, a
# throw-away home and a stand-in browser, and drives it with xdotool as a user would.
#
# A scenario script sources this file, calls e2e_setup, then uses the helpers below. Everything
# it starts is stopped on exit. Screenshots go to $E2E_SHOTS (default tests/e2e/out).

set -euo pipefail

E2E_APP=${E2E_APP:?the program to test}
E2E_SHOTS=${E2E_SHOTS:-$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/out}
E2E_PIDS=()
# How long a wait for the program, the X server or the window manager may take, in seconds:
# generous, so that a machine with every core busy only makes a scenario slower.
E2E_PATIENCE=${E2E_PATIENCE:-60}
# The program speaks English unless a scenario asks for another language.
unset LANGUAGE

fail() {
    local id
    echo "FAIL: $*" >&2
    if [ -n "${E2E_X_READY:-}" ]; then
        echo "--- on screen (shown in failed-$(basename "$0" .sh).png), focus $(xdotool \
            getwindowfocus 2>/dev/null), active $(xdotool getactivewindow 2>/dev/null):" >&2
        import -window root "$E2E_SHOTS/failed-$(basename "$0" .sh).png" 2>/dev/null || true
        for id in $(xdotool search --all --onlyvisible --name '' 2>/dev/null); do
            echo "$id pid $(xdotool getwindowpid "$id" 2>/dev/null) '$(xdotool getwindowname \
                "$id" 2>/dev/null)' width $(window_width "$id" 2>/dev/null)" >&2
        done
    fi
    for id in "${E2E_PIDS[@]}"; do
        echo "--- process $id: $(ps -o stat=,wchan=,etime=,args= -p "$id" 2>/dev/null)" >&2
        describe_stuck_program "$id"
    done
    if [ -s "${E2E_TMP:-/nonexistent}/app.log" ]; then
        echo "--- what the program printed:" >&2
        cat "$E2E_TMP/app.log" >&2
    fi
    exit 1
}

# describe_stuck_program PID: for the program (not the X server or window manager), its windows,
# shown or not, and where each of its threads waits, when a debugger is at hand.
describe_stuck_program() {
    local id=$1 window
    [[ "$(ps -o args= -p "$1" 2>/dev/null)" == *zv-tamsilo* ]] || return 0
    for window in $(xdotool search --all --pid "$id" '' 2>/dev/null); do
        echo "    window $window '$(xdotool getwindowname "$window" 2>/dev/null)'" \
            "$(xwininfo -id "$window" 2>/dev/null | grep -o 'Map State: .*')" \
            "parent $(xwininfo -children -id "$window" 2>/dev/null | sed -n 's/.*Parent window id: //p')" >&2
        xprop -id "$window" WM_STATE _NET_WM_STATE WM_HINTS _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR \
            2>/dev/null | sed 's/^/      /' >&2
    done
    if command -v gdb >/dev/null; then
        timeout 30 gdb -batch -p "$id" -ex 'thread apply all bt 25' 2>/dev/null |
            grep -E '^(Thread|#)' >&2 || true
    fi
}

# wait_until WHAT COMMAND...: runs the command until it succeeds; after E2E_PATIENCE seconds
# the scenario fails with WHAT. Each check waits for something that happens, never for a time.
wait_until() {
    local what=$1 deadline=$((SECONDS + E2E_PATIENCE))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "$what"
        sleep 0.05
    done
}

e2e_cleanup() {
    local status=$? pid
    for pid in "${E2E_PIDS[@]}"; do
        kill -9 "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    check_sanitizer_reports || status=1
    rm -rf "$E2E_TMP"
    exit $status
}

# A sanitizer build reports memory errors, undefined behaviour and leaks on the program's error
# output. Any report fails the scenario, also one from a copy whose end it did not look at.
check_sanitizer_reports() {
    grep -q -E '^==[0-9]+==ERROR: |runtime error: ' "$E2E_TMP/app.log" 2>/dev/null || return 0
    echo "FAIL: the program reported an error of memory or undefined behaviour:" >&2
    cat "$E2E_TMP/app.log" >&2
    return 1
}

e2e_setup() {
    E2E_TMP=$(mktemp -d)
    trap e2e_cleanup EXIT
    mkdir -p "$E2E_SHOTS" "$E2E_TMP/home" "$E2E_TMP/bin" "$E2E_TMP/run"
    chmod 700 "$E2E_TMP/run"
    export HOME=$E2E_TMP/home XDG_CONFIG_HOME=$E2E_TMP/home/.config
    export XDG_DATA_HOME=$E2E_TMP/home/.local/share XDG_CACHE_HOME=$E2E_TMP/home/.cache
    export XDG_RUNTIME_DIR=$E2E_TMP/run
    # The browser the program asks for: records each address on a line of its own.
    E2E_OPENED=$E2E_TMP/opened.txt
    : >"$E2E_OPENED"
    cat >"$E2E_TMP/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$E2E_OPENED"
SCRIPT
    chmod +x "$E2E_TMP/bin/xdg-open"
    export PATH=$E2E_TMP/bin:$PATH
    unset QT_QPA_PLATFORM
    # A scenario that brings its own window system.
    [ -z "${E2E_NO_X:-}" ] || return 0

    # -noreset keeps the server up between clients; -displayfd picks a free display.
    exec 5> >(cat >"$E2E_TMP/display")
    Xvfb -displayfd 5 -noreset -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    exec 5>&-
    wait_until "Xvfb did not start" test -s "$E2E_TMP/display"
    export DISPLAY=:$(head -n1 "$E2E_TMP/display")
    # Openbox owns the screen well before it reads its first event, and a window mapped in
    # between may never be managed: it stays unmapped. What it runs with --startup runs once it
    # has taken in the windows already there, just before it starts reading events.
    openbox --startup "touch $E2E_TMP/window-manager-ready" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    wait_until "openbox did not start" test -e "$E2E_TMP/window-manager-ready"
    E2E_X_READY=1
}

# until_ok TRIES COMMAND...: runs COMMAND every 0.1 s until it succeeds, at most TRIES times.
until_ok() {
    for _ in $(seq "$1"); do "${@:2}" 2>/dev/null && return; sleep 0.1; done
    fail "never: ${*:2}"
}

# Starts the program; its pid is left in E2E_LAST_PID.
start_app() {
    "$E2E_APP" 2>>"$E2E_TMP/app.log" &
    E2E_LAST_PID=$!
    E2E_PIDS+=("$E2E_LAST_PID")
}

# find_window PID TITLE-REGEX [WIDTH]: whether PID shows a window whose title matches (and whose
# width is WIDTH, when given); its id is left in E2E_FOUND.
find_window() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null); do
        if [ -z "${3:-}" ] || [ "$(window_width "$id")" = "$3" ]; then
            E2E_FOUND=$id
            return 0
        fi
    done
    return 1
}

no_window() { ! find_window "$@"; }

# wait_window PID TITLE-REGEX [WIDTH]: prints the id of such a window once it is visible.
wait_window() {
    wait_until "no window '$2' ${3:+of width $3 }for pid $1" find_window "$@"
    echo "$E2E_FOUND"
}

# wait_no_window PID TITLE-REGEX [WIDTH]: waits until no such window is visible.
wait_no_window() {
    wait_until "window '$2' of pid $1 is still there" no_window "$@"
}

window_width() {
    xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'
}

# wait_exit PID: waits for the process to end and leaves its exit status in E2E_STATUS. Not to
# be called in a command substitution: only this shell can reap its child.
wait_exit() {
    wait_until "process $1 did not end" ended "$1"
    E2E_STATUS=0
    wait "$1" || E2E_STATUS=$?
}

ended() {
    [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = Z ] || ! kill -0 "$1" 2>/dev/null
}

# check_centred WINDOW WHAT: the window stands in the middle of the screen with its frame, give
# or take the half pixel of an odd size (two when scaled); it may take a moment to get there.
check_centred() {
    local deadline=$((SECONDS + E2E_PATIENCE)) x y width height left right top bottom screen slack=1
    [ "${QT_SCALE_FACTOR:-1}" = 1 ] || slack=4
    screen=$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { print w, $2 }')
    until read -r x y width height < <(xwininfo -id "$1" | awk '/Absolute upper-left [XY]:/ {
        printf "%s ", $4 } /Width:|Height:/ { printf "%s ", $2 } END { print "" }') &&
        read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -dc '0-9 \n') &&
        x=$((2 * (x - left) + width + left + right - ${screen% *})) &&
        y=$((2 * (y - top) + height + top + bottom - ${screen#* })) &&
        [ "${x#-}" -le $slack ] && [ "${y#-}" -le $slack ]; do
        [ $SECONDS -lt $deadline ] || fail "$2 is off the centre by $x/2, $y/2 px with its frame"
        sleep 0.05
    done
}

# Where a window stands among the desktop's windows, bottom first.
stacking_position() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*# //; s/, /\n/g' |
        grep -n -x "$(printf '0x%x' "$1")" | cut -d: -f1
}

# Gives a window the keyboard, as a click on it would.
activate() {
    xdotool windowactivate "$1" 2>/dev/null || true
    wait_focus "$1"
}

# wait_focus WINDOW: waits until the X server sends the keys to the window and the window
# manager knows it as the active one (its own keys, Alt+F4, act on that). Keys typed before then
# go wherever the focus was; those typed after reach the program after the focus change.
wait_focus() {
    wait_until "window $1 did not get the keyboard" has_focus "$1"
}

has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] &&
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}

# choose PID MENU-KEY ITEM-KEY: opens a menu of the program by its access key and, once it is on
# screen, chooses an item by its own.
choose() {
    xdotool key "$2"
    wait_until "the menu of $2 did not open" menu_open "$1"
    xdotool key "$3"
}

menu_open() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$1" --name '' 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DROPDOWN_MENU &&
            return 0
    done
    return 1
}

no_menu_open() { ! menu_open "$@"; }

# remember_screen NAME: keeps the whole screen as it is now, for wait_drawn.
remember_screen() {
    import -window root "$E2E_TMP/$1.png"
}

# wait_drawn WINDOW [NAME]: waits until the program has painted a window that has just come up:
# it shows more than a few colours (a window not yet painted shows what was there before, and
# an empty screen is one colour), and not what the screen remembered as NAME showed in its place.
wait_drawn() {
    wait_until "window $1 was never drawn" drawn "$@"
}

drawn() {
    local x y width height
    import -window "$1" "$E2E_TMP/look.png" 2>/dev/null || return 1
    [ "$(identify -format '%k' "$E2E_TMP/look.png")" -gt 16 ] || return 1
    [ -n "${2:-}" ] || return 0
    read -r x y width height < <(xwininfo -id "$1" | awk '/Absolute upper-left [XY]:/ {
        printf "%s ", $4 } /Width:|Height:/ { printf "%s ", $2 } END { print "" }')
    [ "$(convert "$E2E_TMP/look.png" rgb:- | md5sum)" != \
        "$(convert "$E2E_TMP/$2.png" -crop "${width}x$height+$x+$y" +repage rgb:- | md5sum)" ]
}

screenshot() {
    import -window "$1" "$E2E_SHOTS/$2.png"
}

opened_addresses() {
    cat "$E2E_OPENED"
}

# drive COMMAND...: hands each command to the plugin tests/e2e/driver loaded into the program
# (QT_QPA_GENERIC_PLUGINS=tamsilodriver, its commands in $TAMSILO_DRIVER, the program's output in
# $E2E_TMP/out), waiting until it took each; $sent counts them.
sent=0
drive() {
    for command; do
        echo "$command" >>"$TAMSILO_DRIVER" && sent=$((sent + 1))
        until_ok 600 grep -q "^ok $sent " "$E2E_TMP/out"
    done
}
