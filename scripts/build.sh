#!/usr/bin/env bash
# Configures and builds one build tree: build.sh DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
# The add-in's build stamp is the last commit's time, so two builds of one
# commit are byte-identical.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && epoch=$(git log -1 --format=%ct 2>/dev/null); then
  export SOURCE_DATE_EPOCH=$epoch
fi
dir=$1
shift
echo "build: $dir"
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j2
