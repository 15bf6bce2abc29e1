#!/bin/bash
# Twenty copies started at the same moment: exactly one welcome window comes up, and each of
# the other nineteen says "Application is already running" and ends with status 0 after OK.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly BOX='^ZV Tamsilo$'
readonly WELCOME_WIDTH=497
readonly COPIES=${CONCURRENT_COPIES:-20}

# Every copy waits on a pipe with no writer yet; opening and closing it lets them all go.
mkfifo "$E2E_TMP/go"
for _ in $(seq "$COPIES"); do
    (read -r _ <"$E2E_TMP/go" || true; exec "$E2E_APP") 2>>"$E2E_TMP/app.log" &
    E2E_PIDS+=($!)
done
copies=("${E2E_PIDS[@]: -$COPIES}")
sleep 0.5
exec 3>"$E2E_TMP/go"
exec 3>&-

# visible_count TITLE-REGEX [PID]: how many visible windows have that title (of that process).
visible_count() {
    { xdotool search --all --onlyvisible ${2:+--pid "$2"} --name "$1" 2>/dev/null || true; } | wc -l
}

# All of them starting at once on a shared machine takes a while.
tries=0
until [ "$(visible_count "$BOX")" -ge $((COPIES - 1)) ] && [ "$(visible_count "$CAPTION")" -ge 1 ]; do
    sleep 0.2
    tries=$((tries + 1))
    [ $tries -lt 300 ] || fail "after 60 s: $(visible_count "$CAPTION") main windows," \
        "$(visible_count "$BOX") boxes"
done
sleep 1
import -window root "$E2E_SHOTS/concurrent-starts.png"
[ "$(visible_count "$BOX")" = $((COPIES - 1)) ] || fail "$(visible_count "$BOX") boxes came up"
[ "$(visible_count "$CAPTION")" = 1 ] || fail "$(visible_count "$CAPTION") main windows came up"

# The one window is the welcome window; its copy shows no box, every other copy one box only.
first=
for pid in "${copies[@]}"; do
    windows=$(visible_count "$CAPTION" "$pid")
    boxes=$(visible_count "$BOX" "$pid")
    if [ "$windows" = 1 ]; then
        [ "$boxes" = 0 ] || fail "the running copy also says it is already running"
        first=$pid
    else
        [ "$boxes" = 1 ] || fail "copy $pid shows $boxes boxes and $windows windows"
    fi
done
[ -n "$first" ] || fail "no copy holds the welcome window"
wait_window "$first" "$CAPTION" $WELCOME_WIDTH >/dev/null

# OK on each box ends its copy with status 0; the running copy stays as it was.
for pid in "${copies[@]}"; do
    [ "$pid" != "$first" ] || continue
    box=$(wait_window "$pid" "$BOX")
    activate "$box"
    xdotool key Return
    wait_exit "$pid"
    [ "$E2E_STATUS" = 0 ] || fail "copy $pid ended with status $E2E_STATUS"
done
kill -0 "$first" || fail "the running copy ended"
wait_window "$first" "$CAPTION" $WELCOME_WIDTH >/dev/null
echo "PASS: $COPIES copies, one welcome window, $((COPIES - 1)) boxes answered"
