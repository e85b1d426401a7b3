#!/usr/bin/env bash
# Runs the Windows build of the emulated host under Wine on the sample scene
# and compares its JSON report with the one the Linux build gives.
set -euo pipefail
exe="$1" scene="$2" expected="$3"

source "$(dirname "$0")/../support/wine_prefix.sh"

actual=$("$wine" "$exe" --scene "$scene" --page OK --report json </dev/null)
if [ "$actual" != "$(cat "$expected")" ]; then
  echo "the Windows build's report differs from the Linux one:" >&2
  diff <(cat "$expected") <(echo "$actual") >&2 || true
  exit 1
fi
echo "Windows build under Wine: the report matches the Linux one"
