# Shared by the end-to-end scripts: a private X display with a window
# manager, the program started on it, input as a person gives it, and
# clean-up of everything started here.
# Usage: source it, then start_session or start_monitors; start_tesmar BINARY.
#
#   start_session W H       Xvfb, one screen W x H (no RandR monitors of its own).
#   start_monitors MON...   Xorg with the dummy driver: one real RandR output
#                           per MON, "WxH" or "WxH+X+Y" in device pixels; one
#                           without a place stands right of the one before.
#                           The first is the primary monitor; the X screen is
#                           the box around them all. Needs root (Xorg with a
#                           private configuration file). E.g.
#                             start_monitors 1280x800 1280x800
#                             start_monitors 1920x1080 1280x1024+1920+56
#   E2E_WM                  the window manager both start: openbox (default),
#                           xfwm4, mutter, kwin, icewm, i3, fluxbox or none.
#
# Input always goes through the X server's XTEST extension to whatever window
# has the focus, as keyboard and mouse input does; nothing is sent to a window
# directly. Windows are made active the way a task bar does it (a request to
# the window manager), and every state is awaited by polling.
#
#   Finding windows:  main_window, tesmar_windows, window_of_size WxH,
#                     popup_menu, is_active ID, active_window
#   Input:            activate ID, send_keys KEY..., press_keys ID KEY...,
#                     type_text TEXT, click_at X Y [BUTTON],
#                     click_in ID X Y [BUTTON], drag X1 Y1 X2 Y2 [BUTTON],
#                     menu MENU-KEY ITEM-KEY
#   Reading state:    client_geometry ID, outer_geometry ID, net_wm_state ID,
#                     clipboard, wait_for_clipboard TEXT, screen_pixel X Y
#   Waiting:          wait_for CMD..., wait_until_not CMD... (E2E_WAIT seconds, 30 by default)

E2E_PIDS=()
E2E_TMP="$(mktemp -d)"
E2E_WAIT="${E2E_WAIT:-30}"

e2e_cleanup() {
    local i
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${E2E_PIDS[i]}" 2>/dev/null || true
    done
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        wait "${E2E_PIDS[i]}" 2>/dev/null || true
    done
    E2E_PIDS=()
}
trap 'e2e_cleanup; rm -rf "$E2E_TMP"' EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$E2E_TMP/tesmar.log" ]; then
        echo "--- program output:" >&2
        tail -n 40 "$E2E_TMP/tesmar.log" >&2
    fi
    exit 1
}

