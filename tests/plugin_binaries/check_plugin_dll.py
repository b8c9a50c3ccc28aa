#!/usr/bin/env python3
"""Checks of a built plug-in DLL (or of the Windows test host) as a PE file.

    check_plugin_dll.py CHECK --file FILE [--name NAME] [--objdump OBJDUMP]
                        [--positions HEADER] [--icon TGA]

CHECK is one of: header, exports, imports, resources, export-stack, table-stack.
Prints what it found; exits 1 with a list of faults when a check fails.
"""

import argparse
import re
import subprocess
import sys

from pe_file import PeFile, parse_version_info

# Decorated name -> argument bytes the callee must pop, in the alphabetical order that
# gives ordinals 1 to 9.
EXPORTS = [
    ("_create_interface@20", 20),
    ("_get_id@12", 12),
    ("_get_info@12", 12),
    ("_get_interface_version@4", 4),
    ("_get_name@16", 16),
    ("_get_text_encoding@8", 8),
    ("_has_interface@8", 8),
    ("_has_separate_interfaces@4", 4),
    ("_is_resident@12", 12),
]

# The libraries every 32-bit Windows has; the DLLs must need nothing else.
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "ntdll.dll", "user32.dll", "advapi32.dll"}

IMAGE_FILE_MACHINE_I386 = 0x14C
IMAGE_FILE_DLL = 0x2000
IMAGE_DLLCHARACTERISTICS_NO_SEH = 0x0400
RT_VERSION = 16
VS_FIXEDFILEINFO_SIGNATURE = 0xFEEF04BD
VFT_DLL = 2
TGA_SIZE = 3756


class Check:
    def __init__(self):
        self.faults = []

    def expect(self, condition, fault):
        if not condition:
            self.faults.append(fault)
        return condition

    def report(self, name):
        if self.faults:
            print("FAIL %s:" % name)
            for fault in self.faults:
                print("  - " + fault)
            return 1
        print("ok %s" % name)
        return 0


