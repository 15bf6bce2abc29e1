#!/bin/bash
# Installing: the files a desktop needs are in place and valid, the Debian package passes
# lintian without an error, and both the installed program and the one in the package start
# and show the welcome window.
E2E_APP=installed-below
source "$(dirname "$0")/lib.sh"
e2e_setup
build=${TAMSILO_BUILD_DIR:?the build folder to install from}
readonly ID=example.zelvara.Tamsilo CAPTION='^ZV Tamsilo v1\.0$'

prefix=$E2E_TMP/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/$ID.desktop" || fail "desktop entry is not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/$ID.metainfo.xml" >/dev/null ||
    fail "AppStream metadata is not valid"
# The menu and the software centre speak every language of the program's .ts files.
for ts in "$(dirname "$0")"/../../translations/zv-tamsilo_*.ts; do
    lang=$(basename "$ts" .ts) && lang=${lang#zv-tamsilo_}
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=" "$prefix/share/applications/$ID.desktop" || fail "no $key[$lang]"
    done
    # The summary, two paragraphs, the screenshot's caption and the release notes.
    [ "$(grep -c "xml:lang=\"$lang\"" "$prefix/share/metainfo/$ID.metainfo.xml")" = 5 ] ||
        fail "the AppStream summary, description, caption or release notes are not in $lang"
done
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$ID.png
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "icon $icon is not $size px"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$ID.svg" || fail "no scalable icon"

E2E_APP=$prefix/bin/zv-tamsilo
start_app
window=$(wait_window "$E2E_LAST_PID" "$CAPTION" 497)
screenshot "$window" installed
kill "$E2E_LAST_PID"
wait_exit "$E2E_LAST_PID"

# The Debian package: its dependencies are worked out, and the program in it starts.
(cd "$E2E_TMP" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null) ||
    fail "cpack could not make the package"
package=$(ls "$E2E_TMP"/zv-tamsilo_*.deb)
# Read whole, then searched: grep -q would stop reading early and break the pipe.
depends=$(dpkg-deb -f "$package" Depends)
contents=$(dpkg-deb -c "$package")
grep -q 'libqt6widgets6' <<<"$depends" || fail "package lacks its Qt dependency"
# The modules' own dependencies, which the executable does not have: Qt's printing library,
# and Qt SQL (libqt6sql6 itself, not only its SQLite driver) with its driver.
grep -q 'libqt6printsupport6' <<<"$depends" || fail "package lacks Qt's printing library"
grep -qE '(^|, )libqt6sql6( |,|$)' <<<"$depends" || fail "package lacks Qt SQL"
grep -q 'libqt6sql6-sqlite' <<<"$depends" || fail "package lacks Qt SQL's SQLite driver"
for module in printing history; do
    grep -q "usr/lib/zv-tamsilo/libzv-tamsilo-$module.so" <<<"$contents" ||
        fail "package lacks the $module module"
done
grep -q "usr/share/applications/$ID.desktop" <<<"$contents" || fail "package lacks the menu entry"
# Debian's own checks: an error ("E:" line) fails, warnings are only shown.
report=$(lintian --tag-display-limit 0 "$package" 2>&1) || true
[ -z "$report" ] || printf 'lintian:\n%s\n' "$report" >&2
if grep -q '^E: ' <<<"$report"; then fail "lintian finds errors in the package"; fi
dpkg-deb -x "$package" "$E2E_TMP/unpacked"
runpath=$(readelf -d "$E2E_TMP/unpacked/usr/bin/zv-tamsilo" | grep -E 'RUNPATH|RPATH' || true)
[ -z "$runpath" ] || fail "the packaged program has a library search path: $runpath"
! readelf -d "$E2E_TMP/unpacked/usr/bin/zv-tamsilo" | grep -E 'NEEDED.*libQt6(Sql|PrintSupport)' ||
    fail "the packaged program itself needs what its modules bring"
E2E_APP=$E2E_TMP/unpacked/usr/bin/zv-tamsilo
start_app
wait_window "$E2E_LAST_PID" "$CAPTION" 497 >/dev/null
echo PASS
