#!/usr/bin/env bash
# Runs the scripted palette session under valgrind's memcheck and fails on any
# definitely lost block allocated from Tesmar's own code, or on any read of
# uninitialised or freed memory there. Leaks inside Qt's and the system's
# libraries are reported by valgrind but are not Tesmar's to mend.
#   usage: check_memcheck.sh <session-program> <source-folder>
set -euo pipefail
program=$1
sources=$2
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='tesmar.palette.debug=false'
status=0
# --fullpath-after= makes every frame name its file by its full path.
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --num-callers=40 --fullpath-after= \
    --log-file="$log" "$program" || status=$?
[ "$status" -eq 0 ] || { cat "$log"; echo "FAIL: the session ended with $status" >&2; exit 1; }
# One record per blank-line-separated block; keep the blocks that name a file
# of the source tree.
ours="$(awk -v src="$sources/src/" 'BEGIN { RS = ""; FS = "\n" }
    /definitely lost|Invalid (read|write)|uninitialised|Invalid free/ {
        if (index($0, src) > 0) print $0 "\n"
    }' "$log")"
grep -E "definitely lost:|ERROR SUMMARY" "$log" | sed 's/^==[0-9]*== *//'
if [ -n "$ours" ]; then
    echo "$ours"
    echo "FAIL: memcheck found faults in Tesmar's code" >&2
    exit 1
fi
echo "memcheck: nothing definitely lost or misused by Tesmar's code"
