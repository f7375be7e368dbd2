#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times whole runs of the built program, start to exit: a fresh start against starts from saved
# games of 18 players owning 40 cards each and of 99 players owning all 51. Each run gets its own
# temporary home holding the saved game, runs offscreen, is asked to close with SIGTERM 30 ms
# after its start, and is timed from exec until the process is gone. The three kinds take turns,
# so that they share whatever else the machine is doing; the medians of the wall-clock times, and of
# the processor time (user and system) that each run used, are printed side by side.
#   bench/start_to_exit.sh [runs of each kind, default 15] [program, default build/quorvane]
set -euo pipefail

RUNS=${1:-15}
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
EXE=${2:-$ROOT/build/quorvane}
[ -x "$EXE" ] || { echo "no program at $EXE: build it first" >&2; exit 1; }
STATE_DIR=Documents/$(basename "$EXE")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# A saved game of $1 players in which player k owns card c when (c + k) mod 51 < $2.
saved_game() {
    awk -v players="$1" -v owned="$2" 'BEGIN {
        printf "[main]\nplayer_num=%d\npurchase_lock=1\n", players
        for (k = 0; k < players; ++k) {
            printf "[player%d]\nbonus_art=35\nbonus_civ=20\nbonus_cra=45\nbonus_rel=25\nbonus_sci=30\n", k
            for (c = 1; c <= 51; ++c)
                printf "card%d=%d\n", c, ((c + k) % 51 < owned) ? 1 : 0
        }
    }'
}

KINDS=(fresh 18x40 99x51)
declare -A GAME=([fresh]="" [18x40]="18 40" [99x51]="99 51")
declare -A PLAYERS=([fresh]=1 [18x40]=18 [99x51]=99)
declare -A TIMES CPU
for kind in "${KINDS[@]}"; do
    [ -n "${GAME[$kind]}" ] && saved_game ${GAME[$kind]} >"$WORK/$kind.ini"
    TIMES[$kind]=""
    CPU[$kind]=""
done

# Prints the milliseconds from exec to the end of one run; fails unless the run closed in order
# (status 0) and saved the game it was started with. On a busy machine the signal can come before
# the program has set up its handling of it, which kills it at once (status 143): such a run is
# repeated and counted.
one_run() {
    local kind=$1 home
    while :; do
        home=$(mktemp -d "$WORK/home.XXXXXX")
        mkdir -p "$home/$STATE_DIR"
        [ -f "$WORK/$kind.ini" ] && cp "$WORK/$kind.ini" "$home/$STATE_DIR/state.ini"
        local start end status=0
        start=$(date +%s%N)
        HOME=$home XDG_CONFIG_HOME=$home/.config QT_QPA_PLATFORM=offscreen "$EXE" 2>/dev/null &
        local pid=$!
        sleep 0.03
        kill -TERM "$pid" 2>/dev/null || true
        local before after
        times >"$home/times.before"
        wait "$pid" || status=$?
        end=$(date +%s%N)
        times >"$home/times.after"
        before=$(children_cpu <"$home/times.before")
        after=$(children_cpu <"$home/times.after")
        [ "$status" -eq 143 ] || break
        rm -rf "$home"
        echo "$kind" >>"$WORK/retried"
    done
    if [ "$status" -ne 0 ] || ! grep -qx "player_num=${PLAYERS[$kind]}" "$home/$STATE_DIR/state.ini" 2>/dev/null; then
        echo "run of $kind did not close in order (status $status)" >&2
        return 1
    fi
    rm -rf "$home"
    echo "$(((end - start) / 1000)) $((after - before))"
}

# The user and system time of a shell's finished children, in microseconds, from the output of
# `times` (which counts a child once it has been waited for).
children_cpu() {
    tail -1 | awk '{
        t = 0
        for (i = 1; i <= 2; ++i) { split($i, p, "m"); sub("s", "", p[2]); t += p[1] * 60 + p[2] }
        printf "%d", t * 1000000 }'
}

median() {
    tr ' ' '\n' | grep . | sort -n | awk '{ v[NR] = $1 } END {
        printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] / 1000 : (v[NR / 2] + v[NR / 2 + 1]) / 2000 }'
}

for ((i = 1; i <= RUNS; ++i)); do
    for kind in "${KINDS[@]}"; do
        read -r wall cpu < <(one_run "$kind")
        TIMES[$kind]+=" $wall"
        CPU[$kind]+=" $cpu"
    done
done

[ -f "$WORK/retried" ] && echo "($(wc -l <"$WORK/retried") runs were killed before their signal handling was in place, and repeated)"
FRESH=$(echo "${TIMES[fresh]}" | median)
FRESH_CPU=$(echo "${CPU[fresh]}" | median)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
printf 'Start to exit, median of %d runs each:\n' "$RUNS"
printf '  %-6s %10s %9s %10s %9s\n' kind "wall ms" "x fresh" "cpu ms" "x fresh"
for kind in "${KINDS[@]}"; do
    m=$(echo "${TIMES[$kind]}" | median)
    c=$(echo "${CPU[$kind]}" | median)
    printf '  %-6s %10s %9s %10s %9s\n' "$kind" "$m" "$(ratio "$m" "$FRESH")" "$c" "$(ratio "$c" "$FRESH_CPU")"
done
