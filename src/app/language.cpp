// Choosing, remembering and installing the language; see language.h.
#include "app/language.h"

#include "model/messages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace vertiloom {

namespace {

const char* const kLanguageKey = "language";

QSettings settings() { return QSettings(QStringLiteral("Tessarine"), QStringLiteral("Vertiloom")); }

} // namespace

std::optional<int> languageFromCode(const QString& code)
{
    if (code == QLatin1String("ru"))
        return kRussian;
    if (code == QLatin1String("en"))
        return kEnglish;
    return std::nullopt;
}

int startLanguage(std::optional<int> commandLine)
{
    if (commandLine)
        return *commandLine;
    const int saved = settings().value(QLatin1String(kLanguageKey), kRussian).toInt();
    return saved == kEnglish ? kEnglish : kRussian;
}

void saveLanguage(int language) { settings().setValue(QLatin1String(kLanguageKey), language); }

void installTranslations(int language)
{
    // Every widget there is hears of a new translator (a language change event that goes down the
    // whole tree), so a language already installed is left as it is.
    static int installed = 0;
    if (installed == language)
        return;
    installed = language;
    // Qt's texts come in English; Russian ones are Debian's translations of Qt.
    static std::unique_ptr<QTranslator> qt;
    if (qt) {
        QCoreApplication::removeTranslator(qt.get());
        qt.reset();
    }
    // The editor's own messages: written in English, translated while Russian is chosen.
    QCoreApplication::removeTranslator(russianMessages());
    if (language == kRussian)
        QCoreApplication::installTranslator(russianMessages());
    if (language == kRussian) {
        qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt.get());
        else
            qt.reset();
    }
}

} // namespace vertiloom
