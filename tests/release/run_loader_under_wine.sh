#!/usr/bin/env bash
# Loads the 64-bit release DLL under Wine with the load test's loader, beside
# stub host DLLs: Windows' own loader resolves every import and the loader
# finds each entry point by name.
#   run_loader_under_wine.sh LOADER_EXE QUILLMERE_DLL STUB_DLL...
set -euo pipefail
loader="$1" dll="$2"
shift 2

source "$(dirname "$0")/../support/wine_prefix.sh"

# A folder holding only these, so that nothing else can satisfy an import.
mkdir "$wine_work/bin"
cp "$loader" "$wine_work/bin/loader.exe"
cp "$dll" "$wine_work/bin/Quillmere.dll"
cp "$@" "$wine_work/bin/"

"$wine" "$wine_work/bin/loader.exe" </dev/null
