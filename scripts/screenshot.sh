#!/usr/bin/env bash
# Takes the README's screenshot (docs/screenshot.png) from the program itself:
# Tesmar on a private Xvfb display with openbox, its window cut out with the
# window manager's frame.   usage: screenshot.sh [program] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
binary="$(realpath "${1:-build/tesmar}")"
out="$(realpath -m "${2:-docs/screenshot.png}")"
[ -x "$binary" ] || { echo "screenshot.sh: build the program first (bash scripts/run.sh)" >&2; exit 1; }
# shellcheck source=../tests/e2e/x11session.sh
source tests/e2e/x11session.sh
start_session 640 480
xsetroot -solid '#5a7a9a'
start_tesmar "$binary"
read -r x y w h <<<"$(outer_geometry "$MAIN_WID")"
# Wait until the window has painted and settled: the same picture for a
# whole second (six grabs in a row).
previous=""
same=0
for _ in $(seq 100); do
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$E2E_TMP/shot.png"
    sum="$(md5sum <"$E2E_TMP/shot.png")"
    if [ "$sum" = "$previous" ]; then same=$((same + 1)); else same=0; fi
    [ "$same" -ge 5 ] && break
    previous="$sum"
    sleep 0.2
done
convert "$E2E_TMP/shot.png" -strip "$out"
echo "$out: ${w}x${h}"
