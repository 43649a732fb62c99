// The ips sub-command: an IPS patch made from two images of the same size, or applied to an image
// and written to another file (the image itself is never changed).
#include "cli/cli.h"

#include "model/error.h"
#include "record/files.h"
#include "record/ips.h"
#include "record/writes.h"

namespace vertiloom::cli {

int ips(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("ips"),
        vertiloom::tr("\"create\" writes the IPS patch that turns ORIGINAL into MODIFIED (images of the "
                      "same size); \"apply\" writes IMAGE with PATCH applied to the file given with -o, "
                      "after checking the whole patch."));
    arguments.addPositional(QStringLiteral("create|apply"), vertiloom::tr("What to do."));
    arguments.addPositional(QStringLiteral("FILE1"), vertiloom::tr("create: the original image; apply: the image."));
    arguments.addPositional(QStringLiteral("FILE2"), vertiloom::tr("create: the modified image; apply: the patch."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    vertiloom::tr("create: the patch to write; apply: the patched image to write."),
                                    QStringLiteral("FILE"));
    arguments.addOption(output);
    if (!arguments.parse(args, 3, 3))
        return kDone;
    const QStringList files = arguments.positional();
    const QString action = files.at(0);
    if (action != QLatin1String("create") && action != QLatin1String("apply"))
        arguments.wrong(vertiloom::tr("The first argument is create or apply, not \"%1\".").arg(action));
    if (!arguments.parser.isSet(output))
        arguments.wrong(vertiloom::tr("Give the file to write with -o FILE."));
    const QString target = arguments.fileName(output);
    checkNotInput(target, files.at(1));
    checkNotInput(target, files.at(2));

    const QByteArray first = readWholeFile(files.at(1));
    const QByteArray second = readWholeFile(files.at(2));
    if (action == QLatin1String("create")) {
        const QByteArray patch = createIps(first, second);
        saveWholeFile(target, patch, Links::Follow);
        printOut((patch.size() == 8 ? vertiloom::tr("%1: %2 bytes (the images are the same)")
                                    : vertiloom::tr("%1: %2 bytes"))
                     .arg(shownPath(target), groupedNumber(patch.size()))
                 + u'\n');
        return kDone;
    }
    const QByteArray patched = applyIps(first, second);
    qsizetype changed = 0;
    for (qsizetype i = 0; i < patched.size(); ++i)
        changed += patched[i] != first[i];
    saveWholeFile(target, patched, Links::Follow);
    printOut(vertiloom::tr("%1: %2 bytes, %3 changed")
                 .arg(shownPath(target), groupedNumber(patched.size()), groupedNumber(changed))
             + u'\n');
    return kDone;
}

} // namespace vertiloom::cli
