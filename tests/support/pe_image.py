"""A PE image's tables, read as the Windows loader reads them: the headers,
the sections, the exports and imports by name, the version resource and the
PDB the debug directory names. For the checks of the DLLs the project builds.
"""

import struct

EXPORT, IMPORT, DEBUG, TLS, LOAD_CONFIG, DELAY_IMPORT = 0, 1, 6, 9, 10, 13
IMAGE_DEBUG_TYPE_CODEVIEW = 2


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
        self.os_version = struct.unpack_from("<HH", data, optional + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        self.checksum_offset = optional + 64
        self.checksum = struct.unpack_from("<I", data, self.checksum_offset)[0]
        self.dll_characteristics = struct.unpack_from("<H", data, optional + 70)[0]
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

    def export_slots(self):
        """(the ordinal base, the address table: one RVA per ordinal from the base, 0 where unused)."""
        rva, _ = self.directory(EXPORT)
        if rva == 0:
            return None, []
        base, functions, _, address_table = struct.unpack_from("<IIII", self.data, self.offset(rva) + 16)
        return base, [self.u32(address_table + 4 * i) for i in range(functions)]

    def computed_checksum(self):
        """The checksum the header should hold, as Windows' CheckSumMappedFile
        computes it: the 16-bit words of the file, the checksum field taken as
        zero, summed with the carries folded back in, plus the file's length."""
        data = bytearray(self.data)
        data[self.checksum_offset:self.checksum_offset + 4] = bytes(4)
        if len(data) % 2:
            data.append(0)
        total = sum(struct.unpack(f"<{len(data) // 2}H", data))
        while total > 0xFFFF:
            total = (total & 0xFFFF) + (total >> 16)
        return total + len(self.data)

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
