#!/usr/bin/env python3
"""Writes the module-definition file of the stand-in's bridge: every function
abi_bridge.h declares with BRIDGE_API, exported by the MinGW stand-in DLL
under its C name. The MSVC-ABI sicppsdk.dll links them through it."""
import argparse
import re
import sys


def bridge_functions(header_text):
    # A declaration: BRIDGE_API, its return type, the name, "(".
    names = re.findall(r"\bBRIDGE_API\b[^;(]*?\b(bridge_\w+)\s*\(", header_text)
    if not names:
        raise SystemExit("no BRIDGE_API function found in the header")
    if len(set(names)) != len(names):
        raise SystemExit("a bridge function is declared twice")
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--header", required=True)
    parser.add_argument("--library", required=True, help="the DLL that exports them, e.g. sicppsdk-mingw.dll")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    with open(args.header, encoding="utf-8") as header:
        names = bridge_functions(header.read())
    with open(args.out, "w", encoding="utf-8", newline="\n") as out:
        out.write("LIBRARY %s\nEXPORTS\n" % args.library)
        for name in names:
            out.write("    %s\n" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
