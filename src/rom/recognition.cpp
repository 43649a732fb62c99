// Recognising the dump of a ROM image; see recognition.h.
#include "rom/recognition.h"

#include "model/messages.h"

#include "model/error.h"
#include "model/hex.h"
#include "record/record.h"
#include "rom/catalogue.h"
#include "rom/words.h"

#include <algorithm>
#include <array>

#include <zlib.h>

namespace vertiloom {

namespace {

// Tile codes run from 00 to 19; anything above is not a letter the game can show.
constexpr int kLastTileCode = 0x19;

struct CatalogueNumbers {
    std::array<qint64, kCatalogueSize> baseOffset{};
    std::array<int, kCatalogueSize> length{};
};

const CatalogueNumbers& catalogueNumbers()
{
    static const CatalogueNumbers numbers = [] {
        CatalogueNumbers n;
        for (int i = 0; i < kCatalogueSize; ++i) {
            n.baseOffset[i] = HexToInt(QString::fromLatin1(kCatalogue[i].baseOffset));
            n.length[i] = QString::fromLatin1(kCatalogue[i].label).section(u' ', -1).toInt();
        }
        return n;
    }();
    return numbers;
}

// Every file offset a dump is read at: the 24 letters and the first byte of each word.
struct Placement {
    std::array<qint64, kCatalogueSize> letters{};
    qint64 pause = 0;
    qint64 gameOver = 0;
    bool operator==(const Placement&) const = default;
};

Placement placement(const RomVariant& variant, qint64 header)
{
    Placement p;
    const CatalogueNumbers& numbers = catalogueNumbers();
    for (int i = 0; i < kCatalogueSize; ++i)
        p.letters[i] = numbers.baseOffset[i] + variant.displacement + header;
    const auto words = wordPlaces(variant);
    p.pause = words[0].offset + header;
    p.gameOver = words[1].offset + header;
    return p;
}

bool tileCodesAt(const QByteArray& image, qint64 offset, int length)
{
    if (offset < 0 || offset + length > image.size())
        return false;
    for (int i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(image[offset + i]) > kLastTileCode)
            return false;
    }
    return true;
}

} // namespace

bool hasCopierHeader(qint64 imageSize) { return imageSize % 1024 == kCopierHeaderSize; }

QString dumpCrc32(const QByteArray& image)
{
    const qint64 header = hasCopierHeader(image.size()) ? kCopierHeaderSize : 0;
    return crc32Text(crc32Of(QByteArrayView(image).sliced(header)));
}

QString dumpDigest(const QByteArray& image, QCryptographicHash::Algorithm algorithm)
{
    const qint64 header = hasCopierHeader(image.size()) ? kCopierHeaderSize : 0;
    return QString::fromLatin1(QCryptographicHash::hash(QByteArrayView(image).sliced(header), algorithm).toHex());
}

quint32 crc32Of(QByteArrayView bytes)
{
    const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
    return static_cast<quint32>(crc32_z(crc32_z(0L, Z_NULL, 0), data, static_cast<z_size_t>(bytes.size())));
}

QString crc32Text(quint32 crc) { return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper(); }

int catalogueLength(int position) { return catalogueNumbers().length.at(static_cast<size_t>(position - 1)); }

bool fits(const QByteArray& image, const RomVariant& variant, qint64 header)
{
    const Placement p = placement(variant, header);
    for (int i = 0; i < kCatalogueSize; ++i) {
        const qint64 offset = p.letters[i];
        if (offset < 0 || offset >= image.size())
            return false;
        qsizetype consumed = 0;
        try {
            parseRecord(image, offset, offset, &consumed);
        } catch (const Error&) {
            return false; // cut off by the end of the image, or a count the editor can't hold
        }
        if (consumed > catalogueNumbers().length[i])
            return false;
    }
    return true;
}

bool wordsKnown(const QByteArray& image, const RomVariant& variant, qint64 header)
{
    const Placement p = placement(variant, header);
    return tileCodesAt(image, p.pause, kPauseLength) && tileCodesAt(image, p.gameOver, kGameOverLength);
}

Recognition recognise(const QByteArray& image, Crc crc)
{
    Recognition r;
    r.size = image.size();
    r.hasHeader = hasCopierHeader(r.size);
    if (crc == Crc::Take)
        r.crc32 = dumpCrc32(image);

    // The image has a header, so reading it with one comes first; a headerless reading that lands
    // on the same offsets is then the same dump under another name.
    QList<qint64> headers;
    if (r.hasHeader)
        headers << kCopierHeaderSize;
    headers << 0;
    QList<Placement> seen;
    for (const qint64 header : headers) {
        for (const RomVariant& variant : kRomVariants) {
            const Placement p = placement(variant, header);
            if (seen.contains(p))
                continue;
            seen << p;
            if (fits(image, variant, header))
                r.fitting << DumpMatch{&variant, header, wordsKnown(image, variant, header)};
        }
    }
    std::stable_partition(r.fitting.begin(), r.fitting.end(), [](const DumpMatch& m) { return m.wordsKnown; });
    return r;
}

const DumpMatch* matchFor(const Recognition& recognition, const RomVariant& variant, qint64 header)
{
    const Placement wanted = placement(variant, header);
    for (const DumpMatch& match : recognition.fitting) {
        if (placement(*match.variant, match.header) == wanted)
            return &match;
    }
    return nullptr;
}

bool fitsAsSelected(const Recognition& recognition, const RomVariant& variant, qint64 header)
{
    const DumpMatch* match = matchFor(recognition, variant, header);
    if (!match)
        return false;
    const bool anyKnown = std::any_of(recognition.fitting.cbegin(), recognition.fitting.cend(),
                                      [](const DumpMatch& m) { return m.wordsKnown; });
    return match->wordsKnown || !anyKnown;
}

// Whole texts with their placeholders, ready to become messages in the user's language.
QString recognitionText(const Recognition& recognition)
{
    if (recognition.fitting.isEmpty())
        return tr("Not one of the five known dumps\nCRC32 %1").arg(recognition.crc32);
    const DumpMatch& first = recognition.fitting.front();
    const QString caption = QString::fromLatin1(first.variant->caption);
    if (first.header == kCopierHeaderSize)
        return tr("%1 (with a 512-byte header)\nCRC32 %2").arg(caption, recognition.crc32);
    return QStringLiteral("%1\nCRC32 %2").arg(caption, recognition.crc32);
}

} // namespace vertiloom
