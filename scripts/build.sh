#!/usr/bin/env bash
# Configures and builds one build tree: build.sh DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
echo "build: $dir"
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir"
