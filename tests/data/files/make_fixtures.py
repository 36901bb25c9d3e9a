#!/usr/bin/env python3
"""Writes the project-file fixtures byte by byte from the file layout, and the fuzz seed corpus.

Run from this folder: python3 make_fixtures.py   (logo.jpg comes from make_logo.cpp)

Every file holds the same body; a file of version N carries the blocks up to N. Field values,
numbered by their position in the layout (# below), are what the model tests expect:
  texts      Organization b"Caf\\xe9 \\x80 \\x81" (Windows-1252: e acute, euro sign, undefined 0x81),
             ProjectName "Project 7", JobNumber "J-42", DesignBy "A. Engineer"
  Date       45000.0; Units 0 (1 in the version 4 and 4.01 files); Shape 3
  Extended   # + 0.5, except Reserved1 = 1 + 2^-63, Reserved2 = -0.0, Reserved3 = 2^-16445
  pedestals  slot s (1..4), input j (1..20): 100 s + j + 0.25
  load cases combination c (1..3), input j (1..12): 1000 c + j + 0.75
  LongInts   RebarFamily 2, FootingBarSize 19, PedestalCount 2, stem wall reserved -74,
             VertBarSize 5, Layers 2, HorBarSize 4, FootBarSize 6, StBarSize 3
  Bytes      UseSquareReinforcement 1, UseContinuousReinforcement 1
  logo       logo.jpg, except in the version 2 file (no logo); the version 2 file also fills its
             40 reserved bytes with 0xAA, which a reader must skip
zero_4_01.kpm: every number 0, Date 0, empty texts, no logo (1978 bytes).
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "..", "..", "fuzz", "corpus")


def ext80(x):
    """10-byte extended real of a Python float (exact: a double fits the 64-bit significand)."""
    sign = 0x8000 if math.copysign(1.0, x) < 0 else 0
    if x == 0:
        return struct.pack("<QH", 0, sign)
    m, e = math.frexp(abs(x))
    return struct.pack("<QH", int(m * 2**64), sign | (e - 1 + 16383))


def ext80_raw(sign, exponent, significand):
    return struct.pack("<QH", significand, (0x8000 if sign else 0) | exponent)


ONE_PLUS_ULP = ext80_raw(0, 16383, (1 << 63) | 1)  # 1 + 2^-63
NEG_ZERO = ext80(-0.0)
SMALLEST_DENORMAL = ext80_raw(0, 0, 1)  # 2^-16445


def text(b):
    return struct.pack("<H", len(b)) + b


def short_string(s, capacity):
    b = s.encode("ascii")
    return bytes([len(b)]) + b + bytes(capacity - len(b))


def header(version):
    return short_string("Korvane Pelmark", 50) + short_string(version, 12)


def num(n):
    return ext80(n + 0.5)


def i32(v):
    return struct.pack("<i", v)


def block1(logo, units, zero=False):
    if zero:
        return text(b"") * 1 + struct.pack("<q", 0) + text(b"") * 3 + struct.pack("<d", 0.0) + b"\0\0" + ext80(0) * 17
    out = text(b"Caf\xe9 \x80 \x81")
    out += struct.pack("<q", len(logo)) + logo
    out += text(b"Project 7") + text(b"J-42") + text(b"A. Engineer")
    out += struct.pack("<d", 45000.0) + bytes([units, 3])
    for n in range(9, 26):  # B .. Reserved8
        out += {17: ONE_PLUS_ULP, 18: NEG_ZERO, 20: SMALLEST_DENORMAL}.get(n, num(n))
    return out


def block2(reserved_fill=0, zero=False):
    if zero:
        return bytes(40) + b"\0" + ext80(0) * 12 + i32(0) * 2
    out = bytes([reserved_fill]) * 40 + b"\x01"
    out += b"".join(num(n) for n in range(28, 40))  # Fc .. NumBars2
    return out + i32(2) + i32(19)


def block21(zero=False):
    if zero:
        return ext80(0) * 12 + i32(0) + ext80(0) * 80
    out = b"".join(num(n) for n in range(42, 54)) + i32(2)  # RefX .. QAllowStab, PedestalCount
    for s in range(1, 5):
        out += b"".join(ext80(100 * s + j + 0.25) for j in range(1, 21))
    return out


def block4(zero=False):
    if zero:
        return b"\0" + ext80(0) * 17 + i32(0) * 3 + ext80(0) * 2 + i32(0) + ext80(0) + ext80(0) * 36 + i32(0) + ext80(0) * 2
    out = b"\x01" + b"".join(num(n) for n in range(57, 74))  # Fc .. QAll
    out += i32(-74) + i32(5) + i32(2) + num(77) + num(78) + i32(4) + num(80)
    for c in range(1, 4):
        out += b"".join(ext80(1000 * c + j + 0.75) for j in range(1, 13))
    return out + i32(6) + num(83) + num(84)


def block401(zero=False):
    if zero:
        return i32(0) + ext80(0) * 2
    return i32(3) + num(86) + num(87)


def main():
    with open(os.path.join(HERE, "logo.jpg"), "rb") as f:
        logo = f.read()
    files = {
        "v1_0.kpm": header("1.0") + block1(logo, 0),
        "v2_0.kpm": header("2.0") + block1(b"", 0) + block2(0xAA),
        "v2_1.kpm": header("2.1") + block1(logo, 0) + block2() + block21(),
        "v4_0.kpm": header("4.0") + block1(logo, 1) + block2() + block21() + block4(),
        "v4_01.kpm": header("4.01") + block1(logo, 1) + block2() + block21() + block4() + block401(),
    }
    zero = header("4.01") + block1(b"", 0, True) + block2(zero=True) + block21(True) + block4(True) + block401(True)
    assert len(zero) == 1978, len(zero)
    files["zero_4_01.kpm"] = zero
    for name, data in files.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)

    # Seed corpus: every version, and the newest file cut at each block boundary.
    os.makedirs(CORPUS, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(CORPUS, name), "wb") as f:
            f.write(data)
    full = files["v4_01.kpm"]
    sizes = [64, len(block1(logo, 1)), 169, 924, 601]
    cut = 0
    for i, size in enumerate(sizes):
        cut += size
        for name, length in ((f"cut_{i}_at.kpm", cut), (f"cut_{i}_short.kpm", cut - 1)):
            with open(os.path.join(CORPUS, name), "wb") as f:
                f.write(full[:length])


if __name__ == "__main__":
    main()
