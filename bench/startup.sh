#!/usr/bin/env bash
# Start-up time, memory and idle CPU of Tesmar against a bare Qt window with
# the same kinds of controls, under Xvfb with openbox.
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
declare -A visible rss cpu
for program in tesmar minimal; do visible[$program]=""; rss[$program]=""; cpu[$program]=""; done
"$launch" 1 "$build/tesmar" >/dev/null # warm the file cache
"$launch" 1 "$build/bench/bench_minimal_window" >/dev/null
for i in $(seq "$runs"); do
    for program in tesmar minimal; do
        exe="$build/tesmar"
        [ "$program" = minimal ] && exe="$build/bench/bench_minimal_window"
        # Idle CPU only on the first run: it costs its seconds every time.
        seconds=0.2
        [ "$i" = 1 ] && seconds="$idle"
        read -r _ v _ r _ c < <("$launch" "$seconds" "$exe")
        visible[$program]+="$v"$'\n'
        rss[$program]+="$r"$'\n'
        [ "$i" = 1 ] && cpu[$program]="$c"
    done
done
for program in tesmar minimal; do
    printf '%-8s start %6.1f ms (median of %d)  rss %6.1f MB  cpu in %ss idle %s us\n' "$program" \
        "$(printf '%s' "${visible[$program]}" | median)" "$runs" \
        "$(printf '%s' "${rss[$program]}" | median | awk '{ print $1 / 1024 }')" "$idle" "${cpu[$program]}"
done
tv="$(printf '%s' "${visible[tesmar]}" | median)"
mv="$(printf '%s' "${visible[minimal]}" | median)"
tr="$(printf '%s' "${rss[tesmar]}" | median)"
mr="$(printf '%s' "${rss[minimal]}" | median)"
awk -v a="$tv" -v b="$mv" 'BEGIN { printf "start-up ratio %.2f (goal <= 1.3)\n", a / b }'
awk -v a="$tr" -v b="$mr" 'BEGIN { printf "memory ratio   %.2f (goal <= 1.2)\n", a / b }'
echo "idle CPU       ${cpu[tesmar]} us in ${idle} s (goal 0)"
