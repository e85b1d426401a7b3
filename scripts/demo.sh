#!/usr/bin/env bash
# Sets everything up, builds the plug-in and the host program optimized, and
# runs the emulated host on the bundled sample rig. Extra arguments go to
# quillmere-host (see --help), which runs in the caller's folder: relative
# paths among them (--scene rig.json) are the caller's.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2

# While it builds: what it builds, how long it may take and where its log
# is, then, at a terminal, the build's own progress ("[ 45%] Building ...")
# rewritten on one line; its whole output only if it fails. Nothing of it
# once the program is up to date.
program=$PWD/build/release/bin/quillmere-host
log=$PWD/build/release/demo-build.log
building=
if [ ! -x "$program" ]; then
  building="Building Quillmere and quillmere-host: one to three minutes on 2 cores, the first time only."
elif [ -n "$(find CMakeLists.txt CMakePresets.json cmake quillmere_host plugin sdk -newer "$program" -print -quit)" ]; then
  building="Rebuilding quillmere-host with your changes."
fi
if [ -n "$building" ]; then
  printf '%s\nThe build'"'"'s log: %s\n' "$building" "$log" >&2
fi

# Copies the build's output into the log and shows each line, cut to the
# terminal's width, over the one before (a dumb terminal shows none).
show_progress() {
  local line width
  width=$(stty size <&2 2>/dev/null | cut -d ' ' -f 2)
  if [ -z "$width" ] || [ "$width" -lt 20 ]; then
    width=80
  fi
  while IFS= read -r line; do
    printf '%s\n' "$line" >>"$log"
    printf '\r\033[K%s' "${line:0:width-1}" >&2
  done
  printf '\r\033[K' >&2
}

mkdir -p build/release
: >"$log"
build() {
  cmake --preset release && cmake --build --preset release -j "$(nproc)" --target quillmere-host Quillmere
}
build_status=0
if [ -n "$building" ] && [ -t 2 ] && [ "${TERM:-dumb}" != dumb ]; then
  build 2>&1 | show_progress || build_status=$?
else
  build >>"$log" 2>&1 || build_status=$?
fi
if [ "$build_status" -ne 0 ]; then
  cat "$log" >&2
  echo "demo.sh: the build failed; its output is above (and in $log)" >&2
  exit 1
fi
cd "$caller"
exec "$program" "$@"
