// Tile codes and the bytes of the PAUSE and GAME OVER words; see words.h.
#include "rom/words.h"

#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/files.h"
#include "record/writes.h"
#include "rom/catalogue.h"

#include <QByteArray>
#include <QFile>
#include <QList>

namespace vertiloom {

namespace {

// The character of each tile code, code 00 first.
constexpr char kTiles[] = "PAUSED!0123456789LCT GMOVR";
constexpr int kTileCount = sizeof(kTiles) - 1;

// The ROM image opened read-only, its size checked: a letter file is refused by name.
void openRomImageToRead(const QString& path, QFile& file, WordAction action)
{
    const bool reading = action == WordAction::Read;
    if (path.isEmpty())
        throw Error(reading ? tr("No ROM image is open yet. Open a ROM image with \"Open file\" first, then "
                                 "read the words.")
                            : tr("No ROM image is open yet. Open a ROM image with \"Open file\" first, then "
                                 "write the words."));
    openOrThrow(file, path, QIODevice::ReadOnly);
    if (!isRomImage(file.size()))
        throw Error((reading ? tr("The file last opened, \"%1\", is a letter file, not a ROM image (%2 bytes; "
                                  "a ROM image is larger than 2,000,000 bytes). Open a ROM image with "
                                  "\"Open file\" first, then read the words.")
                             : tr("The file last opened, \"%1\", is a letter file, not a ROM image (%2 bytes; "
                                  "a ROM image is larger than 2,000,000 bytes). Open a ROM image with "
                                  "\"Open file\" first, then write the words."))
                        .arg(shownPath(path), groupedNumber(file.size())));
}

// The bytes of one word, read at its offset; throws Error naming what failed, and when writing
// saying that nothing was written.
QByteArray readWord(QFile& file, const QString& path, const WordPlace& word, bool writing)
{
    QByteArray read;
    if (file.seek(word.offset))
        read = file.read(word.length);
    if (read.size() != word.length)
        throw Error((writing ? tr("Cannot read the %1 word from \"%2\": %3. Nothing was written.")
                             : tr("Cannot read the %1 word from \"%2\": %3."))
                        .arg(word.name, shownPath(path),
                             file.error() != QFileDevice::NoError ? file.errorString() : tr("the file ended early")));
    return read;
}

} // namespace

std::array<WordPlace, 2> wordPlaces(const RomVariant& variant, qint64 header)
{
    return {{
        {QStringLiteral("PAUSE"), 0, kPauseLength, header + HexToInt(QString::fromLatin1(variant.pauseOffset))},
        {QStringLiteral("GAME OVER"), kPauseLength, kGameOverLength,
         header + HexToInt(QString::fromLatin1(variant.gameOverOffset))},
    }};
}

QString tileCharacter(int code)
{
    if (code < 0 || code >= kTileCount)
        return {};
    return QString(QLatin1Char(kTiles[code]));
}

int tileCode(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String("_"))
        return 0x14;
    if (text == QLatin1String("I"))
        return 0x08;
    if (text.size() != 1)
        return -1;
    for (int code = 0; code < kTileCount; ++code) {
        if (text.at(0) == QLatin1Char(kTiles[code]))
            return code;
    }
    return -1;
}

int tileLetter(int code)
{
    QString glyph = tileCharacter(code);
    if (glyph == QLatin1String("1"))
        glyph = QStringLiteral("I");
    else if (glyph == QLatin1String("!"))
        glyph = QStringLiteral("!!");
    return glyph.trimmed().isEmpty() ? 0 : cataloguePosition(glyph);
}

void checkWordsInside(const QString& path, qint64 fileSize, const RomVariant& variant, qint64 header)
{
    for (const WordPlace& word : wordPlaces(variant, header)) {
        if (word.offset + word.length > fileSize)
            throw Error(tr("\"%1\" is too short for the words of the %2 dump: the %3 "
                           "word lies at offset %4, but the file ends after %5 bytes.")
                            .arg(shownPath(path), QString::fromLatin1(variant.caption), word.name,
                                 IntToHexText(word.offset), groupedNumber(fileSize)));
    }
}

WordBytes readWordBytes(const QString& path, const RomVariant& variant, WordAction action, qint64 header)
{
    QFile file;
    openRomImageToRead(path, file, action);
    checkWordsInside(path, file.size(), variant, header);
    WordBytes bytes{};
    for (const WordPlace& word : wordPlaces(variant, header)) {
        const QByteArray read = readWord(file, path, word, false);
        for (int place = 0; place < word.length; ++place)
            bytes[static_cast<size_t>(word.firstIndex + place)] = static_cast<unsigned char>(read[place]);
    }
    return bytes;
}

char wordByte(const QString& text, int remembered, const WordPlace& word, int place)
{
    if (remembered >= 0)
        return static_cast<char>(remembered);
    const int code = tileCode(text);
    if (code >= 0)
        return static_cast<char>(code);
    if (text.size() > 1)
        throw Error(tr("Letter %1 of %2: '%3' is %4 characters, but each letter of the "
                       "word is one character.")
                        .arg(QString::number(place + 1), word.name, text, QString::number(text.size())));
    throw Error(tr("Letter %1 of %2: '%3' is not a character the game can show.")
                    .arg(QString::number(place + 1), word.name, text));
}

void writeWordBytes(const QString& path, const RomVariant& variant, const std::array<QByteArray, 2>& bytes,
                    qint64 header)
{
    // Opened for writing only now, with every byte known to be good: in place, never truncated, and
    // never created if it has gone in the meantime.
    QFile file;
    openOrThrow(file, path, QIODevice::ReadWrite);
    checkWordsInside(path, file.size(), variant, header);
    const auto words = wordPlaces(variant, header);
    QList<Patch> patches;
    for (size_t w = 0; w < words.size(); ++w)
        patches << Patch{words[w].offset, bytes[w], readWord(file, path, words[w], true)};
    patchFile(file, path, patches, tr("Cannot write the words into %1: %2."));
}

} // namespace vertiloom
