#!/usr/bin/env bash
# Sets up, builds and runs every test: the release build, then the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

bash scripts/build.sh build/release -DKORVA_TESTS=ON
ctest --test-dir build/release --output-on-failure -j2
bash scripts/test-windows.sh build/release

bash scripts/build.sh build/sanitize -DKORVA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j2

# Every fuzz target for a bounded time (under five minutes on two cores).
bash scripts/fuzz.sh
