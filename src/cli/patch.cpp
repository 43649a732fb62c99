// The patch sub-command: a BPS or IPS patch made from two images, applied to an image and written to
// another file (the image itself is never changed), or what a patch holds. The work is the core's
// makePatch and applyPatch, which the window's "Make patch…" uses too.
#include "cli/cli.h"

#include "commands/commands.h"
#include "formats/bps.h"
#include "model/error.h"
#include "record/files.h"
#include "record/ips.h"
#include "rom/recognition.h"

#include <QJsonObject>
#include <algorithm>

namespace vertiloom::cli {

namespace {

// "1 byte", "2,097,151 bytes".
QString bytesCounted(qint64 n)
{
    return (n == 1 ? vertiloom::tr("%1 byte") : vertiloom::tr("%1 bytes")).arg(groupedNumber(n));
}

QString actionsCounted(qint64 n)
{
    return (n == 1 ? vertiloom::tr("%1 action") : vertiloom::tr("%1 actions")).arg(groupedNumber(n));
}

// One line of info's text: its label, padded to the longest label in the language shown, and the value.
QString line(const QString& label, const QString& value)
{
    static const qsizetype width = [] {
        qsizetype longest = 0;
        for (const QString& one : {vertiloom::tr("File:"), vertiloom::tr("Format:"), vertiloom::tr("Size:"),
                                   vertiloom::tr("Records:"), vertiloom::tr("Size after:"), vertiloom::tr("Source:"),
                                   vertiloom::tr("Target:"), vertiloom::tr("Metadata:")})
            longest = std::max(longest, one.size());
        for (const char* name : kBpsActionNames)
            longest = std::max(longest, qsizetype(qstrlen(name)) + 1);
        return longest + 1;
    }();
    return label.leftJustified(width) + value + u'\n';
}

void printReport(const PatchReport& report)
{
    for (const QString& line : report.done)
        printOut(line + u'\n');
    for (const QString& line : report.warnings)
        printErr(vertiloom::tr("vertiloom-cli patch: warning: %1").arg(line) + u'\n');
}

QString hexDigits(quint32 n, int width) { return QStringLiteral("%1").arg(n, width, 16, QLatin1Char('0')).toUpper(); }

// The metadata as text to print between quotes: UTF-8 as it stands, with \\, \", \n, \r and \t;
// other control characters below 80 and bytes that are no UTF-8 as \xNN (so \x80 and above is
// always a stray byte), and other control and invisible characters as \uNNNN or \UNNNNNNNN.
QString escapedText(const QByteArray& bytes)
{
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000}; // by sequence length: no overlong forms
    QString out;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length != 0 && length <= size - i;
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        if (!valid || c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += QStringLiteral("\\x") + hexDigits(lead, 2);
            ++i;
            continue;
        }
        i += length;
        switch (c) {
        case U'\\':
            out += QStringLiteral("\\\\");
            break;
        case U'"':
            out += QStringLiteral("\\\"");
            break;
        case U'\n':
            out += QStringLiteral("\\n");
            break;
        case U'\r':
            out += QStringLiteral("\\r");
            break;
        case U'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c < 0x80 && unshowable(c))
                out += QStringLiteral("\\x") + hexDigits(c, 2);
            else if (unshowable(c))
                out += (c > 0xFFFF ? QStringLiteral("\\U") : QStringLiteral("\\u")) + hexDigits(c, c > 0xFFFF ? 8 : 4);
            else
                out += QString::fromUcs4(&c, 1);
        }
    }
    return out;
}

QString shownMetadata(const QByteArray& metadata)
{
    return metadata.isEmpty() ? vertiloom::tr("none") : u'"' + escapedText(metadata) + u'"';
}

