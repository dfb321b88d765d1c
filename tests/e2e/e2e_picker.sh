#!/usr/bin/env bash
# The eyedropper on a real screen: the snapshot window under the main window
# and the banner, the banner flush with the bottom right corner, a pick of the
# colour painted on the root window (frozen: repainting the root afterwards
# changes nothing), the end by a right click, and the keep-on-top state back.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
binary=$1
shots="${2:-.}"

snapshot_window() { xdotool search --all --onlyvisible --pid "$TESMAR_PID" --name '^画面のハードコピー' | head -n1 | grep .; }

for size in 1920x1080 1280x1024; do
    w=${size%x*}
    h=${size#*x}
    start_session "$w" "$h"
    xsetroot -solid '#123456'
    start_tesmar "$binary"
    place="$(outer_geometry "$MAIN_WID")"

    menu e s
    wait_for snapshot_window || fail "$size: no snapshot window"
    wait_for window_of_size 248x32 || fail "$size: no banner"
    snap="$(snapshot_window)"
    banner="$(window_of_size 248x32)"
    sleep 0.5

    read -r sx sy sw sh <<<"$(client_geometry "$snap")"
    [ "$sx $sy $sw $sh" = "0 0 $w $h" ] || fail "$size: snapshot window at $sx $sy $sw $sh"
    read -r bx by bw bh <<<"$(client_geometry "$banner")"
    [ "$bx $by" = "$((w - 248)) $((h - 32))" ] || fail "$size: banner at $bx $by"
    net_wm_state "$MAIN_WID" | grep -q _NET_WM_STATE_ABOVE || fail "$size: main window not on top while picking"
    net_wm_state "$banner" | grep -q _NET_WM_STATE_ABOVE || fail "$size: banner not on top"

    # Bottom to top: the snapshot lies under both the main window and the banner.
    stacking="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')"
    pos() {
        local i=0 id
        for id in $stacking; do
            [ $((id)) -eq $(($1)) ] && echo $i && return
            i=$((i + 1))
        done
        echo -1
    }
    [ "$(pos "$snap")" -ge 0 ] || fail "$size: snapshot window not in the stacking list"
    [ "$(pos "$snap")" -lt "$(pos "$MAIN_WID")" ] || fail "$size: snapshot covers the main window ($stacking)"
    [ "$(pos "$snap")" -lt "$(pos "$banner")" ] || fail "$size: snapshot covers the banner ($stacking)"

    # On the screen itself: the main window's and the banner's pixels are not the snapshot's.
    import -window root "$E2E_TMP/shot.png"
    [ "$size" = 1920x1080 ] && cp "$E2E_TMP/shot.png" "$shots/e2e_picker_screen.png" 2>/dev/null || true
    read -r mx my mw mh <<<"$(client_geometry "$MAIN_WID")"
    pixel() { convert "$E2E_TMP/shot.png" -format '%[hex:p{'"$1"','"$2"'}]' info: | cut -c1-6; }
    [ "$(pixel 5 5)" = 123456 ] || fail "$size: frozen screen shows $(pixel 5 5)"
    [ "$(pixel $((mx + mw / 2)) $((my + mh / 2)))" != 123456 ] || fail "$size: main window not visible"
    [ "$(pixel $((bx + 20)) $((by + 16)))" != 123456 ] || fail "$size: banner not visible"

    # The real screen changes; the snapshot does not.
    xsetroot -solid '#abcdef'
    xdotool mousemove 7 9 click 1
    sleep 0.3
    xdotool mousemove 12 14 click 3
    wait_for sh -c "! xdotool search --all --onlyvisible --pid $TESMAR_PID --name '^画面のハードコピー'" ||
        fail "$size: right click did not end picking"
    sleep 0.3
    ! net_wm_state "$MAIN_WID" | grep -q _NET_WM_STATE_ABOVE || fail "$size: still on top after picking"
    window_of_size 248x32 >/dev/null && fail "$size: banner still shown"
    menu e t
    [ "$(clipboard)" = "#123456" ] || fail "$size: picked '$(clipboard)', not #123456"

    # With keep-on-top on, the window stays on top after picking.
    menu v f
    menu e s
    wait_for snapshot_window || fail "$size: no snapshot window the second time"
    sleep 0.3
    xdotool mousemove 30 30 click 3
    wait_for sh -c "! xdotool search --all --onlyvisible --pid $TESMAR_PID --name '^画面のハードコピー'" ||
        fail "$size: second right click did not end picking"
    sleep 0.3
    # Hiding and showing a window whose keep-on-top hint changed gives it a new
    # native window: look the main window up again.
    MAIN_WID="$(main_window)"
    net_wm_state "$MAIN_WID" | grep -q _NET_WM_STATE_ABOVE || fail "$size: keep-on-top lost after picking"
    [ "$(outer_geometry "$MAIN_WID")" = "$place" ] || fail "$size: main window moved from $place to $(outer_geometry "$MAIN_WID")"

    # Keep-on-top off again, and once more picking: back among ordinary windows, in the same place.
    menu v f
    menu e s
    wait_for snapshot_window || fail "$size: no snapshot window the third time"
    sleep 0.3
    xdotool mousemove 30 30 click 3
    wait_for sh -c "! xdotool search --all --onlyvisible --pid $TESMAR_PID --name '^画面のハードコピー'" ||
        fail "$size: third right click did not end picking"
    sleep 0.3
    MAIN_WID="$(main_window)"
    ! net_wm_state "$MAIN_WID" | grep -q _NET_WM_STATE_ABOVE || fail "$size: on top after keep-on-top was switched off"
    [ "$(outer_geometry "$MAIN_WID")" = "$place" ] || fail "$size: main window moved from $place to $(outer_geometry "$MAIN_WID")"
    echo "picker $size: ok (banner $bx,$by)"
done
