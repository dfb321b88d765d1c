#!/usr/bin/env bash
# The three copy commands leave exactly the readout's text on the X clipboard.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
binary=$1

start_session 1280 1024
start_tesmar "$binary"

menu e d
wait_for_clipboard 16777215
[ "$(clipboard | od -An -c | tr -s ' ')" = "$(printf '16777215' | od -An -c | tr -s ' ')" ] ||
    fail "decimal copy gave '$(clipboard)' with a line end"
menu e h
wait_for_clipboard 0xffffff
menu e t
wait_for_clipboard "#FFFFFF"
# No line end: the byte count is the text's own.
[ "$(clipboard | wc -c)" -eq 7 ] || fail "HTML copy is not 7 bytes"
echo "clipboard: ok"
