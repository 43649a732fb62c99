// Making, reading and applying BPS patches; see bps.h. One walker reads a patch's actions and checks
// each before it hands it on: reading a patch counts them, applying one copies them. Making one
// compares the images at equal offsets as fast as memory goes, and only where they differ looks for
// a run, the last copy's alignment or a block elsewhere in the source (through an index of the
// source's 16-byte blocks, made the first time it is needed).
#include "formats/bps.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/files.h"
#include "rom/recognition.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace vertiloom {

namespace {

constexpr char kMagic[] = "BPS1";
constexpr qint64 kMagicSize = 4;
constexpr qint64 kChecksums = 12;
// "BPS1", three one-byte numbers, the checksums.
constexpr qint64 kSmallestPatch = kMagicSize + 3 + kChecksums;
// No number of a patch may reach this: far beyond any file, and sums of two never overflow.
constexpr quint64 kNumberLimit = quint64(1) << 62;

QString actionName(int kind) { return QString::fromLatin1(kBpsActionNames[kind]); }

// An offset that may be negative, as messages show it: "0x1F", "-0x1F".
QString signedHex(qint64 offset)
{
    return offset < 0 ? QStringLiteral("-0x") + IntToHexText(-offset) : QStringLiteral("0x") + IntToHexText(offset);
}

quint32 littleEndian32(const QByteArray& bytes, qint64 at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void putLittleEndian32(QByteArray& out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>(value >> (8 * i) & 0xFF));
}

void putNumber(QByteArray& out, quint64 n)
{
    for (;;) {
        const quint64 x = n & 0x7F;
        n >>= 7;
        if (n == 0) {
            out.append(static_cast<char>(0x80 | x));
            return;
        }
        out.append(static_cast<char>(x));
        --n;
    }
}

int numberSize(quint64 n)
{
    int size = 1;
    while ((n >>= 7) != 0) {
        --n;
        ++size;
    }
    return size;
}

quint64 signedNumber(qint64 offset) { return quint64(offset < 0 ? -offset : offset) << 1 | (offset < 0 ? 1 : 0); }

// No image a patch names is larger than the editor reads.
void checkSizes(qint64 source, qint64 target)
{
    for (const qint64 size : {source, target}) {
        if (size > kLargestFile)
            throw Error(tr("One of the patch's images is %1 bytes: no ROM image of the game is that large, and the "
                           "editor reads and writes files of at most 64 MiB (%2 bytes).")
                            .arg(groupedNumber(size), groupedNumber(kLargestFile)));
    }
}

// The patch's bytes up to its checksums, read one at a time, each read checked. Errors name what is
// being read: the head (action 0) or an action and the byte it starts at.
class Reader {
public:
    explicit Reader(const QByteArray& patch) : patch_(patch), end_(patch.size() - kChecksums) {}

    qint64 pos = kMagicSize;
    int action = 0;
    qint64 actionAt = 0;

    qint64 end() const { return end_; }

    quint8 byte()
    {
        if (pos >= end_)
            throw cutShort();
        return static_cast<quint8>(patch_[pos++]);
    }

    qint64 number()
    {
        const qint64 start = pos;
        quint64 data = 0;
        quint64 shift = 1;
        for (;;) {
            const quint8 x = byte();
            data += (x & 0x7F) * shift;
            if (x & 0x80)
                break;
            if (shift > (kNumberLimit >> 7))
                throw tooLarge(start);
            shift <<= 7;
            data += shift;
        }
        if (data >= kNumberLimit)
            throw tooLarge(start);
        return static_cast<qint64>(data);
    }

    // length bytes of the patch from here on, skipped; where they begin.
    qint64 skip(qint64 length)
    {
        if (end_ - pos < length)
            throw cutShort();
        pos += length;
        return pos - length;
    }

    Error cutShort() const
    {
        if (action == 0)
            return Error(vertiloom::tr("The patch is cut short: its head ends after its checksums begin at byte %1.")
                             .arg(groupedNumber(end_)));
        return Error(
            vertiloom::tr("The patch is cut short: action %1 at byte %2 ends after its checksums begin at byte %3.")
                .arg(action)
                .arg(groupedNumber(actionAt), groupedNumber(end_)));
    }

