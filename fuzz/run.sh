#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the state-file fuzzers with clang and libFuzzer and runs each for the given number of
# seconds (default 60) on the seed corpus in fuzz/corpus: fuzz_StateFile starts the program from
# the bytes, fuzz_StateText writes a game into them as a close does. New inputs go to a scratch
# corpus; an input that fails is left in the working folder as crash-*.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
seconds=${1:-60}
QUORVANE_BUILD="$QUORVANE_ROOT/build-fuzz"
QUORVANE_CMAKE_ARGS=(-DQUORVANE_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang)
quorvane_build clang libclang-rt-14-dev
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$QUORVANE_BUILD"
export LSAN_OPTIONS="suppressions=$QUORVANE_ROOT/fuzz/lsan.supp:print_suppressions=0"
for fuzzer in fuzz_StateFile fuzz_StateText; do
    mkdir -p "$scratch/$fuzzer"
    "$QUORVANE_BUILD/fuzz/$fuzzer" "$scratch/$fuzzer" "$QUORVANE_ROOT/fuzz/corpus" \
        -dict="$QUORVANE_ROOT/fuzz/state.dict" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
        -max_len=4096 -print_final_stats=1 "${@:2}"
done
