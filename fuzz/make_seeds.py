#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into fuzz/corpus/.

Seeds are the starting points libFuzzer mutates from; they are few and each
stands for a case the code treats specially. Regression inputs (findings that
were fixed) live beside them under names starting with "regression-" and are
never rewritten here. Run from anywhere: python3 fuzz/make_seeds.py
"""
import math
import pathlib
import re
import struct

here = pathlib.Path(__file__).resolve().parent
corpus = here / "corpus"


def function_names():
    """The worksheet functions in registration-table order."""
    table = (here.parent / "addin" / "registration_table.cpp").read_text()
    return re.findall(r"\{'R', \"(\w+)\"", table)


def from_bits(bits):
    return struct.unpack("<d", struct.pack("<Q", bits))[0]


NAN_PAYLOAD = 0x7FF8DEAD0000BEEF          # quiet NaN carrying a payload
SIGNALLING_NAN = 0x7FF0000000000001
DENORMAL = 5e-324                          # smallest positive double
NEGATIVE_ZERO = -0.0


def worksheet_input(index, units, a, b=0.0, a_bits=None, b_bits=None):
    """Byte 0 the function, 1-4 the unit code, 5-12 and 13-20 the doubles."""
    pack_a = struct.pack("<Q", a_bits) if a_bits is not None else struct.pack("<d", a)
    pack_b = struct.pack("<Q", b_bits) if b_bits is not None else struct.pack("<d", b)
    return bytes([index]) + struct.pack("<i", units) + pack_a + pack_b


# An ordinary state for each kind of function, in K and kPa (code 7).
ordinary = {
    "Psat": (300.0,), "Tsat": (500.0,), "Vf": (300.0,), "Vg": (300.0,),
    "Hf": (300.0,), "Hg": (300.0,), "Sf": (300.0,), "Sg": (300.0,),
    "PofTV": (300.0, 0.3), "HofTV": (300.0, 0.3), "SofTV": (300.0, 0.3), "ZofTV": (300.0, 0.3),
    "VofTP": (300.0, 500.0), "HofTP": (300.0, 500.0), "SofTP": (300.0, 500.0),
    "ZofTP": (500.0, 2000.0),
    "TofPH": (500.0, 200.0), "TofPS": (500.0, 1.0), "HofPS": (500.0, 1.0),
}
# The fixed limits: the critical and triple points, the solvers' windows.
limits = {
    "Psat": (441.81,), "Tsat": (1869.0,), "Vf": (165.0,), "Vg": (441.81,),
    "Hf": (165.0,), "Hg": (441.81,), "Sf": (441.81,), "Sg": (165.0,),
    "PofTV": (441.81, 1 / (316.0444 * 1.92)), "HofTV": (165.0, 1e-300),
    "SofTV": (1104.525, 1e300), "ZofTV": (441.81, 0.0),
    "VofTP": (441.81, 1869.0), "HofTP": (400.0, 82.5), "SofTP": (440.0, 180.6),
    "ZofTP": (300.0, 0.0),
    "TofPH": (18690.0, 250.0), "TofPS": (0.0000231453352054, 5.0), "HofPS": (1869.0, 0.0),
}


def worksheet_seeds():
    names = function_names()
    seeds = {}
    for index, name in enumerate(names):
        a, *rest = ordinary[name]
        b = rest[0] if rest else 0.0
        seeds[f"{name}-ordinary-code7"] = worksheet_input(index, 7, a, b)
        seeds[f"{name}-ordinary-code0"] = worksheet_input(index, 0, a * 1.8 - 459.67, b / 6.894757294604437)
        la, *lrest = limits[name]
        seeds[f"{name}-limit-code7"] = worksheet_input(index, 7, la, lrest[0] if lrest else 0.0)
        seeds[f"{name}-nan-payload-denormal-code-1"] = worksheet_input(
            index, -1, 0.0, DENORMAL, a_bits=NAN_PAYLOAD)
        seeds[f"{name}-infinity-negative-zero-code-min"] = worksheet_input(
            index, -2**31, math.inf, NEGATIVE_ZERO)
    seeds["TofPH-minus-infinity-signalling-nan-code8"] = worksheet_input(
        names.index("TofPH"), 8, -math.inf, 0.0, b_bits=SIGNALLING_NAN)
    seeds["empty-input"] = b""
    return seeds


def text(length, fill="x"):
    """A text of the registration target: None, 0-39 or 250-261 characters."""
    if length is None:
        return bytes([0xFF, 0])
    code = 0xE0 + length - 250 if length >= 250 else length
    assert 0 <= length < 40 or 250 <= length <= 261
    return bytes([code, ord(fill)])


def function(arguments, name=4, help=20, argument_help=22, head=1, type_code=None):
    """One function: head row, `arguments` argument rows (doubles, the last an
    integer), and its closing empty row."""
    data = bytes([head]) + text(name, "F") + text(help, "h") + bytes([arguments])
    for k in range(arguments):
        code = type_code if type_code is not None else (1 if k == arguments - 1 else 0)
        data += bytes([code]) + text(2, "a") + text(argument_help, "u")
    return data


def registration_seeds():
    # The shape of the real table: eight functions of two arguments, eleven of three.
    real = b"".join(function(2) for _ in range(8)) + b"".join(function(3) for _ in range(11))
    seeds = {
        "table-of-nineteen": bytes([0]) + real + bytes([0]),
        "refuse-first": bytes([1]) + real + bytes([0]),
        "refuse-nineteenth": bytes([19]) + real + bytes([0]),
        "empty-table": bytes([0, 0]),
        "no-rows": bytes([0]),
        "no-arguments": bytes([0]) + function(0) + bytes([0]),
        "texts-255": bytes([0]) + function(2, name=255, help=255, argument_help=255) + bytes([0]),
        "texts-256": bytes([0]) + function(2, name=256, help=256, argument_help=256) + bytes([0]),
        "no-texts": bytes([0]) + function(1, name=None, help=None, argument_help=None) + bytes([0]),
        "odd-type-codes": bytes([0, 0xF5]) + function(2, type_code=0xF9)[1:] + bytes([0]),
        # The last function without its closing empty row: the table ends
        # inside its third argument row.
        "last-function-unclosed": bytes([0]) + function(2) + function(3)[:-3],
        "last-function-ends-after-arguments": bytes([0]) + function(2) + function(3),
    }
    for n in (20, 21, 30, 31, 40):
        seeds[f"arguments-{n}"] = bytes([0]) + function(2) + function(n) + bytes([0])
    return seeds


def call_parser_seeds():
    names = function_names()
    every = "".join(
        f"{name}({', '.join(str(x) for x in ordinary[name])}, 7)\n" for name in names)
    return {
        "calls-of-every-function": every.encode(),
        "comments-blank-lines-and-crlf": (
            "# a comment\n\n   Psat(25, 1)   # after a call\r\n=HofTP(25,10,1)\r\n\t\n").encode(),
        "refused-calls": "\n".join([
            "HofTP(25, 10", "HofTP 25, 10, 1)", "=(", "Psat(, 1)", "Psat(1e999, 1)",
            "Psat(1e-400, 1)", "Psat(25, 1.5)", "Psat(25, 4294967296)", "Psat(25)",
            "NoSuchFunction(1)", "Psat(abc, 1)", "Psat(0x10, 1)", "Psat(+.5e-3, -0)",
            "Psat(25,,1)", "Psat(25, 1)(2)", "9Psat(1, 1)", "Psat(1e, 1)", "Psat(-, 1)",
            "psat(25, 1)", "Psat(25, 1) extra"]).encode(),
        "too-many-arguments": ("F(" + ",".join(["1"] * 256) + ")").encode(),
        "bytes-outside-ascii": b"Psat(\x80\xff, 1)\nTs\x00at(1, 1)\n\xef\xbb\xbfVf(300, 7)\n",
        "empty-file": b"",
    }


def write(target, seeds):
    folder = corpus / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)
    print(f"make_seeds: {len(seeds)} seeds in {folder.relative_to(here.parent)}")


if __name__ == "__main__":
    write("worksheet", worksheet_seeds())
    write("registration", registration_seeds())
    write("call_parser", call_parser_seeds())
