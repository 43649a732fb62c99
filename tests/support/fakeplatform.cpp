// The scripted Platform of the tests; see fakeplatform.h.
#include "support/fakeplatform.h"

namespace vertiloom::test {

QString FakePlatform::openFileName(const QString& filter)
{
    openFilters << filter;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString FakePlatform::saveFileName(const QString& filter, bool confirmOverwrite)
{
    saveFilters << filter;
    saveConfirmOverwrite << confirmOverwrite;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
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

void FakePlatform::showError(const QString& message) { errors << message; }

} // namespace vertiloom::test