# Runs a command until it succeeds, for up to E2E_WAIT seconds of wall-clock
# time (a loaded machine makes every try slower, not the limit shorter).
wait_for() {
    local deadline=$((SECONDS + E2E_WAIT))
    while :; do
        if "$@" >/dev/null 2>&1; then return 0; fi
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Runs a command until it fails: for things that must go away.
wait_until_not() {
    local deadline=$((SECONDS + E2E_WAIT))
    while :; do
        if ! "$@" >/dev/null 2>&1; then return 0; fi
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

start_session() {
    local width=$1 height=$2
    e2e_cleanup
    rm -f "$E2E_TMP/display"
    # Xvfb picks a free display number itself and writes it to fd 3. Without
    # -noreset it resets whenever its last client leaves (each poll below), and
    # a client connecting during that reset is turned away: a window manager
    # started right after the poll then fails to open the display.
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -noreset -nolisten tcp -dpi 96 3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
    E2E_PIDS+=($!)
    wait_for test -s "$E2E_TMP/display" || { cat "$E2E_TMP/xvfb.log" >&2; fail "Xvfb did not start"; }
    use_display
    start_wm "${E2E_WM:-openbox}"
}

start_monitors() {
    local spec w h x y right=0 width=0 height=0 i=0 outputs=()
    for spec in "$@"; do
        [[ "$spec" =~ ^([0-9]+)x([0-9]+)(\+([0-9]+)\+([0-9]+))?$ ]] || fail "monitor '$spec' is not WxH or WxH+X+Y"
        w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]}
        x=${BASH_REMATCH[4]:-$right} y=${BASH_REMATCH[5]:-0}
        right=$((x + w))
        width=$((right > width ? right : width))
        height=$((y + h > height ? y + h : height))
        outputs+=("$w $h $x $y")
    done
    e2e_cleanup
    rm -f "$E2E_TMP/display"
    # Video memory for the whole screen at 4 bytes a pixel, in KiB.
    local ram=$((width * height * 4 / 1024 + 16384))
    printf '%s\n' 'Section "ServerFlags"' '    Option "AutoAddDevices" "false"' \
        '    Option "AutoEnableDevices" "false"' 'EndSection' \
        'Section "Device"' '    Identifier "dummy"' '    Driver "dummy"' \
        "    VideoRam $((ram > 256000 ? ram : 256000))" 'EndSection' \
        'Section "Screen"' '    Identifier "screen"' '    Device "dummy"' '    DefaultDepth 24' \
        '    SubSection "Display"' '        Depth 24' "        Virtual $width $height" '    EndSubSection' \
        'EndSection' >"$E2E_TMP/xorg.conf"
    # Xorg, like Xvfb, picks a free display number and writes it to fd 3.
    Xorg -displayfd 3 -config "$E2E_TMP/xorg.conf" -logfile "$E2E_TMP/xorg.log" -noreset -nolisten tcp \
        -novtswitch -sharevts -dpi 96 3>"$E2E_TMP/display" 2>"$E2E_TMP/xorg.err" &
    E2E_PIDS+=($!)
    wait_for test -s "$E2E_TMP/display" || { tail -n 20 "$E2E_TMP/xorg.err" >&2; fail "Xorg did not start"; }
    use_display
    # A mode of the exact size for each output (timings a dummy output
    # accepts), then every output at its place.
    local args=(--fb "${width}x${height}") mode
    for spec in "${outputs[@]}"; do
        read -r w h x y <<<"$spec"
        mode="${w}x${h}_e2e"
        xrandr --newmode "$mode" $(((w + 160) * (h + 30) * 60 / 1000000 + 1)) \
            "$w" $((w + 48)) $((w + 80)) $((w + 160)) "$h" $((h + 3)) $((h + 9)) $((h + 30)) 2>/dev/null || true
        xrandr --addmode "DUMMY$i" "$mode" || fail "no mode $mode for output DUMMY$i"
        args+=(--output "DUMMY$i" --mode "$mode" --pos "${x}x${y}")
        [ "$i" = 0 ] && args+=(--primary)
        i=$((i + 1))
    done
    xrandr "${args[@]}" || fail "could not set up the monitors $*"
    [ "$(xrandr --listmonitors | sed -n 's/^Monitors: //p')" = "${#outputs[@]}" ] ||
        fail "Xorg shows $(xrandr --listmonitors) for $*"
    local listed
    listed="$(xrandr --listmonitors)"
    start_wm "${E2E_WM:-openbox}"
    # mutter sets the outputs to a layout of its own as it starts (one
    # 1024x768 monitor here): the layout asked for is set again, which it
    # then keeps.
    if [ "$(xrandr --listmonitors)" != "$listed" ]; then
        xrandr "${args[@]}" || fail "could not set up the monitors $* again under ${E2E_WM:-openbox}"
        wait_for sh -c '[ "$(xrandr --listmonitors)" = "$1" ]' _ "$listed" ||
            fail "${E2E_WM:-openbox} shows $(xrandr --listmonitors) for $*"
    fi
}

use_display() {
    export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
    # No session bus: without one, libdbus would start a bus of its own for
    # the new display (dbus-launch --autolaunch), which is slow on a loaded
    # machine, can hold up Qt's start for its D-Bus timeouts and outlives
    # the test. Managers that want one get a private bus in start_wm.
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-session-bus"
    wait_for xprop -root || fail "display $DISPLAY not reachable"
}

