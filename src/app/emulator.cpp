// The emulator's command line in the settings and its dialog; see emulator.h.
#include "app/emulator.h"

#include "model/messages.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QVBoxLayout>

namespace vertiloom {

namespace {

const char* const kEmulatorKey = "emulator";

QSettings settings() { return QSettings(QStringLiteral("Tessarine"), QStringLiteral("Vertiloom")); }

} // namespace

QString savedEmulator() { return settings().value(QLatin1String(kEmulatorKey)).toString(); }

void saveEmulator(const QString& commandLine) { settings().setValue(QLatin1String(kEmulatorKey), commandLine); }

std::optional<QString> askEmulator(QWidget* parent, const QString& commandLine, const QString& note)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("EmulatorDialog"));
    dialog.setWindowTitle(vertiloom::tr("Emulator"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* about = new QLabel(vertiloom::tr("The command line that starts your emulator. %f stands for the file to "
                                           "play: a copy of the open ROM image with the letter and the words as the "
                                           "fields hold them. Quotes ' and \" group words as in a shell. Left empty, "
                                           "the first of mednafen, snes9x, bsnes and retroarch on the PATH is used."),
                             &dialog);
    about->setWordWrap(true);
    layout->addWidget(about);
    auto* edit = new QLineEdit(commandLine, &dialog);
    edit->setObjectName(QStringLiteral("EmulatorCommandLine"));
    edit->setMinimumWidth(480);
    layout->addWidget(edit);
    auto* why = new QLabel(note, &dialog);
    why->setObjectName(QStringLiteral("EmulatorNote"));
    why->setWordWrap(true);
    why->setTextInteractionFlags(Qt::TextSelectableByMouse);
    why->setVisible(!note.isEmpty());
    layout->addWidget(why);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text().trimmed();
}

} // namespace vertiloom
