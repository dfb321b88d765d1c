#!/usr/bin/env bash
# Runs the README's home-folder install and uninstall exactly as written, in a
# fresh copy of the source tree with a scratch home folder: the program must
# start from ~/.local/bin, and the uninstall must leave no file behind. Also
# checks that the package file the README names is the one the build makes.
#   usage: check_readme.sh <build-dir> <source-dir>
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# The fenced block after the line "<!-- checked: NAME -->".
block() {
    awk -v tag="<!-- checked: $1 -->" '$0 == tag {on = 1; next}
        on == 1 && /^```/ {on = 2; next} on == 2 && /^```/ {exit} on == 2 {print}' "$source/README.md"
}

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
grep -q "build-deb/tesmar_${version}_$(dpkg --print-architecture).deb" "$source/README.md" ||
    fail "the README names another package file than tesmar_${version}"

clone="$work/src"
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    # The working tree as it is, committed or not, without build folders.
    mkdir -p "$clone"
    git -C "$source" ls-files -co --exclude-standard -z | (cd "$source" && xargs -0 cp --parents -t "$clone")
else
    cp -a "$source" "$clone" && rm -rf "$clone"/build*
fi
export HOME="$work/home"
mkdir -p "$HOME"
install="$(block home-install)"
uninstall="$(block home-uninstall)"
[ -n "$install" ] && [ -n "$uninstall" ] || fail "the README's install blocks are missing"

echo "== install, as the README says"
(cd "$clone" && bash -euo pipefail -c "$install") >"$work/install.log" 2>&1 || {
    tail -n 30 "$work/install.log" >&2
    fail "the README's install commands failed"
}
[ -x "$HOME/.local/bin/tesmar" ] || fail "no ~/.local/bin/tesmar"
out="$(cd / && timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$HOME/.local/bin/tesmar" 2>&1)" && true
status=$?
[ "$status" = 124 ] || fail "the installed program ended at once ($status): $out"

echo "== uninstall, as the README says"
(cd "$clone" && bash -euo pipefail -c "$uninstall") || fail "the README's uninstall commands failed"
left="$(find "$HOME/.local" ! -type d)"
[ -z "$left" ] || fail "the uninstall left files: $left"
[ ! -e "$HOME/.local/lib/tesmar" ] || fail "the uninstall left ~/.local/lib/tesmar"
echo "== the README's install commands work"
