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
    # Said to be a Wayland session, as an X server started from a Wayland
    # terminal is: a plain X server's screen is still read directly.
    local env=(QT_QPA_PLATFORM=xcb QT_LOGGING_RULES='tesmar.palette.debug=false' WAYLAND_DISPLAY=wayland-absent
        XDG_SESSION_TYPE=wayland)
    if [ "$how" = factor ]; then
        env+=(QT_SCALE_FACTOR="$value" QT_FONT_DPI=96 QT_ENABLE_HIGHDPI_SCALING=0)
    else
        echo "Xft.dpi: $value" | xrdb -merge
    fi
    env -u QT_SCALE_FACTOR -u QT_FONT_DPI -u QT_ENABLE_HIGHDPI_SCALING "${env[@]}" "$binary" >"$E2E_TMP/tesmar.log" 2>&1 &
    TESMAR_PID=$!
    E2E_PIDS+=("$TESMAR_PID")
    E2E_WAIT=$((E2E_WAIT * 3)) wait_for main_window || fail "main window did not appear"
    MAIN_WID="$(main_window)"
    activate "$MAIN_WID"
}

snapshot_window() { xdotool search --all --onlyvisible --pid "$TESMAR_PID" --name '^画面のハードコピー' | head -n1 | grep .; }

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

# True when the banner's bottom right corner is at (x, y), exclusive; at a
# fractional scale Qt's whole logical pixels may put it one device pixel off.
banner_in_corner() {
    local bx by bw bh dx dy
    read -r bx by bw bh <<<"$(client_geometry "$(banner_window)")"
    dx=$((bx + bw - $1))
    dy=$((by + bh - $2))
    [ "${dx#-}" -le "${3:-0}" ] && [ "${dy#-}" -le "${3:-0}" ]
}

# True when (x, y) lies in the window's outer frame, with a margin.
covers() {
    local gx gy gw gh
    read -r gx gy gw gh <<<"$(outer_geometry "$1")"
    [ "$2" -ge $((gx - 2)) ] && [ "$2" -lt $((gx + gw + 2)) ] && [ "$3" -ge $((gy - 2)) ] && [ "$3" -lt $((gy + gh + 2)) ]
}

# Left click on device pixel (x, y) of the snapshot (unless the fourth
# argument is "nopress"), then the picked colour
# copied as HTML through the Edit menu; prints the clipboard once it holds
# the expected text, or what it holds after the wait.
pick_at() {
    [ "${4:-}" = nopress ] || click_at "$1" "$2"
    menu e t
    wait_for clipboard_is "$3" || true
    clipboard
}

# HTML colours of many pixels of a screenshot, one line each: screen_colours FILE X,Y ...
screen_colours() {
    local file=$1 format= p
    shift
    for p in "$@"; do format+="#%[hex:p{$p}]\n"; done
    convert "$file" -format "$format" info: | cut -c1-7
}

# Fails unless the screenshot shows each point in its own position colour:
# expect_position_colours FILE WHAT X,Y ...
expect_position_colours() {
    local file=$1 what=$2 colours i want
    shift 2
    local points=("$@")
    mapfile -t colours < <(screen_colours "$file" "${points[@]}")
    for i in "${!points[@]}"; do
        want="$(expected_colour ${points[i]/,/ })"
        [ "${colours[i]}" = "$want" ] || fail "$what: snapshot shows ${colours[i]} at (${points[i]}), not $want"
    done
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

    local slack=0
    [ "$value" = 1.5 ] && slack=1
    wait_for banner_in_corner "$w" "$h" "$slack" || fail "$variant: banner not in the bottom right corner"
    banner="$(banner_window)"
    read -r bx by bw bh <<<"$(client_geometry "$banner")"

    # Every quadrant of the frozen screen, pixel for pixel where no window lies on it.
    import -window root "$E2E_TMP/shot.png"
    if [ "$variant" = "factor 2" ]; then cp "$E2E_TMP/shot.png" "$shots/e2e_picker_scale2.png" 2>/dev/null || true; fi
    local seen_points=()
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
                    seen=$((seen + 1))
                done
            done
            [ "$seen" -ge 5 ] || fail "$variant: only $seen points seen in quadrant $qx,$qy"
        done
    done
    expect_position_colours "$E2E_TMP/shot.png" "$variant" "${seen_points[@]}"

    activate "$MAIN_WID"
    picked=0
    for p in "${points[@]}"; do
        x=${p%,*}
        y=${p#*,}
        covers "$MAIN_WID" "$x" "$y" && continue
        if covers "$banner" "$x" "$y"; then
            # Under the banner: a drag that starts on the snapshot left of it
            # keeps picking wherever the pointer goes.
            drag $((bx - 10)) "$y" "$x" "$y"
            got="$(pick_at "$x" "$y" "$(expected_colour "$x" "$y")" nopress)"
        else
            got="$(pick_at "$x" "$y" "$(expected_colour "$x" "$y")")"
        fi
        [ "$got" = "$(expected_colour "$x" "$y")" ] ||
            fail "$variant: a click on ($x,$y) picked $got, not $(expected_colour "$x" "$y")"
        picked=$((picked + 1))
    done
    [ "$picked" -ge 20 ] || fail "$variant: only $picked points could be picked"

    click_at 640 5 3
    wait_until_not snapshot_window || fail "$variant: right click did not end picking"
    echo "picker scaled, $variant: ok ($picked picks)"
}
