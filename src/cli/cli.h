// vertiloom-cli: the sub-commands and what they share. Each sub-command parses its own arguments
// and drives the core's commands through a Platform that asks nobody: the window's checks and
// messages, answered from the command line.
#pragma once

#include "commands/editor.h"
#include "commands/platform.h"
#include "fit/fit.h"
#include "model/messages.h"
#include "rom/recognition.h"

#include <QCommandLineParser>
#include <QImage>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vertiloom {
struct RomVariant;
}

namespace vertiloom::cli {

// Exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;     // refused or failed: the message is on stderr, nothing written
inline constexpr int kWrongUsage = 2; // the message and the sub-command's usage are on stderr

// The sub-commands. args[0] is the sub-command's name; the result is the exit status. A refusal or
// failure throws Error, wrong usage throws UsageError.
int info(const QStringList& args);
int list(const QStringList& args);
int render(const QStringList& args);
int extract(const QStringList& args);
int import(const QStringList& args);
int words(const QStringList& args);
int ips(const QStringList& args);
int checksum(const QStringList& args);
int patch(const QStringList& args);
int fit(const QStringList& args);

struct UsageError {
    QString message;
    QString usage; // the sub-command's help text, or empty
};

void printOut(const QString& text);
void printErr(const QString& text);
// "vertiloom-cli: warning: MESSAGE" on stderr.
void printWarning(const QString& message);

// The code of the language the messages are given in, as gettext's tools choose it: the first of
// LANGUAGE (a list parted by colons), LC_ALL, LC_MESSAGES and LANG that names a language the program
// speaks ("ru_RU.UTF-8" names ru, "pt_BR" pt_BR, a plain "pt" none), where "C" and "POSIX" name
// English; English when none does.
QString environmentLanguage();

// One sub-command's parser: --help, its options and positional arguments, the usage named
// "vertiloom-cli COMMAND".
class Arguments {
public:
    Arguments(const QString& command, const QString& description);

    QCommandLineParser parser;

    void addPositional(const QString& name, const QString& description);
    void addOption(const QCommandLineOption& option);
    // Parses; false when --help was asked for and the help text is printed. Throws UsageError on an
    // unknown option, a missing value, an empty positional argument (it names no file), or
    // positional arguments outside [least, most].
    bool parse(const QStringList& args, int least, int most);
    QStringList positional() const { return parser.positionalArguments(); }
    QString usage() const;
    [[noreturn]] void wrong(const QString& message) const;

    // An option's value as a whole number in [low, high]; fallback when the option is not given.
    int number(const QCommandLineOption& option, int low, int high, int fallback) const;
    // An option's value that names a file: an empty one is wrong usage.
    QString fileName(const QCommandLineOption& option) const;

private:
    QString command_;
};

// --json, and the object printed as indented JSON, every character that unshowable() names escaped
// as \uNNNN inside its strings (Qt's writer leaves DEL, the C1 controls and the invisible ones raw).
QCommandLineOption jsonOption();
void printJson(const QJsonObject& object);

// A character that a terminal would act on, or that shows nothing: a control character (C0, DEL,
// C1), a format character (the direction marks among them) or a line or paragraph separator. Text
// read from a file is printed with these escaped, so that it can neither move the cursor, clear the
// screen, retitle the window nor hide what it says.
bool unshowable(char32_t c);

// The platform of a run without a window: save dialogs answer one preset path, questions are
// answered by a rule (no when there is none) and remembered, warnings go to stderr once a run.
class CliPlatform : public Platform {
public:
    QString savePath;
    std::function<bool(Question about)> answer;
    QStringList declined;          // the questions answered no, Discard's among them
    QList<Question> declinedKinds; // what the yes/no questions among them were about
    void forget()
    {
        declined.clear();
        declinedKinds.clear();
    }

    std::optional<QString> openFileName(const QString& filter) override;
    std::optional<QString> saveFileName(const QString& filter, bool confirmOverwrite, const QString& startAt) override;
    bool confirm(const QString& question, Question about) override;
    bool confirmDiscard(const QString& question) override;
    void showError(const QString& message) override;
    void showWarning(const QString& message) override;
    void beep() override {}
};

// The whole ROM image at path; a letter file is refused by name, the message ending with after.
QByteArray readRomImage(const QString& path, const QString& after = QString());

// A dump and the header it is read with: the dump the user named (1..5 in the ROM panel's order),
// or the best fitting one, or the first.
struct Dump {
    int number = 1;
    const RomVariant* variant = nullptr;
    qint64 header = 0;
    bool fits = false;
};
int dumpNumber(const RomVariant& variant);
// number 0: the first fitting dump of the recognition, else dump 1 without a header. A named dump
// is read with the image's copier header when it fits so, else without one when it fits so.
Dump chooseDump(const QByteArray& image, const Recognition& recognition, int number);
QCommandLineOption dumpOption();

// --letter LABEL and --offset HEX: a catalogue position or a file offset; neither: nothing.
struct LetterChoice {
    int position = 0;
    std::optional<qint64> offset;
    bool given() const { return position != 0 || offset.has_value(); }
};
QCommandLineOption letterOption();
QCommandLineOption offsetOption();
LetterChoice letterChoice(const Arguments& arguments);

// The file offset of the chosen letter in the dump (position 1 when nothing was chosen).
qint64 letterOffset(const LetterChoice& choice, const Dump& dump);

// Sets the editor up as the window stands after start-up with the dump selected in the ROM panel
// (its header added to the catalogue's offsets) and stepped to the letter or with the offset typed
// into Addr. With noNumbers / noAxes the overlay switches are clicked off as in the window.
struct View {
    bool numbers = true;
    bool axes = true;
};
// The view of the sub-commands that only read and write bytes: what they load is never drawn, so
// the point numbers (the one thing that needs Qt's fonts and a GUI application) are left off.
inline constexpr View kBytesOnly{false, true};
void setUp(Editor& editor, const View& view);
void aimAt(Editor& editor, const Dump& dump, const LetterChoice& choice);

// The editor's letter loaded from path as a dropped file would be: throws Error when it can't be.
void load(Editor& editor, CliPlatform& platform, const QString& path);

// The glyph of a catalogue label ("!!" of "!! (82) 117") made safe for a file name: letters,
// digits and '-' stay, any other character becomes "x" and its two hex digits ("x21x21").
QString fileNameGlyph(const QString& label);
// "P_476E2.bin".
QString letterFileName(int position, qint64 offset);

// The picture as PNG bytes; savePng writes them through the core's whole-file save.
QByteArray pngBytes(const QImage& image);
void savePng(const QImage& image, const QString& path);
// The picture with every pixel enlarged to scale x scale.
QImage enlarged(const QImage& image, int scale);

// One letter of a sheet: its picture (the preview's 255 x 255, enlarged by the sheet's scale; a null
// one is drawn black) and the lines of its caption, in red when it stands for a failure.
struct SheetCell {
    QImage picture;
    QStringList caption;
    bool failed = false;
};
// The letters on a dark ground, six across, each with its caption under it (as many lines under
// every letter as the longest caption has).
QImage contactSheet(const QList<SheetCell>& cells, int scale);

// The options of the fit, shared by fit and import: --font, --style and --box, read as the fit
// takes them (wrong usage when they can't be).
QCommandLineOption fontOption();
QCommandLineOption styleOption();
QCommandLineOption boxOption();
FitStyle fitStyle(const Arguments& arguments);
std::optional<FitBox> fitBox(const Arguments& arguments);

} // namespace vertiloom::cli
