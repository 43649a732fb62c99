// Fuzz target: the paths that read and patch files. Each input places a record (its own bytes) in a
// synthetic ROM image or a letter file, opens it, runs START!, exports a record into the file at
// Addr, and reads and writes the PAUSE and GAME OVER words, checking after each step what may have
// changed in the file. Refusals (vertiloom::Error) are fine; a broken promise aborts.
//
// Input: [flags] [more flags] [where 1] [where 2] [record length n] [n record bytes] [rest]
//   flags      bits 0-2 variant (mod 5); bit 3 answer to the overwrite question; bit 4 export the
//              rest's bytes (else the memo START! compiled); bit 5 convert the memo to tags first;
//              bit 6 open a letter file holding the record (else the ROM image); bit 7 overlays on
//   more flags bits 0-1 where: catalogue letter, word, near the end, anywhere; bit 2 Addr typed
//              with leading zeros in lower case; bit 3 Addr past the end; bit 4 cancel the save
//              dialog; bit 5 write the words; bit 6 no export
//   rest       the exported bytes; its last 13 bytes also edit the word fields after the read
//
// The image (2 MiB, every byte a function of its offset, the sample letters and words at their
// places) is written once to a folder of this run (in /dev/shm when there is one) and mapped; each
// input patches it and puts the patched and written bytes back afterwards, so no input pays for
// rewriting 2 MiB and every input starts from the same image.
#include "commands/commands.h"
#include "commands/editor.h"
#include "commands/platform.h"
#include "model/error.h"
#include "record/record.h"
#include "rom/catalogue.h"
#include "rom/sample.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using vertiloom::Editor;
using vertiloom::Error;
using vertiloom::FieldId;

constexpr qint64 kImageSize = 2'097'152;
constexpr int kWordBytes = 13;

[[noreturn]] void broken(const char* what, qint64 offset = -1)
{
    if (offset >= 0)
        std::fprintf(stderr, "file_paths: %s (offset 0x%llX)\n", what, static_cast<long long>(offset));
    else
        std::fprintf(stderr, "file_paths: %s\n", what);
    std::abort();
}

// The scripted desktop: one answer per dialog, questions counted.
class ScriptedPlatform : public vertiloom::Platform {
public:
    std::optional<QString> openAnswer;
    std::optional<QString> saveAnswer;
    bool yes = false;
    int questions = 0;
    int beeps = 0;

    std::optional<QString> openFileName(const QString&) override { return openAnswer; }
    std::optional<QString> saveFileName(const QString&, bool, const QString&) override { return saveAnswer; }
    bool confirm(const QString&, vertiloom::Question about) override
    {
        // What recognising the image asks is not what is fuzzed here: the dump stays as selected
        // (so Addr stays where the input put it), and writing into an image of no known dump is
        // agreed to at once.
        if (about == vertiloom::Question::SwitchDump)
            return false;
        if (about == vertiloom::Question::UnknownImage)
            return true;
        ++questions;
        return yes;
    }
    bool confirmDiscard(const QString&) override { return true; }
    void showError(const QString&) override {}
    void showWarning(const QString&) override {}
    void beep() override { ++beeps; }
};

