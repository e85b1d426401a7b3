#!/usr/bin/env python3
"""Runs a compile (clang) or a link (lld-link) of the clang MSVC-ABI build so
that what it writes does not depend on the folder the checkout is in.

clang 14 records each compile's whole command line in the CodeView debug
information, besides the working folder and the sources' paths; lld-link
records in the PDB its own command line, its working folder and the paths of
the objects and the PDB. CMake gives both tools absolute paths. The PDB's
identifier is a hash of the PDB and the DLL carries it, so a folder's name in
the PDB changes the DLL too.

So every argument naming a place in the checkout (the folder two above this
file), and every such name in a response file (@FILE: CMake passes the
include folders so), is rewritten relative to the working folder, which is at
the same place in every checkout (build/<preset>/...), and the tools are
given one fixed name for the checkout, /quillmere, in place of the real one:

- clang: -ffile-compilation-dir, the working folder's name under /quillmere,
  and -ffile-prefix-map from the checkout's relative path to /quillmere, so
  that the debug information names /quillmere/plugin/command.cpp;
- lld-link: /pdbsourcepath, the working folder's name under /quillmere, from
  which it makes absolute the relative paths it records.

    relative_paths.py TOOL ARGUMENT...
"""

import os
import posixpath
import re
import subprocess
import sys
import tempfile

CHECKOUT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
FIXED_NAME = "/quillmere"


def main():
    tool, arguments = sys.argv[1], sys.argv[2:]
    here = os.getcwd()
    checkout_from_here = os.path.relpath(CHECKOUT, here)
    here_by_fixed_name = posixpath.normpath(posixpath.join(FIXED_NAME, os.path.relpath(here, CHECKOUT)))
    in_checkout = re.compile(re.escape(CHECKOUT) + r"(?=/|$|\s|\")")

    def relative(text):
        return in_checkout.sub(lambda _: checkout_from_here, text)

    with tempfile.TemporaryDirectory() as rewritten:
        made = []
        for argument in arguments:
            if argument.startswith("@") and os.path.isfile(argument[1:]):
                # The tools read the file as a list of arguments, so its copy
                # with relative paths reads the same; its name is not kept.
                with open(argument[1:], encoding="utf-8") as listing:
                    text = listing.read()
                copy = os.path.join(rewritten, f"{len(made)}.rsp")
                with open(copy, "w", encoding="utf-8") as out:
                    out.write(relative(text))
                made.append("@" + copy)
            else:
                made.append(relative(argument))
        if os.path.basename(tool).startswith("lld-link"):
            made.append("/pdbsourcepath:" + here_by_fixed_name)
        else:
            made += ["-ffile-compilation-dir=" + here_by_fixed_name,
                     "-ffile-prefix-map=" + checkout_from_here + "=" + FIXED_NAME]
        return subprocess.call([tool] + made)


if __name__ == "__main__":
    sys.exit(main())
