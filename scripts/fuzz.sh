#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, two at a time
# (one per core). Usage: fuzz.sh [SCALE]; SCALE 1 (the default) is the CI
# budget of about five minutes, SCALE 0.05 a quick look while developing.
# A finding stops the run with the input's path and how to replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
scale=${1:-1}

bash scripts/build.sh build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DKORVA_FUZZ=ON -DKORVA_TESTS=OFF -DKORVA_BENCH=OFF -DKORVA_CALC=OFF
out=build/fuzz/runs
rm -rf "$out"
mkdir -p "$out"

seconds_of() { awk -v s="$1" -v k="$scale" 'BEGIN { t = int(s * k); print (t < 1 ? 1 : t) }'; }

# run NAME SECONDS CORPUS LOG [OPTION...]: one libFuzzer run from the
# checked-in corpus fuzz/corpus/CORPUS, logging to build/fuzz/runs/LOG.log;
# new inputs go to build/fuzz/runs/NAME-corpus, which the runs of one target
# share (each rereads it), findings to build/fuzz/runs/NAME-finding-*.
run() {
  local name=$1 seconds corpus=$3 log=$4
  seconds=$(seconds_of "$2")
  shift 4
  mkdir -p "$out/$name-corpus"
  echo "fuzz: $log for $seconds s (log: $out/$log.log)"
  build/fuzz/fuzz/$name-fuzzer "$out/$name-corpus" "fuzz/corpus/$corpus" \
    -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$out/$name-finding-" "$@" >"$out/$log.log" 2>&1 ||
    { echo "fuzz: $log stopped with a finding; the end of its log:" >&2; tail -n 40 "$out/$log.log" >&2; return 1; }
}

# A worksheet input is one call in 21 bytes. An inverse function runs 32
# density solves, a thousand times the work of Psat, so libFuzzer is told to
# weigh inputs by their time: the slow ones still run, the fast ones more often.
worksheet() { run worksheet "$1" worksheet "$2" -max_len=21 -entropic_scale_per_exec_time=1; }
registration() { run "registration$1" "$2" registration "registration$1" -max_len=4096; }
call_parser() { run call_parser "$1" call_parser call_parser -max_len=4096; }

# Lanes run side by side, one per core; the targets of one lane run in turn.
# The worksheet functions get most of the time; registration reaches its 10^5
# builds in about half a minute per variant.
lane_a() { worksheet 280 worksheet; }
lane_b() { registration 64 35 && registration 32 35 && call_parser 35 && worksheet 175 worksheet-lane-b; }

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

echo "fuzz: executions per run"
for log in "$out"/*.log; do
  name=$(basename "$log" .log)
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  echo "  $name: ${runs:-?} executions"
  grep -E '^worksheet fuzz: [0-9]+ worksheet-function calls' "$log" | sed 's/^/  /' || true
done
calls=$(cat "$out"/worksheet*.log | awk '/^worksheet fuzz: [0-9]+ worksheet-function calls/ {n += $3} END {print n + 0}')
# Each registration input builds the list twice: directly and in xlAutoOpen.
builds=$(cat "$out"/registration*.log | awk '/stat::number_of_executed_units/ {n += 2 * $2} END {print n + 0}')
echo "fuzz: $calls worksheet-function calls, $builds registration builds in all"

if [ "$status" -ne 0 ] || ls "$out"/*-finding-* >/dev/null 2>&1; then
  echo "fuzz: FINDING (report above). Replay an input with" >&2
  echo "  build/release/fuzz/NAME-replay build/fuzz/runs/NAME-finding-..." >&2
  echo "then fix the code and keep the input as fuzz/corpus/NAME/regression-WHAT." >&2
  for finding in "$out"/*-finding-*; do echo "  $finding" >&2; done
  exit 1
fi
echo "fuzz: no finding"
