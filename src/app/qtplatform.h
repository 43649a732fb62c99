// The desktop services of the editor with Qt widgets: file dialogs, questions, error messages and
// the beep.
#pragma once

#include "commands/platform.h"

class QWidget;

namespace vertiloom {

// "Name|pattern|Name|pattern" as a Qt dialog filter: "Name (pattern);;Name (pattern)".
QString qtFileFilter(const QString& filter);

class QtPlatform : public Platform {
public:
    std::optional<QString> openFileName(const QString& filter) override;
    std::optional<QString> saveFileName(const QString& filter, bool confirmOverwrite, const QString& startAt) override;
    bool confirm(const QString& question, Question about) override;
    bool confirmDiscard(const QString& question) override;
    void showError(const QString& message) override;
    void showWarning(const QString& message) override;
    void beep() override;
    std::optional<FontCharacter> chooseFontCharacter(const FontCharacterWords& words) override;

private:
    static QWidget* dialogParent();
};

} // namespace vertiloom
