#!/bin/bash
# The command line: -h, an unknown option, no display, a full standard output, Qt's own options.
source "$(dirname "$0")/lib.sh"
e2e_setup
err=$E2E_TMP/err
help=$(DISPLAY= "$E2E_APP" --help)
[ -n "$help" ] && [ "$(DISPLAY= "$E2E_APP" -h)" = "$help" ] || fail "-h is not --help"
# check STATUS PATTERN ARGS...: runs the program without a display; a line or two on stderr.
check() {
    local want=$1 said=$2 status=0
    shift 2
    DISPLAY= WAYLAND_DISPLAY= "$E2E_APP" "$@" >/dev/null 2>"$err" || status=$?
    [ $status = "$want" ] && [ "$(wc -l <"$err")" -le 2 ] && grep -q -- "$said" "$err" ||
        fail "$*: status $status: $(cat "$err")"
}
check 2 "^zv-tamsilo: unknown option '--bogus'$" --bogus
check 1 "no display is set"
status=0
"$E2E_APP" --version >/dev/full 2>"$err" || status=$?
[ $status = 1 ] && grep -q "No space left" "$err" || fail "--version >/dev/full: $status"
# Qt's option and its value, though it looks like an option: the first window's title.
DISPLAY= "$E2E_APP" -display "$DISPLAY" -qwindowtitle -odd 2>>"$E2E_TMP/app.log" &
E2E_PIDS+=($!)
wait_window $! '^-odd$' >/dev/null
echo PASS
