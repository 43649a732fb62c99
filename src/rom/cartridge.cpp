// Finding the cartridge header of a ROM image and summing the image as the console does; see
// cartridge.h for the rules.
#include "rom/cartridge.h"

#include "rom/recognition.h"

#include <algorithm>
#include <array>

namespace vertiloom {

namespace {

constexpr qint64 kTitleLength = 21;
constexpr qint64 kMapModeAt = 0x15;
constexpr qint64 kRomSizeAt = 0x17;
constexpr qint64 kCountryAt = 0x19;
constexpr qint64 kVersionAt = 0x1B;
constexpr quint8 kFastRom = 0x10;

struct MapMode {
    quint8 value; // without the fast ROM bit
    const char* name;
    bool high; // keeps its header at FFC0
};
constexpr std::array<MapMode, 6> kMapModes{{
    {0x20, "LoROM", false},
    {0x21, "HiROM", true},
    {0x22, "ExLoROM", false},
    {0x23, "SA-1", false},
    {0x25, "ExHiROM", true},
    {0x2A, "SPC7110", true},
}};

constexpr std::array<const char*, 0x12> kCountries{
    "Japan",     "North America", "Europe",        "Scandinavia", "Finland", "Denmark",
    "France",    "Netherlands",   "Spain",         "Germany",     "Italy",   "China",
    "Indonesia", "South Korea",   "International", "Canada",      "Brazil",  "Australia",
};

const MapMode* knownMapMode(quint8 mapMode)
{
    for (const MapMode& mode : kMapModes) {
        if (mode.value == (mapMode & ~kFastRom))
            return &mode;
    }
    return nullptr;
}

qint64 copierHeader(const QByteArray& image) { return hasCopierHeader(image.size()) ? kCopierHeaderSize : 0; }

quint8 byteAt(const QByteArray& image, qint64 offset) { return static_cast<quint8>(image[offset]); }

quint16 wordAt(const QByteArray& image, qint64 offset)
{
    return static_cast<quint16>(byteAt(image, offset) | byteAt(image, offset + 1) << 8);
}

bool titleCharacter(quint8 byte) { return (byte >= 0x20 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xDF); }

// Text, padded with 00 at most at its end, and not blank.
bool titleIsText(const QByteArray& image, qint64 at)
{
    bool padding = false;
    bool something = false;
    for (qint64 i = 0; i < kTitleLength; ++i) {
        const quint8 byte = byteAt(image, at + i);
        if (byte == 0x00) {
            padding = true;
            continue;
        }
        if (padding || !titleCharacter(byte))
            return false;
        something = something || byte != 0x20;
    }
    return something;
}

QString titleText(const QByteArray& image, qint64 at)
{
    QString title;
    for (qint64 i = 0; i < kTitleLength; ++i) {
        const quint8 byte = byteAt(image, at + i);
        if (byte >= 0xA1 && byte <= 0xDF)
            title += QChar(static_cast<char16_t>(0xFF61 + byte - 0xA1)); // half-width katakana
        else if (byte == 0x00)
            title += u' ';
        else
            title += titleCharacter(byte) ? QChar(byte) : QChar(u'?');
    }
    while (title.endsWith(u' '))
        title.chop(1);
    return title;
}

// Sums wrap at 2^32, which keeps their low 16 bits, all that the checksum takes (and lets the
// compiler add many bytes at once).
quint32 plainSum(const char* data, qint64 size)
{
    quint32 sum = 0;
    for (qint64 i = 0; i < size; ++i)
        sum += static_cast<unsigned char>(data[i]);
    return sum;
}

// The sum of size bytes repeated until they fill target bytes (a power of two, no less than size).
quint32 mirroredSum(const char* data, qint64 size, qint64 target)
{
    if (size == 0)
        return 0;
    if (size == target)
        return plainSum(data, size);
    const qint64 half = target / 2;
    if (size <= half)
        return 2 * mirroredSum(data, size, half);
    return plainSum(data, half) + mirroredSum(data + half, size - half, half);
}

} // namespace

int headerScore(const QByteArray& image, qint64 place)
{
    const qint64 at = copierHeader(image) + place;
    if (at + kCartridgeHeaderSize > image.size())
        return -1;
    int score = 0;
    if ((wordAt(image, at + kComplementAt) ^ wordAt(image, at + kChecksumAt)) == 0xFFFF)
        score += 4;
    if (const MapMode* mode = knownMapMode(byteAt(image, at + kMapModeAt))) {
        score += 2;
        if (mode->high == (place == kHighHeaderPlace))
            score += 1;
    }
    if (titleIsText(image, at))
        score += 2;
    const quint8 romSize = byteAt(image, at + kRomSizeAt);
    if (romSize >= 0x08 && romSize <= 0x0D)
        score += 1;
    if (byteAt(image, at + kCountryAt) < kCountries.size())
        score += 1;
    return score;
}

std::optional<CartridgeHeader> findCartridgeHeader(const QByteArray& image)
{
    const int low = headerScore(image, kLowHeaderPlace);
    const int high = headerScore(image, kHighHeaderPlace);
    if (std::max(low, high) < kHeaderScoreNeeded)
        return std::nullopt;
    CartridgeHeader header;
    header.high = high > low;
    header.score = std::max(low, high);
    header.offset = copierHeader(image) + (header.high ? kHighHeaderPlace : kLowHeaderPlace);
    header.title = titleText(image, header.offset);
    header.mapMode = byteAt(image, header.offset + kMapModeAt);
    header.romSize = byteAt(image, header.offset + kRomSizeAt);
    header.country = byteAt(image, header.offset + kCountryAt);
    header.version = byteAt(image, header.offset + kVersionAt);
    header.complement = wordAt(image, header.offset + kComplementAt);
    header.checksum = wordAt(image, header.offset + kChecksumAt);
    return header;
}

quint16 imageChecksum(const QByteArray& image)
{
    const qint64 header = copierHeader(image);
    const qint64 size = image.size() - header;
    qint64 target = 1;
    while (target < size)
        target *= 2;
    return static_cast<quint16>(mirroredSum(image.constData() + header, size, target));
}

ChecksumCheck checkChecksum(const QByteArray& image)
{
    ChecksumCheck check;
    check.header = findCartridgeHeader(image);
    check.computed = imageChecksum(image);
    check.matches = check.header && check.header->checksum == check.computed
                    && check.header->complement == static_cast<quint16>(~check.computed);
    return check;
}

Patch checksumPatch(const QByteArray& image, const CartridgeHeader& header)
{
    const qint64 at = header.offset + kComplementAt;
    // Any checksum with its complement adds the same to the sum: the sum with one such pair in
    // place is the sum with the right one.
    QByteArray summed = image;
    summed.replace(at, 4, QByteArray::fromRawData("\xFF\xFF\x00\x00", 4));
    const quint16 checksum = imageChecksum(summed);
    const quint16 complement = static_cast<quint16>(~checksum);
    QByteArray bytes;
    for (const quint16 word : {complement, checksum})
        bytes.append(static_cast<char>(word & 0xFF)).append(static_cast<char>(word >> 8));
    return Patch{at, bytes, image.mid(at, 4)};
}

QString mapModeName(quint8 mapMode)
{
    const MapMode* mode = knownMapMode(mapMode);
    if (!mode)
        return {};
    return QString::fromLatin1(mode->name) + ((mapMode & kFastRom) ? QStringLiteral(", fast ROM") : QString());
}

QString countryName(quint8 country)
{
    return country < kCountries.size() ? QString::fromLatin1(kCountries[country]) : QString();
}

QString romSizeName(quint8 romSize)
{
    if (romSize > 0x0D)
        return {};
    const qint64 kib = qint64(1) << romSize;
    return kib >= 1024 ? QStringLiteral("%1 MiB").arg(kib / 1024) : QStringLiteral("%1 KiB").arg(kib);
}

} // namespace vertiloom
