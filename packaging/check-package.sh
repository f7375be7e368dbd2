#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the .deb the way packaging/build-deb.sh does, in <build folder>/package, and checks what
# it holds and depends on, and that lintian finds nothing a distribution would turn it back for.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
deb=$("$here/build-deb.sh" "$1/package" | tail -n 1)

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in *-dev*) echo "a development package is a dependency"; exit 1 ;; esac
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || { echo "missing dependency: $needed"; exit 1; }
done

contents=$(dpkg-deb -c "$deb")
app=org.quorvane.Quorvane
for file in ./usr/games/quorvane ./usr/share/man/man6/quorvane.6.gz \
    ./usr/share/doc/quorvane/copyright ./usr/share/doc/quorvane/changelog.gz \
    ./usr/share/applications/$app.desktop ./usr/share/metainfo/$app.metainfo.xml \
    ./usr/share/mime/packages/$app.xml \
    ./usr/share/icons/hicolor/scalable/apps/$app.svg \
    ./usr/share/icons/hicolor/symbolic/apps/$app-symbolic.svg; do
    grep -q " $file\$" <<<"$contents" || { echo "missing from the package: $file"; exit 1; }
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
newest=$(zcat "$unpacked/usr/share/doc/quorvane/changelog.gz" | head -n 1)
grep -qF "quorvane ($(dpkg-deb -f "$deb" Version))" <<<"$newest" \
    || { echo "the changelog's newest entry is not this version: $newest"; exit 1; }

# Every fixed-size icon is there, and is as large as the folder it sits in says.
for size in 16 32 48 256; do
    icon=$unpacked/usr/share/icons/hicolor/${size}x${size}/apps/$app.png
    [ -f "$icon" ] || { echo "missing from the package: the ${size} px icon"; exit 1; }
    file "$icon" | grep -q "PNG image data, $size x $size," \
        || { echo "the ${size} px icon is not ${size} px: $(file -b "$icon")"; exit 1; }
done

# Errors and warnings fail; of the informational tags, a missing hardening feature fails too.
# A binary that calls no function glibc can fortify is reported as unfortified although it was
# built with _FORTIFY_SOURCE: that tag is only a hint.
status=0
tags=$(lintian --pedantic --display-info --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1) \
    || status=$?
echo "$tags"
[ "$status" -eq 0 ] || { echo "lintian turns the package back (status $status)"; exit 1; }
if grep -E 'hardening-no-(bindnow|relro|pie)' <<<"$tags"; then
    echo "the executable lacks a hardening feature"
    exit 1
fi
echo "$deb is complete"
