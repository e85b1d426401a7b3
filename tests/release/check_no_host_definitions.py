#!/usr/bin/env python3
"""Checks that the plug-in's objects, compiled at -O0 in the MSVC ABI with the
host's classes not marked for import, define nothing of namespace XSI but
what the host's own headers define: no member, operator, constant or virtual
table of the host's. Unoptimized and not imported, every inline function a
header defines and the plug-in calls is compiled into the object that calls
it; on the host such a body would run the stand-in's code on the host's
objects. The host's headers define two things (and only these may show):
Application's empty destructor and CValue's comparisons with built-in
numbers. So a list with nothing else shows that the headers leave
everything else to the host's DLLs.

    check_no_host_definitions.py --nm llvm-nm --names-module DIR OBJECT... | @LIST_FILE
"""

import argparse
import os
import re
import subprocess
import sys

# What the host's headers define inline: ~Application() {}, and CValue's
# operator== with short, unsigned short, int, LONG, ULONG, LLONG, ULLONG,
# float, double, bool, unsigned char or signed char (32- and 64-bit names).
HOST_INLINE = re.compile(r"^\?\?1Application@XSI@@U(AE|EAA)@XZ$|"
                         r"^\?\?8CValue@XSI@@Q(BE|EBA)_N(F|G|H|J|K|_J|_K|M|N|_N|E|C)@Z$")


def symbols(nm, path, option):
    listing = subprocess.run([nm, option, "--format=just-symbols", path], capture_output=True, text=True)
    if listing.returncode != 0:
        sys.exit(f"{path}: {nm} failed: {listing.stderr.strip()}")
    return listing.stdout.split()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0], fromfile_prefix_chars="@")
    parser.add_argument("--nm", required=True)
    parser.add_argument("--names-module", required=True, help="the folder holding msvc_names.py")
    parser.add_argument("objects", nargs="+")
    args = parser.parse_args()
    sys.path.insert(0, args.names_module)
    import msvc_names

    host_definitions = []
    defined = imported = 0
    for path in args.objects:
        for symbol in symbols(args.nm, path, "--defined-only"):
            defined += 1
            parsed = msvc_names.parse(symbol)
            # A template is not read: reported if it names the host at all.
            if (parsed.outermost == "XSI") if parsed else (symbol.startswith("?") and "@XSI@@" in symbol):
                if not HOST_INLINE.match(symbol):
                    host_definitions.append(f"{os.path.basename(path)}: {symbol}")
        imported += sum(1 for symbol in symbols(args.nm, path, "--undefined-only") if "@XSI@@" in symbol)
    if imported == 0:
        sys.exit("the objects call nothing of the host's: not the plug-in's objects?")
    if host_definitions:
        print(f"the plug-in compiled at -O0 defines {len(host_definitions)} names of namespace XSI:", file=sys.stderr)
        print("\n".join(host_definitions), file=sys.stderr)
        sys.exit(1)
    print(f"{len(args.objects)} objects at -O0, not imported: {defined} names defined, none of namespace XSI "
          f"but what the host's headers define; {imported} references to the host's")


if __name__ == "__main__":
    main()
