#!/usr/bin/env bash
# The About box opens over the main window by the centring rule, counted with
# the outer frames the window manager draws, and closes from the keyboard and
# from its OK button.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
binary=$1

about_window() { xdotool search --all --onlyvisible --pid "$TESMAR_PID" --name '^ﾊﾞｰｼﾞｮﾝ情報$' | head -n1 | grep .; }

# Whether the About box stands where the rule puts it over the main window.
about_centred() {
    read -r mx my mw mh <<<"$(outer_geometry "$MAIN_WID")"
    read -r ax ay aw ah <<<"$(outer_geometry "$about")"
    ex=$((mx + (mw - aw) / 2))
    ey=$((my + (mh - ah) / 2))
    [ "$ax $ay" = "$ex $ey" ]
}

main_moved() { [ "$(outer_geometry "$MAIN_WID")" != "$before" ]; }

start_session 1280 1024
start_tesmar "$binary"
for round in 1 2; do
    menu h a
    wait_for about_window || fail "round $round: no About box"
    about="$(about_window)"
    title="$(xdotool getwindowname "$about")"
    [ "$title" = "ﾊﾞｰｼﾞｮﾝ情報" ] || fail "round $round: About box titled '$title'"
    wait_for about_centred || { about_centred || true; fail "round $round: About box at $ax $ay ($aw x $ah), expected $ex $ey for main $mx $my $mw x $mh"; }
    # A modal box takes the focus when it opens.
    wait_for is_active "$about" || fail "round $round: the About box is not active (active: $(active_window))"
    if [ "$round" = 1 ]; then
        send_keys Escape
    else
        click_in "$about" $((208 + 37)) $((112 + 12)) # the OK button
    fi
    wait_until_not about_window || fail "round $round: About box did not close"
    wait_for is_active "$MAIN_WID" || fail "round $round: the main window did not get the focus back"
    # The second time from a different place of the main window.
    if [ "$round" = 1 ]; then
        before="$(outer_geometry "$MAIN_WID")"
        xdotool windowmove "$MAIN_WID" 40 50
        wait_for main_moved || fail "the main window did not move"
    fi
done
echo "about: ok ($ax,$ay ${aw}x$ah over $mx,$my ${mw}x$mh)"
