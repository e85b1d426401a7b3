#!/usr/bin/env bash
# The plug-in's sources reach the host only through its SDK headers: each
# #include is a host header, one of the plug-in's own, or the standard library.
set -euo pipefail
root="$1"
cd "$root"
bad=$(grep -n -E '^\s*#\s*include' plugin/*.h plugin/*.cpp |
  grep -v -E '#\s*include\s*<(xsi_[a-z0-9]+\.h|sicppsdk\.h)>' |
  grep -v -E '#\s*include\s*"plugin/[a-z_]+\.h"' |
  grep -v -E '#\s*include\s*<[a-z_]+>' || true)
if [ -n "$bad" ]; then
  echo "plug-in sources include something other than host headers, their own or the standard library:" >&2
  echo "$bad" >&2
  exit 1
fi
echo "plug-in sources include only host headers, their own and the standard library"
