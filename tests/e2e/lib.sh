# End-to-end harness: runs the real program on a private X server with a window manager, a
# throw-away home and a stand-in browser, and drives it with xdotool as a user would.
#
# A scenario script sources this file, calls e2e_setup, then uses the helpers below. Everything
# it starts is stopped on exit. Screenshots go to $E2E_SHOTS (default tests/e2e/out).

set -euo pipefail

E2E_APP=${E2E_APP:?the program to test}
E2E_SHOTS=${E2E_SHOTS:-$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/out}
E2E_PIDS=()
# The program speaks English unless a scenario asks for another language.
unset LANGUAGE

fail() {
    echo "FAIL: $*" >&2
    if [ -s "${E2E_TMP:-/nonexistent}/app.log" ]; then
        echo "--- what the program printed:" >&2
        cat "$E2E_TMP/app.log" >&2
    fi
    exit 1
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
    local tries=0
    until [ -s "$E2E_TMP/display" ]; do
        sleep 0.05
        tries=$((tries + 1))
        [ $tries -lt 1200 ] || fail "Xvfb did not start"
    done
    export DISPLAY=:$(head -n1 "$E2E_TMP/display")
    openbox >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        sleep 0.05
        tries=$((tries + 1))
        [ $tries -lt 1200 ] || fail "openbox did not start"
    done
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

# wait_window PID TITLE-REGEX [WIDTH]: prints the id of the visible window of PID whose title
# matches (and whose width is WIDTH, when given), waiting up to 10 s.
wait_window() {
    local pid=$1 title=$2 width=${3:-} tries=0 id
    while [ $tries -lt 100 ]; do
        for id in $(xdotool search --all --onlyvisible --pid "$pid" --name "$title" 2>/dev/null); do
            if [ -z "$width" ] || [ "$(window_width "$id")" = "$width" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
        tries=$((tries + 1))
    done
    fail "no window '$title' ${width:+of width $width }for pid $pid"
}

# wait_no_window PID TITLE-REGEX [WIDTH]: waits up to 10 s until no such window is visible.
wait_no_window() {
    local pid=$1 title=$2 width=${3:-} tries=0 id found
    while [ $tries -lt 100 ]; do
        found=
        for id in $(xdotool search --all --onlyvisible --pid "$pid" --name "$title" 2>/dev/null); do
            if [ -z "$width" ] || [ "$(window_width "$id")" = "$width" ]; then
                found=$id
            fi
        done
        [ -n "$found" ] || return 0
        sleep 0.1
        tries=$((tries + 1))
    done
    fail "window '$title' of pid $pid is still there"
}

window_width() {
    xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p'
}

# wait_exit PID: waits up to 60 s for the process to end and leaves its exit status in
# E2E_STATUS. Not to be called in a command substitution: only this shell can reap its child.
wait_exit() {
    local pid=$1 tries=0
    while [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" != Z ] && kill -0 "$pid" 2>/dev/null; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 600 ] || fail "process $pid did not end"
    done
    E2E_STATUS=0
    wait "$pid" || E2E_STATUS=$?
}

# check_centred WINDOW WHAT: the window stands in the middle of the screen with its frame, give
# or take the half pixel of an odd size (two when scaled); it may take a moment to get there.
check_centred() {
    local tries=0 x y width height left right top bottom screen slack=1
    [ "${QT_SCALE_FACTOR:-1}" = 1 ] || slack=4
    screen=$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { print w, $2 }')
    until read -r x y width height < <(xwininfo -id "$1" | awk '/Absolute upper-left [XY]:/ {
        printf "%s ", $4 } /Width:|Height:/ { printf "%s ", $2 } END { print "" }') &&
        read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | tr -dc '0-9 \n') &&
        x=$((2 * (x - left) + width + left + right - ${screen% *})) &&
        y=$((2 * (y - top) + height + top + bottom - ${screen#* })) &&
        [ "${x#-}" -le $slack ] && [ "${y#-}" -le $slack ]; do
        tries=$((tries + 1))
        [ $tries -lt 20 ] || fail "$2 is off the centre by $x/2, $y/2 px with its frame"
        sleep 0.1
    done
}

# Where a window stands among the desktop's windows, bottom first.
stacking_position() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*# //; s/, /\n/g' |
        grep -n -x "$(printf '0x%x' "$1")" | cut -d: -f1
}

# Gives a window the keyboard, as a click on it would.
activate() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowactivate "$1"
    sleep 0.2
}

screenshot() {
    import -window "$1" "$E2E_SHOTS/$2.png"
}

opened_addresses() {
    cat "$E2E_OPENED"
}
