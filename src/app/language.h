// The language the editor speaks (a number of kLanguages, model/messages.h: 1 Russian, 2 English,
// and the others): which one to start with (the command line, else the setting saved by the last run,
// else Russian), remembering a choice, and the program's and Qt's own texts in that language.
#pragma once

#include <QString>
#include <optional>

namespace vertiloom {

inline constexpr int kRussian = 1;
inline constexpr int kEnglish = 2;

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
