#!/usr/bin/env bash
# Keep-on-top mode from the View menu sets and clears _NET_WM_STATE_ABOVE and
# leaves the window where it was, at the size it was.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
binary=$1

start_session 1280 1024
start_tesmar "$binary"

before="$(outer_geometry "$MAIN_WID")"
net_wm_state "$MAIN_WID" | grep -q _NET_WM_STATE_ABOVE && fail "on top at start"

menu v f
wait_for sh -c "xprop -id $MAIN_WID _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" || fail "ABOVE not set"
[ "$(outer_geometry "$MAIN_WID")" = "$before" ] || fail "moved or resized: $before -> $(outer_geometry "$MAIN_WID")"
[ "$(main_window)" = "$MAIN_WID" ] || fail "the window was recreated"

menu v f
wait_for sh -c "! xprop -id $MAIN_WID _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" || fail "ABOVE not cleared"
[ "$(outer_geometry "$MAIN_WID")" = "$before" ] || fail "moved or resized: $before -> $(outer_geometry "$MAIN_WID")"
echo "topmost: ok ($before)"
