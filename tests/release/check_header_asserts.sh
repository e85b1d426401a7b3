#!/usr/bin/env bash
# Compiles one translation unit that includes every header of sdk/include for
# an MSVC target, as the plug-in is compiled, so that the headers' static_asserts
# on each class's size and alignment are checked in that ABI.
#   check_header_asserts.sh COMPILER TRIPLE SDK_INCLUDE_DIR C_HEADERS_DIR SAL_HEADERS_DIR [OPTION...]
# (The options: warnings off for the host's own dialect, as for the plug-in.)
set -euo pipefail
compiler="$1" triple="$2" include_dir="$3" c_headers="$4" sal_headers="$5"
shift 5
options=("$@")

headers=$(cd "$include_dir" && ls -- *.h)
source=$(for header in $headers; do echo "#include <$header>"; done)
compile() {
  "$compiler" --target="$triple" -std=c++11 -fno-exceptions -fno-rtti -Wall -Wextra -Wpedantic -Werror "$@" \
    -isystem "$c_headers" -idirafter "$sal_headers" -I "$include_dir" -x c++ - <<<"$source"
}
# Counted once expanded for this target, so that assertions a header's
# macros leave out here are not counted.
expanded=$(compile "${options[@]}" -E -P)
sizes=$(grep -o 'static_assert *( *sizeof' <<<"$expanded" | wc -l || true)
if [ "$sizes" -eq 0 ]; then
  echo "$include_dir: no size static_assert applies to $triple: nothing checks the sizes" >&2
  exit 1
fi
compile "${options[@]}" -fsyntax-only
echo "$(wc -w <<<"$headers") headers, $sizes classes' size assertions: all hold for $triple"
