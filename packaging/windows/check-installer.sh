#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer in build-windows/dist/ under Wine (run by CTest in the Windows build):
# a silent install puts quorvane.exe, the uninstaller and the Start-menu entry in place and lists
# the program among the installed ones with its version; the installed program starts on a saved
# game, "End task" ends it with status 0 and the game saved, and a second start and end keep that
# game; the silent uninstall removes the program, the entry and the listing, and leaves the saved
# game.
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
types='HKLM\Software\Classes\.quorvane'
wine reg query "$types" /ve | tr -d '\r' | grep -q 'REG_SZ[[:space:]]*Quorvane.Game$' ||
    fail ".quorvane files are not given to Quorvane"

documents=$(mktemp -d)
trap 'rm -rf "$documents"' EXIT
state="$documents/quorvane/state.ini"

# Starts the installed program, waits until it has taken the saved game, then ends it with
# "End task" and expects status 0.
run_and_end() {
    wine "$program/quorvane.exe" --documents "$(winepath -w "$documents")" &
    local running=$! status=0
    for _ in $(seq 120); do
        [ -f "$documents/quorvane/recovery.ini" ] && [ ! -f "$state" ] && break
        sleep 0.5
    done
    [ -f "$documents/quorvane/recovery.ini" ] || fail "the installed program did not start"
    wine taskkill /im quorvane.exe > /dev/null
    wait "$running" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The saved game of the restart: two players, the second owning Pottery, the lock pressed.
game_of() {
    tr -d '\r' < "$1" | grep -E '^(player_num|purchase_lock)=|^\[player1\]|^card9=|^bonus_art=' | tr '\n' ' '
}
mkdir -p "$documents/quorvane"
printf '[main]\r\nplayer_num=2\r\npurchase_lock=1\r\n[player1]\r\ncard9=1\r\nbonus_art=5\r\n' > "$state"
run_and_end
[ -f "$state" ] || fail "no game saved"
first=$(game_of "$state")
case "$first" in
    *"player_num=2 purchase_lock=1 "*"[player1] bonus_art=5 "*) ;;
    *) fail "the saved game did not come back: $first" ;;
esac
grep -q '^card9=1' "$state" || fail "Pottery was lost: $(cat "$state")"
run_and_end
[ "$(game_of "$state")" = "$first" ] || fail "the restart changed the game"

# The uninstaller copies itself away and returns at once: wait for it to finish.
wine "$program/uninstall.exe" /S
for _ in $(seq 60); do
    [ -e "$program" ] || break
    sleep 0.5
done
[ ! -e "$program" ] || fail "the program folder is still there"
[ ! -e "$entry" ] || fail "the Start-menu entry is still there"
if wine reg query "$key" > /dev/null 2>&1; then fail "still listed as installed"; fi
if wine reg query "$types" > /dev/null 2>&1; then fail ".quorvane files still name Quorvane"; fi
[ -f "$documents/quorvane/state.ini" ] || fail "the uninstaller removed the saved game"
echo "installer: install, start, End task, restart, End task, uninstall all passed"
