#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Quorvane with its benchmarks and prints the median of repeated runs of each.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
quorvane_build libbenchmark-dev
for bench in "$QUORVANE_BUILD"/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    "$bench" --benchmark_repetitions="${REPETITIONS:-15}" --benchmark_report_aggregates_only=true \
        --benchmark_time_unit=us 2>/dev/null | grep -E '^(Benchmark|[A-Za-z].*_median)'
done
