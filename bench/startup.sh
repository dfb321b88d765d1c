#!/usr/bin/env bash
# Start-up time, memory and idle CPU of Tesmar against a bare Qt window with
# the same kinds of controls, a Qt window holding one label, and the same
# label showing Japanese text in the Japanese font, under Xvfb with openbox.
# The four start one after the other in every round, in an order that turns
# from round to round, so that a change of load falls on all of them alike;
# each ratio is the median of the rounds' own ratios, with its quartiles.
# Beside the time to the window, the CPU time the program used until then:
# a busy machine stretches the first, hardly the second.
# The start is timed in <runs> rounds that end each program as soon as its
# window shows; memory (2 s after start) and idle CPU in 5 more rounds.
#   usage: bench/startup.sh <build-dir> [runs] [idle-seconds]
# The build folder needs -DTESMAR_BENCH=ON (targets bench_launch, bench_minimal_window).
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
runs="${2:-41}"
memory_runs=5
idle="${3:-10}"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
trap cleanup_display EXIT
start_display 1920 1080
launch="$build/bench/bench_launch"
programs=(tesmar minimal label label-ja)
declare -A visible busy rss cpu command
command[tesmar]="$build/tesmar"
command[minimal]="$build/bench/bench_minimal_window"
command[label]="$build/bench/bench_minimal_window label"
command[label-ja]="$build/bench/bench_minimal_window label-ja"
for program in "${programs[@]}"; do
    visible[$program]=""
    busy[$program]=""
    rss[$program]=""
    cpu[$program]=""
    "$launch" 1 ${command[$program]} >/dev/null # warm the file cache
done
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
for i in $(seq "$((runs + memory_runs))"); do
    for k in "${!programs[@]}"; do
        program="${programs[$(((k + i) % ${#programs[@]}))]}"
        if [ "$i" -le "$runs" ]; then
            read -r _ v _ _ _ _ _ b < <("$launch" 0 ${command[$program]})
            visible[$program]+="$v"$'\n'
            busy[$program]+="$b"$'\n'
            sleep 0.1 # the window manager lets go of the window
            continue
        fi
        # Idle CPU only on the first of these: it costs its seconds every time.
        seconds=0.2
        [ "$i" = "$((runs + 1))" ] && seconds="$idle"
        read -r _ _ _ r _ c _ _ < <("$launch" "$seconds" ${command[$program]})
        rss[$program]+="$r"$'\n'
        [ "$i" = "$((runs + 1))" ] && cpu[$program]="$c"
    done
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"
echo "load average before: $load_before  after: $load_after  ($(nproc) cores)"
for program in "${programs[@]}"; do
    printf '%-8s start %6.1f ms, CPU %5.1f ms (medians of %d)  rss %6.1f MB (median of %d)  cpu in %ss idle %s us\n' "$program" \
        "$(printf '%s' "${visible[$program]}" | median)" "$(printf '%s' "${busy[$program]}" | median)" "$runs" \
        "$(printf '%s' "${rss[$program]}" | median | awk '{ print $1 / 1024 }')" "$memory_runs" "$idle" "${cpu[$program]}"
done
ratio() { # what program-figures reference-figures: median and quartiles of the rounds' ratios
    paste <(printf '%s' "$2") <(printf '%s' "$3") | awk '{ print $1 / $2 }' | sort -g |
        awk -v what="$1" '{ v[NR] = $1 }
            function q(p,  x, i) { x = 1 + p * (NR - 1); i = int(x); return v[i] + (x - i) * (v[i + 1] - v[i]) }
            END { v[NR + 1] = v[NR]; printf "%s %.2f (quartiles %.2f to %.2f)\n", what, q(0.5), q(0.25), q(0.75) }'
}
ratio "start-up to the window with the same controls (goal <= 1.05):" "${visible[tesmar]}" "${visible[minimal]}"
ratio "start-up to the one-label window (goal <= 1.10):             " "${visible[tesmar]}" "${visible[label]}"
ratio "start-up to the Japanese one-label window:                   " "${visible[tesmar]}" "${visible[label-ja]}"
ratio "CPU time to the window with the same controls:              " "${busy[tesmar]}" "${busy[minimal]}"
ratio "CPU time to the one-label window:                            " "${busy[tesmar]}" "${busy[label]}"
ratio "CPU time to the Japanese one-label window:                   " "${busy[tesmar]}" "${busy[label-ja]}"
ratio "memory to the window with the same controls:                 " "${rss[tesmar]}" "${rss[minimal]}"
ratio "memory to the one-label window (goal <= 1.10):               " "${rss[tesmar]}" "${rss[label]}"
ratio "memory to the Japanese one-label window:                     " "${rss[tesmar]}" "${rss[label-ja]}"
echo "idle CPU ${cpu[tesmar]} us in ${idle} s (goal 0)"
