// IPS patches between two ROM images of the same size: making one and applying one, on bytes in
// memory (reading and writing the files is the caller's). A patch is "PATCH", then records, then
// "EOF". A record is a 3-byte big-endian offset and a 2-byte big-endian size followed by that many
// bytes, or, with size 0, a 2-byte big-endian count and one byte written count times (an RLE
// record).
#pragma once

#include <QByteArray>

namespace vertiloom {

// The first offset a 3-byte record offset cannot express: 16 MiB.
inline constexpr qint64 kIpsReach = 0x1000000;

// The patch that turns original into modified. Both must be the same size: a patch cannot shorten
// an image, and this program never lengthens one, so images of different sizes are refused. A
// difference at offset kIpsReach or beyond is refused too. Identical images give "PATCHEOF".
//
// The records cover every changed byte and nothing past the last one. Changed bytes at most five
// unchanged bytes apart may share a record (writing the bytes between costs no more than another
// record's 5-byte head). Within such a stretch each run of equal bytes is written as data, as an RLE
// record (8 bytes) or, when it changed nowhere, not at all, whichever gives the fewest patch bytes,
// then the fewest RLE records, then the fewest records. So a run alone becomes an RLE record from 4
// bytes, a run at the edge of data from 9 and a run between data from 14. Records longer than 65,535
// bytes are split. No record starts at offset 454F46, whose offset bytes read "EOF": such a record
// starts one byte earlier and writes that byte's new value too.
QByteArray createIps(const QByteArray& original, const QByteArray& modified);

// What a patch holds: its records (the RLE records among them), the bytes they write, and the size
// given after the "EOF" marker (-1 when none is).
struct IpsPatch {
    qint64 records = 0;
    qint64 rleRecords = 0;
    qint64 bytes = 0;
    qint64 sizeAfter = -1;
};

// The patch read with every check of applyIps that needs no image. Throws Error as applyIps does.
IpsPatch readIps(const QByteArray& patch);

// The image with the patch applied. Everything is checked before a byte is written, and Error names
// the record (counted from 1) and its position in the patch: the "PATCH" head, every record lying
// wholly inside the patch, no RLE record with a count of 0, no record reaching offset kIpsReach or
// past the image's end (applying never makes an image longer), and the "EOF" marker. After the
// marker either nothing or 3 bytes may follow; 3 bytes are the big-endian size some tools give the
// image after patching, accepted only when it is the image's own size (applying never truncates
// either).
QByteArray applyIps(const QByteArray& image, const QByteArray& patch);

} // namespace vertiloom
