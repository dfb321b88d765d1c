# A headless Wayland session for the end-to-end tests: sway with Xwayland and
# a plain background, a private D-Bus session bus, PipeWire and the desktop
# portal with its wlroots and GTK backends, all run by an unprivileged user
# (sway refuses to run as root, and a session bus admits only its own user).
#
# Set WL_SHOTS to a folder to keep the screenshots a test takes.
# Usage, from a test script:  source session.sh; wl_enter "$0" "$@"
# wl_enter comes back inside the session, as that user, with the files the
# test named in WL_FILES copied to $WL_STAGE. Then wl_start starts the session.

WL_USER="${WL_USER:-tesmar-wl}"
WL_PIDS=()

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${WL_STAGE:-}" ] && [ -n "${SWAYSOCK:-}" ]; then
        grim "$WL_STAGE/failure.png" 2>/dev/null || true
        echo "windows:" >&2
        swaymsg -t get_tree 2>/dev/null | jq -r '.. | objects | select(.type? == "con" or .type? == "floating_con") | "  \(.name) visible=\(.visible) fullscreen=\(.fullscreen_mode) focused=\(.focused)"' >&2 || true
        [ -f "$WL_STAGE/tesmar.log" ] && { echo "tesmar:" >&2; tail -n 20 "$WL_STAGE/tesmar.log" >&2; }
        [ -f "$WL_STAGE/portal.log" ] && { echo "portal:" >&2; tail -n 5 "$WL_STAGE/portal.log" >&2; }
    fi
    exit 1
}

# Waits up to about 10 s for a command to succeed.
wl_wait() {
    local n
    for n in $(seq 200); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.05
    done
    return 1
}

