#!/usr/bin/env bash
# Sets up, builds the add-ins, the stand-in callback library and korva-host
# into dist/, and evaluates the demo calls through the add-in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build/release -DKORVA_TESTS=OFF
rm -rf dist
cp -r build/release/dist dist
dist/korva-host dist/KORVA64.so --file examples/saturation_and_states.txt
