// The sub-commands on letters: render (the preview after a load, a sheet of all 24, or the letter's SVG
// drawing), extract (letter files as "Export letter to file" writes them) and import ("Export letter to
// Rom", from a letter file or a drawing).
#include "cli/cli.h"

#include "commands/commands.h"
#include "model/error.h"
#include "model/hex.h"
#include "record/export.h"
#include "record/files.h"
#include "record/load.h"
#include "record/record.h"
#include "record/writes.h"
#include "rom/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <algorithm>
#include <functional>
#include <numeric>
#include <optional>

namespace vertiloom::cli {

namespace {

QCommandLineOption allOption() { return {QStringLiteral("all"), vertiloom::tr("All 24 catalogue letters.")}; }

// What a sub-command reads a letter from: a ROM image read as a dump, or a letter file.
struct Source {
    QString path;
    bool romImage = false;
    Dump dump;
};

// Reads the file to learn what it is. --letter, --offset, --dump and --all only make sense for a
// ROM image.
Source source(const Arguments& arguments, const QString& path, const LetterChoice& choice, bool all)
{
    const QByteArray bytes = readWholeFile(path);
    Source source{path, isRomImage(bytes.size()), {}};
    const QCommandLineOption dump = dumpOption();
    if (!source.romImage) {
        if (choice.given() || all || arguments.parser.isSet(dump))
            arguments.wrong(
                vertiloom::tr("%1 is a letter file (%2 bytes): it holds one letter, and --letter, --offset, "
                              "--dump and --all are for a ROM image.")
                    .arg(shownPath(path), groupedNumber(bytes.size())));
        return source;
    }
    const int number = arguments.number(dump, 1, static_cast<int>(kRomVariants.size()), 0);
    source.dump = chooseDump(bytes, recognise(bytes, Crc::Skip), number);
    return source;
}

// A fresh editor with the letter loaded as the window loads it: start-up, the overlay switches,
// the dump and the letter chosen in the ROM panel, then the file opened.
void loadLetter(Editor& editor, CliPlatform& platform, const Source& source, const LetterChoice& choice,
                const View& view)
{
    setUp(editor, view);
    if (source.romImage)
        aimAt(editor, source.dump, choice);
    load(editor, platform, source.path);
}

// The 24 catalogue letters of a ROM image as the window sweeps them: the image opened once at the
// first letter, then ">" and reload for each of the others, so that the image is read and recognised
// once. each(position, editor, platform, error) runs with each letter loaded, or with the reason it
// could not be (the editor then still holds the letter before).
void sweep(const Source& source, const std::function<void(int, Editor&, CliPlatform&, const Error*)>& each)
{
    Editor editor;
    CliPlatform platform;
    for (int position = 1; position <= kCatalogueSize; ++position) {
        std::optional<Error> failure;
        try {
            if (position == 1) {
                loadLetter(editor, platform, source, {1, std::nullopt}, kBytesOnly);
            } else {
                goToLetter(editor, position);
                platform.forget();
                reloadLetter(editor, platform);
                if (!platform.declined.isEmpty())
                    throw Error(vertiloom::tr("Not read: %1").arg(platform.declined.front()));
            }
        } catch (const Error& error) {
            // Without the image open no letter can be reloaded.
            if (editor.currentRom != source.path)
                throw;
            failure = error;
        }
        each(position, editor, platform, failure ? &*failure : nullptr);
    }
}

QImage sheet(const Source& source, const View& view, int scale)
{
    QList<SheetCell> cells;
    for (int position = 1; position <= kCatalogueSize; ++position) {
        const QString label = QString::fromLatin1(catalogueEntry(position).label);
        Editor editor;
        CliPlatform platform;
        try {
            loadLetter(editor, platform, source, {position, std::nullopt}, view);
            cells << SheetCell{enlarged(composedPreview(editor), scale), {label}, false};
        } catch (const Error& error) {
            printWarning(QStringLiteral("%1: %2").arg(label, error.message()));
            cells << SheetCell{{}, {vertiloom::tr("%1: no record").arg(label)}, true};
        }
    }
    return contactSheet(cells, scale);
}

} // namespace

int render(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("render"),
        vertiloom::tr("Draws a letter as the preview shows it after a load, pixel for pixel (255 x 255), "
                      "and writes it as a PNG picture; with --all, the 24 catalogue letters on one sheet, "
                      "six across, each labelled. An output named *.svg is the letter's SVG drawing "
                      "instead, as \"Export letter to SVG\" writes it (--scale, --no-numbers, --no-axes "
                      "and --all are for a PNG picture)."));
    arguments.addPositional(QStringLiteral("FILE"),
                            vertiloom::tr("A ROM image (the letter at --letter or --offset, else the "
                                          "first catalogue letter) or a letter file."));
    const QCommandLineOption scale(QStringLiteral("scale"), vertiloom::tr("Enlarge every pixel to N x N (1 to 16)."),
                                   QStringLiteral("N"));
    const QCommandLineOption noNumbers(QStringLiteral("no-numbers"), vertiloom::tr("Without the point numbers."));
    const QCommandLineOption noAxes(QStringLiteral("no-axes"), vertiloom::tr("Without the axes."));
    const QCommandLineOption every = allOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    vertiloom::tr("The file to write."), QStringLiteral("FILE"));
    for (const QCommandLineOption& option :
         {letterOption(), offsetOption(), every, dumpOption(), output, scale, noNumbers, noAxes})
        arguments.addOption(option);
    if (!arguments.parse(args, 1, 1))
        return kDone;
    const LetterChoice choice = letterChoice(arguments);
    const bool all = arguments.parser.isSet(every);
    if (all && choice.given())
        arguments.wrong(vertiloom::tr("Give --all, or one letter with --letter or --offset."));
    if (!arguments.parser.isSet(output))
        arguments.wrong(vertiloom::tr("Give the picture to write with -o FILE."));
    const int factor = arguments.number(scale, 1, 16, 1);
    const View view{!arguments.parser.isSet(noNumbers), !arguments.parser.isSet(noAxes)};
    const QString input = arguments.positional().front();
    const QString target = arguments.fileName(output);
    const bool drawing = target.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    if (drawing) {
        for (const QCommandLineOption& option : {scale, noNumbers, noAxes, every}) {
            if (arguments.parser.isSet(option))
                arguments.wrong(
                    vertiloom::tr("--scale, --no-numbers, --no-axes and --all are for a PNG picture: an SVG "
                                  "drawing holds one letter at its units, with its point numbers."));
        }
    }

    const Source from = source(arguments, input, choice, all);
    checkNotInput(target, input);
    if (drawing) {
        // The window's export after a load: a file there is replaced, a ROM image never.
        Editor editor;
        CliPlatform platform;
        loadLetter(editor, platform, from, choice, kBytesOnly);
        platform.forget();
        platform.savePath = target;
        platform.answer = [](Question about) { return about == Question::ReplaceLetterFile; };
        exportLetterToSvg(editor, platform);
        if (!platform.declined.isEmpty())
            throw Error(vertiloom::tr("Not written: %1").arg(platform.declined.front()));
        return kDone;
    }
    QImage picture;
    if (all) {
        picture = sheet(from, view, factor);
    } else {
        Editor editor;
        CliPlatform platform;
        loadLetter(editor, platform, from, choice, view);
        picture = enlarged(composedPreview(editor), factor);
    }
    savePng(picture, target);
    return kDone;
}

