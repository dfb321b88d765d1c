#!/usr/bin/env bash
# Installs the build into a scratch folder and checks the layout, the desktop
# files, the manual page, the Debian package (lintian, conffiles kept across an
# upgrade, nothing left after purge) and that the installed program starts and
# finds its data through the bin/ link.   usage: check_install.sh <build-dir> <source-dir>
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
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

echo "== cmake --install"
root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
prefix="$root/usr"
lib="$prefix/lib/tesmar"
# A build for /usr keeps the editable files in /etc/tesmar, linked from the
# program's folder; any other build keeps them beside the program.
etc=""
[ "$(cache TESMAR_ETC_DATA)" = ON ] && etc=/etc/tesmar

[ -x "$lib/tesmar" ] && [ ! -L "$lib/tesmar" ] || fail "lib/tesmar/tesmar is not an executable file"
file -b "$lib/tesmar" | grep -q '^ELF' || fail "lib/tesmar/tesmar is not an ELF program"
cmp -s "$source/data/help/index.html" "$lib/help/index.html" || fail "lib/tesmar/help/index.html differs"
for f in colorcode.dat tesmar.ini; do
    if [ -n "$etc" ]; then
        [ "$(readlink "$lib/$f")" = "$etc/$f" ] || fail "lib/tesmar/$f does not link to $etc/$f"
        cmp -s "$source/data/$f" "$root$etc/$f" || fail "$etc/$f differs from data/$f"
    else
        [ ! -L "$lib/$f" ] && cmp -s "$source/data/$f" "$lib/$f" || fail "lib/tesmar/$f differs from data/$f"
    fi
done
[ -L "$prefix/bin/tesmar" ] || fail "bin/tesmar is not a symbolic link"
[ "$(readlink "$prefix/bin/tesmar")" = ../lib/tesmar/tesmar ] || fail "bin/tesmar points to $(readlink "$prefix/bin/tesmar")"
[ "$(readlink -f "$prefix/bin/tesmar")" = "$(readlink -f "$lib/tesmar")" ] || fail "bin/tesmar does not resolve"

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
icon="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
manpage="$prefix/share/man/man1/tesmar.1.gz"
for f in "$desktop" "$metainfo" "$icon" "$manpage" "$prefix/share/doc/tesmar/copyright" \
    "$prefix/share/doc/tesmar/changelog.gz"; do
    [ -f "$f" ] || fail "missing ${f#"$root"}"
done

echo "== desktop entry, metainfo, icon and manual page"
desktop-file-validate "$desktop"
appstreamcli validate --pedantic --no-net "$metainfo"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry names another icon"
grep -qx 'Exec=tesmar' "$desktop" || fail "desktop entry does not start bin/tesmar"
grep -q '^Name\[ja\]=' "$desktop" && grep -q '^Comment\[ja\]=' "$desktop" || fail "no Japanese name and comment"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches another entry"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "metainfo names no licence"
version="$(cache CMAKE_PROJECT_VERSION)"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
zcat "$prefix/share/doc/tesmar/changelog.gz" | head -n 1 | grep -q "^tesmar ($version)" ||
    fail "the changelog does not start with $version"
grep -q '<svg' "$icon" || fail "icon is not SVG"
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null || true)"
[ -z "$warnings" ] || fail "the manual page has errors: $warnings"

echo "== the installed program starts from bin/ and reads its colour list"
# The read is seen through the file's access time, which is put before its
# modification time so that even a relatime mount updates it. The link to
# /etc/tesmar is pointed at the scratch copy for this.
list="$lib/colorcode.dat"
if [ -n "$etc" ]; then
    ln -sfn "../../../etc/tesmar/colorcode.dat" "$lib/colorcode.dat"
    list="$root$etc/colorcode.dat"
