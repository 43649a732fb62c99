// The editor's messages in the user's language. Every error and question of the core is written in
// English and passed through tr() before its placeholders are filled, so that an installed
// translator can give it in another language; RussianMessages is the translator for language 1.
#pragma once

#include <QString>
#include <QTranslator>

namespace vertiloom {

// The translation context of every message of the core.
inline constexpr const char* kMessageContext = "vertiloom";

// The message whose English text is `english`, in the language of the translators installed in
// the application (the English text itself when none has it). Call it with the whole sentence as
// a string literal, placeholders %1..%9 still open, and fill them afterwards with arg(): a
// translation may put them in another order.
QString tr(const char* english);

// The Russian texts of the core's messages. The window installs it (QCoreApplication::
// installTranslator) while language 1 is chosen and removes it for language 2.
class RussianMessages : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override;

    // The number of messages the table translates.
    static int size();
};

// What a command that ran out of memory says: it changed nothing, as every command checks and reads
// before it writes.
QString outOfMemory();

// The one RussianMessages of the application, for installTranslator and removeTranslator.
QTranslator* russianMessages();

} // namespace vertiloom
