#!/usr/bin/env bash
# Hue-bar drag step and eyedropper start, under Xvfb with openbox, at
# 1920x1080, 3840x2160 and 7680x4320, at scale 1 and 2.
# usage: bench/picking.sh <build-dir>
# The build folder needs -DTESMAR_BENCH=ON (target bench_picking).
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
trap cleanup_display EXIT
cd "$build" # the program's data files are beside it there
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
for size in "1920 1080" "3840 2160" "7680 4320"; do
    for scale in 1 2; do
        set -- $size
        start_display "$1" "$2"
        export QT_SCALE_FACTOR=$scale
        filter="Grab|Shm|Memory|Bare|Eyedropper"
        [ "$1" = 1920 ] && [ "$scale" = 1 ] && filter='.'
        "$build/bench/bench_picking" --benchmark_filter="$filter" 2>&1 |
            grep -E 'hue bar|eyedropper|memory|share|^[A-Z][A-Za-z]+/'
        stop_display
    done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
