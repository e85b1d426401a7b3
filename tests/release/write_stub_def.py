#!/usr/bin/env python3
"""Writes the .def file of a stub host DLL for the load test from the .def
file the release build made for the real one: the same DLL name and the same
exports, each an alias of the stub's one function or one datum.

    write_stub_def.py HOST_DEF STUB_DEF
"""

import sys


def main():
    source, target = sys.argv[1:3]
    lines = []
    with open(source, encoding="ascii") as host_def:
        for line in host_def:
            words = line.split()
            if not words or words[0] in ("LIBRARY", "EXPORTS"):
                lines.append(line.rstrip())
            elif words[-1] == "DATA":
                lines.append(f"    {words[0]}=quillmere_stub_data DATA")
            else:
                lines.append(f"    {words[0]}=quillmere_stub_function")
    with open(target, "w", encoding="ascii") as stub_def:
        stub_def.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