    // start: where the number begins.
    Error tooLarge(qint64 start) const
    {
        if (action == 0)
            return Error(vertiloom::tr("The patch's head holds a number beyond any file's size at byte %1.")
                             .arg(groupedNumber(start)));
        return Error(vertiloom::tr("Action %1 at byte %2 of the patch holds a number beyond any file's size.")
                         .arg(action)
                         .arg(groupedNumber(actionAt)));
    }

private:
    const QByteArray& patch_;
    qint64 end_;
};

// One action, checked: the target bytes [to, to + length) come from `from` in the source (SourceRead,
// SourceCopy), the patch (TargetRead) or the target (TargetCopy).
struct Step {
    BpsAction kind;
    qint64 to;
    qint64 length;
    qint64 from;
};

// The head read and checked: "BPS1", the size, the patch's own CRC32, the sizes and the metadata.
struct Head {
    BpsPatch info;
    qint64 actionsAt = 0;
};

Head readHead(const QByteArray& patch)
{
    if (patch.size() < kMagicSize || std::memcmp(patch.constData(), kMagic, kMagicSize) != 0)
        throw Error(tr("This is not a BPS patch: it does not begin with \"BPS1\"."));
    if (patch.size() < kSmallestPatch)
        throw Error(tr("The patch is cut short: its %1 bytes cannot hold the head and the three checksums of a BPS "
                       "patch (%2 bytes at least).")
                        .arg(groupedNumber(patch.size()))
                        .arg(kSmallestPatch));
    Head head;
    BpsPatch& info = head.info;
    const qint64 end = patch.size() - kChecksums;
    info.sourceCrc32 = littleEndian32(patch, end);
    info.targetCrc32 = littleEndian32(patch, end + 4);
    info.patchCrc32 = littleEndian32(patch, end + 8);
    const quint32 actual = crc32Of(QByteArrayView(patch).first(end + 8));
    if (actual != info.patchCrc32)
        throw Error(tr("The patch is damaged: its bytes have the CRC32 %1, but its last four bytes say %2.")
                        .arg(crc32Text(actual), crc32Text(info.patchCrc32)));
    Reader reader(patch);
    info.sourceSize = reader.number();
    info.targetSize = reader.number();
    checkSizes(info.sourceSize, info.targetSize);
    const qint64 metadataSize = reader.number();
    info.metadata = patch.mid(reader.skip(metadataSize), metadataSize);
    head.actionsAt = reader.pos;
    return head;
}

// Reads the actions after the head, checks each against a source of sourceSize bytes and the
// target's size, and hands it to visit; throws at the first that does not hold.
template <class Visit>
void walk(const QByteArray& patch, const Head& head, qint64 sourceSize, Visit&& visit)
{
    Reader reader(patch);
    reader.pos = head.actionsAt;
    const qint64 targetSize = head.info.targetSize;
    qint64 to = 0;
    qint64 sourceCursor = 0;
    qint64 targetCursor = 0;
    for (int number = 1; to < targetSize; ++number) {
        if (reader.pos == reader.end())
            throw Error(
                vertiloom::tr("The patch is cut short: its actions end at byte %1 with %2 of the target's %3 bytes "
                              "written.")
                    .arg(groupedNumber(reader.pos), groupedNumber(to), groupedNumber(targetSize)));
        reader.action = number;
        reader.actionAt = reader.pos;
        const qint64 word = reader.number();
        const auto kind = static_cast<BpsAction>(word & 3);
        const qint64 length = (word >> 2) + 1;
        if (length > targetSize - to)
            throw Error(
                vertiloom::tr("Action %1 at byte %2 of the patch (%3) writes %4 bytes at offset 0x%5, past the end of "
                              "the target (%6 bytes).")
                    .arg(number)
                    .arg(groupedNumber(reader.actionAt), actionName(word & 3), groupedNumber(length), IntToHexText(to),
                         groupedNumber(targetSize)));
        qint64 from = 0;
        switch (kind) {
        case BpsAction::SourceRead:
            from = to;
            break;
        case BpsAction::TargetRead:
            from = reader.skip(length);
            break;
        case BpsAction::SourceCopy:
        case BpsAction::TargetCopy: {
            const qint64 offset = reader.number();
            qint64& cursor = kind == BpsAction::SourceCopy ? sourceCursor : targetCursor;
            from = cursor + (offset & 1 ? -(offset >> 1) : offset >> 1);
            cursor = from + length;
            break;
        }
        }
        if (kind == BpsAction::SourceRead || kind == BpsAction::SourceCopy) {
            if (from < 0 || from > sourceSize - length)
                throw Error(
                    vertiloom::tr("Action %1 at byte %2 of the patch (%3) reads %4 bytes from offset %5 of the source, "
                                  "outside its %6 bytes.")
                        .arg(number)
                        .arg(groupedNumber(reader.actionAt), actionName(word & 3), groupedNumber(length),
                             signedHex(from), groupedNumber(sourceSize)));
        } else if (kind == BpsAction::TargetCopy && (from < 0 || from >= to)) {
            throw Error(
                vertiloom::tr("Action %1 at byte %2 of the patch (%3) copies from offset %4 of the target, where only "
                              "the bytes before offset 0x%5 are written.")
                    .arg(number)
                    .arg(groupedNumber(reader.actionAt), actionName(word & 3), signedHex(from), IntToHexText(to)));
        }
        visit(Step{kind, to, length, from});
        to += length;
    }
    if (reader.pos != reader.end())
        throw Error(
            vertiloom::tr("The patch goes on after its target is whole: its actions end at byte %1, but its checksums "
                          "begin at byte %2.")
                .arg(groupedNumber(reader.pos), groupedNumber(reader.end())));
}

// The target built from checked steps.
QByteArray build(const QByteArray& source, const QByteArray& patch, const Head& head)
{
    QByteArray target(head.info.targetSize, Qt::Uninitialized);
    char* out = target.data();
    walk(patch, head, source.size(), [&](const Step& s) {
        const auto length = static_cast<size_t>(s.length);
        switch (s.kind) {
        case BpsAction::SourceRead:
        case BpsAction::SourceCopy:
            std::memcpy(out + s.to, source.constData() + s.from, length);
            break;
        case BpsAction::TargetRead:
            std::memcpy(out + s.to, patch.constData() + s.from, length);
            break;
        case BpsAction::TargetCopy:
            if (s.to - s.from >= s.length) {
                std::memcpy(out + s.to, out + s.from, length);
            } else if (s.to - s.from == 1) {
                std::memset(out + s.to, out[s.from], length);
            } else {
                for (qint64 i = 0; i < s.length; ++i)
                    out[s.to + i] = out[s.from + i];
            }
            break;
        }
    });
    return target;
}

// How many bytes from a and b on are equal, at most limit: eight at a time.
qint64 matchLength(const char* a, const char* b, qint64 limit)
{
    qint64 n = 0;
    for (; n + 8 <= limit; n += 8) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y) {
            const std::uint64_t diff = x ^ y;
            return n
                   + (std::endian::native == std::endian::little ? std::countr_zero(diff) : std::countl_zero(diff)) / 8;
        }
    }
    while (n < limit && a[n] == b[n])
        ++n;
    return n;
}

