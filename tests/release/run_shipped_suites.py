#!/usr/bin/env python3
"""The plug-in's conversation suites (tests/plugin: registration, the
command, the option property, the conversation with the host under every
reading, the host's faults, random scenes), built for Windows, run under
Wine against the DLL taken out of the release archive, beside the stand-in
in the host's binary interface: the shipped bytes hold the conversation the
Linux build of the same sources holds.

Run it under tests/release/run_under_wine.sh."""

import argparse
import os
import re
import sys
import tempfile

import shipped_dll


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    shipped_dll.add_arguments(parser, "the suites built for Windows, with the stand-in")
    args = parser.parse_args()
    shipped_dll.absolute(args)
    if not os.path.exists(os.path.join(args.mingw_bin, "plugin_suites.exe")):
        sys.exit(f"{args.mingw_bin}/plugin_suites.exe is missing: build the MinGW preset of this bitness first")

    with tempfile.TemporaryDirectory() as work:
        dll = shipped_dll.shipped_dll(args.root, args.x86_dll, args.x64_dll, args.bits, work)
        folder = shipped_dll.run_folder(work, args.mingw_bin, args.standin, dll)
        wine = shipped_dll.Wine(folder)
        run = wine.run(["plugin_suites.exe", "--gtest_brief=1"], timeout=1200)
    print(run.stdout)
    print(run.stderr, file=sys.stderr)
    ran = re.search(r"\[==========\] (\d+) tests? from (\d+) test suites? ran", run.stdout)
    if run.returncode != 0 or ran is None or "[  PASSED  ]" not in run.stdout:
        print(f"the suites failed under {args.bits}-bit Wine against the shipped DLL (exit {run.returncode})",
              file=sys.stderr)
        return 1
    print(f"{ran.group(1)} tests of {ran.group(2)} suites pass under {args.bits}-bit Wine against the shipped DLL")
    return 0


if __name__ == "__main__":
    sys.exit(main())
