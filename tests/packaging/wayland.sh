#!/usr/bin/env bash
# The program on a Wayland desktop without any X server: a headless weston
# that draws into memory. The cover must show and be painted frame by
# frame as it fades in, the console must stay free of "does not support"
# warnings, and a second copy must say that the book is already open
# instead of opening a second one. What the client and the compositor
# say to each other (WAYLAND_DEBUG) tells which window appeared; weston's
# screenshooter tells what it looks like.
# Usage: wayland.sh BUILD_DIR
set -euo pipefail
build=$1
. "$(dirname "$0")/session.sh"

cmake --install "$build" --prefix "$KV_WORK/prefix" >/dev/null
runtime=$KV_WORK/runtime
home=$KV_WORK/home
mkdir -p "$home" "$KV_WORK/tmp" "$KV_WORK/shots"
mkdir -m 700 "$runtime"
socket=kv-wayland-$$
unset DISPLAY WAYLAND_DISPLAY

# --use-pixman makes the headless output draw, so a screenshot has
# pixels; --debug is what lets the screenshooter in.
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug --no-config \
    --idle-time=0 --width=640 --height=520 --socket="$socket" >"$KV_WORK/weston.log" 2>&1 &
KV_PIDS+=($!)
if ! kv_poll 300 test -S "$runtime/$socket"; then
    echo "SKIP: weston does not start here: $(tail -n 5 "$KV_WORK/weston.log" 2>/dev/null)"
    exit 77
fi

# Starts the installed program on weston; its console goes to $1.
kv_start_wayland() {
    local log=$1 keep=() v
    for v in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
        [[ -n ${!v:-} ]] && keep+=("$v=${!v}")
    done
    (cd "$home" && exec env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" TMPDIR="$KV_WORK/tmp" \
        LANG=C.UTF-8 WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "${keep[@]}" \
        "$KV_WORK/prefix/bin/kvillborn") >"$log" 2>&1 &
    KV_PID=$!
    KV_PIDS+=("$KV_PID")
}

# For the last top-level window titled $2 in the protocol log $1: "M N",
# where M is 1 once the compositor put it on an output and N counts the
# frames (buffers) the program gave it.
kv_surface() {
    sed -n -e 's/.*-> xdg_wm_base@[0-9]*\.get_xdg_surface(new id xdg_surface@\([0-9]*\), wl_surface@\([0-9]*\)).*/X \1 \2/p' \
        -e 's/.*-> xdg_surface@\([0-9]*\)\.get_toplevel(new id xdg_toplevel@\([0-9]*\)).*/T \1 \2/p' \
        -e 's/.*-> xdg_toplevel@\([0-9]*\)\.set_title("\(.*\)").*/N \1 \2/p' \
        -e 's/^\[ *[0-9.]*\] wl_surface@\([0-9]*\)\.enter(wl_output@.*/E \1/p' \
        -e 's/.*-> wl_surface@\([0-9]*\)\.attach(wl_buffer@.*/A \1/p' "$1" |
        awk -v want="$2" '
            $1 == "X" { xs[$2] = $3 }
            $1 == "T" { ts[$3] = xs[$2] }
            $1 == "N" && substr($0, length($1 $2) + 3) == want { s = ts[$2]; mapped = 0; frames = 0 }
            $1 == "E" && s != "" && $2 == s { mapped = 1 }
            $1 == "A" && s != "" && $2 == s { frames++ }
            END { print mapped + 0, frames + 0 }'
}
kv_shown_with() { # log title frames
    local m n
    read -r m n < <(kv_surface "$1" "$2")
    [[ $m -eq 1 && $n -ge $3 ]]
}

# The share of the output's pixels that are the cover's dark red; the
# desktop behind it is grey.
kv_cover_share() {
    local shot
    rm -f "$KV_WORK"/shots/*.png
    (cd "$KV_WORK/shots" && XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket weston-screenshooter) >/dev/null 2>&1 || return 1
    shot=$(ls "$KV_WORK"/shots/*.png 2>/dev/null | head -n 1)
    [[ -n $shot ]] && python3 "$(dirname "$0")/red-share.py" "$shot"
}
kv_cover_seen() { (( $(kv_cover_share || echo 0) >= 25 )); }

first=$KV_WORK/first.log
kv_start_wayland "$first"
# Fading in paints the cover about 58 times in 0.9 s; a third of that is
# proof enough that it is painted frame by frame on a slow machine.
kv_poll 1200 kv_shown_with "$first" "$KV_TITLE" 20 ||
    kv_fail "the cover did not appear and fade in on weston: $(kv_surface "$first" "$KV_TITLE")
$(grep -v '^\[' "$first" | head -n 20)"
# The cover, 327 x 468 pixels, is nearly half of the 640 x 520 output.
kv_poll 100 kv_cover_seen || kv_fail "the screen does not show the cover: $(kv_cover_share)% dark red"

second=$KV_WORK/second.log
kv_start_wayland "$second"
kv_poll 1200 kv_shown_with "$second" Kvillborn 1 || kv_fail "the second copy did not say that the book is open
$(grep -v '^\[' "$second" | head -n 20)"
grep -qF "set_title(\"$KV_TITLE\")" "$second" && kv_fail "the second copy showed a cover of its own"
kv_gone "${KV_PIDS[1]}" && kv_fail "the first copy ended"

# Without a seat, nobody can press OK on a headless weston; the box ends
# with its program.
kv_stop "$KV_PID"
kv_stop "${KV_PIDS[1]}"
console=$(grep -hv '^\[' "$first" "$second" || true)
grep -q 'does not support' <<<"$console" && kv_fail "the console has warnings: $console"
leftover=$(ls -A "$KV_WORK/tmp")
[[ -n $leftover ]] && kv_fail "the temporary folder keeps: $leftover"
echo "on weston the cover fades in ($(kv_surface "$first" "$KV_TITLE" | cut -d' ' -f2) frames), a second copy says the book is open, no warning"
