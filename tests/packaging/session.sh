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
    # A test without root made its install read-only to itself.
    chmod -R u+w "$KV_WORK" 2>/dev/null || true
    [[ -n ${KV_KEEP:-} ]] && { echo "kept $KV_WORK"; return 0; }
    rm -rf "$KV_WORK"
}
trap kv_cleanup EXIT

kv_gone() { ! kill -0 "$1" 2>/dev/null; }

kv_start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$KV_WORK/display" 2>"$KV_WORK/xvfb.log" &
    KV_PIDS+=($!)
    kv_poll 300 test -s "$KV_WORK/display" || kv_fail "Xvfb did not start: $(cat "$KV_WORK/xvfb.log")"
    export DISPLAY=":$(head -n1 "$KV_WORK/display")"
}

# A home of the reader's own. As root the program runs as "nobody", for
# whom the installed tree is as read-only as /usr is to any reader.
kv_reader_home() {
    local home=$KV_WORK/home
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"
    if [[ $(id -u) -eq 0 ]]; then
        chown -R nobody:nogroup "$home"
    fi
    echo "$home"
}

# Starts "$@" in the reader's home with the environment a desktop session
# gives it; sets KV_PID.
kv_start_as_reader() {
    local home=$1
    shift
    local as=() keep=()
    if [[ $(id -u) -eq 0 && -z ${KV_AS_ROOT:-} ]]; then
        as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    local v
    for v in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        if [[ -n ${!v:-} ]]; then
            keep+=("$v=${!v}")
        fi
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
    local shown id kind title type
    shown=$(kv_shown)
    while read -r id kind title; do
        [[ $title == "$KV_TITLE" ]] || continue
        type=$(LC_ALL=C xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null) || continue
        [[ $type == *"= _NET_WM_WINDOW_TYPE_$1" || $type == *"= _NET_WM_WINDOW_TYPE_$1,"* ]] || continue
        echo "$id"
        return 0
    done <<<"$shown"
    return 1
}

# The cover first, then a click on it, then the open book. The bounds are
# wide: a sanitized build on a machine busy with other builds may take a
# minute to show its first window.
kv_open_book() {
    kv_poll 1200 kv_window SPLASH || kv_fail "no cover window appeared: $(kv_shown)"
    local cover
    cover=$(kv_window SPLASH)
    xdotool mousemove --window "$cover" 160 230 click 1
    kv_poll 600 kv_window NORMAL || kv_fail "the cover did not open the book: $(kv_shown)"
    kv_gone "$KV_PID" && kv_fail "the program ended"
    return 0
}

# Prints the book's shown top-level windows, one per line: the id, "popup"
# or "window", and the title, e.g. "0x200014 window Font and colour".
# (Output is read whole before it is searched: a grep that stops at the
# first match would break the pipe under pipefail.)
kv_shown() {
    local tree line id title info
    tree=$(LC_ALL=C.UTF-8 xwininfo -root -tree) || return 1
    while read -r line; do
        [[ $line == *': ("kvillborn"'* ]] || continue
        id=${line%% *}
        title=${line#*\"}
        title=${title%%\": (*}
        info=$(LC_ALL=C xwininfo -id "$id" 2>/dev/null) || continue
        [[ $info == *'Map State: IsViewable'* ]] || continue
        if [[ $info == *'Override Redirect State: yes'* ]]; then
            echo "$id popup $title"
        else
            echo "$id window $title"
        fi
    done <<<"$tree"
}
kv_popup() { [[ $(kv_shown) == *' popup '* ]]; }
kv_dialog() {
    local shown id kind title
    shown=$(kv_shown)
    while read -r id kind title; do
        [[ $kind == window && $title != "$KV_TITLE" ]] && echo "$id" && return 0
    done <<<"$shown"
    return 1
}

# Opens a menu of the reading window from the keyboard ($@: the keys after
# Alt, the last one opening the menu), then presses the keys of
# $KV_MENU_THEN in the open menu.
kv_menu() {
    local book attempt
    # A window that has just been given the focus may not be active yet
    # when the first keys arrive; Escape clears whatever they started.
    for attempt in 1 2 3 4 5; do
        book=$(kv_window NORMAL) || kv_fail "the reading window is gone"
        xdotool windowfocus --sync "$book" key Escape alt "$@"
        if kv_poll 50 kv_popup; then
            xdotool key $KV_MENU_THEN
            return 0
        fi
    done
    kv_fail "the menu ($*) did not open: $(kv_shown)"
}

# What a reader does that makes the program write: a bookmark (Bookmarks,
# Set) and the font dialog's original look, applied. The bookmark file
# goes beside program.ini, into the reader's own folder ($2), never into
# the folder the program started in ($1).
kv_bookmark_and_font() {
    local cwd=$1 own=$2
    KV_MENU_THEN=Return kv_menu Right Down
    kv_poll 300 grep -q '" 1' "$own/kvibmark.dat" || kv_fail "the bookmark was not saved in $own"
    [[ $cwd == "$own" || ! -e $cwd/kvibmark.dat ]] || kv_fail "a bookmark file was written in the start folder $cwd"

    # Menu: Contents, Search, Font and colour.
    KV_MENU_THEN="Down Down Return" kv_menu Down
    kv_poll 600 kv_dialog || kv_fail "the font dialog did not open"
    local dialog
    dialog=$(kv_dialog)
    # "Original" sets Times New Roman, bold, 14; "Apply" keeps it. The
    # places are the dialog's own layout, in pixels.
    xdotool mousemove --window "$dialog" 44 163 click 1 mousemove --window "$dialog" 356 163 click 1
    kv_poll 300 grep -q 'Font=Times New Roman' "$own/program.ini" ||
        kv_fail "the font was not kept in $own/program.ini: $(cat "$own/program.ini" 2>&1)
windows: $(kv_shown)
dialog $dialog: $(LC_ALL=C xwininfo -id "$dialog" | grep -E 'Absolute|Width|Height')"
}
