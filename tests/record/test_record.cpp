// Letter records: loading from ROM images and letter files, compiling back, the three exports,
// and every way they refuse, leaving the editor and the files as they were.
#include "model/error.h"
#include "model/hex.h"
#include "commands/commands.h"
#include "record/compiler.h"
#include "record/export.h"
#include "record/files.h"
#include "record/ips.h"
#include "record/load.h"
#include "record/record.h"
#include "record/writes.h"
#include "rom/words.h"
#include "support/fakeplatform.h"
#include "support/romimage.h"
#include "support/snapshot.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <zlib.h>

using namespace vertiloom;
using namespace vertiloom::test;

namespace {

// The worked example of the record format: three points, one triangle, tails.
const char* kExample = "03 FDEC0DFC1D0C 01 03 000204 232221 000000 0000010200000102";

LetterRecord randomRecord(QRandomGenerator& random)
{
    const auto byte = [&random] { return static_cast<std::uint8_t>(random.bounded(256)); };
    const auto bytes = [&](int n) {
        QByteArray out;
        for (int i = 0; i < n; ++i)
            out.append(static_cast<char>(byte()));
        return out;
    };
    LetterRecord record;
    const int points = random.bounded(kPoints + 1);
    for (int n = 0; n < points; ++n)
        record.points.append({byte(), byte()});
    const int polygons = random.bounded(kPolygons + 1);
    for (int p = 0; p < polygons; ++p) {
        const int corners = 1 + random.bounded(kCorners);
        record.polygons.append({bytes(corners), bytes(corners)});
        record.polygonTails.append(bytes(kPolygonTailSize));
    }
    record.letterTail = bytes(kLetterTailSize);
    return record;
}

// IPS patches: a blank image of `size` bytes with `put` at `offset`, and a patch from hex records.
QByteArray blankWith(qint64 size, qint64 offset = 0, const QByteArray& put = {})
{
    QByteArray image(size, '\0');
    image.replace(offset, put.size(), put);
    return image;
}
QByteArray hex(const char* digits) { return QByteArray::fromHex(digits); }
QByteArray ips(const char* records) { return "PATCH" + hex(records) + "EOF"; }

class RecordTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    // An editor after start-up, with Addr set.
    static void prepare(Editor& editor, const QString& addr = QStringLiteral("476E2"))
    {
        startUp(editor);
        editor.form.setText(FieldId::addr(), addr);
    }

    static void load(Editor& editor, const QString& file)
    {
        FakePlatform platform;
        platform.openAnswers << file;
        openLetter(editor, platform);
    }

private slots:
    void roundTripOfRandomRecords()
    {
        QRandomGenerator random(20261208);
        const QByteArray blank = makeRomImage();
        for (int round = 0; round < 150; ++round) {
            const LetterRecord record = randomRecord(random);
            const QByteArray bytes = record.toBytes();
            const qint64 offset = 0x40000 + random.bounded(0x10000);
            QByteArray image = blank;
            putBytes(image, offset, bytes);
            writeFile(path("source.smc"), image);

            Editor editor;
            prepare(editor, IntToHexText(offset));
            load(editor, path("source.smc"));
            QCOMPARE(editor.form.text(FieldId::memo()), recordText(bytes));
            QCOMPARE(editor.form.enabled(FieldId::bitBtn(1)), !record.polygons.isEmpty());

            FakePlatform platform;
            platform.saveAnswers << path("letter.bin") << path("target.smc");
            platform.confirmAnswers << true << true; // replace the last letter file; write a longer record
            writeFile(path("target.smc"), blank);
            exportLetterToFile(editor, platform);
            QCOMPARE(readFile(path("letter.bin")), bytes);
            exportLetterToRom(editor, platform);
            QCOMPARE(readFile(path("target.smc")), image);
            QCOMPARE(platform.beeps, 2);
            QVERIFY(platform.errors.isEmpty());

            // The letter file loads again to the same record.
            Editor again;
            prepare(again);
            load(again, path("letter.bin"));
            QCOMPARE(again.form.text(FieldId::memo()), recordText(bytes));
        }
    }