# Starts a window manager and waits until it has taken over the screen.
start_wm() {
    local wm=$1 cmd
    case "$wm" in
    none) return 0 ;;
    openbox) cmd=(openbox) ;;
    xfwm4) cmd=(xfwm4 --replace) ;;
    mutter) cmd=(mutter --x11 --replace) ;;
    kwin) cmd=(kwin_x11 --replace) ;;
    icewm) cmd=(icewm) ;;
    fluxbox) cmd=(fluxbox) ;;
    i3)
        printf '%s\n' 'font pango:monospace 8' 'focus_follows_mouse no' >"$E2E_TMP/i3.conf"
        cmd=(i3 -c "$E2E_TMP/i3.conf")
        ;;
    *) fail "unknown window manager '$wm'" ;;
    esac
    if [ "$wm" != openbox ]; then
        if [ ! -S "$E2E_TMP/session-bus" ]; then
            dbus-daemon --session --nofork --address="unix:path=$E2E_TMP/session-bus" >/dev/null 2>&1 &
            E2E_PIDS+=($!)
            wait_for test -S "$E2E_TMP/session-bus" || fail "no session bus for $wm"
        fi
        export DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/session-bus"
    fi
    # A manager that gives up at start is started again, once or twice; a
    # manager that ends is not waited for.
    local attempt pid
    for attempt in 1 2 3; do
        HOME="$E2E_TMP" "${cmd[@]}" >"$E2E_TMP/wm.log" 2>&1 &
        pid=$!
        E2E_PIDS+=("$pid")
        if wait_for wm_started "$pid"; then
            xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" && return 0
        fi
        echo "$wm attempt $attempt failed:" >&2
        cat "$E2E_TMP/wm.log" >&2
    done
    fail "$wm did not start"
}

# True once the manager has taken over the screen, or has ended (then the
# caller sees no manager).
wm_started() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || ! kill -0 "$1" 2>/dev/null
}

start_tesmar() {
    local binary=$1
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 QT_FONT_DPI=96 QT_ENABLE_HIGHDPI_SCALING=0 \
        QT_LOGGING_RULES='tesmar.palette.debug=false' "$binary" >"$E2E_TMP/tesmar.log" 2>&1 &
    TESMAR_PID=$!
    E2E_PIDS+=("$TESMAR_PID")
    # Starting takes longest on a loaded machine (and under the sanitizers).
    E2E_WAIT=$((E2E_WAIT * 3)) wait_for main_window || fail "main window did not appear"
    MAIN_WID="$(main_window)"
    activate "$MAIN_WID"
}

# The program's visible top-level windows (openbox's frames around them are
# other clients' windows and are left out).
tesmar_windows() { xdotool search --all --onlyvisible --pid "$TESMAR_PID" --classname '^tesmar$' 2>/dev/null; }

# The window's _NET_WM_WINDOW_TYPE atoms, separated by spaces.
window_types() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/.*= //p' | tr -d ','; }

override_redirect() { xwininfo -id "$1" 2>/dev/null | grep -q 'Override Redirect State: yes'; }

accepts_focus() { xprop -id "$1" WM_HINTS 2>/dev/null | grep -q 'accepts input or input focus: True'; }

