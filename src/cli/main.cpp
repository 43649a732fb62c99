// vertiloom-cli: the editor's commands without a window. The first argument names the sub-command;
// the exit status is 0 when it was done, 1 when it was refused or failed (nothing written), 2 on
// wrong usage.
#include "cli/cli.h"

#include "model/error.h"
#include "model/messages.h"
#include "record/files.h"
#include "record/writes.h"

#include <new>

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

QtMessageHandler qtHandler = nullptr;

// stderr carries the program's messages: Qt's note that a desktop session's runtime folder is not
// set (which a run without a desktop needs no more than it needs a display) is left out.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtHandler)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

struct SubCommand {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args);
};

const SubCommand kSubCommands[] = {
    {"info",
     QT_TRANSLATE_NOOP(
         "vertiloom",
         "What an image is: size, CRC32, MD5, SHA-1, copier and cartridge headers, the dumps that fit, the two words."),
     vertiloom::cli::info},
    {"list",
     QT_TRANSLATE_NOOP("vertiloom",
                       "The 24 catalogue letters of a dump: offsets, lengths, counts, and whether each reads."),
     vertiloom::cli::list},
    {"render",
     QT_TRANSLATE_NOOP(
         "vertiloom",
         "A letter as the preview draws it, or all 24 on one sheet, as a PNG picture; or a letter as an SVG drawing."),
     vertiloom::cli::render},
    {"extract",
     QT_TRANSLATE_NOOP("vertiloom", "Letter files of one letter or all 24, as \"Export letter to file\" writes them."),
     vertiloom::cli::extract},
    {"import",
     QT_TRANSLATE_NOOP(
         "vertiloom",
         "A letter file written into the image as \"Export letter to Rom\" does, an SVG drawing's letter, or one "
         "fitted from a drawing, picture or font."),
     vertiloom::cli::import},
    {"fit",
     QT_TRANSLATE_NOOP(
         "vertiloom",
         "Letters fitted from drawings, pictures or a font's characters into the game's limits, with a sheet."),
     vertiloom::cli::fit},
    {"words",
     QT_TRANSLATE_NOOP("vertiloom",
                       "The PAUSE and GAME OVER words: read them, or write new ones; the tile codes as a table file."),
     vertiloom::cli::words},
    {"ips", QT_TRANSLATE_NOOP("vertiloom", "An IPS patch between two images, or one applied to an image."),
     vertiloom::cli::ips},
    {"checksum",
     QT_TRANSLATE_NOOP("vertiloom", "The cartridge header's checksum against the image's own; --fix sets it."),
     vertiloom::cli::checksum},
    {"patch",
     QT_TRANSLATE_NOOP("vertiloom",
                       "A BPS or IPS patch between two images, one applied to an image, or what a patch holds."),
     vertiloom::cli::patch},
};

// Notices of the core (a write that a killed run left half done, put back on opening) on stderr.
void printNotices()
{
    for (const QString& notice : vertiloom::takeNotices())
        vertiloom::cli::printWarning(notice);
}

QString overview()
{
    QString text = vertiloom::tr("Usage: %1").arg(QStringLiteral("vertiloom-cli COMMAND [options] ARGUMENTS")) + u'\n'
                   + vertiloom::tr("Reads and writes the polygon letters of the game in ROM images and letter "
                                   "files, without a window.")
                   + u'\n' + u'\n' + vertiloom::tr("Commands:") + u'\n';
    qsizetype width = 0;
    for (const SubCommand& command : kSubCommands)
        width = std::max(width, qsizetype(qstrlen(command.name)));
    for (const SubCommand& command : kSubCommands)
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(command.name), -static_cast<int>(width))
                    .arg(QCoreApplication::translate(vertiloom::kMessageContext, command.summary));
    text += u'\n'
            + vertiloom::tr("\"vertiloom-cli COMMAND --help\" describes a command. Exit status: 0 done, 1 refused "
                            "or failed (nothing written), 2 wrong usage.")
            + u'\n';
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    // render and fit write the point numbers and the labels with Qt's fonts, and a letter taken from
    // a font reads its glyph with Qt's font engine: these need a GUI application, which never shows a
    // window here, so it needs no display either. The other sub-commands draw no text and start as a
    // plain core application, which starts in a fraction of the time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(messageHandler);
    bool draws = argc > 1 && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "fit") == 0);
    for (int i = 2; i < argc && !draws && std::strcmp(argv[1], "import") == 0; ++i)
        for (const char* font : {"--font", "-font"})
            draws = draws || std::strcmp(argv[i], font) == 0
                    || (std::strncmp(argv[i], font, std::strlen(font)) == 0 && argv[i][std::strlen(font)] == '=');
    // Qt sees the program's name only: a GUI application takes arguments of its own out of the
    // command line (-style, -reverse, -platform... with one dash or two), and --style is fit's.
    int qtArgc = 1;
    const std::unique_ptr<QCoreApplication> app(draws ? new QGuiApplication(qtArgc, argv)
                                                      : new QCoreApplication(qtArgc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vertiloom-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VERTILOOM_VERSION));

    using namespace vertiloom::cli;
    // The language of the environment, as gettext's tools speak it; English loads nothing.
    vertiloom::installMessages(environmentLanguage());
    for (int i = 1; i < argc; ++i) {
        if (const QString shown = vertiloom::unnamable(QByteArray(argv[i])); !shown.isEmpty()) {
            printErr(vertiloom::tr("vertiloom-cli: \"%1\" is not text in the system's encoding (UTF-8): a file of "
                                   "that name would be read or written under another name. Rename the file, or give "
                                   "another name.")
                         .arg(shown)
                     + u'\n');
            return kWrongUsage;
        }
    }
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty()) {
        printErr(vertiloom::tr("vertiloom-cli: give a command.") + QStringLiteral("\n\n") + overview());
        return kWrongUsage;
    }
    const QString first = args.front();
    if (first == QLatin1String("-h") || first == QLatin1String("--help") || first == QLatin1String("help")) {
        printOut(overview());
        return kDone;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        printOut(QStringLiteral("vertiloom-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return kDone;
    }
    for (const SubCommand& command : kSubCommands) {
        if (first != QLatin1String(command.name))
            continue;
        try {
            const int status = command.run(args);
            printNotices();
            return status;
        } catch (const UsageError& error) {
            printNotices();
            printErr(QStringLiteral("vertiloom-cli %1: %2\n\n%3").arg(first, error.message, error.usage));
            return kWrongUsage;
        } catch (const vertiloom::Error& error) {
            printNotices();
            printErr(QStringLiteral("vertiloom-cli %1: %2\n").arg(first, error.message()));
            return kFailed;
        } catch (const std::bad_alloc&) {
            printErr(QStringLiteral("vertiloom-cli %1: %2\n").arg(first, vertiloom::outOfMemory()));
            return kFailed;
        }
    }
    printErr(vertiloom::tr("vertiloom-cli: no command is called \"%1\".").arg(first) + QStringLiteral("\n\n")
             + overview());
    return kWrongUsage;
}
