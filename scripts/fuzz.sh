#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time (FUZZ_SECONDS,
# default 60) from the seed corpus in fuzz/corpus. A crash, a leak or a hang
# (an input taking over 10 s) fails the run; the input is left in build/fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh clang libclang-rt-14-dev >&2
cmake --preset fuzz >&2
cmake --build --preset fuzz -j "$(nproc)" >&2

seconds=${FUZZ_SECONDS:-60}
for target in scene_reader page_steps; do
  corpus=$(mktemp -d)
  seeds="fuzz/corpus/${target/_reader/}"
  [ -d "$seeds" ] || seeds="fuzz/corpus/$target"
  log="build/fuzz/${target}.log"
  echo "== fuzzing $target for ${seconds}s"
  status=0
  # A fixed seed: a run repeats what an earlier one of the same length tried.
  ( cd build/fuzz && exec "./fuzz/${target}_fuzz" -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 "$corpus" "../../$seeds" ) > "$log" 2>&1 || status=$?
  rm -rf "$corpus"
  grep -E "^(stat::number_of_executed_units|Done )" "$log" || true
  if [ "$status" -ne 0 ]; then
    echo "fuzzing $target failed; the input and trace are in build/fuzz ($log):" >&2
    grep -E "ERROR|SUMMARY|Test unit written" "$log" >&2 || tail -20 "$log" >&2
    exit 1
  fi
done
