// What the sub-commands of vertiloom-cli share: argument parsing, the platform that asks nobody,
// choosing the dump and the letter, and the editor set up as the window would be; see cli.h.
#include "cli/cli.h"

#include "commands/commands.h"
#include "model/error.h"
#include "model/fields.h"
#include "model/hex.h"
#include "preview/draw.h"
#include "record/files.h"
#include "record/writes.h"
#include "rom/catalogue.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QPainter>
#include <algorithm>
#include <cstdio>

namespace vertiloom::cli {

namespace {

void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void printOut(const QString& text) { print(stdout, text); }
void printErr(const QString& text) { print(stderr, text); }
void printWarning(const QString& message)
{
    printErr(vertiloom::tr("vertiloom-cli: warning: %1").arg(message) + u'\n');
}

QString environmentLanguage()
{
    QStringList names = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        names << qEnvironmentVariable(variable);
    for (const QString& name : names) {
        // language[_territory][.codeset][@modifier]
        const QString locale = name.section(u'.', 0, 0).section(u'@', 0, 0);
        if (locale.isEmpty())
            continue;
        if (locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
            break;
        for (const QString& code : {locale, locale.section(u'_', 0, 0)})
            if (const Language* language = languageOfCode(code))
                return QString::fromLatin1(language->code);
    }
    return QStringLiteral("en");
}

// --- Arguments ------------------------------------------------------------------------------

Arguments::Arguments(const QString& command, const QString& description) : command_(command)
{
    parser.setApplicationDescription(description);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, vertiloom::tr("Displays this help.")));
}

void Arguments::addPositional(const QString& name, const QString& description)
{
    parser.addPositionalArgument(name, description);
}

void Arguments::addOption(const QCommandLineOption& option) { parser.addOption(option); }

bool Arguments::parse(const QStringList& args, int least, int most)
{
    if (!parser.parse(args))
        wrong(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        printOut(usage());
        return false;
    }
    const qsizetype count = parser.positionalArguments().size();
    if (count < least)
        wrong(vertiloom::tr("Missing arguments."));
    if (count > most)
        wrong(vertiloom::tr("Too many arguments: \"%1\".").arg(parser.positionalArguments().mid(most).join(u' ')));
    if (parser.positionalArguments().contains(QString()))
        wrong(vertiloom::tr("An argument is empty: give the name of a file."));
    return true;
}

QString Arguments::usage() const
{
    // Qt's help text names the program as it was started; the usage names the sub-command too. Its
    // first line is "Usage: PROGRAM [options] ..." in the language of Qt's own translation.
    QString text = parser.helpText();
    const qsizetype end = text.indexOf(u'\n');
    QString first = text.left(end);
    const QString started = QCoreApplication::arguments().value(0) + u' ';
    if (const qsizetype at = first.indexOf(started); at > 0)
        first.replace(at, started.size(), QStringLiteral("vertiloom-cli ") + command_ + u' ');
    return first + text.mid(end);
}

void Arguments::wrong(const QString& message) const { throw UsageError{message, usage()}; }

int Arguments::number(const QCommandLineOption& option, int low, int high, int fallback) const
{
    if (!parser.isSet(option))
        return fallback;
    bool ok = false;
    const QString text = parser.value(option);
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        wrong(vertiloom::tr("--%1 takes a whole number from %2 to %3, not \"%4\".")
                  .arg(option.names().constLast())
                  .arg(low)
                  .arg(high)
                  .arg(text));
    return value;
}

QString Arguments::fileName(const QCommandLineOption& option) const
{
    const QString name = parser.value(option);
    if (name.isEmpty())
        wrong(vertiloom::tr("--%1 is empty: give the name of the file to write.").arg(option.names().constLast()));
    return name;
}

QCommandLineOption jsonOption() { return {QStringLiteral("json"), vertiloom::tr("Print JSON instead of text.")}; }

void printJson(const QJsonObject& object)
{
    const QString json = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    // Outside the strings there is only ASCII, and the one control character there is the newline.
    QString out;
    out.reserve(json.size());
    for (qsizetype i = 0; i < json.size(); ++i) {
        const bool pair = json[i].isHighSurrogate() && i + 1 < json.size() && json[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(json[i], json[i + 1]) : json[i].unicode();
        const qsizetype units = pair ? 2 : 1;
        if (c != U'\n' && unshowable(c)) {
            for (qsizetype k = 0; k < units; ++k)
                out += QStringLiteral("\\u")
                       + QStringLiteral("%1").arg(json[i + k].unicode(), 4, 16, QLatin1Char('0')).toUpper();
        } else {
            out += json.sliced(i, units);
        }
        i += units - 1;
    }
    printOut(out);
}

bool unshowable(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// --- The platform ---------------------------------------------------------------------------

std::optional<QString> CliPlatform::openFileName(const QString&) { return std::nullopt; }

std::optional<QString> CliPlatform::saveFileName(const QString&, bool, const QString&) { return savePath; }

bool CliPlatform::confirm(const QString& question, Question about)
{
    const bool yes = answer && answer(about);
    if (!yes) {
        declined << question;
        declinedKinds << about;
    }
    return yes;
}

// Nothing is ever unsaved in a run: each sub-command loads before it changes anything.
bool CliPlatform::confirmDiscard(const QString& question)
{
    declined << question;
    return false;
}

void CliPlatform::showError(const QString& message) { printErr(QStringLiteral("vertiloom-cli: %1\n").arg(message)); }

void CliPlatform::showWarning(const QString& message)
{
    // Once a run: a sub-command over all 24 letters opens the image once per letter.
    static QStringList warned;
    if (warned.contains(message))
        return;
    warned << message;
    printWarning(message);
}

// --- Files ----------------------------------------------------------------------------------

QByteArray readRomImage(const QString& path, const QString& after)
{
    QByteArray image = readWholeFile(path);
    if (!isRomImage(image.size()))
        throw Error(vertiloom::tr("%1 is a letter file of %2 bytes, not a ROM image (a ROM image is larger than "
                                  "2,000,000 bytes).%3")
                        .arg(shownPath(path), groupedNumber(image.size()), after));
    return image;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw Error(vertiloom::tr("Cannot encode the picture as PNG."));
    return bytes;
}

void savePng(const QImage& image, const QString& path) { saveWholeFile(path, pngBytes(image), Links::Follow); }

QImage enlarged(const QImage& image, int scale)
{
    if (scale == 1)
        return image;
    return image.scaled(image.width() * scale, image.height() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// --- Sheets ---------------------------------------------------------------------------------

namespace {

constexpr int kAcross = 6;
constexpr int kMargin = 8;
constexpr int kLineHeight = 18;
constexpr int kCaptionPadding = 4;
const QColor kSheetColor{48, 48, 48};
const QColor kFailureColor{255, 96, 96};

} // namespace

QImage contactSheet(const QList<SheetCell>& cells, int scale)
{
    const int cell = kPreviewSize * scale;
    qsizetype lines = 1;
    for (const SheetCell& one : cells)
        lines = std::max(lines, one.caption.size());
    const int captionHeight = kCaptionPadding + kLineHeight * static_cast<int>(lines);
    const int count = static_cast<int>(std::max<qsizetype>(cells.size(), 1));
    const int across = std::min(count, kAcross);
    const int down = (count + kAcross - 1) / kAcross;
    QImage out(across * cell + (across + 1) * kMargin, down * (cell + captionHeight) + (down + 1) * kMargin,
               QImage::Format_RGB32);
    out.fill(kSheetColor);
    QPainter painter(&out);
    QFont font;
    font.setPixelSize(14);
    painter.setFont(font);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const SheetCell& one = cells[i];
        const int left = kMargin + static_cast<int>(i % kAcross) * (cell + kMargin);
        const int top = kMargin + static_cast<int>(i / kAcross) * (cell + captionHeight + kMargin);
        if (one.picture.isNull())
            painter.fillRect(left, top, cell, cell, kBlack);
        else
            painter.drawImage(left, top, one.picture);
        painter.setPen(one.failed ? kFailureColor : kWhite);
        // The lines centred under the letter, the block of them in the middle of the caption's height.
        const int first = top + cell + (captionHeight - kLineHeight * static_cast<int>(one.caption.size())) / 2;
        for (qsizetype k = 0; k < one.caption.size(); ++k)
            painter.drawText(QRect(left, first + kLineHeight * static_cast<int>(k), cell, kLineHeight), Qt::AlignCenter,
                             one.caption[k]);
    }
    return out;
}

// --- The fit's options ----------------------------------------------------------------------

QCommandLineOption fontOption()
{
    return QCommandLineOption(QStringLiteral("font"),
                              vertiloom::tr("The font: an installed family with its style after a colon "
                                            "(\"DejaVu Sans:Bold\"), or a .ttf or .otf file."),
                              QStringLiteral("F"));
}

QCommandLineOption styleOption()
{
    return QCommandLineOption(QStringLiteral("style"),
                              vertiloom::tr("pieces (convex polygons sharing their corner points, as the game's own "
                                            "letters are built; the default) or outline (one polygon per contour, "
                                            "holes included)."),
                              QStringLiteral("STYLE"));
}

QCommandLineOption boxOption()
{
    return QCommandLineOption(
        QStringLiteral("box"),
        vertiloom::tr("The box the letter is fitted into, in units from -128 to 127: left, top, right and foot "
                      "(y grows downwards). The letter keeps its aspect, is centred across and stands on the foot."),
        QStringLiteral("X0,Y0,X1,Y1"));
}

FitStyle fitStyle(const Arguments& arguments)
{
    const QString style = arguments.parser.value(QStringLiteral("style"));
    if (style.isEmpty() && !arguments.parser.isSet(QStringLiteral("style")))
        return FitStyle::Pieces;
    if (style == QLatin1String("pieces"))
        return FitStyle::Pieces;
    if (style == QLatin1String("outline"))
        return FitStyle::Outline;
    arguments.wrong(vertiloom::tr("--style takes pieces or outline, not \"%1\".").arg(style));
}

std::optional<FitBox> fitBox(const Arguments& arguments)
{
    if (!arguments.parser.isSet(QStringLiteral("box")))
        return std::nullopt;
    const QString text = arguments.parser.value(QStringLiteral("box"));
    QList<int> values;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        values << part.trimmed().toInt(&ok);
        if (!ok) {
            values.clear();
            break;
        }
    }
    if (values.size() != 4 || std::any_of(values.cbegin(), values.cend(), [](int v) { return v < -128 || v > 127; }))
        arguments.wrong(vertiloom::tr("--box takes four whole numbers X0,Y0,X1,Y1 from -128 to 127, the letter's "
                                      "square (such as -60,-90,60,0), not \"%1\".")
                            .arg(text));
    return FitBox{values[0], values[1], values[2], values[3]};
}

// --- Dumps and letters ----------------------------------------------------------------------

int dumpNumber(const RomVariant& variant) { return static_cast<int>(&variant - kRomVariants.data()) + 1; }

Dump chooseDump(const QByteArray& image, const Recognition& recognition, int number)
{
    if (number == 0) {
        if (recognition.fitting.isEmpty())
            return {1, &kRomVariants[0], 0, false};
        const DumpMatch& best = recognition.fitting.front();
        return {dumpNumber(*best.variant), best.variant, best.header, true};
    }
    const RomVariant& variant = kRomVariants[static_cast<size_t>(number - 1)];
    if (recognition.hasHeader && fits(image, variant, kCopierHeaderSize))
        return {number, &variant, kCopierHeaderSize, true};
    if (fits(image, variant, 0))
        return {number, &variant, 0, true};
    return {number, &variant, recognition.hasHeader ? kCopierHeaderSize : 0, false};
}

QCommandLineOption dumpOption()
{
    return QCommandLineOption(QStringLiteral("dump"),
                              vertiloom::tr("The dump to read the image as, 1 to 5 in the order of the ROM panel "
                                            "(default: the best fitting one, else 1)."),
                              QStringLiteral("N"));
}

QCommandLineOption letterOption()
{
    return QCommandLineOption(QStringLiteral("letter"),
                              vertiloom::tr("The catalogue letter: its label (\"A (57) 84\") or its glyph (A)."),
                              QStringLiteral("LABEL"));
}

QCommandLineOption offsetOption()
{
    return QCommandLineOption(QStringLiteral("offset"), vertiloom::tr("The letter record's file offset (hexadecimal)."),
                              QStringLiteral("HEX"));
}

LetterChoice letterChoice(const Arguments& arguments)
{
    const QCommandLineParser& parser = arguments.parser;
    const bool letter = parser.isSet(QStringLiteral("letter"));
    const bool offset = parser.isSet(QStringLiteral("offset"));
    if (letter && offset)
        arguments.wrong(vertiloom::tr("Give --letter or --offset, not both."));
    LetterChoice choice;
    if (letter) {
        const QString label = parser.value(QStringLiteral("letter"));
        choice.position = cataloguePosition(label);
        if (choice.position == 0)
            arguments.wrong(vertiloom::tr("No catalogue letter is labelled \"%1\".").arg(label));
    }
    if (offset) {
        const QString text = parser.value(QStringLiteral("offset"));
        try {
            choice.offset = offsetFromAddr(text);
        } catch (const Error&) {
            arguments.wrong(
                vertiloom::tr("--offset takes a hexadecimal file offset such as 476E2, not \"%1\".").arg(text));
        }
    }
    return choice;
}

qint64 letterOffset(const LetterChoice& choice, const Dump& dump)
{
    if (choice.offset)
        return *choice.offset;
    return HexToInt(catalogueOffset(choice.position == 0 ? 1 : choice.position, *dump.variant)) + dump.header;
}

// --- The editor -----------------------------------------------------------------------------

void setUp(Editor& editor, const View& view)
{
    // The switches are set before the start-up's START!, which then draws only what is on. The
    // overlay ends as after clicks on the switches in the window (it starts black, and a click off
    // leaves it black where the numbers or the axes were), and a run without the numbers never loads
    // Qt's fonts.
    editor.form.setChecked(FieldId::checkBox(21), view.numbers);
    editor.form.setChecked(FieldId::checkBox(22), view.axes);
    startUp(editor);
}

void aimAt(Editor& editor, const Dump& dump, const LetterChoice& choice)
{
    // A click on the dump in the ROM panel, with the header's bytes added to the catalogue's offsets
    // as after the question on opening a headered image.
    selectVariant(editor.form, dump.variant->radioButton);
    editor.catalogueHeader = dump.header;
    chooseVariant(editor);
    if (choice.offset)
        editor.form.setText(FieldId::addr(), IntToHexText(*choice.offset));
    else
        goToLetter(editor, choice.position == 0 ? 1 : choice.position);
}

void load(Editor& editor, CliPlatform& platform, const QString& path)
{
    openDroppedFile(editor, platform, path);
    if (editor.currentRom != path)
        throw Error(vertiloom::tr("%1 was not opened.").arg(shownPath(path)));
}

QString fileNameGlyph(const QString& label)
{
    const QString glyph = label.section(u' ', 0, 0);
    QString name;
    for (const QChar c : glyph) {
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-')
            name += c;
        else
            name += QStringLiteral("x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper().replace(0, 1, u'x');
    }
    return name;
}

QString letterFileName(int position, qint64 offset)
{
    return QStringLiteral("%1_%2.bin")
        .arg(fileNameGlyph(QString::fromLatin1(catalogueEntry(position).label)), IntToHexText(offset));
}

} // namespace vertiloom::cli
