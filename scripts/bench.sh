#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs both: the command through the
# loaded module against its floor, then quillmere-host end to end on
# generated rigs against reading and writing the file alone. Prints the
# date, the machine and both tables, as docs/benchmark.md shows them.
#   --quick   the smallest sizes once each (what the test command runs)
set -euo pipefail
cd "$(dirname "$0")/.."

command_args=()
end_to_end_args=()
if [ "${1:-}" = "--quick" ]; then
  command_args=(--sizes=1000 --repetitions=1)
  end_to_end_args=(--sizes 1000 --repetitions 1)
fi

bash scripts/install-deps.sh >&2
cmake --preset bench >&2
cmake --build --preset bench -j "$(nproc)" >&2

model=$(awk -F': ' '/^model name/ {print $2; exit}' /proc/cpuinfo)
memory=$(awk '/^MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)
echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $model, $(nproc) cores, $memory"
echo
echo "The command, through the loaded module (ms):"
echo
build/bench/bench/quillmere-bench "${command_args[@]}"
echo
echo "quillmere-host end to end:"
echo
python3 bench/end_to_end.py build/bench "${end_to_end_args[@]}"
