// Platform: what a command asks of the desktop (file dialogs, confirmations, messages, the beep,
// another program started).
// The window implements it with Qt widgets; tests use a scripted fake.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vertiloom {

// What a yes/no question is about. A platform that answers without a person (the command line, a
// test) answers by this, never by the question's words, which follow the user's language.
enum class Question {
    LoadOtherKind,     // reload: the file crossed the size that tells a ROM image from a letter file
    ReplaceLetterFile, // "Export letter to file" (or to SVG) over an existing file that is no ROM image
    ReplaceRomImage,   // "Export letter to file" (or to SVG) over a ROM image
    LongerRecord,      // "Export letter to Rom": the new record is longer than the one there
    NoRecordThere,     // "Export letter to Rom": no letter record can be read at Addr
    SwitchDump,        // opening an image that looks like another dump than the one selected
    UnknownImage,      // the first write into an image of none of the known dumps
};

// A character of a font, as the user chose it: font is "FAMILY:STYLE" (or "FAMILY"), character
// what was typed (one character when the user did as asked).
struct FontCharacter {
    QString font;
    QString character;
};
// The words of the dialog that asks for them, in the user's language: its title and its three labels.
struct FontCharacterWords {
    QString title;
    QString font;
    QString style;
    QString character;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Filters are written as "Name|pattern|Name|pattern". Nothing means the user cancelled; a name,
    // even an empty one, is what was given (and an empty one is refused as no file's name).
    virtual std::optional<QString> openFileName(const QString& filter) = 0;
    // The platform asks before a chosen existing file is overwritten when confirmOverwrite is set.
    // The dialog starts on the file startAt (its folder shown, its name given, so that accepting at
    // once chooses it), or where the platform likes when startAt is empty.
    virtual std::optional<QString> saveFileName(const QString& filter, bool confirmOverwrite,
                                                const QString& startAt) = 0;
    // A yes/no question; true for yes.
    virtual bool confirm(const QString& question, Question about) = 0;
    // The question before changes are thrown away, with the answers Discard and Cancel (the
    // default); true for Discard.
    virtual bool confirmDiscard(const QString& question) = 0;
    virtual void showError(const QString& message) = 0;
    // A warning that stops nothing: the user reads it and goes on.
    virtual void showWarning(const QString& message) = 0;
    virtual void beep() = 0;
    // "Letter from font…": an installed font, its style and a character; nothing means the user
    // cancelled. A platform with no person to ask (the command line) cancels.
    virtual std::optional<FontCharacter> chooseFontCharacter(const FontCharacterWords&) { return std::nullopt; }

    // Starts a program with these arguments (Play's emulator) without waiting for it: the system's
    // cause when it could not be started, else an empty text. finished is called once the program has
    // ended; the platform keeps finished, and what it holds, until then, and lets it go unanswered when
    // the platform goes first (the window's ends the program then). A platform without a desktop
    // starts nothing and says so.
    virtual QString startProgram(const QString& program, const QStringList& arguments, std::function<void()> finished);
};

} // namespace vertiloom
