#!/usr/bin/env bash
# scripts/demo.sh called from another folder: the program runs in the
# caller's folder, so relative --scene, --out and --plugin paths are the
# caller's. While it builds it says so and where the build's log is, keeps
# the build's output in that log, shows it on one line at a terminal, and
# shows it whole if the build fails. Run in a stand-in repository where
# installing does nothing, the build is a stub that prints a step and makes
# the program (or fails, when told to), and the program is a stub that says
# where it runs and with what.
#   demo_tests.sh DEMO_SH
set -euo pipefail
demo=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/repository
mkdir -p "$root/scripts" "$root/build/release/bin" "$work/bin" "$work/caller"
# The repository's own top-level folders, so a folder the script names that
# no longer exists shows as an error here.
for folder in "$(dirname "$demo")"/../*/; do
  mkdir -p "$root/$(basename "$folder")"
done
touch "$root/CMakeLists.txt" "$root/CMakePresets.json"
cp "$demo" "$root/scripts/demo.sh"
printf '#!/bin/sh\n' >"$root/scripts/install-deps.sh"
cat >"$work/program" <<'STUB'
#!/bin/sh
echo "folder: $(pwd -P)"
for arg in "$@"; do echo "argument: $arg"; done
STUB
# The build, run from the repository: one step, then the program made, or a
# failure when $BUILD_FAILS is set.
cat >"$work/bin/cmake" <<STUB
#!/bin/sh
[ "\$1" = --build ] || exit 0
echo "[ 50%] Building CXX object quillmere_host/run.cpp.o"
if [ -n "\${BUILD_FAILS:-}" ]; then echo "run.cpp:1: error: no such thing"; exit 2; fi
cp "$work/program" build/release/bin/quillmere-host
STUB
chmod +x "$work/bin/cmake" "$work/program"
cp "$work/program" "$root/build/release/bin/quillmere-host"

cd "$work/caller"
shown=$(PATH="$work/bin:$PATH" bash "$root/scripts/demo.sh" --scene rig.json --out=after.json --plugin ./Q.so 2>"$work/stderr")
# The program is up to date: the script has nothing to say.
if [ -s "$work/stderr" ]; then
  printf 'FAIL: demo.sh said, with the program up to date:\n%s\n' "$(cat "$work/stderr")" >&2
  exit 1
fi
expected="folder: $(pwd -P)
argument: --scene
argument: rig.json
argument: --out=after.json
argument: --plugin
argument: ./Q.so"
if [ "$shown" != "$expected" ]; then
  printf 'FAIL: demo.sh ran the program as\n%s\nnot as\n%s\n' "$shown" "$expected" >&2
  exit 1
fi
echo "ok: demo.sh runs the program in the caller's folder"

log=$root/build/release/demo-build.log
step="[ 50%] Building CXX object quillmere_host/run.cpp.o"

# The first run, not at a terminal: one line that says what is built and
# where its log is; the build's steps go to the log, not to the screen.
rm "$root/build/release/bin/quillmere-host"
shown=$(PATH="$work/bin:$PATH" bash "$root/scripts/demo.sh" 2>"$work/stderr")
said=$(cat "$work/stderr")
if [[ $said != "Building Quillmere and quillmere-host: "*"
The build's log: $log" ]]; then
  printf 'FAIL: demo.sh, building, said\n%s\n' "$said" >&2
  exit 1
fi
if ! grep -q -F "$step" "$log" || [ "$shown" != "folder: $(pwd -P)" ]; then
  printf 'FAIL: demo.sh built without its step in %s, or then ran the program as\n%s\n' "$log" "$shown" >&2
  exit 1
fi
echo "ok: demo.sh says what it builds and where its log is, and keeps the build's output there"

# At a terminal, the step is shown on a line of its own that the next one
# overwrites, and the line is cleared before the program starts.
if command -v script >/dev/null; then
  rm "$root/build/release/bin/quillmere-host"
  PATH="$work/bin:$PATH" TERM=xterm script -q -e -c "bash '$root/scripts/demo.sh'" /dev/null >"$work/terminal" </dev/null
  if ! grep -q -F "$(printf '\r\033[K%s\r\033[K' "$step")" "$work/terminal"; then
    printf 'FAIL: demo.sh at a terminal showed\n%s\n' "$(od -c "$work/terminal" | head -n 20)" >&2
    exit 1
  fi
  echo "ok: demo.sh shows the build's progress on one line at a terminal"
fi

# A failed build: its whole output, and where the log is.
rm "$root/build/release/bin/quillmere-host"
status=0
BUILD_FAILS=1 PATH="$work/bin:$PATH" bash "$root/scripts/demo.sh" 2>"$work/stderr" >/dev/null || status=$?
if [ "$status" -ne 1 ] || ! grep -q -F "run.cpp:1: error: no such thing" "$work/stderr" ||
  ! grep -q -F "demo.sh: the build failed; its output is above (and in $log)" "$work/stderr"; then
  printf 'FAIL: demo.sh, its build failing, exited %s and said\n%s\n' "$status" "$(cat "$work/stderr")" >&2
  exit 1
fi
echo "ok: demo.sh shows a failed build's output and where its log is"
