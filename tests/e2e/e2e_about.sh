#!/usr/bin/env bash
# The About box opens over the main window by the centring rule, counted with
# the outer frames the window manager draws.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
binary=$1

about_window() { xdotool search --all --onlyvisible --pid "$TESMAR_PID" --name '^ﾊﾞｰｼﾞｮﾝ情報' | head -n1 | grep .; }

start_session 1280 1024
start_tesmar "$binary"
for round in 1 2; do
    menu h a
    wait_for about_window || fail "no About box"
    about="$(about_window)"
    title="$(xdotool getwindowname "$about")"
    [ "$title" = "ﾊﾞｰｼﾞｮﾝ情報" ] || fail "round $round: About box titled '$title'"
    sleep 0.5
    read -r mx my mw mh <<<"$(outer_geometry "$MAIN_WID")"
    read -r ax ay aw ah <<<"$(outer_geometry "$about")"
    ex=$((mx + (mw - aw) / 2))
    ey=$((my + (mh - ah) / 2))
    [ "$ax $ay" = "$ex $ey" ] || fail "round $round: About box at $ax $ay ($aw x $ah), expected $ex $ey for main $mx $my $mw x $mh"
    xdotool key --window "$about" Escape 2>/dev/null || true
    xdotool windowactivate --sync "$about" key Escape 2>/dev/null || true
    wait_for sh -c "! xdotool search --all --onlyvisible --pid $TESMAR_PID --name '^ﾊﾞｰｼﾞｮﾝ情報'" || fail "About box did not close"
    # The second time from a different place of the main window.
    xdotool windowmove "$MAIN_WID" 40 50
    sleep 0.5
done
echo "about: ok ($ax,$ay ${aw}x$ah over $mx,$my ${mw}x$mh)"
