#!/bin/bash
# Whatever is left on the machine, the program starts and shows its welcome window: after a
# copy was killed outright, with a runtime folder it cannot use, with anything in the place of
# its lock file, and with a settings file that is garbage, binary, a megabyte long or a folder.
# What it cannot read it leaves alone; what it stores is only its own setting.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly BOX='^ZV Tamsilo$'
readonly WELCOME_WIDTH=497
readonly LOCK=$XDG_RUNTIME_DIR/zv-tamsilo.lock
readonly SETTINGS=$XDG_CONFIG_HOME/ZVFreeTamsilo.conf
readonly ENTRY='^Evsbujpo='
mkdir -p "$XDG_CONFIG_HOME"

no_box() {
    [ -z "$(xdotool search --all --onlyvisible --pid "$1" --name "$BOX" 2>/dev/null)" ]
}

# starts_to_welcome WHAT: the program starts to its welcome window with no message before it,
# and is left running in $app.
starts_to_welcome() {
    start_app
    app=$E2E_LAST_PID
    wait_window "$app" "$CAPTION" $WELCOME_WIDTH >/dev/null
    sleep 0.3
    no_box "$app" || fail "$1: a message came up"
    kill -0 "$app" || fail "$1: the program ended"
}

stop() {
    kill "$app"
    wait_exit "$app"
}

# Killed outright: with the welcome window up, and while the reminder's question holds
# start-up with the lock already taken. Each time the next start works.
starts_to_welcome "first start"
kill -9 "$app"
wait_exit "$app"
starts_to_welcome "after kill -9 of the welcome window"
kill -9 "$app"
wait_exit "$app"
{ export LC_ALL=en_US.UTF-8; } 2>/dev/null
weeks_ago=$(date -d '30 days ago' +%-m/%-d/%y | tr '\040-\176' '\041-\177')
printf '[Settings]\nEvsbujpo=%s\n' "$weeks_ago" >"$SETTINGS"
start_app
app=$E2E_LAST_PID
wait_window "$app" "$BOX" >/dev/null
kill -9 "$app"
wait_exit "$app"
# The question was never answered, so nothing was stored and the next start asks again.
start_app
app=$E2E_LAST_PID
box=$(wait_window "$app" "$BOX")
activate "$box"
xdotool key n
wait_window "$app" "$CAPTION" $WELCOME_WIDTH >/dev/null
stop
rm -f "$SETTINGS"

# What may lie where the lock file goes. A copy ended while making it leaves it empty; anything
# else may be put there. Only a running copy's lock keeps the program out.
check_lock_debris() {
    local what=$1
    touch -h -d '1 minute ago' "$LOCK"
    starts_to_welcome "$what in the place of the lock"
    stop
    rm -rf "$LOCK"
}
: >"$LOCK"
check_lock_debris "an empty file"
printf 'garbage\nmore garbage\n' >"$LOCK"
check_lock_debris "text"
head -c 4096 /dev/zero | tr '\0' '\377' >"$LOCK"
check_lock_debris "binary data"
printf '1\nzv-tamsilo\n%s\n' "$(hostname)" >"$LOCK"
check_lock_debris "a lock naming a process that is not the program"
mkdir "$LOCK"
check_lock_debris "a folder"
ln -s "$E2E_TMP/nowhere" "$LOCK"
check_lock_debris "a link to nowhere"

# A runtime folder the program cannot use: it runs without the single-copy rule. Root may
# write anywhere, so the folder is made unusable by being a plain file, or lying under one.
: >"$E2E_TMP/plain-file"
for runtime in "$E2E_TMP/plain-file" "$E2E_TMP/plain-file/run" "/proc/version/run"; do
    XDG_RUNTIME_DIR=$runtime starts_to_welcome "runtime folder $runtime"
    stop
done

# The settings file. What cannot be read as settings is left as it was; what can be read, but
# holds no date of ours, gets today's date stored beside what it held.
check_settings() {
    local what=$1 before after
    before=$(md5sum <"$SETTINGS" 2>/dev/null || echo folder)
    starts_to_welcome "settings file of $what"
    stop
    after=$(md5sum <"$SETTINGS" 2>/dev/null || echo folder)
    if [ "$before" != "$after" ]; then
        # Rewritten: then as settings, with the program's one entry among them.
        grep -q -a "$ENTRY" "$SETTINGS" || fail "settings file of $what: rewritten without the date"
    fi
    rm -rf "$SETTINGS"
}
printf 'garbage [[[ \n = = \n[Settings\nEvsbujpo\n\\\n' >"$SETTINGS"
check_settings "garbage text"
for code in $(seq 0 255); do printf "\\x$(printf %02x "$code")"; done >"$SETTINGS"
check_settings "every byte value"
head -c 65536 /dev/zero >"$SETTINGS"
check_settings "zero bytes"
head -c 1048576 < <(yes 'garbage line = with = equals') >"$SETTINGS"
check_settings "1 MB of lines"
printf '[Settings]\nEvsbujpo=' >"$SETTINGS"
head -c 1048576 < <(yes 9) | tr -d '\n' >>"$SETTINGS"
check_settings "a date 1 MB long"
printf '[Settings]\nEvsbujpo=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\aQString\\xff\\xff\\xff\\xf0)\n' >"$SETTINGS"
check_settings "a value of another type"
mkdir "$SETTINGS"
starts_to_welcome "a folder in the place of the settings file"
stop
[ -d "$SETTINGS" ] || fail "the folder in the place of the settings file was removed"
rm -rf "$SETTINGS"
ln -s /dev/zero "$SETTINGS"
starts_to_welcome "settings file linked to an endless device"
stop
rm -f "$SETTINGS"

# Nothing was opened in the browser all along.
[ -z "$(opened_addresses)" ] || fail "pages were opened: $(opened_addresses)"
echo "PASS"