int patchInfo(const QString& path, bool json)
{
    const QByteArray patch = readWholeFile(path);
    if (patchFormatOf(patch, path) == PatchFormat::Ips) {
        const IpsPatch ips = readIps(patch);
        if (json) {
            QJsonObject object{{QStringLiteral("file"), path},
                               {QStringLiteral("format"), QStringLiteral("IPS")},
                               {QStringLiteral("size"), patch.size()},
                               {QStringLiteral("records"), ips.records},
                               {QStringLiteral("rleRecords"), ips.rleRecords},
                               {QStringLiteral("bytes"), ips.bytes}};
            if (ips.sizeAfter >= 0)
                object.insert(QStringLiteral("sizeAfter"), ips.sizeAfter);
            printJson(object);
            return kDone;
        }
        QString text = line(vertiloom::tr("File:"), shownPath(path))
                       + line(vertiloom::tr("Format:"), QStringLiteral("IPS"))
                       + line(vertiloom::tr("Size:"), vertiloom::tr("%1 bytes").arg(groupedNumber(patch.size())));
        text += line(vertiloom::tr("Records:"),
                     vertiloom::tr("%1 (%2 RLE), writing %3")
                         .arg(groupedNumber(ips.records), groupedNumber(ips.rleRecords), bytesCounted(ips.bytes)));
        if (ips.sizeAfter >= 0)
            text += line(vertiloom::tr("Size after:"), vertiloom::tr("%1 bytes").arg(groupedNumber(ips.sizeAfter)));
        printOut(text);
        return kDone;
    }

    const BpsPatch bps = readBps(patch);
    if (json) {
        QJsonObject actions;
        for (int kind = 0; kind < 4; ++kind)
            actions.insert(
                QString::fromLatin1(kBpsActionNames[kind]),
                QJsonObject{{QStringLiteral("count"), bps.actions[kind]}, {QStringLiteral("bytes"), bps.bytes[kind]}});
        printJson(QJsonObject{{QStringLiteral("file"), path},
                              {QStringLiteral("format"), QStringLiteral("BPS")},
                              {QStringLiteral("size"), patch.size()},
                              {QStringLiteral("sourceSize"), bps.sourceSize},
                              {QStringLiteral("sourceCrc32"), crc32Text(bps.sourceCrc32)},
                              {QStringLiteral("targetSize"), bps.targetSize},
                              {QStringLiteral("targetCrc32"), crc32Text(bps.targetCrc32)},
                              {QStringLiteral("patchCrc32"), crc32Text(bps.patchCrc32)},
                              {QStringLiteral("metadata"), QString::fromUtf8(bps.metadata)},
                              {QStringLiteral("actions"), actions}});
        return kDone;
    }
    QString text =
        line(vertiloom::tr("File:"), shownPath(path)) + line(vertiloom::tr("Format:"), QStringLiteral("BPS"))
        + line(vertiloom::tr("Size:"),
               vertiloom::tr("%1 bytes, CRC32 %2").arg(groupedNumber(patch.size()), crc32Text(bps.patchCrc32)));
    text += line(vertiloom::tr("Source:"),
                 vertiloom::tr("%1 bytes, CRC32 %2").arg(groupedNumber(bps.sourceSize), crc32Text(bps.sourceCrc32)));
    text += line(vertiloom::tr("Target:"),
                 vertiloom::tr("%1 bytes, CRC32 %2").arg(groupedNumber(bps.targetSize), crc32Text(bps.targetCrc32)));
    text += line(vertiloom::tr("Metadata:"), shownMetadata(bps.metadata));
    for (int kind = 0; kind < 4; ++kind)
        text += line(QString::fromLatin1(kBpsActionNames[kind]) + u':',
                     QStringLiteral("%1, %2").arg(actionsCounted(bps.actions[kind]), bytesCounted(bps.bytes[kind])));
    printOut(text);
    return kDone;
}

} // namespace

