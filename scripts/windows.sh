#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds Quorvane for 64-bit Windows on Debian 12: installs what is missing, builds a static
# Qt once from Debian's own Qt source package into ~/.cache/quorvane/ (one per version of the
# system's Qt, whose moc, rcc and uic the cross build uses), then builds quorvane.exe and packs an
# installer and a zip into build-windows/dist/.
# With --test, the test programs are built too and the whole suite runs under Wine on a virtual
# display; with --ci, only the tests that open no window and the installer's (install, start,
# end, restart, uninstall) run, as CI does.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# Raise when the Qt configuration below changes, so that caches built the old way are not used.
QT_RECIPE=3
MINGW=x86_64-w64-mingw32
TOOLCHAIN="$QUORVANE_ROOT/packaging/windows/mingw-w64.cmake"
BUILD="$QUORVANE_ROOT/build-windows"

log() { printf '\n== %s\n' "$*"; }

# Qt's source, exactly the version of the installed qt6-base-dev, from the same archives the
# system installs from. apt works on a private copy of the source lists with deb-src entries and
# private package lists, so the system's package configuration is not changed.
fetch_qt_source() {
    local version=$1 into=$2 apt_dir
    apt_dir=$(mktemp -d)
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial"
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' /etc/apt/sources.list > "$apt_dir/sources.list.d/system.list"
    fi
    local file
    for file in /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" > "$apt_dir/sources.list.d/$(basename "$file")"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" > "$apt_dir/sources.list.d/$(basename "$file")"
    done
    local apt_options=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
                       -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache=
                       -o APT::Sandbox::User=root)
    # A third-party archive without sources is not fatal; a missing Qt source is, below.
    apt-get "${apt_options[@]}" -qq update || true
    mkdir -p "$into"
    (cd "$into" && apt-get "${apt_options[@]}" -qq source "qt6-base=$version")
    rm -rf "$apt_dir"
}

# The static Qt into the cache; an interrupted build goes on where it stopped.
build_qt() {
    local prefix=$1 version=$2 work="$1.work"
    rm -rf "$prefix"
    if [ -f "$work/.configured" ]; then
        log "Going on with the static Qt build in $work"
    else
        rm -rf "$work"
        configure_qt "$prefix" "$version" "$work"
        touch "$work/.configured"
    fi
    log "Building the static Qt (about half an hour on two cores)"
    nice -n 10 cmake --build "$work/build" -j"$(nproc)"
    cmake --install "$work/build"
    rm -rf "$work"
    touch "$prefix/.complete"
}

# A static Qt (Core, Gui, Widgets, PrintSupport, Network, Test) for Windows with every third-party library
# bundled. Debian's tarball leaves out the tablet (wintab) sources, so tablet events are off;
# with Direct2D off, DirectWrite 3 must be off too or its font database is left unresolved, and
# DirectWrite itself, whose font engine is then not built: print support would still call it,
# and quorvane.exe would not link. Text is drawn through GDI, as it was already.
configure_qt() {
    local prefix=$1 version=$2 work=$3
    log "Getting Qt's source ($version)"
    fetch_qt_source "$version" "$work/src"
    local source
    source=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
    [ -n "$source" ] || { echo "Qt's source was not unpacked" >&2; exit 1; }
    log "Configuring the static Qt for Windows"
    cmake -S "$source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DFEATURE_tabletevent=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \
        -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF \
        -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_openssl=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF
}

build_quorvane() {
    local qt=$1 testing=$2
    log "Building quorvane.exe"
    # A build configured with another static Qt (an older recipe) would keep finding that one.
    if [ -f "$BUILD/CMakeCache.txt" ] && ! grep -qF "Qt6_DIR:PATH=$qt/" "$BUILD/CMakeCache.txt"; then
        rm -rf "$BUILD/CMakeCache.txt" "$BUILD/CMakeFiles"
    fi
    cmake -S "$QUORVANE_ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DQUORVANE_WINDOWS_QT="$qt" -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DBUILD_TESTING="$testing"
    cmake --build "$BUILD" -j"$(nproc)"
}

# build-windows/dist/: the installer and a zip holding the single executable, both stripped.
package() {
    local version dist="$BUILD/dist"
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
    log "Packing Quorvane $version"
    rm -rf "$dist"
    mkdir -p "$dist/stage"
    "$MINGW-strip" -o "$dist/stage/quorvane.exe" "$BUILD/quorvane.exe"
    makensis -V2 -DVERSION="$version" -DEXE="$dist/stage/quorvane.exe" -DICON="$BUILD/quorvane.ico" \
        -DOUTFILE="$dist/quorvane-$version-win64-setup.exe" "$QUORVANE_ROOT/packaging/windows/quorvane.nsi"
    (cd "$dist/stage" && zip -q -X "$dist/quorvane-$version-win64.zip" quorvane.exe)
    rm -rf "$dist/stage"
    ls -l "$dist"
}

# Tests under Wine, in a Wine prefix of the build's own, on a virtual display; the arguments
# choose them for CTest. Wine hides variables starting with QT_ from Windows programs unless they
# are given as WINEQT_..., and QtTest writes to the debugger instead of the console unless told
# otherwise.
run_tests() {
    export WINEPREFIX="$BUILD/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEQT_FORCE_STDERR_LOGGING=1
    if [ ! -d "$WINEPREFIX" ]; then
        log "Making a Wine prefix"
        wine wineboot --init
        wineserver --wait
    fi
    log "Running the tests under Wine"
    # Several programs starting together on a Wine that is not yet up can hang at their exit:
    # one program brings it up first, and it stays up between the tests.
    xvfb-run -a -s '-screen 0 1280x1024x24' \
        sh -c 'wineserver -p && wine cmd /c exit; jobs=$1; shift
               ctest --test-dir "$0" --output-on-failure -j"$jobs" "$@"; status=$?; wineserver --kill; exit $status' \
        "$BUILD" "$(nproc)" "$@"
}

main() {
    local testing=OFF tests=()
    case "${1:-}" in
        "") ;;
        --test) testing=ON ;;
        --ci) testing=ON tests=(-L "widget-free|installer") ;;
        *) echo "usage: $0 [--test | --ci]" >&2; exit 2 ;;
    esac
    quorvane_install cmake ninja-build perl dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools \
        g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 imagemagick nsis zip
    [ "$testing" = OFF ] || quorvane_install wine wine64 xvfb xauth

    local version qt
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    qt="${XDG_CACHE_HOME:-$HOME/.cache}/quorvane/qt-$version-$MINGW-static-r$QT_RECIPE"
    if [ -f "$qt/.complete" ]; then
        log "Using the static Qt in $qt"
    else
        build_qt "$qt" "$version"
    fi
    build_quorvane "$qt" "$testing"
    package
    [ "$testing" = OFF ] || run_tests "${tests[@]}"
}

# The whole script is read before anything runs, so editing it during the long Qt build is safe.
main "$@"; exit
