// The language the editor speaks (a number of kLanguages, model/messages.h: 1 Russian, 2 English,
// and the others): which one to start with (the command line, else the setting saved by the last run,
// else Russian), remembering a choice, and the program's and Qt's own texts in that language.
#pragma once

#include "model/messages.h"

#include <QString>
#include <optional>
#include <string_view>

namespace vertiloom {

// The number of the language of this code in kLanguages; 0 for none.
constexpr int languageNumber(std::string_view code)
{
    for (const Language& language : kLanguages)
        if (code == language.code)
            return language.number;
    return 0;
}

// The two languages of the main window's caption table, and Russian the one the editor starts in
// when nothing chose another.
inline constexpr int kRussian = languageNumber("ru");
inline constexpr int kEnglish = languageNumber("en");

// A language code (ru, en, de, es, pt_BR, fr) as a language number; nothing for any other text.
std::optional<int> languageFromCode(const QString& code);

// The language to start with: the command line's choice when there is one, else the saved setting,
// else Russian.
int startLanguage(std::optional<int> commandLine);

// Keeps the choice for the next run.
void saveLanguage(int language);

// Makes Qt's own texts and the editor's messages speak the language, application-wide. Called
// before the window is made, it costs the window nothing: once widgets exist, each one is told.
void installTranslations(int language);

} // namespace vertiloom
