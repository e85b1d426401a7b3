#!/usr/bin/env bash
# scripts/demo.sh called from another folder: the program runs in the
# caller's folder, so relative --scene, --out and --plugin paths are the
# caller's. Run in a stand-in repository where installing and building do
# nothing and the program is a stub that says where it runs and with what.
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
printf '#!/bin/sh\n' >"$work/bin/cmake"
cat >"$root/build/release/bin/quillmere-host" <<'STUB'
#!/bin/sh
echo "folder: $(pwd -P)"
for arg in "$@"; do echo "argument: $arg"; done
STUB
chmod +x "$work/bin/cmake" "$root/build/release/bin/quillmere-host"

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
