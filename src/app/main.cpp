// Program entry: the application, its command line, the main window and the message loop.
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/qtplatform.h"
#include "commands/commands.h"
#include "model/messages.h"
#include "record/files.h"
#include "rom/catalogue.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <memory>

namespace {

// Wrong usage: the message and the usage on stderr, exit status 2.
[[noreturn]] void usageError(const QCommandLineParser& parser, const QString& message)
{
    std::fprintf(stderr, "vertiloom: %s\n\n%s", qPrintable(message), qPrintable(parser.helpText()));
    std::exit(2);
}

// --help and --version answer without a display: no window is made for them.
bool onlyAsksForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

void name()
{
    // The name only, no display name: the desktop would add a display name to every window title,
    // which already begins with the program's name.
    QCoreApplication::setApplicationName(QStringLiteral("Tessarine Vertiloom"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VERTILOOM_VERSION));
}

} // namespace

int main(int argc, char* argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (onlyAsksForText(argc, argv))
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    name();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the polygon letters of the game in a ROM image or a letter file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A ROM image or a letter file to open at start-up."),
                                 QStringLiteral("[FILE]"));
    const QCommandLineOption letter(
        QStringLiteral("letter"),
        QStringLiteral(
            "Open the ROM image at this catalogue letter (its label, such as \"A (57) 84\", or its glyph, such as A)."),
        QStringLiteral("LABEL"));
    const QCommandLineOption offset(QStringLiteral("offset"),
                                    QStringLiteral("Open the ROM image at this file offset (hexadecimal)."),
                                    QStringLiteral("HEX"));
    QStringList codes;
    for (const vertiloom::Language& shipped : vertiloom::kLanguages)
        codes << QLatin1String(shipped.code);
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("The window's language for this run: %1.").arg(codes.join(QStringLiteral(", "))),
        codes.join(u'|'));
    parser.addOptions({letter, offset, language});
    parser.process(*app);
    // One look on every desktop, so that the captions fit the fixed control widths everywhere.
    QApplication::setStyle(QStringLiteral("Fusion"));

    std::optional<int> chosen;
    if (parser.isSet(language)) {
        chosen = vertiloom::languageFromCode(parser.value(language));
        if (!chosen)
            usageError(parser, QStringLiteral("--language takes one of %1, not \"%2\".")
                                   .arg(codes.join(QStringLiteral(", ")), parser.value(language)));
    }
    for (int i = 1; i < argc; ++i) {
        if (const QString shown = vertiloom::unnamable(QByteArray(argv[i])); !shown.isEmpty())
            usageError(parser,
                       QStringLiteral("\"%1\" is not text in the system's encoding (UTF-8): a file of that name "
                                      "would be opened under another name. Rename the file, or give another name.")
                           .arg(shown));
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        usageError(parser, QStringLiteral("Give at most one file."));
    if (parser.isSet(letter) && parser.isSet(offset))
        usageError(parser, QStringLiteral("Give --letter or --offset, not both."));
    int position = 0;
    if (parser.isSet(letter)) {
        position = vertiloom::cataloguePosition(parser.value(letter));
        if (position == 0)
            usageError(parser, QStringLiteral("No catalogue letter is labelled \"%1\".").arg(parser.value(letter)));
    }

    // The translations go in before the window is made, so that no widget has to hear of them.
    const int chosenLanguage = vertiloom::startLanguage(chosen);
    vertiloom::installTranslations(chosenLanguage);
    vertiloom::QtPlatform platform;
    vertiloom::MainWindow window(platform, nullptr, chosenLanguage);
    window.show();
    if (!files.isEmpty()) {
        // As through "Open file": the same checks and messages; a file that can't be loaded leaves
        // the letter of the start-up and says why.
        window.openAtStartUp(files.front(), position, parser.isSet(offset) ? parser.value(offset) : QString());
    }
    return QApplication::exec();
}