def run(command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def check_header(args, pe, check):
    check.expect(pe.machine == IMAGE_FILE_MACHINE_I386, "machine 0x%x, not i386" % pe.machine)
    if args.name:
        check.expect(pe.characteristics & IMAGE_FILE_DLL, "not flagged as a DLL")
    print("machine 0x%x, characteristics 0x%04x, DLL characteristics 0x%04x"
          % (pe.machine, pe.characteristics, pe.dll_characteristics))
    # Our structured-exception frames register handlers of the image at run time: the
    # loader refuses them when the image says it uses none, or when it lists the only
    # handlers it allows (a load-configuration handler table).
    check.expect(not pe.dll_characteristics & IMAGE_DLLCHARACTERISTICS_NO_SEH,
                 "flagged NO_SEH: the structured-exception frames would be refused")
    config_rva, config_size = pe.directory(10)
    if config_rva:
        table, count = (pe.read_u32(config_rva + 0x40), pe.read_u32(config_rva + 0x44)) if config_size >= 0x48 \
            else (0, 0)
        print("load configuration: handler table 0x%x, %d handlers" % (table, count))
        check.expect(table == 0, "the load configuration lists safe handlers: ours are not among them")


def check_exports(args, pe, check):
    table_name, base, exports = pe.exports()
    print("export table name %r, ordinal base %d" % (table_name, base))
    for name, ordinal, rva in exports:
        print("  %d %s rva 0x%x" % (ordinal, name, rva))
    check.expect(table_name == args.name + ".dll", "export table named %r" % table_name)
    expected = [(name, ordinal) for ordinal, (name, _) in enumerate(EXPORTS, 1)]
    check.expect([(name, ordinal) for name, ordinal, _ in exports] == expected,
                 "exports are not exactly the nine decorated names with ordinals 1-9 in order")
    # The same table as the binutils tools read it.
    dump = run([args.objdump, "-p", args.file])
    listed = re.findall(r"^\s*\[\s*\d+\]\s+(_\w+@\d+)\s*$", dump, re.M)
    check.expect(listed == [name for name, _ in EXPORTS], "objdump lists %s" % listed)
    check.expect(re.search(r"^Name\s+\w+\s+%s\.dll$" % re.escape(args.name), dump, re.M) is not None,
                 "objdump shows another export table name")


def check_imports(args, pe, check):
    dump = run([args.objdump, "-p", args.file])
    dlls = re.findall(r"DLL Name: (\S+)", dump)
    print("imports from: " + ", ".join(dlls))
    check.expect(len(dlls) > 0, "no import found")
    for dll in dlls:
        check.expect(dll.lower() in SYSTEM_DLLS, "imports from %s, not a system library" % dll)


def check_resources(args, pe, check):
    leaves = pe.resources()
    for leaf in leaves:
        print("resource type %r name %r language 0x%04x size %d" % (leaf.type, leaf.name, leaf.language,
                                                                      len(leaf.data)))
    check.expect(sorted(str(leaf.type) for leaf in leaves) == ["16", "TARGA"],
                 "resources are not exactly one TARGA and one version resource")

    pictures = [leaf for leaf in leaves if leaf.type == "TARGA"]
    if check.expect(len(pictures) == 1, "no TARGA resource"):
        picture = pictures[0]
        check.expect(picture.name == 295, "TARGA resource named %r, not 295" % picture.name)
        check.expect(picture.language == 0, "TARGA resource language 0x%x, not neutral" % picture.language)
        check.expect(len(picture.data) == TGA_SIZE, "TARGA resource of %d bytes" % len(picture.data))
        header = picture.data[:18]
        check.expect(header == bytes([0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 29, 0, 32, 8]),
                     "TGA header %s" % header.hex())
        check.expect(picture.data[-26:] == bytes(8) + b"TRUEVISION-XFILE.\0", "no TGA 2.0 footer")
        if args.icon:
            with open(args.icon, "rb") as f:
                check.expect(picture.data == f.read(), "the TARGA resource is not the drawn picture")

    versions = [leaf for leaf in leaves if leaf.type == RT_VERSION]
    if check.expect(len(versions) == 1, "no version resource"):
        version = versions[0]
        check.expect(version.name == 1 and version.language == 0x0411,
                     "version resource %r in language 0x%x" % (version.name, version.language))
        fixed, strings, translations = parse_version_info(version.data)
        print("version: file %d.%d.%d.%d, product %d.%d.%d.%d, type %d; translations %s; tables %s"
              % (fixed[2] >> 16, fixed[2] & 0xFFFF, fixed[3] >> 16, fixed[3] & 0xFFFF,
                 fixed[4] >> 16, fixed[4] & 0xFFFF, fixed[5] >> 16, fixed[5] & 0xFFFF, fixed[9],
                 ["0x%04x/0x%04x" % t for t in translations], sorted(strings)))
        check.expect(fixed[0] == VS_FIXEDFILEINFO_SIGNATURE, "fixed file information missing")
        check.expect(fixed[2:6] == (0x00070005, 0, 0x00070005, 0), "version is not 7.5.0.0")
        check.expect(fixed[9] == VFT_DLL, "file type %d, not a DLL" % fixed[9])
        check.expect(translations == [(0x0411, 0x04B0)], "translation %s" % translations)
        table = {key.upper(): value for key, value in strings.items()}.get("041104B0")
        if check.expect(table is not None, "no string table 041104B0"):
            for key, value in sorted(table.items()):
                print("  %s: %s" % (key, value))
            check.expect(table.get("OriginalFilename") == args.name + ".dll", "OriginalFilename wrong")
            check.expect(table.get("InternalName") == args.name, "InternalName wrong")


class Disassembly:
    """The disassembled functions of the image, by start address."""

    def __init__(self, objdump, path):
        text = run([objdump, "-d", "--no-show-raw-insn", "-j", ".text", path])
        self.functions = {}
        current = None
        for line in text.splitlines():
            label = re.match(r"^([0-9a-f]+) <(.+)>:$", line)
            if label:
                current = (int(label.group(1), 16), label.group(2))
                self.functions[current[0]] = (current[1], [])
            elif current and re.match(r"^\s*[0-9a-f]+:\t", line):
                self.functions[current[0]][1].append(line.split("\t", 1)[1].strip())

    def returns(self, address):
        """The function's name and the bytes each of its ret instructions pops."""
        name, instructions = self.functions[address]
        pops = []
        for instruction in instructions:
            match = re.match(r"^ret\s*(?:\$0x([0-9a-f]+))?", instruction)
            if match:
                pops.append(int(match.group(1) or "0", 16))
        return name, pops, instructions


def check_export_stack(args, pe, check):
    disassembly = Disassembly(args.objdump, args.file)
    _, _, exports = pe.exports()
    popped = {name: rva for name, _, rva in exports}
    for name, expected in EXPORTS:
        if not check.expect(name in popped, "%s is not exported" % name):
            continue
        _, pops, _ = disassembly.returns(pe.image_base + popped[name])
        print("%s: ret pops %s" % (name, pops))
        check.expect(pops and all(p == expected for p in pops),
                     "%s pops %s bytes, its callers push %d" % (name, pops, expected))


def expected_positions(header):
    """Per position: (argument count, behaviour), from the test host's table."""
    positions = {}
    with open(header) as f:
        for first, last, arguments, behaviour in re.findall(
                r"^\s*\{(\d+), (\d+), (\d+), expected_behaviour::(\w+)\},\s*$", f.read(), re.M):
            for position in range(int(first), int(last) + 1):
                positions[position] = (int(arguments), behaviour)
    if sorted(positions) != list(range(405)):
        raise SystemExit("the table of positions in %s does not cover 0-404" % header)
    return positions


def check_table_stack(args, pe, check):
    symbols = run([args.objdump, "-t", args.file])
    match = re.search(r"\(sec\s+(\d+)\).*\s0x([0-9a-f]+) (__ZTV18importer_component\w*)$", symbols, re.M)
    if not check.expect(match is not None, "no virtual table of importer_component in the symbol table"):
        return
    section = pe.sections[int(match.group(1)) - 1]
    # The table pointer of an object points two words into the symbol's data, past the
    # offset-to-top and type-information words.
    address_point = section.virtual_address + int(match.group(2), 16) + 8
    print("table of %s at rva 0x%x" % (match.group(3), address_point))
    disassembly = Disassembly(args.objdump, args.file)
    for position, (arguments, behaviour) in sorted(expected_positions(args.positions).items()):
        entry = pe.read_u32(address_point + 4 * position)
        if not check.expect(entry in disassembly.functions, "position %d: 0x%x is no function" % (position,
                                                                                                  entry)):
            continue
        name, pops, instructions = disassembly.returns(entry)
        # stdcall operations pop the object as well; thiscall ones get it in ECX.
        expected = 4 * (arguments + (1 if behaviour in ("query_interface", "add_ref", "release") else 0))
        if behaviour == "reserved":
            raises = any("raise_reserved_operation" in i for i in instructions)
            check.expect(raises and not pops, "position %d (%s) does not raise without returning" % (position,
                                                                                                    name))
        else:
            check.expect(pops and all(p == expected for p in pops),
                         "position %d (%s) pops %s bytes, the host pushes %d" % (position, name, pops, expected))
    print("405 positions checked")


CHECKS = {
    "header": check_header,
    "exports": check_exports,
    "imports": check_imports,
    "resources": check_resources,
    "export-stack": check_export_stack,
    "table-stack": check_table_stack,
}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("check", choices=sorted(CHECKS))
    parser.add_argument("--file", required=True)
    parser.add_argument("--name", help="deliverable name (a DLL)")
    parser.add_argument("--objdump", default="i686-w64-mingw32-objdump")
    parser.add_argument("--positions", help="the test host's table of positions")
    parser.add_argument("--icon", help="the drawn TGA picture")
    args = parser.parse_args()
    check = Check()
    CHECKS[args.check](args, PeFile(args.file), check)
    return check.report("%s %s" % (args.check, args.file))


if __name__ == "__main__":
    sys.exit(main())
