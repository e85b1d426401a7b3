#!/usr/bin/env bash
# Checks a plug-in DLL as the host loads it: its PE format, an export table of
# exactly the entry points given after it (undecorated), and imports of only
# the host's libraries and Windows system DLLs.
#   check_pe_tables.sh OBJDUMP FORMAT DLL ENTRY_POINT...
set -euo pipefail
objdump="$1" format="$2" dll="$3"
shift 3

header=$("$objdump" -f "$dll")
if ! grep -q "file format $format" <<<"$header"; then
  echo "$dll: not a $format DLL:" >&2
  echo "$header" >&2
  exit 1
fi

tables=$("$objdump" -p "$dll")
exports=$(awk '/\[Ordinal\/Name Pointer\] Table/ {on=1; next} on && /^[ \t]*\[/ {print $NF; next} on {on=0}' <<<"$tables" | sort)
expected=$(printf '%s\n' "$@" | sort)
if [ "$exports" != "$expected" ]; then
  echo "$dll: the export table is not exactly the entry points:" >&2
  diff <(echo "$expected") <(echo "$exports") >&2 || true
  exit 1
fi

imports=$(awk '/DLL Name:/ {print $3}' <<<"$tables")
unexpected=$(grep -v -i -E '^(sicppsdk|sicoresdk|kernel32|msvcrt|user32|advapi32|ntdll)\.dll$|^api-ms-win-' <<<"$imports" || true)
if [ -n "$unexpected" ]; then
  echo "$dll: imports DLLs other than the host's and Windows' own: $unexpected" >&2
  exit 1
fi
for needed in sicppsdk.dll sicoresdk.dll; do
  if ! grep -q -i -x "$needed" <<<"$imports"; then
    echo "$dll: does not import $needed" >&2
    exit 1
  fi
done
echo "$dll: $format; exports the $# entry points; imports $(tr '\n' ' ' <<<"$imports")"
