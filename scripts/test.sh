#!/usr/bin/env bash
# Sets everything up and runs every test: a normal build, then one under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64
jobs=$(nproc)

for preset in default sanitize; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

# Windows: the 32-bit DLL's tables, and the 64-bit build run under Wine.
for preset in windows-x86 windows-x64; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -L windows
done

# The benchmark is built and run once on its smallest scene, so it cannot rot.
echo "== benchmark (smallest scene only)"
bash scripts/bench.sh --benchmark_filter='/1000/'

