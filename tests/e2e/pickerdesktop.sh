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
    case "${E2E_WM:-openbox}" in
    xfwm4 | mutter | kwin)
        # A compositing manager does not show the root's own picture: the
        # desktop is then a window of its own, of the desktop's type, which
        # managers keep lowest and leave where it is.
        /usr/bin/python3 - "$file.png" <<'PY' &
import sys, tkinter
root = tkinter.Tk()
root.withdraw()
root.wm_attributes("-type", "desktop")
picture = tkinter.PhotoImage(file=sys.argv[1])
root.geometry("%dx%d+0+0" % (picture.width(), picture.height()))
tkinter.Label(root, image=picture, borderwidth=0, highlightthickness=0).pack()
root.deiconify()
root.mainloop()
PY
        E2E_PIDS+=($!)
        ;;
    esac
    wait_for desktop_painted "$w" "$h" || fail "the position-encoded desktop was not painted"
}

# The picture's first pixels and its last, where no monitor need lie under
# the last one, nor a panel (i3's bar, fluxbox's toolbar) over it.
desktop_painted() {
    import -window root "$E2E_TMP/root.png"
    [ "$(screen_colour "$E2E_TMP/root.png" 1 2)" = "$(expected_colour 1 2)" ] || return 1
    case "${E2E_WM:-openbox}" in xfwm4 | mutter | kwin | i3 | fluxbox) return 0 ;; esac
    [ "$(screen_colour "$E2E_TMP/root.png" $(($1 - 1)) $(($2 - 1)))" = "$(expected_colour $(($1 - 1)) $(($2 - 1)))" ]
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
# The snapshot lies over the whole X screen, W x H (placed in device pixels
# once more after the toolkit's own showing).
snapshot_covers() { [ "$(client_geometry "$(snapshot_window)")" = "0 0 $1 $2" ]; }

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

