#!/usr/bin/env bash
# Checks that a module's defined dynamic symbols are exactly the host's six entry points.
set -euo pipefail
module="$1"
expected=$(printf '%s\n' QuillmereOption_Define QuillmereOption_DefineLayout QuillmereOption_PPGEvent \
  Quillmere_Execute Quillmere_Init XSILoadPlugin | sort)
# Only the symbols the module defines; linker markers such as _init/_fini are not ours.
actual=$(nm -D --defined-only "$module" | awk '{print $3}' | grep -v -E '^(_init|_fini|_edata|_end|__bss_start)$' | sort)
if [ "$actual" != "$expected" ]; then
  echo "$module: exported symbols differ from the six entry points:" >&2
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  exit 1
fi
echo "$module exports exactly the six entry points"
