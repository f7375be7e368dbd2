#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Kills a scripted session (tests/SessionDriver.cpp) with SIGKILL at random moments, from its
# start through its changes to its close, and counts what the next start brings back:
#   exact  the game as it stood when the kill came (or one change later, not yet reported)
#   older  an earlier game of the same session
#   lost   a fresh game
#   torn   anything else
# Usage: bench/kill_table.sh [TRIALS] [STEPS] [PAUSE_MS]   (defaults 200, 30, 20)
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
trials=${1:-200}
steps=${2:-30}
pause=${3:-20}
quorvane_build
driver="$QUORVANE_BUILD/tests/session_driver"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen
folder="$home/Documents/session_driver"

now_ms() { date +%s%3N; }
fresh_folder() { rm -rf "$folder"; mkdir -p "$folder"; [ -z "${1:-}" ] || cp "$1" "$folder/state.ini"; }
restored() { "$driver" show 2>/dev/null | awk '$1 == "game" { print $2 }'; }

# The game every trial starts from: six players with cards, as a state file.
fresh_folder
"$driver" play 27 0 >/dev/null 2>&1
cp "$folder/state.ini" "$home/seed.ini"
fresh_folder
fresh=$(restored)
fresh_folder "$home/seed.ini"
games=("$(restored)")

# One run to its end: the digests of the games after each step, and how long a run takes.
fresh_folder "$home/seed.ini"
start=$(now_ms)
"$driver" play "$steps" "$pause" >"$home/reference.txt" 2>/dev/null
span=$(( $(now_ms) - start ))
mapfile -t -O 1 games < <(awk '$1 == "step" { print $NF }' "$home/reference.txt")
[ "${#games[@]}" -eq $((steps + 1)) ] || { echo "the reference run did not finish" >&2; exit 1; }

exact=0 older=0 lost=0 torn=0
for ((t = 1; t <= trials; t++)); do
    fresh_folder "$home/seed.ini"
    delay=$(( (RANDOM * 32768 + RANDOM) % (span + 100) ))
    "$driver" play "$steps" "$pause" >"$home/trial.txt" 2>/dev/null &
    pid=$!
    sleep "$(awk -v ms="$delay" 'BEGIN { printf "%.3f", ms / 1000 }')"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    done_steps=$(grep -c '^step' "$home/trial.txt" || true)
    got=$(restored)
    found=-1
    for ((j = 0; j <= steps; j++)); do
        [ "${games[j]}" = "$got" ] && { found=$j; break; }
    done
    if [ "$got" = "$fresh" ]; then lost=$((lost + 1))
    elif [ "$found" -lt 0 ]; then torn=$((torn + 1))
    elif [ "$found" -ge "$done_steps" ]; then exact=$((exact + 1))
    else older=$((older + 1)); fi
done
printf 'trials %d (kill within %d ms of the start; a run takes %d ms, %d changes %d ms apart)\n' \
    "$trials" "$((span + 100))" "$span" "$steps" "$pause"
printf '%-8s %5s\n' exact "$exact" older "$older" lost "$lost" torn "$torn"
