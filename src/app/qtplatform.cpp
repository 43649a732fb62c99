// The Qt desktop services; see qtplatform.h.
#include "app/qtplatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace vertiloom {

namespace {

const char* const kTitle = "Tessarine Vertiloom";

} // namespace

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters.join(QStringLiteral(";;"));
}

QWidget* QtPlatform::dialogParent() { return QApplication::activeWindow(); }

namespace {

// The dialogs give an empty name when they are cancelled, and no name otherwise.
std::optional<QString> chosen(const QString& name)
{
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

} // namespace

std::optional<QString> QtPlatform::openFileName(const QString& filter)
{
    return chosen(QFileDialog::getOpenFileName(dialogParent(), QString(), QString(), qtFileFilter(filter)));
}

std::optional<QString> QtPlatform::saveFileName(const QString& filter, bool confirmOverwrite, const QString& startAt)
{
    const QFileDialog::Options options = confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return chosen(
        QFileDialog::getSaveFileName(dialogParent(), QString(), startAt, qtFileFilter(filter), nullptr, options));
}

bool QtPlatform::confirm(const QString& question, Question)
{
    return QMessageBox::question(dialogParent(), QString::fromLatin1(kTitle), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

bool QtPlatform::confirmDiscard(const QString& question)
{
    return QMessageBox::question(dialogParent(), QString::fromLatin1(kTitle), question,
                                 QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Discard;
}

void QtPlatform::showError(const QString& message)
{
    QMessageBox::critical(dialogParent(), QString::fromLatin1(kTitle), message);
}

void QtPlatform::showWarning(const QString& message)
{
    QMessageBox::warning(dialogParent(), QString::fromLatin1(kTitle), message);
}

void QtPlatform::beep() { QApplication::beep(); }

} // namespace vertiloom
