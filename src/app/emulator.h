// The emulator that Play (F9) opens the copy in: its command line, kept in the settings, and the
// "Emulator…" dialog that sets it.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace vertiloom {

// The command line kept by the last "Emulator…" (or the one found on the PATH the first time);
// empty when there is none yet.
QString savedEmulator();
void saveEmulator(const QString& commandLine);

// The "Emulator…" dialog in the language installed: a line edit with the command line ("%f" for the
// file), and note under it when there is one (why no emulator was found). The command line
// accepted, trimmed; nothing when cancelled.
std::optional<QString> askEmulator(QWidget* parent, const QString& commandLine, const QString& note);

} // namespace vertiloom
