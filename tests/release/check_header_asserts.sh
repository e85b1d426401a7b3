#!/usr/bin/env bash
# Compiles one translation unit that includes every header of sdk/include for
# an MSVC target, as the plug-in is compiled, so that the headers' static_asserts
# on each class's size and alignment are checked in that ABI.
#   check_header_asserts.sh COMPILER TRIPLE SDK_INCLUDE_DIR C_HEADERS_DIR
set -euo pipefail
compiler="$1" triple="$2" include_dir="$3" c_headers="$4"

headers=$(cd "$include_dir" && ls -- *.h)
asserts=$(cat "$include_dir"/*.h | grep -c 'static_assert' || true)
if [ "$asserts" -eq 0 ]; then
  echo "$include_dir: no static_assert in any header: nothing checks the sizes" >&2
  exit 1
fi
source=$(for header in $headers; do echo "#include <$header>"; done)
"$compiler" --target="$triple" -std=c++11 -fsyntax-only -fno-exceptions -fno-rtti \
  -Wall -Wextra -Wpedantic -Werror -Wno-language-extension-token \
  -isystem "$c_headers" -idirafter /usr/include/wine/wine/windows -I "$include_dir" -x c++ - <<<"$source"
echo "$(wc -w <<<"$headers") headers, $asserts static_asserts: all hold for $triple"
