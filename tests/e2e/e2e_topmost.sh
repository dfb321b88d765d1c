#!/usr/bin/env bash
# Keep-on-top mode from the View menu sets and clears _NET_WM_STATE_ABOVE and
# leaves the window where it was, at the size it was.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
binary=$1

on_top() { net_wm_state "$MAIN_WID" | grep -q _NET_WM_STATE_ABOVE; }
in_place() { [ "$(outer_geometry "$MAIN_WID")" = "$before" ]; }

start_session 1280 1024
start_tesmar "$binary"

before="$(outer_geometry "$MAIN_WID")"
on_top && fail "on top at start"

menu v f
wait_for on_top || fail "ABOVE not set"
wait_for in_place || fail "moved or resized: $before -> $(outer_geometry "$MAIN_WID")"
[ "$(main_window)" = "$MAIN_WID" ] || fail "the window was recreated"

menu v f
wait_until_not on_top || fail "ABOVE not cleared"
wait_for in_place || fail "moved or resized: $before -> $(outer_geometry "$MAIN_WID")"
echo "topmost: ok ($before)"