int patch(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("patch"),
        vertiloom::tr(
            "\"create\" writes the patch that turns ORIGINAL into MODIFIED, in the format the name given with -o "
            "ends in: .bps (images of any sizes, a copier header left out) or .ips (images of the same size, as "
            "they stand); \"apply\" writes IMAGE with PATCH (BPS or IPS) applied to the file given with -o, after "
            "checking the whole patch and the image's size and CRC32; \"info\" says what PATCH holds."));
    arguments.addPositional(QStringLiteral("create|apply|info"), vertiloom::tr("What to do."));
    arguments.addPositional(QStringLiteral("FILE1"),
                            vertiloom::tr("create: the original image; apply: the image; info: the patch."));
    arguments.addPositional(QStringLiteral("[FILE2]"), vertiloom::tr("create: the modified image; apply: the patch."));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        vertiloom::tr("create: the patch to write (.bps or .ips); apply: the patched image to write."),
        QStringLiteral("FILE"));
    const QCommandLineOption metadata(
        QStringLiteral("metadata"),
        vertiloom::tr("create, BPS: text the patch carries (its metadata), such as its author."),
        QStringLiteral("TEXT"));
    const QCommandLineOption exact(QStringLiteral("exact"),
                                   vertiloom::tr("BPS: take the images as they stand, a copier header included."));
    const QCommandLineOption ignoreChecksum(
        QStringLiteral("ignore-checksum"),
        vertiloom::tr("apply, BPS: apply the patch to an image of another size or CRC32, "
                      "and keep a result of another CRC32, with a warning."));
    const QCommandLineOption json = jsonOption();
    for (const QCommandLineOption& option : {output, metadata, exact, ignoreChecksum, json})
        arguments.addOption(option);
    if (!arguments.parse(args, 2, 3))
        return kDone;
    const QStringList files = arguments.positional();
    const QString action = files.at(0);
    // "--exact is for a BPS patch.": what names the command or the patch the option belongs to.
    const auto refuse = [&](const QCommandLineOption& option, const QString& what) {
        if (arguments.parser.isSet(option))
            arguments.wrong(vertiloom::tr("--%1 is for %2.").arg(option.names().constLast(), what));
    };
    if (action == QLatin1String("info")) {
        if (files.size() != 2)
            arguments.wrong(vertiloom::tr("info takes one file, the patch."));
        for (const QCommandLineOption& option : {output, metadata, exact, ignoreChecksum})
            refuse(option, vertiloom::tr("create or apply"));
        return patchInfo(files.at(1), arguments.parser.isSet(json));
    }
    if (action != QLatin1String("create") && action != QLatin1String("apply"))
        arguments.wrong(vertiloom::tr("The first argument is create, apply or info, not \"%1\".").arg(action));
    if (files.size() != 3)
        arguments.wrong(vertiloom::tr("%1 takes two files.").arg(action));
    refuse(json, QStringLiteral("info"));
    if (!arguments.parser.isSet(output))
        arguments.wrong(vertiloom::tr("Give the file to write with -o FILE."));
    const QString target = arguments.fileName(output);

    if (action == QLatin1String("create")) {
        refuse(ignoreChecksum, QStringLiteral("apply"));
        const std::optional<PatchFormat> format = patchFormatOf(target);
        if (!format)
            arguments.wrong(
                vertiloom::tr("The patch's name ends in .bps or .ips, which says its format: \"%1\" ends in neither.")
                    .arg(shownPath(target)));
        if (*format == PatchFormat::Ips) {
            refuse(metadata, vertiloom::tr("a BPS patch"));
            refuse(exact, vertiloom::tr("a BPS patch"));
        }
        printReport(makePatch(files.at(1), files.at(2), target, *format, arguments.parser.value(metadata).toUtf8(),
                              arguments.parser.isSet(exact)));
        return kDone;
    }
    refuse(metadata, QStringLiteral("create"));
    printReport(applyPatch(files.at(1), files.at(2), target, arguments.parser.isSet(ignoreChecksum),
                           arguments.parser.isSet(exact)));
    return kDone;
}

} // namespace vertiloom::cli
