# Shared by the benchmark scripts: an Xvfb display of the given size with openbox.
start_display() { # display-number width height
    export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
    chmod 700 "$XDG_RUNTIME_DIR"
    Xvfb ":$1" -screen 0 "${2}x${3}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$1"
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
    openbox >/dev/null 2>&1 &
    openbox_pid=$!
    sleep 1
    export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_FONT_DPI=96 QT_ENABLE_HIGHDPI_SCALING=0
}
stop_display() {
    kill "$openbox_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$openbox_pid" "$xvfb_pid" 2>/dev/null || true
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
