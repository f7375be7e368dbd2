#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the desktop entry against the freedesktop validator and against the program it starts:
# under an X server, the window's class must be the entry's StartupWMClass and the window must
# carry the hand-drawn icon sizes, so that docks and task switchers put it under its launcher.
# Usage: check-desktop-entry.sh <desktop entry> <built executable>
set -euo pipefail
entry=$1
exe=$2

# desktop-file-utils before 0.27 predate SingleMainWindow (Desktop Entry 1.5) and call it an
# unknown key; every other message fails.
messages=$(desktop-file-validate "$entry" 2>&1 || true)
messages=$(grep -v 'key "SingleMainWindow" in group "Desktop Entry", but keys extending' <<<"$messages" || true)
[ -z "$messages" ] || { echo "$messages"; exit 1; }

key() { sed -n "s/^$1=//p" "$entry"; }
id=$(basename "$entry" .desktop)
[ "$(key Icon)" = "$id" ] || { echo "Icon=$(key Icon) is not the entry's id $id"; exit 1; }
exec_line=$(key Exec)
[ "${exec_line%% *}" = "$(basename "$exe")" ] || { echo "Exec=$exec_line does not start $(basename "$exe")"; exit 1; }
# A file type the program opens comes with a field code that hands the program the file.
if [ -n "$(key MimeType)" ] && [ "$exec_line" = "${exec_line%% *}" ]; then
    echo "MimeType=$(key MimeType), but Exec=$exec_line passes no file"; exit 1
fi
[ "$(key SingleMainWindow)" = true ] || { echo "SingleMainWindow=true is missing"; exit 1; }

if ! command -v xvfb-run >/dev/null || ! command -v xprop >/dev/null; then
    echo "no xvfb-run or xprop: the running window was not checked"
    exit 0
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cat >"$home/probe.sh" <<'PROBE'
exe=$1
"$exe" & pid=$!
window=
for _ in $(seq 100); do
    window=$(xwininfo -root -children | awk '/"Quorvane - Ver\./ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -n "$window" ]; then
    xprop -id "$window" WM_CLASS
    xprop -len 100000000 -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)'
fi
kill -TERM "$pid"
wait "$pid" || true
PROBE
# A temporary home keeps the closing save away from the user's game; the leak checker of a
# sanitizer build would report the X libraries' caches, which are not this check's matter.
seen=$(HOME=$home XDG_CONFIG_HOME=$home/.config ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb \
       xvfb-run -a bash "$home/probe.sh" "$exe" 2>/dev/null)
echo "$seen"
class=$(sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p' <<<"$seen")
[ -n "$class" ] || { echo "the main window did not appear"; exit 1; }
[ "$class" = "$(key StartupWMClass)" ] \
    || { echo "StartupWMClass=$(key StartupWMClass), but the window's class is $class"; exit 1; }
for size in 16 32 48; do
    grep -q "Icon ($size x $size)" <<<"$seen" || { echo "the window icon lacks its $size px size"; exit 1; }
done
echo "$entry fits the running program"
