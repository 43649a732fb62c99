// Tile codes and reading and writing the PAUSE and GAME OVER words; see words.h.
#include "rom/words.h"

#include "model/editor.h"
#include "model/error.h"
#include "model/hex.h"
#include "record/files.h"
#include "record/writes.h"
#include "rom/catalogue.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <array>

namespace vertiloom {

namespace {

// The character of each tile code, code 00 first.
constexpr char kTiles[] = "PAUSED!0123456789LCT GMOVR";
constexpr int kTileCount = sizeof(kTiles) - 1;

struct WordPlace {
    QString name;    // as a user reads it in a message
    int firstIndex;  // first of its fields, counted from Edit2
    int length;
    qint64 offset;
};

std::array<WordPlace, 2> wordPlaces(const RomVariant& variant)
{
    return {{
        {QStringLiteral("PAUSE"), 0, kPauseLength, HexToInt(QString::fromLatin1(variant.pauseOffset))},
        {QStringLiteral("GAME OVER"), kPauseLength, kGameOverLength,
         HexToInt(QString::fromLatin1(variant.gameOverOffset))},
    }};
}

FieldId wordField(int index) { return FieldId::edit(2 + index); }

// The current ROM image opened read-only, its size checked: a letter file is refused by name.
// action is "read" or "write".
void openRomImageToRead(const Editor& editor, QFile& file, const QString& action)
{
    if (editor.currentRom.isEmpty())
        throw Error(QStringLiteral("No ROM image is open yet. Open a ROM image with \"Open file\" "
                                   "first, then %1 the words.")
                        .arg(action));
    openOrThrow(file, editor.currentRom, QIODevice::ReadOnly);
    if (!isRomImage(file.size()))
        throw Error(QStringLiteral("The file last opened, \"%1\", is a letter file, not a ROM image "
                                   "(%2 bytes; a ROM image is larger than 2,000,000 bytes). Open "
                                   "a ROM image with \"Open file\" first, then %3 the words.")
                        .arg(shownPath(editor.currentRom), groupedNumber(file.size()), action));
}

// The byte a field writes as, or an Error naming the field's place in its word.
char encodeField(const Editor& editor, const WordPlace& word, int place)
{
    const int index = word.firstIndex + place;
    const QString text = editor.form.text(wordField(index));
    const size_t i = static_cast<size_t>(index);
    const bool sameSource = editor.wordBytesSource.path == editor.currentRom &&
                            editor.wordBytesSource.variant == selectedVariant(editor.form).radioButton;
    if (sameSource && editor.wordBytesRead[i] >= 0 && text == editor.wordTextsRead[i])
        return static_cast<char>(editor.wordBytesRead[i]);
    const int code = tileCode(text);
    if (code >= 0)
        return static_cast<char>(code);
    if (text.size() > 1)
        throw Error(QStringLiteral("Letter %1 of %2: '%3' is %4 characters, but each letter of the "
                                   "word is one character.")
                        .arg(QString::number(place + 1), word.name, text,
                             QString::number(text.size())));
    throw Error(QStringLiteral("Letter %1 of %2: '%3' is not a character the game can show.")
                    .arg(QString::number(place + 1), word.name, text));
}

} // namespace

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

void checkWordsInside(const QString& path, qint64 fileSize, const RomVariant& variant)
{
    for (const WordPlace& word : wordPlaces(variant)) {
        if (word.offset + word.length > fileSize)
            throw Error(QStringLiteral("\"%1\" is too short for the words of the %2 dump: the %3 "
                                       "word lies at offset %4, but the file ends after %5 bytes.")
                            .arg(shownPath(path), QString::fromLatin1(variant.caption), word.name,
                                 IntToHexText(word.offset), groupedNumber(fileSize)));
    }
}

void readWords(Editor& editor)
{
    const QString action = QStringLiteral("read");
    QFile file;
    openRomImageToRead(editor, file, action);
    const RomVariant& variant = selectedVariant(editor.form);
    const auto words = wordPlaces(variant);
    checkWordsInside(editor.currentRom, file.size(), variant);

    std::array<int, kWordFields> bytes{};
    for (const WordPlace& word : words) {
        if (!file.seek(word.offset))
            throw Error(QStringLiteral("Cannot read the %1 word from \"%2\": %3.")
                            .arg(word.name, shownPath(editor.currentRom), file.errorString()));
        const QByteArray read = file.read(word.length);
        if (read.size() != word.length)
            throw Error(QStringLiteral("Cannot read the %1 word from \"%2\": %3.")
                            .arg(word.name, shownPath(editor.currentRom),
                                 read.size() < 0 ? file.errorString()
                                                 : QStringLiteral("the file ended early")));
        for (int place = 0; place < word.length; ++place)
            bytes[static_cast<size_t>(word.firstIndex + place)] = static_cast<unsigned char>(read[place]);
    }
    file.close();

    editor.wordBytesSource = {editor.currentRom, variant.radioButton};
    for (int index = 0; index < kWordFields; ++index) {
        const size_t i = static_cast<size_t>(index);
        const QString text = tileCharacter(bytes[i]);
        editor.wordBytesRead[i] = bytes[i];
        editor.wordTextsRead[i] = text;
        editor.form.setText(wordField(index), text);
    }
}

void writeWords(Editor& editor)
{
    const QString action = QStringLiteral("write");
    QFile file;
    openRomImageToRead(editor, file, action);
    const RomVariant& variant = selectedVariant(editor.form);
    const auto words = wordPlaces(variant);

    std::array<QByteArray, 2> bytes;
    for (size_t w = 0; w < words.size(); ++w) {
        for (int place = 0; place < words[w].length; ++place)
            bytes[w].append(encodeField(editor, words[w], place));
    }
    checkWordsInside(editor.currentRom, file.size(), variant);
    file.close();

    // Only now, with every byte known to be good, is the file opened for writing: in place, never
    // truncated, and never created if it has gone in the meantime.
    openOrThrow(file, editor.currentRom, QIODevice::ReadWrite);
    checkWordsInside(editor.currentRom, file.size(), variant);
    QList<Patch> patches;
    for (size_t w = 0; w < words.size(); ++w) {
        QByteArray old;
        if (file.seek(words[w].offset))
            old = file.read(words[w].length);
        if (old.size() != words[w].length)
            throw Error(QStringLiteral("Cannot read the %1 word from \"%2\": %3. Nothing was written.")
                            .arg(words[w].name, shownPath(editor.currentRom),
                                 file.error() != QFileDevice::NoError ? file.errorString()
                                                                      : QStringLiteral("the file ended early")));
        patches << Patch{words[w].offset, bytes[w], old};
    }
    patchFile(file, editor.currentRom, patches, QStringLiteral("the words"));
    file.close();

    // The file now holds these bytes for these texts.
    editor.wordBytesSource = {editor.currentRom, variant.radioButton};
    for (size_t w = 0; w < words.size(); ++w) {
        for (int place = 0; place < words[w].length; ++place) {
            const size_t i = static_cast<size_t>(words[w].firstIndex + place);
            editor.wordBytesRead[i] = static_cast<unsigned char>(bytes[w][place]);
            editor.wordTextsRead[i] = editor.form.text(wordField(static_cast<int>(i)));
        }
    }
}

} // namespace vertiloom
