#!/usr/bin/env bash
# Builds the benchmark in Release and runs it. Extra arguments go to Google
# Benchmark, e.g. --benchmark_filter='/1000/' for the smallest scene only.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2
cmake --preset bench >&2
cmake --build --preset bench -j "$(nproc)" >&2
exec build/bench/bench/quillmere-bench --benchmark_color=false "$@"
