#!/usr/bin/env bash
# Runs the README's home-folder install and uninstall exactly as written, in a
# fresh copy of the source tree with a scratch home folder: the program must
# start from ~/.local/bin, and the uninstall must leave no file and no folder
# it made behind (and keep the folders that were there). Nothing may be left
# in the temporary folder. Run as root, the package script run in a tree a
# user owns must leave that user's next run able to build. Also checks that
# the package file the README names is the one the build makes.
#   usage: check_readme.sh <build-dir> <source-dir>
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
work="$(mktemp -d)"
user=""
trap 'rm -rf "$work"; [ -z "$user" ] || userdel "$user"' EXIT
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
    # What git tracks, with its uncommitted changes: no build folder, whatever its name.
    mkdir -p "$clone"
    git -C "$source" ls-files -z | (cd "$source" && while IFS= read -r -d '' f; do
        if [ -e "$f" ] || [ -L "$f" ]; then printf '%s\0' "$f"; fi
    done) | (cd "$source" && xargs -0 -r cp -P --parents -t "$clone")
else
    cp -a "$source" "$clone" && rm -rf "$clone"/build*
fi
export TMPDIR="$work/tmp"
mkdir -m 1777 "$TMPDIR"

if [ "$(id -u)" -eq 0 ]; then
    echo "== the package script run by root in a user's tree, then by the user"
    user="tesmar-readme-$$"
    useradd --system --no-create-home --shell /usr/sbin/nologin "$user" || fail "cannot make the user $user"
    chmod 755 "$work"
    chown -R "$user:" "$clone"
    (cd "$clone" && bash scripts/package.sh) >"$work/package.log" 2>&1 || {
        tail -n 30 "$work/package.log" >&2
        fail "the package script failed as root"
    }
    others="$(find "$clone" ! -user "$user" | head -n 5)"
    [ -z "$others" ] || fail "a root run left what the tree's owner cannot write: $others"
    (cd "$clone" && setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups bash scripts/package.sh) \
        >"$work/package.log" 2>&1 || {
        tail -n 30 "$work/package.log" >&2
        fail "the package script failed for the tree's owner after a root run"
    }
    rm -rf "$clone/build-deb"
fi

export HOME="$work/home"
# A folder that was there before the install, with a file of another program.
mkdir -p "$HOME/.local/share/applications"
touch "$HOME/.local/share/applications/other.desktop"
install="$(block home-install)"
uninstall="$(block home-uninstall)"
[ -n "$install" ] && [ -n "$uninstall" ] || fail "the README's install blocks are missing"

echo "== install, as the README says"
(cd "$clone" && bash -euo pipefail -c "$install") >"$work/install.log" 2>&1 || {
    tail -n 30 "$work/install.log" >&2
    fail "the README's install commands failed"
}
[ -x "$HOME/.local/bin/tesmar" ] || fail "no ~/.local/bin/tesmar"
# A runtime folder of its own, as a desktop session gives: without one Qt
# makes one in the temporary folder.
mkdir -m 700 "$work/run"
out="$(cd / && timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run" \
    "$HOME/.local/bin/tesmar" 2>&1)" && true
status=$?
[ "$status" = 124 ] || fail "the installed program ended at once ($status): $out"

echo "== uninstall, as the README says"
(cd "$clone" && bash -euo pipefail -c "$uninstall") || fail "the README's uninstall commands failed"
left="$(cd "$HOME/.local" && find . -mindepth 1 | sort | tr '\n' ' ')"
[ "$left" = "./share ./share/applications ./share/applications/other.desktop " ] ||
    fail "the uninstall left or took away other than it made: $left"
left="$(find "$TMPDIR" -mindepth 1)"
[ -z "$left" ] || fail "left in the temporary folder: $left"
echo "== the README's install commands work"
