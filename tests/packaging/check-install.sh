#!/bin/bash
# Installs Orvane from a build tree into a scratch prefix and builds its Debian package, then
# checks that each puts the program, its desktop entry, metainfo and icons in their standard
# places, that the entry and metainfo validate, and that dpkg installs the package.
#
# Usage: check-install.sh <build directory>
set -euo pipefail

build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
app=org.orvane.Orvane
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [ -s "$1" ] || fail "missing $1"; }

expect_layout() { # <root of an installed /usr>
    local usr=$1
    expect_file "$usr/bin/orvane"
    [ -x "$usr/bin/orvane" ] || fail "$usr/bin/orvane is not executable"
    expect_file "$usr/share/applications/$app.desktop"
    expect_file "$usr/share/metainfo/$app.metainfo.xml"
    expect_file "$usr/share/icons/hicolor/scalable/apps/$app.svg"
    for size in 16 22 24 32 48 64 128 256; do
        local png="$usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
        expect_file "$png"
        # The PNG header carries the width and height as big-endian words at bytes 16 and 20.
        local dims
        dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
        [ "$dims" = "${size}x${size}" ] || fail "$png is $dims, not ${size}x${size}"
    done
    grep -qx "Exec=orvane" "$usr/share/applications/$app.desktop" || fail "desktop entry does not start orvane"
    grep -qx "Icon=$app" "$usr/share/applications/$app.desktop" || fail "desktop entry names another icon"
}

echo "== cmake --install"
cmake --install "$build" --prefix "$scratch/prefix" > /dev/null
expect_layout "$scratch/prefix"
desktop-file-validate "$scratch/prefix/share/applications/$app.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$scratch/prefix/share/metainfo/$app.metainfo.xml" \
    || fail "metainfo does not validate"

echo "== cpack"
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" > /dev/null)
deb=$(ls "$scratch"/package/orvane_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = orvane ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6; do
    [[ $depends == *"$lib"* ]] || fail "package does not depend on $lib ($depends)"
done

echo "== dpkg into a scratch root"
root="$scratch/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
# The scratch root has none of the libraries installed, so dependencies cannot be met there.
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless \
     --log=/dev/null -i "$deb" > /dev/null 2>&1 || fail "dpkg could not install the package"
dpkg --root="$root" -s orvane 2> /dev/null | grep -q "^Status: install ok installed" \
    || fail "dpkg does not list the package as installed"
expect_layout "$root/usr"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all install checks passed"
