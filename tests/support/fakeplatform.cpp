// The scripted Platform of the tests; see fakeplatform.h.
#include "support/fakeplatform.h"

#include <QProcess>

namespace vertiloom::test {

namespace {

std::optional<QString> answer(QStringList& answers)
{
    const QString name = answers.isEmpty() ? QString() : answers.takeFirst();
    return name.isNull() ? std::nullopt : std::optional<QString>(name);
}

} // namespace

std::optional<QString> FakePlatform::openFileName(const QString& filter)
{
    openFilters << filter;
    return answer(openAnswers);
}

std::optional<QString> FakePlatform::saveFileName(const QString& filter, bool confirmOverwrite, const QString& startAt)
{
    saveFilters << filter;
    saveConfirmOverwrite << confirmOverwrite;
    saveStarts << startAt;
    return answer(saveAnswers);
}

bool FakePlatform::confirmDiscard(const QString& question)
{
    discardQuestions << question;
    return discardAnswers.isEmpty() ? false : discardAnswers.takeFirst();
}

bool FakePlatform::confirm(const QString& question, Question about)
{
    questions << question;
    questionKinds << about;
    return confirmAnswers.isEmpty() ? false : confirmAnswers.takeFirst();
}

std::optional<FontCharacter> FakePlatform::chooseFontCharacter(const FontCharacterWords& words)
{
    fontQuestions << words;
    return fontAnswers.isEmpty() ? std::nullopt : std::optional(fontAnswers.takeFirst());
}

void FakePlatform::showError(const QString& message) { errors << message; }

QString FakePlatform::startProgram(const QString& program, const QStringList& arguments, std::function<void()> finished)
{
    programs << (QStringList{program} + arguments);
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return process.errorString();
    process.waitForFinished();
    finished();
    return {};
}

} // namespace vertiloom::test
