#!/usr/bin/env bash
# Eyedropper start on headless sway with the desktop portal, native Wayland and
# XWayland, one output and then two side by side, against a bare portal
# screenshot of the same desktop in the same session. The start is clocked
# to the snapshot on screen as the compositor shows it (grim).
# usage: bench/wayland_picking.sh <build-dir>   (configured with -DTESMAR_BENCH=ON)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${WL_STAGE:-}" ]; then
    build="$(cd "${1:?build folder}" && pwd)"
    source "$here/../tests/wayland/session.sh"
    WL_FILES=("$here/../tests/wayland/session.sh" "$build/bench/bench_portal_picking" "$build/colorcode.dat"
              "$build/tesmar.ini" "$build/help")
else
    source "$here/session.sh"
fi
wl_enter "$0" "$@"
wl_start 1920 1080
cd "$WL_STAGE"
run() {
    local platform
    for platform in wayland xcb; do
        echo "== $platform, $1"
        QT_QPA_PLATFORM=$platform ./bench_portal_picking 2>&1 | grep -E '^(Bare|Eyedropper)|eyedropper start|resident memory'
    done
}
run "one output"
swaymsg create_output >/dev/null
swaymsg output HEADLESS-2 pos 1920 0 res 1920x1080 scale 1 bg '#2a7fd4' solid_color >/dev/null
wl_wait sh -c "swaymsg -t get_outputs | jq -e '[.[] | select(.active)] | length == 2'" || fail "no second output"
run "two outputs"
