#!/usr/bin/env bash
# Runs a command with a Wine of the given bitness and a prefix of its own
# (tests/support/wine_prefix.sh), made once for all the command runs:
# $WINE runs a Windows program, $WINE_SERVER is its server.
#   run_under_wine.sh 32|64 COMMAND ARG...
set -euo pipefail
bits="$1"
shift

source "$(dirname "$0")/../support/wine_prefix.sh" "$bits"
export WINE="$wine" WINE_SERVER="$wineserver"
"$@"
