#!/usr/bin/env bash
# Sets everything up and runs every test: a normal build (with valgrind's
# memcheck over the host program), one under AddressSanitizer and
# UndefinedBehaviorSanitizer, the release DLLs in the host's binary interface,
# checked and then run under Wine (the 32-bit one under qemu) by the emulated
# host built for Windows, the fuzzers for about a minute each, and the
# benchmark once on its smallest scene.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --release --wine32 g++-mingw-w64-i686 g++-mingw-w64-x86-64
jobs=$(nproc)

for preset in default sanitize; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

# Windows with MinGW: the emulated host and the plug-in's suites, which run
# the release DLLs below; the 64-bit program's own checks under Wine.
for preset in windows-x86 windows-x64; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
done
ctest --preset windows-x64 -L windows

# The release DLLs, in the host's binary interface: their tables against the
# host's import list, the 64-bit one loaded beside stub host DLLs, the
# plug-in at -O0, the headers' size assertions, the stand-in's exports.
for preset in windows-release-x86 windows-release-x64; do
  echo "== $preset build"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -L release
done

# The shipped bytes run: each DLL taken out of the release archive, under
# Wine, against the Linux build; the 64-bit preset also checks the archive.
for preset in windows-release-x86 windows-release-x64; do
  echo "== $preset: the shipped DLL under Wine"
  ctest --preset "$preset" -L shipped --output-on-failure
done

# Fuzzing of what reads user input, for a bounded time per target.
echo "== fuzzing"
bash scripts/fuzz.sh

# The benchmark is built and run once on its smallest scene, so it cannot rot.
echo "== benchmark (smallest scene only)"
bash scripts/bench.sh --quick

