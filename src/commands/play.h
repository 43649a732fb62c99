// Play: a copy of the open ROM image with the letter and the words as the fields hold them, written to
// a temporary file and opened in the user's emulator; the emulator's command line, and the emulator
// found on the PATH the first time one is needed.
#pragma once

#include "commands/editor.h"
#include "commands/platform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vertiloom {

// The bytes of the copy that Play opens: the current ROM image with the memo's record at Addr, as
// "Export letter to Rom" would write it (checkRecordFits), and the two words as writeWords would write
// them (wordBytesToWrite). The user's file is only read. Throws Error when no ROM image is open, the
// file opened is a letter file, or the record, Addr or a letter of the words is refused. What the
// export would have asked about first (a record longer than the one at Addr, or none that can be read
// there) is not asked: the copy is only played, and notes gets a sentence saying what the copy has.
QByteArray playedImage(const Editor& editor, QStringList* notes);

// The emulator found on the PATH: the first of mednafen, snes9x, bsnes and retroarch, as a command
// line ("mednafen %f"); retroarch with a SNES core of its own (a snes9x or bsnes libretro core under
// libretroRoot/*/libretro/, given with -L). When none is on the PATH, the same in gameFolders, where
// Debian installs them (not on root's PATH), by their path ("/usr/games/mednafen %f"). When none is
// there either, or retroarch has no SNES core, failure says which Debian package to install, and
// commandLine is empty.
struct EmulatorSearch {
    QString commandLine;
    QString failure;
};
EmulatorSearch findEmulator(const QString& libretroRoot = QStringLiteral("/usr/lib"),
                            const QStringList& gameFolders = {QStringLiteral("/usr/games"),
                                                              QStringLiteral("/usr/local/games")});

// A command line split into words as a shell splits it: blanks between words, '...' taken as it
// stands, "..." with \", \\, \$ and \` for those characters, a backslash outside quotes keeping the
// character after it; no variables, no patterns. Throws Error when a quote is not closed.
QStringList splitCommandLine(const QString& commandLine);

// The emulator's command line for the file to play: split (splitCommandLine), each "%f" replaced by
// file, or file added at the end when no argument holds "%f". Throws Error when the command line is
// empty.
struct ProgramCall {
    QString program;
    QStringList arguments;
};
ProgramCall emulatorCall(const QString& commandLine, const QString& file);

// Why the system would not start program (a path, or a name looked for in the folders of the PATH),
// in the system's words ("No such file or directory", "Permission denied"); empty when it would.
QString whyNotStartable(const QString& program);

// Play (F9): the copy (playedImage) written as a private file in a folder of its own in the temporary
// folder, under the image's name (with .smc unless it ends in another ROM image ending), and opened
// with the emulator's command line through the platform. The copy and its folder are removed when the
// emulator ends, or when the platform goes first. Throws Error, and nothing is started, when the
// copy can't be made or the emulator can't be started (the system's cause). After the start, the
// notes are shown as warnings.
void play(const Editor& editor, Platform& platform, const QString& commandLine);

} // namespace vertiloom
