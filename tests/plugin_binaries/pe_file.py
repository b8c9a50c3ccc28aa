"""A small reader of 32-bit PE files: headers, sections, exports and the resource tree.

Written for the checks of our plug-in DLLs; it reads only what they look at.
"""

import struct


class PeFormatError(Exception):
    pass


class Section:
    def __init__(self, name, virtual_address, virtual_size, raw_offset, raw_size):
        self.name = name
        self.virtual_address = virtual_address
        self.virtual_size = virtual_size
        self.raw_offset = raw_offset
        self.raw_size = raw_size

    def holds(self, rva):
        return self.virtual_address <= rva < self.virtual_address + max(self.virtual_size, self.raw_size)


class ResourceEntry:
    """One leaf of the resource tree: type / name / language and its bytes."""

    def __init__(self, type_, name, language, data):
        self.type = type_  # int ID or str name
        self.name = name
        self.language = language
        self.data = data


class PeFile:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:2] != b"MZ":
            raise PeFormatError("no MZ header")
        pe_offset = self.u32(0x3C)
        if self.data[pe_offset:pe_offset + 4] != b"PE\0\0":
            raise PeFormatError("no PE signature")
        coff = pe_offset + 4
        (self.machine, section_count, _, _, _, optional_size, self.characteristics) = struct.unpack_from(
            "<HHIIIHH", self.data, coff)
        optional = coff + 20
        self.magic = self.u16(optional)
        if self.magic != 0x10B:
            raise PeFormatError("not a PE32 (32-bit) image")
        self.image_base = self.u32(optional + 28)
        self.subsystem = self.u16(optional + 68)
        self.dll_characteristics = self.u16(optional + 70)
        directory_count = self.u32(optional + 92)
        self.directories = [struct.unpack_from("<II", self.data, optional + 96 + 8 * i)
                            for i in range(directory_count)]
        self.sections = []
        table = optional + optional_size
        for i in range(section_count):
            entry = table + 40 * i
            name = self.data[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
            virtual_size, virtual_address, raw_size, raw_offset = struct.unpack_from("<IIII", self.data, entry + 8)
            self.sections.append(Section(name, virtual_address, virtual_size, raw_offset, raw_size))

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset_of(self, rva):
        for section in self.sections:
            if section.holds(rva):
                return section.raw_offset + rva - section.virtual_address
        raise PeFormatError("RVA 0x%x lies in no section" % rva)

    def read(self, rva, size):
        offset = self.offset_of(rva)
        return self.data[offset:offset + size]

    def read_u32(self, rva):
        return struct.unpack("<I", self.read(rva, 4))[0]

    def read_c_string(self, rva):
        offset = self.offset_of(rva)
        end = self.data.index(b"\0", offset)
        return self.data[offset:end]

    def directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    def exports(self):
        """(export-table name, ordinal base, [(name, ordinal, function RVA)] in name-table order)."""
        rva, size = self.directory(0)
        if rva == 0:
            return None, 0, []
        (_, _, _, _, name_rva, base, function_count, name_count, functions, names,
         ordinals) = struct.unpack("<IIHHIIIIIII", self.read(rva, 40))
        result = []
        for i in range(name_count):
            name = self.read_c_string(self.read_u32(names + 4 * i)).decode("ascii")
            index = struct.unpack("<H", self.read(ordinals + 2 * i, 2))[0]
            if index >= function_count:
                raise PeFormatError("export %s points past the address table" % name)
            result.append((name, base + index, self.read_u32(functions + 4 * index)))
        return self.read_c_string(name_rva).decode("ascii"), base, result

    def resources(self):
        rva, size = self.directory(2)
        if rva == 0:
            return []
        leaves = []
        self._walk_resources(rva, 0, [], leaves)
        return leaves

    def _resource_name(self, root, entry_name):
        if entry_name & 0x80000000:
            offset = root + (entry_name & 0x7FFFFFFF)
            length = struct.unpack("<H", self.read(offset, 2))[0]
            return self.read(offset + 2, 2 * length).decode("utf-16-le")
        return entry_name

    def _walk_resources(self, root, directory_offset, path, leaves):
        header = self.read(root + directory_offset, 16)
        named, ids = struct.unpack_from("<HH", header, 12)
        for i in range(named + ids):
            entry_name, target = struct.unpack("<II", self.read(root + directory_offset + 16 + 8 * i, 8))
            key = self._resource_name(root, entry_name)
            if target & 0x80000000:
                self._walk_resources(root, target & 0x7FFFFFFF, path + [key], leaves)
            else:
                data_rva, data_size = struct.unpack("<II", self.read(root + target, 8))
                type_, name = path
                leaves.append(ResourceEntry(type_, name, key, self.read(data_rva, data_size)))


def parse_version_info(block):
    """Parses a VS_VERSIONINFO block into (fixed-info words, {table key: {name: value}}, translations)."""

    def node(offset):
        length, value_length, value_type = struct.unpack_from("<HHH", block, offset)
        key_end = offset + 6
        while block[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = block[offset + 6:key_end].decode("utf-16-le")
        value_offset = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if value_type == 1 else value_length
        children_offset = (value_offset + value_size + 3) & ~3
        children = []
        child = children_offset
        while child < offset + length:
            child_node = node(child)
            children.append(child_node)
            child = (child + child_node["length"] + 3) & ~3
        return {"length": length, "key": key, "value": block[value_offset:value_offset + value_size],
                "type": value_type, "children": children}

    root = node(0)
    if root["key"] != "VS_VERSION_INFO":
        raise PeFormatError("version resource key is %r" % root["key"])
    fixed = struct.unpack("<13I", root["value"][:52])
    strings = {}
    translations = []
    for child in root["children"]:
        if child["key"] == "StringFileInfo":
            for table in child["children"]:
                strings[table["key"]] = {
                    entry["key"]: entry["value"].decode("utf-16-le").rstrip("\0") for entry in table["children"]}
        elif child["key"] == "VarFileInfo":
            for var in child["children"]:
                if var["key"] == "Translation":
                    words = struct.unpack("<%dH" % (len(var["value"]) // 2), var["value"])
                    translations += list(zip(words[0::2], words[1::2]))
    return fixed, strings, translations
