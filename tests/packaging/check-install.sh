#!/bin/sh
# check-install.sh CMAKE BUILD_DIR: installs the build into an empty prefix and checks
# the layout a desktop and the program itself rely on.
set -eu
cmake=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

status=0
fail() {
    echo "FAIL: $*"
    status=1
}
id=org.tippwerk.Tippwerk
for f in bin/tippwerk bin/tippwerk-data; do
    [ -x "$prefix/$f" ] || fail "$f is not an installed program"
done
for f in share/tippwerk/config/keyboards.txt share/tippwerk/config/lessons.txt \
    share/tippwerk/config/00000407.kdd share/tippwerk/config/hands.ddd \
    share/tippwerk/lessons/00000407_a.ddd share/tippwerk/pictures/Login.jpg \
    share/tippwerk/pictures/standard/Background.jpg share/tippwerk/sounds/wellcome.wav \
    share/tippwerk/help/index.html "share/applications/$id.desktop" \
    "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg" \
    share/man/man1/tippwerk.1 share/man/man1/tippwerk-data.1 share/doc/tippwerk/LICENSE; do
    [ -f "$prefix/$f" ] || fail "$f is missing"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "the ${size} pixel icon is missing"
done
# Users' files belong to the people running the program, never to the installation.
[ ! -e "$prefix/share/tippwerk/users" ] || fail "share/tippwerk/users is installed"
# The desktop entry names what is installed.
grep -qx "Exec=tippwerk" "$prefix/share/applications/$id.desktop" || fail "the desktop entry runs another program"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo launches another desktop entry"

# The sound server's client is the sound module's, opened at the first sound, never the
# program's.
module=$(find "$prefix" -path "*/lib*/tippwerk/tippwerk-sound.so")
[ -n "$module" ] || fail "the sound module is not installed in a library folder"
if command -v readelf >/dev/null; then
    readelf -d "$prefix/bin/tippwerk" | grep -q -e libpulse -e Multimedia && fail "the program links a sound library"
    [ -z "$module" ] || readelf -d "$module" | grep -q libpulse || fail "the sound module lacks libpulse"
fi

# The installed data tool finds its data as ../share/tippwerk, without TIPPWERK_HOME.
lessons=$(env -u TIPPWERK_HOME "$prefix/bin/tippwerk-data" lessons 00000407 _a | wc -l) ||
    fail "the installed tippwerk-data does not find the installed lessons"
[ "$lessons" -eq 53 ] || fail "the installed German course has $lessons lessons, not 53"
exit $status
