// The sub-commands that look at an image: info (what an image is), list (the catalogue's letters in
// one dump, each read as a load reads it) and checksum (the cartridge header's checksum against the
// image's own, set right with --fix, the one write among them).
#include "cli/cli.h"

#include "commands/commands.h"
#include "model/error.h"
#include "model/hex.h"
#include "record/files.h"
#include "record/load.h"
#include "rom/cartridge.h"
#include "rom/catalogue.h"
#include "rom/words.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

namespace vertiloom::cli {

namespace {

QString headerText(qint64 header)
{
    return header != 0 ? vertiloom::tr("with a 512-byte header") : vertiloom::tr("no header");
}

// One line of info's and checksum's text: its label, padded to the longest label in the language
// shown, and the value.
QString line(const QString& label, const QString& value)
{
    static const qsizetype width = [] {
        qsizetype longest = 0;
        for (const QString& one :
             {vertiloom::tr("File:"), vertiloom::tr("Size:"), QStringLiteral("CRC32:"), QStringLiteral("SHA-1:"),
              vertiloom::tr("Copier header:"), vertiloom::tr("Cartridge:"), vertiloom::tr("Checksum:"),
              vertiloom::tr("Title:"), vertiloom::tr("Map mode:"), vertiloom::tr("ROM size:"),
              vertiloom::tr("Country:"), vertiloom::tr("Version:"), vertiloom::tr("Dumps:"),
              QStringLiteral("GAME OVER:"), vertiloom::tr("Words:")})
            longest = std::max(longest, one.size());
        return longest + 1;
    }();
    return label.leftJustified(width) + value + u'\n';
}

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

QString hex4(quint16 value) { return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper(); }

// "20 (LoROM)": a byte of the header and what it says, "unknown" when it names nothing known.
QString named(quint8 value, const QString& name)
{
    return QStringLiteral("%1 (%2)").arg(TwoDigitHex(value), name.isEmpty() ? vertiloom::tr("unknown") : name);
}

QString versionText(quint8 version) { return QStringLiteral("1.%1").arg(version); }

qint64 headerPlace(const CartridgeHeader& header) { return header.high ? kHighHeaderPlace : kLowHeaderPlace; }

// The lines that say where the cartridge header is (or that there is none), its title, map mode,
// size, country and version, and how its checksum stands against the image's own.
QString cartridgeText(const ChecksumCheck& check)
{
    if (!check.header)
        return line(vertiloom::tr("Cartridge:"), vertiloom::tr("no header at 7FC0 or FFC0"))
               + line(vertiloom::tr("Checksum:"), vertiloom::tr("the image's own is %1 (the 16-bit sum of its bytes); "
                                                                "no header holds one to compare")
                                                      .arg(hex4(check.computed)));
    const CartridgeHeader& header = *check.header;
    const QString place = IntToHexText(headerPlace(header));
    QString where = header.high ? vertiloom::tr("header at %1, the high place").arg(place)
                                : vertiloom::tr("header at %1, the low place").arg(place);
    if (header.offset != headerPlace(header))
        where += u' ' + vertiloom::tr("(file offset %1, after the copier header)").arg(IntToHexText(header.offset));
    QString text = line(vertiloom::tr("Cartridge:"), where);
    text += line(vertiloom::tr("Title:"), quoted(header.title));
    text += line(vertiloom::tr("Map mode:"), named(header.mapMode, mapModeName(header.mapMode)));
    text += line(vertiloom::tr("ROM size:"), named(header.romSize, romSizeName(header.romSize)));
    text += line(vertiloom::tr("Country:"), named(header.country, countryName(header.country)));
    text += line(vertiloom::tr("Version:"), versionText(header.version));
    text += line(vertiloom::tr("Checksum:"),
                 (check.matches ? vertiloom::tr("stored %1, complement %2; the image's own is %3 (the 16-bit sum of "
                                                "its bytes): they match")
                                : vertiloom::tr("stored %1, complement %2; the image's own is %3 (the 16-bit sum of "
                                                "its bytes): they do not match"))
                     .arg(hex4(header.checksum), hex4(header.complement), hex4(check.computed)));
    return text;
}

QJsonValue cartridgeJson(const ChecksumCheck& check)
{
    if (!check.header)
        return QJsonValue::Null;
    const CartridgeHeader& header = *check.header;
    return QJsonObject{{QStringLiteral("place"), header.high ? QStringLiteral("high") : QStringLiteral("low")},
                       {QStringLiteral("offset"), IntToHexText(header.offset)},
                       {QStringLiteral("title"), header.title},
                       {QStringLiteral("mapMode"), TwoDigitHex(header.mapMode)},
                       {QStringLiteral("mapModeName"), mapModeName(header.mapMode)},
                       {QStringLiteral("romSize"), TwoDigitHex(header.romSize)},
                       {QStringLiteral("romSizeName"), romSizeName(header.romSize)},
                       {QStringLiteral("country"), TwoDigitHex(header.country)},
                       {QStringLiteral("countryName"), countryName(header.country)},
                       {QStringLiteral("version"), versionText(header.version)},
                       {QStringLiteral("checksum"), hex4(header.checksum)},
                       {QStringLiteral("complement"), hex4(header.complement)},
                       {QStringLiteral("imageChecksum"), hex4(check.computed)},
                       {QStringLiteral("matches"), check.matches}};
}

} // namespace

int info(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("info"),
        vertiloom::tr("Says what a ROM image is: its size, its CRC32, MD5 and SHA-1 (all three of the image "
                      "without a copier header), whether it has a copier header, its cartridge header when "
                      "it has one at 7FC0 or FFC0 (title, map mode, ROM size, country, version, and whether "
                      "the stored checksum is the image's own), the known dumps whose letters all fit, and "
                      "its PAUSE and GAME OVER words (read at the best fitting dump's offsets, else the "
                      "first dump's)."));
    arguments.addPositional(QStringLiteral("IMAGE"), vertiloom::tr("The ROM image."));
    const QCommandLineOption json = jsonOption();
    arguments.addOption(json);
    if (!arguments.parse(args, 1, 1))
        return kDone;
    const QString path = arguments.positional().front();

