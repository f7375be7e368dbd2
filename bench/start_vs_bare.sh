#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program's start against a bare Qt Widgets window of the same size (bench/bare_window.cpp),
# side by side in one run: the milliseconds from exec to the first mapped window, and the peak
# resident memory, with their ratios to the bare window's. The same bare window with one label
# shows what the first text on screen costs. Each round starts its own Xvfb and runs them all in
# turn, each round starting with another one; each run gets a fresh home.
# bench/start_probe.cpp times each start, ends it with SIGTERM PAUSE_MS (default 2500) after its
# window was mapped and reads its peak memory. Medians over the rounds. Given several programs
# (two builds, say), it runs each of them in every round.
#   [PAUSE_MS=2500] bench/start_vs_bare.sh [rounds, default 15] [program... , default build/quorvane]
set -euo pipefail

ROUNDS=${1:-15}
shift || true
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PROGRAMS=("$@")
[ ${#PROGRAMS[@]} -gt 0 ] || PROGRAMS=("$ROOT/build/quorvane")
PAUSE=${PAUSE_MS:-2500}
PROBE=$ROOT/build/bench/start_probe
BARE=$ROOT/build/bench/bare_window
for needed in "${PROGRAMS[@]}" "$PROBE" "$BARE"; do
    [ -x "$needed" ] || { echo "no $needed: build it first (targets quorvane, start_probe, bare_window)" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is missing (Debian package xvfb)" >&2; exit 1; }
WORK=$(mktemp -d)
XVFB=
trap '[ -z "$XVFB" ] || kill "$XVFB" 2>/dev/null; rm -rf "$WORK"' EXIT

# Starts a private X server and sets DISPLAY to it.
start_x() {
    local fifo=$WORK/display
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    XVFB=$!
    local number
    read -r number <"$fifo"
    export DISPLAY=:$number
}

stop_x() {
    kill "$XVFB"
    wait "$XVFB" 2>/dev/null || true
    XVFB=
}

# Prints "milliseconds peak-KiB" for one start of the given command in a fresh home.
one_run() {
    local home
    home=$(mktemp -d "$WORK/home.XXXXXX")
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=xcb \
        "$PROBE" "$PAUSE" "$@" 2>/dev/null
    rm -rf "$home"
}

KINDS=()
declare -A COMMAND TITLE
for ((p = 0; p < ${#PROGRAMS[@]}; ++p)); do
    KINDS+=("program$p")
    COMMAND[program$p]=${PROGRAMS[$p]}
    TITLE[program$p]=${PROGRAMS[$p]}
done
KINDS+=(bare label)
COMMAND[bare]=$BARE
COMMAND[label]="$BARE label"
TITLE[bare]="bare window"
TITLE[label]="bare window with a label"
declare -A MAP RSS
for kind in "${KINDS[@]}"; do MAP[$kind]=""; RSS[$kind]=""; done
for ((i = 0; i < ROUNDS; ++i)); do
    start_x
    for ((k = 0; k < ${#KINDS[@]}; ++k)); do
        kind=${KINDS[(i + k) % ${#KINDS[@]}]}
        # shellcheck disable=SC2086 # the bare window's argument is a word of its own
        read -r ms kb < <(one_run ${COMMAND[$kind]})
        MAP[$kind]+=" $ms"
        RSS[$kind]+=" $kb"
    done
    stop_x
done

median() {
    tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END {
        printf "%.1f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
map_bare=$(echo "${MAP[bare]}" | median)
rss_bare=$(echo "${RSS[bare]}" | median)
printf 'Start to the first mapped window and peak memory, medians of %d rounds:\n' "$ROUNDS"
width=0
for kind in "${KINDS[@]}"; do ((${#TITLE[$kind]} > width)) && width=${#TITLE[$kind]}; done
printf '  %-*s %8s %8s %9s %8s\n' "$width" "" "map ms" "x bare" "peak MiB" "x bare"
for kind in "${KINDS[@]}"; do
    map=$(echo "${MAP[$kind]}" | median)
    rss=$(echo "${RSS[$kind]}" | median)
    printf '  %-*s %8s %8s %9s %8s\n' "$width" "${TITLE[$kind]}" "$map" "$(ratio "$map" "$map_bare")" \
        "$(awk -v k="$rss" 'BEGIN { printf "%.1f", k / 1024 }')" "$(ratio "$rss" "$rss_bare")"
done
