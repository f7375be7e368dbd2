# SPDX-License-Identifier: MIT
# Sourced by run.sh and test.sh: installs the Debian packages that are missing, then configures
# and builds Quorvane in ./build. Works on a fresh Debian 12 machine, as root or through sudo.
set -euo pipefail

QUORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUORVANE_BUILD="$QUORVANE_ROOT/build"
QUORVANE_CMAKE_ARGS=(-DCMAKE_BUILD_TYPE=Release)

quorvane_install() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

quorvane_build() {
    quorvane_install g++ make cmake qt6-base-dev qt6-base-private-dev fonts-dejavu-core "$@"
    cmake -S "$QUORVANE_ROOT" -B "$QUORVANE_BUILD" "${QUORVANE_CMAKE_ARGS[@]}"
    cmake --build "$QUORVANE_BUILD" -j"$(nproc)"
}
