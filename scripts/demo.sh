#!/usr/bin/env bash
# Sets everything up, builds the plug-in and the host program optimized, and
# runs the emulated host on the bundled sample rig. Extra arguments go to
# quillmere-host (see --help).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2
cmake --preset release >&2
cmake --build --preset release -j "$(nproc)" --target quillmere-host Quillmere >&2
exec build/release/bin/quillmere-host "$@"