    void sizeRule_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<bool>("atAddr");
        QTest::newRow("2,000,000 bytes: letter file") << qsizetype(2'000'000) << false;
        QTest::newRow("2,000,001 bytes: ROM image") << qsizetype(2'000'001) << true;
    }
    void sizeRule()
    {
        QFETCH(qsizetype, size);
        QFETCH(bool, atAddr);
        const QByteArray example = bytesFromHex(kExample);
        const QByteArray other = bytesFromHex("00 00 AA BB CC");
        QByteArray file = makeRomImage(size);
        putBytes(file, 0, other);
        putBytes(file, 0x476E2, example);
        writeFile(path("sized.smc"), file);
        Editor editor;
        prepare(editor);
        load(editor, path("sized.smc"));
        QCOMPARE(editor.form.text(FieldId::memo()), recordText(atAddr ? example : other));
    }

    void workedExampleLoadsIntoTheFields()
    {
        writeFile(path("example.bin"), bytesFromHex(kExample));
        Editor editor;
        prepare(editor);
        load(editor, path("example.bin"));
        const EditorForm& form = editor.form;
        QCOMPARE(form.text(FieldId::dots()), QStringLiteral("03"));
        QCOMPARE(form.text(FieldId::x(2)), QStringLiteral("0D"));
        QCOMPARE(form.text(FieldId::y(3)), QStringLiteral("0C"));
        QVERIFY(form.checked(FieldId::checkBox(3)));
        QVERIFY(!form.checked(FieldId::checkBox(4)));
        QCOMPARE(form.text(FieldId::x(4)), QStringLiteral("00"));
        QCOMPARE(form.text(FieldId::degree(1)), QStringLiteral("03"));
        QCOMPARE(form.text(FieldId::degree(2)), QStringLiteral("FF"));
        QCOMPARE(form.text(FieldId::pol(1, 2)), QStringLiteral("02"));
        QCOMPARE(form.text(FieldId::checkPol(1, 3)), QStringLiteral("xy 3"));
        QCOMPARE(form.text(FieldId::ipol(1, 1)), QStringLiteral("23"));
        QCOMPARE(form.color(FieldId::ipol(1, 1)), kAqua);
        QCOMPARE(form.color(FieldId::ipol(1, 4)), kWhite);
        QCOMPARE(form.text(FieldId::label(22)), QStringLiteral("3"));
        QCOMPARE(form.text(FieldId::label(23)), QStringLiteral("1"));
        QCOMPARE(form.text(FieldId::memo()),
                 QStringLiteral("03FDEC0DFC1D0C0103000204232221000000") + QStringLiteral("0000010200000102"));
        QCOMPARE(form.text(FieldId::label(32)), QStringLiteral("26"));
        QCOMPARE(editor.letterTail, QStringList({"00", "00", "00"}));
    }

    void cornerCountZeroDropsThePolygonAndTheLastTail()
    {
        // Two polygons: the first has no corners, the second a single corner.
        writeFile(path("zero.bin"), bytesFromHex("01 1020 02 00 01 00 44 ABCDEF 1111111111111111 2222222222222222"));
        Editor editor;
        prepare(editor);
        load(editor, path("zero.bin"));
        QCOMPARE(editor.form.text(FieldId::degree(1)), QStringLiteral("FF")); // START! marked it
        QCOMPARE(editor.form.text(FieldId::polygons()), QStringLiteral("01"));
        QCOMPARE(editor.form.text(FieldId::memo()), QStringLiteral("011020") + QStringLiteral("01")
                                                        + QStringLiteral("010044") + QStringLiteral("ABCDEF")
                                                        + QStringLiteral("1111111111111111"));
    }

    void tailsFollowTheLastLoad()
    {
        Editor editor;
        prepare(editor);
        // Before any load: letter tail 00 00 00 and the default polygon tail for all seven polygons.
        QVERIFY(editor.form.text(FieldId::memo())
                    .endsWith(QStringLiteral("000000") + QString(kDefaultPolygonTail).repeated(7)));
        QByteArray five = bytesFromHex("00 05 01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 A1A2A3");
        for (int p = 1; p <= 5; ++p)
            five.append(QByteArray(kPolygonTailSize, static_cast<char>(p)));
        writeFile(path("five.bin"), five);
        load(editor, path("five.bin"));
        QCOMPARE(editor.form.text(FieldId::memo()), recordText(five));

        const QByteArray two = bytesFromHex("00 02 01 00 00 01 00 00 B1B2B3 0909090909090909 0808080808080808");
        writeFile(path("two.bin"), two);
        load(editor, path("two.bin"));
        QCOMPARE(editor.form.text(FieldId::memo()), recordText(two));
        QVERIFY(editor.polygonTails[2].isEmpty() || editor.polygonTails[2] == QLatin1String(kDefaultPolygonTail));

        // A third polygon checked by hand gets the default tail, not the one of the earlier load.
        editor.form.setChecked(FieldId::checkPol(3, 1), true);
        start(editor);
        QVERIFY(editor.form.text(FieldId::memo())
                    .endsWith(QStringLiteral("0808080808080808") + QLatin1String(kDefaultPolygonTail)));
    }

    void reloadReadsTheSameFileAtTheNewAddr()
    {
        QByteArray image = makeRomImage();
        const QByteArray first = bytesFromHex(kExample);
        const QByteArray second = bytesFromHex("01 0505 01 01 00 77 C1C2C3 0102030405060708");
        putBytes(image, 0x476E2, first);
        putBytes(image, 0x4773E, second);
        writeFile(path("reload.smc"), image);
        Editor editor;
        prepare(editor, QStringLiteral("476e2"));
        load(editor, path("reload.smc"));
        QCOMPARE(editor.form.text(FieldId::memo()), recordText(first));
        editor.form.setText(FieldId::checkPol(1, 1), QStringLiteral("changed"));
        editor.form.setText(FieldId::addr(), QStringLiteral("4773e"));
        FakePlatform platform;
        reloadLetter(editor, platform);
        QVERIFY(platform.questions.isEmpty());
        QCOMPARE(editor.form.text(FieldId::memo()), recordText(second));
        QCOMPARE(editor.form.text(FieldId::checkPol(1, 1)), QStringLiteral("xy 1"));
        QCOMPARE(editor.form.text(FieldId::checkPol(2, 1)), QStringLiteral("xy"));
    }

    void readOnlyFileLoads()
    {
        writeFile(path("readonly.bin"), bytesFromHex(kExample));
        QFile::setPermissions(path("readonly.bin"), QFileDevice::ReadOwner);
        Editor editor;
        prepare(editor);
        load(editor, path("readonly.bin"));
        QCOMPARE(editor.form.text(FieldId::dots()), QStringLiteral("03"));
    }

    void failedLoadChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("addr");
        QTest::addColumn<QString>("message");
        const QString beyond = QStringLiteral("Read beyond end of file: %1"); // %1: the file
        const QByteArray example = bytesFromHex(kExample);
        QTest::newRow("empty file") << QByteArray() << QString()
                                    << "%1 is empty: a letter file holds one letter record.";
        // A letter file cut short inside each field of the record.
        const QList<QPair<int, const char*>> cuts = {{1, "in the points"},
                                                     {7, "before the polygon count"},
                                                     {8, "before the corner count"},
                                                     {10, "in the vertex references"},
                                                     {13, "in the parameters"},
                                                     {15, "in the letter tail"},
                                                     {18, "before the polygon tail"},
                                                     {25, "in the polygon tail"}};
        for (const auto& [length, name] : cuts)
            QTest::newRow(name) << example.left(length) << QString() << beyond;
        QTest::newRow("21 points") << bytesFromHex("15") + QByteArray(60, 0) << QString()
                                   << "The letter at offset 0 has 21 points; the editor holds at most 20.";
        QTest::newRow("9 polygons") << bytesFromHex("00 09") + QByteArray(100, 0) << QString()
                                    << "The letter at offset 0 has 9 polygons; the editor holds at most 8.";
        QTest::newRow("12 corners")
            << bytesFromHex("00 02 01 00 00 0C") + QByteArray(100, 0) << QString()
            << "Polygon 2 of the letter at offset 0 has 12 corners; the editor holds at most 11.";
        QTest::newRow("corner count FF")
            << bytesFromHex("00 01 FF") + QByteArray(600, 0) << QString()
            << "Polygon 1 of the letter at offset 0 has 255 corners; the editor holds at most 11.";

        QByteArray rom = makeRomImage();
        putBytes(rom, 0x476E2, bytesFromHex("15"));
        QTest::newRow("21 points in a ROM image")
            << rom << QStringLiteral("476E2")
            << "The letter at offset 476E2 has 21 points; the editor holds at most 20.";
        const QByteArray plain = makeRomImage();
        QTest::newRow("Addr at the end") << plain << IntToHexText(plain.size()) << beyond;
        QTest::newRow("Addr far past the end") << plain << QStringLiteral("FFFFFFFF") << beyond;
        QTest::newRow("Addr of nine digits") << plain << QStringLiteral("1000476E2") << beyond;
        QByteArray tail = makeRomImage();
        putBytes(tail, tail.size() - 4, bytesFromHex("00 00 AA BB"));
        QTest::newRow("record cut by the end of the image") << tail << IntToHexText(tail.size() - 4) << beyond;
        QTest::newRow("empty Addr") << plain << QString()
                                    << "Addr is empty: enter the offset of the letter record in the ROM image as a "
                                       "hexadecimal number, such as 476E2.";
        QTest::newRow("Addr with a prefix") << plain << QStringLiteral("$476E2")
                                            << "The offset in Addr, \"$476E2\", is not a hexadecimal number "
                                               "(only the digits 0-9 and A-F, such as 476E2).";
    }
    void failedLoadChangesNothing()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, addr);
        QFETCH(QString, message);
        writeFile(path("good.bin"), bytesFromHex(kExample));
        writeFile(path("bad.smc"), content);
        Editor editor;
        prepare(editor);
        load(editor, path("good.bin"));
        editor.form.setText(FieldId::addr(), addr);
        const QStringList before = snapshot(editor);
        const QImage preview = composedPreview(editor);
        editor.currentRom = path("bad.smc");
        try {
            FakePlatform platform;
            reloadLetter(editor, platform);
            QFAIL("the load should have failed");
        } catch (const Error& error) {
            QCOMPARE(error.message(), message.contains(QLatin1String("%1")) ? message.arg(path("bad.smc")) : message);
        }
        editor.currentRom = path("good.bin");
        QCOMPARE(snapshot(editor), before);
        QVERIFY(composedPreview(editor) == preview);
    }

    void missingFileAndCancelledDialog()
    {
        Editor editor;
        prepare(editor);
        const QStringList before = snapshot(editor);
        FakePlatform platform; // no answer: the dialog is cancelled
        openLetter(editor, platform);
        QCOMPARE(platform.openFilters, QStringList{kOpenFilter});
        QCOMPARE(snapshot(editor), before);
        platform.openAnswers << path("missing.smc");
        QVERIFY_THROWS_EXCEPTION(Error, openLetter(editor, platform));
        try {
            reloadLetter(editor, platform);
            QFAIL("the reload should have failed");
        } catch (const Error& error) {
            QVERIFY(error.message().startsWith(QStringLiteral("File not found: ")));
        }
    }

    void malformedMemoIsNeverWritten_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("message");
        const QString prefix = QStringLiteral("The memo is not a letter record: ");
        QTest::newRow("stray character") << "03FDEC0DFC1D0C01030002042322G1000000"
                                         << prefix + "'G' at position 29 is not a hexadecimal digit.";
        QTest::newRow("odd digit")
            << "0000000000F"
            << prefix + "it holds 11 hexadecimal digits, an odd number, so its last byte is incomplete.";
        QTest::newRow("shorter than its counts")
            << "0100" << prefix + "its 2 bytes end before the record that its counts describe does.";
        QTest::newRow("longer than its counts")
            << "000000000000" << prefix + "its counts describe a record of 5 bytes, but it holds 6 bytes.";
        QTest::newRow("over a limit") << "15" + QString(200, u'0')
                                      << prefix + "The letter has 21 points; the editor holds at most 20.";
        QTest::newRow("empty") << QString() << "The memo is empty: press START! to compile the letter first.";
        QTest::newRow("broken tag") << "<bh:00><bh:00><bh:0><bh:00><bh:00>"
                                    << prefix
                                           + "the tag at position 15 should read <bh:xx> with two hexadecimal digits.";
    }
    void malformedMemoIsNeverWritten()
    {
        QFETCH(QString, memo);
        QFETCH(QString, message);
        const QByteArray rom = makeRomImage();
        writeFile(path("keep.smc"), rom);
        Editor editor;
        prepare(editor);
        editor.form.setText(FieldId::memo(), memo);
        for (const bool toRom : {false, true}) {
            FakePlatform platform;
            platform.saveAnswers << (toRom ? path("keep.smc") : path("never.bin"));
            platform.confirmAnswers << true;
            try {
                toRom ? exportLetterToRom(editor, platform) : exportLetterToFile(editor, platform);
                QFAIL("the export should have been refused");
            } catch (const Error& error) {
                QCOMPARE(error.message(), message);
            }
            QCOMPARE(platform.beeps, 0);
        }
        QVERIFY(!QFile::exists(path("never.bin")));
        QCOMPARE(readFile(path("keep.smc")), rom);
    }

    void memoAcceptsBlanksAndTags()
    {
        const QByteArray example = bytesFromHex(kExample);
        QCOMPARE(memoRecord(QString::fromLatin1(kExample)), example);
        QCOMPARE(memoRecord(QStringLiteral("03fdec\n0dfc1d0c 01 03 000204 232221 000000\t0000010200000102\r\n")),
                 example);
        Editor editor;
        prepare(editor);
        editor.form.setText(FieldId::memo(), recordText(example));
        convertToTranslhextion(editor);
        QCOMPARE(memoRecord(editor.form.text(FieldId::memo())), example);
        // An export after the conversion writes the record, not the bytes of the tags.
        FakePlatform platform;
        platform.saveAnswers << path("tagged.bin");
        exportLetterToFile(editor, platform);
        QCOMPARE(readFile(path("tagged.bin")), example);
        QCOMPARE(platform.saveConfirmOverwrite, QList<bool>{false});
    }

    void romExportGuardsTheImage_data()
    {
        QTest::addColumn<QString>("addr");
        QTest::addColumn<qint64>("at");           // the offset that Addr names
        QTest::addColumn<QByteArray>("existing"); // what stands there before
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question"); // a part of the question asked; empty: none asked
        QTest::addColumn<bool>("writes");
        QTest::addColumn<QString>("message"); // non-empty: refused with this text
        const QByteArray sameLength = bytesFromHex("03 010101010101 01 03 000204 000000 AAAAAA 0000000000000000");
        const QByteArray shorter = bytesFromHex("00 00 AAAAAA");
        const QByteArray oneByteShorter = bytesFromHex("0A 0000000000000000000000000000000000000000 00 AAAAAA");
        const QString unreadable = QStringLiteral("No letter record can be read");
        QTest::newRow("same length: no question")
            << "476E2" << 0x476E2LL << sameLength << false << QString() << true << QString();
        QTest::newRow("lower-case Addr") << "476e2" << 0x476E2LL << sameLength << false << QString() << true
                                         << QString();
        QTest::newRow("longer, confirmed")
            << "476E2" << 0x476E2LL << shorter << true << "so the 21 bytes after the old record will be overwritten"
            << true << QString();
        QTest::newRow("longer, declined")
            << "476E2" << 0x476E2LL << shorter << false << "so the 21 bytes after" << false << QString();
        QTest::newRow("one byte longer, declined")
            << "476E2" << 0x476E2LL << oneByteShorter << false
            << "so the 1 byte after the old record will be overwritten" << false << QString();
        QTest::newRow("nothing readable, declined")
            << "476E2" << 0x476E2LL << bytesFromHex("FF") << false << unreadable << false << QString();
        QTest::newRow("ends at the last byte")
            << "1FFFE6" << 0x1FFFE6LL << QByteArray() << true << unreadable << true << QString();
        QTest::newRow("ends one byte beyond") << "1FFFE7" << 0x1FFFE7LL << QByteArray() << true << QString() << false
                                              << "The record of 26 bytes does not fit at offset 1FFFE7 of %1: the file "
                                                 "is only 2097152 bytes long. Nothing was written.";
        QTest::newRow("Addr empty") << "" << 0LL << QByteArray() << true << QString() << false
                                    << "Addr is empty: enter the offset of the letter record in the ROM image as a "
                                       "hexadecimal number, such as 476E2.";
        QTest::newRow("Addr not hex") << "476G2" << 0LL << QByteArray() << true << QString() << false
                                      << "The offset in Addr, \"476G2\", is not a hexadecimal number (only the digits "
                                         "0-9 and A-F, such as 476E2).";
    }
    void romExportGuardsTheImage()
    {
        QFETCH(QString, addr);
        QFETCH(qint64, at);
        QFETCH(QByteArray, existing);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        QFETCH(bool, writes);
        QFETCH(QString, message);
        QByteArray rom = makeRomImage();
        if (!existing.isEmpty())
            putBytes(rom, at, existing);
        const QString target = path("target.smc");
        writeFile(target, rom);

        const QByteArray record = bytesFromHex(kExample);
        Editor editor;
        prepare(editor, addr);
        editor.form.setText(FieldId::memo(), recordText(record));
        FakePlatform platform;
        platform.saveAnswers << target;
        platform.confirmAnswers << answer;
        try {
            exportLetterToRom(editor, platform);
            QVERIFY(message.isEmpty());
        } catch (const Error& error) {
            QCOMPARE(error.message(),
                     message.contains(QLatin1String("%1")) ? message.arg(QDir::toNativeSeparators(target)) : message);
        }
        QCOMPARE(platform.questions.size(), question.isEmpty() ? 0 : 1);
        if (!question.isEmpty())
            QVERIFY2(platform.questions[0].contains(question), qPrintable(platform.questions[0]));
        QCOMPARE(platform.beeps, writes ? 1 : 0);
        QByteArray expected = rom;
        if (writes)
            putBytes(expected, at, record);
        QCOMPARE(readFile(target), expected);
    }

    void cancelledExportsBeep()
    {
        Editor editor;
        prepare(editor);
        FakePlatform platform;
        exportLetterToFile(editor, platform);
        exportLetterToRom(editor, platform);
        QCOMPARE(platform.beeps, 2);
        QCOMPARE(platform.saveFilters, QStringList({kLetterFileFilter, kRomFilter}));
        // A dialog that gave an empty name was not cancelled: that names no file.
        platform.saveAnswers << QStringLiteral("") << QStringLiteral("");
        QVERIFY_THROWS_EXCEPTION(Error, exportLetterToFile(editor, platform));
        QVERIFY_THROWS_EXCEPTION(Error, exportLetterToRom(editor, platform));
        QCOMPARE(platform.beeps, 2);
    }

    void letterFileExportIntoAMissingFolderFails()
    {
        Editor editor;
        prepare(editor);
        FakePlatform platform;
        platform.saveAnswers << path("no/such/folder/letter.bin");
        QVERIFY_THROWS_EXCEPTION(Error, exportLetterToFile(editor, platform));
        QCOMPARE(platform.beeps, 0);
    }

    // Faults injected at the lowest write: a failed write never leaves a changed file behind, and
    // the message names the system's cause.
    void failedWritesChangeNothing_data()
    {
        QTest::addColumn<bool>("toRom");
        QTest::addColumn<int>("failingSync"); // the sync that fails rather than a write: 1 the file's, 2 its folder's
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("bytesBefore"); // bytes the failing write gets onto the disk
        QTest::addColumn<bool>("restoreFails");
        QTest::addColumn<QString>("message"); // %1: the file
        QTest::newRow("letter file, disk full")
            << false << 0 << ENOSPC << 10 << false << "The disk is full: %1 was left as it was.";
        QTest::newRow("letter file, sync fails")
            << false << 1 << EIO << 0 << false << "Cannot write %1: Input/output error. %1 was left as it was.";
        // The new name is written, but only the folder's sync makes it last: the file is new, and the
        // message says what may come back.
        QTest::newRow("letter file, folder sync fails")
            << false << 2 << EIO << 0 << false
            << "%1 was written, but its folder could not be synced to the disk: Input/output error. After a power "
               "loss the old file may be back.";
        QTest::newRow("image, first byte refused")
            << true << 0 << ENOSPC << 0 << false
            << "Cannot write the record at offset 476E2 into %1: No space left on device. Nothing was written.";
        QTest::newRow("image, torn record put back")
            << true << 0 << ENOSPC << 5 << false
            << "Cannot write the record at offset 476E2 into %1: No space left on device. The bytes that were there "
               "before were put back: the file is as it was.";
        QTest::newRow("image, sync fails") << true << 1 << EIO << 0 << false
                                           << "Cannot write the record at offset 476E2 into %1: Input/output error. "
                                              "The bytes that were there before were put back: the file is as it was.";
        QTest::newRow("image, no way back")
            << true << 0 << EIO << 5 << true
            << "Cannot write the record at offset 476E2 into %1: Input/output error. Putting the old bytes back failed "
               "too (Input/output error): offsets 476E2 to 476E6 of %1 may have been changed. Their old bytes are kept "
               "beside it, and the editor puts them back the next time it opens the file.";
    }
    void failedWritesChangeNothing()
    {
        QFETCH(bool, toRom);
        QFETCH(int, failingSync);
        QFETCH(int, error);
        QFETCH(int, bytesBefore);
        QFETCH(bool, restoreFails);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString target = folder.filePath(toRom ? "target.smc" : "letter.bin");
        const QByteArray before = toRom ? makeRomImage() : bytesFromHex("00 00 AAAAAA");
        writeFile(target, before);
        const QByteArray record = bytesFromHex(kExample);
        Editor editor;
        prepare(editor);
        editor.form.setText(FieldId::memo(), recordText(record));
        editor.backedUp.insert(QFileInfo(target).canonicalFilePath()); // the faults are for the write itself
        FakePlatform platform;
        platform.saveAnswers << target;
        platform.confirmAnswers << true;
        int writes = 0, syncs = 0;
        setIoFaultHook([&](IoStep step, qint64, qint64) {
            if (step == IoStep::Journal) // the journal of a patch is written as ever
                return IoFault{};
            if (step == IoStep::Sync)
                return ++syncs == failingSync ? IoFault{error, 0} : IoFault{};
            ++writes;
            if (writes == 1 && failingSync == 0)
                return IoFault{error, bytesBefore};
            return writes == 2 && restoreFails ? IoFault{EIO, 0} : IoFault{};
        });
        try {
            toRom ? exportLetterToRom(editor, platform) : exportLetterToFile(editor, platform);
            setIoFaultHook({});
            QFAIL("the export should have failed");
        } catch (const Error& e) {
            setIoFaultHook({});
            QCOMPARE(e.message(), message.arg(QDir::toNativeSeparators(target)));
        }
        QCOMPARE(platform.beeps, 0);
        QByteArray expected = failingSync == 2 ? record : before;
        if (restoreFails)
            putBytes(expected, 0x476E2, record.left(5));
        QCOMPARE(readFile(target), expected);
        // Only the journal of the way back that failed stays beside it, and the next open puts it back.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), restoreFails ? 2 : 1);
        QFile reopened;
        openOrThrow(reopened, target, QIODevice::ReadOnly);
        QCOMPARE(readFile(target), failingSync == 2 ? record : before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(target).fileName()});
        QCOMPARE(takeNotices().size(), restoreFails ? 1 : 0);
    }

    // Several files saved together: a write or a sync that fails on any of them leaves all three
    // as they were (two old files, one not yet there) and no temporary file behind.
    void severalFilesAllOrNone_data()
    {
        QTest::addColumn<bool>("atSync");
        QTest::addColumn<int>("failing"); // which write or sync fails, from 1; 0: none
        QTest::newRow("no fault") << false << 0;
        QTest::newRow("first write") << false << 1;
        QTest::newRow("last write") << false << 3;
        QTest::newRow("second sync") << true << 2;
        QTest::newRow("last sync") << true << 3;
    }
    void severalFilesAllOrNone()
    {
        QFETCH(bool, atSync);
        QFETCH(int, failing);
        QTemporaryDir folder;
        const QList<WholeFile> files{{folder.filePath("a.bin"), "new a"},
                                     {folder.filePath("b.bin"), "new b"},
                                     {folder.filePath("c.bin"), "new c"}};
        writeFile(files[0].path, "old a");
        writeFile(files[1].path, "old b");
        int writes = 0, syncs = 0;
        setIoFaultHook([&](IoStep step, qint64, qint64) {
            const int n = step == IoStep::Sync ? ++syncs : ++writes;
            return n == failing && (step == IoStep::Sync) == atSync ? IoFault{ENOSPC, 2} : IoFault{};
        });
        try {
            saveWholeFiles(files, Links::Refuse);
            setIoFaultHook({});
            QCOMPARE(failing, 0);
        } catch (const Error& e) {
            setIoFaultHook({});
            QVERIFY2(failing != 0, qPrintable(e.message()));
            QVERIFY2(e.message().startsWith(QStringLiteral("The disk is full: ")), qPrintable(e.message()));
            QVERIFY2(e.message().endsWith(QStringLiteral(" None of the 3 files was written.")),
                     qPrintable(e.message()));
        }
        const QStringList expected = failing ? QStringList{"a.bin", "b.bin"} : QStringList{"a.bin", "b.bin", "c.bin"};
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        QCOMPARE(readFile(files[0].path), QByteArray(failing ? "old a" : "new a"));
        QCOMPARE(readFile(files[1].path), QByteArray(failing ? "old b" : "new b"));
    }

    // A real full file system: a small tmpfs filled to the last page.
    void letterFileExportOnAFullDisk()
    {
        QTemporaryDir mountPoint;
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint.path()})
            != 0)
            QSKIP("mounting a tmpfs needs root and a mount namespace that allows it; the injected faults above cover "
                  "the same path");
        const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {mountPoint.path()}); });
        const QString letter = mountPoint.filePath("letter.bin");
        const QByteArray old = bytesFromHex("00 00 AAAAAA");
        writeFile(letter, old);
        QFile filler(mountPoint.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'F')) > 0) {
        }
        filler.close();

        Editor editor;
        prepare(editor);
        editor.form.setText(FieldId::memo(), QString::fromLatin1(kExample).remove(u' '));
        FakePlatform platform;
        platform.saveAnswers << letter;
        platform.confirmAnswers << true;
        try {
            exportLetterToFile(editor, platform);
            QFAIL("the export should have failed");
        } catch (const Error& e) {
            QCOMPARE(e.message(), QStringLiteral("The disk is full: %1 was left as it was.").arg(letter));
        }
        QCOMPARE(platform.beeps, 0);
        QCOMPARE(readFile(letter), old);
        QCOMPARE(QDir(mountPoint.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"filler", "letter.bin"}));
    }

    // A FIFO without a writer (or a device) would block the open for ever, and a file larger than any
    // ROM image could fill the memory: every command that opens a file refuses them at once.
    void unreadableFilesAreRefusedAtOnce_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("refusal"); // %1: the file
        QTest::newRow("FIFO") << true << "%1 is not a regular file";
        QTest::newRow("one byte over 64 MiB")
            << false << "%1 is 67,108,865 bytes: no ROM image of the game is that large";
    }
    void unreadableFilesAreRefusedAtOnce()
    {
        QFETCH(bool, fifo);
        QFETCH(QString, refusal);
        const QString file = path(fifo ? "pipe.smc" : "huge.smc");
        QFile::remove(file);
        if (fifo) {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else {
            QFile huge(file);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(64 * 1024 * 1024 + 1)); // sparse: no disk used
        }
        refusal = refusal.arg(file);
        Editor editor;
        prepare(editor);
        const QStringList before = snapshot(editor);
        FakePlatform platform;
        platform.openAnswers << file;
        platform.saveAnswers << file << file;
        platform.confirmAnswers << true;
        QList<std::function<void()>> commands = {
            [&] { openLetter(editor, platform); },
            [&] { reloadLetter(editor, platform); },
            [&] { readWords(editor); },
            [&] { writeWords(editor, platform); },
            [&] { exportLetterToRom(editor, platform); },
        };
        // Replacing a large file with a letter file reads nothing of it (and asks first).
        if (fifo)
            commands << [&] { exportLetterToFile(editor, platform); };
        for (const auto& command : commands) {
            try {
                command();
                QFAIL("the file should have been refused");
            } catch (const Error& e) {
                QVERIFY2(e.message().startsWith(refusal), qPrintable(e.message()));
            }
        }
        editor.currentRom.clear();
        editor.openedAs = {};
        QCOMPARE(snapshot(editor), before);
        QCOMPARE(QFileInfo(file).isFile(), !fifo);
        // One byte less is the largest file there is: it opens.
        if (!fifo) {
            QVERIFY(QFile::resize(file, 67'108'864));
            QFile largest;
            openOrThrow(largest, file, QIODevice::ReadOnly);
            QCOMPARE(largest.size(), 67'108'864);
        }
        // A folder is no regular file either; neither is asked about before it is refused.
        QVERIFY(QDir().mkpath(path("folder.bin")));
        platform.saveAnswers = {path("folder.bin")};
        QVERIFY_THROWS_EXCEPTION(Error, exportLetterToFile(editor, platform));
        QCOMPARE(platform.questions, QStringList());
    }

    void letterFileExportNamesWhatItReplaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size"); // of the file already there; -1: none
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question"); // %1: the file
        QTest::newRow("ROM image, declined")
            << "image.bin" << 2'097'152 << false
            << "%1 is a ROM image of 2,097,152 bytes. Replace the whole image with this 26-byte letter file?";
        QTest::newRow("named .smc, declined")
            << "small.SMC" << 100 << false
            << "%1 is a ROM image of 100 bytes. Replace the whole image with this 26-byte letter file?";
        QTest::newRow("letter file, confirmed")
            << "old.bin" << 5 << true << "%1 already exists. Replace it with this 26-byte letter file?";
        QTest::newRow("new file") << "new.bin" << -1 << false << QString();
    }
    void letterFileExportNamesWhatItReplaces()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        const QString target = path(name);
        QFile::remove(target);
        const QByteArray before = size < 0 ? QByteArray() : makeRomImage(size);
        if (size >= 0)
            writeFile(target, before);
        if (size >= 0)
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), 0640), 0);
        Editor editor;
        prepare(editor);
        editor.form.setText(FieldId::memo(), QString::fromLatin1(kExample).remove(u' '));
        FakePlatform platform;
        platform.saveAnswers << target;
        platform.confirmAnswers << answer;
        exportLetterToFile(editor, platform);
        QCOMPARE(platform.questions, question.isEmpty() ? QStringList() : QStringList{question.arg(target)});
        const bool written = question.isEmpty() || answer;
        QCOMPARE(readFile(target), written ? bytesFromHex(kExample) : before);
        // A file that is replaced keeps who may read and write it.
        struct stat info {};
        if (size >= 0)
            QCOMPARE(::stat(QFile::encodeName(target).constData(), &info) == 0 ? info.st_mode & 07777 : 0, 0640u);
        QCOMPARE(platform.beeps, written ? 1 : 0);
        // A letter in a file is saved: the title's star goes.
        QCOMPARE(windowTitle(editor).endsWith(QStringLiteral(" *")), !written);
    }

    // The first write into an image in a run keeps the image as it was in <image>.bak; later writes
    // (letters and words alike) leave that copy alone. A backup that can't be written stops the write.
    void backupBeforeTheFirstWrite()
    {
        const QByteArray original = makeRomImage();
        const QString image = path("backed.smc");
        const QString backup = image + QStringLiteral(".bak");
        writeFile(image, original);
        writeFile(backup, "an older backup");
        Editor editor;
        prepare(editor);
        const QByteArray first = bytesFromHex(kExample);
        const QByteArray second = bytesFromHex("03 010101010101 01 03 000204 000000 AAAAAA 0000000000000000");
        QByteArray expected = original;
        for (const QByteArray& record : {first, second}) {
            editor.form.setText(FieldId::memo(), recordText(record));
            FakePlatform platform;
            platform.saveAnswers << image;
            platform.confirmAnswers << true;
            exportLetterToRom(editor, platform);
            putBytes(expected, 0x476E2, record);
            QCOMPARE(readFile(image), expected);
            QCOMPARE(readFile(backup), original);
        }
        editor.currentRom = image;
        FakePlatform words;
        writeWords(editor, words);
        QVERIFY(readFile(image) != expected);
        QCOMPARE(readFile(backup), original);

        // Where the copy can't be made (its name is taken by a folder), nothing is written.
        const QString other = path("nobackup.smc");
        writeFile(other, original);
        QVERIFY(QDir().mkdir(other + QStringLiteral(".bak")));
        FakePlatform platform;
        platform.saveAnswers << other;
        platform.confirmAnswers << true;
        try {
            exportLetterToRom(editor, platform);
            QFAIL("the write should have been refused");
        } catch (const Error& e) {
            QCOMPARE(e.message(),
                     QStringLiteral("Nothing was written into %1. Before the first write into an image the "
                                    "editor keeps a copy of it, and the copy %1.bak could not be made: %1.bak "
                                    "is not a regular file: it was left as it was.")
                         .arg(other));
        }
        QCOMPARE(readFile(other), original);
        QCOMPARE(platform.beeps, 0);
    }

    // A run that dies in the middle of a patch leaves the journal of its ranges beside the image; the
    // next open puts every range back, so the image is all old or all new, never torn. The child
    // process ends itself at once (as kill -9 would) at the image's step number `dies`: the writes of
    // three ranges, then the sync before the journal goes.
    void killedPatchIsPutBackByTheNextOpen_data()
    {
        QTest::addColumn<int>("dies");
        QTest::newRow("after the first range") << 2;
        QTest::newRow("after the second range") << 3;
        QTest::newRow("after every range, before the sync") << 4;
    }
    void killedPatchIsPutBackByTheNextOpen()
    {
        QFETCH(int, dies);
        QTemporaryDir folder;
        const QString image = folder.filePath("killed.smc");
        const QByteArray before = makeRomImage();
        writeFile(image, before);
        QList<Patch> patches;
        for (const auto& [offset, bytes] :
             {std::pair{qint64(0x100), QByteArray("AAAA")}, std::pair{qint64(0x476E2), bytesFromHex(kExample)},
              std::pair{qint64(0x1FFFF0), QByteArray("BB")}})
            patches << Patch{offset, bytes, before.mid(offset, bytes.size())};
        const pid_t child = ::fork();
        if (child == 0) {
            int steps = 0;
            setIoFaultHook([&](IoStep step, qint64, qint64) {
                if (step != IoStep::Journal && ++steps == dies)
                    ::_exit(9);
                return IoFault{};
            });
            QFile file;
            openOrThrow(file, image, QIODevice::ReadWrite);
            const WriteLock lock(image);
            patchFile(file, image, patches, QStringLiteral("%1 %2"));
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 9);
        QVERIFY(readFile(image) != before);
        QCOMPARE(
            QDir(folder.path()).entryList({QStringLiteral(".vertiloom-*.journal")}, QDir::Files | QDir::Hidden).size(),
            1);

        QFile reopened;
        openOrThrow(reopened, image, QIODevice::ReadOnly);
        QCOMPARE(readFile(image), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"killed.smc"});
        const QStringList notices = takeNotices();
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0].contains(
                     QStringLiteral("(offsets 100 to 103 and 476E2 to 476FB and 1FFFF0 to 1FFFF1) were put back")),
                 qPrintable(notices[0]));
    }

    // What stands at the journal's name beside an image when it is opened twice: only the user's own
    // journal of this very image (a regular file owned by the user, who owns the image too, that no
    // one else may write) puts its old bytes back; anything else is left alone and named once, and
    // the image is read as it is. The setup makes the journal of "NEWB" at 100, torn (written
    // already) unless it says otherwise; %1 is the image, %2 the journal's name.
    void journalsBesideAnImage_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("said"); // the notice, or the first open's error; empty: nothing
        QTest::addColumn<bool>("putBack"); // the image ends as it was before the write
        QTest::addColumn<bool>("stays");   // the journal's name is still taken
        const QString putBack = "The last write into %1 was cut short: the program that made it ended before it was "
                                "done. The bytes it had been changing (offsets 100 to 103) were put back, so the file "
                                "is as it was before that write.";
        const QString removed = "%2 held the journal of a write that was cut short, but the file has changed since "
                                "(or the journal was damaged): the journal was removed and %1 was left as it is.";
        const QString leftAlone = "%2 beside %1 may be the journal of a write that was cut short, but it was left "
                                  "alone: %3. Nothing was written into %1, and it is read as it is.";
        QTest::newRow("own, cut short") << "own" << putBack << true << false;
        QTest::newRow("own, before its first byte")
            << "untouched"
            << "The last write into %1 was cut short before it changed any byte (the program that made it ended "
               "before it was done): the file is as it was before that write."
            << true << false;
        QTest::newRow("its writer holds the lock") << "locked"
                                                   << "" << false << true;
        QTest::newRow("wrong CRC32") << "crc" << removed << false << false;
        QTest::newRow("offset near 2^63") << "huge offset" << removed << false << false;
        QTest::newRow("empty range") << "empty range" << removed << false << false;
        QTest::newRow("another user's") << "other uid"
                                        << leftAlone.arg("%1", "%2", "it belongs to another user (uid 65534)") << false
                                        << true;
        QTest::newRow("the group may write it")
            << "group" << leftAlone.arg("%1", "%2", "users other than its owner may write into it") << false << true;
        QTest::newRow("symbolic link") << "link" << leftAlone.arg("%1", "%2", "it is a symbolic link") << false << true;
        QTest::newRow("image of another user")
            << "image uid" << leftAlone.arg("%1", "%2", "%1 belongs to another user (uid 65534)") << false << true;
        QTest::newRow("a folder") << "folder" << leftAlone.arg("%1", "%2", "it is not a regular file") << false << true;
        QTest::newRow("another file's") << "other file"
                                        << leftAlone.arg("%1", "%2", "it is the journal of another file") << false
                                        << true;
        QTest::newRow("can't be removed")
            << "immutable"
            << "The last write into %1 was cut short: the program that made it ended before it was done. The bytes it "
               "had been changing (offsets 100 to 103) were put back, so the file is as it was before that write, "
               "but its journal %2 could not be removed: Operation not permitted."
            << true << true;
        QTest::newRow("read-only mount, damaged")
            << "read-only crc"
            << "%2 beside %1 is the journal of a write that was cut short, but the file has changed since (or the "
               "journal is damaged): it was passed over and %1 was left as it is, but the journal could not be "
               "removed: Read-only file system."
            << false << true;
        QTest::newRow("read-only mount, cut short")
            << "read-only"
            << "A write into %1 was cut short (the program that made it ended before it was done), and its old bytes "
               "can't be put back: Read-only file system. They are kept in %2 beside it, and the editor tries again "
               "the next time it opens the file."
            << false << true;
    }
    void journalsBesideAnImage()
    {
        QFETCH(QString, setup);
        QFETCH(QString, said);
        QFETCH(bool, putBack);
        QFETCH(bool, stays);
        QTemporaryDir folder;
        const bool readOnly = setup.startsWith(QLatin1String("read-only"));
        const QString where = readOnly ? folder.filePath("mounted") : folder.path();
        if (readOnly) {
            QVERIFY(QDir().mkdir(where));
            if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=8m", "tmpfs", where}) != 0)
                QSKIP("mounting a tmpfs needs root");
        }
        const auto unmount = qScopeGuard([&] {
            if (readOnly)
                QProcess::execute(QStringLiteral("umount"), {where});
        });
        const QString image = where + QStringLiteral("/image.smc");
        const QString journal = where + QStringLiteral("/.vertiloom-0eb09834e3b1c258.journal");
        const QByteArray before = makeRomImage();
        QByteArray now = before;
        if (setup != QLatin1String("untouched"))
            putBytes(now, 0x100, "NEWB");
        writeFile(image, now);
        // "VLJ1", the image's name and size, one range (offset, old bytes, new bytes), a CRC32 of it all.
        qint64 offset = 0x100;
        QByteArray old = before.mid(0x100, 4), bytes = "NEWB";
        if (setup == QLatin1String("huge offset"))
            offset = std::numeric_limits<qint64>::max() - 1;
        if (setup == QLatin1String("empty range"))
            old = bytes = QByteArray();
        QByteArray content;
        QDataStream out(&content, QIODevice::WriteOnly);
        out << quint32(0x564C4A31) << QByteArray(setup == QLatin1String("other file") ? "other.smc" : "image.smc")
            << qint64(before.size()) << quint32(1) << offset << old << bytes;
        const auto crc = static_cast<quint32>(
            ::crc32(0, reinterpret_cast<const Bytef*>(content.constData()), static_cast<uInt>(content.size())));
        out << (setup.endsWith(QLatin1String("crc")) ? crc ^ 1 : crc);
        if (setup == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(journal));
        } else if (setup == QLatin1String("link")) {
            writeFile(where + QStringLiteral("/elsewhere.journal"), content);
            QVERIFY(QFile::link(QStringLiteral("elsewhere.journal"), journal));
        } else {
            writeFile(journal, content);
            QCOMPARE(::chmod(QFile::encodeName(journal).constData(), setup == QLatin1String("group") ? 0660 : 0600), 0);
        }
        if ((setup == QLatin1String("other uid") && ::chown(QFile::encodeName(journal).constData(), 65534, 65534) != 0)
            || (setup == QLatin1String("image uid")
                && ::chown(QFile::encodeName(image).constData(), 65534, 65534) != 0))
            QSKIP("giving a file to another user needs root");
        // An immutable journal can't be removed, not even by root.
        const int journalFd = ::open(QFile::encodeName(journal).constData(), O_RDONLY | O_NONBLOCK);
        int flags = 0;
        const bool immutable = setup == QLatin1String("immutable");
        if (immutable && ::ioctl(journalFd, FS_IOC_GETFLAGS, &flags) == 0)
            flags |= FS_IMMUTABLE_FL;
        if (immutable && (flags == 0 || ::ioctl(journalFd, FS_IOC_SETFLAGS, &flags) != 0))
            QSKIP("making a file immutable needs root and a file system that allows it");
        const auto mutate = qScopeGuard([&] {
            flags &= ~FS_IMMUTABLE_FL;
            if (immutable)
                ::ioctl(journalFd, FS_IOC_SETFLAGS, &flags);
            ::close(journalFd);
        });
        if (readOnly)
            QCOMPARE(QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", where}), 0);
        const int held = ::open(QFile::encodeName(image).constData(), O_RDONLY);
        QVERIFY(held >= 0 && (setup != QLatin1String("locked") || ::flock(held, LOCK_EX) == 0));
        const auto release = qScopeGuard([&] { ::close(held); });

        QStringList heard;
        for (int open = 0; open < 2; ++open) {
            try {
                QFile file;
                openOrThrow(file, image, QIODevice::ReadOnly);
                QCOMPARE(file.readAll(), readFile(image));
            } catch (const Error& e) {
                if (open == 0)
                    heard << e.message();
            }
        }
        heard << takeNotices();
        const QString name = QStringLiteral(".vertiloom-0eb09834e3b1c258.journal");
        QCOMPARE(heard, said.isEmpty() ? QStringList() : QStringList{said.replace("%1", image).replace("%2", name)});
        QCOMPARE(readFile(image), putBack ? before : now);
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(journal).constData(), &info) == 0, stays);
    }

    // A run killed while it saves files leaves its temporary files; the next save into the folder
    // removes them, but never the one of a writer that still runs (it holds the lock on it).
    void temporaryFilesOfKilledRunsAreRemoved()
    {
        QTemporaryDir folder;
        const auto temporaries = [&] {
            return QDir(folder.path()).entryList({QStringLiteral(".vertiloom-*.tmp")}, QDir::Files | QDir::Hidden);
        };
        const QString living = folder.filePath(".vertiloom-runs1234.tmp");
        writeFile(living, "someone else's");
        const int held = ::open(QFile::encodeName(living).constData(), O_RDONLY);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        const auto release = qScopeGuard([&] { ::close(held); });
        const pid_t child = ::fork();
        if (child == 0) {
            setIoFaultHook([](IoStep step, qint64, qint64) {
                if (step == IoStep::Sync)
                    ::_exit(9);
                return IoFault{};
            });
            saveWholeFiles({{folder.filePath("a.bin"), "a"}, {folder.filePath("b.bin"), "b"}}, Links::Refuse);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(temporaries().size(), 3);
        saveWholeFile(folder.filePath("c.bin"), "c", Links::Refuse);
        QCOMPARE(temporaries(), QStringList{".vertiloom-runs1234.tmp"});
        QCOMPARE(readFile(folder.filePath("c.bin")), QByteArray("c"));
    }

    // Nothing goes into an image while something stands in the way: a backup that is a link (to the
    // image itself, or to any other file), or another program writing the image (the first writer
    // is this test here, holding the image's lock: the export waits 2 s, then names it; a writer
    // done within them is waited for).
    void romExportStopsBeforeAnyByte_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("message"); // %1: the image, %2: this process
        const QString link =
            QStringLiteral("%1.bak is a symbolic link, and the editor writes this file only as a file of its own.");
        QTest::newRow("backup links to the image") << "image" << link;
        QTest::newRow("backup links to another file") << "other" << link;
        QTest::newRow("another program writes")
            << "lock"
            << "%1 is being written by another program (pid %2). Nothing was written: try again when it is done.";
        QTest::newRow("another program writes for 1.5 s") << "lock for 1.5 s"
                                                          << "";
    }
    void romExportStopsBeforeAnyByte()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString image = folder.filePath("image.smc");
        const QString other = folder.filePath("other.txt");
        writeFile(image, makeRomImage());
        writeFile(other, "other");
        int held = -1;
        std::thread writer;
        if (obstacle.startsWith(QLatin1String("lock"))) {
            held = ::open(QFile::encodeName(image).constData(), O_RDONLY);
            QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        } else {
            QVERIFY(QFile::link(obstacle == QLatin1String("image") ? image : other, image + QStringLiteral(".bak")));
        }
        if (obstacle == QLatin1String("lock for 1.5 s"))
            writer = std::thread([held] {
                QThread::msleep(1500);
                ::flock(held, LOCK_UN);
            });
        const auto release = qScopeGuard([&] {
            if (writer.joinable())
                writer.join();
            ::close(held);
        });
        Editor editor;
        prepare(editor);
        editor.form.setText(FieldId::memo(), QString::fromLatin1(kExample).remove(u' '));
        FakePlatform platform;
        platform.saveAnswers << image;
        platform.confirmAnswers << true;
        QByteArray expected = makeRomImage();
        if (message.isEmpty())
            putBytes(expected, 0x476E2, bytesFromHex(kExample));
        try {
            exportLetterToRom(editor, platform);
            QVERIFY2(message.isEmpty(), "the export should have been stopped");
        } catch (const Error& e) {
            QVERIFY2(!message.isEmpty() && e.message().contains(message.arg(image).arg(::getpid())),
                     qPrintable(e.message()));
        }
        QCOMPARE(readFile(image), expected);
        QCOMPARE(readFile(other), QByteArray("other"));
        QCOMPARE(QFileInfo(image + QStringLiteral(".bak")).isSymLink(), held < 0);
        QCOMPARE(platform.beeps, message.isEmpty() ? 1 : 0);
    }

    // The size rule is kept, but a file that crossed it since it was opened is not read the other
    // way without a word.
    void reloadAsksWhenTheFileChangedItsKind()
    {
        QByteArray image = makeRomImage();
        putBytes(image, 0x476E2, bytesFromHex(kExample));
        const QString file = path("shrinks.smc");
        writeFile(file, image);
        Editor editor;
        prepare(editor);
        load(editor, file);
        QByteArray letterSized = makeRomImage(1'000'000);
        const QByteArray other = bytesFromHex("01 0505 01 01 00 77 C1C2C3 0102030405060708");
        putBytes(letterSized, 0, other);
        writeFile(file, letterSized);

        const QStringList before = snapshot(editor);
        FakePlatform platform;
        platform.confirmAnswers << false << true;
        reloadLetter(editor, platform);
        QCOMPARE(platform.questions, QStringList{QStringLiteral("%1 is now 1,000,000 bytes: it will be read as a "
                                                                "letter file from its start. Load it?")
                                                     .arg(file)});
        QCOMPARE(snapshot(editor), before);
        reloadLetter(editor, platform);
        QCOMPARE(editor.form.text(FieldId::memo()), recordText(other));
        reloadLetter(editor, platform);
        QCOMPARE(platform.questions.size(), 2);
    }

    void translhextionForm_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("tags");
        QTest::addColumn<QString>("count");
        QTest::newRow("empty") << QString() << QString() << "0";
        QTest::newRow("record text") << "03FDEC"
                                     << "<bh:03><bh:fd><bh:ec>\r\n"
                                     << "3";
        QTest::newRow("odd length drops the last") << "0AB"
                                                   << "<bh:0a>\r\n"
                                                   << "1";
        QTest::newRow("a blank at an even position") << "0A1 BC"
                                                     << "<bh:0a><bh:bc>\r\n"
                                                     << "2";
    }
    void translhextionForm()
    {
        QFETCH(QString, memo);
        QFETCH(QString, tags);
        QFETCH(QString, count);
        Editor editor;
        prepare(editor);
        editor.form.setText(FieldId::memo(), memo);
        convertToTranslhextion(editor);
        QCOMPARE(editor.form.memoForm(), MemoForm::Translhextion);
        QCOMPARE(editor.form.text(FieldId::memo()), tags);
        QCOMPARE(editor.form.text(FieldId::label(32)), count);
        QVERIFY(!editor.form.enabled(FieldId::button(3)));
        QVERIFY(!editor.form.enabled(FieldId::button(7)));
        QVERIFY(editor.form.enabled(FieldId::button(6)));
        start(editor);
        QCOMPARE(editor.form.memoForm(), MemoForm::Plain);
        QVERIFY(editor.form.enabled(FieldId::button(3)));
    }

    void byteCountFollowsTyping()
    {
        Editor editor;
        prepare(editor);
        QString typed;
        const QStringList counts{"0", "1", "1", "2", "2", "3"};
        for (const QString& count : counts) {
            typed += u'A';
            editor.form.setText(FieldId::memo(), typed);
            QCOMPARE(editor.form.text(FieldId::label(32)), count);
        }
    }

    // Rows with a refusal expect it from applyIps when they hold a patch, else from createIps; the
    // others expect createIps to give the patch and applyIps to give back the modified image.
    void ipsPatches_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("modified");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char* name, const QByteArray& original, const QByteArray& modified,
                            const QByteArray& patch, const char* refusal = "") {
            QTest::newRow(name) << original << modified << patch << QString::fromUtf8(refusal);
        };
        const QByteArray blank = blankWith(16), eofArea = blankWith(0x454F60), reach = blankWith(kIpsReach + 1);
        row("same images", blank, blank, "PATCHEOF");
        row("one byte", blank, blankWith(16, 5, "\x42"), ips("000005 0001 42"));
        row("last byte", blank, blankWith(16, 15, "\x5A"), ips("00000F 0001 5A"));
        row("3 equal bytes stay data", blank, blankWith(16, 2, "AAA"), ips("000002 0003 414141"));
        row("4 equal bytes as RLE", blank, blankWith(16, 2, "AAAA"), ips("000002 0000 0004 41"));
        row("RLE of 9 after data", blank, blankWith(16, 2, "xyzAAAAAAAAA"),
            ips("000002 0003 78797A 000005 0000 0009 41"));
        row("RLE of 14 between data", blankWith(20), blankWith(20, 2, "xAAAAAAAAAAAAAAy"),
            ips("000002 0001 78 000003 0000 000E 41 000011 0001 79"));
        row("gap of 5 joined", blank, blankWith(16, 2, hex("010000000000 02")), ips("000002 0007 01000000000002"));
        row("gap of 6 skipped", blank, blankWith(16, 2, hex("01000000000000 02")),
            ips("000002 0001 01 000009 0001 02"));
        row("data at 454F46", eofArea, blankWith(0x454F60, 0x454F46, "\x01"), ips("454F45 0002 0001"));
        row("RLE at 454F46", eofArea, blankWith(0x454F60, 0x454F46, QByteArray(16, 'w')),
            ips("454F45 0002 0077 454F47 0000 000F 77"));
        row("RLE at 454F46 after its byte", blankWith(0x454F60, 0x454F45, "w"),
            blankWith(0x454F60, 0x454F45, QByteArray(17, 'w')), ips("454F45 0000 0011 77"));
        row("last offset below 16 MiB", reach, blankWith(kIpsReach + 1, kIpsReach - 1, "\x01"), ips("FFFFFF 0001 01"));
        QByteArray counted(0x10000, '\0');
        for (int i = 0; i < counted.size(); ++i)
            counted[i] = static_cast<char>(i % 255 + 1);
        const QByteArray split = blankWith(0x10010, 0x10, counted);
        row("65,536 bytes in two records", blankWith(0x10010), split,
            "PATCH" + hex("000010 FFFF") + counted.left(0xFFFF) + hex("01000F 0001 01") + "EOF");

        row("sizes differ", blank, blankWith(17), {}, "The original image is 16 bytes and the modified one 17 bytes:");
        row("change at 16 MiB", reach, blankWith(kIpsReach + 1, kIpsReach, "\x01"), {}, "differ at offset 0x1000000,");
        row("bad head", blank, {}, "PATCX" + hex("000000 0001 00") + "EOF", "does not begin with \"PATCH\"");
        row("head cut", blank, {}, "PATC", "does not begin with \"PATCH\"");
        row("head only", blank, {}, "PATCH", "it ends at byte 5 without its \"EOF\" marker");
        row("marker cut", blank, {}, "PATCH" + hex("000001 0001 AA") + "EO", "ends at byte 13 without");
        row("record head cut", blank, {}, "PATCH" + hex("000001 00"), "record 1 at byte 5 ends after the patch does");
        row("data cut", blank, {}, "PATCH" + hex("000001 0004 AABB"), "record 1 at byte 5 ends after");
        row("second record cut", blank, {}, "PATCH" + hex("000001 0001 AA 000002 0002 BB"), "record 2 at byte 11 ends");
        row("RLE cut", blank, {}, "PATCH" + hex("000001 0000 00"), "record 1 at byte 5 ends after");
        row("RLE without its byte", blank, {}, "PATCH" + hex("000001 0000 0004"), "record 1 at byte 5 ends after");
        row("RLE of 0", blank, {}, ips("000001 0000 0000 AA"), "Record 1 at byte 5 of the patch is malformed");
        row("no marker", blank, {}, "PATCH" + hex("000001 0001 AA"), "ends at byte 11 without its \"EOF\"");
        row("past the end", blank, {}, ips("000001 0001 AA 000010 0001 AA"),
            "Record 2 at byte 11 of the patch writes offsets 0x10 to 0x10, past the end of the image (16 bytes)");
        row("across the end", blank, {}, ips("00000F 0002 AABB"), "offsets 0xF to 0x10, past the end");
        row("beyond 16 MiB", blankWith(kIpsReach + 16), {}, ips("FFFFFF 0002 AABB"),
            "offsets 0xFFFFFF to 0x1000000, beyond the first 16 MiB");
        row("1 byte after the marker", blank, {}, ips("") + hex("00"), "marker at byte 5 and ends at byte 9;");
        row("4 bytes after the marker", blank, {}, ips("") + hex("00001000"), "marker at byte 5 and ends at byte 12;");
        row("another size after the marker", blank, {}, ips("") + hex("000020"), "an image of 32 bytes");
    }

    void ipsPatches()
    {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, modified);
        QFETCH(QByteArray, patch);
        QFETCH(QString, refusal);
        if (refusal.isEmpty()) {
            QCOMPARE(createIps(original, modified).toHex(' '), patch.toHex(' '));
            QCOMPARE(applyIps(original, patch), modified);
            // The 3-byte size some tools put after the marker, here the image's own.
            const QByteArray sized = QByteArray::number(original.size(), 16).rightJustified(6, '0');
            if (original.size() <= 0xFFFFFF)
                QCOMPARE(applyIps(original, patch + QByteArray::fromHex(sized)), modified);
            return;
        }
        try {
            patch.isNull() ? createIps(original, modified) : applyIps(original, patch);
            QFAIL("not refused");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(refusal), qPrintable(error.message()));
        }
    }

    void ipsRoundTripOfRandomImages()
    {
        QRandomGenerator random(20261209);
        for (int round = 0; round < 48; ++round) {
            const bool wide = round % 4 == 3; // around offset 454F46 and the 16 MiB edge
            const qint64 size = wide ? kIpsReach + 16 : 1 + random.bounded(0x10000);
            const qint64 limit = wide ? kIpsReach : size;
            // Runs of one byte, noise, or a byte with some noise; in wide images one run of 64 KiB or more
            // and starts at 454F46 often, from a few byte values so that the byte before may match.
            const auto scribble = [&](QByteArray& image) {
                for (int edit = random.bounded(1, 12); edit >= 0; --edit) {
                    const bool longRun = wide && edit == 0;
                    const qint64 length =
                        std::min<qint64>(limit, longRun ? random.bounded(65500, 65800) : random.bounded(1, 300));
                    const qint64 centre = wide ? (edit % 2 ? kIpsReach - 1 : 0x454F46) : random.bounded(size);
                    const qint64 back = random.bounded(wide ? 2 : 3) == 0 ? 0 : random.bounded(length + 1);
                    const qint64 offset = std::clamp<qint64>(centre - back, 0, limit - length);
                    const int style = random.bounded(3);
                    const char fill = static_cast<char>(random.bounded(wide ? 4 : 256));
                    for (qint64 i = offset; i < offset + length; ++i)
                        image[i] = style == 1 || (style == 2 && random.bounded(16) == 0)
                                       ? static_cast<char>(random.bounded(256))
                                       : fill;
                }
            };
            QByteArray original(size, '\0');
            for (qint64 i = 0; !wide && i < size; ++i)
                original[i] = static_cast<char>(random.bounded(round % 2 ? 256 : 3));
            if (wide)
                scribble(original);
            QByteArray modified = original;
            scribble(modified);
            QCOMPARE(applyIps(original, createIps(original, modified)), modified);
        }
    }
};

} // namespace

QTEST_MAIN(RecordTest)
#include "test_record.moc"
