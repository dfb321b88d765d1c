# Shared by the eyedropper's end-to-end scripts (source it after x11session.sh):
# a desktop whose every pixel's colour gives its own position, Tesmar started
# at a chosen scale, and a pick checked through the clipboard.

# The colour of device pixel (x, y) as HTML: red x mod 256, green y mod 256,
# blue (x div 256) * 16 + y div 256.
expected_colour() { printf '#%02X%02X%02X' $(($1 % 256)) $(($2 % 256)) $((($1 / 256) * 16 + $2 / 256)); }

# Paints the root window with the position-encoded picture, W x H.
position_desktop() {
    local w=$1 h=$2 file="$E2E_TMP/desktop-$1x$2"
    if [ ! -s "$file.png" ]; then
        python3 - "$w" "$h" "$file.ppm" <<'PY'
import sys
w, h, out = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
with open(out, "wb") as f:
    f.write(b"P6\n%d %d\n255\n" % (w, h))
    reds = bytes(x & 255 for x in range(w))
    for y in range(h):
        row = bytearray(w * 3)
        row[0::3] = reds
        row[1::3] = bytes([y & 255]) * w
        row[2::3] = bytes((((x >> 8) << 4) | (y >> 8)) & 255 for x in range(w))
        f.write(row)
PY
        convert "$file.ppm" "$file.png"
    fi
    # display leaves the picture on the root and may still report a failure.
    display -window root "$file.png" >/dev/null 2>&1 || true
    import -window root "$E2E_TMP/root.png"
    [ "$(screen_colour "$E2E_TMP/root.png" $((w - 1)) $((h - 1)))" = "$(expected_colour $((w - 1)) $((h - 1)))" ] ||
        fail "the position-encoded desktop was not painted"
}

# HTML colour of a pixel of a screenshot.
screen_colour() { echo "#$(convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6)"; }

# Starts Tesmar scaled: "factor S" through QT_SCALE_FACTOR, "xft DPI" through
# the X resource Xft.dpi, as a desktop sets it.
start_tesmar_scaled() {
    local binary=$1 how=$2 value=$3
    local env=(QT_QPA_PLATFORM=xcb QT_LOGGING_RULES='tesmar.palette.debug=false')
    if [ "$how" = factor ]; then
        env+=(QT_SCALE_FACTOR="$value" QT_FONT_DPI=96 QT_ENABLE_HIGHDPI_SCALING=0)
    else
        echo "Xft.dpi: $value" | xrdb -merge
    fi
    env -u QT_SCALE_FACTOR -u QT_FONT_DPI -u QT_ENABLE_HIGHDPI_SCALING "${env[@]}" "$binary" >"$E2E_TMP/tesmar.log" 2>&1 &
    TESMAR_PID=$!
    E2E_PIDS+=("$TESMAR_PID")
    wait_for main_window || fail "main window did not appear"
    MAIN_WID="$(main_window)"
    xdotool windowactivate --sync "$MAIN_WID" >/dev/null 2>&1 || true
    sleep 0.3
}

snapshot_window() { xdotool search --all --onlyvisible --pid "$TESMAR_PID" --name '^画面のハードコピー' | head -n1 | grep .; }
no_snapshot_window() { ! snapshot_window; }

# Starts picking from the Edit menu and waits for the frozen screen.
start_picking() {
    menu e s
    wait_for snapshot_window || fail "no snapshot window"
    wait_for banner_window || fail "no banner"
}

# The banner: Tesmar's visible window under the main window's title that is
# not the main window.
banner_window() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$TESMAR_PID" 2>/dev/null); do
        [ "$id" = "$MAIN_WID" ] && continue
        xprop -id "$id" _MOTIF_WM_HINTS WM_NAME 2>/dev/null | grep -q 'ハードコピー' && continue
        xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {exit !(w > 0 && h > 0 && w / h > 7 && w / h < 8.5)}' &&
            echo "$id" && return 0
    done
    return 1
}

# True when (x, y) lies in the window's outer frame, with a margin.
covers() {
    local gx gy gw gh
    read -r gx gy gw gh <<<"$(outer_geometry "$1")"
    [ "$2" -ge $((gx - 2)) ] && [ "$2" -lt $((gx + gw + 2)) ] && [ "$3" -ge $((gy - 2)) ] && [ "$3" -lt $((gy + gh + 2)) ]
}

# Left click on device pixel (x, y) of the snapshot; then copies the picked
# colour as HTML through the Edit menu until the clipboard holds the
# expected text (a menu opened too slowly is opened again). Prints what the
# clipboard last held.
pick_at() {
    local x=$1 y=$2 want=$3 attempt n
    xdotool mousemove "$x" "$y" click 1
    for attempt in 1 2 3 4 5; do
        [ "$attempt" -gt 2 ] && xdotool windowactivate --sync "$MAIN_WID" >/dev/null 2>&1
        xdotool key alt+e
        sleep 0.15
        xdotool key t
        for n in $(seq 15); do
            [ "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" = "$want" ] && echo "$want" && return 0
            sleep 0.1
        done
        xdotool key Escape Escape
    done
    clipboard
}