# Fails unless a screenshot of the root window in FILE shows each point in
# its own position colour: expect_position_colours FILE WHAT X,Y ...
# The snapshot is drawn only once its window is shown, later on a loaded
# machine: a screenshot that does not show it yet is taken again.
expect_position_colours() {
    local file=$1 what=$2 colours i want wrong deadline=$((SECONDS + E2E_WAIT))
    shift 2
    local points=("$@")
    while :; do
        wrong=
        mapfile -t colours < <(screen_colours "$file" "${points[@]}")
        for i in "${!points[@]}"; do
            want="$(expected_colour ${points[i]/,/ })"
            [ "${colours[i]}" = "$want" ] || wrong="snapshot shows ${colours[i]} at (${points[i]}), not $want"
        done
        [ -z "$wrong" ] && return 0
        [ "$SECONDS" -lt "$deadline" ] || fail "$what: $wrong"
        sleep 0.1
        import -window root "$file"
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

pixel_is() { [ "$(screen_pixel "$1" "$2")" = "$3" ]; }

# True when (x, y) lies on one of the monitors: on_monitor X Y WxH+X+Y...
on_monitor() {
    local x=$1 y=$2 m mw mh mx my
    shift 2
    for m in "$@"; do
        IFS='x+' read -r mw mh mx my <<<"$m"
        [ "$x" -ge "${mx:-0}" ] && [ "$x" -lt $((${mx:-0} + mw)) ] && [ "$y" -ge "${my:-0}" ] && [ "$y" -lt $((${my:-0} + mh)) ] && return 0
    done
    return 1
}

# One row of the eyedropper's layouts: check_layout BINARY SCREEN MONITORS
# VARIANT, e.g. check_layout tesmar 1920x2104 "1920x1080+0+1024 1280x1024+320+0"
# "factor 1.5". MONITORS are real RandR outputs (start_monitors), the primary
# first; none: Xvfb's one screen. A SCREEN larger than the monitors' box is
# set after them. The snapshot covers the whole X screen, the banner ends on
# the primary monitor's corner, and every screen corner and both sides of
# every monitor edge are shown and picked as themselves, also where the main
# window or the banner lies above them (a drag from beside them). CHANGE
# "off": the last monitor is switched off while Tesmar runs, before picking,
# and SCREEN is the X screen's size after that.
check_layout() {
    local binary=$1 screen=$2 monitors=$3 variant=$4 change=${5:-} how value m w h
    local mw mh mx my pr pb points=()
    read -r how value <<<"$variant"
    w=${screen%x*}
    h=${screen#*x}
    if [ "$change" = off ]; then
        # shellcheck disable=SC2086
        start_monitors $monitors
        start_tesmar_scaled "$binary" "$how" "$value"
        local all=($monitors)
        xrandr --output "DUMMY$((${#all[@]} - 1))" --off --fb "$screen" || fail "could not switch a monitor off"
        monitors="${all[*]:0:${#all[@]}-1}"
        wait_for sh -c '[ "$(xrandr --listmonitors | sed -n "s/^Monitors: //p")" = "$1" ]' _ "$((${#all[@]} - 1))" ||
            fail "$monitors: the monitor switched off is still listed"
    elif [ -n "$monitors" ]; then
        # shellcheck disable=SC2086
        start_monitors $monitors
        [ "$(xdpyinfo | awk '/dimensions:/ {print $2}')" = "$screen" ] || xrandr --fb "$screen"
    else
        start_session "$w" "$h"
    fi
    points=(0,0 $((w - 1)),0 0,$((h - 1)) $((w - 1)),$((h - 1)))
    pr=
    for m in $monitors; do
        IFS='x+' read -r mw mh mx my <<<"$m"
        mx=${mx:-0} my=${my:-0}
        [ -n "$pr" ] || pr=$((mx + mw)) pb=$((my + mh))
        # Both sides of each edge, a third of the way along it, where on the screen.
        local cx=$((mx + mw / 3)) cy=$((my + mh / 3)) p
        for p in $((mx - 1)),$cy $mx,$cy $((mx + mw - 1)),$cy $((mx + mw)),$cy \
            $cx,$((my - 1)) $cx,$my $cx,$((my + mh - 1)) $cx,$((my + mh)); do
            [ "${p%,*}" -ge 0 ] && [ "${p%,*}" -lt "$w" ] && [ "${p#*,}" -ge 0 ] && [ "${p#*,}" -lt "$h" ] &&
                points+=("$p")
        done
    done
    [ -n "$pr" ] || pr=$w pb=$h
    position_desktop "$w" "$h"
    [ "$change" = off ] || start_tesmar_scaled "$binary" "$how" "$value"
    start_picking
    xsetroot -solid '#000000'
    local what="$screen [$monitors] $variant $change"
    wait_for banner_in_corner "$pr" "$pb" ||
        fail "$what: banner at $(client_geometry "$(banner_window)"), not in the corner at $pr,$pb"
    wait_for snapshot_covers "$w" "$h" || fail "$what: snapshot window at $(client_geometry "$(snapshot_window)")"
    local banner seen=() x y got ox oy ow oh bx by bw bh
    banner="$(banner_window)"
    read -r ox oy ow oh <<<"$(outer_geometry "$MAIN_WID")"
    read -r bx by bw bh <<<"$(client_geometry "$banner")"
    for p in "${points[@]}"; do
        covers "$MAIN_WID" ${p/,/ } || covers "$banner" ${p/,/ } || seen+=("$p")
    done
    if [ -z "$monitors" ]; then
        # The top right corner covered by a window and bared again is drawn
        # again up to the last device column.
        # An unmanaged popup: ordinary windows stay under the snapshot.
        /usr/bin/python3 -c 'import sys, tkinter; t = tkinter.Tk(); t.overrideredirect(True)
t.geometry("160x40+" + sys.argv[1] + "+0"); t.configure(background="#ff0000"); t.mainloop()' "$((w - 150))" &
        local cover=$!
        wait_for pixel_is $((w - 1)) 20 ff0000 || fail "$what: the covering window did not show"
        seen+=("$((w - 1)),20")
        kill "$cover"
        wait "$cover" 2>/dev/null || true
    fi
    import -window root "$E2E_TMP/shot.png"
    expect_position_colours "$E2E_TMP/shot.png" "$what" "${seen[@]}"
    activate "$MAIN_WID"
    for p in "${points[@]}"; do
        x=${p%,*}
        y=${p#*,}
        # The X server keeps the pointer on the monitors.
        [ -z "$monitors" ] || on_monitor "$x" "$y" $monitors || continue
        if covers "$MAIN_WID" "$x" "$y"; then
            drag $((ox + ow + 10)) "$y" "$x" "$y"
            got="$(pick_at "$x" "$y" "$(expected_colour "$x" "$y")" nopress)"
        elif covers "$banner" "$x" "$y"; then
            drag $((bx - 10)) "$y" "$x" "$y"
            got="$(pick_at "$x" "$y" "$(expected_colour "$x" "$y")" nopress)"
        else
            got="$(pick_at "$x" "$y" "$(expected_colour "$x" "$y")")"
        fi
        [ "$got" = "$(expected_colour "$x" "$y")" ] || fail "$what: a click on ($x,$y) picked $got"
    done
    for p in 5,$((h - 5)) $((w - 5)),5 $((bx - 10)),$((by + 5)); do
        covers "$MAIN_WID" ${p/,/ } || covers "$banner" ${p/,/ } || break
    done
    click_at ${p/,/ } 3
    wait_until_not snapshot_window || fail "$what: right click did not end picking"
    echo "picker layout $what: ok (${#points[@]} points)"
}
