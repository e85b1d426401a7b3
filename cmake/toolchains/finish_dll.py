#!/usr/bin/env python3
"""Finishes a DLL that lld-link 14 wrote, in place, with the two things that
linker leaves undone:

- its export table starts at ordinal 0, an empty slot before the first
  export (lld 14 always writes an ordinal base of 0 and numbers exports from
  1): the table is made to start at ordinal 1, each export keeping its
  number, so that the table lists the exports and nothing else;
- its header's checksum is 0 (lld 14 has no /release): it is set, as the PE
  format defines it, last, over the finished file.

Nothing else changes: the code, the PDB the DLL names and the file's size
stay as the linker made them. Run again on a finished DLL it changes nothing.

    finish_dll.py DLL
"""

import os
import struct
import sys

EXPORT_DIRECTORY = 0


def headers(data):
    """(offset of the optional header, offset of the data directories, the section table)."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    count = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    pe32_plus = struct.unpack_from("<H", data, optional)[0] == 0x20B
    directories = optional + (112 if pe32_plus else 96)
    sections = []
    table = optional + optional_size
    for i in range(count):
        _, virtual_size, address, raw_size, pointer = struct.unpack_from("<8sIIII", data, table + 40 * i)
        sections.append((address, max(virtual_size, raw_size), pointer))
    return optional, directories, sections


def file_offset(sections, rva):
    for address, size, pointer in sections:
        if address <= rva < address + size:
            return pointer + rva - address
    raise ValueError(f"RVA {rva:#x} is in no section")


def start_exports_at_ordinal_1(data, directories, sections):
    rva = struct.unpack_from("<I", data, directories + 8 * EXPORT_DIRECTORY)[0]
    if rva == 0:
        return
    table = file_offset(sections, rva)
    base, functions, names, address_table, _, ordinal_table = struct.unpack_from("<IIIIII", data, table + 16)
    if base != 0:
        return
    if struct.unpack_from("<I", data, file_offset(sections, address_table))[0] != 0:
        raise ValueError("something is exported as ordinal 0: the table cannot start at 1")
    # The slot of ordinal 0 drops off the front of the address table; each
    # name's entry in the ordinal table indexes from the new base.
    struct.pack_into("<III", data, table + 16, 1, functions - 1, names)
    struct.pack_into("<I", data, table + 28, address_table + 4)
    ordinals = file_offset(sections, ordinal_table)
    for i in range(names):
        index = struct.unpack_from("<H", data, ordinals + 2 * i)[0]
        struct.pack_into("<H", data, ordinals + 2 * i, index - 1)


def pe_checksum(data, checksum_at):
    """The PE checksum: the file's 16-bit words added with end-around carry,
    the checksum field counted as zero, plus the file's length."""
    total = 0
    words = bytes(data[:checksum_at]) + b"\0\0\0\0" + bytes(data[checksum_at + 4:])
    if len(words) % 2:
        words += b"\0"
    for (word,) in struct.iter_unpack("<H", words):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def main():
    path = sys.argv[1]
    with open(path, "rb") as dll:
        data = bytearray(dll.read())
    optional, directories, sections = headers(data)
    start_exports_at_ordinal_1(data, directories, sections)
    checksum_at = optional + 64
    struct.pack_into("<I", data, checksum_at, pe_checksum(data, checksum_at))
    finished = path + ".finishing"
    with open(finished, "wb") as out:
        out.write(data)
    os.replace(finished, path)


if __name__ == "__main__":
    try:
        main()
    except ValueError as error:
        sys.exit(f"finish_dll.py: {sys.argv[1]}: {error}")
