// The Qt desktop services; see qtplatform.h.
#include "app/qtplatform.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QStringList>
#include <utility>

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

std::optional<FontCharacter> QtPlatform::chooseFontCharacter(const FontCharacterWords& words)
{
    // The last choice is offered again: the letters of one alphabet are taken one after another.
    static FontCharacter last{QStringLiteral("DejaVu Sans:Bold"), QString()};
    QDialog dialog(dialogParent());
    dialog.setObjectName(QStringLiteral("FontCharacterDialog"));
    dialog.setWindowTitle(words.title);
    auto* family = new QFontComboBox(&dialog);
    family->setObjectName(QStringLiteral("FontFamily"));
    family->setFontFilters(QFontComboBox::ScalableFonts);
    auto* style = new QComboBox(&dialog);
    style->setObjectName(QStringLiteral("FontStyle"));
    auto* character = new QLineEdit(last.character, &dialog);
    character->setObjectName(QStringLiteral("FontCharacter"));
    character->setMaxLength(2); // one character, or the two halves of one beyond the 16-bit range
    QFont big = character->font();
    big.setPointSize(big.pointSize() * 2);
    character->setFont(big);
    character->setMaximumWidth(character->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto* form = new QFormLayout(&dialog);
    form->addRow(words.font, family);
    form->addRow(words.style, style);
    form->addRow(words.character, character);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    const QString lastStyle = last.font.section(QLatin1Char(':'), 1);
    const auto showStyles = [style](const QString& name, const QString& wanted) {
        style->clear();
        style->addItems(QFontDatabase::styles(name));
        const int at = style->findText(wanted);
        style->setCurrentIndex(at >= 0 ? at : 0);
    };
    QObject::connect(family, &QFontComboBox::currentFontChanged, &dialog,
                     [&](const QFont& font) { showStyles(font.family(), style->currentText()); });
    family->setCurrentFont(QFont(last.font.section(QLatin1Char(':'), 0, 0)));
    showStyles(family->currentFont().family(), lastStyle);
    const auto ready = [&] { buttons->button(QDialogButtonBox::Ok)->setEnabled(!character->text().isEmpty()); };
    QObject::connect(character, &QLineEdit::textChanged, &dialog, ready);
    ready();
    character->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString name = family->currentFont().family();
    last = {style->currentText().isEmpty() ? name : QStringLiteral("%1:%2").arg(name, style->currentText()),
            character->text()};
    return last;
}

QString QtPlatform::startProgram(const QString& program, const QStringList& arguments, std::function<void()> finished)
{
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted()) {
        const QString why = process->errorString();
        delete process;
        return why;
    }
    programs_ << process;
    // The connection holds finished: it goes with the process.
    QObject::connect(process, &QProcess::finished, process, [this, process, finished = std::move(finished)] {
        programs_.removeOne(process);
        process->deleteLater();
        finished();
    });
    return {};
}

QtPlatform::~QtPlatform()
{
    // An emulator started from the editor ends with it: asked first (it may keep its saves), then
    // made to.
    constexpr int kGraceMs = 3000;
    for (QProcess* process : std::exchange(programs_, {})) {
        // Its finished is let go with it, not called.
        process->blockSignals(true);
        process->terminate();
        if (!process->waitForFinished(kGraceMs)) {
            process->kill();
            process->waitForFinished();
        }
        delete process;
    }
}

} // namespace vertiloom
