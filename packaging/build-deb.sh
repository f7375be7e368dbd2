#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package in its own build folder (default build-deb/), as a Debian build
# would: Debian's compiler and linker flags with every hardening feature (fortify, bind now),
# no build type of CMake's own on top of them, no tests, and a stripped executable.
# Prints the path of the .deb as its last line.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(mkdir -p "${1:-$root/build-deb}" && cd "${1:-$root/build-deb}" && pwd)

# dpkg-buildflags maps the folder it runs in to "." in the debug information.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
cd "$build"
rm -f quorvane_*.deb
cpack -G DEB >/dev/null
ls "$build"/quorvane_*.deb
