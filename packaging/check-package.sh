#!/usr/bin/env bash
# Builds the .deb in the given build folder and checks what it holds and depends on.
set -euo pipefail
build=$1
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t quorvane_*.deb | head -n 1)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in *-dev*) echo "a development package is a dependency"; exit 1 ;; esac
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || { echo "missing dependency: $needed"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/quorvane ./usr/share/applications/org.quorvane.Quorvane.desktop \
    ./usr/share/metainfo/org.quorvane.Quorvane.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/org.quorvane.Quorvane.svg; do
    grep -q " $file\$" <<<"$contents" || { echo "missing from the package: $file"; exit 1; }
done
echo "$deb is complete"
