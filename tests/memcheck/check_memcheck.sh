#!/usr/bin/env bash
# Runs the scripted palette session under valgrind's memcheck and fails on any
# definitely lost block allocated from Tesmar's own code, or on any read of
# uninitialised or freed memory there. Leaks inside Qt's and the system's
# libraries are reported by valgrind but are not Tesmar's to mend.
#   usage: check_memcheck.sh <session-program> <source-folder>
#
# A frame is Tesmar's when the source file the debug information names for
# it is one of the files under src/ of the source folder. Only the end of the
# path is compared (src/forms/unit1.cpp), so the check holds whatever prefix
# the build wrote there: the full path, "./src/..." or "src/..." under
# -ffile-prefix-map, or a package builder's folder.
set -euo pipefail
program=$1
sources=$2
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='tesmar.palette.debug=false'

# Every source file as a path relative to the source folder, one a line.
ours_list="$(cd "$sources" && find src -type f \( -name '*.cpp' -o -name '*.h' \) | sort)"
[ -n "$ours_list" ] || { echo "FAIL: no sources under $sources/src" >&2; exit 1; }

# Keeps the blank-line-separated valgrind records (read on stdin) that report
# a fault and have a frame "(<prefix>/src/...:<line>)" or "(src/...:<line>)"
# naming one of Tesmar's files.
tesmar_records() {
    awk -v list="$ours_list" '
        BEGIN { n = split(list, files, "\n"); for (i = 1; i <= n; i++) ours[files[i]] = 1; RS = ""; FS = "\n" }
        /definitely lost|Invalid (read|write)|uninitialised|Invalid free|Mismatched free/ {
            for (i = 1; i <= NF; i++) {
                if (!match($i, /\([^()]*:[0-9]+\)$/)) continue
                path = substr($i, RSTART + 1, RLENGTH - 2)
                sub(/:[0-9]+$/, "", path)
                while (path != "") {
                    if (path in ours) { print $0 "\n"; next }
                    if (!sub(/^[^\/]*\//, "", path)) break
                }
            }
        }'
}

# Without debug information no frame names a file, and the check would pass
# whatever happens: the program must name its own sources. The main window's
# constructor is looked up the way valgrind does and run through the matcher;
# without debug information the check is skipped, visibly.
# (awk reads all of nm's output: leaving early would fail the pipe.)
symbol="$(nm --defined-only "$program" 2>/dev/null |
    awk '!found && $2 ~ /^[Tt]$/ && $3 ~ /^_ZN6TForm1C[12]E/ { print $1; found = 1 }')"
where="$( [ -n "$symbol" ] && addr2line -e "$program" "0x$symbol" 2>/dev/null || true)"
where="${where%% *}" # without " (discriminator N)"
if ! printf 'definitely lost\n   at 0x0: TForm1 (%s)\n' "$where" | tesmar_records | grep -q .; then
    echo "SKIP: $program has no debug information naming Tesmar's sources (a TForm1 function is at '$where');" \
        "build with -g (Debug, RelWithDebInfo or Debian's flags) to check it" >&2
    exit 77
fi

status=0
# --fullpath-after= makes every frame name its file by the path the debug
# information holds.
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --num-callers=40 --fullpath-after= \
    --log-file="$log" "$program" || status=$?
[ "$status" -eq 0 ] || { cat "$log"; echo "FAIL: the session ended with $status" >&2; exit 1; }
ours="$(tesmar_records <"$log")"
grep -E "definitely lost:|ERROR SUMMARY" "$log" | sed 's/^==[0-9]*== *//'
if [ -n "$ours" ]; then
    echo "$ours"
    echo "FAIL: memcheck found faults in Tesmar's code" >&2
    exit 1
fi
echo "memcheck: nothing definitely lost or misused by Tesmar's code (frames found as $where)"
