#!/usr/bin/env bash
# Loads the 64-bit release DLL under Wine with the load test's loader, beside
# stub host DLLs: Windows' own loader resolves every import and the loader
# finds each entry point by name.
#   run_loader_under_wine.sh LOADER_EXE QUILLMERE_DLL STUB_DLL...
set -euo pipefail
loader="$1" dll="$2"
shift 2

wine=$(command -v wine64 || command -v wine || true)
if [ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
fi
if [ -z "$wine" ]; then
  echo "wine64 is not installed" >&2
  exit 1
fi

# A folder holding only these, so that nothing else can satisfy an import;
# a prefix of our own, quiet, with no display and no add-on installers.
work=$(mktemp -d)
prefix="$work/prefix"
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir "$work/bin"
cp "$loader" "$work/bin/loader.exe"
cp "$dll" "$work/bin/Quillmere.dll"
cp "$@" "$work/bin/"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset WAYLAND_DISPLAY

"$wine" "$work/bin/loader.exe" </dev/null
