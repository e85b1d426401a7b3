#!/usr/bin/env bash
# Runs the Windows build of the emulated host under Wine on the sample scene
# and compares its JSON report with the one the Linux build gives.
set -euo pipefail
exe="$1" scene="$2" expected="$3"

wine=$(command -v wine64 || command -v wine || true)
if [ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
fi
if [ -z "$wine" ]; then
  echo "wine64 is not installed" >&2
  exit 1
fi

# A prefix of our own, quiet, with no display and no add-on installers.
prefix=$(mktemp -d)
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
unset WAYLAND_DISPLAY

actual=$("$wine" "$exe" --scene "$scene" --report json </dev/null)
if [ "$actual" != "$(cat "$expected")" ]; then
  echo "the Windows build's report differs from the Linux one:" >&2
  diff <(cat "$expected") <(echo "$actual") >&2 || true
  exit 1
fi
echo "Windows build under Wine: the report matches the Linux one"
