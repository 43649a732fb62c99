// The six conversions of hexadecimal field texts; see hex.h.
#include "model/hex.h"

namespace vertiloom {

namespace {
const char kDigits[] = "0123456789ABCDEF";

QChar upper(QChar c) { return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c; }

bool isHexDigit(QChar c)
{
    const QChar u = upper(c);
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F');
}
} // namespace

int HexDigitValue(QChar c)
{
    for (int i = 0; i < 16; ++i) {
        if (c == QLatin1Char(kDigits[i]))
            return i;
    }
    return 0;
}

std::int32_t HexToInt(const QString& text)
{
    std::uint32_t sum = 0;
    for (const QChar c : text) {
        if (!isHexDigit(c))
            return 0;
        sum = sum * 16u + static_cast<std::uint32_t>(HexDigitValue(upper(c)));
    }
    return static_cast<std::int32_t>(sum);
}

QString IntToHexText(std::int64_t value)
{
    std::uint64_t v =
        value < 0 ? static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) : static_cast<std::uint64_t>(value);
    if (v == 0)
        return QStringLiteral("0");
    QString out;
    while (v != 0) {
        out.prepend(QLatin1Char(kDigits[v % 16]));
        v /= 16;
    }
    return out;
}

QByteArray HexToBytes(const QString& text)
{
    QByteArray bytes;
    for (qsizetype p = 0; p + 1 < text.size(); p += 2) {
        const QChar hi = text[p];
        const QChar lo = text[p + 1];
        if (isHexDigit(hi) && isHexDigit(lo))
            bytes.append(static_cast<char>(HexDigitValue(upper(hi)) * 16 + HexDigitValue(upper(lo))));
        else
            bytes.append('\0');
    }
    return bytes;
}

int VertexRefToPoint(const QString& text)
{
    if (text.size() == 1) {
        const int v = HexDigitValue(text[0]);
        // Only the references of points 1 to 8 have a one-digit form: "0", "2" ... "E".
        if ((v != 0 || text[0] == u'0') && v % 2 == 0)
            return v / 2 + 1;
        return 0;
    }
    if (text.size() != 2)
        return 0;
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return 0;
    }
    const int v = HexDigitValue(text[0]) * 16 + HexDigitValue(text[1]);
    if (v % 2 != 0 || v > 0x26)
        return 0;
    return v / 2 + 1;
}

QString VertexRefToPointNumber(const QString& text)
{
    const int n = VertexRefToPoint(text);
    return n == 0 ? QString() : QString::number(n);
}

int HexToPreviewPosition(const QString& text)
{
    if (text.size() != 2)
        return -1;
    for (const QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return -1;
    }
    const int byte = HexDigitValue(text[0]) * 16 + HexDigitValue(text[1]);
    const int signedValue = byte >= 128 ? byte - 256 : byte;
    return signedValue + 128;
}

QString HexToPreviewCoord(const QString& text)
{
    const int position = HexToPreviewPosition(text);
    return position < 0 ? QString() : QString::number(position);
}

QString TwoDigitHex(std::int64_t value) { return PadToTwo(IntToHexText(value)); }

QString PadToTwo(const QString& text) { return text.size() == 1 ? QStringLiteral("0") + text : text; }

} // namespace vertiloom