# The main window, exactly: titled "Tesmar", an ordinary window that takes
# the focus and is managed by the window manager. The banner carries the same
# title while picking but is never focused; the menus carry it too but are
# popups the window manager does not manage (and Qt does not always mark them
# as menus). Prints the one window and fails when there is none or more than
# one.
main_window() {
    local id found=()
    for id in $(xdotool search --all --onlyvisible --pid "$TESMAR_PID" --name '^Tesmar$' 2>/dev/null); do
        [ "$(window_types "$id")" = _NET_WM_WINDOW_TYPE_NORMAL ] || continue
        accepts_focus "$id" || continue
        override_redirect "$id" && continue
        found+=("$id")
    done
    [ ${#found[@]} -eq 1 ] || return 1
    echo "${found[0]}"
}

# A menu of the program that is open: from the menu bar, a popup command or
# a drop-down list. Popups are the windows the window manager does not
# manage; tool tips are popups too but no menu, and so is the frozen screen
# while picking.
popup_menu() {
    local id
    for id in $(tesmar_windows); do
        override_redirect "$id" || continue
        xprop -id "$id" WM_NAME 2>/dev/null | grep -q 'ハードコピー' && continue
        # The banner, unmanaged under a manager without an upper layer (i3).
        xprop -id "$id" WM_HINTS 2>/dev/null | grep -q 'accepts input or input focus: False' && continue
        case " $(window_types "$id") " in
        *" _NET_WM_WINDOW_TYPE_TOOLTIP "*) continue ;;
        esac
        echo "$id"
        return 0
    done
    return 1
}

# The program's visible window of the given client size, e.g. "248x32".
window_of_size() {
    local id
    for id in $(tesmar_windows); do
        if xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {exit !(w "x" h == "'"$1"'")}'; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Client area of a window: "x y width height" in root coordinates.
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Outer frame: "x y width height", from the client area and _NET_FRAME_EXTENTS
# (the client area itself under a manager that publishes none).
outer_geometry() {
    local x y w h l=0 r=0 t=0 b=0
    read -r x y w h <<<"$(client_geometry "$1")"
    if xprop -id "$1" _NET_FRAME_EXTENTS | grep -q =; then
        read -r l r t b <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
    fi
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

net_wm_state() { xprop -id "$1" _NET_WM_STATE; }

# The child of the root that holds the window (its frame, or the window
# itself), as a decimal id.
top_level() {
    local id=$1 tree
    while tree="$(xwininfo -id "$id" -tree 2>/dev/null)"; do
        if grep -q 'Parent window id: .*(the root window)' <<<"$tree"; then
            echo $((id))
            return 0
        fi
        id="$(sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")"
    done
    return 1
}

# True when the first window lies under each of the others in the X server's
# stacking (frames compared), i.e. they are drawn over it.
stacked_under() {
    local order=() id under i
    under="$(top_level "$1")" || return 1
    shift
    # Top to bottom.
    for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ {print $1}'); do order+=($((id))); done
    for id in "$@"; do
        id="$(top_level "$id")" || return 1
        for i in "${order[@]}"; do
            [ "$i" = "$id" ] && break
            [ "$i" = "$under" ] && return 1
        done
    done
}

active_window() { xdotool getactivewindow 2>/dev/null; }

# The window is the window manager's active one and holds the keyboard focus.
is_active() {
    [ "$(active_window)" = "$1" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# Makes a window active as a task bar does and waits until it has the focus.
activate() {
    is_active "$1" && return 0
    timeout 5 xdotool windowactivate "$1" >/dev/null 2>&1 || true
    wait_for is_active "$1" || fail "window $1 did not become active (active: $(active_window))"
}

# Keys to whatever window has the focus, e.g. send_keys alt+e Escape.
send_keys() { xdotool key --delay 40 "$@"; }

# Makes the window active, then types the keys into it.
press_keys() {
    activate "$1"
    shift
    send_keys "$@"
}

type_text() { xdotool type --delay 40 "$1"; }

# A click at a point of the screen (button 1 unless given).
click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

# A click at a point of a window's client area.
click_in() {
    local x y w h
    read -r x y w h <<<"$(client_geometry "$1")"
    click_at $((x + $2)) $((y + $3)) "${4:-1}"
}

# Press at one point of the screen, move to another, release there.
drag() {
    local button=${5:-1}
    xdotool mousemove "$1" "$2" mousedown "$button" mousemove "$3" "$4" mouseup "$button"
}

# Runs a menu command by its access keys, e.g. menu e d: Alt+E on the active
# main window, then the item's key once the menu is open.
menu() {
    activate "$MAIN_WID"
    send_keys "alt+$1"
    wait_for popup_menu || fail "Alt+$1 opened no menu"
    send_keys "$2"
    wait_until_not popup_menu || fail "the menu stayed open after '$2'"
}

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

# Waits until the clipboard holds exactly the text; fails showing what it holds.
wait_for_clipboard() {
    wait_for clipboard_is "$1" || fail "clipboard holds '$(clipboard)', expected '$1'"
}
clipboard_is() { [ "$(clipboard)" = "$1" ]; }

# The colour of a pixel of the screen as it is shown now, as rrggbb.
screen_pixel() {
    import -window root "$E2E_TMP/pixel.png" &&
        convert "$E2E_TMP/pixel.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6 | tr 'A-F' 'a-f'
}
