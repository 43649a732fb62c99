// Making and applying IPS patches; see ips.h. Making one first finds the stretches of changed bytes,
// then picks for each run of equal bytes in a stretch the cheapest way to write it (a small dynamic
// programme over the runs), then lays the records out within the format's limits.
#include "record/ips.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/files.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace vertiloom {

namespace {

constexpr qint64 kEofOffset = 0x454F46; // the offset whose three bytes read "EOF"
constexpr qint64 kMaxRecord = 0xFFFF;
constexpr qint64 kRecordHead = 5; // offset and size
constexpr qint64 kRleRecord = 8;  // offset, size 0, count, byte
// A changed run shorter than this costs no more as data with a head of its own than as an RLE record.
constexpr qint64 kShortRun = 4;
constexpr char kHead[] = "PATCH";
constexpr char kEof[] = "EOF";

struct Record {
    qint64 offset = 0;
    qint64 length = 0;
    bool rle = false;
};

// A piece of a stretch of changes: a run of equal bytes of the modified image, or several short
// changed runs in a row, which are always cheapest as data.
struct Run {
    qint64 begin = 0;
    qint64 length = 0;
    bool changed = false;
    bool dataOnly = false;
};

qint64 bigEndian(const QByteArray& bytes, qint64 at, int width)
{
    qint64 value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void putBigEndian(QByteArray& out, qint64 value, int width)
{
    for (int i = width - 1; i >= 0; --i)
        out.append(static_cast<char>(value >> (8 * i) & 0xFF));
}

qint64 pieces(qint64 length) { return (length + kMaxRecord - 1) / kMaxRecord; }

// Appends r, moved off kEofOffset: a record there would read as the end of the patch.
void addRecord(QList<Record>& out, const QByteArray& image, const Record& r)
{
    if (r.offset != kEofOffset) {
        out.append(r);
        return;
    }
    const qint64 before = kEofOffset - 1;
    if (!r.rle && r.length < kMaxRecord) {
        out.append({before, r.length + 1, false});
    } else if (!r.rle) {
        out.append({before, kMaxRecord, false});
        out.append({before + kMaxRecord, 1, false});
    } else if (image[before] == image[kEofOffset] && r.length < kMaxRecord) {
        out.append({before, r.length + 1, true});
    } else {
        out.append({before, 2, false});
        if (r.length > 1)
            out.append({kEofOffset + 1, r.length - 1, true});
    }
}

// Appends the records of [begin, begin + length), cut into pieces the size field can hold.
void addPieces(QList<Record>& out, const QByteArray& image, qint64 begin, qint64 length, bool rle)
{
    for (qint64 done = 0; done < length; done += kMaxRecord)
        addRecord(out, image, {begin + done, std::min(kMaxRecord, length - done), rle});
}

qint64 runEnd(const QByteArray& modified, qint64 begin, qint64 end)
{
    qint64 i = begin + 1;
    while (i < end && modified[i] == modified[begin])
        ++i;
    return i;
}

bool changedIn(const QByteArray& original, const QByteArray& modified, qint64 begin, qint64 end)
{
    const auto length = static_cast<size_t>(end - begin);
    return std::memcmp(original.constData() + begin, modified.constData() + begin, length) != 0;
}

// The piece of the stretch that ends at end which starts at begin. Joining the short changed runs
// keeps noise (a different game, compressed data) to one piece instead of one per byte.
Run pieceAt(const QByteArray& original, const QByteArray& modified, qint64 begin, qint64 end)
{
    qint64 stop = runEnd(modified, begin, end);
    const bool changed = changedIn(original, modified, begin, stop);
    const bool dataOnly = changed && stop - begin < kShortRun;
    while (dataOnly && stop < end) {
        const qint64 next = runEnd(modified, stop, end);
        if (next - stop >= kShortRun || !changedIn(original, modified, stop, next))
            break;
        stop = next;
    }
    return {begin, stop - begin, changed, dataOnly};
}

// The records of the stretch [begin, end), which starts and ends with a changed byte: the cheapest
// choice per piece, found over two states, whether the piece before ended in data (which the next
// may continue without a head) or not. Only the choices are kept per piece, so that a stretch of
// millions of pieces costs two bytes each; the pieces are found again to write the records.
void addStretch(QList<Record>& out, const QByteArray& original, const QByteArray& modified, qint64 begin, qint64 end)
{
    enum Choice : std::uint8_t { Skip, Data, Rle };
    // Patch bytes, then RLE records, then records: ties go to data and to fewer records.
    using Cost = std::array<qint64, 3>;
    constexpr Cost kNever{std::numeric_limits<qint64>::max(), 0, 0};

    // steps[k][state after piece k]: the choice for piece k and the state before it.
    struct Step {
        Choice choice = Skip;
        std::uint8_t from = 0;
    };
    std::vector<std::array<Step, 2>> steps;
    std::array<Cost, 2> cost{Cost{0, 0, 0}, kNever};
    for (qint64 i = begin; i < end;) {
        const Run piece = pieceAt(original, modified, i, end);
        std::array<Cost, 2> next{kNever, kNever};
        std::array<Step, 2> step;
        for (std::uint8_t open = 0; open < 2; ++open) {
            if (cost[open] == kNever)
                continue;
            const auto offer = [&](Choice c, int after, qint64 bytes, qint64 rle, qint64 records) {
                const Cost total{cost[open][0] + bytes, cost[open][1] + rle, cost[open][2] + records};
                if (total < next[after]) {
                    next[after] = total;
                    step[after] = {c, open};
                }
            };
            if (!piece.changed)
                offer(Skip, 0, 0, 0, 0);
            const qint64 head = open ? 0 : 1;
            offer(Data, 1, piece.length + head * kRecordHead, 0, head);
            const qint64 rle = pieces(piece.length);
            if (!piece.dataOnly)
                offer(Rle, 0, rle * kRleRecord, rle, rle);
        }
        steps.push_back(step);
        cost = next;
        i += piece.length;
    }

    std::vector<Choice> chosen(steps.size());
    for (std::size_t k = steps.size(), state = cost[1] < cost[0] ? 1 : 0; k-- > 0;) {
        chosen[k] = steps[k][state].choice;
        state = steps[k][state].from;
    }
    qint64 data = -1; // where the data being gathered starts
    std::size_t k = 0;
    for (qint64 i = begin; i < end; ++k) {
        const Run piece = pieceAt(original, modified, i, end);
        if (chosen[k] == Data && data < 0)
            data = i;
        if (chosen[k] != Data && data >= 0) {
            addPieces(out, modified, data, i - data, false);
            data = -1;
        }
        if (chosen[k] == Rle)
            addPieces(out, modified, i, piece.length, true);
        i += piece.length;
    }
    if (data >= 0)
        addPieces(out, modified, data, end - data, false);
}

} // namespace

QByteArray createIps(const QByteArray& original, const QByteArray& modified)
{
    if (original.size() != modified.size())
        throw Error(tr("The original image is %1 bytes and the modified one %2 bytes: a patch is made only "
                       "between images of the same size, since an IPS patch cannot shorten an image and "
                       "this program never lengthens one.")
                        .arg(groupedNumber(original.size()), groupedNumber(modified.size())));
    const qint64 size = modified.size();
    for (qint64 i = kIpsReach; i < size; ++i) {
        if (original[i] != modified[i])
            throw Error(tr("The images differ at offset 0x%1, beyond the first 16 MiB: an IPS patch cannot "
                           "reach offsets from 0x1000000 on.")
                            .arg(IntToHexText(i)));
    }

    QList<Record> records;
    for (qint64 i = 0; i < size;) {
        if (original[i] == modified[i]) {
            ++i;
            continue;
        }
        const qint64 begin = i;
        qint64 end = i + 1; // one past the last changed byte so far
        for (i = end; i < size && i - end <= kRecordHead; ++i) {
            if (original[i] != modified[i])
                end = i + 1;
        }
        addStretch(records, original, modified, begin, end);
    }

    QByteArray patch(kHead);
    for (const Record& r : std::as_const(records)) {
        putBigEndian(patch, r.offset, 3);
        if (r.rle) {
            putBigEndian(patch, 0, 2);
            putBigEndian(patch, r.length, 2);
            patch.append(modified[r.offset]);
        } else {
            putBigEndian(patch, r.length, 2);
            patch.append(modified.constData() + r.offset, r.length);
        }
    }
    patch.append(kEof);
    return patch;
}

namespace {

// One record of a patch, checked: where it writes, and where its bytes (or the repeated byte) stand
// in the patch.
struct Write {
    qint64 offset;
    qint64 length;
    qint64 source;
    bool rle;
};

// The records, each checked, against an image of imageSize bytes (-1: no image, whose size is then
// not checked); sizeAfter is the size given after the "EOF" marker, or -1.
QList<Write> readRecords(const QByteArray& patch, qint64 imageSize, qint64& sizeAfter)
{
    const qint64 size = patch.size();
    const qint64 headSize = sizeof kHead - 1;
    if (size < headSize || std::memcmp(patch.constData(), kHead, headSize) != 0)
        throw Error(tr("This is not an IPS patch: it does not begin with \"PATCH\"."));

    QList<Write> writes;
    qint64 pos = headSize;
    for (int number = 1;; ++number) {
        if (size - pos < 3)
            throw Error(
                tr("The patch is cut short: it ends at byte %1 without its \"EOF\" marker.").arg(groupedNumber(size)));
        if (std::memcmp(patch.constData() + pos, kEof, 3) == 0)
            break;
        const qint64 at = pos;
        const auto cutShort = [&] {
            return Error(tr("The patch is cut short: record %1 at byte %2 ends after the patch does.")
                             .arg(number)
                             .arg(groupedNumber(at)));
        };
        if (size - pos < kRecordHead)
            throw cutShort();
        Write w{bigEndian(patch, pos, 3), bigEndian(patch, pos + 3, 2), pos + kRecordHead, false};
        pos += kRecordHead;
        if (w.length == 0) {
            if (size - pos < 3)
                throw cutShort();
            w = {w.offset, bigEndian(patch, pos, 2), pos + 2, true};
            pos += 3;
            if (w.length == 0)
                throw Error(tr("Record %1 at byte %2 of the patch is malformed: it repeats a byte 0 times.")
                                .arg(number)
                                .arg(groupedNumber(at)));
        } else {
            if (size - pos < w.length)
                throw cutShort();
            pos += w.length;
        }
        const qint64 last = w.offset + w.length - 1;
        if (last >= kIpsReach)
            throw Error(tr("Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, beyond the first "
                           "16 MiB that an IPS patch can reach.")
                            .arg(number)
                            .arg(groupedNumber(at), IntToHexText(w.offset), IntToHexText(last)));
        if (imageSize >= 0 && last >= imageSize)
            throw Error(
                tr("Record %1 at byte %2 of the patch writes offsets 0x%3 to 0x%4, past the end of the "
                   "image (%5 bytes): applying a patch never makes an image longer.")
                    .arg(number)
                    .arg(groupedNumber(at), IntToHexText(w.offset), IntToHexText(last), groupedNumber(imageSize)));
        writes.append(w);
    }

    const qint64 eofAt = pos;
    const qint64 after = size - eofAt - 3;
    sizeAfter = -1;
    if (after == 3) {
        const qint64 asked = bigEndian(patch, eofAt + 3, 3);
        sizeAfter = asked;
        if (imageSize >= 0 && asked != imageSize)
            throw Error(tr("The patch asks for an image of %1 bytes after its \"EOF\" marker, but the image is "
                           "%2 bytes: applying a patch never changes an image's size.")
                            .arg(groupedNumber(asked), groupedNumber(imageSize)));
    } else if (after != 0) {
        throw Error(tr("The patch goes on after its \"EOF\" marker at byte %1 and ends at byte %2; only a "
                       "3-byte size may follow the marker.")
                        .arg(groupedNumber(eofAt), groupedNumber(size)));
    }
    return writes;
}

} // namespace

IpsPatch readIps(const QByteArray& patch)
{
    IpsPatch info;
    for (const Write& w : readRecords(patch, -1, info.sizeAfter)) {
        ++info.records;
        info.rleRecords += w.rle;
        info.bytes += w.length;
    }
    return info;
}

QByteArray applyIps(const QByteArray& image, const QByteArray& patch)
{
    qint64 sizeAfter = -1;
    const QList<Write> writes = readRecords(patch, image.size(), sizeAfter);
    QByteArray out = image;
    char* bytes = out.data();
    for (const Write& w : std::as_const(writes)) {
        if (w.rle)
            std::memset(bytes + w.offset, patch[w.source], static_cast<size_t>(w.length));
        else
            std::memcpy(bytes + w.offset, patch.constData() + w.source, static_cast<size_t>(w.length));
    }
    return out;
}

} // namespace vertiloom
