#!/bin/bash
# The command line: the information options, an unknown option, Qt's own options passed on to
# Qt, a missing display and a full standard output.
source "$(dirname "$0")/lib.sh"
e2e_setup

out=$E2E_TMP/out err=$E2E_TMP/err

# check STATUS PATTERN [VAR=VALUE...] PROGRAM ARGS...: runs it without a display, unless given
# one, and checks its status and the line or two it said on standard error.
check() {
    local want=$1 said=$2 status=0
    shift 2
    env DISPLAY= WAYLAND_DISPLAY= "$@" >"$out" 2>"$err" || status=$?
    [ $status = "$want" ] && [ "$(wc -l <"$err")" -le 2 ] && grep -q -- "$said" "$err" ||
        fail "$*: status $status: $(cat "$err")"
}

help=$(DISPLAY= "$E2E_APP" --help)
[ "$(DISPLAY= "$E2E_APP" -h)" = "$help" ] || fail "-h is not --help"
for option in --bogus -x -help; do
    check 2 "^zv-tamsilo: unknown option '$option'$" "$E2E_APP" -style fusion "$option"
    [ ! -s "$out" ] && grep -q -- '--help' "$err" || fail "$option: no hint to --help"
done
# Without a display: what is missing, and no abort.
check 1 "no display is set" "$E2E_APP"
check 1 "':97'" DISPLAY=:97 "$E2E_APP"
check 1 "':96'" "$E2E_APP" -display :96
check 1 "'nonesuch'" "$E2E_APP" -platform nonesuch
status=0
"$E2E_APP" --version >/dev/full 2>"$err" || status=$?
[ $status = 1 ] && grep -q "No space left" "$err" || fail "--version >/dev/full: $status"

# Qt takes its own options and their values, those that look like options too: the first
# window is given the title that -qwindowtitle names. What Qt says meanwhile is still said.
DISPLAY= "$E2E_APP" -display "$DISPLAY" -style=nonesuch -reverse -qwindowtitle -odd --session x \
    2>>"$E2E_TMP/app.log" &
E2E_PIDS+=($!)
wait_window $! '^-odd$' >/dev/null
grep -q "invalid style override 'nonesuch'" "$E2E_TMP/app.log" || fail "Qt's warning was lost"
echo PASS
