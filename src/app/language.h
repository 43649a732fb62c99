// The language the editor speaks (1 Russian, 2 English): which one to start with (the command line,
// else the setting saved by the last run, else Russian), remembering a choice, and Qt's own texts
// (dialog and message box buttons, the file dialog) in that language.
#pragma once

#include <QString>
#include <optional>

namespace vertiloom {

inline constexpr int kRussian = 1;
inline constexpr int kEnglish = 2;

// "ru" or "en" as a language number; nothing for any other text.
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
