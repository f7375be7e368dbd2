#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What a screen reader gets from Quorvane, read from the accessibility bus: builds the program,
# starts it under a virtual display with its own session and accessibility buses, drives it and
# prints each event a reader receives (scripts/reader_events.py).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
quorvane_build xvfb at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0 python3-xlib
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 2
    /usr/bin/python3 "$0" "$1"' "$QUORVANE_ROOT/scripts/reader_events.py" "$QUORVANE_BUILD/quorvane" 2>&1 |
    grep -v -e DeprecationWarning -e '^  ' -e '^dbus-daemon'