# Becomes the test user on a private bus. As root: makes the user if needed,
# copies the script and the files it needs to a folder of the user's own, and
# runs the script again there through setpriv.
wl_enter() {
    local script=$1
    shift
    if [ "$(id -u)" -eq 0 ] && [ -z "${WL_STAGE:-}" ]; then
        id "$WL_USER" >/dev/null 2>&1 ||
            useradd --system --create-home --home-dir "/var/lib/$WL_USER" --shell /bin/sh "$WL_USER" ||
            fail "cannot make the user $WL_USER"
        local stage
        stage="$(mktemp -d "${TMPDIR:-/tmp}/tesmar-wl.XXXXXX")"
        cp "$(dirname "$script")"/*.sh "$stage/"
        local f
        for f in "${WL_FILES[@]}"; do cp -r "$f" "$stage/"; done
        chown -R "$WL_USER:" "$stage"
        # A /tmp of the session's own: xdg-desktop-portal-wlr writes every
        # screenshot to /tmp/out.png, and sessions run side by side would take
        # and delete each other's pictures. A stage under /tmp (TMPDIR may be
        # a folder there) is seen at its own path inside it.
        mkdir -m 1777 "$stage/tmp"
        mkdir -m 1777 "$stage/tmp/.X11-unix"
        local inner=""
        case "$stage" in /tmp/*) inner="${stage#/tmp/}" && mkdir -p "$stage/tmp/$inner" ;; esac
        local status=0
        unshare --mount --propagation private sh -c \
            '{ [ -z "$2" ] || mount --bind "$1" "$1/tmp/$2"; } && mount --rbind "$1/tmp" /tmp && shift 2 && exec "$@"' \
            sh "$stage" "$inner" \
            setpriv --reuid="$WL_USER" --regid="$(id -g "$WL_USER")" --clear-groups \
            env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$(getent passwd "$WL_USER" | cut -d: -f6)" \
            USER="$WL_USER" LANG=C.UTF-8 TMPDIR="$stage" WL_STAGE="$stage" WL_SHOTS="${WL_SHOTS:-}" WL_INPUT_LOG="${WL_INPUT_LOG:-}" \
            bash "$stage/$(basename "$script")" "$@" || status=$?
        # Screenshots the test left (of a failure, or asked for) go to WL_SHOTS.
        if [ -n "${WL_SHOTS:-}" ]; then
            for f in "$stage"/*.png; do if [ -f "$f" ]; then cp "$f" "$WL_SHOTS/wayland-$(basename "$f")"; fi; done
        fi
        rm -rf "$stage"
        exit $status
    fi
    if [ -z "${WL_STAGE:-}" ]; then
        # Not root: the files are used where they are.
        export WL_STAGE
        WL_STAGE="$(mktemp -d "${TMPDIR:-/tmp}/tesmar-wl.XXXXXX")"
        for f in "${WL_FILES[@]}"; do cp -r "$f" "$WL_STAGE/"; done
        trap 'rm -rf "$WL_STAGE"' EXIT
    fi
    if [ -z "${WL_BUS:-}" ]; then
        export WL_BUS=1
        # The bus starts only what the session starts itself, but for the
        # portal's name it starts a program that fails: a stopped portal stays
        # stopped instead of coming back on the next call.
        mkdir -p "$WL_STAGE/services"
        printf '[D-BUS Service]\nName=org.freedesktop.portal.Desktop\nExec=/bin/false\n' \
            >"$WL_STAGE/services/org.freedesktop.portal.Desktop.service"
        cat >"$WL_STAGE/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$WL_STAGE</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$WL_STAGE/services</servicedir>
  <standard_session_servicedirs/>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
        # Not exec: this shell's exit trap removes the stage afterwards.
        local status=0
        dbus-run-session --config-file="$WL_STAGE/bus.conf" -- bash "$script" "$@" || status=$?
        exit $status
    fi
}

wl_cleanup() {
    local i
    for ((i = ${#WL_PIDS[@]} - 1; i >= 0; i--)); do kill "${WL_PIDS[i]}" 2>/dev/null || true; done
    for ((i = ${#WL_PIDS[@]} - 1; i >= 0; i--)); do wait "${WL_PIDS[i]}" 2>/dev/null || true; done
    WL_PIDS=()
}

wl_bus_has() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q 'boolean true'
}

# Starts sway on a headless output of the given device size, then PipeWire
# and the portals. Sets WAYLAND_DISPLAY, DISPLAY and SWAYSOCK.
wl_start() {
    local width=$1 height=$2
    export XDG_RUNTIME_DIR="$WL_STAGE/run"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
    export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
    trap 'wl_cleanup; [ -z "${WL_KEEP:-}" ] || true' EXIT

    # The bus's own messages (services it starts) stay out of the test's output.
    pipewire >"$WL_STAGE/pipewire.log" 2>&1 &
    WL_PIDS+=($!)

    cat >"$WL_STAGE/sway.conf" <<CONF
output HEADLESS-1 resolution ${width}x${height} position 0 0 scale 1 bg #2a7fd4 solid_color
xwayland enable
default_border none
default_floating_border none
focus_follows_mouse no
for_window [title="^wl-solid\$"] floating enable, resize set 320 240, move position 40 40
for_window [title="^Tesmar\$"] floating enable
exec dbus-update-activation-environment WAYLAND_DISPLAY DISPLAY SWAYSOCK XDG_CURRENT_DESKTOP XDG_SESSION_TYPE XDG_RUNTIME_DIR
exec env > "$WL_STAGE/sway.env"
CONF
    # Without direct scan-out: on the headless backend sway hands a
    # full-screen window's buffer to the output instead of drawing it, and
    # screenshots (grim, the portal) then show the output's last drawn frame,
    # not the window. A real display cannot take a client's shared-memory
    # buffer, which Qt's widgets use, and draws it as this session does.
    sway -D noscanout -c "$WL_STAGE/sway.conf" >"$WL_STAGE/sway.log" 2>&1 &
    WL_PIDS+=($!)
    wl_wait test -s "$WL_STAGE/sway.env" || { cat "$WL_STAGE/sway.log" >&2; fail "sway did not start"; }
    sleep 0.05 # the environment file may still be being written
    export WAYLAND_DISPLAY DISPLAY SWAYSOCK
    WAYLAND_DISPLAY="$(sed -n 's/^WAYLAND_DISPLAY=//p' "$WL_STAGE/sway.env")"
    DISPLAY="$(sed -n 's/^DISPLAY=//p' "$WL_STAGE/sway.env")"
    SWAYSOCK="$(sed -n 's/^SWAYSOCK=//p' "$WL_STAGE/sway.env")"
    wl_wait swaymsg -t get_outputs || fail "sway does not answer"

    wl_wait pw-cli info 0 || true
    /usr/libexec/xdg-desktop-portal-wlr >"$WL_STAGE/portal-wlr.log" 2>&1 &
    WL_PIDS+=($!)
    /usr/libexec/xdg-desktop-portal-gtk >"$WL_STAGE/portal-gtk.log" 2>&1 &
    WL_PIDS+=($!)
    wl_wait wl_bus_has org.freedesktop.impl.portal.desktop.wlr || { cat "$WL_STAGE/portal-wlr.log" >&2; fail "portal-wlr did not start"; }
    wl_wait wl_bus_has org.freedesktop.impl.portal.desktop.gtk || { cat "$WL_STAGE/portal-gtk.log" >&2; fail "portal-gtk did not start"; }
    wl_start_portal
}

wl_start_portal() {
    /usr/libexec/xdg-desktop-portal >"$WL_STAGE/portal.log" 2>&1 &
    WL_PORTAL_PID=$!
    WL_PIDS+=($!)
    wl_wait wl_bus_has org.freedesktop.portal.Desktop || { cat "$WL_STAGE/portal.log" >&2; fail "the portal did not start"; }
}

wl_stop_portal() {
    kill "$WL_PORTAL_PID"
    wait "$WL_PORTAL_PID" 2>/dev/null || true
    wl_wait sh -c "! dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.freedesktop.portal.Desktop | grep -q 'boolean true'" ||
        fail "the portal did not stop"
}

# The virtual pointer, kept running for the whole test.
wl_pointer_start() {
    coproc WL_POINTER { "$WL_STAGE/tesmar_vpointer"; }
    WL_PIDS+=("$WL_POINTER_PID")
    local line
    read -r -t 10 line <&"${WL_POINTER[0]}" && [ "$line" = ready ] || fail "no virtual pointer"
}

# pointer move X Y W H | pointer press B | pointer release B
pointer() {
    local line
    echo "$*" >&"${WL_POINTER[1]}"
    read -r -t 10 line <&"${WL_POINTER[0]}" && [ "$line" = ok ] || fail "pointer: $* gave '$line'"
}
