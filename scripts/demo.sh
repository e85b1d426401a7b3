#!/usr/bin/env bash
# Sets everything up, builds, and runs the emulated host on the bundled
# sample rig. Extra arguments go to quillmere-host (see --help).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2
cmake --preset default >&2
cmake --build --preset default -j "$(nproc)" --target quillmere-host Quillmere >&2
exec build/default/bin/quillmere-host "$@"
