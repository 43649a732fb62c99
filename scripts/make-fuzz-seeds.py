#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpus, fuzz/corpus/<target>/, from the letter record's layout.

Every seed holds well-formed letter records: a point count, two bytes (x, y) per point, a polygon
count, per polygon a corner count, one vertex reference and one parameter byte per corner, then
the 3-byte letter tail and 8 bytes of tail per polygon. The shapes: no points and no polygons,
points only, the longest record (20 points, 8 polygons of 11 corners), 8 polygons, one polygon of
each corner count 1..11. The memo seeds hold records as plain hex, as hex with blanks and as
"<bh:xx>" tags; the file path seeds put records in the image and the letter file with the
target's option bytes (see fuzz/file_paths.cpp). The BPS seeds are patches from a 64-byte source
(00..3F), one of each action, as fuzz/bps_reader.cpp reads them.

The output is the same on every run; run it again after changing the shapes and commit the result.
make fuzz copies these seeds into a working corpus in the build folder and never writes here.
"""
import os
import shutil
import struct
import sys
import zlib

MAX_POINTS, MAX_POLYGONS, MAX_CORNERS = 20, 8, 11


def record(points, corners, salt=0):
    """A letter record with `points` points and one polygon per entry of `corners`."""
    out = bytearray([points])
    for n in range(points):
        # Signed coordinates spread over the whole preview, none twice.
        out += bytes([(0x90 + 0x0D * n + salt) & 0xFF, (0xF4 - 0x0B * n + 3 * salt) & 0xFF])
    out.append(len(corners))
    for p, count in enumerate(corners):
        out.append(count)
        # Vertex references name points as 00, 02 .. 26 (point 1 .. 20).
        out += bytes([2 * ((p + k) % points) if points else 0 for k in range(count)])
        out += bytes([(0x10 * (p + 1) + k) & 0xFF for k in range(count)])
    out += bytes([0x01, 0x40 + salt, 0x7F])
    for p in range(len(corners)):
        out += bytes([0x00, 0x00, 0x01, 0x02, p, 0x00, 0x01, 0x02])
    assert length(out) == len(out), "not one whole record"
    return bytes(out)


def length(data):
    """Length of the record at the start of data, or None (checked the way the editor reads)."""
    at = 0
    if at >= len(data) or data[at] > MAX_POINTS:
        return None
    at += 1 + 2 * data[at]
    if at >= len(data) or data[at] > MAX_POLYGONS:
        return None
    polygons = data[at]
    at += 1
    for _ in range(polygons):
        if at >= len(data) or data[at] > MAX_CORNERS:
            return None
        at += 1 + 2 * data[at]
    at += 3 + 8 * polygons
    return at if at <= len(data) else None


RECORDS = {
    "empty": record(0, []),
    "points-only": record(MAX_POINTS, []),
    "longest": record(MAX_POINTS, [MAX_CORNERS] * MAX_POLYGONS),
    "eight-polygons": record(12, [3, 4, 5, 6, 7, 8, 9, 10], salt=5),
    "letter-p": record(7, [4, 4, 3], salt=9),
}
for k in range(1, MAX_CORNERS + 1):
    RECORDS["corners-%02d" % k] = record(max(k, 3), [k], salt=k)


def plain(data):
    return data.hex().upper().encode()


def spaced(data):
    # Blanks between bytes, a line break every 16 bytes, a trailing CRLF.
    pairs = [data[i:i + 1].hex().upper() for i in range(len(data))]
    lines = [" ".join(pairs[i:i + 16]) for i in range(0, len(pairs), 16)]
    return ("\n".join(lines) + "\r\n").encode()


def tagged(data):
    return ("".join("<bh:%02x>" % b for b in data) + "\r\n").encode()


def file_path_seed(flags, more, where1, where2, placed, rest=b""):
    assert len(placed) <= 255
    return bytes([flags, more, where1, where2, len(placed)]) + placed + rest


# Word edits: 0x80 + n writes tile n of "PAUSED!0123456789LCT GMOVR_I"; below 0x3E keeps the field.
WORD_EDITS_GOOD = bytes([0x80 + 11, 0x00, 0x80 + 20, 0x80 + 27, 0x00, 0x80 + 21, 0x80 + 1, 0x80 + 22,
                         0x80 + 4, 0x80 + 26, 0x80 + 23, 0x80 + 4, 0x80 + 24])
WORD_EDITS_BAD = bytes([0x00] * 6 + [0x78, 0x3E, 0x3F] + [0x00] * 4)

# flags: variant (bits 0-2), yes (0x08), export the rest (0x10), tags (0x20), letter file (0x40),
# overlays (0x80). more: where (bits 0-1: catalogue, word, near the end, anywhere), typed Addr
# (0x04), past the end (0x08), cancel (0x10), words (0x20), no export (0x40).
FILE_PATHS = {
    "catalogue-reexport": file_path_seed(0x00, 0x00, 0, 0, RECORDS["letter-p"]),
    "catalogue-longer-yes": file_path_seed(0x18, 0x00, 3, 0, RECORDS["corners-03"], RECORDS["longest"]),
    "catalogue-longer-no": file_path_seed(0x11, 0x04, 7, 0xFE, RECORDS["empty"], RECORDS["eight-polygons"]),
    "tagged-export": file_path_seed(0x22, 0x00, 12, 2, RECORDS["eight-polygons"]),
    "near-end": file_path_seed(0x18, 0x02, 0, 40, RECORDS["corners-11"], RECORDS["longest"]),
    "past-end": file_path_seed(0x03, 0x0B, 0, 7, RECORDS["corners-07"]),
    "letter-file": file_path_seed(0x58, 0x03, 0, 0, RECORDS["corners-05"], RECORDS["corners-02"]),
    "words": file_path_seed(0x04, 0x61, 1, 0, RECORDS["corners-01"], WORD_EDITS_GOOD),
    "words-refused": file_path_seed(0x02, 0x65, 0, 0x20, RECORDS["points-only"], WORD_EDITS_BAD),
    "overlays": file_path_seed(0x80, 0x10, 20, 0, RECORDS["corners-09"]),
}


def bps_number(n):
    """A BPS number: seven bits a byte, lowest first, the high bit on the last, one less before each further byte."""
    out = bytearray()
    while True:
        x = n & 0x7F
        n >>= 7
        if n == 0:
            out.append(0x80 | x)
            return bytes(out)
        out.append(x)
        n -= 1


def bps_seed(target, actions, metadata=b""):
    """A bps_reader seed: the flag byte 0 (the patch as it stands, the source insisted on), then a BPS
    patch from the target's 64-byte source 00..3F to target, through actions of (kind, length, data):
    data is the bytes of a TargetRead, the relative offset of a SourceCopy or TargetCopy."""
    source = bytes(range(64))
    out = bytearray(b"BPS1") + bps_number(len(source)) + bps_number(len(target)) + bps_number(len(metadata)) + metadata
    for kind, length, data in actions:
        out += bps_number((length - 1) << 2 | kind)
        if kind == 1:
            out += data
        elif kind in (2, 3):
            out += bps_number(abs(data) << 1 | (1 if data < 0 else 0))
    out += struct.pack("<II", zlib.crc32(source), zlib.crc32(target))
    out += struct.pack("<I", zlib.crc32(bytes(out)))
    return b"\x00" + bytes(out)


SOURCE_READ, TARGET_READ, SOURCE_COPY, TARGET_COPY = range(4)
COUNTING = bytes(range(64))
BPS_PATCHES = {
    "same": bps_seed(COUNTING, [(SOURCE_READ, 64, None)]),
    "bytes-taken-out": bps_seed(COUNTING[:8] + COUNTING[12:], [(SOURCE_READ, 8, None), (SOURCE_COPY, 52, 12)]),
    "run-and-literal": bps_seed(COUNTING[:4] + b"\xAA" * 8 + COUNTING[12:],
                                [(SOURCE_READ, 4, None), (TARGET_READ, 1, b"\xAA"), (TARGET_COPY, 7, 4),
                                 (SOURCE_READ, 52, None)]),
    "moved-back-with-metadata": bps_seed(COUNTING[32:] + COUNTING[:32] + b"end",
                                         [(SOURCE_COPY, 32, 32), (SOURCE_COPY, 32, -64), (TARGET_READ, 3, b"end")],
                                         b"<patch author='seed'/>"),
}


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "fuzz", "corpus")
    seeds = {
        "record_reader": {name: data for name, data in RECORDS.items()},
        "memo_reader": {},
        "file_paths": FILE_PATHS,
        "bps_reader": BPS_PATCHES,
    }
    for name in ["empty", "longest", "eight-polygons", "corners-01", "corners-06", "corners-11"]:
        seeds["memo_reader"]["plain-" + name] = plain(RECORDS[name])
    for name in ["empty", "eight-polygons", "corners-04", "corners-10"]:
        seeds["memo_reader"]["spaced-" + name] = spaced(RECORDS[name])
    for name in ["empty", "letter-p", "corners-02", "corners-08"]:
        seeds["memo_reader"]["tagged-" + name] = tagged(RECORDS[name])

    total = 0
    for target, files in seeds.items():
        folder = os.path.join(root, target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for name, data in sorted(files.items()):
            with open(os.path.join(folder, name), "wb") as out:
                out.write(data)
            total += len(data)
    count = sum(len(files) for files in seeds.values())
    print("make-fuzz-seeds: %d seeds, %d bytes, in %s" % (count, total, os.path.normpath(root)), file=sys.stderr)


if __name__ == "__main__":
    main()
