#!/usr/bin/env bash
# The main window's first place and a trip to the task bar: the outer frame
# starts centred on the screen; minimising and restoring the window is no new
# showing, so a hexadecimal channel box emptied before stays empty.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
binary=$1

start_session 1280 1024
start_tesmar "$binary"

centred() {
    read -r x y w h <<<"$(outer_geometry "$MAIN_WID")"
    [ "$x $y" = "$(((1280 - w) / 2)) $(((1024 - h) / 2))" ]
}
wait_for centred || fail "outer frame at $(outer_geometry "$MAIN_WID") on a 1280x1024 screen, not centred"

# The red hexadecimal box (which a showing rewrites), in root coordinates: the menu bar takes what the
# client area has above its 263 pixels.
read -r cx cy cw ch <<<"$(client_geometry "$MAIN_WID")"
menubar=$((ch - 263))
box_x=$((cx + 308)) box_y=$((cy + menubar + 96))
shot() { import -window root -crop "21x18+${box_x}+${box_y}" "$E2E_TMP/$1.png"; }
same() { [ "$(compare -metric AE "$E2E_TMP/$1.png" "$E2E_TMP/$2.png" null: 2>&1 || true)" = 0 ]; }

shot filled
xdotool mousemove $((box_x + 10)) $((box_y + 9)) click 1
xdotool key End shift+Home Delete Tab
wait_for sh -c "import -window root -crop 21x18+${box_x}+${box_y} $E2E_TMP/now.png && \
    [ \"\$(compare -metric AE $E2E_TMP/filled.png $E2E_TMP/now.png null: 2>&1 || true)\" != 0 ]" ||
    fail "the red box did not empty"
# The box is taken as emptied once two shots a moment apart agree.
settled() { shot emptied && sleep 0.2 && shot now && same emptied now; }
wait_for settled || fail "the emptied red box does not settle"

xdotool windowminimize --sync "$MAIN_WID"
wait_for sh -c "xprop -id $MAIN_WID _NET_WM_STATE | grep -q HIDDEN" || fail "window not minimised"
xdotool windowactivate --sync "$MAIN_WID" >/dev/null 2>&1 || xdotool windowmap --sync "$MAIN_WID"
wait_for sh -c "! xprop -id $MAIN_WID _NET_WM_STATE | grep -q HIDDEN" || fail "window not restored"
wait_for sh -c "xwininfo -id $MAIN_WID | grep -q IsViewable" || fail "window not viewable"
# openbox animates the restore: the window is awaited back in its place.
back_in_place() {
    read -r nx ny _ _ <<<"$(client_geometry "$MAIN_WID")"
    [ "$nx $ny" = "$cx $cy" ]
}
wait_for back_in_place || fail "restored at $(client_geometry "$MAIN_WID"), was at $cx $cy"
# Awaited until the box is drawn again, empty or filled; only empty is right.
drawn() { shot restored && { same restored emptied || same restored filled; }; }
wait_for drawn || fail "the red box shows neither its emptied nor its filled look after the restore"
same restored emptied || fail "the red box was filled again by the restore"
echo "window life: ok (outer frame $(outer_geometry "$MAIN_WID"))"
