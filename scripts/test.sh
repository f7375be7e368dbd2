#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Quorvane and runs the whole test suite headless.
#   --sanitize   everything is built and tested under AddressSanitizer and
#                UndefinedBehaviorSanitizer instead, in build-sanitize/.
#   --repeat N   every test runs N times in a row and stops at its first failure, to show
#                that the suite is steady: a test that fails one run in fifty fails here.
# Any further arguments go to CTest: "scripts/test.sh --repeat 500 -R tst_TextValue".
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ctest_args=()
while [ $# -gt 0 ]; do
    case "$1" in
        --sanitize)
            QUORVANE_BUILD="$QUORVANE_ROOT/build-sanitize"
            QUORVANE_CMAKE_ARGS=(-DQUORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
            export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
            export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
            ;;
        --repeat)
            [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [--sanitize] [--repeat N] [ctest arguments]" >&2; exit 2; }
            ctest_args+=(--repeat "until-fail:$2")
            shift
            ;;
        *) ctest_args+=("$1") ;;
    esac
    shift
done
quorvane_build desktop-file-utils appstream dpkg-dev file lintian xvfb xauth x11-utils poppler-utils
cd "$QUORVANE_BUILD"
ctest --output-on-failure -j"$(nproc)" "${ctest_args[@]}"
