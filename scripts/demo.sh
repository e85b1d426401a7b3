#!/usr/bin/env bash
# Sets everything up, builds the plug-in and the host program optimized, and
# runs the emulated host on the bundled sample rig. Extra arguments go to
# quillmere-host (see --help), which runs in the caller's folder: relative
# paths among them (--scene rig.json) are the caller's.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2

# One line while it builds, the build's own output only if it fails, and
# nothing of it once the program is up to date.
program=$PWD/build/release/bin/quillmere-host
log=build/release/demo-build.log
if [ ! -x "$program" ]; then
  echo "Building Quillmere and quillmere-host (about a minute, the first time only)..." >&2
elif [ -n "$(find CMakeLists.txt CMakePresets.json cmake quillmere_host plugin sdk -newer "$program" -print -quit)" ]; then
  echo "Rebuilding quillmere-host with your changes..." >&2
fi
mkdir -p build/release
if ! { cmake --preset release && cmake --build --preset release -j "$(nproc)" --target quillmere-host Quillmere; } \
  >"$log" 2>&1; then
  cat "$log" >&2
  echo "demo.sh: the build failed; its output is above (and in $log)" >&2
  exit 1
fi
cd "$caller"
exec "$program" "$@"
