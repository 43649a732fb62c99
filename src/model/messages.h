// The program's texts in the user's language. Every text is written in English and passed through
// tr() (in a window class, QObject::tr) before its placeholders are filled, so that the installed
// translation (translations/vertiloom_<code>.ts, compiled into the program) can give it in another
// language.
#pragma once

#include <QString>
#include <QTranslator>

namespace vertiloom {

// The translation context of every text outside the window classes.
inline constexpr const char* kMessageContext = "vertiloom";

// The message whose English text is `english`, in the language of the translators installed in
// the application (the English text itself when none has it). Call it with the whole sentence as
// a string literal, placeholders %1..%9 still open, and fill them afterwards with arg(): a
// translation may put them in another order. Inside a class that is no QObject, call it as
// vertiloom::tr, so that Qt Linguist's lupdate files it under this context and not the class's.
QString tr(const char* english);

// The languages the program speaks: the number the window keeps (1 Russian and 2 English, as the
// window has always numbered them), the code of --language and of the translation file, and the
// language's name in that language.
struct Language {
    int number;
    const char* code;
    const char* name;
};
inline constexpr Language kLanguages[] = {
    {1, "ru", "Русский"},
    {2, "en", "English"},
    {3, "de", "Deutsch"},
    {4, "es", "Español"},
    {5, "pt_BR", "Português (Brasil)"},
    {6, "fr", "Français"},
};
// The language of a code or a number; nothing for any other.
const Language* languageOfCode(const QString& code);
const Language* languageOfNumber(int number);

// Makes the program's texts and Qt's own speak the language of this code, application-wide,
// replacing the language installed before; English (the texts as written) installs nothing. Only
// that language's file is loaded. False when the program has no translation for the code.
bool installMessages(const QString& code);

// What a command that ran out of memory says: it changed nothing, as every command checks and reads
// before it writes.
QString outOfMemory();

} // namespace vertiloom
