#!/usr/bin/env python3
"""Checks a release Quillmere.dll's tables, as the host's loader reads them:

- the machine: PE32 i386 for nt-x86, PE32+ x86-64 for nt-x86-64, and a DLL;
- its exports: exactly the entry points, by name, undecorated;
- its imports: by name, only from sicppsdk.dll and sicoresdk.dll, and
  exactly the names listed for its bitness and DLL in the host's import list,
  which the host's own headers make the plug-in import;
- nothing that runs when it loads, nor a runtime's leftovers: no entry point,
  no TLS directory or .tls section, no .CRT section (where the linker gathers
  .CRT$XC* dynamic initializers and TLS callbacks), no delay-load imports;
- its version resource carries the project's version;
- its debug directory names its PDB without a build path (the PDB itself is
  kept beside the release, not in it).

    check_release_dll.py --platform nt-x86|nt-x86-64 --host-imports FILE
                         --dll Quillmere.dll --version X.Y.Z --entry-points NAME...
"""

import argparse
import struct
import sys

PLATFORMS = {
    # machine, optional header magic, what it is called, the host list's section
    "nt-x86": (0x14C, 0x10B, "PE32 i386", "## 32-bit (nt-x86)"),
    "nt-x86-64": (0x8664, 0x20B, "PE32+ x86-64", "## 64-bit (nt-x86-64)"),
}
ALLOWED_DLLS = ("sicppsdk.dll", "sicoresdk.dll")
IMAGE_FILE_DLL = 0x2000
EXPORT, IMPORT, DEBUG, TLS, DELAY_IMPORT = 0, 1, 6, 9, 13
IMAGE_DEBUG_TYPE_CODEVIEW = 2

problems = []


def problem(text):
    problems.append(text)
    print("FAIL: " + text, file=sys.stderr)


class PeImage:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not a PE file")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, count, _, _, _, optional_size, self.characteristics = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        self.pe32_plus = self.magic == 0x20B
        self.entry_point = struct.unpack_from("<I", data, optional + 16)[0]
        directories = optional + (112 if self.pe32_plus else 96)
        directory_count = struct.unpack_from("<I", data, directories - 4)[0]
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(directory_count)]
        table = optional + optional_size
        self.sections = []
        for i in range(count):
            name, virtual_size, address, raw_size, pointer = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode("ascii", "replace"), address, max(virtual_size, raw_size),
                                  pointer))

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def offset(self, rva):
        for _, address, size, pointer in self.sections:
            if address <= rva < address + size:
                return pointer + rva - address
        raise ValueError(f"RVA {rva:#x} is in no section")

    def u32(self, rva):
        return struct.unpack_from("<I", self.data, self.offset(rva))[0]

    def string(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def exports(self):
        """(the exported names, how many functions the table exports, named or not)."""
        rva, _ = self.directory(EXPORT)
        if rva == 0:
            return [], 0
        functions, names, address_table, name_table = struct.unpack_from("<IIII", self.data, self.offset(rva) + 20)
        # An unused ordinal's slot holds 0 (lld leaves ordinal 0 so).
        exported = sum(1 for i in range(functions) if self.u32(address_table + 4 * i))
        return [self.string(self.u32(name_table + 4 * i)) for i in range(names)], exported

    def imports(self):
        """{dll: [name, or "#ordinal" for an import by ordinal]}."""
        rva, _ = self.directory(IMPORT)
        tables = {}
        while rva:
            lookup, _, _, name, first_thunk = struct.unpack_from("<IIIII", self.data, self.offset(rva))
            if name == 0:
                break
            thunk_size, ordinal_flag = (8, 1 << 63) if self.pe32_plus else (4, 1 << 31)
            thunk = lookup or first_thunk
            entries = []
            while True:
                value = struct.unpack_from("<Q" if self.pe32_plus else "<I", self.data, self.offset(thunk))[0]
                if value == 0:
                    break
                entries.append(f"#{value & 0xFFFF}" if value & ordinal_flag else self.string((value & 0x7FFFFFFF) + 2))
                thunk += thunk_size
            tables[self.string(name)] = entries
            rva += 20
        return tables

    def file_version(self):
        at = self.data.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO's signature
        if at < 0:
            return None
        most, least = struct.unpack_from("<II", self.data, at + 8)
        return (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF)

    def pdb_names(self):
        rva, size = self.directory(DEBUG)
        names = []
        for i in range(size // 28 if rva else 0):
            entry = self.offset(rva) + 28 * i
            kind, data_size, _, pointer = struct.unpack_from("<IIII", self.data, entry + 12)
            if kind == IMAGE_DEBUG_TYPE_CODEVIEW and self.data[pointer:pointer + 4] == b"RSDS":
                names.append(self.data[pointer + 24:pointer + data_size].split(b"\0")[0].decode("utf-8", "replace"))
        return names


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

    exports, functions = image.exports()
    if sorted(exports) != sorted(args.entry_points) or functions != len(args.entry_points):
        problem(f"exports {sorted(exports)} ({functions} functions), not exactly the entry points "
                f"{sorted(args.entry_points)}")

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
    print(f"{args.dll}: {kind} DLL; exports the {len(exports)} entry points; imports {counts}, exactly the "
          f"host's {args.platform} list; no entry point, TLS or initializer table; version {args.version}; PDB named {pdbs[0]}")


if __name__ == "__main__":
    main()