    const QByteArray image = readWholeFile(path);
    const Recognition recognition = recognise(image, Crc::Take);
    const QString md5 = dumpDigest(image, QCryptographicHash::Md5);
    const QString sha1 = dumpDigest(image, QCryptographicHash::Sha1);
    const ChecksumCheck check = checkChecksum(image);
    const Dump dump = chooseDump(image, recognition, 0);
    std::optional<WordBytes> words;
    QString wordsError;
    if (!isRomImage(image.size())) {
        wordsError = vertiloom::tr("a letter file, not a ROM image: it holds no words");
    } else {
        try {
            words = readWordBytes(path, *dump.variant, WordAction::Read, dump.header);
        } catch (const Error& error) {
            wordsError = error.message();
        }
    }

    if (arguments.parser.isSet(json)) {
        QJsonArray dumps;
        for (const DumpMatch& match : recognition.fitting)
            dumps.append(QJsonObject{{QStringLiteral("dump"), dumpNumber(*match.variant)},
                                     {QStringLiteral("caption"), QString::fromLatin1(match.variant->caption)},
                                     {QStringLiteral("header"), match.header},
                                     {QStringLiteral("wordsKnown"), match.wordsKnown}});
        QJsonObject object{{QStringLiteral("file"), path},
                           {QStringLiteral("size"), image.size()},
                           {QStringLiteral("crc32"), recognition.crc32},
                           {QStringLiteral("md5"), md5},
                           {QStringLiteral("sha1"), sha1},
                           {QStringLiteral("copierHeader"), recognition.hasHeader},
                           {QStringLiteral("cartridge"), cartridgeJson(check)},
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
    text += line(vertiloom::tr("File:"), shownPath(path));
    text += line(vertiloom::tr("Size:"), vertiloom::tr("%1 bytes").arg(groupedNumber(image.size())));
    text += line(QStringLiteral("CRC32:"), recognition.crc32);
    text += line(QStringLiteral("MD5:"), md5);
    text += line(QStringLiteral("SHA-1:"), sha1);
    text += line(vertiloom::tr("Copier header:"), recognition.hasHeader ? vertiloom::tr("yes") : vertiloom::tr("no"));
    text += cartridgeText(check);
    if (recognition.fitting.isEmpty())
        text += line(vertiloom::tr("Dumps:"), vertiloom::tr("none of the five known dumps fits"));
    for (qsizetype i = 0; i < recognition.fitting.size(); ++i) {
        const DumpMatch& match = recognition.fitting[i];
        const QString header = headerText(match.header);
        text += line(i == 0 ? vertiloom::tr("Dumps:") : QString(),
                     QStringLiteral("%1 %2, %3")
                         .arg(dumpNumber(*match.variant))
                         .arg(QString::fromLatin1(match.variant->caption),
                              match.wordsKnown ? vertiloom::tr("%1, words known").arg(header) : header));
    }
    if (words) {
        text += line(QStringLiteral("PAUSE:"), QStringLiteral("%1 (%2)").arg(quoted(wordText(*words, 0, kPauseLength)),
                                                                             wordHex(*words, 0, kPauseLength)));
        text += line(QStringLiteral("GAME OVER:"),
                     QStringLiteral("%1 (%2)").arg(quoted(wordText(*words, kPauseLength, kGameOverLength)),
                                                   wordHex(*words, kPauseLength, kGameOverLength)));
    } else {
        text += line(vertiloom::tr("Words:"), wordsError);
    }
    printOut(text);
    return kDone;
}

int list(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("list"),
        vertiloom::tr("Lists the 24 catalogue letters of a dump in a ROM image: label, file offset, the "
                      "length the catalogue gives, and the record read there as a load reads it (its length, "
                      "points and polygons), or why it can't be read."));
    arguments.addPositional(QStringLiteral("IMAGE"), vertiloom::tr("The ROM image."));
    const QCommandLineOption dumpChoice = dumpOption();
    const QCommandLineOption json = jsonOption();
    arguments.addOption(dumpChoice);
    arguments.addOption(json);
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
                             dump.fits ? vertiloom::tr("every letter fits") : vertiloom::tr("not every letter fits"));
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
            row += QStringLiteral("  %1  %2  %3")
                       .arg(length, 6)
                       .arg(record.points.size(), 6)
                       .arg(record.polygons.size(), 8);
            if (length > catalogueLength(position))
                row += QStringLiteral("  ") + vertiloom::tr("longer than the catalogue says");
        } catch (const Error& error) {
            letter.insert(QStringLiteral("valid"), false);
            letter.insert(QStringLiteral("reason"), error.message());
            row += QStringLiteral("  ") + vertiloom::tr("no record: %1").arg(error.message());
        }
        letters.append(letter);
        table += row + u'\n';
    }

    if (arguments.parser.isSet(json)) {
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

int checksum(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("checksum"),
        vertiloom::tr("Compares the checksum and its complement in the image's cartridge header (at 7FC0 or "
                      "FFC0, counted after a copier header) with the image's own checksum: the 16-bit sum of "
                      "its bytes without the copier header, the remainder of a size that is no power of two "
                      "repeated as the console sees it. Exit status 0 when they match (or --fix set them), 1 "
                      "when they do not or no header is found. With --fix, writes the right checksum and "
                      "complement, those 4 bytes and no other, with import's safeguards: the image is first "
                      "copied to IMAGE.bak, and a write cut short is put back."));
    arguments.addPositional(QStringLiteral("IMAGE"), vertiloom::tr("The ROM image."));
    const QCommandLineOption fix(QStringLiteral("fix"),
                                 vertiloom::tr("Write the image's own checksum and its complement into the header."));
    arguments.addOption(fix);
    if (!arguments.parse(args, 1, 1))
        return kDone;
    const QString path = arguments.positional().front();
    const bool fixing = arguments.parser.isSet(fix);
    const QString nothing = fixing ? u' ' + vertiloom::tr("Nothing was written.") : QString();

    const QByteArray image = readRomImage(path, nothing);
    const ChecksumCheck check = checkChecksum(image);
    printOut(line(vertiloom::tr("File:"), shownPath(path)) + cartridgeText(check));
    if (!check.header)
        throw Error(vertiloom::tr("No cartridge header was found at 7FC0 or FFC0: there is no checksum to compare.%1")
                        .arg(nothing));
    if (check.matches) {
        if (fixing)
            printOut(vertiloom::tr("Nothing to set: nothing was written.") + u'\n');
        return kDone;
    }
    if (!fixing)
        throw Error(vertiloom::tr("The header's checksum does not match the image's own (--fix sets it)."));

    // The fix reads and sums the image again under its lock: what it writes is the checksum of the
    // image as it stands then, whatever another writer did since the read above.
    Editor editor;
    const std::optional<CartridgeHeader> written = fixChecksum(editor, path);
    if (!written) {
        printOut(vertiloom::tr("Nothing to set: nothing was written.") + u'\n');
        return kDone;
    }
    printOut(vertiloom::tr("Wrote the checksum %1 and its complement %2 at offset %3 of %4; the image as it was is "
                           "in %5.")
                 .arg(hex4(written->checksum), hex4(written->complement), IntToHexText(written->offset + kComplementAt),
                      shownPath(path), shownPath(path + QStringLiteral(".bak")))
             + u'\n');
    return kDone;
}

} // namespace vertiloom::cli