// Blocks of the source at every kBlock-th offset, by a hash of their bytes: a block of the target
// that stands anywhere in the source, at least 2 * kBlock bytes long, holds one of them.
class SourceIndex {
public:
    static constexpr qint64 kBlock = 16;

    explicit SourceIndex(const QByteArray& source) : source_(source)
    {
        const qint64 blocks = source.size() / kBlock;
        const int bits = std::max(8, static_cast<int>(std::bit_width(static_cast<quint64>(blocks))) + 1);
        shift_ = 64 - bits;
        slots_.assign(size_t(1) << bits, -1);
        // Later blocks go first, so that an earlier one of the same bytes keeps the slot.
        for (qint64 b = blocks - 1; b >= 0; --b)
            slots_[slot(source.constData() + b * kBlock)] = static_cast<qint32>(b * kBlock);
    }

    // A source offset whose block may equal the kBlock bytes at bytes, or -1.
    qint64 find(const char* bytes) const { return slots_[slot(bytes)]; }

private:
    size_t slot(const char* bytes) const
    {
        std::uint64_t a;
        std::uint64_t b;
        std::memcpy(&a, bytes, 8);
        std::memcpy(&b, bytes + 8, 8);
        const std::uint64_t h = (a * 0x9E3779B97F4A7C15ull) ^ (b * 0xC2B2AE3D27D4EB4Full);
        return static_cast<size_t>((h ^ (h >> 29)) * 0x165667B19E3779F9ull >> shift_);
    }

