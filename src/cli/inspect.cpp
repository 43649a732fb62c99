// The sub-commands that only read: info (what an image is) and list (the catalogue's letters in
// one dump, each read as a load reads it).
#include "cli/cli.h"

#include "model/error.h"
#include "model/hex.h"
#include "record/files.h"
#include "record/load.h"
#include "rom/catalogue.h"
#include "rom/words.h"

#include <QJsonArray>
#include <QJsonObject>

namespace vertiloom::cli {

namespace {

const QCommandLineOption kJson = jsonOption();

QString headerText(qint64 header) { return header != 0 ? QStringLiteral("with a 512-byte header") : QStringLiteral("no header"); }

// A word as the game shows it: one character per tile code, "?" for a byte that is none.
QString wordText(const WordBytes& bytes, int first, int length)
{
    QString text;
    for (int i = first; i < first + length; ++i) {
        const QString c = tileCharacter(bytes[static_cast<size_t>(i)]);
        text += c.isEmpty() ? QStringLiteral("?") : c;
    }
    return text;
}

QString wordHex(const WordBytes& bytes, int first, int length)
{
    QString text;
    for (int i = first; i < first + length; ++i)
        text += TwoDigitHex(bytes[static_cast<size_t>(i)]);
    return text;
}

QString quoted(const QString& text) { return u'"' + text + u'"'; }

} // namespace

int info(const QStringList& args)
{
    Arguments arguments(QStringLiteral("info"),
                        QStringLiteral("Says what a ROM image is: its size, its CRC32 (without a copier header), whether it has "
                                       "a copier header, the known dumps whose letters all fit, and its PAUSE and GAME OVER "
                                       "words (read at the best fitting dump's offsets, else the first dump's)."));
    arguments.addPositional(QStringLiteral("IMAGE"), QStringLiteral("The ROM image."));
    arguments.addOption(kJson);
    if (!arguments.parse(args, 1, 1))
        return kDone;
    const QString path = arguments.positional().front();

    const QByteArray image = readWholeFile(path);
    const Recognition recognition = recognise(image, Crc::Take);
    const Dump dump = chooseDump(image, recognition, 0);
    std::optional<WordBytes> words;
    QString wordsError;
    if (!isRomImage(image.size())) {
        wordsError = QStringLiteral("a letter file, not a ROM image: it holds no words");
    } else {
        try {
            words = readWordBytes(path, *dump.variant, WordAction::Read, dump.header);
        } catch (const Error& error) {
            wordsError = error.message();
        }
    }

    if (arguments.parser.isSet(kJson)) {
        QJsonArray dumps;
        for (const DumpMatch& match : recognition.fitting)
            dumps.append(QJsonObject{{QStringLiteral("dump"), dumpNumber(*match.variant)},
                                     {QStringLiteral("caption"), QString::fromLatin1(match.variant->caption)},
                                     {QStringLiteral("header"), match.header},
                                     {QStringLiteral("wordsKnown"), match.wordsKnown}});
        QJsonObject object{{QStringLiteral("file"), path},
                           {QStringLiteral("size"), image.size()},
                           {QStringLiteral("crc32"), recognition.crc32},
                           {QStringLiteral("copierHeader"), recognition.hasHeader},
                           {QStringLiteral("dumps"), dumps},
                           {QStringLiteral("wordsDump"), dump.number},
                           {QStringLiteral("wordsHeader"), dump.header}};
        if (words) {
            object.insert(QStringLiteral("pause"), wordText(*words, 0, kPauseLength));
            object.insert(QStringLiteral("pauseBytes"), wordHex(*words, 0, kPauseLength));
            object.insert(QStringLiteral("gameOver"), wordText(*words, kPauseLength, kGameOverLength));
            object.insert(QStringLiteral("gameOverBytes"), wordHex(*words, kPauseLength, kGameOverLength));
        } else {
            object.insert(QStringLiteral("wordsError"), wordsError);
        }
        printJson(object);
        return kDone;
    }

    QString text;
    text += QStringLiteral("File:          %1\n").arg(shownPath(path));
    text += QStringLiteral("Size:          %1 bytes\n").arg(groupedNumber(image.size()));
    text += QStringLiteral("CRC32:         %1\n").arg(recognition.crc32);
    text += QStringLiteral("Copier header: %1\n").arg(recognition.hasHeader ? QStringLiteral("yes") : QStringLiteral("no"));
    if (recognition.fitting.isEmpty())
        text += QStringLiteral("Dumps:         none of the five known dumps fits\n");
    for (qsizetype i = 0; i < recognition.fitting.size(); ++i) {
        const DumpMatch& match = recognition.fitting[i];
        text += QStringLiteral("%1%2 %3, %4%5\n")
                    .arg(i == 0 ? QStringLiteral("Dumps:         ") : QStringLiteral("               "))
                    .arg(dumpNumber(*match.variant))
                    .arg(QString::fromLatin1(match.variant->caption), headerText(match.header),
                         match.wordsKnown ? QStringLiteral(", words known") : QString());
    }
    if (words) {
        text += QStringLiteral("PAUSE:         %1 (%2)\n").arg(quoted(wordText(*words, 0, kPauseLength)), wordHex(*words, 0, kPauseLength));
        text += QStringLiteral("GAME OVER:     %1 (%2)\n")
                    .arg(quoted(wordText(*words, kPauseLength, kGameOverLength)),
                         wordHex(*words, kPauseLength, kGameOverLength));
    } else {
        text += QStringLiteral("Words:         %1\n").arg(wordsError);
    }
    printOut(text);
    return kDone;
}

int list(const QStringList& args)
{
    Arguments arguments(QStringLiteral("list"),
                        QStringLiteral("Lists the 24 catalogue letters of a dump in a ROM image: label, file offset, the "
                                       "length the catalogue gives, and the record read there as a load reads it (its length, "
                                       "points and polygons), or why it can't be read."));
    arguments.addPositional(QStringLiteral("IMAGE"), QStringLiteral("The ROM image."));
    const QCommandLineOption dumpChoice = dumpOption();
    arguments.addOption(dumpChoice);
    arguments.addOption(kJson);
    if (!arguments.parse(args, 1, 1))
        return kDone;
    const int number = arguments.number(dumpChoice, 1, static_cast<int>(kRomVariants.size()), 0);
    const QString path = arguments.positional().front();

    const QByteArray image = readRomImage(path);
    const Dump dump = chooseDump(image, recognise(image, Crc::Skip), number);

    QJsonArray letters;
    QString table = QStringLiteral("%1 %2, %3: %4\n")
                        .arg(dump.number)
                        .arg(QString::fromLatin1(dump.variant->caption), headerText(dump.header),
                             dump.fits ? QStringLiteral("every letter fits") : QStringLiteral("not every letter fits"));
    table += QStringLiteral(" #  letter       offset  catalogue  length  points  polygons\n");
    for (int position = 1; position <= kCatalogueSize; ++position) {
        const QString label = QString::fromLatin1(catalogueEntry(position).label);
        const qint64 offset = letterOffset({position, std::nullopt}, dump);
        QJsonObject letter{{QStringLiteral("position"), position},
                           {QStringLiteral("label"), label},
                           {QStringLiteral("offset"), IntToHexText(offset)},
                           {QStringLiteral("catalogueLength"), catalogueLength(position)}};
        QString row = QStringLiteral("%1  %2 %3  %4")
                          .arg(position, 2)
                          .arg(label, -12)
                          .arg(IntToHexText(offset), -6)
                          .arg(catalogueLength(position), 9);
        try {
            const LetterRecord record = readLetterFile(path, IntToHexText(offset));
            const qsizetype length = record.toBytes().size();
            letter.insert(QStringLiteral("valid"), true);
            letter.insert(QStringLiteral("length"), length);
            letter.insert(QStringLiteral("points"), record.points.size());
            letter.insert(QStringLiteral("polygons"), record.polygons.size());
            row += QStringLiteral("  %1  %2  %3").arg(length, 6).arg(record.points.size(), 6).arg(record.polygons.size(), 8);
            if (length > catalogueLength(position))
                row += QStringLiteral("  longer than the catalogue says");
        } catch (const Error& error) {
            letter.insert(QStringLiteral("valid"), false);
            letter.insert(QStringLiteral("reason"), error.message());
            row += QStringLiteral("  no record: %1").arg(error.message());
        }
        letters.append(letter);
        table += row + u'\n';
    }

    if (arguments.parser.isSet(kJson)) {
        printJson(QJsonObject{{QStringLiteral("file"), path},
                              {QStringLiteral("dump"), dump.number},
                              {QStringLiteral("caption"), QString::fromLatin1(dump.variant->caption)},
                              {QStringLiteral("header"), dump.header},
                              {QStringLiteral("fits"), dump.fits},
                              {QStringLiteral("letters"), letters}});
    } else {
        printOut(table);
    }
    return kDone;
}

} // namespace vertiloom::cli
