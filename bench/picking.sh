#!/usr/bin/env bash
# Hue-bar drag step and eyedropper start, under Xvfb with openbox, at
# 1920x1080 and 3840x2160.   usage: bench/picking.sh <build-dir>
# The build folder needs -DTESMAR_BENCH=ON (target bench_picking).
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
trap cleanup_display EXIT
cd "$build" # the program's data files are beside it there
for size in "1920 1080" "3840 2160"; do
    set -- $size
    start_display "$1" "$2"
    filter='.'
    [ "$1" = 3840 ] && filter='Grab|Eyedropper'
    "$build/bench/bench_picking" --benchmark_filter="$filter" 2>&1 | grep -E 'hue bar|eyedropper|^[A-Z][A-Za-z]+/'
    stop_display
done
