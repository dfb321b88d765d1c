#!/usr/bin/env bash
# Start-up time, memory and the About box's answer of Tesmar with data files
# that are not what they seem, against the same program with its normal
# files in the same run, under Xvfb with openbox. Each case runs a copy of
# the program in a folder of its own.
#   usage: bench/hostile_files.sh <build-dir> [runs]
set -euo pipefail
build="$(cd "${1:?build folder}" && pwd)"
runs="${2:-3}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../tests/e2e/x11session.sh"
start_session 1280 1024
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_FONT_DPI=96 QT_ENABLE_HIGHDPI_SCALING=0
work="$E2E_TMP/cases"

make_case() { # name: a folder with the program and its normal data files
    mkdir -p "$work/$1"
    cp "$build/tesmar" "$build/colorcode.dat" "$build/tesmar.ini" "$work/$1/"
    echo "$work/$1"
}
d="$(make_case normal)"
d="$(make_case list_fifo)"; rm "$d/colorcode.dat"; mkfifo "$d/colorcode.dat"
# 100 MB without a line break, of 254-character pieces that each read as a colour.
d="$(make_case list_100mb_line)"
python3 -c "import sys; u=b'x'*247+b' 112233'; sys.stdout.buffer.write(u*(100000000//len(u)))" >"$d/colorcode.dat"
d="$(make_case list_1gb_nul)"; truncate -s 1G "$d/colorcode.dat"
d="$(make_case ini_fifo)"; rm "$d/tesmar.ini"; mkfifo "$d/tesmar.ini"
d="$(make_case ini_dev_zero)"; rm "$d/tesmar.ini"; ln -s /dev/zero "$d/tesmar.ini"
d="$(make_case ini_dev_urandom)"; rm "$d/tesmar.ini"; ln -s /dev/urandom "$d/tesmar.ini"
d="$(make_case ini_1gb)"; truncate -s 1G "$d/tesmar.ini"; printf '\n[App]\nHP=https://late.example/\n' >>"$d/tesmar.ini"

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# One run: "start_ms rss_kb about_ms" (the first window of the program visible,
# its resident set 2 s after start, the About box visible after its menu key).
one_run() {
    local dir=$1 t0 t1 pid rss t2 t3 main
    t0="$(now_ms)"
    "$dir/tesmar" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do :; done
    t1="$(now_ms)"
    sleep 2
    rss="$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")"
    main="$(xdotool search --onlyvisible --pid "$pid" --name '^Tesmar$' | head -n1)"
    # An error box shown at start is closed first.
    xdotool search --onlyvisible --pid "$pid" --name '^Tesmar$' | while read -r w; do
        [ "$w" = "$main" ] || xdotool windowactivate --sync "$w" key Return 2>/dev/null || true
    done
    xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
    xdotool key alt+h
    sleep 0.5
    t2="$(now_ms)"
    xdotool key a
    until xdotool search --onlyvisible --pid "$pid" --name '^ﾊﾞｰｼﾞｮﾝ情報' >/dev/null 2>&1; do
        [ $(($(now_ms) - t2)) -lt 20000 ] || break
    done
    t3="$(now_ms)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((t1 - t0)) $rss $((t3 - t2))"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

one_run "$work/normal" >/dev/null # warm the file cache
printf '%-16s %9s %6s %8s %8s %9s\n' case start_ms ratio rss_MB diff_MB about_ms
for c in normal list_fifo list_100mb_line list_1gb_nul ini_fifo ini_dev_zero ini_dev_urandom ini_1gb; do
    s=""; r=""; a=""
    for _ in $(seq "$runs"); do
        read -r st rs ab < <(one_run "$work/$c")
        s+="$st"$'\n'; r+="$rs"$'\n'; a+="$ab"$'\n'
    done
    sm="$(printf '%s' "$s" | median)"; rm_="$(printf '%s' "$r" | median)"; am="$(printf '%s' "$a" | median)"
    [ "$c" = normal ] && { ns="$sm"; nr="$rm_"; }
    awk -v c="$c" -v s="$sm" -v r="$rm_" -v a="$am" -v ns="$ns" -v nr="$nr" \
        'BEGIN { printf "%-16s %9.0f %6.2f %8.1f %8.1f %9.0f\n", c, s, s / ns, r / 1024, (r - nr) / 1024, a }'
done
