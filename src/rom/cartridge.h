// The cartridge's own header inside a ROM image (title, map mode, size, country, version, and the
// checksum with its complement) and the image's own checksum that the stored one should equal.
//
// Where the header is: 32 bytes at 7FC0 (the low place, where a LoROM cartridge keeps it) or at FFC0
// (the high place, HiROM), counted in the image without its copier header. Each place that the
// image reaches is scored:
//   4  the complement and the checksum add up to FFFF
//   2  the map mode is one the console knows (20, 21, 22, 23, 25 or 2A, each also with 10 added
//      for fast ROM)
//   1  that map mode is one that keeps its header at this place (20, 22, 23 low; 21, 25, 2A high)
//   2  the 21 title bytes are text: 20..7E, or the half-width katakana A1..DF, with 00 allowed only
//      as padding at the end, and at least one character that is no blank
//   1  the ROM size byte says 256 KiB to 8 MiB (08..0D)
//   1  the country byte is one of the known ones (00..11)
// A place with fewer than 5 points holds no header (an area of 00 or FF bytes scores 0 or 1: it
// needs the checksum pair, or a known map mode and a title, to be taken for one). When both places
// reach 5, the higher score wins, the low place on a tie.
//
// The image's own checksum is the 16-bit sum of its bytes without the copier header, the header's
// own four checksum bytes included as they stand. An image whose size is not a power of two is
// summed as the console's address space sees it: the largest power of two that fits is summed once,
// and the rest is repeated until it fills as much again, by the same rule when the rest is itself
// no power of two (a 3 MiB image counts its last 1 MiB twice, a 2.5 MiB one its last 512 KiB four
// times).
#pragma once

#include "record/writes.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace vertiloom {

inline constexpr qint64 kLowHeaderPlace = 0x7FC0;
inline constexpr qint64 kHighHeaderPlace = 0xFFC0;
inline constexpr qint64 kCartridgeHeaderSize = 32;
// Where the complement and the checksum are in the header, each two bytes, low byte first.
inline constexpr qint64 kComplementAt = 0x1C;
inline constexpr qint64 kChecksumAt = 0x1E;
// The least score of a place that holds a header.
inline constexpr int kHeaderScoreNeeded = 5;

struct CartridgeHeader {
    bool high = false; // at FFC0 rather than 7FC0
    qint64 offset = 0; // the file offset of its first byte, after the copier header if any
    int score = 0;
    QString title; // the 21 bytes as text, blanks and padding at the end left off
    quint8 mapMode = 0;
    quint8 romSize = 0; // the ROM is 1 KiB shifted left by this many bits
    quint8 country = 0;
    quint8 version = 0; // the release, shown as 1.N
    quint16 complement = 0;
    quint16 checksum = 0;
};

// The score of the 32 bytes at place (7FC0 or FFC0) of the image without its copier header, or -1
// when the image is too short to hold them there.
int headerScore(const QByteArray& image, qint64 place);

// The cartridge header of the image, or nothing when neither place scores enough.
std::optional<CartridgeHeader> findCartridgeHeader(const QByteArray& image);

// The 16-bit sum of the image without its copier header, the remainder of a size that is no power
// of two repeated as the console sees it.
quint16 imageChecksum(const QByteArray& image);

// What the image says of itself: its header (if any), its own checksum, and whether the stored
// checksum and complement are that checksum and its complement.
struct ChecksumCheck {
    std::optional<CartridgeHeader> header;
    quint16 computed = 0;
    bool matches = false; // false when there is no header
};
ChecksumCheck checkChecksum(const QByteArray& image);

// The 4 bytes that make the header's checksum and complement right (the complement first, then the
// checksum, each low byte first), with the bytes that stand there now. Writing them leaves the
// image's checksum as the new checksum says: a checksum and its complement always add 1FE to it.
Patch checksumPatch(const QByteArray& image, const CartridgeHeader& header);

// What the header's bytes say, in English (technical names, the same in every language): "LoROM,
// fast ROM", "North America", "2 MiB"; an empty text for a value that names nothing known.
QString mapModeName(quint8 mapMode);
QString countryName(quint8 country);
QString romSizeName(quint8 romSize);

} // namespace vertiloom
