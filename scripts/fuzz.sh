#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on),
# replays each target's committed corpus, then fuzzes each for FUZZ_SECONDS (30 by default).
# Any finding (crash, sanitizer report, broken promise, hang) fails the script; the input that
# caused it is left in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh fuzz

seconds="${FUZZ_SECONDS:-30}"
targets=(text_helpers case_file equilibrium_points)

CXX=clang++-14 cmake -S . -B build/fuzz -G Ninja -DRADIRAV_FUZZ=ON -DRADIRAV_BUILD_UI=OFF \
  -DRADIRAV_BUILD_TESTS=OFF -DRADIRAV_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz -j2

findings=build/fuzz/findings
mkdir -p "$findings"
export ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Runs one libFuzzer command, keeps its log and prints the summary; the whole log on a finding.
run() {
  local log=$1
  shift
  local status=0
  "$@" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "FUZZ FINDING (exit $status); log: $log, inputs in $findings/" >&2
    exit 1
  fi
  grep -E "^(stat::number_of_executed_units|stat::average_exec_per_sec|Done )|INITED|broken promise" "$log" || true
}

for target in "${targets[@]}"; do
  binary=build/fuzz/fuzz/${target}_fuzz
  [ -x "$binary" ] || continue
  # A fixed seed in CI, so that a run there is repeatable; FUZZ_SEED=0 picks one at random.
  options=(-seed="${FUZZ_SEED:-1}" -timeout=10 -artifact_prefix="$findings/$target-" -print_final_stats=1)
  [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")

  echo "== $target: corpus replay"
  run "build/fuzz/$target-replay.log" "$binary" "${options[@]}" -runs=0 "fuzz/corpus/$target"

  # New inputs go to a scratch corpus; the committed one stays small.
  scratch=build/fuzz/corpus/$target
  mkdir -p "$scratch"
  echo "== $target: ${seconds} s of fuzzing"
  run "build/fuzz/$target-fuzz.log" "$binary" "${options[@]}" -max_total_time="$seconds" "$scratch" \
    "fuzz/corpus/$target"
done
