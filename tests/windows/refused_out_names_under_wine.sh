#!/usr/bin/env bash
# The Windows build of the emulated host refuses, before the run, an --out
# that names a device (NUL, CON, nul.json, COM1.txt) or a stream of a file
# (scene.json:notes): exit 2, one line, no report, nothing made.
set -euo pipefail
exe="$1" scene="$2"

source "$(dirname "$0")/../support/wine_prefix.sh"

# Wine's first run makes the prefix, and says so on standard error.
"$wine" "$exe" --version >/dev/null 2>&1 </dev/null
mkdir "$wine_work/out"
cd "$wine_work/out"
status=0
for name in NUL CON nul.json COM1.txt lpt9 scene.json:notes; do
  set +e
  "$wine" "$exe" --scene "$scene" --page OK --out "$name" >"$wine_work/report" 2>"$wine_work/error" </dev/null
  exit_status=$?
  set -e
  error=$(tr -d '\r' <"$wine_work/error")
  case "$name" in
    *:*) why="names a stream of a file" ;;
    *) why="is a Windows device name" ;;
  esac
  if [ "$exit_status" -ne 2 ] || [[ "$error" != "quillmere-host: --out: $name $why"* ]] ||
    [ "$(printf '%s\n' "$error" | wc -l)" -ne 1 ] || [ -s "$wine_work/report" ]; then
    echo "--out $name: exit $exit_status, standard error: $error" >&2
    echo "  expected exit 2, one line \"quillmere-host: --out: $name $why ...\" and no report" >&2
    status=1
  fi
done
if [ -n "$(ls -A)" ]; then
  echo "files were made: $(ls -A)" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "Windows build under Wine: device names and streams refused as --out before the run"
exit "$status"
