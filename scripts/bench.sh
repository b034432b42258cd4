#!/usr/bin/env bash
# Builds the release tree and measures the reference against the fused path:
# pow and exp calls per call, then ns per call and the ratio. Extra arguments
# go to the benchmark (e.g. --benchmark_filter=TofPH).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/release
build/release/bench/call-counts
echo
echo "bench: CPU model: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), $(nproc) cores"
build/release/bench/korva-bench --benchmark_min_time=0.5 "$@"
