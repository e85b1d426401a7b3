#!/usr/bin/env python3
"""Checks a release Quillmere.dll's tables, as the host's loader reads them:

- the machine: PE32 i386 for nt-x86, PE32+ x86-64 for nt-x86-64, and a DLL;
- its exports: exactly the entry points, by name, undecorated, numbered from
  ordinal 1 with no unused slot;
- its imports: by name, only from sicppsdk.dll and sicoresdk.dll, and
  exactly the names listed for its bitness and DLL in the host's import list,
  which the host's own headers make the plug-in import;
- nothing that runs when it loads, nor a runtime's leftovers: no entry point,
  no TLS directory or .tls section, no .CRT section (where the linker gathers
  .CRT$XC* dynamic initializers and TLS callbacks), no delay-load imports;
- its version resource carries the project's version;
- its header: the checksum set and right (computed here as Windows'
  CheckSumMappedFile does), Windows 6.0 (Vista) as the oldest it runs on, no
  load-config table, and on 32 bits the flag that it has no exception
  handler of its own (NO_SEH), which is why it needs no SafeSEH table;
- its debug directory names its PDB without a build path (the PDB itself is
  kept beside the release, not in it).

    check_release_dll.py --platform nt-x86|nt-x86-64 --host-imports FILE
                         --dll Quillmere.dll --version X.Y.Z --entry-points NAME...
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from pe_image import DELAY_IMPORT, LOAD_CONFIG, TLS, PeImage  # noqa: E402

PLATFORMS = {
    # machine, optional header magic, what it is called, the host list's section
    "nt-x86": (0x14C, 0x10B, "PE32 i386", "## 32-bit (nt-x86)"),
    "nt-x86-64": (0x8664, 0x20B, "PE32+ x86-64", "## 64-bit (nt-x86-64)"),
}
ALLOWED_DLLS = ("sicppsdk.dll", "sicoresdk.dll")
IMAGE_FILE_DLL = 0x2000
IMAGE_DLLCHARACTERISTICS_NO_SEH = 0x400
# The oldest Windows the DLLs are said to run on, in the README and the help page.
OLDEST_WINDOWS = (6, 0)

problems = []


def problem(text):
    problems.append(text)
    print("FAIL: " + text, file=sys.stderr)


def host_import_list(path, section):
    """{dll: set of names} listed under the section's heading."""
    listed = {}
    current = None
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.strip()
            if line.startswith("## "):
                current = line
            elif line and not line.startswith("#") and current == section:
                dll, name = line.split(None, 1)
                listed.setdefault(dll.lower(), set()).add(name)
    return listed


def check_imports(image, listed, platform):
    imports = image.imports()
    if set(dll.lower() for dll in imports) != set(ALLOWED_DLLS):
        problem(f"imports from {sorted(imports)}, not from exactly {list(ALLOWED_DLLS)}")
    for dll, names in sorted(imports.items()):
        unlisted = [name for name in names if name not in listed.get(dll.lower(), set())]
        if unlisted:
            problem(f"imports from {dll} what the host's {platform} list does not have there: {' '.join(unlisted)}")
    # The other way round too: a member a header defines inline is compiled
    # into the optimized plug-in instead of being imported (at -O0 it is
    # still imported, so the unoptimized check cannot see it).
    imported = {dll.lower(): set(names) for dll, names in imports.items()}
    for dll, names in sorted(listed.items()):
        missing = sorted(names - imported.get(dll, set()))
        if missing:
            problem(f"does not import from {dll} what the host's headers make the plug-in import "
                    f"(defined inline by a header, or declared otherwise): {' '.join(missing)}")
    if image.directory(DELAY_IMPORT)[0]:
        problem("has delay-load imports")
    return imports


def check_load_time_code(image):
    if image.entry_point:
        problem(f"has an entry point ({image.entry_point:#x}): code would run when the host loads it")
    if image.directory(TLS)[0]:
        problem("has a TLS directory")
    for name, _, _, _ in image.sections:
        if name.lower().startswith((".tls", ".crt")):
            problem(f"has a {name} section (thread-local data, or a runtime's initializers or TLS callbacks)")


def check_exports(image, entry_points):
    exports, functions = image.exports()
    if sorted(exports) != sorted(entry_points) or functions != len(entry_points):
        problem(f"exports {sorted(exports)} ({functions} functions), not exactly the entry points "
                f"{sorted(entry_points)}")
    base, slots = image.export_slots()
    if base != 1 or len(slots) != len(entry_points) or 0 in slots:
        problem(f"its export table starts at ordinal {base} with {len(slots)} slots, "
                f"{slots.count(0)} of them unused, not at 1 with one slot for each entry point")
    return exports


def check_header(image, platform):
    if image.checksum != image.computed_checksum():
        problem(f"its header's checksum is {image.checksum:#x}, not the file's, {image.computed_checksum():#x}")
    if image.os_version != OLDEST_WINDOWS or image.subsystem_version != OLDEST_WINDOWS:
        problem(f"asks for Windows {image.os_version} (subsystem {image.subsystem_version}), "
                f"not {OLDEST_WINDOWS} as its documents say")
    if image.directory(LOAD_CONFIG)[0]:
        problem("has a load-config table (stack cookie, Control Flow Guard or SafeSEH): docs/windows.md says why "
                "it has none")
    if platform == "nt-x86" and not image.dll_characteristics & IMAGE_DLLCHARACTERISTICS_NO_SEH:
        problem("lacks NO_SEH: a 32-bit DLL without a SafeSEH table must have no exception handler")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--platform", required=True, choices=sorted(PLATFORMS))
    parser.add_argument("--host-imports", required=True)
    parser.add_argument("--dll", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--entry-points", nargs="+", required=True)
    args = parser.parse_args()
    machine, magic, kind, section = PLATFORMS[args.platform]

    with open(args.dll, "rb") as dll:
        image = PeImage(dll.read())
    if (image.machine, image.magic) != (machine, magic) or not image.characteristics & IMAGE_FILE_DLL:
        problem(f"not a {kind} DLL (machine {image.machine:#x}, magic {image.magic:#x})")
        sys.exit(1)

    exports = check_exports(image, args.entry_points)
    check_header(image, args.platform)

    listed = host_import_list(args.host_imports, section)
    if not listed:
        sys.exit(f"{args.host_imports}: no names under \"{section}\"")
    imports = check_imports(image, listed, args.platform)
    check_load_time_code(image)

    version = tuple(int(part) for part in args.version.split(".")) + (0,) * (4 - len(args.version.split(".")))
    if image.file_version() != version:
        problem(f"has file version {image.file_version()}, not {version}")

    pdbs = image.pdb_names()
    if pdbs != ["Quillmere.pdb"]:
        problem(f"its debug directory names {pdbs}, not Quillmere.pdb alone")

    if problems:
        sys.exit(1)
    counts = ", ".join(f"{len(names)} from {dll}" for dll, names in sorted(imports.items()))
    print(f"{args.dll}: {kind} DLL; exports the {len(exports)} entry points from ordinal 1; imports {counts}, "
          f"exactly the host's {args.platform} list; no entry point, TLS or initializer table; version {args.version}; "
          f"PDB named {pdbs[0]}; checksum {image.checksum:#x}, Windows {OLDEST_WINDOWS[0]}.{OLDEST_WINDOWS[1]}, "
          f"no load-config table")


if __name__ == "__main__":
    main()
