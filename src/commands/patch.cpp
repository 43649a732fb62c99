// The commands that make a patch between two ROM images and apply one, for the command line and the
// window's "Make patch…" alike; see commands.h.
#include "commands/commands.h"

#include "formats/bps.h"
#include "model/error.h"
#include "model/messages.h"
#include "record/files.h"
#include "record/ips.h"
#include "record/load.h"
#include "record/writes.h"
#include "rom/recognition.h"

#include <QFileInfo>

namespace vertiloom {

namespace {

// The copier header to leave out of an image, decided by its size alone as patchers decide it (512
// more than a multiple of 1,024), so that both images of a patch and the image it is applied to are
// taken the same way, whatever their letters read as; or 0. With exact, 0 and a line that says the
// header was kept.
qint64 headerOf(const QByteArray& image, const QString& path, bool exact, PatchReport& report)
{
    const qint64 header = hasCopierHeader(image.size()) ? kCopierHeaderSize : 0;
    if (header != 0 && exact)
        report.done
            << tr("%1 is taken as it stands, its %2-byte copier header included.").arg(shownPath(path)).arg(header);
    return exact ? 0 : header;
}

QString written(const QString& path, qint64 size)
{
    return tr("Wrote %1: %2 bytes.").arg(shownPath(path), groupedNumber(size));
}

} // namespace

std::optional<PatchFormat> patchFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("bps"), Qt::CaseInsensitive) == 0)
        return PatchFormat::Bps;
    if (suffix.compare(QLatin1String("ips"), Qt::CaseInsensitive) == 0)
        return PatchFormat::Ips;
    return std::nullopt;
}

PatchFormat patchFormatOf(const QByteArray& patch, const QString& path)
{
    if (looksLikeBps(patch))
        return PatchFormat::Bps;
    if (patch.startsWith("PATCH"))
        return PatchFormat::Ips;
    throw Error(tr("%1 is no patch this editor knows: a BPS patch begins with \"BPS1\", an IPS patch with \"PATCH\".")
                    .arg(shownPath(path)));
}

PatchReport makePatch(const QString& original, const QString& modified, const QString& output, PatchFormat format,
                      const QByteArray& metadata, bool exact)
{
    checkNotInput(output, original);
    checkNotInput(output, modified);
    const QByteArray before = readWholeFile(original);
    const QByteArray after = readWholeFile(modified);
    PatchReport report;
    QByteArray patch;
    if (format == PatchFormat::Ips) {
        patch = createIps(before, after);
    } else {
        const qint64 beforeHeader = headerOf(before, original, exact, report);
        const qint64 afterHeader = headerOf(after, modified, exact, report);
        // One image with a header and one without: left out of one and kept in the other, the header
        // would go into the patch as part of the game, and come out twice or not at all.
        if ((beforeHeader == 0) != (afterHeader == 0)) {
            const bool originalHasIt = beforeHeader != 0;
            throw Error(tr("%1 has a 512-byte copier header by its size (%2 bytes, 512 more than a multiple of "
                           "1,024), and %3 has none (%4 bytes): a patch between them would carry the header as part "
                           "of the game. Give both images with a header or both without, or make the patch between "
                           "the files as they stand with vertiloom-cli patch create --exact. Nothing was written.")
                            .arg(shownPath(originalHasIt ? original : modified),
                                 groupedNumber(originalHasIt ? before.size() : after.size()),
                                 shownPath(originalHasIt ? modified : original),
                                 groupedNumber(originalHasIt ? after.size() : before.size())));
        }
        for (const auto& [path, header] : {std::pair{original, beforeHeader}, std::pair{modified, afterHeader}}) {
            if (header != 0)
                report.done << tr("%1 has a %2-byte copier header: the patch is made without it.")
                                   .arg(shownPath(path))
                                   .arg(header);
        }
        patch = createBps(before.sliced(beforeHeader), after.sliced(afterHeader), metadata);
    }
    saveWholeFile(output, patch, Links::Follow);
    report.done << written(output, patch.size());
    return report;
}

PatchReport applyPatch(const QString& image, const QString& patch, const QString& output, bool ignoreChecksum,
                       bool exact)
{
    checkNotInput(output, image);
    checkNotInput(output, patch);
    const QByteArray bytes = readWholeFile(image);
    const QByteArray patchBytes = readWholeFile(patch);
    PatchReport report;
    QByteArray result;
    if (patchFormatOf(patchBytes, patch) == PatchFormat::Ips) {
        result = applyIps(bytes, patchBytes);
    } else {
        const qint64 header = headerOf(bytes, image, exact, report);
        if (header != 0)
            report.done << tr("%1 has a %2-byte copier header: the patch is applied without it, and the header put "
                              "back in front of %3.")
                               .arg(shownPath(image))
                               .arg(header)
                               .arg(shownPath(output));
        const QByteArray source = bytes.sliced(header);
        if (!ignoreChecksum) {
            result = applyBps(source, patchBytes);
        } else {
            const BpsPatch info = readBps(patchBytes);
            result = applyBps(source, patchBytes, SourceCheck::Ignore);
            if (source.size() != info.sourceSize)
                report.warnings << tr("This patch was made for an image of %1 bytes; this image has %2 bytes.")
                                       .arg(groupedNumber(info.sourceSize), groupedNumber(source.size()));
            if (const quint32 crc = crc32Of(source); crc != info.sourceCrc32)
                report.warnings << tr("This patch was made for an image with CRC32 %1; this image has %2.")
                                       .arg(crc32Text(info.sourceCrc32), crc32Text(crc));
            if (const quint32 crc = crc32Of(result); crc != info.targetCrc32)
                report.warnings << tr("The patched image has the CRC32 %1, but the patch says its result has %2.")
                                       .arg(crc32Text(crc), crc32Text(info.targetCrc32));
            if (!report.warnings.isEmpty())
                report.warnings << tr("The patch was applied all the same, as asked: its checksums were not "
                                      "insisted on.");
        }
        // The patch's target is at most what the editor reads; its header put back in front, it may not be.
        if (header + result.size() > kLargestFile)
            throw Error(tr("%1 with the patch applied would be %2 bytes (its %3-byte copier header in front of the "
                           "patch's target of %4 bytes): the editor reads and writes files of at most 64 MiB (%5 "
                           "bytes). Nothing was written.")
                            .arg(shownPath(image), groupedNumber(header + result.size()))
                            .arg(header)
                            .arg(groupedNumber(result.size()), groupedNumber(kLargestFile)));
        result.prepend(bytes.first(header));
    }
    saveWholeFile(output, result, Links::Follow);
    report.done << written(output, result.size());
    return report;
}

void makePatchOfCurrentImage(Editor& editor, Platform& platform)
{
    if (editor.currentRom.isEmpty() || !editor.openedAs.romImage)
        throw Error(tr("No ROM image is open: open the modified image first, then make the patch between a clean "
                       "original and it."));
    const std::optional<QString> original = platform.openFileName(QLatin1String(kOpenFilter));
    if (!original) {
        platform.beep();
        return;
    }
    if (original->isEmpty())
        throw Error(tr("Invalid filename"));
    const std::optional<QString> path = platform.saveFileName(QLatin1String(kPatchSaveFilter), true, QString());
    if (!path) {
        platform.beep();
        return;
    }
    if (path->isEmpty())
        throw Error(tr("Invalid filename"));
    makePatch(*original, editor.currentRom, *path, patchFormatOf(*path).value_or(PatchFormat::Bps), {}, false);
    platform.beep();
}

} // namespace vertiloom
