#!/usr/bin/env python3
"""Checks what a Windows build links to and what it offers, from `objdump -p`.

  check_pe_tables.py OBJDUMP KIND FILE

KIND is one of
  addin     KORVA64.xll / KORVA32.xll: exactly the 25 exports, imports only the
            system's DLLs and XLCall32.dll by ordinal 2 and 3
  xlcall32  the stand-in XLCall32.dll: ordinals 2 and 3 exported, without names
  host      korva-host.exe: imports only the system's DLLs and, by name, the
            stand-in's installHost
Every kind must be free of the GCC, C++ and thread run-time DLLs, which would
not be on a user's machine.
"""
import re
import subprocess
import sys

WORKSHEET_FUNCTIONS = [
    "Psat", "Tsat", "Vf", "Vg", "Hf", "Hg", "Sf", "Sg",
    "PofTV", "VofTP", "HofTV", "HofTP", "SofTV", "SofTP",
    "TofPH", "TofPS", "HofPS", "ZofTV", "ZofTP",
]
CALLBACKS = [
    "xlAutoOpen", "xlAutoClose", "xlAutoRegister",
    "xlAutoAdd", "xlAutoRemove", "xlAddInManagerInfo",
]
# What every Windows installation has: the kernel and the C run-time it ships.
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll"}
HOST_LIBRARY = "xlcall32.dll"


def parse(text):
    """Returns (format line, {dll: [(ordinal, name or None)]}, {ordinal: name or None})."""
    fmt = re.search(r"file format (\S+)", text).group(1)
    magic = re.search(r"^Magic\s+\S+\s+\((PE32\+?)\)", text, re.M).group(1)

    imports = {}
    current = None
    for line in text.splitlines():
        m = re.match(r"\s+DLL Name: (\S+)", line)
        if m:
            current = imports.setdefault(m.group(1).lower(), [])
            continue
        if current is None:
            continue
        if not line.strip() or line.lstrip().startswith("vma:"):
            if not line.strip():
                current = None
            continue
        fields = line.split()
        # By ordinal: "80000002  2  <none>" (64-bit: a 16-digit thunk value).
        if len(fields) == 3 and fields[2] == "<none>":
            current.append((int(fields[1]), None))
        elif len(fields) >= 3:
            current.append((None, fields[2]))

    exports = {}
    m = re.search(r"Ordinal Base\s+(\d+)", text)
    base = int(m.group(1)) if m else 1
    in_address_table = in_names = False
    for line in text.splitlines():
        if line.startswith("Export Address Table --"):
            in_address_table, in_names = True, False
            continue
        if line.startswith("[Ordinal/Name Pointer] Table"):
            in_address_table, in_names = False, True
            continue
        if in_address_table:
            m = re.match(r"\s+\[\s*(\d+)\] \+base\[\s*(\d+)\]", line)
            if m:
                exports[int(m.group(2))] = None
            elif not line.strip():
                in_address_table = False
        elif in_names:
            m = re.match(r"\s+\[\s*(\d+)\] (\S+)", line)
            if m:
                exports[int(m.group(1)) + base] = m.group(2)
            elif not line.strip():
                in_names = False
    return fmt, magic, imports, exports


def main():
    objdump, kind, path = sys.argv[1:4]
    text = subprocess.run([objdump, "-p", path], check=True, capture_output=True, text=True).stdout
    fmt, magic, imports, exports = parse(text)
    expected_magic = "PE32+" if fmt == "pei-x86-64" else "PE32"
    faults = []
    if magic != expected_magic:
        faults.append(f"file format {fmt} but optional header {magic}")

    for dll, entries in sorted(imports.items()):
        if dll in SYSTEM_DLLS:
            continue
        if dll != HOST_LIBRARY or kind == "xlcall32":
            faults.append(f"imports {dll} ({len(entries)} entries): only "
                          f"{', '.join(sorted(SYSTEM_DLLS))} and {HOST_LIBRARY} may be imported;"
                          " link the run-time statically")
            continue
        by_name = [name for ordinal, name in entries if name is not None]
        if kind == "host":
            if by_name != ["installHost"]:
                faults.append(f"imports {by_name} from {HOST_LIBRARY}, expected only installHost")
            continue
        if by_name:
            faults.append(f"imports {HOST_LIBRARY} by name ({', '.join(by_name)}): the host's library is"
                          " imported by ordinal only")
        ordinals = sorted(ordinal for ordinal, name in entries if name is None)
        if kind == "addin" and ordinals != [2, 3]:
            faults.append(f"imports {HOST_LIBRARY} ordinals {ordinals}, expected [2, 3]"
                          " (HostCall, HostCallV)")
    if kind == "addin" and HOST_LIBRARY not in imports:
        faults.append(f"does not import {HOST_LIBRARY}")

    names = sorted(name for name in exports.values() if name is not None)
    if kind == "addin":
        expected = sorted(WORKSHEET_FUNCTIONS + CALLBACKS)
        missing = sorted(set(expected) - set(names))
        extra = sorted(set(names) - set(expected))
        if missing:
            faults.append(f"exports lack {', '.join(missing)}")
        if extra:
            faults.append(f"exports also {', '.join(extra)}: only the 25 names of addin/exports.def belong there")
        if len(exports) != len(expected):
            faults.append(f"{len(exports)} exports, expected {len(expected)}")
    elif kind == "xlcall32":
        # Without names, as the add-ins must find them by ordinal alone.
        for ordinal in (2, 3):
            if ordinal not in exports:
                faults.append(f"does not export ordinal {ordinal}")
            elif exports[ordinal] is not None:
                faults.append(f"exports ordinal {ordinal} by the name {exports[ordinal]} as well")

    label = f"{path} ({fmt}, {magic})"
    if faults:
        for fault in faults:
            print(f"FAIL {label}: {fault}")
        return 1
    listed = ", ".join(f"{dll}" + (" by ordinal" if dll == HOST_LIBRARY and kind == "addin" else "")
                       for dll in sorted(imports))
    print(f"ok   {label}: imports {listed}; {len(exports)} exports")
    return 0


if __name__ == "__main__":
    sys.exit(main())
