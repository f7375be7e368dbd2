#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package in its own build folder (default build-deb/), as a Debian build
# would: Debian's compiler and linker flags with every hardening feature (fortify, bind now),
# no build type of CMake's own on top of them, no tests, and a stripped executable.
# Prints the path of the .deb as its last line.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(mkdir -p "${1:-$root/build-deb}" && cd "${1:-$root/build-deb}" && pwd)

# A folder configured for anything else (the development build, say) is left alone.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_BUILD_TYPE:STRING=None' "$build/CMakeCache.txt"; then
    echo "$build holds another build; give build-deb.sh a folder of its own" >&2
    exit 1
fi

# The tools speak only when something fails.
quiet() { local out; out=$("$@" 2>&1) || { echo "$out" >&2; return 1; }; }

# dpkg-buildflags maps the folder it runs in to "." in the debug information. The flags are
# given on every run, so that a folder configured before takes the current ones.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
quiet cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
quiet cmake --build "$build" -j"$(nproc)"
cd "$build"
rm -f quorvane_*.deb
quiet cpack -G DEB
ls "$build"/quorvane_*.deb
