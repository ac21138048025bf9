# Sourced by the tests that start an installed copy of the book as a
# reader would: a private X server, the reader's account and home, and
# the book's windows found by title and kind. Every wait is a poll with a
# bound; nothing sleeps a fixed time.

KV_TITLE='Арвий Квиллборн - Избранное'
KV_WORK=$(mktemp -d /tmp/kvillborn-test.XXXXXX)
# The reader's account must reach its home and the installed tree.
chmod 755 "$KV_WORK"
KV_PIDS=()

kv_fail() {
    echo "FAIL: $*" >&2
    [[ -s $KV_WORK/program.log ]] && sed 's/^/  program: /' "$KV_WORK/program.log" >&2
    exit 1
}

# Runs "$@" every tenth of a second until it succeeds, at most $1 times.
kv_poll() {
    local tries=$1 i
    shift
    for ((i = 0; i < tries; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

kv_cleanup() {
    local pid
    for pid in "${KV_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        kv_poll 50 kv_gone "$pid" || kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$KV_WORK"
}
trap kv_cleanup EXIT

kv_gone() { ! kill -0 "$1" 2>/dev/null; }

kv_start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$KV_WORK/display" 2>"$KV_WORK/xvfb.log" &
    KV_PIDS+=($!)
    kv_poll 100 test -s "$KV_WORK/display" || kv_fail "Xvfb did not start: $(cat "$KV_WORK/xvfb.log")"
    export DISPLAY=":$(head -n1 "$KV_WORK/display")"
}

# A home of the reader's own. As root the program runs as "nobody", for
# whom the installed tree is as read-only as /usr is to any reader.
kv_reader_home() {
    local home=$KV_WORK/home
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    [[ $(id -u) -eq 0 ]] && chown -R nobody:nogroup "$home"
    echo "$home"
}

# Starts "$@" in the reader's home with the environment a desktop session
# gives it; sets KV_PID.
kv_start_as_reader() {
    local home=$1
    shift
    local as=() keep=()
    [[ $(id -u) -eq 0 ]] && as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    local v
    for v in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [[ -n ${!v:-} ]] && keep+=("$v=${!v}")
    done
    (cd "$home" && exec env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
        LANG=C.UTF-8 DISPLAY="$DISPLAY" "${keep[@]}" "${as[@]}" "$@") >"$KV_WORK/program.log" 2>&1 &
    KV_PID=$!
    KV_PIDS+=("$KV_PID")
}

kv_stop() {
    kill "$1" 2>/dev/null || true
    kv_poll 100 kv_gone "$1" || kv_fail "the program did not end when asked"
    wait "$1" 2>/dev/null || true
}

# The id of a shown top-level window of the book whose kind is $1 (SPLASH
# or NORMAL, the first kind the window names).
kv_window() {
    local id
    for id in $(LC_ALL=C.UTF-8 xwininfo -root -tree | grep -F "\"$KV_TITLE\": (\"kvillborn\"" | awk '{print $1}'); do
        LC_ALL=C xwininfo -id "$id" | grep -q 'Map State: IsViewable' || continue
        LC_ALL=C xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q "= _NET_WM_WINDOW_TYPE_$1\b" || continue
        echo "$id"
        return 0
    done
    return 1
}

# The cover first, then a click on it, then the open book.
kv_open_book() {
    kv_poll 300 kv_window SPLASH || kv_fail "no cover window appeared"
    local cover
    cover=$(kv_window SPLASH)
    xdotool mousemove --window "$cover" 160 230 click 1
    kv_poll 300 kv_window NORMAL || kv_fail "the cover did not open the book"
    kv_gone "$KV_PID" && kv_fail "the program ended"
    return 0
}
