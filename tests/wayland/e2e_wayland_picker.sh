#!/usr/bin/env bash
# The eyedropper on a headless Wayland session (sway with Xwayland and the
# desktop portal), for Tesmar on native Wayland and through XWayland, at
# output scales 1, 1.5 and 2: the snapshot full screen, a pick on a window of
# a known colour and on the background, a drag from one to the other, the
# readout in the snapshot following the picks, the end by a right press, and
# the colour on the clipboard. First, with the portal stopped, picking ends
# at once with one message, and works again once the portal is back.
# usage: e2e_wayland_picker.sh TESMAR VPOINTER SOLIDWINDOW BUILD-DIR
set -euo pipefail
source "$(dirname "$0")/session.sh"
build=$4
WL_FILES=("$1" "$2" "$3" "$build/colorcode.dat" "$build/tesmar.ini" "$build/help")
wl_enter "$0" "$@"

SOLID=d4402a
BACKGROUND=2a7fd4
wl_start 1280 800
wl_pointer_start

tree() { swaymsg -t get_tree; }
# A visible window of the given title (and, if given, full screen).
has_window() { tree | jq -e --arg t "$1" '[.. | objects | select(.name? == $t and .visible == true)] | length > 0'; }
no_window() { ! has_window "$1"; }
is_focused() { tree | jq -e --arg t "$1" '[.. | objects | select(.name? == $t and .focused == true)] | length > 0'; }
# The box around every output, in logical pixels: the virtual pointer's range.
output_size() { swaymsg -t get_outputs | jq -r '[.[] | select(.active)] | "\(map(.rect.x + .rect.width) | max) \(map(.rect.y + .rect.height) | max)"'; }
# The snapshot's windows shown: full screen natively, unmanaged under XWayland.
snapshots() {
    if [ "$PLATFORM" = xcb ]; then
        xdotool search --onlyvisible --name '^画面のハードコピー$' 2>/dev/null | wc -l
    else
        tree | jq '[.. | objects | select(.name? == "画面のハードコピー" and .visible == true and .fullscreen_mode == 1)] | length'
    fi
}
snapshots_are() { [ "$(snapshots)" = "$1" ]; }
output_scale() { swaymsg -t get_outputs | jq -r '.[0].scale'; }
# The colour of the screen at a logical point, as six hex digits.
screen_pixel() { grim -g "$1,$2 1x1" -t ppm - | tail -c 3 | od -An -tx1 | tr -d ' \n'; }
screen_pixel_is() { [ "$(screen_pixel "$1" "$2")" = "$3" ]; }
clipboard_is() { [ "$(wl-paste -n 2>/dev/null)" = "$1" ]; }
# A press on a toolbar button of the main window, by its left edge in the
# toolbar: 8 the eyedropper, 88 the HTML copy.
# usage: toolbar LEFT [CHECK...]: the check tells that the press was handled.
toolbar() {
    local x y left=$1
    shift
    [ "$PLATFORM" != xcb ] || wl_wait x_window_placed || fail "xcb: the main window is not where sway shows it"
    read -r x y <<<"$(tree | jq -r '.. | objects | select(.name? == "Tesmar" and .visible == true) | "\(.rect.x) \(.rect.y)"' | head -n1)"
    [ -n "$x" ] || fail "no main window for the toolbar"
    if [ $# -gt 0 ]; then
        click_until "$@" -- $((x + left + 11)) $((y + 32)) 1
    else
        click $((x + left + 11)) $((y + 32)) 1
    fi
}
# Now and then, on a loaded machine, Xwayland loses a press on a window that
# has just been mapped. A press whose effect does not show within 5 s is made
# again; the effect shows within milliseconds of the press being handled.
# usage: click_until CHECK... -- X Y BUTTON
click_until() {
    local check=() n i
    while [ "$1" != -- ]; do check+=("$1"); shift; done
    shift
    for n in 1 2 3; do
        click "$@"
        for i in $(seq 100); do
            if "${check[@]}" >/dev/null 2>&1; then return 0; fi
            sleep 0.05
        done
        echo "press at $1,$2 had no effect, pressed again" >&2
    done
    return 1
}
picking_started() { no_window Tesmar || ! snapshots_are 0; }

# The pointer arrives from next door, as a hand's does.
click() {
    pointer move $(($1 + 1)) $(($2 + 1)) "$W" "$H"
    pointer move "$1" "$2" "$W" "$H"
    pointer press "$3"
    pointer release "$3"
}

"$WL_STAGE/tesmar_solidwindow" "#$SOLID" wl-solid >"$WL_STAGE/solid.log" 2>&1 &
WL_PIDS+=($!)
wl_wait has_window wl-solid || fail "no window to pick from"

start_tesmar() {
    local platform=$1
    PLATFORM=$platform
    # Xwayland drops presses on a window that appeared under a resting
    # pointer: the pointer waits in a corner where no window opens.
    read -r W H <<<"$(output_size)"
    pointer move 2 $((H - 2)) "$W" "$H"
    (cd "$WL_STAGE" && QT_QPA_PLATFORM=$platform QT_LOGGING_RULES="tesmar.palette.debug=false${WL_INPUT_LOG:+;qt.qpa.input.events=true}" \
        exec ./tesmar) >"$WL_STAGE/tesmar.log" 2>&1 &
    TESMAR_PID=$!
    WL_PIDS+=("$TESMAR_PID")
    wl_wait has_window Tesmar || fail "$platform: the main window did not appear"
    read -r W H <<<"$(output_size)"
}

# The X11 main window stands, for the X server, where sway shows it. sway
# shows a window where it placed it before Xwayland has moved it there, and
# until then the X server sends presses elsewhere.
x_window_placed() {
    local sway x11
    sway="$(tree | jq -r '.. | objects | select(.name? == "Tesmar" and .visible == true) | "\(.rect.x) \(.rect.y)"' | head -n1)"
    # "0x400006 "Tesmar": ("tesmar" "Tesmar")  344x281+420+60  +420+60": the last field is absolute.
    x11="$(xwininfo -root -tree | awk '/"Tesmar": \("tesmar"/ {print $NF; exit}' | awk -F+ '{print $2, $3}')"
    [ -n "$sway" ] && [ "$sway" = "$x11" ]
}

stop_tesmar() {
    kill "$TESMAR_PID"
    wait "$TESMAR_PID" 2>/dev/null || true
    wl_wait no_window Tesmar || fail "Tesmar did not end"
}

# One picking session: a press on the known window, a drag onto the
# background, a right press; the readout and the clipboard follow.
pick_and_drag() {
    local what=$1
    # Away from the picks: the headless session draws the pointer into
    # screenshots.
    pointer move 2 $((H - 2)) "$W" "$H"
    toolbar 8 picking_started || fail "$what: the eyedropper did not start"
    # Off the picture again before the portal takes it, 100 ms after the
    # press: the headless session draws the pointer into screenshots.
    pointer move 2 $((H - 2)) "$W" "$H"
    wl_wait snapshots_are 1 || fail "$what: no full-screen snapshot"
    # The readout's swatch, in the snapshot's bottom right corner.
    local sx=$((W - 248 + 36)) sy=$((H - 96 + 60))
    local n
    for n in 1 2 3; do
        pointer move 121 121 "$W" "$H"
        pointer move 120 120 "$W" "$H"
        pointer press 1
        if wl_wait screen_pixel_is $sx $sy $SOLID; then break; fi
        pointer release 1
    done
    screen_pixel_is $sx $sy $SOLID || fail "$what: the readout shows $(screen_pixel $sx $sy) after a press on the window"
    [ -z "${WL_SHOTS:-}" ] || [ -f "$WL_STAGE/snapshot.png" ] || grim "$WL_STAGE/snapshot.png"
    local x
    for x in 200 300 400 500 600 700; do pointer move "$x" 40 "$W" "$H"; done
    pointer move $((W - 60)) 30 "$W" "$H"
    wl_wait screen_pixel_is $sx $sy $BACKGROUND ||
        fail "$what: the readout shows $(screen_pixel $sx $sy) after a drag onto the background"
    pointer release 1
    click_until snapshots_are 0 -- $((W / 2)) $((H / 2)) 3 || fail "$what: the right press did not end picking"
    toolbar 88 clipboard_is "#${BACKGROUND^^}"
    wl_wait clipboard_is "#${BACKGROUND^^}" || fail "$what: clipboard holds '$(wl-paste -n)', not #${BACKGROUND^^}"
    # A second start takes a new snapshot: a single press on the window.
    pointer move 2 $((H - 2)) "$W" "$H"
    toolbar 8 picking_started || fail "$what: the eyedropper did not start the second time"
    pointer move 2 $((H - 2)) "$W" "$H"
    wl_wait snapshots_are 1 || fail "$what: no snapshot the second time"
    click_until screen_pixel_is $sx $sy $SOLID -- 200 200 1 || fail "$what: a single press did not pick"
    click_until snapshots_are 0 -- $((W / 2)) $((H / 2)) 3 ||
        fail "$what: the second right press did not end picking"
    toolbar 88 clipboard_is "#${SOLID^^}"
    wl_wait clipboard_is "#${SOLID^^}" || fail "$what: clipboard holds '$(wl-paste -n)', not #${SOLID^^}"
    echo "$what: ok"
}

# With the portal stopped: one message, no snapshot, and picking works again
# once the portal is back (the toggle was left off).
wl_stop_portal
start_tesmar wayland
toolbar 8 has_window 画面の色をｺﾋﾟｰできません
wl_wait has_window 画面の色をｺﾋﾟｰできません || fail "no message without the portal"
snapshots_are 0 || fail "a snapshot was shown without the portal"
[ "$(tree | jq '[.. | objects | select(.name? == "画面の色をｺﾋﾟｰできません")] | length')" = 1 ] ||
    fail "more than one message"
# Closing the message the way its window's close button does.
swaymsg '[title="^画面の色をｺﾋﾟｰできません$"] kill' >/dev/null
wl_wait no_window 画面の色をｺﾋﾟｰできません || fail "the message did not close"
echo "without the portal: ok"
wl_start_portal
pick_and_drag "wayland, scale 1"
stop_tesmar

for scale in 1 1.5 2; do
    swaymsg output HEADLESS-1 scale "$scale" >/dev/null
    wl_wait sh -c "swaymsg -t get_outputs | jq -e '.[0].scale == $scale'" || fail "scale $scale not set"
    for platform in wayland xcb; do
        [ "$scale $platform" = "1 wayland" ] && continue
        start_tesmar "$platform"
        pick_and_drag "$platform, scale $scale"
        stop_tesmar
    done
done
# A background whose device pixel (x, y) shows the position (x + XOFF, y):
# red x mod 256, green y mod 256, blue (x div 256) * 16 + y div 256.
position_picture() {
    python3 - "$@" <<'PY'
import struct, sys, zlib
w, h, xoff, out = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
rows = bytearray()
for y in range(h):
    rows.append(0)
    for x in range(xoff, xoff + w):
        rows += bytes((x & 255, y & 255, (((x >> 8) << 4) | (y >> 8)) & 255))
chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
with open(out, "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(rows), 1)) + chunk(b"IEND", b""))
PY
}
position_colour() { printf '%02x%02x%02x' $(($1 % 256)) $(($2 % 256)) $((($1 / 256) * 16 + $2 / 256)); }

# Two outputs: HEADLESS-1 1280x800 at scale 1 on the left, HEADLESS-2
# 1280x800 device pixels at scale 2 (640x400 logical) on its right.
swaymsg output HEADLESS-1 scale 1 >/dev/null
swaymsg create_output >/dev/null
swaymsg output HEADLESS-2 pos 1280 0 res 1280x800 scale 2 >/dev/null
wl_wait sh -c "swaymsg -t get_outputs | jq -e '[.[] | select(.active)] | length == 2'" || fail "no second output"
position_picture 1280 800 0 "$WL_STAGE/left.png"
position_picture 1280 800 1280 "$WL_STAGE/right.png"
swaymsg output HEADLESS-1 bg "$WL_STAGE/left.png" center >/dev/null
swaymsg output HEADLESS-2 bg "$WL_STAGE/right.png" center >/dev/null
wl_wait screen_pixel_is 1900 390 "$(position_colour $((1280 + 1241)) 781)" || fail "the position backgrounds are not shown"

# A press on each output and a drag across, read from the readout on the
# right-hand output; under XWayland a logical pixel covers a 2x2 block of the
# scale-2 output, and the pick is its centre's lower right pixel.
two_outputs() {
    # Under XWayland one unmanaged window spans both outputs.
    local what="$1, two outputs" near=0 windows=2
    [ "$1" = xcb ] && near=1 windows=1
    start_tesmar "$1"
    # Placed on the right-hand output as a user would move it there.
    swaymsg '[title="^Tesmar$"] move position 1400 20' >/dev/null
    local place
    wl_wait sh -c "swaymsg -t get_tree | jq -e '.. | objects | select(.name? == \"Tesmar\") | select(.rect.x > 1280)'" ||
        fail "$what: the main window was not moved"
    place="$(main_place)"
    pointer move 2 $((H - 2)) "$W" "$H"
    toolbar 8 picking_started || fail "$what: the eyedropper did not start"
    pointer move 2 $((H - 2)) "$W" "$H"
    wl_wait snapshots_are $windows || fail "$what: $(snapshots) snapshot windows, not $windows"
    local sx=$((1920 - 248 + 36)) sy=$((400 - 96 + 60)) want
    want="$(position_colour 300 500)"
    click_until screen_pixel_is $sx $sy "$want" -- 300 500 1 ||
        fail "$what: a press on the left output picked $(screen_pixel $sx $sy), not $want"
    # The same place on the snapshot over the known window shows that window.
    click_until screen_pixel_is $sx $sy $SOLID -- 100 100 1 ||
        fail "$what: a press over a window picked $(screen_pixel $sx $sy), not $SOLID"
    want="$(position_colour $((1280 + 200 + near)) $((300 + near)))"
    pointer move 300 300 "$W" "$H"
    pointer press 1
    for x in 600 900 1200 1300 1379 1380; do pointer move "$x" 150 "$W" "$H"; done
    wl_wait screen_pixel_is $sx $sy "$want" ||
        fail "$what: a drag onto the right output picked $(screen_pixel $sx $sy), not $want"
    pointer release 1
    click_until snapshots_are 0 -- 600 600 3 || fail "$what: a right press on the left output did not end picking"
    wl_wait has_window Tesmar || fail "$what: the main window did not come back"
    wl_wait main_at "$place" || fail "$what: the main window came back at $(main_place), not $place"
    # A full-screen application on the other output keeps its state.
    swaymsg '[title="^wl-solid$"] fullscreen enable' >/dev/null
    wl_wait is_fullscreen wl-solid || fail "$what: the window to pick from did not go full screen"
    toolbar 8 picking_started || fail "$what: the eyedropper did not start over a full-screen window"
    pointer move 2 $((H - 2)) "$W" "$H"
    wl_wait snapshots_are $windows || fail "$what: no snapshot over a full-screen window"
    click_until screen_pixel_is $sx $sy $SOLID -- 600 600 1 || fail "$what: a press over the full-screen window picked $(screen_pixel $sx $sy)"
    click_until snapshots_are 0 -- 600 600 3 || fail "$what: the right press did not end picking"
    wl_wait has_window Tesmar && wl_wait main_at "$place" || fail "$what: the main window is at $(main_place), not $place"
    wl_wait is_fullscreen wl-solid || fail "$what: the application lost its full-screen state"
    swaymsg '[title="^wl-solid$"] fullscreen disable' >/dev/null
    stop_tesmar
    echo "$what: ok"
}
main_place() { tree | jq -r '.. | objects | select(.name? == "Tesmar" and .visible == true) | "\(.rect.x),\(.rect.y)"' | head -n1; }
main_at() { [ "$(main_place)" = "$1" ]; }
is_fullscreen() { tree | jq -e --arg t "$1" '[.. | objects | select(.name? == $t and .fullscreen_mode == 1)] | length > 0'; }
two_outputs wayland
two_outputs xcb
echo "wayland picker: all ok"
