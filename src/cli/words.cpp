// The words sub-command: the PAUSE and GAME OVER words read, or written with the window's checks
// (read first, so that a letter left as it is writes its byte back unchanged), and the tile codes as a
// table file for hex editors.
#include "cli/cli.h"

#include "commands/commands.h"
#include "formats/table.h"
#include "model/error.h"
#include "model/hex.h"
#include "record/files.h"
#include "record/writes.h"
#include "rom/catalogue.h"
#include "rom/words.h"

namespace vertiloom::cli {

namespace {

// The word as its fields show it, "?" for a byte that is no tile code, and its bytes.
QString shownWord(const Editor& editor, const WordPlace& word)
{
    QString text;
    QString hex;
    for (int place = 0; place < word.length; ++place) {
        const int index = word.firstIndex + place;
        const QString c = editor.form.text(wordField(index));
        text += c.isEmpty() ? QStringLiteral("?") : c;
        hex += TwoDigitHex(editor.wordBytesRead[static_cast<size_t>(index)]);
    }
    return QStringLiteral("%1 \"%2\" (%3)\n").arg(word.name + u':', -10).arg(text, hex);
}

} // namespace

int words(const QStringList& args)
{
    Arguments arguments(
        QStringLiteral("words"),
        vertiloom::tr("Reads the PAUSE and GAME OVER words of a ROM image (\"?\" stands for a byte that is no "
                      "tile code), or writes new ones as the window does: one character per letter, from "
                      "\"PAUSED!0123456789LCT GMOVR\" (\"I\" writes as \"1\", \"_\" as the blank), and the "
                      "image is first copied to IMAGE.bak. With --table, no image: the tile codes as a "
                      "table file that hex editors load to show and type the game's text (\"00=P\" ... "
                      "\"19=R\", one line each)."));
    arguments.addPositional(QStringLiteral("IMAGE"), vertiloom::tr("The ROM image (none with --table)."));
    const QCommandLineOption pause(QStringLiteral("set-pause"), vertiloom::tr("The 5 letters of the PAUSE word."),
                                   QStringLiteral("TEXT"));
    const QCommandLineOption gameOver(QStringLiteral("set-game-over"),
                                      vertiloom::tr("The 8 letters of the GAME OVER word."), QStringLiteral("TEXT"));
    const QCommandLineOption table(QStringLiteral("table"),
                                   vertiloom::tr("Write the tile codes as a table file for hex editors (to -o FILE, "
                                                 "else to the standard output)."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    vertiloom::tr("With --table, the table file to write."), QStringLiteral("FILE"));
    for (const QCommandLineOption& option : {pause, gameOver, dumpOption(), table, output})
        arguments.addOption(option);
    if (!arguments.parse(args, 0, 1))
        return kDone;
    if (arguments.parser.isSet(table)) {
        // The codes are the game's, the same in every dump: no image is read.
        if (!arguments.positional().isEmpty() || arguments.parser.isSet(pause) || arguments.parser.isSet(gameOver)
            || arguments.parser.isSet(dumpOption()))
            arguments.wrong(
                vertiloom::tr("--table writes the game's tile codes, the same for every image: give no IMAGE, "
                              "--set-pause, --set-game-over or --dump with it."));
        const QByteArray text = tileTable();
        if (!arguments.parser.isSet(output)) {
            printOut(QString::fromUtf8(text));
            return kDone;
        }
        const QString path = arguments.fileName(output);
        saveWholeFile(path, text, Links::Follow);
        printOut(vertiloom::tr("%1 (%2 tile codes)").arg(shownPath(path)).arg(text.count('\n')) + u'\n');
        return kDone;
    }
    if (arguments.parser.isSet(output))
        arguments.wrong(vertiloom::tr("-o is for --table: the words are written into the image."));
    if (arguments.positional().isEmpty())
        arguments.wrong(vertiloom::tr("Missing arguments."));
    const int number = arguments.number(dumpOption(), 1, static_cast<int>(kRomVariants.size()), 0);
    const auto checkLength = [&](const QCommandLineOption& option, int length) {
        if (arguments.parser.isSet(option) && arguments.parser.value(option).size() != length)
            arguments.wrong(vertiloom::tr("--%1 takes %2 characters, one per letter, not \"%3\".")
                                .arg(option.names().front())
                                .arg(length)
                                .arg(arguments.parser.value(option)));
    };
    checkLength(pause, kPauseLength);
    checkLength(gameOver, kGameOverLength);
    const QString path = arguments.positional().front();

    const QByteArray image = readRomImage(path);
    const Dump dump = chooseDump(image, recognise(image, Crc::Skip), number);

    // As in the window: the dump chosen, the image opened (and recognised), the words read.
    Editor editor;
    CliPlatform platform;
    setUp(editor, kBytesOnly);
    aimAt(editor, dump, {});
    recogniseImage(editor, platform, path);
    editor.currentRom = path;
    editor.openedAs = {path, true};
    readWords(editor);

    const auto places = wordPlaces(*dump.variant, dump.header);
    const bool writing = arguments.parser.isSet(pause) || arguments.parser.isSet(gameOver);
    if (writing) {
        const auto type = [&](const QCommandLineOption& option, const WordPlace& word) {
            if (!arguments.parser.isSet(option))
                return;
            const QString text = arguments.parser.value(option);
            for (int place = 0; place < word.length; ++place)
                editor.form.setText(wordField(word.firstIndex + place), text.mid(place, 1));
        };
        type(pause, places[0]);
        type(gameOver, places[1]);
        // Declining to switch to another dump on opening is no refusal of the write.
        platform.forget();
        writeWords(editor, platform);
        if (!platform.declined.isEmpty())
            throw Error(vertiloom::tr("Not written: %1").arg(platform.declined.front()));
        readWords(editor);
    }
    printOut(shownWord(editor, places[0]) + shownWord(editor, places[1]));
    if (writing)
        printOut(vertiloom::tr("Written into %1; the image as it was is in %2.")
                     .arg(shownPath(path), shownPath(path + QStringLiteral(".bak")))
                 + u'\n');
    return kDone;
}

} // namespace vertiloom::cli
