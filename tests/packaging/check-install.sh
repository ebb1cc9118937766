#!/bin/bash
# Installs Orvane from a build tree into a scratch prefix and builds its Debian package, then
# checks that each puts the program, its desktop entry, metainfo, project file type, icons, manual
# page, copyright file and changelog in their standard places, that the entry and metainfo
# validate, that the file type gives *.orvane files to the entry, that the manual page renders
# without warnings, that lintian finds no error in the package and that dpkg installs it.
#
# Usage: check-install.sh <build directory>
set -euo pipefail

build=$(cd "$1" && pwd)
repo=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
app=org.orvane.Orvane
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_file() { [ -s "$1" ] || fail "missing $1"; }

# The version the build gives the package, which the manual page and the changelog must name too.
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || { echo "FAIL: no package version in $build/CPackConfig.cmake"; exit 1; }

# Debian wants compressed files without a name or time stamp in the gzip header (gzip -n), so
# that they are the same in every build: the flags byte 3 and the time in bytes 4 to 7 are zero.
expect_plain_gzip() {
    gzip -t "$1" 2> /dev/null || { fail "$1 is not a gzip file"; return; }
    [ "$(od -An -tu1 -j3 -N5 "$1" | tr -s ' ')" = " 0 0 0 0 0" ] \
        || fail "$1 carries a name or time stamp in its gzip header"
}

expect_docs() { # <root of an installed /usr>
    local usr=$1
    local page="$usr/share/man/man1/orvane.1.gz"
    expect_file "$page"
    if [ -s "$page" ]; then
        expect_plain_gzip "$page"
        local text="$scratch/orvane.1"
        zcat "$page" > "$text"
        grep -q "^\.TH ORVANE 1 .*\"Orvane $version\"" "$text" \
            || fail "$page does not head the page of orvane $version"
        local warnings
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" \
                   2>&1 > /dev/null)
        [ -z "$warnings" ] || fail "$page renders with warnings: $warnings"
        # Each option opens an entry with a bold line, where roff writes it as "\-\-name".
        for option in help version segments outer inner fudge thickness kerf wood name project \
                      results report template cutlist save units; do
            grep -q '^\.B[IR]* .*\\-\\-'"$option"'\b' "$text" \
                || fail "$page does not document --$option"
        done
    fi

    local doc="$usr/share/doc/orvane"
    expect_file "$doc/copyright"
    if [ -s "$doc/copyright" ]; then
        grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
            "$doc/copyright" || fail "$doc/copyright is not in the machine-readable format"
        grep -qx "License: Expat" "$doc/copyright" \
            || fail "$doc/copyright does not name the MIT licence (Expat, as Debian calls it)"
        # The licence paragraph is LICENSE from "Permission" on, indented by one blank, with
        # empty lines written as " .".
        diff <(sed -n '/^Permission/,$p' "$repo/LICENSE") \
             <(sed -n '/^ Permission/,$p' "$doc/copyright" | sed 's/^ //; s/^\.$//') > /dev/null \
            || fail "$doc/copyright does not carry the text of LICENSE"
    fi
    expect_file "$doc/changelog.gz"
    if [ -s "$doc/changelog.gz" ]; then
        expect_plain_gzip "$doc/changelog.gz"
        zcat "$doc/changelog.gz" > "$scratch/changelog"
        [ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version 2> /dev/null)" = "$version" ] \
            || fail "$doc/changelog.gz does not parse or its last entry is not $version"
    fi
}

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
    grep -qx "Exec=orvane %F" "$usr/share/applications/$app.desktop" \
        || fail "desktop entry does not start orvane with the files it is given"
    grep -qx "MimeType=application/x-orvane-vessel;" "$usr/share/applications/$app.desktop" \
        || fail "desktop entry does not open project files"
    expect_file "$usr/share/mime/packages/$app.xml"
    grep -qx "Icon=$app" "$usr/share/applications/$app.desktop" || fail "desktop entry names another icon"
}

echo "== cmake --install"
cmake --install "$build" --prefix "$scratch/prefix" > /dev/null
expect_layout "$scratch/prefix"
expect_docs "$scratch/prefix"
desktop-file-validate "$scratch/prefix/share/applications/$app.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$scratch/prefix/share/metainfo/$app.metainfo.xml" \
    || fail "metainfo does not validate"
# The file type compiled as the desktop does it: *.orvane is a vessel, a kind of JSON.
mime="$scratch/mime"
mkdir -p "$mime/packages"
cp "$scratch/prefix/share/mime/packages/$app.xml" "$mime/packages/"
# With the folder among the desktop's data folders, anything it says is a complaint.
complaints=$(XDG_DATA_DIRS="$scratch:${XDG_DATA_DIRS:-/usr/share}" update-mime-database "$mime" 2>&1) \
    || fail "update-mime-database failed"
[ -z "$complaints" ] || fail "the project file type does not compile cleanly: $complaints"
grep -qx "application/x-orvane-vessel:\*\.orvane" "$mime/globs" \
    || fail "the project file type does not claim *.orvane"
grep -qx "application/x-orvane-vessel application/json" "$mime/subclasses" \
    || fail "the project file type is not a kind of JSON"

echo "== cpack"
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" > /dev/null)
deb=$(ls "$scratch"/package/orvane_*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = orvane ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
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
expect_docs "$root/usr"

echo "== lintian"
# Errors fail the test; warnings and the rest are shown for whoever reads the log. Lintian exits
# with 2 when it finds errors (--fail-on error) and with 1 when it could not run at all.
if command -v lintian > /dev/null; then
    status=0
    report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
    [ -z "$report" ] || echo "$report"
    errors=$(grep -c "^E: " <<< "$report" || true)
    if [ "$errors" -ne 0 ]; then
        fail "lintian reports $errors error(s) in the package"
    elif [ "$status" -ne 0 ]; then
        fail "lintian could not check the package (exit status $status)"
    fi
else
    fail "lintian is not installed"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all install checks passed"
