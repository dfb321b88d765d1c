#!/usr/bin/env bash
# Builds Tesmar's Debian package in build-deb/ with Debian's standard build
# flags and full hardening, as a distribution builds it, and prints its path.
#   usage: package.sh [build-folder]
set -euo pipefail
# The same package under any umask: the modes of its files come from here.
umask 022
cd "$(dirname "$0")/.."
bash scripts/deps.sh package
source scripts/owner.sh
as_tree_owner scripts/package.sh "$@"
dir="${1:-build-deb}"
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target tesmar >&2
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/tesmar_*.deb
