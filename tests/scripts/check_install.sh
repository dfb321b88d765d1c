#!/usr/bin/env bash
# Installs the build into a scratch folder and checks the layout, the desktop
# files, the Debian package and that the installed program starts and finds its
# data through the bin/ link.   usage: check_install.sh <build-dir> <source-dir>
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
id=io.github.tesmar.Tesmar
work="$(mktemp -d)"
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "== cmake --install"
root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
prefix="$root/usr"
lib="$prefix/lib/tesmar"

[ -x "$lib/tesmar" ] && [ ! -L "$lib/tesmar" ] || fail "lib/tesmar/tesmar is not an executable file"
file -b "$lib/tesmar" | grep -q '^ELF' || fail "lib/tesmar/tesmar is not an ELF program"
for f in colorcode.dat tesmar.ini help/index.html; do
    cmp -s "$source/data/$f" "$lib/$f" || fail "lib/tesmar/$f differs from data/$f"
done
[ -L "$prefix/bin/tesmar" ] || fail "bin/tesmar is not a symbolic link"
[ "$(readlink "$prefix/bin/tesmar")" = ../lib/tesmar/tesmar ] || fail "bin/tesmar points to $(readlink "$prefix/bin/tesmar")"
[ "$(readlink -f "$prefix/bin/tesmar")" = "$(readlink -f "$lib/tesmar")" ] || fail "bin/tesmar does not resolve"

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
icon="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for f in "$desktop" "$metainfo" "$icon"; do [ -f "$f" ] || fail "missing ${f#"$root"}"; done

echo "== desktop entry, metainfo and icon"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry names another icon"
grep -qx 'Exec=tesmar' "$desktop" || fail "desktop entry does not start bin/tesmar"
grep -qx 'Categories=Graphics;' "$desktop" || fail "desktop entry is not in Graphics"
grep -q '^Name\[ja\]=' "$desktop" && grep -q '^Comment\[ja\]=' "$desktop" || fail "no Japanese name and comment"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches another entry"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo has another id"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
grep -q '<svg' "$icon" || fail "icon is not SVG"

echo "== the installed program starts from bin/ and reads its colour list"
# The read is seen through the file's access time, which is put before its
# modification time so that even a relatime mount updates it.
touch -a -d '2001-01-01 00:00:00' "$lib/colorcode.dat"
before="$(stat -c %X "$lib/colorcode.dat")"
log="$work/run.log"
(cd / && exec env -u DISPLAY QT_QPA_PLATFORM=offscreen "$prefix/bin/tesmar") >"$log" 2>&1 &
pid=$!
sleep 1.5
kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the installed program ended at start"; }
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=""
after="$(stat -c %X "$lib/colorcode.dat")"
[ "$after" != "$before" ] || fail "the installed program did not read lib/tesmar/colorcode.dat"
if grep -E 'Could not|cannot|QFSFileEngine' "$log"; then fail "the program complained at start"; fi

echo "== cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb="$(ls "$work"/pkg/tesmar_*.deb)"
[ -f "$deb" ] || fail "no package built"
dpkg-deb -c "$deb" >"$work/listing"
awk '{ p = $6; sub(/^\.\//, "", p); sub(/\/$/, "", p); if (p != "" && $1 !~ /^d/) print p }' "$work/listing" | sort >"$work/in-deb"
(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) >"$work/installed"
missing="$(comm -23 "$work/installed" "$work/in-deb")"
[ -z "$missing" ] || fail "installed but not in the package: $missing"
grep -q ' \./usr/bin/tesmar -> \.\./lib/tesmar/tesmar$' "$work/listing" || fail "package lacks the bin/tesmar link"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for d in fonts-ipafont-gothic libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    echo "$depends" | grep -q "\b$d\b" || fail "package does not depend on $d"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "package has another architecture"
echo "== all install checks passed"
