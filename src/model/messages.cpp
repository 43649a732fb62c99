// The program's texts in the user's language: the translations compiled from translations/*.ts, and
// the languages there are; see messages.h.
#include "model/messages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <memory>

namespace vertiloom {

QString tr(const char* english) { return QCoreApplication::translate(kMessageContext, english); }

QString outOfMemory() { return tr("There is not enough memory for this: nothing was written."); }

const Language* languageOfCode(const QString& code)
{
    for (const Language& language : kLanguages)
        if (code == QLatin1String(language.code))
            return &language;
    return nullptr;
}

const Language* languageOfNumber(int number)
{
    for (const Language& language : kLanguages)
        if (language.number == number)
            return &language;
    return nullptr;
}

bool installMessages(const QString& code)
{
    // The program's own texts, and Qt's (its dialogs' buttons, the file dialog) from Debian's
    // translations of Qt, where there are some for the language.
    static std::unique_ptr<QTranslator> own;
    static std::unique_ptr<QTranslator> qt;
    for (std::unique_ptr<QTranslator>* translator : {&own, &qt}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    if (code == QLatin1String("en"))
        return true;
    own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/vertiloom_%1.qm").arg(code))) {
        own.reset();
        return false;
    }
    QCoreApplication::installTranslator(own.get());
    qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    else
        qt.reset();
    return true;
}

} // namespace vertiloom
