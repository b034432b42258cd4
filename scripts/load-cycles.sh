#!/usr/bin/env bash
# Load cycles of the Windows add-ins under Wine's 64- and 32-bit loaders: one
# host process (load-cycles.exe) loads, opens, calls, closes and unloads
# KORVA64.xll, then KORVA32.xll, a thousand times, and checks that its
# private memory after the last cycle is within a few pages of that after the
# first. The native add-ins run the same program in the test run (ctest).
# Needs the Windows trees (bash scripts/build-windows.sh, or the test command);
# builds the program there if it is missing. The test command runs it.
#   load-cycles.sh [CYCLES [BITS...]]   (default 1000 cycles, loaders 64 and 32)
set -euo pipefail
cd "$(dirname "$0")/.."
cycles=${1:-1000}
shift || true
loaders=("$@")
[ ${#loaders[@]} -gt 0 ] || loaders=(64 32)
for bits in "${loaders[@]}"; do
  if [ ! -f "build/win$bits/build.ninja" ]; then
    echo "load-cycles: no Windows tree build/win$bits; run bash scripts/build-windows.sh first" >&2
    exit 1
  fi
  cmake --build "build/win$bits" --target load-cycles "KORVA$bits" XLCall32 >/dev/null
done

source scripts/wine-prefix.sh

for bits in "${loaders[@]}"; do
  tree=$PWD/build/win$bits
  echo "load-cycles: KORVA$bits.xll, $cycles cycles under the $bits-bit loader"
  # XLCall32.dll is found beside the add-in, in the current folder.
  if ! (cd "$tree/dist" && "wine$bits" "$tree/hardening/load-cycles.exe" "KORVA$bits.xll" "$cycles"); then
    echo "load-cycles: KORVA$bits.xll failed its load cycles under the $bits-bit loader" >&2
    exit 1
  fi
done
