#!/bin/bash
# The command line: the information options, an unknown option, Qt's own options passed on to
# Qt, a missing display and a full standard output.
source "$(dirname "$0")/lib.sh"
e2e_setup

out=$E2E_TMP/out err=$E2E_TMP/err

# run ARGS...: runs the program without a display; its status is left in status.
run() {
    status=0
    DISPLAY= WAYLAND_DISPLAY= "$E2E_APP" "$@" >"$out" 2>"$err" || status=$?
}

run --help
help=$(cat "$out")
run -h
[ $status = 0 ] && [ "$(cat "$out")" = "$help" ] || fail "-h is not --help: $status $(cat "$out")"

for option in --bogus -x -help; do
    run -style fusion "$option"
    [ $status = 2 ] || fail "$option ended with status $status"
    [ ! -s "$out" ] || fail "$option printed on standard output"
    [ "$(head -n1 "$err")" = "zv-tamsilo: unknown option '$option'" ] || fail "$option: $(cat "$err")"
    grep -q -- '--help' "$err" || fail "$option: no hint to --help"
done

# Without a display: a line or two that name what is missing, and no abort.
for case in "DISPLAY=|no display is set" "DISPLAY=:97|':97'" "-display :96|':96'" "-platform nonesuch|'nonesuch'"; do
    setting=${case%|*} said=${case#*|} status=0
    if [[ $setting == -* ]]; then
        DISPLAY= WAYLAND_DISPLAY= "$E2E_APP" $setting >"$out" 2>"$err" || status=$?
    else
        env "$setting" WAYLAND_DISPLAY= "$E2E_APP" >"$out" 2>"$err" || status=$?
    fi
    [ $status = 1 ] || fail "$setting: status $status: $(cat "$err")"
    [ "$(wc -l <"$err")" -le 2 ] && grep -q -- "$said" "$err" || fail "$setting: $(cat "$err")"
done

status=0
"$E2E_APP" --version >/dev/full 2>"$err" || status=$?
[ $status = 1 ] || fail "--version >/dev/full ended with status $status"
grep -q "No space left" "$err" || fail "--version >/dev/full: $(cat "$err")"

# Qt takes its own options and their values, those that look like options too: the first
# window is given the title that -qwindowtitle names. What Qt says while it opens the display
# is still said.
DISPLAY= "$E2E_APP" -display "$DISPLAY" -style=nonesuch -reverse -qwindowtitle -odd --session x \
    2>>"$E2E_TMP/app.log" &
E2E_PIDS+=($!)
wait_window $! '^-odd$' >/dev/null
grep -q "invalid style override 'nonesuch'" "$E2E_TMP/app.log" || fail "Qt's warning was lost"
echo PASS
