#!/usr/bin/env bash
# The eyedropper exact at scale 1 and 1.5 (QT_SCALE_FACTOR): every device
# pixel shown as itself in the snapshot and picked as itself. Then screens
# and monitors whose sizes and offsets do not divide by the scale, and an X
# screen larger than its one monitor: screen | monitors (primary first) | scale
# [| off: the last monitor switched off while Tesmar runs].
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
source "$(dirname "$0")/pickerdesktop.sh"
for variant in "factor 1" "factor 1.5"; do
    check_scaled_picking "$1" "${2:-.}" "$variant"
done
layouts=(
    "2560x1440 | | factor 3"
    "2560x1440 | | xft 288"
    "1366x768 | | factor 2.5"
    "1920x2104 | 1920x1080+0+1024 1280x1024+320+0 | factor 1.5"
    "3200x1080 | 1920x1080+1280+0 1280x1080+0+0 | factor 3"
    "3200x1080 | 1920x1080+1280+0 1280x1024+0+56 | xft 144"
    "3200x1080 | 1920x1080+0+0 1280x1024+1920+0 | factor 2.5"
    "2000x1200 | 1920x1080+0+0 | factor 1"
    "1920x1080 | 1920x1080+0+0 1280x1024+1920+0 | factor 1.5 | off"
)
for row in "${layouts[@]}"; do
    IFS='|' read -r screen monitors variant change <<<"$row"
    check_layout "$1" $screen "$(echo $monitors)" "$(echo $variant)" "$(echo $change)"
done
