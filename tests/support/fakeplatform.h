// A scripted Platform for tests: answers dialogs and questions from queues and records every
// message, question and beep.
#pragma once

#include "commands/platform.h"

#include <QStringList>
#include <QList>

namespace vertiloom::test {

class FakePlatform : public Platform {
public:
    // Answers for the next dialogs, in order; a null QString() cancels, an empty but not null one
    // (QStringLiteral("")) is a dialog that gave no name. When a queue is empty the dialog is
    // cancelled.
    QStringList openAnswers;
    QStringList saveAnswers;
    QList<bool> confirmAnswers;       // empty: "No"
    QList<bool> discardAnswers;       // empty: "Cancel"
    QList<FontCharacter> fontAnswers; // empty: cancelled

    // What the commands asked and said.
    QStringList openFilters;
    QStringList saveFilters;
    QList<bool> saveConfirmOverwrite;
    QStringList saveStarts; // the file each save dialog started on
    QStringList questions;
    QList<Question> questionKinds; // beside questions
    QStringList discardQuestions;
    QStringList errors;
    QStringList warnings;
    int beeps = 0;
    QList<FontCharacterWords> fontQuestions;
    // The programs started, each with its arguments. Each one runs to its end before startProgram
    // returns (a scripted emulator), and then its finished is called.
    QList<QStringList> programs;

    std::optional<QString> openFileName(const QString& filter) override;
    std::optional<QString> saveFileName(const QString& filter, bool confirmOverwrite, const QString& startAt) override;
    bool confirm(const QString& question, Question about) override;
    bool confirmDiscard(const QString& question) override;
    void showError(const QString& message) override;
    void showWarning(const QString& message) override { warnings << message; }
    void beep() override { ++beeps; }
    std::optional<FontCharacter> chooseFontCharacter(const FontCharacterWords& words) override;
    QString startProgram(const QString& program, const QStringList& arguments, std::function<void()> finished) override;
};

} // namespace vertiloom::test
