#!/usr/bin/env bash
# Builds the Debian package, installs it with dpkg, starts the book from
# its menu entry as a reader, and removes the package again.
# Usage: deb-package.sh BUILD_DIR. Ends with 77 (skipped) unless root.
set -euo pipefail
build=$(cd "$1" && pwd)
if [[ $(id -u) -ne 0 ]]; then
    echo "SKIP: installing a package with dpkg needs root"
    exit 77
fi
. "$(dirname "$0")/session.sh"

# Copies of this test in other build folders install the same package:
# one at a time.
exec 9>/tmp/kvillborn-package-test.lock
flock -w 300 9 || kv_fail "another package test held the lock for five minutes"
if [[ $(dpkg-query -W -f='${Status}' kvillborn 2>/dev/null) == *'ok installed' ]]; then
    echo "SKIP: a kvillborn package is already installed here; this test would replace it"
    exit 77
fi

(cd "$KV_WORK" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$KV_WORK/pkg") >"$KV_WORK/cpack.log" 2>&1 ||
    kv_fail "cpack failed: $(cat "$KV_WORK/cpack.log")"
deb=$(ls "$KV_WORK"/pkg/kvillborn_*.deb)
[[ $(dpkg-deb -f "$deb" Version) == 0.4.0.83 ]] || kv_fail "wrong version: $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libxcb1 fonts-liberation2 qt6-translations-l10n; do
    [[ $depends == *"$needed"* ]] || kv_fail "Depends lacks $needed: $depends"
done

# Whoever else installs packages on this machine holds dpkg's lock for a
# while; wait for it, up to five minutes, rather than fail.
kv_dpkg() {
    local log=$KV_WORK/dpkg.log tries
    for ((tries = 0; tries < 300; tries++)); do
        dpkg "$@" >"$log" 2>&1 && return 0
        grep -q 'lock' "$log" || break
        sleep 1
    done
    kv_fail "dpkg $* failed: $(cat "$log")"
}

installed=0
remove() {
    [[ $installed -eq 1 ]] || return 0
    installed=0
    kv_dpkg -P kvillborn
}
# The package goes even when a check failed; a failing removal fails the test.
trap 'rc=$?; (remove) || rc=1; kv_cleanup; exit $rc' EXIT
installed=1
kv_dpkg -i "$deb"

entry=/usr/share/applications/org.kvillborn.Book.desktop
[[ -f $entry ]] || kv_fail "no menu entry at $entry"
[[ -f /usr/share/icons/hicolor/48x48/apps/org.kvillborn.Book.png ]] || kv_fail "no icon in the icon theme"
[[ -f /usr/share/metainfo/org.kvillborn.Book.metainfo.xml ]] || kv_fail "no software-centre entry"

# Started as the menu starts it: the entry's command, found on PATH.
read -r -a command < <(sed -n 's/^Exec=//p' "$entry")
[[ $(command -v "${command[0]}") == /usr/bin/kvillborn ]] || kv_fail "the entry does not start /usr/bin/kvillborn"
kv_start_xvfb
home=$(kv_reader_home)
kv_start_as_reader "$home" "${command[@]}"
kv_open_book
kv_bookmark_and_font "$home" "$home/.local/share/kvillborn"
kv_stop "$KV_PID"
[[ -f $home/.local/share/kvillborn/language/eng.lng ]] || kv_fail "the reader's language folder was not filled"
[[ ! -e /usr/share/kvillborn/language ]] || kv_fail "the program wrote into /usr/share/kvillborn"

# Root may write to /usr/share/kvillborn, yet a package's files stay as
# the package laid them: root's own settings go to root's home.
shipped() { (cd /usr/share/kvillborn && find . -printf '%p %m %s\n' | sort && find . -type f -exec sha256sum {} + | sort); }
before=$(shipped)
root_home=$KV_WORK/root-home
mkdir -p "$root_home/runtime" && chmod 700 "$root_home/runtime"
KV_AS_ROOT=1 kv_start_as_reader "$root_home" "${command[@]}"
kv_open_book
kv_bookmark_and_font "$root_home" "$root_home/.local/share/kvillborn"
kv_stop "$KV_PID"
[[ $(shipped) == "$before" ]] || kv_fail "a run as root changed /usr/share/kvillborn: $(diff <(echo "$before") <(shipped))"

remove
[[ ! -e /usr/bin/kvillborn && ! -e /usr/share/kvillborn && ! -e $entry ]] ||
    kv_fail "files were left behind after the package was removed"
echo "the package installs, opens the book from its menu entry and removes cleanly"