// Length of the letter record at the start of the bytes as the game lays it out (point count, two
// bytes a point, polygon count, per polygon a corner count and two bytes a corner, three tail bytes,
// eight per polygon), or nothing when the bytes end first or a count is more than the editor holds
// (20 points, 8 polygons, 11 corners). Written here from the layout, not taken from the core.
std::optional<qint64> recordLength(const std::uint8_t* data, qint64 size)
{
    qint64 at = 0;
    if (at >= size || data[at] > 20)
        return std::nullopt;
    at += 1 + 2 * data[at];
    if (at >= size || data[at] > 8)
        return std::nullopt;
    const int polygons = data[at++];
    for (int p = 0; p < polygons; ++p) {
        if (at >= size || data[at] > 11)
            return std::nullopt;
        at += 1 + 2 * data[at];
    }
    at += 3 + 8 * polygons;
    if (at > size)
        return std::nullopt;
    return at;
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

bool blank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// The bytes of a memo as this harness writes it (plain hex digits, or "<bh:xx>" tags with line
// breaks); nothing when it is neither.
std::optional<QByteArray> memoBytes(const QString& memo)
{
    QByteArray out;
    qsizetype i = 0;
    while (i < memo.size() && blank(memo[i]))
        ++i;
    const bool tagged = i < memo.size() && memo[i] == u'<';
    if (tagged) {
        while (i < memo.size()) {
            if (blank(memo[i])) {
                ++i;
                continue;
            }
            if (memo.size() - i < 7 || memo.mid(i, 4) != QLatin1String("<bh:") || hexValue(memo[i + 4]) < 0
                || hexValue(memo[i + 5]) < 0 || memo[i + 6] != u'>')
                return std::nullopt;
            out.append(static_cast<char>(hexValue(memo[i + 4]) * 16 + hexValue(memo[i + 5])));
            i += 7;
        }
        return out;
    }
    int high = -1;
    for (; i < memo.size(); ++i) {
        if (blank(memo[i]))
            continue;
        const int v = hexValue(memo[i]);
        if (v < 0)
            return std::nullopt;
        if (high < 0) {
            high = v;
        } else {
            out.append(static_cast<char>(high * 16 + v));
            high = -1;
        }
    }
    if (high >= 0)
        return std::nullopt;
    return out;
}

qint64 hexOffset(const char* text) { return std::strtoll(text, nullptr, 16); }

// The 2 MiB image, on disk and mapped, and the bytes it should hold: the filler everywhere except
// where the current input patched or the core was allowed to write.
class Image {
public:
    void create(const QString& path)
    {
        path_ = path.toStdString();
        reference_.resize(static_cast<size_t>(kImageSize));
        for (qint64 i = 0; i < kImageSize; ++i)
            reference_[static_cast<size_t>(i)] = static_cast<std::uint8_t>((i * 131 + (i >> 9) * 7 + 0x5A) & 0xFF);
        // The sample letters at the catalogue offsets of the first dump, the sample's words there
        // too, so that the unchanged image already holds records and tile codes to load.
        for (int position = 1; position <= vertiloom::kCatalogueSize; ++position) {
            const QByteArray bytes = vertiloom::sampleLetter(position).toBytes();
            const qint64 at = hexOffset(vertiloom::catalogueEntry(position).baseOffset);
            std::memcpy(reference_.data() + at, bytes.constData(), static_cast<size_t>(bytes.size()));
        }
        const QByteArray sample = vertiloom::sampleRomImage();
        for (const vertiloom::RomVariant& variant : vertiloom::kRomVariants) {
            for (const auto& [text, length] :
                 {std::pair{variant.pauseOffset, 5}, std::pair{variant.gameOverOffset, 8}}) {
                const qint64 at = hexOffset(text);
                const qint64 from = hexOffset(length == 5 ? vertiloom::kRomVariants[0].pauseOffset
                                                          : vertiloom::kRomVariants[0].gameOverOffset);
                std::memcpy(reference_.data() + at, sample.constData() + from, static_cast<size_t>(length));
            }
        }
        const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || ::write(fd, reference_.data(), reference_.size()) != static_cast<ssize_t>(reference_.size()))
            broken("cannot write the image");
        ::close(fd);
        map();
    }

    const std::string& path() const { return path_; }

    // The bytes the file holds now (through the mapping), after checking that it is still the
    // same size; the core may have replaced the file, in which case the new one is mapped.
    const std::uint8_t* current()
    {
        struct stat st {};
        if (::stat(path_.c_str(), &st) != 0)
            broken("the image is gone");
        if (st.st_size != kImageSize)
            broken("the image changed its size");
        if (st.st_ino != inode_) {
            ::munmap(data_, static_cast<size_t>(kImageSize));
            map();
        }
        return data_;
    }

    std::uint8_t expected(qint64 at) const
    {
        const auto it = overlay_.find(at);
        return it != overlay_.end() ? it->second : reference_[static_cast<size_t>(at)];
    }

    // Puts bytes into the file (the input's record) and into what it should hold.
    void patch(qint64 at, const std::uint8_t* bytes, qint64 length)
    {
        std::uint8_t* data = const_cast<std::uint8_t*>(current());
        for (qint64 i = 0; i < length && at + i < kImageSize; ++i) {
            data[at + i] = bytes[i];
            overlay_[at + i] = bytes[i];
        }
    }

    // The core was allowed to write these bytes there.
    void expect(qint64 at, const QByteArray& bytes)
    {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            overlay_[at + i] = static_cast<std::uint8_t>(bytes[i]);
    }

    // Aborts at the first byte that differs from what the file should hold.
    void verify(const char* what)
    {
        const std::uint8_t* data = current();
        qint64 from = 0;
        for (const auto& [at, byte] : overlay_) {
            if (std::memcmp(data + from, reference_.data() + from, static_cast<size_t>(at - from)) != 0)
                broken(what, firstDifference(data, from, at));
            if (data[at] != byte)
                broken(what, at);
            from = at + 1;
        }
        if (std::memcmp(data + from, reference_.data() + from, static_cast<size_t>(kImageSize - from)) != 0)
            broken(what, firstDifference(data, from, kImageSize));
    }

    // Back to the filler for the next input.
    void restore()
    {
        std::uint8_t* data = const_cast<std::uint8_t*>(current());
        for (const auto& entry : overlay_)
            data[entry.first] = reference_[static_cast<size_t>(entry.first)];
        overlay_.clear();
    }

private:
    void map()
    {
        const int fd = ::open(path_.c_str(), O_RDWR);
        struct stat st {};
        if (fd < 0 || ::fstat(fd, &st) != 0)
            broken("cannot open the image");
        void* data = ::mmap(nullptr, static_cast<size_t>(kImageSize), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        ::close(fd);
        if (data == MAP_FAILED)
            broken("cannot map the image");
        data_ = static_cast<std::uint8_t*>(data);
        inode_ = st.st_ino;
    }

    qint64 firstDifference(const std::uint8_t* data, qint64 from, qint64 to) const
    {
        for (qint64 i = from; i < to; ++i) {
            if (data[i] != reference_[static_cast<size_t>(i)])
                return i;
        }
        return -1;
    }

    std::string path_;
    std::vector<std::uint8_t> reference_;
    std::map<qint64, std::uint8_t> overlay_;
    std::uint8_t* data_ = nullptr;
    ino_t inode_ = 0;
};

// The small letter file: rewritten by the inputs that open it, read back whole to check it.
class LetterFile {
public:
    QString path;
    QByteArray expected;

    void write(const QByteArray& bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            broken("cannot write the letter file");
        expected = bytes;
    }
    void verify(const char* what) const
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            broken("the letter file is gone");
        const QByteArray now = file.readAll();
        if (now.size() != expected.size())
            broken("the letter file changed its size");
        if (now != expected)
            broken(what);
    }
};