fi
touch -a -d '2001-01-01 00:00:00' "$list"
before="$(stat -c %X "$list")"
log="$work/run.log"
(cd / && exec env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$prefix/bin/tesmar") >"$log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ "$(stat -c %X "$list")" != "$before" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the installed program ended at start"; }
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=""
[ "$(stat -c %X "$list")" != "$before" ] || fail "the installed program did not read its colour list"
if grep -E 'Could not|cannot|QFSFileEngine' "$log"; then fail "the program complained at start"; fi
[ -z "$etc" ] || ln -sfn "$etc/colorcode.dat" "$lib/colorcode.dat"

echo "== cpack -G DEB, under umask 077"
(umask 077 && cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb="$(ls "$work"/pkg/tesmar_*.deb)"
[ -f "$deb" ] || fail "no package built"
dpkg-deb -c "$deb" >"$work/listing"
# Folders 0755, files 0644 but the program 0755, control files 0644.
bad="$(awk '$1 !~ /^(drwxr-xr-x|-rw-r--r--|lrwxrwxrwx)$/ && !($1 == "-rwxr-xr-x" && $6 == "./usr/lib/tesmar/tesmar")' "$work/listing")"
bad+="$(dpkg-deb --ctrl-tarfile "$deb" | tar -tv | awk '$1 !~ /^(drwxr-xr-x|-rw-r--r--)$/')"
[ -z "$bad" ] || fail "the package has files with other modes: $bad"
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
if dpkg-deb -f "$deb" Description | tail -n +2 | grep -qE '.{81}|;'; then
    fail "the package's description has long lines or stray semicolons"
fi

echo "== lintian --pedantic"
# Errors and warnings fail; pedantic and informational tags are shown. Two
# informational tags stay: the help page lives beside the program, which opens
# it from there, and the .comment section that strip leaves.
# lintian leaves its own scratch files (mldbm-*) in TMPDIR: it gets a folder
# that goes with this check.
mkdir -p "$work/lintian-tmp"
TMPDIR="$work/lintian-tmp" lintian --pedantic --allow-root --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || true
cat "$work/lintian"
if grep -E '^[EW]: ' "$work/lintian"; then fail "lintian reports errors or warnings"; fi

if [ -n "$etc" ]; then
    echo "== conffiles: an edit survives an upgrade, purge leaves nothing"
    dpkg-deb -I "$deb" conffiles | grep -qx "$etc/tesmar.ini" || fail "tesmar.ini is not a conffile"
    # A private dpkg database: the package goes into the scratch root only.
    droot="$work/dpkg"
    mkdir -p "$droot/var/lib/dpkg/info" "$droot/var/lib/dpkg/updates" "$droot/var/lib/dpkg/triggers"
    touch "$droot/var/lib/dpkg/status"
    dpkgr() { dpkg --root="$droot" --force-depends --force-not-root "$@" >/dev/null 2>&1; }
    dpkgr -i "$deb" || fail "the package does not install"
    echo "HP=https://edited.example/" >>"$droot$etc/tesmar.ini"
    (cd "$build" && cpack -G DEB -B "$work/pkg2" -D CPACK_DEBIAN_PACKAGE_VERSION="$version+1" >/dev/null)
    dpkgr -i "$work"/pkg2/tesmar_*.deb </dev/null || fail "the newer package does not install"
    grep -q edited.example "$droot$etc/tesmar.ini" || fail "the upgrade lost the edit of tesmar.ini"
    dpkgr -r tesmar || fail "the package does not remove"
    left="$(cd "$droot" && find . -path ./var -prune -o ! -type d -print | sort | tr '\n' ' ')"
    [ "$left" = "./etc/tesmar/colorcode.dat ./etc/tesmar/tesmar.ini " ] ||
        fail "after remove, more than the conffiles is left: $left"
    dpkgr -P tesmar || fail "the package does not purge"
    left="$(cd "$droot" && find . -path ./var -prune -o -mindepth 1 -print)"
    [ -z "$left" ] || fail "after purge, files are left: $left"
fi
echo "== all install checks passed"
