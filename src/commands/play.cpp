// Play: the copy of the open image that the emulator is given, the emulator's command line, and the
// emulator found on the PATH; see play.h.
#include "commands/play.h"

#include "commands/commands.h"
#include "model/error.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/export.h"
#include "record/files.h"
#include "record/writes.h"
#include "rom/catalogue.h"
#include "rom/words.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace vertiloom {

QString Platform::startProgram(const QString&, const QStringList&, std::function<void()>)
{
    return vertiloom::tr("programs are started only from the editor's window");
}

QByteArray playedImage(const Editor& editor, QStringList* notes)
{
    const QString& path = editor.currentRom;
    if (path.isEmpty())
        throw Error(tr("No ROM image is open yet. Open a ROM image with \"Open file\" first, then play it."));
    QByteArray image = readWholeFile(path);
    if (!isRomImage(image.size()))
        throw Error(tr("The file last opened, \"%1\", is a letter file, not a ROM image (%2 bytes; a ROM image is "
                       "larger than 2,000,000 bytes). Open a ROM image with \"Open file\" first, then play it.")
                        .arg(shownPath(path), groupedNumber(image.size())));

    const QByteArray record = memoRecord(editor.form.text(FieldId::memo()));
    const qint64 offset = offsetFromAddr(editor.form.text(FieldId::addr()));
    checkRecordFits(record.size(), offset, image.size(), path);
    const RecordThere there = recordThere(image.mid(offset, kMaxRecordSize), offset);
    const QString at = IntToHexText(offset);
    if (notes && !there.unreadable.isEmpty()) {
        *notes << tr("No letter record can be read at offset %1 of %2 (%3): in the copy being played, the new "
                     "record is written over the %4 bytes there. %2 itself is unchanged.")
                      .arg(at, shownPath(path), there.unreadable, QString::number(record.size()));
    } else if (notes && record.size() > there.length) {
        const qsizetype over = record.size() - there.length;
        *notes << (over == 1
                       ? tr("The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the "
                            "copy being played, the 1 byte after the old record is overwritten. %2 itself is "
                            "unchanged.")
                             .arg(at, shownPath(path), QString::number(there.length), QString::number(record.size()))
                       : tr("The record at offset %1 of %2 is %3 bytes long; the new one is %4 bytes: in the "
                            "copy being played, the %5 bytes after the old record are overwritten. %2 itself "
                            "is unchanged.")
                             .arg(at, shownPath(path), QString::number(there.length), QString::number(record.size()),
                                  QString::number(over)));
    }

    const RomVariant& variant = selectedVariant(editor.form);
    checkWordsInside(path, image.size(), variant, editor.catalogueHeader);
    const std::array<QByteArray, 2> words = wordBytesToWrite(editor, variant);
    image.replace(offset, record.size(), record);
    const auto places = wordPlaces(variant, editor.catalogueHeader);
    for (size_t w = 0; w < places.size(); ++w)
        image.replace(places[w].offset, words[w].size(), words[w]);
    return image;
}

namespace {

// A path as one argument of a command line that splitCommandLine reads back as it is: in single
// quotes unless it is plain.
QString quotedArgument(const QString& path)
{
    const bool plain = !path.isEmpty() && std::all_of(path.cbegin(), path.cend(), [](QChar c) {
        return c.isLetterOrNumber() || QStringLiteral("/._-+,=:").contains(c);
    });
    if (plain)
        return path;
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// A SNES core of retroarch in libretroRoot/*/libretro/ (or libretroRoot/libretro/): snes9x's before
// bsnes's; empty when there is none.
QString snesCore(const QString& libretroRoot)
{
    QStringList folders{libretroRoot + QStringLiteral("/libretro")};
    for (const QString& arch : QDir(libretroRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << libretroRoot + QLatin1Char('/') + arch + QStringLiteral("/libretro");
    for (const char* pattern : {"snes9x*_libretro.so", "bsnes*_libretro.so"}) {
        for (const QString& folder : folders) {
            const QStringList cores = QDir(folder).entryList({QString::fromLatin1(pattern)}, QDir::Files, QDir::Name);
            if (!cores.isEmpty())
                return folder + QLatin1Char('/') + cores.front();
        }
    }
    return {};
}

} // namespace

EmulatorSearch findEmulator(const QString& libretroRoot, const QStringList& gameFolders)
{
    // The PATH first, by name; then the folders where Debian puts games (not on root's PATH), by path.
    QList<QStringList> passes{QStringList()};
    if (!gameFolders.isEmpty())
        passes << gameFolders;
    for (const QStringList& folders : std::as_const(passes)) {
        const auto found = [&folders](const char* name) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name), folders);
            return path.isEmpty() ? QString() : folders.isEmpty() ? QString::fromLatin1(name) : quotedArgument(path);
        };
        for (const char* name : {"mednafen", "snes9x", "bsnes"}) {
            if (const QString program = found(name); !program.isEmpty())
                return {program + QStringLiteral(" %f"), QString()};
        }
        if (const QString program = found("retroarch"); !program.isEmpty()) {
            const QString core = snesCore(libretroRoot);
            if (!core.isEmpty())
                return {QStringLiteral("%1 -L %2 %f").arg(program, quotedArgument(core)), QString()};
            return {QString(),
                    tr("retroarch is on the PATH, but no SNES core for it is in %1/*/libretro/: install the Debian "
                       "package libretro-bsnes-mercury-balanced (apt-get install libretro-bsnes-mercury-balanced) or "
                       "mednafen (apt-get install mednafen), or give the command line of yours.")
                        .arg(libretroRoot)};
        }
    }
    return {QString(), tr("No emulator found on the PATH: install the Debian package mednafen (apt-get install "
                          "mednafen), or give the command line of yours.")};
}

