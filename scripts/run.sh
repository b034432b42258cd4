#!/usr/bin/env bash
# Sets up, builds the add-in into dist/ and runs the demo through it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/release -DKORVA_TESTS=ON
mkdir -p dist
cp build/release/addin/KORVA64.so build/release/tools/saturation-table dist/
cp build/release/calc/korva-calc.oxt dist/  # the Calc extension
dist/saturation-table dist/KORVA64.so 1
