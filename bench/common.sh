# Shared by the benchmark scripts: an Xvfb display of the given size with
# openbox. Xvfb chooses a free display number itself (-displayfd), so a
# benchmark never lands on another X server; what Xvfb and openbox print goes
# to a log that is shown when they fail to start.
bench_tmp="$(mktemp -d)"
xvfb_pid=""
openbox_pid=""
start_display() { # width height
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        export XDG_RUNTIME_DIR="$bench_tmp/runtime"
        mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    fi
    rm -f "$bench_tmp/display"
    Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -noreset -nolisten tcp 3>"$bench_tmp/display" >"$bench_tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local n
    for n in $(seq 200); do [ -s "$bench_tmp/display" ] && break; sleep 0.05; done
    [ -s "$bench_tmp/display" ] || { cat "$bench_tmp/xvfb.log" >&2; echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$bench_tmp/display")"
    # No session bus, so that libdbus does not start one for the new display.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$bench_tmp/no-session-bus"
    for n in $(seq 200); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
    xdpyinfo >/dev/null 2>&1 || { cat "$bench_tmp/xvfb.log" >&2; echo "display $DISPLAY not reachable" >&2; return 1; }
    openbox >"$bench_tmp/openbox.log" 2>&1 &
    openbox_pid=$!
    for n in $(seq 200); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.05; done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
        { cat "$bench_tmp/openbox.log" >&2; echo "openbox did not start" >&2; return 1; }
    export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_FONT_DPI=96 QT_ENABLE_HIGHDPI_SCALING=0
}
stop_display() {
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    [ -n "$openbox_pid" ] && wait "$openbox_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null || true
    openbox_pid=""
    xvfb_pid=""
}
cleanup_display() {
    stop_display
    rm -rf "$bench_tmp"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
