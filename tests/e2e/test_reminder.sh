#!/bin/bash
# The update reminder at start-up: 20 days after the last reminder the question comes before
# the welcome window; No opens nothing, Yes opens the download page; both store today's date;
# a stored value that is not a date asks nothing; in locales whose dates go beyond Latin-1 the
# question still comes 20 days later.
source "$(dirname "$0")/lib.sh"
e2e_setup

readonly CAPTION='^ZV Tamsilo v1\.0$'
readonly BOX='^ZV Tamsilo$'
readonly WELCOME_WIDTH=497
readonly DOWNLOAD_PAGE=http://tamsilo.zelvara.example/download-zv-free-tamsilo.html
readonly SETTINGS=$XDG_CONFIG_HOME/ZVFreeTamsilo.conf
# Dates in the American short format, "3/10/26". No such system locale is needed: the program
# has its own locale data, and the shell's warning about it is of no interest.
{ export LC_ALL=en_US.UTF-8; } 2>/dev/null

short_date() { date -d "$1" +%-m/%-d/%y; }
# As the program scrambles a setting: every character one code up.
scramble() { printf '%s' "$1" | tr '\040-\176' '\041-\177'; }
store_value() {
    mkdir -p "$XDG_CONFIG_HOME"
    printf '[Settings]\nEvsbujpo=%s\n' "$1" >"$SETTINGS"
}
stored_value() { sed -n 's/^Evsbujpo=//p' "$SETTINGS" 2>/dev/null; }
# A first start keeps its date once its window has painted: waits up to 10 s for it.
wait_stored() {
    local tries=0
    until [ -n "$(stored_value)" ]; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 100 ] || fail "$1: no date was stored"
    done
}
no_window() { [ -z "$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null)" ]; }
stop_app() {
    kill "$1"
    wait_exit "$1" >/dev/null
}

readonly TODAY=$(scramble "$(short_date today)")

# The question comes first; after No the welcome window follows and nothing is opened.
store_value "$(scramble "$(short_date '20 days ago')")"
start_app
app=$E2E_LAST_PID
box=$(wait_window "$app" "$BOX")
no_window "$app" "$CAPTION" || fail "a window of the program came up before the question"
sleep 0.3
screenshot "$box" reminder-question
activate "$box"
xdotool key n
wait_window "$app" "$CAPTION" $WELCOME_WIDTH >/dev/null
wait_no_window "$app" "$BOX"
[ "$(stored_value)" = "$TODAY" ] || fail "No did not store today's date: $(stored_value)"
[ -z "$(opened_addresses)" ] || fail "No opened $(opened_addresses)"
stop_app "$app"

# Return answers the default, Yes: the download page opens once and today's date is stored,
# in the locale's format whatever the language of the texts.
store_value "$(scramble "$(short_date '20 days ago')")"
LANGUAGE=de:fr start_app
app=$E2E_LAST_PID
box=$(wait_window "$app" "$BOX")
activate "$box"
xdotool key Return
wait_window "$app" "$CAPTION" $WELCOME_WIDTH >/dev/null
[ "$(stored_value)" = "$TODAY" ] || fail "Yes did not store today's date: $(stored_value)"
sleep 0.3
[ "$(opened_addresses)" = "$DOWNLOAD_PAGE" ] || fail "Yes opened '$(opened_addresses)'"
stop_app "$app"

# A second start the same day asks nothing.
start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
sleep 0.3
no_window "$app" "$BOX" || fail "a second start the same day asked again"
stop_app "$app"

# A stored value that is not a date: no question, the welcome window, the value left alone.
store_value garbage
start_app
app=$E2E_LAST_PID
welcome=$(wait_window "$app" "$CAPTION" $WELCOME_WIDTH)
sleep 0.3
no_window "$app" "$BOX" || fail "a value that is not a date brought up the question"
[ "$(stored_value)" = garbage ] || fail "a value that is not a date was changed"
screenshot "$welcome" reminder-not-a-date-welcome
stop_app "$app"

# Whatever the language of the texts, the date is stored as the locale writes it (Bulgarian dates
# end in "г.", Egyptian and Persian ones have their own digits and right-to-left marks), the same
# with any LANGUAGE, and the question comes 20 days later.
readonly FAKETIME_LIB=$(find /usr/lib -name libfaketime.so.1 -print -quit)
[ -n "$FAKETIME_LIB" ] || fail "libfaketime is missing (Debian package faketime)"
# One day for every first start, however long the loop takes.
readonly FIRST_DAY="@$(date -d '20 days ago' '+%Y-%m-%d') 12:00:00"
for locale in bg_BG ru_RU ar_EG fa_IR en_US; do
    first_bytes=
    for language in '' en de; do
        if [ -n "$language" ]; then export LANGUAGE=$language; else unset LANGUAGE; fi
        rm -f "$SETTINGS"
        # The sanitizer build wants its runtime first among the libraries; the clock's stand-in
        # is preloaded before it, which is harmless here.
        { LC_ALL= LC_TIME= LANG=$locale.UTF-8 LD_PRELOAD=$FAKETIME_LIB FAKETIME=$FIRST_DAY \
            DONT_FAKE_MONOTONIC=1 \
            ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 start_app; } 2>/dev/null
        app=$E2E_LAST_PID
        wait_stored "$locale, LANGUAGE=$language"
        stop_app "$app"
        bytes=$(od -An -tx1 "$SETTINGS")
        [ -n "$first_bytes" ] || first_bytes=$bytes
        [ "$bytes" = "$first_bytes" ] ||
            fail "$locale, LANGUAGE=$language: stored '$(stored_value)', not as without LANGUAGE"
        { LC_ALL= LC_TIME= LANG=$locale.UTF-8 start_app; } 2>/dev/null
        app=$E2E_LAST_PID
        box=$(wait_window "$app" "$BOX") ||
            fail "$locale, LANGUAGE=$language: no question for '$(stored_value)'"
        stop_app "$app"
    done
done
unset LANGUAGE
[ "$(opened_addresses)" = "$DOWNLOAD_PAGE" ] || fail "more pages were opened: $(opened_addresses)"
echo "PASS"
