#!/usr/bin/env bash
# Start-up time and memory of Tesmar with data files that are not what they
# seem, against the same program with its normal files, under Xvfb with
# openbox. Each case runs a copy of the program in a folder of its own.
#   usage: bench/hostile_files.sh <build-dir> [runs]
# The build folder needs -DTESMAR_BENCH=ON (target bench_launch).
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
runs="${2:-5}"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/common.sh"
start_display 94 1920 1080
work="$(mktemp -d)"
trap 'stop_display; rm -rf "$work"' EXIT
launch="$build/bench/bench_launch"

# A folder with the program and its normal data files, then one file replaced.
make_case() { # name
    mkdir -p "$work/$1"
    cp "$build/tesmar" "$build/colorcode.dat" "$build/tesmar.ini" "$work/$1/"
    echo "$work/$1"
}
d="$(make_case normal)"
d="$(make_case list_fifo)"; rm "$d/colorcode.dat"; mkfifo "$d/colorcode.dat"
d="$(make_case list_100mb_line)"; rm "$d/colorcode.dat"; head -c 100000000 /dev/zero | tr '\0' 'x' >"$d/colorcode.dat"
d="$(make_case list_1gb_nul)"; rm "$d/colorcode.dat"; truncate -s 1G "$d/colorcode.dat"
d="$(make_case ini_fifo)"; rm "$d/tesmar.ini"; mkfifo "$d/tesmar.ini"
d="$(make_case ini_dev_zero)"; rm "$d/tesmar.ini"; ln -s /dev/zero "$d/tesmar.ini"
d="$(make_case ini_dev_urandom)"; rm "$d/tesmar.ini"; ln -s /dev/urandom "$d/tesmar.ini"
d="$(make_case ini_1gb)"; rm "$d/tesmar.ini"; truncate -s 1G "$d/tesmar.ini"; printf '\n[App]\nHP=https://late.example/\n' >>"$d/tesmar.ini"

"$launch" 0.2 "$work/normal/tesmar" >/dev/null # warm the file cache
printf '%-18s %10s %8s %10s %8s\n' case start_ms ratio rss_MB diff_MB
for c in normal list_fifo list_100mb_line list_1gb_nul ini_fifo ini_dev_zero ini_dev_urandom ini_1gb; do
    v=""; r=""
    for _ in $(seq "$runs"); do
        read -r _ vis _ rss _ _ < <(timeout 60 "$launch" 0.2 "$work/$c/tesmar")
        v+="$vis"$'\n'; r+="$rss"$'\n'
    done
    vm="$(printf '%s' "$v" | median)"; rm_="$(printf '%s' "$r" | median)"
    [ "$c" = normal ] && { nv="$vm"; nr="$rm_"; }
    awk -v c="$c" -v v="$vm" -v r="$rm_" -v nv="$nv" -v nr="$nr" \
        'BEGIN { printf "%-18s %10.1f %8.2f %10.1f %8.1f\n", c, v, v / nv, r / 1024, (r - nr) / 1024 }'
done
