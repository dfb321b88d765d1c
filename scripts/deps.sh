#!/usr/bin/env bash
# Installs the Debian packages Tesmar needs. "run" is enough to build and start
# it; "package" adds what building its Debian package takes; "test" adds the
# tools the test suite drives (Xvfb, openbox, xclip, lintian, ...).
set -euo pipefail
what="${1:-run}"
packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libxcb-shm0-dev
          libxcb-randr0-dev fonts-ipafont-gothic qt6-translations-l10n)
if [ "$what" = package ] || [ "$what" = test ]; then
  packages+=(dpkg-dev file)
fi
if [ "$what" = test ]; then
  packages+=(clang libclang-rt-14-dev xvfb xserver-xorg-core xserver-xorg-video-dummy openbox xfwm4 kwin-x11 xclip x11-utils x11-xserver-utils xdotool imagemagick
             desktop-file-utils appstream lintian man-db valgrind libbenchmark-dev python3 python3-tk dbus
             sway swaybg xwayland grim wl-clipboard jq libwayland-dev qt6-wayland pipewire
             xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Tesmar needs these Debian packages. Install them with:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  echo "or, on a system without sudo, with the root password:" >&2
  echo "  su -c 'apt-get update && apt-get install -y ${missing[*]}'" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
