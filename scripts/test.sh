#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quorvane and runs the whole test suite headless.
# With --sanitize, everything is built and tested under AddressSanitizer and
# UndefinedBehaviorSanitizer instead, in build-sanitize/.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
if [ "${1:-}" = "--sanitize" ]; then
    QUORVANE_BUILD="$QUORVANE_ROOT/build-sanitize"
    QUORVANE_CMAKE_ARGS=(-DQUORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
quorvane_build desktop-file-utils appstream dpkg-dev file lintian xvfb xauth x11-utils poppler-utils
cd "$QUORVANE_BUILD"
ctest --output-on-failure -j"$(nproc)"
