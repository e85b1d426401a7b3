#!/usr/bin/env python3
"""quillmere-host as a user runs it, on generated rigs, against its floor.

    python3 bench/end_to_end.py BUILD_DIR [--sizes 10000,100000,1000000] [--repetitions 3]

For each size, a rig from scripts/make-scene.py (kept in BUILD_DIR/scenes)
goes through `quillmere-host --scene FILE --page OK --report json --out OUT
--timings`, the report to /dev/null and the scene to a file beside the rig.
Its floor is quillmere-json-floor on the same file: read through the JSON
library and written back, nothing in between. The two alternate, each size
several times; the table gives medians, with the spread of the totals.
Peak RSS and user+sys time come from the kernel's account of each process.
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import time

PHASES = ["read", "build", "page", "command", "write", "report"]


def run(argv, stderr_to=subprocess.PIPE):
    """Runs a program; returns (wall seconds, user+sys seconds, peak RSS KiB, stderr)."""
    start = time.perf_counter()
    child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=stderr_to)
    err = child.stderr.read().decode() if child.stderr else ""
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        sys.exit(f"{argv[0]} failed with exit status {code}: {err.strip()}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss, err


def timings(err):
    for line in err.splitlines():
        if line.startswith("timings: "):
            return json.loads(line[len("timings: "):])
    sys.exit("quillmere-host printed no timings")


def scene_for(build, root, count):
    folder = os.path.join(build, "scenes")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, f"rig_{count}.json")
    if not os.path.exists(path):
        subprocess.run([sys.executable, os.path.join(root, "scripts", "make-scene.py"), str(count), path],
                       check=True)
    return path


def spread(values):
    return f"{statistics.median(values):.3f} ({min(values):.3f}–{max(values):.3f})"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("build", help="the benchmark build folder (with bin/quillmere-host)")
    parser.add_argument("--sizes", default="10000,100000,1000000")
    parser.add_argument("--repetitions", type=int, default=3)
    args = parser.parse_args()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    host = os.path.join(args.build, "bin", "quillmere-host")
    floor = os.path.join(args.build, "bench", "quillmere-json-floor")

    print("| N | file | read | build | page | command | write | report | total s, median (min–max) "
          "| user+sys | peak RSS | floor s, median (min–max) | total/floor |")
    print("| ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |")
    totals = {}
    for count in [int(n) for n in args.sizes.split(",")]:
        scene = scene_for(args.build, root, count)
        out = scene + ".out"
        runs, floors = [], []
        for r in range(args.repetitions):
            order = ["host", "floor"] if r % 2 == 0 else ["floor", "host"]
            for side in order:
                if side == "host":
                    wall, cpu, rss, err = run([host, "--scene", scene, "--page", "OK", "--report", "json",
                                               "--out", out, "--timings"])
                    runs.append((wall, cpu, rss, timings(err)))
                else:
                    floors.append(run([floor, scene, out])[0])
        os.remove(out)
        phase = {p: statistics.median(t[3][p] for t in runs) for p in PHASES}
        walls = [t[0] for t in runs]
        totals[count] = statistics.median(walls)
        size_mb = os.path.getsize(scene) / 1e6
        cells = " | ".join(f"{phase[p]:.3f}" for p in PHASES)
        print(f"| {count:,} | {size_mb:.0f} MB | {cells} | {spread(walls)} | "
              f"{statistics.median(t[1] for t in runs):.2f} | {max(t[2] for t in runs) / 1024:.0f} MiB | "
              f"{spread(floors)} | {totals[count] / statistics.median(floors):.2f} |", flush=True)
    sizes = sorted(totals)
    growth = " ".join(f"time({b:,}) / time({a:,}) = {totals[b] / totals[a]:.1f}." for a, b in zip(sizes, sizes[1:]))
    print(f"\nSeconds; phases as the program reports them (--timings), total and floor as wall time of the "
          f"process. {args.repetitions} run{'s' if args.repetitions != 1 else ''} of each per size. {growth}")


if __name__ == "__main__":
    main()
