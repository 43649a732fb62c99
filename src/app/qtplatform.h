// The desktop services of the editor with Qt widgets: file dialogs, questions, error messages, the
// beep, and the emulator that Play starts.
#pragma once

#include "commands/platform.h"

#include <QList>

class QProcess;
class QWidget;

namespace vertiloom {

// "Name|pattern|Name|pattern" as a Qt dialog filter: "Name (pattern);;Name (pattern)".
QString qtFileFilter(const QString& filter);

class QtPlatform : public Platform {
public:
    QtPlatform() = default;
    // The programs still running are asked to end (and ended after a while), their finished let go.
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    std::optional<QString> openFileName(const QString& filter) override;
    std::optional<QString> saveFileName(const QString& filter, bool confirmOverwrite, const QString& startAt) override;
    bool confirm(const QString& question, Question about) override;
    bool confirmDiscard(const QString& question) override;
    void showError(const QString& message) override;
    void showWarning(const QString& message) override;
    void beep() override;
    std::optional<FontCharacter> chooseFontCharacter(const FontCharacterWords& words) override;
    // The program's output goes where the editor's goes; it reads nothing.
    QString startProgram(const QString& program, const QStringList& arguments, std::function<void()> finished) override;

private:
    static QWidget* dialogParent();
    QList<QProcess*> programs_;
};

} // namespace vertiloom
