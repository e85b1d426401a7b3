#!/usr/bin/env python3
"""Writes sicppsdk.def and sicoresdk.def, from which the release build makes
the host's import libraries: every host name the plug-in's objects import,
under the DLL that exports it.

The objects say what they import: each host function or datum reached through
__declspec(dllimport) is an undefined "__imp_" symbol. The host's rule for
which DLL exports what: the data constants declared XSIDECL in xsi_decl.h come
from sicoresdk.dll, every class member and free operator of namespace XSI from
sicppsdk.dll. Anything else imported is not the host's, and stops the build.

    write_import_defs.py --nm llvm-nm --decl-header sdk/include/xsi_decl.h
                         --out-dir DIR OBJECT...
"""

import argparse
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import msvc_names  # noqa: E402

IMPORT_PREFIX = "__imp_"


def core_constants(decl_header):
    """The names xsi_decl.h declares `extern XSIDECL`: the constants sicoresdk.dll exports."""
    with open(decl_header, encoding="utf-8") as header:
        text = re.sub(r"//[^\n]*|/\*.*?\*/", "", header.read(), flags=re.S)
    return set(re.findall(r"\bextern\s+XSIDECL\b[^;(){}]*?\b(\w+)\s*;", text))


def imported_names(nm, objects):
    names = set()
    for path in objects:
        listing = subprocess.run([nm, "--undefined-only", "--format=just-symbols", path], capture_output=True,
                                 text=True)
        if listing.returncode != 0:
            sys.exit(f"{path}: {nm} failed: {listing.stderr.strip()}")
        names.update(symbol[len(IMPORT_PREFIX):] for symbol in listing.stdout.split()
                     if symbol.startswith(IMPORT_PREFIX))
    return names


def route(names, constants):
    """{dll: [(name, is_data)]}; exits naming every import the host does not export."""
    exports = {"sicppsdk.dll": [], "sicoresdk.dll": []}
    strangers = []
    for name in sorted(names):
        parsed = msvc_names.parse(name)
        if parsed is None or parsed.outermost != "XSI":
            strangers.append(name)
        elif parsed.scopes == ["XSI"] and parsed.is_data:
            identifier = name[1:name.index("@")]
            if identifier not in constants:
                strangers.append(name)
                continue
            exports["sicoresdk.dll"].append((name, True))
        else:
            exports["sicppsdk.dll"].append((name, parsed.is_data))
    if strangers:
        sys.exit("the plug-in imports names neither host DLL exports (not a member of namespace XSI, "
                 "nor a constant declared XSIDECL in xsi_decl.h): " + " ".join(strangers))
    return exports


def write_def(path, dll, entries):
    lines = [f"LIBRARY {dll}", "EXPORTS"]
    lines += [f"    {name} DATA" if is_data else f"    {name}" for name, is_data in entries]
    text = "\n".join(lines) + "\n"
    # Rewritten only when it changes, so the import library is remade only then.
    if os.path.exists(path):
        with open(path, encoding="ascii") as existing:
            if existing.read() == text:
                return
    with open(path, "w", encoding="ascii") as out:
        out.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--nm", required=True)
    parser.add_argument("--decl-header", required=True)
    parser.add_argument("--out-dir", required=True)
    parser.add_argument("objects", nargs="+")
    args = parser.parse_args()
    constants = core_constants(args.decl_header)
    if not constants:
        sys.exit(f"{args.decl_header}: no XSIDECL constant found")
    exports = route(imported_names(args.nm, args.objects), constants)
    for dll, entries in exports.items():
        write_def(os.path.join(args.out_dir, dll.replace(".dll", ".def")), dll, entries)


if __name__ == "__main__":
    main()
