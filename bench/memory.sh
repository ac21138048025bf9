#!/usr/bin/env bash
# Memory as the reader meets it: the real program is started, its cover
# left to fade in and then clicked open, and the book left open a second;
# then its resident and peak sizes are read. The bare window (startup_bare
# --stay) is held open as long, started the same way. Each is started
# `runs` times (5 by default), in turn, and the medians compared. Needs a
# display (tools/bench gives it one) and xdotool; prints ROW lines.
#   bench/memory.sh BUILD_DIR [runs]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-5}
work=$(mktemp -d)
pid=

cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "memory.sh: $*" >&2
    sed 's/^/  program: /' "$work/log" >&2
    exit 1
}

# Runs "$@" every twentieth of a second until it succeeds, at most $1 times.
poll() {
    local tries=$1 i
    shift
    for ((i = 0; i < tries; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

# The shown window of $1 whose kind is $2 (SPLASH, NORMAL): the first kind
# it names, since the cover names NORMAL too.
window_of() {
    local id type
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        type=$(LC_ALL=C xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null) || continue
        if [[ $type == *"= _NET_WM_WINDOW_TYPE_$2" || $type == *"= _NET_WM_WINDOW_TYPE_$2,"* ]]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# "resident peak" of process $1, in KiB.
sizes() {
    awk '/^VmRSS:/ { rss = $2 } /^VmHWM:/ { hwm = $2 } END { print rss, hwm }' "/proc/$1/status"
}

stop() {
    kill "$pid" 2>/dev/null || true
    poll 200 eval "! kill -0 $pid" || kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}

# No screen reader: Qt's accessibility stays off unless one asks for it.
start() {
    (cd "$work" && exec env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON "$@") >>"$work/log" 2>&1 &
    pid=$!
}

book() {
    start "$build/kvillborn"
    poll 1200 window_of "$pid" SPLASH || fail "no cover appeared"
    local cover
    cover=$(window_of "$pid" SPLASH)
    # The reader watches the cover fade in (about a second), then clicks.
    sleep 1.5
    xdotool mousemove --window "$cover" 160 230 click 1
    poll 1200 window_of "$pid" NORMAL || fail "the cover did not open the book"
    sleep 1
    sizes "$pid"
    stop
}

bare() {
    start "$build/startup_bare" --stay
    poll 1200 window_of "$pid" NORMAL || fail "the bare window did not appear"
    sleep 1
    sizes "$pid"
    stop
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

book >/dev/null # the first start places the modules and warms the disk cache
for ((i = 0; i < runs; i++)); do
    book >>"$work/book"
    bare >>"$work/bare"
done
bookRss=$(cut -d' ' -f1 "$work/book" | median)
bookHwm=$(cut -d' ' -f2 "$work/book" | median)
bareRss=$(cut -d' ' -f1 "$work/bare" | median)
bareHwm=$(cut -d' ' -f2 "$work/bare" | median)
awk -v br="$bookRss" -v bh="$bookHwm" -v wr="$bareRss" -v wh="$bareHwm" -v n="$runs" 'BEGIN {
    d = (br - wr) / 1024
    printf "ROW\tresident, book open 1 s through the cover (median of %d)\t%.3f\tMiB\t\t\n", n, br / 1024
    printf "ROW\tresident, bare window open 1 s\t%.3f\tMiB\t\t\n", wr / 1024
    printf "ROW\tresident after 1 s, book - bare\t%.3f\tMiB\t<= 5\t%s\n", d, (d <= 5 ? "yes" : "no")
    printf "ROW\tpeak RSS after 1 s, book - bare\t%.3f\tMiB\t\t\n", (bh - wh) / 1024
}'
