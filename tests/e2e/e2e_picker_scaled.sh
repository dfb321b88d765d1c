#!/usr/bin/env bash
# The eyedropper exact at scale 1 and 1.5 (QT_SCALE_FACTOR): every device
# pixel shown as itself in the snapshot and picked as itself.
set -euo pipefail
source "$(dirname "$0")/x11session.sh"
source "$(dirname "$0")/pickerdesktop.sh"
for variant in "factor 1" "factor 1.5"; do
    check_scaled_picking "$1" "${2:-.}" "$variant"
done
