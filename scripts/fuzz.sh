#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, two at a time
# (one per core). Usage: fuzz.sh [SCALE]; SCALE 1 (the default) is the CI
# budget of about four minutes, SCALE 0.05 a quick look while developing.
# A finding stops the run with the input's path and how to replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
scale=${1:-1}

bash scripts/build.sh build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DKORVA_FUZZ=ON -DKORVA_TESTS=OFF -DKORVA_BENCH=OFF -DKORVA_CALC=OFF
out=build/fuzz/runs
rm -rf "$out"
mkdir -p "$out"

seconds_of() { awk -v s="$1" -v k="$scale" 'BEGIN { t = int(s * k); print (t < 1 ? 1 : t) }'; }

# run NAME SECONDS [CORPUS]: one libFuzzer run from the checked-in corpus
# fuzz/corpus/CORPUS (default NAME);
# new inputs stay in build/, findings go to build/fuzz/runs/NAME-finding-*.
run() {
  local name=$1 seconds corpus=${3:-$1}
  seconds=$(seconds_of "$2")
  mkdir -p "$out/$name-corpus"
  echo "fuzz: $name for $seconds s (log: $out/$name.log)"
  build/fuzz/fuzz/$name-fuzzer "$out/$name-corpus" "fuzz/corpus/$corpus" \
    -max_total_time="$seconds" -timeout=10 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$out/$name-finding-" >"$out/$name.log" 2>&1 ||
    { echo "fuzz: $name stopped with a finding; the end of its log:" >&2; tail -n 40 "$out/$name.log" >&2; return 1; }
}

# Lanes run side by side; the targets of one lane run in turn.
lane_a() { run worksheet 240; }
lane_b() {
  run registration64 70 registration && run registration32 70 registration && run call_parser 100
}

status=0
lane_a & a=$!
lane_b & b=$!
start=$SECONDS
while kill -0 "$a" 2>/dev/null || kill -0 "$b" 2>/dev/null; do
  sleep 5
  if (( (SECONDS - start) % 30 < 5 )); then
    for log in "$out"/*.log; do
      [ -e "$log" ] || continue
      last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | awk '{print $1, $2}')
      echo "fuzz: $(basename "$log" .log) at ${last:-start} after $((SECONDS - start)) s"
    done
  fi
done
wait "$a" || status=1
wait "$b" || status=1

echo "fuzz: executions per target"
for log in "$out"/*.log; do
  name=$(basename "$log" .log)
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  echo "  $name: ${runs:-?} executions"
  grep -E '^worksheet fuzz: [0-9]+ worksheet-function calls' "$log" | sed 's/^/  /' || true
done

if [ "$status" -ne 0 ] || ls "$out"/*-finding-* >/dev/null 2>&1; then
  echo "fuzz: FINDING (report above). Replay an input with" >&2
  echo "  build/release/fuzz/NAME-replay build/fuzz/runs/NAME-finding-..." >&2
  echo "then fix the code and keep the input as fuzz/corpus/NAME/regression-WHAT." >&2
  for finding in "$out"/*-finding-*; do echo "  $finding" >&2; done
  exit 1
fi
echo "fuzz: no finding"
