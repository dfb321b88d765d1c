#!/usr/bin/env bash
# The eyedropper exact at scale 2, through QT_SCALE_FACTOR and through the
# X resource Xft.dpi: every device pixel shown as itself in the snapshot and
# picked as itself.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
source "$(dirname "$0")/pickerdesktop.sh"
for variant in "factor 2" "xft 192"; do
    check_scaled_picking "$1" "${2:-.}" "$variant"
done
