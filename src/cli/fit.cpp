// The sub-command fit: letters fitted from drawings, pictures and a font's characters into the game's
// limits, written as letter files, drawings or pictures, or a folder of them with a contact sheet,
// without touching any ROM image.
#include "cli/cli.h"

#include "commands/commands.h"
#include "formats/svg.h"
#include "model/error.h"
#include "record/export.h"
#include "record/files.h"
#include "record/writes.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <limits>

namespace vertiloom::cli {

namespace {

// A fitted letter as the window has it after taking it: the letter file "Export letter to file"
// writes, and the preview.
struct Shown {
    QByteArray file;
    QImage picture;
};

Shown shown(const LetterRecord& record, const View& view)
{
    Editor editor;
    setUp(editor, view);
    applyRecord(editor, record, false);
    return {memoRecord(editor.form.text(FieldId::memo())), composedPreview(editor)};
}

// "name: why" per failure, the letters that failed for one reason (a font that is not installed)
// named together on one line.
QString failureLines(const QList<std::pair<QString, QString>>& failures)
{
    QStringList reasons;
    QList<QStringList> names;
    for (const auto& [name, why] : failures) {
        const qsizetype at = reasons.indexOf(why);
        if (at < 0) {
            reasons << why;
            names << QStringList{name};
        } else {
            names[at] << name;
        }
    }
    QStringList lines;
    for (qsizetype i = 0; i < reasons.size(); ++i)
        lines << QStringLiteral("%1: %2").arg(names[i].join(QStringLiteral(", ")), reasons[i]);
    return lines.join(u'\n');
}

} // namespace

int fit(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("fit"),
        vertiloom::tr("Fits letters into the game's limits (at most 20 points, 8 polygons, 11 corners each) "
                      "without touching any ROM image: one from each SOURCE (a file named *.svg is a drawing, "
                      "curves and strokes included; any other a picture, whose dark shape is traced), then "
                      "one for each character of --chars in --font. Each letter is placed in the box "
                      "(--box, else the default letter's), and its line says how close it came. OUT by its "
                      "name: *.svg the letter's SVG drawing, *.png the letter as the preview draws it, a "
                      "folder (one that exists, or a name ending in /) a letter file per letter and "
                      "sheet.png, a contact sheet of them all with their figures; any other name a letter "
                      "file. Several letters need a folder. When any letter can't be fitted, nothing is "
                      "written."));
    arguments.addPositional(QStringLiteral("SOURCE"),
                            vertiloom::tr("A drawing (*.svg) or a picture (PNG, JPEG, BMP...) to fit; any number."));
    const QCommandLineOption chars(
        QStringLiteral("chars"),
        vertiloom::tr("The characters of --font to fit, a letter each (white space and repeats passed over)."),
        QStringLiteral("TEXT"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    vertiloom::tr("The letter file, drawing (*.svg), picture (*.png) or folder "
                                                  "(DIR/) to write."),
                                    QStringLiteral("OUT"));
    for (const QCommandLineOption& option : {fontOption(), chars, styleOption(), boxOption(), output})
        arguments.addOption(option);
    if (!arguments.parse(args, 0, std::numeric_limits<int>::max()))
        return kDone;
    const bool font = arguments.parser.isSet(QStringLiteral("font"));
    if (font != arguments.parser.isSet(chars))
        arguments.wrong(font ? vertiloom::tr("--font needs --chars: give the characters to fit.")
                             : vertiloom::tr("--chars needs --font: give the font to take the characters from."));
    if (!arguments.parser.isSet(output))
        arguments.wrong(vertiloom::tr("Give what to write with -o OUT: a letter file, a drawing (*.svg), a picture "
                                      "(*.png) or a folder (DIR/)."));
    const FitStyle style = fitStyle(arguments);
    const std::optional<FitBox> box = fitBox(arguments);
    const QString out = arguments.fileName(output);

    QList<FitSource> sources;
    for (const QString& file : arguments.positional())
        sources << FitSource{file, {}, 0};
    if (font) {
        QSet<char32_t> seen;
        for (const char32_t c : arguments.parser.value(chars).toUcs4()) {
            if (!QChar::isSpace(c) && !seen.contains(c))
                sources << FitSource{{}, arguments.parser.value(QStringLiteral("font")), c};
            seen.insert(c);
        }
    }
    if (sources.isEmpty())
        arguments.wrong(vertiloom::tr("Give a drawing or picture to fit, or --font F with --chars TEXT."));
    const bool folder = out.endsWith(u'/') || QFileInfo(out).isDir();
    if (!folder && sources.size() > 1)
        arguments.wrong(vertiloom::tr("%1 letters need a folder: give -o DIR/ (a name ending in /, or a folder that "
                                      "exists), where each letter gets its letter file, and sheet.png.")
                            .arg(sources.size()));

    // Where each file goes, none of them a source being read.
    const QStringList names = folder ? fitFileNames(sources) : QStringList{};
    QStringList targets;
    for (const QString& name : names)
        targets << QDir(out).filePath(name);
    const QString sheetPath = QDir(out).filePath(QStringLiteral("sheet.png"));
    if (folder)
        targets << sheetPath;
    else
        targets << out;
    for (const QString& target : targets)
        for (const FitSource& source : sources)
            if (!source.file.isEmpty())
                checkNotInput(target, source.file);

    // Every letter is fitted before the first file is written.
    QList<FitResult> results;
    QList<std::pair<QString, QString>> failures;
    for (const FitSource& source : sources) {
        try {
            results << fitInPlaceOf(shapeOf(source), style, box, LetterRecord{});
        } catch (const Error& error) {
            failures << std::pair{fitSourceName(source), error.message()};
        }
    }
    if (!failures.isEmpty())
        throw Error(vertiloom::tr("Nothing was written: not every letter can be fitted.") + u'\n'
                    + failureLines(failures));

    QList<WholeFile> files;
    if (folder) {
        QList<SheetCell> cells;
        for (qsizetype i = 0; i < sources.size(); ++i) {
            const Shown letter = shown(results[i].record, {false, true});
            files << WholeFile{targets[i], letter.file};
            const FitReport& report = results[i].report;
            cells << SheetCell{
                letter.picture,
                {fitSourceName(sources[i]),
                 vertiloom::tr("%1 points, %2 polygons").arg(report.points).arg(report.polygons),
                 vertiloom::tr("IoU %1 %, distance ≤ %2")
                     .arg(QString::number(report.iou, 'f', 1), QString::number(report.largestDistance, 'f', 1))},
                false};
        }
        files << WholeFile{sheetPath, pngBytes(contactSheet(cells, 1))};
        if (!QDir().mkpath(out))
            throw Error(vertiloom::tr("Cannot make the folder %1. Nothing was written.").arg(shownPath(out)));
        // The names are the fit's, in a folder that may hold anything: a link there is not followed out of it.
        saveWholeFiles(files, Links::Refuse);
    } else {
        const LetterRecord& record = results.front().record;
        QByteArray bytes;
        if (out.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
            bytes = letterToSvg(record);
        else if (out.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            bytes = pngBytes(shown(record, {true, true}).picture);
        else
            bytes = shown(record, kBytesOnly).file;
        files << WholeFile{out, bytes};
        saveWholeFile(out, bytes, Links::Follow);
    }

    for (qsizetype i = 0; i < sources.size(); ++i)
        printOut(QStringLiteral("%1: %2\n").arg(fitSourceName(sources[i]), fitReportText(results[i].report)));
    for (const WholeFile& file : files)
        printOut(vertiloom::tr("%1 (%2 bytes)").arg(shownPath(file.path)).arg(file.content.size()) + u'\n');
    return kDone;
}

} // namespace vertiloom::cli