    const QByteArray& source_;
    int shift_ = 0;
    std::vector<qint32> slots_;
};

// Writes the actions of a patch while the target is walked from its start.
class Writer {
public:
    Writer(const QByteArray& source, const QByteArray& target, QByteArray& out)
        : source_(source), target_(target), out_(out)
    {
    }

    void make()
    {
        const qint64 size = target_.size();
        qint64 o = 0;
        while (o < size) {
            const Match m = bestAt(o);
            if (m.length == 0 || cost(m) >= m.length) {
                if (literal_ < 0)
                    literal_ = o;
                ++o;
                continue;
            }
            Match match = m;
            // A block found elsewhere may have begun in the bytes already taken as literal.
            if (match.kind == BpsAction::SourceCopy) {
                while (literal_ >= 0 && o > literal_ && match.from > 0 && target_[o - 1] == source_[match.from - 1]) {
                    --o;
                    --match.from;
                    ++match.length;
                }
                if (literal_ == o)
                    literal_ = -1;
            }
            flushLiteral(o);
            put(match, o);
            o += match.length;
        }
        flushLiteral(size);
    }

private:
    struct Match {
        BpsAction kind = BpsAction::TargetRead;
        qint64 from = 0;
        qint64 length = 0;
    };

    // The patch bytes of a match, without the bytes it saves.
    int cost(const Match& m) const
    {
        const int word = numberSize(quint64(m.length - 1) << 2 | quint64(m.kind));
        switch (m.kind) {
        case BpsAction::SourceCopy:
            return word + numberSize(signedNumber(m.from - sourceCursor_));
        case BpsAction::TargetCopy:
            return word + numberSize(signedNumber(m.from - targetCursor_));
        default:
            return word;
        }
    }

    Match bestAt(qint64 o)
    {
        const qint64 left = target_.size() - o;
        const char* here = target_.constData() + o;
        Match best;
        const auto offer = [&](BpsAction kind, qint64 from, qint64 length) {
            if (length > best.length)
                best = {kind, from, length};
        };
        // The fast path: the bytes at the same offset, compared as fast as memory goes.
        if (o < source_.size())
            offer(BpsAction::SourceRead, o,
                  matchLength(here, source_.constData() + o, std::min(left, source_.size() - o)));
        if (best.length >= kLongEnough)
            return best;
        // The alignment of the last block copied from elsewhere: after bytes put in or taken out, the
        // rest of the image goes on there.
        const qint64 shifted = o + lastShift_;
        if (lastShift_ != 0 && shifted >= 0 && shifted < source_.size())
            offer(BpsAction::SourceCopy, shifted,
                  matchLength(here, source_.constData() + shifted, std::min(left, source_.size() - shifted)));
        // A run: the byte before repeated (a copy from the target that overlaps what it writes).
        if (o > 0 && target_[o - 1] == *here)
            offer(BpsAction::TargetCopy, o - 1, matchLength(here, here - 1, left));
        if (best.length >= kLongEnough || left < SourceIndex::kBlock)
            return best;
        if (!index_)
            index_.emplace(source_);
        const qint64 found = index_->find(here);
        if (found >= 0 && found != o && found != shifted)
            offer(BpsAction::SourceCopy, found,
                  matchLength(here, source_.constData() + found, std::min(left, source_.size() - found)));
        return best;
    }

