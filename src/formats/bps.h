// BPS patches between two images of any sizes: making one, reading one and applying one, on bytes in
// memory (reading and writing the files is the caller's).
//
// A patch is "BPS1", the source size, the target size and the metadata size as numbers, the
// metadata, then actions until the target is whole, then three CRC32s, each four bytes little-endian:
// the source's, the target's, and the patch's own over every byte before that last one. A number is
// written seven bits a byte, lowest first, the high bit set on its last byte, and what is left is
// taken one less before each further byte (so that every number is written one way only). An action
// is a number holding its length less one shifted left by two, its kind in the low two bits:
//   SourceRead  the target's next bytes are the source's at the same offset;
//   TargetRead  they are the patch's bytes that follow the number;
//   SourceCopy  they are the source's from the offset where the last SourceCopy ended, moved on by a
//               signed number that follows (its magnitude shifted left by one, the sign in bit 0);
//   TargetCopy  the same from the target's bytes already written; the copy runs byte by byte, so one
//               that overlaps the bytes it writes repeats them (one byte copied on is a run of it).
#pragma once

#include <QByteArray>
#include <array>

namespace vertiloom {

enum class BpsAction { SourceRead, TargetRead, SourceCopy, TargetCopy };

inline constexpr const char* kBpsActionNames[] = {"SourceRead", "TargetRead", "SourceCopy", "TargetCopy"};

// What a patch says of itself.
struct BpsPatch {
    qint64 sourceSize = 0;
    qint64 targetSize = 0;
    QByteArray metadata;
    quint32 sourceCrc32 = 0;
    quint32 targetCrc32 = 0;
    quint32 patchCrc32 = 0;
    // By BpsAction: how many actions of each kind, and the target bytes they write.
    std::array<qint64, 4> actions{};
    std::array<qint64, 4> bytes{};
};

// Whether the bytes begin as a BPS patch does ("BPS1").
bool looksLikeBps(const QByteArray& patch);

// The patch read and checked through, as far as it can be without the source: "BPS1", its own CRC32,
// a target of at most 64 MiB, numbers that end (before the checksums) and fit in a file's size, the
// metadata, and every action: none writes past the target's size, a SourceRead reads within the
// source's size, a SourceCopy copies from within the source, a TargetCopy only from bytes already
// written; the actions end exactly where the checksums begin, with the target whole. Error names the
// action (counted from 1) and its byte in the patch.
BpsPatch readBps(const QByteArray& patch);

// Whether applying insists on the source the patch names: Require refuses an image of another size
// or CRC32, and a result of another CRC32 than the patch's target; Ignore applies the patch to the
// image given, every action still checked against its bytes, and leaves those comparisons to the
// caller.
enum class SourceCheck { Require, Ignore };

// The target: every check of readBps, with the actions checked against the source given (its size,
// with Ignore), before the target is built; then its CRC32 (with Require).
QByteArray applyBps(const QByteArray& source, const QByteArray& patch, SourceCheck check = SourceCheck::Require);

// The patch that turns source into target, with the metadata given (none when it is empty). Where the
// target has the source's bytes at the same offset, a SourceRead; a byte repeated a few times more,
// a TargetCopy of the byte before; bytes found in the source elsewhere (a block moved, the rest of
// the image after bytes put in or taken out), a SourceCopy; the rest a TargetRead, each action
// chosen only where it takes fewer patch bytes than the bytes themselves.
QByteArray createBps(const QByteArray& source, const QByteArray& target, const QByteArray& metadata = {});

} // namespace vertiloom
