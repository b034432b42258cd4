#!/usr/bin/env bash
# Builds the release tree and measures the reference against the fused path:
# first the pow and exp calls per call, then CPU ns per call and the ratio
# (median of five runs of each benchmark, the runs of all benchmarks in random
# interleaved order, so that a change in the machine's load hits both paths
# alike). Extra arguments go to the benchmark, e.g. --benchmark_filter=TofPH.
# Takes about ten minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/release
build/release/bench/call-counts
echo
echo "bench: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
build/release/bench/korva-bench --benchmark_min_time=0.5 --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true "$@"
