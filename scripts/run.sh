#!/usr/bin/env bash
# Sets up, builds the add-ins, the stand-in callback library and korva-host
# into dist/, and evaluates the demo calls through the add-in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/release -DKORVA_TESTS=ON
rm -rf dist
cp -r build/release/dist dist
cp build/release/calc/korva-calc.oxt dist/  # the Calc extension
# The Windows add-ins beside the native files; our Windows host and its
# stand-in XLCall32.dll go in a folder per bitness, as the two cannot share one.
bash scripts/build-windows.sh
cp build/win64/dist/KORVA64.xll build/win32/dist/KORVA32.xll dist/
for bits in 64 32; do
  mkdir -p dist/win$bits
  cp build/win$bits/dist/korva-host.exe build/win$bits/dist/XLCall32.dll dist/win$bits/
done
dist/korva-host dist/KORVA64.so --file examples/saturation_and_states.txt
