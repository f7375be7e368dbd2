#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer in build-windows/dist/ under Wine (run by CTest in the Windows build):
# a silent install puts quorvane.exe, the uninstaller and the Start-menu entry in place and lists
# the program among the installed ones with its version; the installed program starts, and
# "End task" ends it with status 0 and a saved game; the silent uninstall removes the program,
# the entry and the listing, and leaves the saved game.
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
setup="$build/dist/quorvane-$version-win64-setup.exe"
[ -f "$setup" ] || fail "no installer $setup"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane'

wine "$setup" /S
program=$(winepath -u 'C:\Program Files\Quorvane')
entry="$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs')/Quorvane.lnk"
[ -f "$program/quorvane.exe" ] || fail "quorvane.exe not installed"
[ -f "$program/uninstall.exe" ] || fail "no uninstaller"
[ -f "$entry" ] || fail "no Start-menu entry"
wine reg query "$key" /v DisplayVersion | tr -d '\r' | grep -q "REG_SZ[[:space:]]*$version\$" ||
    fail "not listed as installed with version $version"

documents=$(mktemp -d)
trap 'rm -rf "$documents"' EXIT
wine "$program/quorvane.exe" --documents "$(winepath -w "$documents")" &
running=$!
for _ in $(seq 60); do
    [ -d "$documents/quorvane" ] && break
    sleep 0.5
done
[ -d "$documents/quorvane" ] || fail "the installed program did not start"
sleep 1
wine taskkill /im quorvane.exe > /dev/null
status=0
wait "$running" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
grep -q '^player_num=1' "$documents/quorvane/state.ini" 2>/dev/null || fail "no game saved"

# The uninstaller copies itself away and returns at once: wait for it to finish.
wine "$program/uninstall.exe" /S
for _ in $(seq 60); do
    [ -e "$program" ] || break
    sleep 0.5
done
[ ! -e "$program" ] || fail "the program folder is still there"
[ ! -e "$entry" ] || fail "the Start-menu entry is still there"
if wine reg query "$key" > /dev/null 2>&1; then fail "still listed as installed"; fi
[ -f "$documents/quorvane/state.ini" ] || fail "the uninstaller removed the saved game"
echo "installer: install, start, End task, uninstall all passed"
