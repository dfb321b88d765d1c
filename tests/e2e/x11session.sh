# Shared by the end-to-end scripts: a private Xvfb display with openbox, the
# program started on it, and clean-up of everything started here.
# Usage: source it, then start_session WIDTH HEIGHT; start_tesmar BINARY.

E2E_PIDS=()
E2E_TMP="$(mktemp -d)"

e2e_cleanup() {
    local i
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${E2E_PIDS[i]}" 2>/dev/null || true
    done
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        wait "${E2E_PIDS[i]}" 2>/dev/null || true
    done
    E2E_PIDS=()
}
trap 'e2e_cleanup; rm -rf "$E2E_TMP"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to about 10 s for a command to succeed.
wait_for() {
    local n
    for n in $(seq 100); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

start_session() {
    local width=$1 height=$2
    e2e_cleanup
    rm -f "$E2E_TMP/display"
    # Xvfb picks a free display number itself and writes it to fd 3.
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -dpi 96 3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
    E2E_PIDS+=($!)
    wait_for test -s "$E2E_TMP/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
    wait_for xprop -root || fail "display $DISPLAY not reachable"
    # openbox now and then gives up at once on a display that has just come
    # up; it is started again then.
    local attempt
    for attempt in 1 2 3; do
        openbox >"$E2E_TMP/openbox.log" 2>&1 &
        E2E_PIDS+=($!)
        if wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
            return 0
        fi
        echo "openbox attempt $attempt failed:" >&2
        cat "$E2E_TMP/openbox.log" >&2
    done
    fail "openbox did not start"
}

start_tesmar() {
    local binary=$1
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_FONT_DPI=96 QT_ENABLE_HIGHDPI_SCALING=0 \
        QT_LOGGING_RULES='tesmar.palette.debug=false' "$binary" >"$E2E_TMP/tesmar.log" 2>&1 &
    TESMAR_PID=$!
    E2E_PIDS+=("$TESMAR_PID")
    wait_for main_window || fail "main window did not appear"
    MAIN_WID="$(main_window)"
    xdotool windowactivate --sync "$MAIN_WID" >/dev/null 2>&1 || true
    sleep 0.3
}

main_window() { xdotool search --all --onlyvisible --pid "$TESMAR_PID" --name '^Tesmar$' | head -n1 | grep .; }

# The program's visible window of the given client size, e.g. "248x32".
window_of_size() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$TESMAR_PID" 2>/dev/null); do
        if xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {exit !(w "x" h == "'"$1"'")}'; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Client area of a window: "x y width height" in root coordinates.
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Outer frame: "x y width height", from the client area and _NET_FRAME_EXTENTS.
outer_geometry() {
    local x y w h l r t b
    read -r x y w h <<<"$(client_geometry "$1")"
    read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

net_wm_state() { xprop -id "$1" _NET_WM_STATE; }

# Runs a menu command by its access keys, e.g. menu e d.
menu() {
    xdotool windowactivate --sync "$MAIN_WID" >/dev/null 2>&1 || true
    xdotool key --delay 80 "alt+$1"
    sleep 0.3
    xdotool key "$2"
    sleep 0.4
}

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
