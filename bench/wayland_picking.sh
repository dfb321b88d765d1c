#!/usr/bin/env bash
# Eyedropper start on headless sway with the desktop portal, native Wayland and
# XWayland, against a bare portal screenshot in the same session.
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
for platform in wayland xcb; do
    echo "== $platform"
    QT_QPA_PLATFORM=$platform ./bench_portal_picking 2>&1 | grep -E '^(Bare|Eyedropper)|eyedropper start'
done