QStringList splitCommandLine(const QString& commandLine)
{
    QStringList words;
    QString word;
    bool inWord = false;
    QChar quote; // the quote that is open, if any
    for (qsizetype i = 0; i < commandLine.size(); ++i) {
        const QChar c = commandLine[i];
        if (quote == u'\'') {
            if (c == u'\'')
                quote = QChar();
            else
                word += c;
        } else if (quote == u'"') {
            // In double quotes a backslash keeps its meaning only before these.
            if (c == u'\\' && i + 1 < commandLine.size() && QStringLiteral("\"\\$`").contains(commandLine[i + 1]))
                word += commandLine[++i];
            else if (c == u'"')
                quote = QChar();
            else
                word += c;
        } else if (c.isSpace()) {
            if (inWord)
                words << std::exchange(word, QString());
            inWord = false;
        } else {
            inWord = true;
            if (c == u'\'' || c == u'"')
                quote = c;
            else if (c == u'\\' && i + 1 < commandLine.size())
                word += commandLine[++i];
            else
                word += c;
        }
    }
    if (!quote.isNull())
        throw Error(tr("The emulator's command line has a %1 that is not closed: %2").arg(quote, commandLine));
    if (inWord)
        words << word;
    return words;
}

ProgramCall emulatorCall(const QString& commandLine, const QString& file)
{
    QStringList arguments = splitCommandLine(commandLine);
    if (arguments.isEmpty())
        throw Error(tr("The emulator's command line is empty: give it in \"Emulator…\", with %f where the file to "
                       "play goes."));
    bool placed = false;
    for (QString& argument : arguments) {
        if (argument.contains(QLatin1String("%f"))) {
            argument.replace(QLatin1String("%f"), file);
            placed = true;
        }
    }
    const QString program = arguments.takeFirst();
    if (!placed)
        arguments << file;
    return {program, arguments};
}

namespace {

// 0 when the file at path is one the system starts, else the errno that exec would give.
int startable(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno;
    if (!S_ISREG(info.st_mode))
        return EACCES;
    return ::access(name.constData(), X_OK) == 0 ? 0 : errno;
}

QString cause(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

QString whyNotStartable(const QString& program)
{
    if (program.contains(QLatin1Char('/'))) {
        const int error = startable(program);
        return error == 0 ? QString() : cause(error);
    }
    // As the system's own search does: a file of that name that can't be started is "Permission
    // denied" when no later folder has one that can; none at all is "No such file or directory".
    int error = ENOENT;
    for (const QString& folder : qEnvironmentVariable("PATH").split(QLatin1Char(':'))) {
        const QString candidate = (folder.isEmpty() ? QStringLiteral(".") : folder) + QLatin1Char('/') + program;
        const int found = startable(candidate);
        if (found == 0)
            return {};
        if (found != ENOENT && found != ENOTDIR)
            error = found;
    }
    return cause(error);
}

namespace {

// The name of the copy: the image's, with its own ending when an emulator knows it as a ROM image's,
// else with .smc.
QString copyName(const QString& image)
{
    const QFileInfo info(image);
    static const QStringList endings = {QStringLiteral("smc"), QStringLiteral("sfc"), QStringLiteral("swc"),
                                        QStringLiteral("fig")};
    if (endings.contains(info.suffix(), Qt::CaseInsensitive))
        return info.fileName();
    return info.fileName() + QStringLiteral(".smc");
}

} // namespace

void play(const Editor& editor, Platform& platform, const QString& commandLine)
{
    // The copy's folder is made first, so that the emulator's command line is checked as it will run.
    auto folder = std::make_shared<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/vertiloom-play-XXXXXX"));
    if (!folder->isValid())
        throw Error(tr("Cannot make a folder for the copy to play in %1: %2.")
                        .arg(shownPath(QDir::tempPath()), folder->errorString()));
    const QString copy =
        folder->filePath(copyName(editor.currentRom.isEmpty() ? QStringLiteral("image") : editor.currentRom));
    const ProgramCall call = emulatorCall(commandLine, copy);
    if (const QString why = whyNotStartable(call.program); !why.isEmpty()) {
        if (call.program.contains(QLatin1Char('/')))
            throw Error(tr("Cannot start the emulator %1: %2. Its command line is set in \"Emulator…\".")
                            .arg(shownPath(call.program), why));
        throw Error(tr("Cannot start the emulator \"%1\" (looked for in the folders of the PATH): %2. Its command "
                       "line is set in \"Emulator…\".")
                        .arg(call.program, why));
    }

    QStringList notes;
    const QByteArray image = playedImage(editor, &notes);
    // The folder is the user's alone (0700); the copy too.
    saveWholeFile(copy, image, Links::Refuse);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    const QString failure = platform.startProgram(call.program, call.arguments, [folder] { folder->remove(); });
    if (!failure.isEmpty())
        throw Error(tr("Cannot start the emulator %1: %2. Its command line is set in \"Emulator…\".")
                        .arg(shownPath(call.program), failure));
    for (const QString& note : notes)
        platform.showWarning(note);
}

} // namespace vertiloom
