#!/usr/bin/env bash
# The main window through picking: one native window from start to end (the
# same X id after pickings and keep-on-top changes), in its place, at its
# size and still on all desktops; above the frozen screen while picking even
# when keep-on-top is switched off meanwhile. Then two monitors: both frozen,
# the banner in the primary one's corner, a pick on the second.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
source "$(dirname "$0")/pickerdesktop.sh"
binary=$1
shots="${2:-.}"

above() { net_wm_state "$1" | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above "$1"; }
desktop_of() { xprop -id "$1" _NET_WM_DESKTOP | sed 's/.*= //'; }
stacking_index() {
    local i=0 id
    for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'); do
        [ $((id)) -eq $(($1)) ] && echo $i && return
        i=$((i + 1))
    done
    echo -1
}
end_picking() {
    click_at "$1" "$2" 3
    wait_until_not snapshot_window || fail "right click did not end picking"
}

start_session 1600 1000
xsetroot -solid '#123456'
start_tesmar "$binary"
id="$MAIN_WID"
place="$(outer_geometry "$id")"
in_place() { [ "$(outer_geometry "$id")" = "$place" ]; }
xdotool set_desktop_for_window "$id" -1
wait_for sh -c "[ \"\$(xprop -id $id _NET_WM_DESKTOP | sed 's/.*= //')\" = 4294967295 ]" ||
    fail "could not put the main window on all desktops"

# Three pickings, keep-on-top switched before each: on, off, on.
for round in 1 2 3; do
    menu v f
    if [ $((round % 2)) = 1 ]; then wait_for above "$id"; else wait_for not_above "$id"; fi ||
        fail "round $round: keep-on-top not switched"
    start_picking
    above "$id" || fail "round $round: main window not on top while picking"
    click_at 30 30
    end_picking 30 30
    if [ $((round % 2)) = 1 ]; then wait_for above "$id"; else wait_for not_above "$id"; fi ||
        fail "round $round: the layer after picking does not follow keep-on-top"
    xwininfo -id "$id" | grep -q IsViewable || fail "round $round: window $id is gone or hidden"
    [ "$(main_window)" = "$id" ] ||
        fail "round $round: the main window is not $id any more"
    wait_for in_place || fail "round $round: moved from $place to $(outer_geometry "$id")"
    [ "$(desktop_of "$id")" = 4294967295 ] || fail "round $round: no longer on all desktops ($(desktop_of "$id"))"
done

# Keep-on-top is on. Switched off during picking, the window stays above the
# snapshot, also after a pick; it leaves the upper layer when picking ends.
start_picking
snap="$(snapshot_window)"
menu v f
click_at 30 30
sleep 0.5 # time for a wrong restack to show; nothing should change
above "$id" || fail "keep-on-top switched off during picking took the window out of the upper layer"
[ "$(stacking_index "$snap")" -lt "$(stacking_index "$id")" ] || fail "the snapshot covers the main window"
import -window root "$E2E_TMP/shot.png"
read -r mx my mw mh <<<"$(client_geometry "$id")"
[ "$(screen_colour "$E2E_TMP/shot.png" $((mx + mw / 2)) $((my + mh / 2)))" != "#123456" ] ||
    fail "the main window is not visible over the snapshot"
[ "$(screen_colour "$E2E_TMP/shot.png" 5 5)" = "#123456" ] || fail "the snapshot is not shown"
end_picking 30 30
wait_for not_above "$id" || fail "still on top after picking with keep-on-top off"
wait_for in_place || fail "moved from $place to $(outer_geometry "$id")"
echo "picker window: ok (one window $id, $place, on all desktops)"

# Two real monitors side by side on one X screen, at scale 1 and 2.
for scale in 1 2; do
    start_monitors 1600x1000 1600x1000
    position_desktop 3200 1000
    start_tesmar_scaled "$binary" factor "$scale"
    start_picking
    xsetroot -solid '#000000'
    read -r sx sy sw sh <<<"$(client_geometry "$(snapshot_window)")"
    [ "$sx $sy $sw $sh" = "0 0 3200 1000" ] || fail "two monitors, scale $scale: snapshot window at $sx $sy $sw $sh"
    wait_for banner_in_corner 1600 1000 ||
        fail "two monitors, scale $scale: banner at $(client_geometry "$(banner_window)"), not in the primary monitor's corner"
    import -window root "$E2E_TMP/shot.png"
    if [ "$scale" = 1 ]; then cp "$E2E_TMP/shot.png" "$shots/e2e_picker_two_monitors.png" 2>/dev/null || true; fi
    points=(5,5 1601,3 2500,500 3199,999 1700,990)
    expect_position_colours "$E2E_TMP/shot.png" "two monitors, scale $scale" "${points[@]}"
    activate "$MAIN_WID"
    for p in 2401,555 1600,0 3199,999 1601,3; do
        x=${p%,*}
        y=${p#*,}
        got="$(pick_at "$x" "$y" "$(expected_colour "$x" "$y")")"
        [ "$got" = "$(expected_colour "$x" "$y")" ] || fail "two monitors, scale $scale: a click on ($x,$y) picked $got"
    done
    end_picking 2000 100
    echo "picker two monitors, scale $scale: ok"
done