# HTML colours of many pixels of a screenshot, one line each: screen_colours FILE X,Y ...
screen_colours() {
    local file=$1 format= p
    shift
    for p in "$@"; do format+="#%[hex:p{$p}]\n"; done
    convert "$file" -format "$format" info: | cut -c1-7
}

# The eyedropper at one scale ("factor 1.5", "xft 192"), on a desktop whose
# every pixel's colour gives its position: the frozen snapshot shows all four
# quadrants as they were, one snapshot pixel per device pixel, and a click on
# a device pixel picks exactly that pixel: odd coordinates and the four corner
# pixels of the screen included.
check_scaled_picking() {
    local binary=$1 shots=$2 variant=$3 how value w=1600 h=1000
    local banner bx by bw bh qx qy fx fy x y seen got picked p
    # The corners, odd and even coordinates spread over the screen,
    # neighbours one pixel apart.
    local points=(0,0 $((w - 1)),0 0,$((h - 1)) $((w - 1)),$((h - 1)) 1,1 2,2 101,101 102,101 101,102 333,777
        1001,3 1597,501 1598,501 7,993 1279,799 1280,800 641,97 99,641 1511,911 1513,913 3,500 800,999 1599,498
        255,256 257,255)
    read -r how value <<<"$variant"
    start_session "$w" "$h"
    position_desktop "$w" "$h"
    start_tesmar_scaled "$binary" "$how" "$value"
    start_picking
    # The real screen changes; the snapshot stays.
    xsetroot -solid '#000000'
    sleep 0.3

    # The banner out of the way, dragged by its text to the top of the screen,
    # so that the bottom right corner can be picked as well.
    banner="$(banner_window)"
    read -r bx by bw bh <<<"$(client_geometry "$banner")"
    xdotool mousemove $((bx + bw / 2)) $((by + bh / 2)) mousedown 1
    sleep 0.2
    xdotool mousemove $((bx + bw / 2 - 100)) $((by + bh / 2 - 300))
    sleep 0.2
    xdotool mousemove $((bx + bw / 2 - 200)) $((by + bh / 2 - 600)) mouseup 1
    wait_for sh -c "! xwininfo -id $banner | grep -q 'Absolute upper-left Y: *$by\$'" || fail "$variant: banner not moved"
    sleep 0.3

    # Every quadrant of the frozen screen, pixel for pixel where no window lies on it.
    import -window root "$E2E_TMP/shot.png"
    if [ "$variant" = "factor 2" ]; then cp "$E2E_TMP/shot.png" "$shots/e2e_picker_scale2.png" 2>/dev/null || true; fi
    local seen_points=() want=() colours i
    for qx in 0 1; do
        for qy in 0 1; do
            seen=0
            for fx in 5 37 131 263 389; do
                for fy in 11 73 199 311 419; do
                    x=$((qx * w / 2 + fx))
                    y=$((qy * h / 2 + fy))
                    covers "$MAIN_WID" "$x" "$y" && continue
                    covers "$banner" "$x" "$y" && continue
                    seen_points+=("$x,$y")
                    want+=("$(expected_colour "$x" "$y")")
                    seen=$((seen + 1))
                done
            done
            [ "$seen" -ge 5 ] || fail "$variant: only $seen points seen in quadrant $qx,$qy"
        done
    done
    mapfile -t colours < <(screen_colours "$E2E_TMP/shot.png" "${seen_points[@]}")
    for i in "${!seen_points[@]}"; do
        [ "${colours[i]}" = "${want[i]}" ] ||
            fail "$variant: snapshot shows ${colours[i]} at (${seen_points[i]}), not ${want[i]}"
    done

    xdotool windowactivate --sync "$MAIN_WID" >/dev/null 2>&1 || true
    picked=0
    for p in "${points[@]}"; do
        x=${p%,*}
        y=${p#*,}
        covers "$MAIN_WID" "$x" "$y" && continue
        covers "$banner" "$x" "$y" && continue
        got="$(pick_at "$x" "$y" "$(expected_colour "$x" "$y")")"
        [ "$got" = "$(expected_colour "$x" "$y")" ] ||
            fail "$variant: a click on ($x,$y) picked $got, not $(expected_colour "$x" "$y")"
        picked=$((picked + 1))
    done
    [ "$picked" -ge 20 ] || fail "$variant: only $picked points could be picked"

    xdotool mousemove 640 5 click 3
    wait_for no_snapshot_window || fail "$variant: right click did not end picking"
    echo "picker scaled, $variant: ok ($picked picks)"
}
