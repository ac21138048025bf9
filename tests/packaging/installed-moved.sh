#!/usr/bin/env bash
# Installs the book to a prefix, moves the prefix, and starts the moved
# copy as a reader for whom it is read-only: the book must open, and what
# the program writes must land in the reader's data folder, the shipped
# files untouched. Then the same copy, writable, keeps its own files again.
# Usage: installed-moved.sh BUILD_DIR
set -euo pipefail
build=$1
. "$(dirname "$0")/session.sh"

cmake --install "$build" --prefix "$KV_WORK/first" >/dev/null
mv "$KV_WORK/first" "$KV_WORK/moved"
prefix=$KV_WORK/moved
shipped=$prefix/share/kvillborn

# The installed tree is whole: the menu entry, its icon and the software
# centre entry agree with one another.
appstreamcli validate-tree --no-net "$prefix" >"$KV_WORK/tree.log" 2>&1 ||
    kv_fail "the installed tree does not validate: $(cat "$KV_WORK/tree.log")"
for size in 16 24 32 48 64 128 256; do
    [[ -f $prefix/share/icons/hicolor/${size}x$size/apps/org.kvillborn.Book.png ]] || kv_fail "no ${size}px icon"
done

# Defaults laid beside the shipped files by whoever installed the book.
printf '[General]\r\nFontSize=12\r\n' >"$shipped/program.ini"
chmod -R go-w "$prefix"
chmod -R a+rX "$prefix"
# Without root the owner's own write bits go too; root instead starts the
# program as an unprivileged reader.
if [[ $(id -u) -ne 0 ]]; then
    chmod -R a-w "$prefix"
fi
snapshot() { (cd "$prefix" && find . -printf '%p %m\n' | sort && find . -type f -exec md5sum {} + | sort); }
before=$(snapshot)

kv_start_xvfb
home=$(kv_reader_home)
own=$home/.local/share/kvillborn
kv_start_as_reader "$home" "$prefix/bin/kvillborn"
kv_open_book
# Before the reader changes anything, the shipped defaults are theirs.
kv_poll 100 cmp -s "$shipped/program.ini" "$own/program.ini" ||
    kv_fail "the shipped settings were not taken into the reader's folder"
kv_bookmark_and_font "$home" "$own"
kv_stop "$KV_PID"

after=$(snapshot)
[[ $before == "$after" ]] || kv_fail "the read-only install was changed: $(diff <(echo "$before") <(echo "$after"))"
for module in eng rus tl fr de 5 bel; do
    cmp -s "$shipped/$module.lng" "$own/language/$module.lng" ||
        kv_fail "language module $module.lng is missing from $own/language"
done

# The same copy made writable: the program folder is the program's again,
# and the reader's data folder is left alone.
if [[ $(id -u) -ne 0 ]]; then
    chmod -R u+w "$prefix"
fi
rm -rf "$home"
home=$(kv_reader_home)
if [[ $(id -u) -eq 0 ]]; then
    chown -R nobody:nogroup "$shipped"
fi
kv_start_as_reader "$home" "$prefix/bin/kvillborn"
kv_open_book
kv_bookmark_and_font "$home" "$shipped"
kv_stop "$KV_PID"
[[ -f $shipped/language/eng.lng ]] || kv_fail "a writable install did not keep its own language folder"
# (The support folder of the start-up is the same folder, so it may exist.)
[[ ! -e $own/language && ! -e $own/program.ini ]] ||
    kv_fail "a writable install wrote into the reader's folder: $(ls -R "$own")"

# Read-only again after that start moved the shipped modules into its
# language folder: a reader still gets every language.
if [[ $(id -u) -eq 0 ]]; then
    chown -R root:root "$shipped"
else
    chmod -R a-w "$prefix"
fi
rm -rf "$home"
home=$(kv_reader_home)
kv_start_as_reader "$home" "$prefix/bin/kvillborn"
kv_open_book
kv_stop "$KV_PID"
for module in eng rus tl fr de 5 bel; do
    [[ -f $own/language/$module.lng ]] || kv_fail "after a writable start, $module.lng no longer reaches a reader"
done
echo "a moved install opens the book and keeps bookmarks and settings, read-only or not"
