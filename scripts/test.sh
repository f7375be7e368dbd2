#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and runs the whole test suite headless.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quorvane_build
cd "$QUORVANE_BUILD"
ctest --output-on-failure -j"$(nproc)"
