#!/usr/bin/env bash
# Sets up, builds and runs every test. In CI (CI set) the Debian package is built and checked,
# the suite runs once more under AddressSanitizer and UndefinedBehaviorSanitizer and the fuzz
# targets get a short run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake --preset debug >/dev/null
cmake --build build/debug -j2
ctest --preset debug -j2

if [ -n "${CI:-}" ]; then
  # The benchmark figures, optimised. The optimised program itself is the package's build below;
  # the debug build above has compiled every other target once already.
  cmake --preset release >/dev/null
  cmake --build build/release -j2 --target radirav-bench
  build/release/bench/radirav-bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

  # The Debian package, built as the README says, validated, installed and run from /usr/bin.
  bash scripts/package.sh
  bash scripts/check-package.sh

  cmake --preset asan >/dev/null
  cmake --build build/asan -j2
  ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --preset asan -j2

  # Every fuzz target over its corpus, then 30 s of fuzzing each; any finding fails.
  bash scripts/fuzz.sh
fi
