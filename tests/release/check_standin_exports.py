#!/usr/bin/env python3
"""Checks the stand-in's DLLs in the host's binary interface against the
host's import list: each exports, by name, every name the list gives for
its bitness and DLL, so that a plug-in built for the host binds to them as
it binds to the host's own. (They export more: the rest of the classes.)

    check_standin_exports.py --platform nt-x86|nt-x86-64 --host-imports FILE
                             --sicppsdk sicppsdk.dll --sicoresdk sicoresdk.dll
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from pe_image import PeImage  # noqa: E402

from check_release_dll import PLATFORMS, host_import_list  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--platform", required=True, choices=sorted(PLATFORMS))
    parser.add_argument("--host-imports", required=True)
    parser.add_argument("--sicppsdk", required=True)
    parser.add_argument("--sicoresdk", required=True)
    args = parser.parse_args()
    machine, magic, kind, section = PLATFORMS[args.platform]
    listed = host_import_list(args.host_imports, section)
    if not listed:
        sys.exit(f"{args.host_imports}: no names under \"{section}\"")

    failed = False
    counts = []
    for dll, path in (("sicppsdk.dll", args.sicppsdk), ("sicoresdk.dll", args.sicoresdk)):
        with open(path, "rb") as data:
            image = PeImage(data.read())
        if (image.machine, image.magic) != (machine, magic):
            print(f"FAIL: {path} is not a {kind} DLL", file=sys.stderr)
            failed = True
            continue
        exported = set(image.exports()[0])
        missing = sorted(listed.get(dll, set()) - exported)
        if missing:
            print(f"FAIL: {path} does not export what the host's {args.platform} list has the plug-in import from "
                  f"{dll}: {' '.join(missing)}", file=sys.stderr)
            failed = True
        counts.append(f"{dll} all {len(listed.get(dll, set()))} of the list ({len(exported)} exports)")
    if failed:
        return 1
    print(f"the stand-in's {kind} DLLs export every name of the host's {args.platform} list: {'; '.join(counts)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
