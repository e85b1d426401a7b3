#!/usr/bin/env bash
# What may include what. The SDK's headers include each other and C headers
# only, as the host's do: a plug-in built on them links nothing of the C++
# standard library through them. The plug-in reaches the host only through
# its SDK headers: each #include is a host header, one of the plug-in's own,
# or the standard library. The object API and the C bridge over it see of the
# host engine only its public face, sdk/engine/include, as the program and the
# tests do (the build gives them no other): each header they include in quotes
# is their own folder's or the engine's public one.
#   check_includes.sh PROJECT_ROOT
set -euo pipefail
cd "$1"
status=0

bad=$(grep -n -E '^\s*#\s*include' sdk/include/*.h |
  grep -v -E '#\s*include\s*"(xsi_[a-z0-9]+\.h|sicppsdk\.h)"' |
  grep -v -E '#\s*include\s*<(stdlib|math|float|limits|assert|values)\.h>' || true)
if [ -n "$bad" ]; then
  echo "the SDK's headers include something other than each other and the host's C headers:" >&2
  echo "$bad" >&2
  status=1
fi

bad=$(grep -n -E '^\s*#\s*include' plugin/*.h plugin/*.cpp |
  grep -v -E '#\s*include\s*<(xsi_[a-z0-9]+\.h|sicppsdk\.h)>' |
  grep -v -E '#\s*include\s*"plugin/[a-z_]+\.h"' |
  grep -v -E '#\s*include\s*<[a-z_]+>' || true)
if [ -n "$bad" ]; then
  echo "plug-in sources include something other than host headers, their own or the standard library:" >&2
  echo "$bad" >&2
  status=1
fi

for folder in sdk/api sdk/abi_bridge; do
  bad=$(grep -n -E '^\s*#\s*include\s*"' "$folder"/*.h "$folder"/*.cpp |
    while IFS= read -r line; do
      header=$(sed -E 's/.*#\s*include\s*"([^"]+)".*/\1/' <<<"$line")
      if [ ! -f "$folder/$header" ] && [ ! -f "sdk/engine/include/$header" ]; then
        echo "$line"
      fi
    done)
  if [ -n "$bad" ]; then
    echo "$folder includes what is neither its own nor the host engine's public face (sdk/engine/include):" >&2
    echo "$bad" >&2
    status=1
  fi
done

[ "$status" -eq 0 ] &&
  echo "includes: the SDK's headers only C headers, the plug-in only host headers, the object API only the engine's public face"
exit "$status"
