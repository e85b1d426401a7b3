#!/usr/bin/env bash
# Checks that a module's defined dynamic symbols are exactly the host's entry
# points, given after the module, and that it needs only the host's two
# libraries and the C/C++ runtime.
#   check_exports.sh MODULE ENTRY_POINT...
set -euo pipefail
module="$1"
shift
expected=$(printf '%s\n' "$@" | sort)
# Only the symbols the module defines; linker markers such as _init/_fini are not ours.
actual=$(nm -D --defined-only "$module" | awk '{print $3}' | grep -v -E '^(_init|_fini|_edata|_end|__bss_start)$' | sort)
if [ "$actual" != "$expected" ]; then
  echo "$module: exported symbols differ from the entry points:" >&2
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  exit 1
fi
needed=$(readelf -d "$module" | awk '/NEEDED/ {gsub(/[\[\]]/, "", $5); print $5}')
# (The sanitizer build adds its runtimes.)
unexpected=$(grep -v -E '^lib(sicppsdk|sicoresdk|stdc\+\+|m|gcc_s|c|asan|ubsan)\.so' <<<"$needed" || true)
if [ -n "$unexpected" ]; then
  echo "$module: links more than the host libraries and the standard library: $unexpected" >&2
  exit 1
fi
echo "$module exports exactly the $# entry points; needs $(tr '\n' ' ' <<<"$needed")"
