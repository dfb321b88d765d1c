#!/usr/bin/env bash
# The eyedropper on a real screen: the snapshot window under the main window
# and the banner, the banner flush with the bottom right corner, a pick of the
# colour painted on the root window (frozen: repainting the root afterwards
# changes nothing), the end by a right click, and the keep-on-top state back.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
binary=$1
shots="${2:-.}"

snapshot_window() { xdotool search --all --onlyvisible --pid "$TESMAR_PID" --name '^画面のハードコピー$' | head -n1 | grep .; }
on_top() { net_wm_state "$1" | grep -q _NET_WM_STATE_ABOVE; }
main_on_top() { MAIN_WID="$(main_window)" && on_top "$MAIN_WID"; }
main_not_on_top() { MAIN_WID="$(main_window)" && ! on_top "$MAIN_WID"; }
# The main window is looked up again each time, so these checks hold whatever
# window id it has (e2e_picker_window checks that the id stays the same).
main_in_place() { MAIN_WID="$(main_window)" && [ "$(outer_geometry "$MAIN_WID")" = "$place" ]; }
pixel_is() { [ "$(screen_pixel "$1" "$2")" = "$3" ]; }
snapshot_at() { [ "$(client_geometry "$snap")" = "0 0 $w $h" ]; }
banner_at() { [ "$(client_geometry "$banner")" = "$((w - 248)) $((h - 32)) 248 32" ]; }

# On the screen itself: the frozen root colour in the corner, and the main
# window's and the banner's pixels that are not the snapshot's.
screen_shows_all() {
    import -window root "$E2E_TMP/shot.png" || return 1
    local mx my mw mh
    read -r mx my mw mh <<<"$(client_geometry "$MAIN_WID")"
    pixel() { convert "$E2E_TMP/shot.png" -format '%[hex:p{'"$1"','"$2"'}]' info: | cut -c1-6; }
    [ "$(pixel 5 5)" = 123456 ] && [ "$(pixel $((mx + mw / 2)) $((my + mh / 2)))" != 123456 ] &&
        [ "$(pixel $((w - 248 + 20)) $((h - 32 + 16)))" != 123456 ]
}

# Picking ends on a right click on the snapshot.
end_picking_at() {
    click_at "$1" "$2" 3
    wait_until_not snapshot_window || fail "$size: right click did not end picking ($3)"
}

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
    wait_for main_window || fail "$size: no main window while picking"
    MAIN_WID="$(main_window)"
    [ "$MAIN_WID" != "$banner" ] || fail "$size: the banner was taken for the main window"

    wait_for snapshot_at || fail "$size: snapshot window at $(client_geometry "$snap")"
    wait_for banner_at || fail "$size: banner at $(client_geometry "$banner")"
    wait_for on_top "$MAIN_WID" || fail "$size: main window not on top while picking"
    wait_for on_top "$banner" || fail "$size: banner not on top"
    wait_for stacked_under "$snap" "$MAIN_WID" "$banner" ||
        fail "$size: snapshot not under the main window and the banner ($(xwininfo -root -children))"
    wait_for screen_shows_all || fail "$size: the screen does not show the frozen picture, the main window and the banner"
    [ "$size" = 1920x1080 ] && cp "$E2E_TMP/shot.png" "$shots/e2e_picker_screen.png" 2>/dev/null || true
    if [ "$size" = 1920x1080 ]; then
        # A window manager restarted while picking: the snapshot stays under
        # the main window and the banner.
        manager="$(xprop -root _NET_SUPPORTING_WM_CHECK)"
        openbox --replace >"$E2E_TMP/openbox2.log" 2>&1 &
        E2E_PIDS+=($!)
        wait_for sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -v '$manager' | grep -q 'window id'" ||
            fail "openbox --replace did not take over"
        wait_for sh -c 'xprop -root _NET_CLIENT_LIST_STACKING | grep -q ","' || fail "the new manager stacks nothing"
        wait_for stacked_under "$snap" "$MAIN_WID" "$banner" && wait_for screen_shows_all || fail "snapshot above the main window or the banner after a window manager restart"
        sleep 0.5 # time for a wrong restack to show; nothing should change
        stacked_under "$snap" "$MAIN_WID" "$banner" && screen_shows_all || fail "snapshot above the main window or the banner after a window manager restart"
    fi

    # The real screen changes; the snapshot does not, and it is drawn again
    # where another program's popup covered it and went away (its ordinary
    # windows stay under the snapshot).
    xsetroot -solid '#abcdef'
    if [ "$size" = 1920x1080 ]; then
        /usr/bin/python3 -c 'import tkinter; t = tkinter.Tk(); t.overrideredirect(True)
t.geometry("120x90+300+400"); t.configure(background="#ff0000"); t.mainloop()' &
        cover=$!
        wait_for pixel_is 340 440 ff0000 || fail "the covering window did not show"
        kill "$cover"
        wait "$cover" 2>/dev/null || true
        wait_for pixel_is 340 440 123456 || fail "snapshot not drawn again where a window covered it: $(screen_pixel 340 440)"
    fi
    click_at 7 9 1
    end_picking_at 12 14 "first"
    wait_for main_not_on_top || fail "$size: still on top after picking"
    wait_until_not window_of_size 248x32 || fail "$size: banner still shown"
    menu e t
    wait_for_clipboard "#123456"
    main_not_on_top || fail "$size: on top again after picking"

    # With keep-on-top on, the window stays on top after picking.
    menu v f
    wait_for main_on_top || fail "$size: keep-on-top did not set the main window on top"
    menu e s
    wait_for snapshot_window || fail "$size: no snapshot window the second time"
    end_picking_at 30 30 "second"
    wait_for main_on_top || fail "$size: keep-on-top lost after picking"
    wait_for main_in_place || fail "$size: main window moved (picking with keep-on-top on) from $place to $(outer_geometry "$MAIN_WID")"

    # Keep-on-top off again, and once more picking: back among ordinary windows, in the same place.
    menu v f
    wait_for main_not_on_top || fail "$size: keep-on-top did not end"
    # Alt+F4 while picking (it reaches the main window) ends picking only.
    menu e s
    wait_for snapshot_window || fail "$size: no snapshot window the third time"
    press_keys "$MAIN_WID" alt+F4
    wait_until_not snapshot_window || fail "$size: Alt+F4 did not end picking"
    kill -0 "$TESMAR_PID" 2>/dev/null && main_window >/dev/null || fail "$size: Alt+F4 while picking ended Tesmar"
    wait_for main_in_place || fail "$size: main window moved (picking after keep-on-top was switched off) from $place to $(outer_geometry "$MAIN_WID")"
    wait_for main_not_on_top || fail "$size: on top after keep-on-top was switched off"
    menu e d
    wait_for_clipboard 5649426 # the colour number counts blue highest
    main_not_on_top || fail "$size: on top again after keep-on-top was switched off"
    echo "picker $size: ok"
done
