#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the state-file fuzzer with clang and libFuzzer and runs it for the given number of
# seconds (default 60) on the seed corpus in fuzz/corpus. New inputs go to a scratch corpus.
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
"$QUORVANE_BUILD/fuzz/fuzz_StateFile" "$scratch" "$QUORVANE_ROOT/fuzz/corpus" \
    -dict="$QUORVANE_ROOT/fuzz/state.dict" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
    -max_len=4096 -print_final_stats=1 "${@:2}"
