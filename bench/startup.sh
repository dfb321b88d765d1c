#!/usr/bin/env bash
# Start-up time, memory and idle CPU of Tesmar against a bare Qt window with
# the same kinds of controls and against a Qt window holding one label, each
# run in turn, under Xvfb with openbox.
#   usage: bench/startup.sh <build-dir> [runs] [idle-seconds]
# The build folder needs -DTESMAR_BENCH=ON (targets bench_launch, bench_minimal_window).
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
runs="${2:-10}"
idle="${3:-10}"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
trap cleanup_display EXIT
start_display 1920 1080
launch="$build/bench/bench_launch"
programs=(tesmar minimal label)
declare -A visible rss cpu command
command[tesmar]="$build/tesmar"
command[minimal]="$build/bench/bench_minimal_window"
command[label]="$build/bench/bench_minimal_window label"
for program in "${programs[@]}"; do
    visible[$program]=""
    rss[$program]=""
    cpu[$program]=""
    "$launch" 1 ${command[$program]} >/dev/null # warm the file cache
done
for i in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        # Idle CPU only on the first run: it costs its seconds every time.
        seconds=0.2
        [ "$i" = 1 ] && seconds="$idle"
        read -r _ v _ r _ c < <("$launch" "$seconds" ${command[$program]})
        visible[$program]+="$v"$'\n'
        rss[$program]+="$r"$'\n'
        [ "$i" = 1 ] && cpu[$program]="$c"
    done
done
for program in "${programs[@]}"; do
    printf '%-8s start %6.1f ms (median of %d)  rss %6.1f MB  cpu in %ss idle %s us\n' "$program" \
        "$(printf '%s' "${visible[$program]}" | median)" "$runs" \
        "$(printf '%s' "${rss[$program]}" | median | awk '{ print $1 / 1024 }')" "$idle" "${cpu[$program]}"
done
ratio() { # what program reference
    local a b
    a="$(printf '%s' "${2}" | median)"
    b="$(printf '%s' "${3}" | median)"
    awk -v a="$a" -v b="$b" -v what="$1" 'BEGIN { printf "%s %.2f\n", what, a / b }'
}
ratio "start-up ratio to the window with the same controls (goal <= 1.05):" "${visible[tesmar]}" "${visible[minimal]}"
ratio "start-up ratio to the one-label window (goal <= 1.10):          " "${visible[tesmar]}" "${visible[label]}"
ratio "memory ratio to the window with the same controls:              " "${rss[tesmar]}" "${rss[minimal]}"
ratio "memory ratio to the one-label window (goal <= 1.10):            " "${rss[tesmar]}" "${rss[label]}"
echo "idle CPU ${cpu[tesmar]} us in ${idle} s (goal 0)"