    void flushLiteral(qint64 end)
    {
        if (literal_ < 0)
            return;
        putNumber(out_, quint64(end - literal_ - 1) << 2 | quint64(BpsAction::TargetRead));
        out_.append(target_.constData() + literal_, end - literal_);
        literal_ = -1;
    }

    void put(const Match& m, qint64 o)
    {
        putNumber(out_, quint64(m.length - 1) << 2 | quint64(m.kind));
        if (m.kind == BpsAction::SourceCopy) {
            putNumber(out_, signedNumber(m.from - sourceCursor_));
            sourceCursor_ = m.from + m.length;
            lastShift_ = m.from - o;
        } else if (m.kind == BpsAction::TargetCopy) {
            putNumber(out_, signedNumber(m.from - targetCursor_));
            targetCursor_ = m.from + m.length;
        }
    }

    // A match this long is taken without looking further.
    static constexpr qint64 kLongEnough = 64;

    const QByteArray& source_;
    const QByteArray& target_;
    QByteArray& out_;
    std::optional<SourceIndex> index_;
    qint64 literal_ = -1; // where the bytes not yet written as a TargetRead begin
    qint64 sourceCursor_ = 0;
    qint64 targetCursor_ = 0;
    qint64 lastShift_ = 0;
};

} // namespace

bool looksLikeBps(const QByteArray& patch) { return patch.startsWith(kMagic); }

BpsPatch readBps(const QByteArray& patch)
{
    Head head = readHead(patch);
    walk(patch, head, head.info.sourceSize, [&](const Step& s) {
        const auto kind = static_cast<size_t>(s.kind);
        ++head.info.actions[kind];
        head.info.bytes[kind] += s.length;
    });
    return head.info;
}

QByteArray applyBps(const QByteArray& source, const QByteArray& patch, SourceCheck check)
{
    const Head head = readHead(patch);
    const BpsPatch& info = head.info;
    if (check == SourceCheck::Require) {
        // The patch's own faults first: they are no fault of the image.
        walk(patch, head, info.sourceSize, [](const Step&) {});
        if (source.size() != info.sourceSize)
            throw Error(tr("This patch was made for an image of %1 bytes; this image has %2 bytes.")
                            .arg(groupedNumber(info.sourceSize), groupedNumber(source.size())));
        const quint32 crc = crc32Of(source);
        if (crc != info.sourceCrc32)
            throw Error(tr("This patch was made for an image with CRC32 %1; this image has %2.")
                            .arg(crc32Text(info.sourceCrc32), crc32Text(crc)));
    }
    QByteArray target = build(source, patch, head);
    if (check == SourceCheck::Require) {
        const quint32 crc = crc32Of(target);
        if (crc != info.targetCrc32)
            throw Error(tr("The patched image has the CRC32 %1, but the patch says its result has %2.")
                            .arg(crc32Text(crc), crc32Text(info.targetCrc32)));
    }
    return target;
}

QByteArray createBps(const QByteArray& source, const QByteArray& target, const QByteArray& metadata)
{
    checkSizes(source.size(), target.size());
    QByteArray patch(kMagic);
    patch.reserve(1024);
    putNumber(patch, static_cast<quint64>(source.size()));
    putNumber(patch, static_cast<quint64>(target.size()));
    putNumber(patch, static_cast<quint64>(metadata.size()));
    patch.append(metadata);
    Writer(source, target, patch).make();
    putLittleEndian32(patch, crc32Of(source));
    putLittleEndian32(patch, crc32Of(target));
    putLittleEndian32(patch, crc32Of(patch));

    // The patch is only handed on once it is known to give the target back.
    if (applyBps(source, patch, SourceCheck::Ignore) != target)
        throw Error(tr("The patch made does not turn the original image into the modified one: this is a fault of "
                       "the editor, and nothing was written."));
    return patch;
}

} // namespace vertiloom