int extract(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("extract"),
        vertiloom::tr("Writes a letter file of one letter of a ROM image, or with --all one letter file per "
                      "catalogue letter into a folder (named by glyph and offset, such as P_476E2.bin), as "
                      "\"Export letter to file\" writes them after a load."));
    arguments.addPositional(QStringLiteral("IMAGE"), vertiloom::tr("The ROM image."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    vertiloom::tr("The letter file to write; with --all, the folder."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption every = allOption();
    for (const QCommandLineOption& option : {letterOption(), offsetOption(), every, dumpOption(), output})
        arguments.addOption(option);
    if (!arguments.parse(args, 1, 1))
        return kDone;
    const LetterChoice choice = letterChoice(arguments);
    const bool all = arguments.parser.isSet(every);
    if (all == choice.given())
        arguments.wrong(vertiloom::tr("Give one letter with --letter or --offset, or --all."));
    if (!arguments.parser.isSet(output))
        arguments.wrong(all ? vertiloom::tr("Give the folder to write into with -o DIR.")
                            : vertiloom::tr("Give the letter file to write with -o FILE."));
    const QString image = arguments.positional().front();
    const QString target = arguments.fileName(output);
    const Source from = source(arguments, image, choice, all);

    // The export asks before it replaces a file; a letter file is replaced, a ROM image never.
    const auto replacesLetterFile = [](Question about) { return about == Question::ReplaceLetterFile; };
    if (!all) {
        Editor editor;
        CliPlatform platform;
        loadLetter(editor, platform, from, choice, kBytesOnly);
        checkNotInput(target, image);
        platform.forget();
        platform.savePath = target;
        platform.answer = replacesLetterFile;
        exportLetterToFile(editor, platform);
        if (!platform.declined.isEmpty())
            throw Error(vertiloom::tr("Not written: %1").arg(platform.declined.front()));
        printOut(vertiloom::tr("%1 (%2 bytes)").arg(shownPath(target)).arg(QFileInfo(target).size()) + u'\n');
        return kDone;
    }

    // Every letter's record is read (by the loader's own reader) before the first file is written.
    QStringList failures;
    for (int position = 1; position <= kCatalogueSize; ++position) {
        try {
            readLetterFile(image, IntToHexText(letterOffset({position, std::nullopt}, from.dump)));
        } catch (const Error& error) {
            failures << QStringLiteral("%1: %2").arg(QString::fromLatin1(catalogueEntry(position).label),
                                                     error.message());
        }
    }
    if (!failures.isEmpty())
        throw Error(vertiloom::tr("Nothing was written: not every letter can be read.") + u'\n' + failures.join(u'\n'));
    if (!QDir().mkpath(target))
        throw Error(vertiloom::tr("Cannot make the folder %1.").arg(shownPath(target)));
    // The 24 files are written together: none replaces its file before all are on the disk.
    QList<WholeFile> files;
    sweep(from, [&](int position, Editor& editor, CliPlatform& platform, const Error* error) {
        const QString name = letterFileName(position, letterOffset({position, std::nullopt}, from.dump));
        if (error)
            throw Error(vertiloom::tr("%1: %2 Nothing was written.").arg(name, error->message()));
        const QString path = QDir(target).filePath(name);
        checkNotInput(path, image);
        const QByteArray bytes = memoRecord(editor.form.text(FieldId::memo()));
        platform.forget();
        platform.answer = replacesLetterFile;
        if (!mayWriteLetterFile(platform, path, bytes))
            throw Error(vertiloom::tr("Not written: %1 Nothing was written.").arg(platform.declined.front()));
        files << WholeFile{path, bytes};
    });
    // The names are the editor's, in a folder that may hold anything: a link there is not followed
    // out of it.
    saveWholeFiles(files, Links::Refuse);
    for (const WholeFile& file : files)
        printOut(vertiloom::tr("%1 (%2 bytes)").arg(shownPath(file.path)).arg(file.content.size()) + u'\n');
    return kDone;
}

namespace {

// A letter file and where it goes.
struct Import {
    QString file;
    qint64 offset = 0;
};

// The letter files of a folder as extract --all names them ("P_476E2.bin": the offset after the
// last '_'), in the order of their names. Throws Error for a .bin file named otherwise.
QList<Import> lettersIn(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        throw Error(vertiloom::tr("%1 is not a folder: with --all, give the folder of letter files that extract --all "
                                  "wrote. Nothing was written.")
                        .arg(shownPath(folder)));
    // A folder that can't be listed is not an empty one.
    if (DIR* dir = ::opendir(QFile::encodeName(folder).constData()))
        ::closedir(dir);
    else
        throw Error(vertiloom::tr("Cannot read the folder %1: %2. Nothing was written.")
                        .arg(shownPath(folder), QString::fromLocal8Bit(std::strerror(errno))));
    QList<Import> imports;
    for (const QFileInfo& file : QDir(folder).entryInfoList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name)) {
        const QString name = file.completeBaseName();
        bool ok = false;
        const qint64 offset = name.section(u'_', -1).toLongLong(&ok, 16);
        if (!name.contains(u'_') || !ok || offset < 0)
            throw Error(
                vertiloom::tr("%1: a letter file's name must end in _ and its offset, as extract --all names them "
                              "(P_476E2.bin). Nothing was written.")
                    .arg(shownPath(file.filePath())));
        imports << Import{file.filePath(), offset};
    }
    if (imports.isEmpty())
        throw Error(vertiloom::tr("%1 holds no letter files (*.bin). Nothing was written.").arg(shownPath(folder)));
    return imports;
}

// "a 42-byte record" or "no letter record": what stands at offset in the image.
QString recordAt(const QByteArray& image, qint64 offset)
{
    try {
        qsizetype length = 0;
        parseRecord(image, offset, offset, &length);
        return vertiloom::tr("a %1-byte record").arg(length);
    } catch (const Error&) {
        return vertiloom::tr("no letter record");
    }
}

// Why a record is longer than the one at its offset in the image: the points, polygons and corners it
// has more (or fewer) than that one; nothing when it is no longer, or no record stands there.
QString growth(const QByteArray& image, qint64 offset, const QByteArray& record)
{
    LetterRecord old;
    LetterRecord now;
    qsizetype oldLength = 0;
    try {
        old = parseRecord(image, offset, offset, &oldLength);
        now = parseRecord(record, 0, -1);
    } catch (const Error&) {
        return {};
    }
    if (record.size() <= oldLength)
        return {};
    const auto cornersOf = [](const LetterRecord& letter) {
        qsizetype corners = 0;
        for (const PolygonBlock& polygon : letter.polygons)
            corners += polygon.vertexRefs.size();
        return corners;
    };
    // Each difference as a whole phrase, one, more and fewer: a translation words each as its
    // language counts.
    struct Phrases {
        QString oneMore, more, oneFewer, fewer;
    };
    QStringList changes;
    const auto change = [&](qsizetype more, const Phrases& phrases) {
        const qsizetype n = std::abs(more);
        if (more != 0)
            changes << (more > 0 ? (n == 1 ? phrases.oneMore : phrases.more)
                                 : (n == 1 ? phrases.oneFewer : phrases.fewer))
                           .arg(n);
    };
    change(now.points.size() - old.points.size(), {vertiloom::tr("%1 more point"), vertiloom::tr("%1 more points"),
                                                   vertiloom::tr("%1 fewer point"), vertiloom::tr("%1 fewer points")});
    change(now.polygons.size() - old.polygons.size(),
           {vertiloom::tr("%1 more polygon"), vertiloom::tr("%1 more polygons"), vertiloom::tr("%1 fewer polygon"),
            vertiloom::tr("%1 fewer polygons")});
    change(cornersOf(now) - cornersOf(old), {vertiloom::tr("%1 more corner"), vertiloom::tr("%1 more corners"),
                                             vertiloom::tr("%1 fewer corner"), vertiloom::tr("%1 fewer corners")});
    if (changes.isEmpty())
        return {};
    const QString last = changes.takeLast();
    const QString all =
        changes.isEmpty() ? last : vertiloom::tr("%1 and %2").arg(changes.join(QStringLiteral(", ")), last);
    return vertiloom::tr("The new record has %1 than the one there.").arg(all);
}

} // namespace

int import(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("import"),
        vertiloom::tr("Writes the letter of a letter file into a ROM image at a catalogue letter or an "
                      "offset, as \"Export letter to Rom\" does: the record is checked first, a record "
                      "longer than the one there is refused unless --allow-longer is given, an image of "
                      "none of the known dumps is refused, and the image is first copied to IMAGE.bak. "
                      "A file named *.svg is a drawing: its letter is read as \"Import letter from SVG\" "
                      "reads it, the bytes a drawing can't show taken from the record at that offset. "
                      "With --fit, the letter is fitted into the game's limits from a drawing (curves "
                      "and strokes included) or a picture (its dark shape traced), and with --font and "
                      "--char (and no LETTERFILE) from a font's character: in the box of the record "
                      "there (--box to choose another), over that record. "
                      "With --all, every letter file of a folder goes to the offset in its name (as "
                      "extract --all names them), all checked before any is written, in one write "
                      "and one backup."));
    arguments.addPositional(QStringLiteral("IMAGE"), vertiloom::tr("The ROM image to write into."));
    arguments.addPositional(
        QStringLiteral("LETTERFILE"),
        vertiloom::tr("The letter file (or SVG drawing; with --fit, a drawing or picture) to write; with --all, "
                      "the folder of letter files; none with --font."));
    const QCommandLineOption all(QStringLiteral("all"),
                                 vertiloom::tr("Write every letter file (*.bin) of the folder LETTERFILE at the offset "
                                               "in its name."));
    const QCommandLineOption allowLonger(
        QStringLiteral("allow-longer"),
        vertiloom::tr("Write a record longer than the one there, over the bytes after it."));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        vertiloom::tr("Say what would change (offset, old and new length) and write nothing."));
    const QCommandLineOption fit(QStringLiteral("fit"),
                                 vertiloom::tr("Fit the drawing or picture LETTERFILE into the game's limits, in the "
                                               "box of the record there."));
    const QCommandLineOption character(QStringLiteral("char"),
                                       vertiloom::tr("The character of --font to fit in place of LETTERFILE."),
                                       QStringLiteral("C"));
    for (const QCommandLineOption& option : {letterOption(), offsetOption(), dumpOption(), all, allowLonger, dryRun,
                                             fit, fontOption(), character, styleOption(), boxOption()})
        arguments.addOption(option);
    if (!arguments.parse(args, 1, 2))
        return kDone;
    const LetterChoice choice = letterChoice(arguments);
    const bool many = arguments.parser.isSet(all);
    if (many == choice.given())
        arguments.wrong(many ? vertiloom::tr("With --all, the offsets are in the letter files' names: give no --letter "
                                             "or --offset.")
                             : vertiloom::tr("Give the letter to replace with --letter or --offset."));
    // The fitted letter: from a file with --fit, or from a font's character.
    const bool font = arguments.parser.isSet(QStringLiteral("font"));
    if (font != arguments.parser.isSet(character))
        arguments.wrong(font ? vertiloom::tr("--font needs --char: give the character to fit.")
                             : vertiloom::tr("--char needs --font: give the font to take the character from."));
    const bool fitted = font || arguments.parser.isSet(fit);
    if (arguments.positional().size() != (font ? 1 : 2))
        arguments.wrong(font ? vertiloom::tr("With --font and --char the letter comes from the font: give no "
                                             "LETTERFILE.")
                             : vertiloom::tr("Missing arguments."));
    if (fitted && many)
        arguments.wrong(vertiloom::tr("--fit, --font and --char fit one letter: not with --all."));
    if (!fitted && (arguments.parser.isSet(QStringLiteral("style")) || arguments.parser.isSet(QStringLiteral("box"))))
        arguments.wrong(vertiloom::tr("--style and --box are for a fitted letter: give --fit, or --font and --char."));
    std::optional<FitSource> fitSource;
    if (font) {
        const QList<uint> codes = arguments.parser.value(character).toUcs4();
        if (codes.size() != 1)
            arguments.wrong(
                vertiloom::tr("--char takes one character, not \"%1\".").arg(arguments.parser.value(character)));
        fitSource = FitSource{{}, arguments.parser.value(QStringLiteral("font")), codes.front()};
    } else if (fitted) {
        fitSource = FitSource{arguments.positional().at(1), {}, 0};
    }
    const FitStyle style = fitStyle(arguments);
    const std::optional<FitBox> box = fitBox(arguments);
    const int number = arguments.number(dumpOption(), 1, static_cast<int>(kRomVariants.size()), 0);
    const QString image = arguments.positional().at(0);
    const QString letters = font ? QString() : arguments.positional().at(1);
    const bool dry = arguments.parser.isSet(dryRun);

    const QByteArray bytes = readRomImage(image, u' ' + vertiloom::tr("Nothing was written."));
    const Dump dump = chooseDump(bytes, recognise(bytes, Crc::Skip), number);
    const QList<Import> imports = many ? lettersIn(letters) : QList<Import>{{letters, letterOffset(choice, dump)}};

    Editor editor;
    CliPlatform platform;
    platform.savePath = image;
    // The one question a run may answer yes: a longer record, with --allow-longer.
    platform.answer = [&](Question about) {
        return arguments.parser.isSet(allowLonger) && about == Question::LongerRecord;
    };
    const auto refusal = [&] {
        QString message = vertiloom::tr("Not written: %1").arg(platform.declined.front());
        if (platform.declinedKinds.contains(Question::LongerRecord)) {
            message += u' ' + vertiloom::tr("(--allow-longer writes it)");
            const QString why = growth(bytes, offsetFromAddr(editor.form.text(FieldId::addr())),
                                       memoRecord(editor.form.text(FieldId::memo())));
            if (!why.isEmpty())
                message += u' ' + why;
        }
        return message;
    };
    setUp(editor, kBytesOnly);
    aimAt(editor, dump, many ? LetterChoice{} : choice);
    // The image recognised first, as on opening it in the window, so that an image of no known dump
    // is asked about before the write. Declining to switch to another dump is no refusal.
    recogniseImage(editor, platform, image);
    platform.forget();

    // Every letter is checked, against the image as it is, before anything is written.
    QList<Patch> patches;
    QStringList patched; // the letter files' names, beside their patches
    QStringList failures;
    for (const Import& letter : imports) {
        try {
            if (fitSource) {
                // Fitted in place of the record there (or none): in its box, over its bytes that no
                // drawing shows.
                LetterRecord there;
                try {
                    there = parseRecord(bytes, letter.offset, letter.offset);
                } catch (const Error&) {
                    // None there: the default letter's box, and new bytes.
                }
                FitResult result;
                try {
                    result = fitInPlaceOf(shapeOf(*fitSource), style, box, there);
                } catch (const Error& error) {
                    throw Error(
                        vertiloom::tr("%1: %2 Nothing was written.").arg(fitSourceName(*fitSource), error.message()));
                }
                // Said before the checks, which may refuse the letter for its length.
                printOut(QStringLiteral("%1: %2\n").arg(fitSourceName(*fitSource), fitReportText(result.report)));
                applyRecord(editor, result.record, false);
            } else if (!many && letter.file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
                // The drawing over the record there now (or none): its bytes that no drawing shows.
                LetterRecord there;
                try {
                    there = parseRecord(bytes, letter.offset, letter.offset);
                } catch (const Error&) {
                    // None there: the drawing's own bytes, else 00.
                }
                applyRecord(editor, readLetterSvg(letter.file, there), false);
            } else {
                if (isRomImage(QFileInfo(letter.file).size()))
                    throw Error(vertiloom::tr("%1 is a ROM image, not a letter file. Nothing was written.")
                                    .arg(shownPath(letter.file)));
                load(editor, platform, letter.file);
            }
            editor.form.setText(FieldId::addr(), IntToHexText(letter.offset));
            const std::optional<Patch> patch = planLetterToRom(editor, platform, image);
            if (!patch)
                throw Error(refusal());
            patches << *patch;
            patched << QFileInfo(letter.file).fileName();
        } catch (const Error& error) {
            if (!many)
                throw;
            failures << QStringLiteral("%1: %2").arg(QFileInfo(letter.file).fileName(), error.message());
        }
        platform.forget();
    }
    // A longer record may reach into the next one written in the same run.
    QList<qsizetype> order(patches.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](qsizetype a, qsizetype b) { return patches[a].offset < patches[b].offset; });
    for (qsizetype k = 1; k < order.size(); ++k) {
        const Patch& before = patches[order[k - 1]];
        const Patch& after = patches[order[k]];
        if (before.offset + before.bytes.size() > after.offset)
            failures << vertiloom::tr("%1 and %2: the records at offsets %3 and %4 overlap.")
                            .arg(patched[order[k - 1]], patched[order[k]], IntToHexText(before.offset),
                                 IntToHexText(after.offset));
    }
    if (!failures.isEmpty())
        throw Error(vertiloom::tr("Nothing was written: not every letter file can be written.") + u'\n'
                    + failures.join(u'\n'));
    if (!dry) {
        if (!writeIntoRom(editor, platform, image, patches))
            throw Error(refusal());
    } else if (!mayWriteInto(editor, platform, image)) {
        throw Error(refusal());
    }

    for (const Patch& patch : patches) {
        qsizetype changed = 0;
        for (qsizetype i = 0; i < patch.bytes.size(); ++i)
            changed += patch.bytes[i] != patch.old[i];
        const QString at = IntToHexText(patch.offset);
        const QString old = recordAt(bytes, patch.offset);
        if (dry) {
            QString why = growth(bytes, patch.offset, patch.bytes);
            if (!why.isEmpty())
                why.prepend(u' ');
            printOut(
                vertiloom::tr("Dry run: the %1-byte record would be written at offset %2 of %3, where %4 "
                              "stands; %5 bytes would change.%6")
                    .arg(QString::number(patch.bytes.size()), at, shownPath(image), old, QString::number(changed), why)
                + u'\n');
        } else if (!many)
            printOut(vertiloom::tr("Wrote the %1-byte record at offset %2 of %3, where %4 stood; the image as it was "
                                   "is in %5.")
                         .arg(patch.bytes.size())
                         .arg(at, shownPath(image), old, shownPath(image + QStringLiteral(".bak")))
                     + u'\n');
        else
            printOut(vertiloom::tr("Wrote the %1-byte record at offset %2, where %3 stood (%4 bytes changed).")
                         .arg(patch.bytes.size())
                         .arg(at, old)
                         .arg(changed)
                     + u'\n');
    }
    if (dry)
        printOut(vertiloom::tr("Nothing was written.") + u'\n');
    else if (many)
        printOut(vertiloom::tr("Wrote %1 records into %2; the image as it was is in %3.")
                     .arg(patches.size())
                     .arg(shownPath(image), shownPath(image + QStringLiteral(".bak")))
                 + u'\n');
    return kDone;
}

} // namespace vertiloom::cli