struct World {
    std::unique_ptr<QGuiApplication> app;
    QString dir;
    Image image;
    LetterFile letter;
};

World* world = nullptr;

// The folder of this run's files, named after the process: a run that ends by a crash can't remove
// its own, so each run first removes those of runs that are no longer alive.
QString makeWorkFolder()
{
    const QString shm = QStringLiteral("/dev/shm");
    const QDir parent(QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath());
    const QString prefix = QStringLiteral("vertiloom-fuzz-");
    for (const QString& name : parent.entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const qint64 pid = name.mid(prefix.size()).toLongLong(&number);
        if (number && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            QDir(parent.filePath(name)).removeRecursively();
    }
    const QString path = parent.filePath(prefix + QString::number(::getpid()));
    QDir(path).removeRecursively();
    if (!parent.mkdir(path))
        broken("cannot make the work folder");
    return path;
}

void removeWorkFolder()
{
    if (world)
        QDir(world->dir).removeRecursively();
}

// The tile of each code 00..19 and the field texts the words accept, read from the game's tiles.
constexpr char kTiles[] = "PAUSED!0123456789LCT GMOVR";

QString tileText(int byte) { return byte >= 0 && byte < 26 ? QString(QLatin1Char(kTiles[byte])) : QString(); }

// The byte a word field's text writes as, -1 when the game can't show it.
int tileByte(const QString& text)
{
    if (text.isEmpty() || text == QLatin1String("_"))
        return 0x14;
    if (text == QLatin1String("I"))
        return 0x08;
    if (text.size() == 1) {
        for (int code = 0; code < 26; ++code) {
            if (text[0] == QLatin1Char(kTiles[code]))
                return code;
        }
    }
    return -1;
}

struct Input {
    const std::uint8_t* data;
    size_t size;
    std::uint8_t at(size_t i) const { return i < size ? data[i] : 0; }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    (void)argc;
    (void)argv;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int appArgc = 1;
    static char appName[] = "fuzz_file_paths";
    static char* appArgv[] = {appName, nullptr};
    world = new World;
    world->app = std::make_unique<QGuiApplication>(appArgc, appArgv);
    world->dir = makeWorkFolder();
    std::atexit(removeWorkFolder);
    world->image.create(QDir(world->dir).filePath(QStringLiteral("image.smc")));
    world->letter.path = QDir(world->dir).filePath(QStringLiteral("letter.bin"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const Input in{data, size};
    const std::uint8_t flags = in.at(0);
    const std::uint8_t more = in.at(1);
    const size_t recordSize = std::min<size_t>(in.at(4), size > 5 ? size - 5 : 0);
    const std::uint8_t* record = data + std::min<size_t>(5, size);
    const std::uint8_t* rest = record + recordSize;
    const size_t restSize = size - std::min(size, 5 + recordSize);

    const vertiloom::RomVariant& variant = vertiloom::kRomVariants[(flags & 7) % vertiloom::kRomVariants.size()];
    const bool yes = flags & 0x08;
    const bool exportRest = flags & 0x10;
    const bool tagged = flags & 0x20;
    const bool letterFile = flags & 0x40;
    const bool overlays = flags & 0x80;
    const bool typedAddr = more & 0x04;
    const bool pastEnd = more & 0x08;
    const bool cancel = more & 0x10;
    const bool words = more & 0x20;
    const bool noExport = more & 0x40;

    Image& image = world->image;
    LetterFile& letter = world->letter;
    const qint64 fileSize = letterFile ? static_cast<qint64>(recordSize) : kImageSize;
    const int signedShift = static_cast<std::int8_t>(in.at(3));
    const int where = (in.at(2) << 8) | in.at(3);
    qint64 offset = 0;
    switch (more & 3) {
    case 0:
        offset =
            hexOffset(vertiloom::catalogueEntry(in.at(2) % 24 + 1).baseOffset) + variant.displacement + signedShift;
        break;
    case 1:
        offset = hexOffset(in.at(2) & 1 ? variant.gameOverOffset : variant.pauseOffset) + signedShift;
        break;
    case 2:
        offset = fileSize > 0 ? fileSize - 1 - where % std::min<qint64>(fileSize, 512) : 0;
        break;
    default:
        offset = (static_cast<qint64>(where) * 37) % (fileSize + 64);
        break;
    }
    if (pastEnd)
        offset = fileSize + in.at(3);
    offset = std::max<qint64>(offset, 0);

    // The file the input opens, holding the input's record at Addr (image) or at its start.
    const QByteArray recordBytes(reinterpret_cast<const char*>(record), static_cast<qsizetype>(recordSize));
    if (letterFile)
        letter.write(recordBytes);
    else if (offset < kImageSize)
        image.patch(offset, record, static_cast<qint64>(recordSize));
    const QString path = letterFile ? letter.path : QString::fromStdString(image.path());
    const auto fileNow = [&](qint64 at, qint64 length) {
        if (letterFile)
            return letter.expected.mid(at, length);
        const std::uint8_t* bytes = image.current();
        const qint64 end = std::min(kImageSize, at + length);
        return at < end ? QByteArray(reinterpret_cast<const char*>(bytes + at), end - at) : QByteArray();
    };
    const auto verify = [&](const char* what) {
        if (letterFile)
            letter.verify(what);
        else
            image.verify(what);
    };

    Editor editor;
    // The backup before the first write copies the whole image, which is not what is fuzzed here
    // and would cost more than everything else: count the image as backed up already.
    editor.backedUp.insert(QFileInfo(path).canonicalFilePath());
    editor.form.setChecked(FieldId::checkBox(21), overlays);
    editor.form.setChecked(FieldId::checkBox(22), overlays);
    vertiloom::startUp(editor);
    vertiloom::selectVariant(editor.form, variant.radioButton);
    QString addr = QString::number(offset, 16).toUpper();
    if (typedAddr)
        addr = QStringLiteral("000") + addr.toLower();
    editor.form.setText(FieldId::addr(), addr);

    // Load and START!: a record that lies whole inside the file is always read.
    ScriptedPlatform platform;
    platform.openAnswer = path;
    {
        const qint64 from = letterFile ? 0 : offset;
        const QByteArray there = fileNow(from, vertiloom::kMaxRecordSize);
        const bool readable =
            from < fileSize && recordLength(reinterpret_cast<const std::uint8_t*>(there.constData()), there.size());
        bool refused = false;
        try {
            vertiloom::openLetter(editor, platform);
        } catch (const Error&) {
            refused = true;
        }
        if (readable && refused)
            broken("a whole record inside the file was refused", from);
        if (!readable && !refused)
            broken("a load accepted bytes that are no record", from);
        verify("a load changed the file");
    }

    // Export into the same file at Addr.
    if (!noExport) {
        if (exportRest)
            editor.form.setText(FieldId::memo(), vertiloom::recordText(QByteArray(reinterpret_cast<const char*>(rest),
                                                                                  static_cast<qsizetype>(restSize))));
        if (tagged)
            vertiloom::convertToTranslhextion(editor);
        const std::optional<QByteArray> bytes = memoBytes(editor.form.text(FieldId::memo()));
        const bool wellFormed =
            bytes && !bytes->isEmpty()
            && recordLength(reinterpret_cast<const std::uint8_t*>(bytes->constData()), bytes->size()) == bytes->size();
        const qint64 length = wellFormed ? bytes->size() : 0;
        const bool fits = wellFormed && offset < fileSize && length <= fileSize - offset;
        const QByteArray old = fileNow(offset, vertiloom::kMaxRecordSize);
        const std::optional<qint64> oldLength =
            recordLength(reinterpret_cast<const std::uint8_t*>(old.constData()), old.size());
        const bool asks = !(oldLength && *oldLength >= length);
        const bool writes = fits && !cancel && (!asks || yes);

        platform.saveAnswer = cancel ? std::nullopt : std::optional<QString>(path);
        platform.yes = yes;
        platform.beeps = 0;
        bool refused = false;
        try {
            vertiloom::exportLetterToRom(editor, platform);
        } catch (const Error&) {
            refused = true;
        }
        if (writes && refused)
            broken("a record that fits was refused", offset);
        if (fits && !cancel && !asks && platform.questions != 0)
            broken("a record no longer than the old one asked a question", offset);
        if (writes) {
            if (letterFile) {
                letter.expected.replace(offset, length, *bytes);
            } else {
                image.expect(offset, *bytes);
            }
        }
        verify(writes ? "a ROM export wrote outside its record" : "a refused ROM export changed the file");
    }

    // The words: read them, edit some fields, write them back.
    if (words) {
        const std::array<qint64, 2> starts{hexOffset(variant.pauseOffset), hexOffset(variant.gameOverOffset)};
        const auto position = [&](int index) { return index < 5 ? starts[0] + index : starts[1] + index - 5; };
        std::array<int, kWordBytes> read{};
        bool refused = false;
        try {
            vertiloom::readWords(editor);
        } catch (const Error&) {
            refused = true;
        }
        verify("reading the words changed the file");
        // The words come from the file last opened, when that is the image (a failed load opens it too).
        const bool romOpen = !letterFile && editor.currentRom == path;
        if (refused == romOpen)
            broken(romOpen ? "the words of a ROM image were refused" : "words were read from no ROM image");
        if (romOpen) {
            for (int i = 0; i < kWordBytes; ++i) {
                read[static_cast<size_t>(i)] = static_cast<std::uint8_t>(fileNow(position(i), 1).at(0));
                if (editor.form.text(FieldId::edit(2 + i)) != tileText(read[static_cast<size_t>(i)]))
                    broken("a word field shows another byte than the file holds", position(i));
            }
        }

        const size_t editsFrom = restSize > kWordBytes ? restSize - kWordBytes : 0;
        for (size_t e = editsFrom; e < restSize; ++e) {
            const std::uint8_t b = rest[e];
            const FieldId field = FieldId::edit(2 + static_cast<int>(e - editsFrom));
            if (b >= 0x80)
                editor.form.setText(field, QString(QLatin1Char("PAUSED!0123456789LCT GMOVR_I"[(b & 0x7F) % 28])));
            else if (b >= 0x40)
                editor.form.setText(field, QString(QLatin1Char(static_cast<char>(b))));
            else if (b == 0x3F)
                editor.form.setText(field, QString());
            else if (b == 0x3E)
                editor.form.setText(field, QStringLiteral("AB"));
        }

        QByteArray expected;
        bool encodable = true;
        for (int i = 0; i < kWordBytes && romOpen; ++i) {
            const QString text = editor.form.text(FieldId::edit(2 + i));
            const int byte =
                text == tileText(read[static_cast<size_t>(i)]) ? read[static_cast<size_t>(i)] : tileByte(text);
            encodable = encodable && byte >= 0;
            expected.append(static_cast<char>(byte));
        }
        refused = false;
        try {
            vertiloom::writeWords(editor, platform);
        } catch (const Error&) {
            refused = true;
        }
        if (!romOpen) {
            if (!refused)
                broken("words were written into no ROM image");
        } else {
            if (encodable && refused)
                broken("words the game can show were refused");
            if (!encodable && !refused)
                broken("a word the game can't show was written");
            if (!refused) {
                image.expect(starts[0], expected.left(5));
                image.expect(starts[1], expected.mid(5));
            }
        }
        verify(refused ? "refused words changed the file" : "writing the words changed more than their 13 bytes");
    }

    if (!letterFile)
        image.restore();
    return 0;
}
