// Choosing, remembering and installing the language; see language.h.
#include "app/language.h"

#include "model/messages.h"

#include <QCoreApplication>
#include <QSettings>

namespace vertiloom {

namespace {

const char* const kLanguageKey = "language";

QSettings settings() { return QSettings(QStringLiteral("Tessarine"), QStringLiteral("Vertiloom")); }

} // namespace

std::optional<int> languageFromCode(const QString& code)
{
    if (const Language* language = languageOfCode(code))
        return language->number;
    return std::nullopt;
}

int startLanguage(std::optional<int> commandLine)
{
    if (commandLine)
        return *commandLine;
    const int saved = settings().value(QLatin1String(kLanguageKey), kRussian).toInt();
    return languageOfNumber(saved) ? saved : kRussian;
}

void saveLanguage(int language) { settings().setValue(QLatin1String(kLanguageKey), language); }

void installTranslations(int language)
{
    // Every widget there is hears of a new translator (a language change event that goes down the
    // whole tree), so a language already installed is left as it is.
    static int installed = kEnglish;
    if (installed == language)
        return;
    installed = language;
    installMessages(QLatin1String(languageOfNumber(language)->code));
}

} // namespace vertiloom
