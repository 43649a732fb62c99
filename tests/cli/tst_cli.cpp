// vertiloom-cli run as a user runs it, with no display and no platform chosen: exit statuses and
// output of each sub-command on the sample image, pictures against the core's preview, files
// written or left alone.
#include "commands/commands.h"
#include "formats/bps.h"
#include "formats/svg.h"
#include "record/ips.h"
#include "record/journal.h"
#include "rom/sample.h"
#include "support/fakeplatform.h"
#include "support/romimage.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace vertiloom;
using namespace vertiloom::test;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The sample image with one letter record wiped: none of the known dumps fits it any more.
QByteArray unknownImage()
{
    QByteArray image = sampleRomImage();
    putBytes(image, 0x47EFD, QByteArray(40, '\xFF'));
    return image;
}

// The sample image with a cartridge header at 7FC0 whose checksum (0000, complement FFFF) is not the
// image's own (181E).
QByteArray cartridgeImage()
{
    QByteArray image = sampleRomImage();
    putBytes(image, 0x7FC0,
             bytesFromHex("53 41 4D 50 4C 45 20 54 49 54 4C 45 20 20 20 20 20 20 20 20 20 "
                          "20 00 0B 00 01 33 00 FF FF 00 00"));
    return image;
}

// The preview as the window shows it after the file is opened at addr, through the core.
QImage preview(const QString& file, const QString& addr, bool numbers, bool axes)
{
    Editor editor;
    FakePlatform platform;
    startUp(editor);
    if (!numbers) {
        editor.form.setChecked(FieldId::checkBox(21), false);
        showPointNumbers(editor);
    }
    if (!axes) {
        editor.form.setChecked(FieldId::checkBox(22), false);
        showAxes(editor);
    }
    if (!addr.isEmpty())
        editor.form.setText(FieldId::addr(), addr);
    openDroppedFile(editor, platform, file);
    return composedPreview(editor).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString image_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // No DISPLAY and no QT_QPA_PLATFORM: the program must choose a platform that needs no display. It
    // speaks English (LC_ALL=C.UTF-8, none of the other variables that name a language), or the
    // language of the variables given as NAME=VALUE in place of those.
    static QProcessEnvironment environment(const QStringList& language = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QString::fromLatin1(name));
        if (language.isEmpty())
            environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        for (const QString& variable : language)
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        return environment;
    }

    Run cli(QStringList args, const QStringList& language = {})
    {
        for (QString& arg : args)
            arg.replace(QStringLiteral("@"), dir_.path() + u'/');
        QProcess process;
        process.setProcessEnvironment(environment(language));
        process.start(QStringLiteral(VERTILOOM_CLI), args);
        if (!process.waitForFinished(60000))
            qFatal("vertiloom-cli did not finish");
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        image_ = path(QStringLiteral("sample.smc"));
        for (const QString& name : QDir(dir_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY(QFileInfo(path(name)).isDir() ? QDir(path(name)).removeRecursively() : QFile::remove(path(name)));
        writeFile(image_, sampleRomImage());
        writeFile(path(QStringLiteral("unknown.smc")), unknownImage());
        writeFile(path(QStringLiteral("headered.smc")), QByteArray(512, '\0') + sampleRomImage());
        writeFile(path(QStringLiteral("cartridge.smc")), cartridgeImage());
        for (int position : {1, 9, 16})
            writeFile(path(QStringLiteral("letter%1.bin").arg(position)), sampleLetter(position).toBytes());
        QFile huge(path(QStringLiteral("huge.smc")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(Q_INT64_C(16) << 30)); // sparse: no disk used
    }

    // The language of the messages comes from the environment as for gettext's tools: the first of
    // LANGUAGE (a list), LC_ALL, LC_MESSAGES and LANG that names a language the program speaks, "C"
    // naming English.
    void language_data()
    {
        QTest::addColumn<QStringList>("language");
        QTest::addColumn<QString>("err");
        const QString russian = QStringLiteral("vertiloom-cli checksum: Заголовок картриджа не найден ни по 7FC0, ни "
                                               "по FFC0: сравнивать нечего.\n");
        const QString english = QStringLiteral("vertiloom-cli checksum: No cartridge header was found at 7FC0 or "
                                               "FFC0: there is no checksum to compare.\n");
        QTest::newRow("LANGUAGE=ru") << QStringList{QStringLiteral("LANGUAGE=ru")} << russian;
        QTest::newRow("LANG=ru_RU.UTF-8") << QStringList{QStringLiteral("LANG=ru_RU.UTF-8")} << russian;
        QTest::newRow("LANGUAGE=it:ru, no Italian") << QStringList{QStringLiteral("LANGUAGE=it:ru")} << russian;
        QTest::newRow("LC_ALL=C before LANG=ru")
            << QStringList{QStringLiteral("LC_ALL=C"), QStringLiteral("LANG=ru")} << english;
        QTest::newRow("LANG=pt, no such language") << QStringList{QStringLiteral("LANG=pt")} << english;
    }

    void language()
    {
        QFETCH(QStringList, language);
        QFETCH(QString, err);
        const Run run = cli({QStringLiteral("checksum"), QStringLiteral("@sample.smc")}, language);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, err);
    }

    void invocations_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto row = [](const char* name, QStringList args, int status, const char* out, const char* err) {
            QTest::newRow(name) << args << status << QString::fromUtf8(out) << QString::fromUtf8(err);
        };
        row("nothing", {}, 2, "", "give a command");
        row("unknown command", {"frobnicate"}, 2, "", "no command is called \"frobnicate\"");
        row("overview", {"--help"}, 0, "  import    A letter file written into the image", "");
        row("version", {"--version"}, 0, "vertiloom-cli 0.1", "");
        for (const char* command : {"info", "list", "render", "extract", "import", "fit", "words", "checksum", "patch"})
            row(command, {command, "--help"}, 0, "Usage: vertiloom-cli ", "");
        row("info usage", {"info", "-h"}, 0, "Usage: vertiloom-cli info [options] IMAGE", "");
        row("info", {"info", "@sample.smc"}, 0,
            "CRC32:         C36C0BAF\nMD5:           fe48cdc466eca55c98180dd61a0c4d2d\n"
            "SHA-1:         d0ac81164e6336a62158ce429a5bb44566e1b37c\nCopier header: no\n"
            "Cartridge:     no header at 7FC0 or FFC0\nChecksum:      the image's own is 311D (the 16-bit sum of its "
            "bytes); no header holds one to compare\nDumps:         1 Brindle (U) (V1.0)",
            "");
        row("info words", {"info", "@sample.smc"}, 0,
            "PAUSE:         \"PAUSE\" (0001020304)\nGAME OVER:     \"GAMEOVER\"", "");
        row("info letter file", {"info", "@letter1.bin"}, 0, "Size:          42 bytes", "");
        row("info missing", {"info", "@none.smc"}, 1, "", "File not found");
        row("info unknown option", {"info", "@sample.smc", "--colour"}, 2, "", "Unknown option 'colour'");
        row("info two files", {"info", "@sample.smc", "@sample.smc"}, 2, "", "Too many arguments");
        row("info cartridge header", {"info", "@cartridge.smc"}, 0,
            "Copier header: no\nCartridge:     header at 7FC0, the low place\nTitle:         \"SAMPLE TITLE\"\n"
            "Map mode:      20 (LoROM)\nROM size:      0B (2 MiB)\nCountry:       01 (North America)\n"
            "Version:       1.0\nChecksum:      stored 0000, complement FFFF; the image's own is 181E",
            "");
        row("checksum no header", {"checksum", "@sample.smc"}, 1, "Cartridge:     no header at 7FC0 or FFC0",
            "No cartridge header was found at 7FC0 or FFC0");
        row("checksum --fix no header", {"checksum", "@sample.smc", "--fix"}, 1, "",
            "there is no checksum to compare. Nothing was written.");
        row("checksum wrong", {"checksum", "@cartridge.smc"}, 1, "Title:         \"SAMPLE TITLE\"",
            "The header's checksum does not match the image's own (--fix sets it).");
        row("list", {"list", "@sample.smc"}, 0, " 9  I (17) 30    478EC          30      22       2         1", "");
        row("list other dump", {"list", "@sample.smc", "--dump", "2"}, 0,
            "2 Brindle (E) (M3) (V1.0), no header: not every letter fits", "");
        row("list dump 6", {"list", "@sample.smc", "--dump", "6"}, 2, "", "--dump takes a whole number from 1 to 5");
        row("list dump 5", {"list", "@sample.smc", "--dump", "5"}, 0,
            "5 Brindle (U) (M3) (V1.1), no header: not every letter fits", "");
        row("list letter file", {"list", "@letter1.bin"}, 1, "", "is a letter file of 42 bytes");
        row("render no output", {"render", "@sample.smc"}, 2, "", "Give the picture to write with -o FILE.");
        row("render both", {"render", "@sample.smc", "--letter", "A", "--offset", "47738", "-o", "@a.png"}, 2, "",
            "Give --letter or --offset, not both.");
        row("render no such letter", {"render", "@sample.smc", "--letter", "Z", "-o", "@a.png"}, 2, "",
            "No catalogue letter is labelled \"Z\".");
        row("render bad offset", {"render", "@sample.smc", "--offset", "0x47738", "-o", "@a.png"}, 2, "",
            "--offset takes a hexadecimal file offset");
        row("render scale 0", {"render", "@sample.smc", "--scale", "0", "-o", "@a.png"}, 2, "", "--scale takes");
        row("render letter file at letter", {"render", "@letter1.bin", "--letter", "P", "-o", "@a.png"}, 2, "",
            "is a letter file (42 bytes)");
        row("render no record", {"render", "@sample.smc", "--offset", "10", "-o", "@a.png"}, 1, "",
            "The letter at offset 10 has 255 points; the editor holds at most 20.");
        row("render over input", {"render", "@sample.smc", "-o", "@sample.smc"}, 1, "", "is the file being read");
        row("render, an argument a GUI application takes", {"render", "@sample.smc", "-o", "@a.png", "--reverse"}, 2,
            "", "Unknown option 'reverse'.");
        row("sheet of an unknown image", {"render", "@unknown.smc", "--all", "-o", "@u.png"}, 0, "",
            "D (63) 106: The letter at offset 47EFD has 255 points");
        row("extract over an image", {"extract", "@sample.smc", "--letter", "P", "-o", "@unknown.smc"}, 1, "",
            "Not written: ");
        row("extract neither", {"extract", "@sample.smc", "-o", "@x.bin"}, 2, "",
            "Give one letter with --letter or --offset, or --all.");
        row("extract into a file", {"extract", "@sample.smc", "--all", "-o", "@letter1.bin"}, 1, "",
            "Cannot make the folder");
        row("import no letter", {"import", "@sample.smc", "@letter1.bin"}, 2, "", "Give the letter to replace");
        row("import into letter file", {"import", "@letter9.bin", "@letter1.bin", "--letter", "P"}, 1, "",
            "is a letter file of 22 bytes, not a ROM image");
        row("import an image", {"import", "@sample.smc", "@unknown.smc", "--letter", "P"}, 1, "",
            "is a ROM image, not a letter file");
        row("ips what", {"ips", "merge", "@sample.smc", "@unknown.smc", "-o", "@x.ips"}, 2, "",
            "create or apply, not \"merge\"");
        row("ips no output", {"ips", "create", "@sample.smc", "@unknown.smc"}, 2, "",
            "Give the file to write with -o FILE.");
        row("ips sizes", {"ips", "create", "@sample.smc", "@letter1.bin", "-o", "@x.ips"}, 1, "",
            "The original image is 2,097,152 bytes and the modified one 42 bytes");
        row("ips no patch", {"ips", "apply", "@sample.smc", "@letter1.bin", "-o", "@x.smc"}, 1, "",
            "This is not an IPS patch");
        row("ips over input", {"ips", "create", "@unknown.smc", "@sample.smc", "-o", "@sample.smc"}, 1, "",
            "is the file being read");
        row("ips apply over its image", {"ips", "apply", "@sample.smc", "@letter1.bin", "-o", "@sample.smc"}, 1, "",
            "is the file being read");
        row("patch what", {"patch", "merge", "@sample.smc", "@unknown.smc", "-o", "@x.bps"}, 2, "",
            "create, apply or info, not \"merge\"");
        row("patch other ending", {"patch", "create", "@sample.smc", "@unknown.smc", "-o", "@x.txt"}, 2, "",
            "The patch's name ends in .bps or .ips, which says its format");
        row("patch no patch", {"patch", "apply", "@sample.smc", "@letter1.bin", "-o", "@x.smc"}, 1, "",
            "letter1.bin is no patch this editor knows");
        row("patch over its image", {"patch", "apply", "@sample.smc", "@letter1.bin", "-o", "@sample.smc"}, 1, "",
            "is the file being read");
        row("patch over the patch", {"patch", "apply", "@sample.smc", "@letter1.bin", "-o", "@letter1.bin"}, 1, "",
            "letter1.bin is the file being read");
        row("patch -o empty", {"patch", "create", "@sample.smc", "@unknown.smc", "-o", ""}, 2, "", "--output is empty");
        row("patch .BPS", {"patch", "create", "@sample.smc", "@unknown.smc", "-o", "@x.BPS"}, 0, "x.BPS: 35 bytes.",
            "");
        row("patch one image headered", {"patch", "create", "@sample.smc", "@headered.smc", "-o", "@x.bps"}, 1, "",
            "sample.smc has none (2,097,152 bytes): a patch between them would carry the header as part of the game. "
            "Give both images with a header or both without, or make the patch between the files as they stand with "
            "vertiloom-cli patch create --exact. Nothing was written.");
        row("patch IPS metadata",
            {"patch", "create", "@sample.smc", "@unknown.smc", "-o", "@x.ips", "--metadata", "me"}, 2, "",
            "--metadata is for a BPS patch.");
        row("words short", {"words", "@sample.smc", "--set-pause", "STOP"}, 2, "", "--set-pause takes 5 characters");
        row("words table of an image", {"words", "@sample.smc", "--table"}, 2, "",
            "--table writes the game's tile codes");
        row("words -o without --table", {"words", "@sample.smc", "-o", "@x.tbl"}, 2, "", "-o is for --table");
        row("drawing at a scale", {"render", "@sample.smc", "--scale", "2", "-o", "@a.svg"}, 2, "",
            "--scale, --no-numbers, --no-axes and --all are for a PNG picture");
        row("sheet as a drawing", {"render", "@sample.smc", "--all", "-o", "@a.SVG"}, 2, "",
            "--scale, --no-numbers, --no-axes and --all are for a PNG picture");
        // Files too large for any image are refused before they are read; names must name a file.
        row("info over 64 MiB", {"info", "@huge.smc"}, 1, "",
            "huge.smc is 17,179,869,184 bytes: no ROM image of the game is that large");
        row("import over 64 MiB", {"import", "@huge.smc", "@letter1.bin", "--letter", "P"}, 1, "",
            "huge.smc is 17,179,869,184 bytes");
        row("extract -o empty", {"extract", "@sample.smc", "--letter", "A", "-o", ""}, 2, "", "--output is empty");
        row("extract --output=", {"extract", "@sample.smc", "--letter", "A", "--output="}, 2, "", "--output is empty");
        row("info of no name", {"info", ""}, 2, "", "An argument is empty");
        const QByteArray longest = "@" + QByteArray(251, 'L') + ".bin"; // 255 bytes, the most a name may have
        row("extract to a 255-byte name", {"extract", "@sample.smc", "--letter", "P", "-o", longest.constData()}, 0,
            "(42 bytes)", "");
        row("extract to a 256-byte name",
            {"extract", "@sample.smc", "--letter", "P", "-o", ("@L" + longest.mid(1)).constData()}, 1, "",
            ": File name too long. ");
    }

    void invocations()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run run = cli(args);
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        QCOMPARE(run.status, status);
        if (status == 2 && !args.isEmpty() && args.front() != QLatin1String("frobnicate"))
            QVERIFY(run.err.contains(QStringLiteral("Usage: vertiloom-cli ")));
        QCOMPARE(readFile(image_), sampleRomImage());
    }

    void info_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // empty: the file as init() wrote it
        QTest::addColumn<QString>("expected");
        QTest::newRow("sample")
            << "sample.smc" << QByteArray()
            << R"j({"size":2097152,"crc32":"C36C0BAF","md5":"fe48cdc466eca55c98180dd61a0c4d2d","sha1":
            "d0ac81164e6336a62158ce429a5bb44566e1b37c","copierHeader":false,"cartridge":null,"dumps":[{"dump":1,"caption":
            "Brindle (U) (V1.0)","header":0,"wordsKnown":true}],"wordsDump":1,"wordsHeader":0,"pause":"PAUSE",
            "pauseBytes":"0001020304","gameOver":"GAMEOVER","gameOverBytes":"1501160417180419"})j";
        QTest::newRow("copier header")
            << "headered.smc" << QByteArray(512, '\0') + sampleRomImage()
            << R"j({"size":2097664,"crc32":"C36C0BAF","md5":"fe48cdc466eca55c98180dd61a0c4d2d","sha1":
            "d0ac81164e6336a62158ce429a5bb44566e1b37c","copierHeader":true,"cartridge":null,"dumps":[{"dump":1,
            "caption":"Brindle (U) (V1.0)","header":512,"wordsKnown":true}],"wordsDump":1,"wordsHeader":512,"pause":
            "PAUSE","pauseBytes":"0001020304","gameOver":"GAMEOVER","gameOverBytes":"1501160417180419"})j";
        QTest::newRow("cartridge header")
            << "cartridge.smc" << QByteArray()
            << R"j({"size":2097152,"crc32":"1DB7DD1D","md5":"11176bf5a5501dbbdea542c52a622c69",
            "sha1":"18fa2a84aba88507218426c4f1cf0261904c8eec","copierHeader":false,"cartridge":{"place":"low","offset":
            "7FC0","title":"SAMPLE TITLE","mapMode":"20","mapModeName":"LoROM","romSize":"0B","romSizeName":"2 MiB",
            "country":"01","countryName":"North America","version":"1.0","checksum":"0000","complement":"FFFF",
            "imageChecksum":"181E","matches":false},"dumps":[{"dump":1,"caption":"Brindle (U) (V1.0)","header":0,
            "wordsKnown":true}],"wordsDump":1,"wordsHeader":0,"pause":"PAUSE","pauseBytes":"0001020304","gameOver":
            "GAMEOVER","gameOverBytes":"1501160417180419"})j";
        QTest::newRow("blank")
            << "blank.smc" << QByteArray(2'097'152, '\xFF')
            << R"j({"size":2097152,"crc32":"9A4109E5","md5":"b23b5d09162b92c0284923a7f628d2a5","sha1":
            "ba59caac5f5a80fc52c507d8a47f322a380aa9a1","copierHeader":false,"cartridge":null,"dumps":[],"wordsDump":1,
            "wordsHeader":0,"pause":"?????","pauseBytes":"FFFFFFFFFF","gameOver":"????????","gameOverBytes":
            "FFFFFFFFFFFFFFFF"})j";
        QTest::newRow("letter file")
            << "letter1.bin" << QByteArray()
            << R"j({"size":42,"crc32":"D89280DD","md5":"e5762ee6faa8f9b3000a3fdb68b4ff6a","sha1":
            "0c8baf81b15340cd632c8e4704082dbf1e316a18","copierHeader":false,"cartridge":null,"dumps":[],"wordsDump":1,
            "wordsHeader":0,"wordsError":"a letter file, not a ROM image: it holds no words"})j";
    }

    void info()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        if (!content.isEmpty())
            writeFile(path(file), content);
        const Run run = cli({QStringLiteral("info"), u'@' + file, QStringLiteral("--json")});
        QCOMPARE(run.status, 0);
        QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(json.take(QStringLiteral("file")).toString(), path(file));
        QCOMPARE(json, QJsonDocument::fromJson(expected.toUtf8()).object());
    }

    // --fix writes the image's own checksum and its complement, those 4 bytes and no other, after a
    // copier header too; the image as it was is kept beside it, and the check passes afterwards.
    void fixChecksum_data()
    {
        QTest::addColumn<QByteArray>("copier");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<QString>("wrote");
        QTest::newRow("no copier header")
            << QByteArray() << qint64(0x7FDC) << "Wrote the checksum 181E and its complement E7E1 at offset 7FDC of ";
        QTest::newRow("copier header") << QByteArray(512, '\0') << qint64(0x81DC)
                                       << "Wrote the checksum 181E and its complement E7E1 at offset 81DC of ";
    }

    void fixChecksum()
    {
        QFETCH(QByteArray, copier);
        QFETCH(qint64, at);
        QFETCH(QString, wrote);
        const QByteArray before = copier + cartridgeImage();
        writeFile(path(QStringLiteral("fix.smc")), before);
        const Run fixed = cli({QStringLiteral("checksum"), QStringLiteral("@fix.smc"), QStringLiteral("--fix")});
        QCOMPARE(fixed.status, 0);
        QVERIFY2(fixed.out.contains(wrote), qPrintable(fixed.out));
        const QByteArray after = readFile(path(QStringLiteral("fix.smc")));
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.mid(at, 4), bytesFromHex("E1 E7 1E 18"));
        QCOMPARE(after.left(at) + after.mid(at + 4), before.left(at) + before.mid(at + 4));
        QCOMPARE(readFile(path(QStringLiteral("fix.smc.bak"))), before);
        const Run check = cli({QStringLiteral("checksum"), QStringLiteral("@fix.smc")});
        QCOMPARE(check.status, 0);
        QVERIFY2(
            check.out.contains(QStringLiteral("stored 181E, complement E7E1; the image's own is 181E (the 16-bit sum "
                                              "of its bytes): they match")),
            qPrintable(check.out));
        const Run again = cli({QStringLiteral("checksum"), QStringLiteral("@fix.smc"), QStringLiteral("--fix")});
        QCOMPARE(again.status, 0);
        QVERIFY(again.out.contains(QStringLiteral("Nothing to set: nothing was written.")));
        QCOMPARE(readFile(path(QStringLiteral("fix.smc"))), after);
    }

    // --fix sums the image under its lock: an image that another writer changes while --fix waits for
    // the lock gets the checksum of its new bytes (flock(1) holds the lock here, and clears byte 100000, an FF).
    void fixChecksumSumsUnderTheLock()
    {
        const QString image = path(QStringLiteral("fix.smc"));
        writeFile(image, cartridgeImage());
        QProcess holder;
        holder.start(QStringLiteral("flock"),
                     {QStringLiteral("-x"), image, QStringLiteral("-c"),
                      QStringLiteral("echo locked; sleep 1; printf '\\000' | dd of='%1' bs=1 seek=1048576 "
                                     "conv=notrunc status=none")
                          .arg(image)});
        QVERIFY(holder.waitForReadyRead(10000));
        const Run run = cli({QStringLiteral("checksum"), QStringLiteral("@fix.smc"), QStringLiteral("--fix")});
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("Wrote the checksum 171F and its complement E8E0 at offset 7FDC")),
                 qPrintable(run.out));
        const QByteArray after = readFile(image);
        QCOMPARE(after.mid(0x100000, 1), QByteArray(1, '\0'));
        QCOMPARE(after.mid(0x7FDC, 4), bytesFromHex("E0 E8 1F 17"));
    }

    void list_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("dump");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("P") << "sample.smc" << 0 << 1
                           << R"j({"position":1,"label":"P (59) 86","offset":"476E2","catalogueLength":86,"valid":true,
            "length":42,"points":7,"polygons":1})j";
        QTest::newRow("!!")
            << "sample.smc" << 1 << 7
            << R"j({"position":7,"label":"!! (82) 117","offset":"47F67","catalogueLength":117,"valid":true,
            "length":73,"points":8,"polygons":4})j";
        QTest::newRow("R")
            << "sample.smc" << 0 << 24
            << R"j({"position":24,"label":"R (70) 105","offset":"47E26","catalogueLength":105,"valid":true,
            "length":59,"points":9,"polygons":2})j";
        QTest::newRow("P, dump 2")
            << "sample.smc" << 2 << 1
            << R"j({"position":1,"label":"P (59) 86","offset":"47639","catalogueLength":86,"valid":
            false,"reason":"The letter at offset 47639 has 255 points; the editor holds at most 20."})j";
        QTest::newRow("D, unknown")
            << "unknown.smc" << 0 << 6
            << R"j({"position":6,"label":"D (63) 106","offset":"47EFD","catalogueLength":106,"valid":
            false,"reason":"The letter at offset 47EFD has 255 points; the editor holds at most 20."})j";
        // Behind a copier header the dump asked for is read 512 bytes further on, though it does not fit.
        QTest::newRow("P, dump 2, copier header")
            << "headered.smc" << 2 << 1 << R"j({"position":1,"label":"P (59) 86","offset":"47839","catalogueLength":86,
            "valid":false,"reason":"The letter at offset 47839 has 255 points; the editor holds at most 20."})j";
    }

    void list()
    {
        QFETCH(QString, file);
        QFETCH(int, dump);
        QFETCH(int, position);
        QFETCH(QString, expected);
        QStringList args{QStringLiteral("list"), u'@' + file, QStringLiteral("--json")};
        if (dump != 0)
            args << QStringLiteral("--dump") << QString::number(dump);
        const Run run = cli(args);
        QCOMPARE(run.status, 0);
        const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(json.value(QStringLiteral("dump")).toInt(), dump == 0 ? 1 : dump);
        QCOMPARE(json.value(QStringLiteral("fits")).toBool(), dump < 2 && file == QLatin1String("sample.smc"));
        const QJsonArray letters = json.value(QStringLiteral("letters")).toArray();
        QCOMPARE(letters.size(), 24);
        QCOMPARE(letters.at(position - 1).toObject(), QJsonDocument::fromJson(expected.toUtf8()).object());
    }

    void render_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("letter");
        QTest::addColumn<QString>("addr");
        QTest::addColumn<bool>("numbers");
        QTest::addColumn<bool>("axes");
        QTest::addColumn<int>("scale");
        QTest::newRow("first letter") << "sample.smc" << QStringList{} << "476E2" << true << true << 1;
        QTest::newRow("A by label, x3") << "sample.smc" << QStringList{"--letter", "A (57) 84"} << "47738" << false
                                        << true << 3;
        QTest::newRow("!! by offset") << "sample.smc" << QStringList{"--offset", "47f67"} << "47F67" << true << false
                                      << 1;
        QTest::newRow("R bare, x2") << "sample.smc" << QStringList{"--letter", "R"} << "47E26" << false << false << 2;
        QTest::newRow("letter file") << "letter16.bin" << QStringList{} << "" << true << true << 1;
        QTest::newRow("largest scale, x16") << "sample.smc" << QStringList{} << "476E2" << false << true << 16;
    }

    void render()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, letter);
        QFETCH(QString, addr);
        QFETCH(bool, numbers);
        QFETCH(bool, axes);
        QFETCH(int, scale);
        QStringList args{QStringLiteral("render"),  u'@' + file,
                         QStringLiteral("-o"),      QStringLiteral("@out.png"),
                         QStringLiteral("--scale"), QString::number(scale)};
        args << letter;
        if (!numbers)
            args << QStringLiteral("--no-numbers");
        if (!axes)
            args << QStringLiteral("--no-axes");
        const Run run = cli(args);
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QImage png = QImage(path(QStringLiteral("out.png"))).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(png.size(), QSize(255 * scale, 255 * scale));
        const QImage expected = preview(path(file), addr, numbers, axes);
        QCOMPARE(png, expected.scaled(png.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
        // A pixel of the axis x = 64, far from every point number.
        QCOMPARE(png.pixel(64 * scale, 10 * scale), axes ? qRgb(171, 171, 171) : qRgb(0, 0, 0));
    }

    void renderSheet()
    {
        const Run run = cli({QStringLiteral("render"), QStringLiteral("@sample.smc"), QStringLiteral("--all"),
                             QStringLiteral("-o"), QStringLiteral("@sheet.png"), QStringLiteral("--no-numbers")});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QImage sheet = QImage(path(QStringLiteral("sheet.png"))).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sheet.size(), QSize(1586, 1148));
        QCOMPARE(sheet.pixel(0, 0), qRgb(48, 48, 48));
        QCOMPARE(sheet.copy(8, 8, 255, 255), preview(image_, QStringLiteral("476E2"), false, true));
        QCOMPARE(sheet.copy(1323, 863, 255, 255), preview(image_, QStringLiteral("47E26"), false, true));
    }

    void extract_data()
    {
        QTest::addColumn<QStringList>("letter");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("size");
        QTest::newRow("P") << QStringList{"--letter", "P"} << 1 << 42;
        QTest::newRow("!!") << QStringList{"--letter", "!! (82) 117"} << 7 << 73;
        QTest::newRow("8 by offset") << QStringList{"--offset", "47B3B"} << 16 << 55;
    }

    void extract()
    {
        QFETCH(QStringList, letter);
        QFETCH(int, position);
        QFETCH(int, size);
        const Run run = cli(QStringList{QStringLiteral("extract"), QStringLiteral("@sample.smc"), QStringLiteral("-o"),
                                        QStringLiteral("@letter1.bin")}
                            + letter);
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QByteArray written = readFile(path(QStringLiteral("letter1.bin")));
        QCOMPARE(written.size(), size);
        QCOMPARE(written, sampleLetter(position).toBytes());
    }

    void extractAll()
    {
        const Run run = cli({QStringLiteral("extract"), QStringLiteral("@sample.smc"), QStringLiteral("--all"),
                             QStringLiteral("-o"), QStringLiteral("@letters")});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QDir letters(path(QStringLiteral("letters")));
        QCOMPARE(letters.entryList(QDir::Files, QDir::Name),
                 QStringList({"0_47889.bin", "2_4790A.bin", "3_47956.bin", "4_479B3.bin",     "5_47A18.bin",
                              "6_47A8E.bin", "7_47AF3.bin", "8_47B3B.bin", "9_47BDD.bin",     "A_47738.bin",
                              "C_47C71.bin", "D_47EFD.bin", "E_47824.bin", "G_47D1C.bin",     "I_478EC.bin",
                              "L_47C3E.bin", "M_47D8C.bin", "P_476E2.bin", "R_47E26.bin",     "S_477DC.bin",
                              "T_47CE5.bin", "U_4778C.bin", "V_47DED.bin", "x21x21_47F67.bin"}));
        QCOMPARE(readFile(letters.filePath(QStringLiteral("x21x21_47F67.bin"))), sampleLetter(7).toBytes());
        // Each file holds the record at the offset in its name, not its neighbour's.
        for (const QString& name : letters.entryList(QDir::Files)) {
            const QByteArray content = readFile(letters.filePath(name));
            QCOMPARE(content, sampleRomImage().mid(name.section(u'_', -1).section(u'.', 0, 0).toLongLong(nullptr, 16),
                                                   content.size()));
        }
        // A letter that can't be read stops them all before the first file is written.
        const Run refused = cli({QStringLiteral("extract"), QStringLiteral("@unknown.smc"), QStringLiteral("--all"),
                                 QStringLiteral("-o"), QStringLiteral("@others")});
        QCOMPARE(refused.status, 1);
        QVERIFY2(refused.err.contains(QStringLiteral("D (63) 106: The letter at offset 47EFD has 255 points")),
                 qPrintable(refused.err));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("others"))));
        // A link planted among the letter files is not followed out of the folder.
        QVERIFY(QDir().mkdir(path(QStringLiteral("planted"))));
        writeFile(path(QStringLiteral("outside.bin")), "outside");
        QVERIFY(QFile::link(path(QStringLiteral("outside.bin")), path(QStringLiteral("planted/P_476E2.bin"))));
        const Run planted = cli({QStringLiteral("extract"), QStringLiteral("@sample.smc"), QStringLiteral("--all"),
                                 QStringLiteral("-o"), QStringLiteral("@planted")});
        QCOMPARE(planted.status, 1);
        QVERIFY2(planted.err.contains(QStringLiteral("P_476E2.bin is a symbolic link")), qPrintable(planted.err));
        QCOMPARE(readFile(path(QStringLiteral("outside.bin"))), QByteArray("outside"));
        QCOMPARE(QDir(path(QStringLiteral("planted"))).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"P_476E2.bin"});
    }

    void import_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<qint64>("offset"); // where the letter lands; -1: nothing written
        QTest::addColumn<int>("position");
        QTest::newRow("shorter") << "sample.smc" << QStringList{"@letter9.bin", "--letter", "8"} << 0
                                 << "Wrote the 22-byte record at offset 47B3B of " << qint64(0x47B3B) << 9;
        QTest::newRow("same length") << "sample.smc" << QStringList{"@letter1.bin", "--offset", "476E2"} << 0
                                     << "where a 42-byte record stood" << qint64(0x476E2) << 1;
        QTest::newRow("longer")
            << "sample.smc" << QStringList{"@letter16.bin", "--letter", "I"} << 1
            << "so the 33 bytes after the old record will be overwritten. Write it anyway? (--allow-longer writes it) "
               "The new record has 6 more points, 1 more polygon and 6 more corners than the one there."
            << qint64(-1) << 0;
        QTest::newRow("longer allowed") << "sample.smc"
                                        << QStringList{"@letter16.bin", "--letter", "I", "--allow-longer"} << 0
                                        << "Wrote the 55-byte record at offset 478EC" << qint64(0x478EC) << 16;
        QTest::newRow("dry run") << "sample.smc"
                                 << QStringList{"@letter16.bin", "--letter", "I", "--allow-longer", "--dry-run"} << 0
                                 << "Dry run: the 55-byte record would be written at offset 478EC of " << qint64(-1)
                                 << 0;
        QTest::newRow("dry run, why longer")
            << "sample.smc" << QStringList{"@letter16.bin", "--letter", "I", "--allow-longer", "--dry-run"} << 0
            << "bytes would change. The new record has 6 more points, 1 more polygon and 6 more corners than the one "
               "there.\n"
            << qint64(-1) << 0;
        QTest::newRow("dry run, longer") << "sample.smc" << QStringList{"@letter16.bin", "--letter", "I", "--dry-run"}
                                         << 1 << "is 22 bytes long; the new one is 55 bytes" << qint64(-1) << 0;
        QTest::newRow("no record there") << "sample.smc"
                                         << QStringList{"@letter9.bin", "--offset", "10", "--allow-longer"} << 1
                                         << "No letter record can be read at offset 10 of " << qint64(-1) << 0;
        QTest::newRow("unknown image") << "unknown.smc" << QStringList{"@letter9.bin", "--letter", "P"} << 1
                                       << "does not match any of the five known dumps" << qint64(-1) << 0;
    }

    void import()
    {
        QFETCH(QString, image);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(qint64, offset);
        QFETCH(int, position);
        const QByteArray before = readFile(path(image));
        const Run run = cli(QStringList{QStringLiteral("import"), u'@' + image} + args);
        QCOMPARE(run.status, status);
        QVERIFY2((status == 0 ? run.out : run.err).contains(message), qPrintable(run.out + run.err));
        // A dry run works on a copy, and names the image.
        if (args.contains(QStringLiteral("--dry-run")))
            QVERIFY2((run.out + run.err).contains(QStringLiteral(" of %1").arg(path(image))),
                     qPrintable(run.out + run.err));
        QByteArray expected = before;
        if (offset >= 0)
            putBytes(expected, offset, sampleLetter(position).toBytes());
        QCOMPARE(readFile(path(image)), expected);
        QCOMPARE(QFileInfo::exists(path(image) + QStringLiteral(".bak")), offset >= 0);
        if (offset >= 0)
            QCOMPARE(readFile(path(image) + QStringLiteral(".bak")), before);
    }

    // render -o *.svg writes the export's drawing; import reads a drawing as it reads a letter file, the
    // bytes that no drawing shows taken from the record there, with the same checks.
    void drawings()
    {
        const Run render = cli({QStringLiteral("render"), QStringLiteral("@sample.smc"), QStringLiteral("--letter"),
                                QStringLiteral("8"), QStringLiteral("-o"), QStringLiteral("@8.svg")});
        QVERIFY2(render.status == 0, qPrintable(render.err));
        QCOMPARE(letterFromSvg(readFile(path(QStringLiteral("8.svg"))), {}), sampleLetter(16));
        // A line drawn there and back in place of "I": a record as long as the one there.
        writeFile(
            path(QStringLiteral("I.svg")),
            "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 256 256'><polygon points='128,98 128,158'/></svg>");
        const Run run = cli({QStringLiteral("import"), QStringLiteral("@sample.smc"), QStringLiteral("@I.svg"),
                             QStringLiteral("--letter"), QStringLiteral("I")});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("Wrote the 22-byte record at offset 478EC of ")), qPrintable(run.out));
        QByteArray expected = sampleRomImage();
        putBytes(expected, 0x478EC, bytesFromHex("02 00E2 001E 01 02 0002 0000 000000 0000010200000102"));
        QCOMPARE(readFile(image_), expected);
        QCOMPARE(readFile(image_ + QStringLiteral(".bak")), sampleRomImage());
        const Run longer = cli({QStringLiteral("import"), QStringLiteral("@sample.smc"), QStringLiteral("@8.svg"),
                                QStringLiteral("--letter"), QStringLiteral("I")});
        QCOMPARE(longer.status, 1);
        QVERIFY2(longer.err.contains(QStringLiteral("(--allow-longer writes it)")), qPrintable(longer.err));
        QCOMPARE(readFile(image_), expected);
    }

    // fit makes letters from drawings, pictures and a font without an image; import --fit and --font put
    // one into the image in the box of the letter there, with every check of import.
    void fitting_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");     // in the output when done, else in the errors
        QTest::addColumn<QStringList>("written"); // the files that are new after the run
        QTest::addColumn<qint64>("offset");       // where the letter lands in sample.smc; -1: nowhere
        const auto row = [](const char* name, QStringList args, int status, const char* message, QStringList written,
                            qint64 offset = -1) {
            QTest::newRow(name) << args << status << QString::fromUtf8(message) << written << offset;
        };
        row("a font's letters to a folder", {"fit", "--font", "DejaVu Sans:Bold", "--chars", "Я A Я", "-o", "@cyr/"}, 0,
            "Я (U+042F): ", {"cyr/A-U+0041.bin", "cyr/sheet.png", "cyr/Я-U+042F.bin"});
        row("curves to a letter file", {"fit", "@curvy.svg", "-o", "@curvy.bin"}, 0, "curvy.svg: ", {"curvy.bin"});
        row("curves to a drawing", {"fit", "@curvy.svg", "--style", "outline", "-o", "@fitted.svg"}, 0,
            "curvy.svg: ", {"fitted.svg"});
        row("a picture to a letter file", {"fit", "@picture.png", "--box", "-40,-80,40,0", "-o", "@ring"}, 0,
            "picture.png: ", {"ring"});
        row("a picture to a picture", {"fit", "@picture.png", "-o", "@ring.png"}, 0, "picture.png: ", {"ring.png"});
        row("dry run", {"import", "@sample.smc", "@curvy.svg", "--letter", "R", "--fit", "--allow-longer", "--dry-run"},
            0, "units from the source's.\nDry run: the ", {});
        row("import a picture", {"import", "@sample.smc", "@picture.png", "--letter", "R", "--fit", "--allow-longer"},
            0, "Wrote the ", {"sample.smc.bak"}, 0x47E26);
        row("import a font's letter",
            {"import", "@sample.smc", "--font", "DejaVu Sans:Bold", "--char", "Я", "--offset", "47E26",
             "--allow-longer"},
            0, "Я (U+042F): ", {"sample.smc.bak"}, 0x47E26);
        row("curves without --fit", {"import", "@sample.smc", "@curvy.svg", "--letter", "R"}, 1,
            "Or let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the letter's limits.",
            {});
        row("--chars without --font", {"fit", "--chars", "AB", "-o", "@cyr/"}, 2,
            "--chars needs --font: give the font to take the characters from.", {});
        row("two letters to a file", {"fit", "--font", "DejaVu Sans", "--chars", "AB", "-o", "@ab.bin"}, 2,
            "2 letters need a folder: give -o DIR/", {});
        row("a box outside the square", {"fit", "@curvy.svg", "--box", "-129,-80,40,0", "-o", "@x.bin"}, 2,
            "--box takes four whole numbers X0,Y0,X1,Y1 from -128 to 127, the letter's square (such as -60,-90,60,0), "
            "not \"-129,-80,40,0\".",
            {});
        row("a style that is none", {"fit", "@curvy.svg", "--style", "bold", "-o", "@x.bin"}, 2,
            "--style takes pieces or outline, not \"bold\".", {});
        row("nothing dark", {"fit", "@curvy.svg", "@white.png", "-o", "@cyr/"}, 1,
            "Nothing was written: not every letter can be fitted.\nwhite.png: The picture has nothing dark to trace: "
            "it is all one shade.",
            {});
        row("import nothing dark", {"import", "@sample.smc", "@white.png", "--letter", "R", "--fit"}, 1,
            "white.png: The picture has nothing dark to trace: it is all one shade. Nothing was written.", {});
    }

    void fitting()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QStringList, written);
        QFETCH(qint64, offset);
        // A curvy drawing, a dark ring on white and a white picture.
        writeFile(path(QStringLiteral("curvy.svg")),
                  "<svg xmlns='http://www.w3.org/2000/svg'><path d='M 80 110 L 80 10 L 45 10 C 20 10 15 25 15 38 "
                  "C 15 52 25 62 40 64 L 12 110 L 30 110 L 56 66 L 62 66 L 62 110 Z M 62 24 L 62 52 L 45 52 "
                  "Q 33 52 33 38 Q 33 24 46 24 Z' fill-rule='evenodd'/></svg>");
        QImage picture(120, 160, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(path(QStringLiteral("white.png")));
        {
            QPainter painter(&picture);
            painter.setPen(QPen(Qt::black, 20));
            painter.drawEllipse(QRect(20, 20, 80, 120));
        }
        picture.save(path(QStringLiteral("picture.png")));
        const auto files = [&] {
            QStringList all;
            QDirIterator it(dir_.path(), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                all << QDir(dir_.path()).relativeFilePath(it.next());
            all.sort();
            return all;
        };
        const QStringList before = files();
        const Run run = cli(args);
        QVERIFY2((status == 0 ? run.out : run.err).contains(message), qPrintable(run.out + run.err));
        QCOMPARE(run.status, status);
        QStringList made;
        for (const QString& file : files())
            if (!before.contains(file))
                made << file;
        QCOMPARE(made, written);
        for (const QString& file : written) {
            const QByteArray bytes = readFile(path(file));
            if (file.endsWith(QLatin1String(".svg"))) {
                letterFromSvg(bytes, {}); // a letter within the limits
            } else if (file.endsWith(QLatin1String("sheet.png"))) {
                // Two letters across, three lines of figures under each; the first is the first one asked for.
                const QImage sheet = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
                QCOMPARE(sheet.size(), QSize(534, 329));
                QCOMPARE(sheet.copy(8, 8, 255, 255),
                         preview(path(QStringLiteral("cyr/Я-U+042F.bin")), {}, false, true));
            } else if (file.endsWith(QLatin1String(".png"))) {
                QCOMPARE(QImage::fromData(bytes).size(), QSize(255, 255));
            } else if (!file.endsWith(QLatin1String(".bak"))) {
                qsizetype length = 0;
                parseRecord(bytes, 0, -1, &length); // a letter within the limits
                QCOMPARE(length, bytes.size());
            }
        }
        const QByteArray image = readFile(image_);
        if (offset < 0) {
            QCOMPARE(image, sampleRomImage());
            return;
        }
        QCOMPARE(readFile(image_ + QStringLiteral(".bak")), sampleRomImage());
        // The letter in the box of the one it replaced, and not a byte changed around it.
        qsizetype length = 0;
        const LetterRecord letter = parseRecord(image, offset, offset, &length);
        const FitBox box = letterBox(parseRecord(sampleRomImage(), offset, offset));
        for (const auto& [x, y] : letter.points) {
            QVERIFY(static_cast<std::int8_t>(x) >= box.x0 && static_cast<std::int8_t>(x) <= box.x1);
            QVERIFY(static_cast<std::int8_t>(y) >= box.y0 && static_cast<std::int8_t>(y) <= box.y1);
        }
        QCOMPARE(image.left(offset), sampleRomImage().left(offset));
        QCOMPARE(image.mid(offset + length), sampleRomImage().mid(offset + length));
    }

    void wordsTable()
    {
        const Run run = cli(
            {QStringLiteral("words"), QStringLiteral("--table"), QStringLiteral("-o"), QStringLiteral("@game.tbl")});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(readFile(path(QStringLiteral("game.tbl"))),
                 QByteArray("00=P\n01=A\n02=U\n03=S\n04=E\n05=D\n06=!\n07=0\n08=1\n09=2\n0A=3\n0B=4\n0C=5\n0D=6\n"
                            "0E=7\n0F=8\n10=9\n11=L\n12=C\n13=T\n14= \n15=G\n16=M\n17=O\n18=V\n19=R\n"));
        QCOMPARE(cli({QStringLiteral("words"), QStringLiteral("--table")}).out.toUtf8(),
                 readFile(path(QStringLiteral("game.tbl"))));
    }

    // No output replaces a ROM image, whatever the command and also through a link: exit 1, the
    // image as it was, no backup made.
    void outputsNeverReplaceAnImage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err"); // @: the folder
        const QString refused = QStringLiteral(
            "@game.smc is a ROM image of 2,097,152 bytes, and an output never replaces a ROM image: nothing was "
            "written.");
        const auto row = [&](const char* name, QStringList args, const QString& err) {
            QTest::newRow(name) << args << err;
        };
        row("words --table", {"words", "--table", "-o", "@game.smc"}, refused);
        row("words --table through a link", {"words", "--table", "-o", "@game.tbl"},
            QStringLiteral("@game.tbl leads to @game.smc, a ROM image of 2,097,152 bytes, and an output never "
                           "replaces a ROM image"));
        row("render", {"render", "@sample.smc", "-o", "@game.smc"}, refused);
        row("render --all", {"render", "@sample.smc", "--all", "-o", "@game.smc"}, refused);
        row("render a drawing", {"render", "@sample.smc", "-o", "@game.svg"},
            QStringLiteral("Not written: @game.svg is a ROM image of 2,097,152 bytes."));
        row("extract", {"extract", "@sample.smc", "--letter", "P", "-o", "@game.smc"},
            QStringLiteral("Not written: @game.smc is a ROM image of 2,097,152 bytes."));
        row("ips create", {"ips", "create", "@sample.smc", "@unknown.smc", "-o", "@game.smc"}, refused);
        row("ips apply", {"ips", "apply", "@sample.smc", "@p.ips", "-o", "@game.smc"}, refused);
        row("patch create", {"patch", "create", "@sample.smc", "@unknown.smc", "-o", "@game.bps"},
            QStringLiteral("@game.bps is a ROM image of 2,097,152 bytes"));
        row("patch apply", {"patch", "apply", "@sample.smc", "@p.bps", "-o", "@game.smc"}, refused);
    }
    void outputsNeverReplaceAnImage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        const QByteArray game = cartridgeImage();
        writeFile(path(QStringLiteral("game.smc")), game);
        for (const char* other : {"game.svg", "game.bps"})
            writeFile(path(QString::fromLatin1(other)), game);
        QVERIFY(QFile::link(QStringLiteral("game.smc"), path(QStringLiteral("game.tbl"))));
        writeFile(path(QStringLiteral("p.ips")), createIps(sampleRomImage(), unknownImage()));
        writeFile(path(QStringLiteral("p.bps")), createBps(sampleRomImage(), unknownImage()));
        const Run run = cli(args);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(err.replace(u'@', dir_.path() + u'/')), qPrintable(run.err));
        for (const char* name : {"game.smc", "game.svg", "game.bps"}) {
            QCOMPARE(readFile(path(QString::fromLatin1(name))), game);
            QVERIFY(!QFileInfo::exists(path(QString::fromLatin1(name) + QStringLiteral(".bak"))));
        }
        QVERIFY(QFileInfo(path(QStringLiteral("game.tbl"))).isSymLink());
    }

    // Two programs that write into one image: the second waits a moment, then is refused with the
    // first's process id, and writes nothing (the first here is flock(1), holding the image's lock).
    void secondWriterIsRefused()
    {
        QProcess holder;
        holder.start(QStringLiteral("flock"), {QStringLiteral("-x"), image_, QStringLiteral("-c"),
                                               QStringLiteral("echo locked; exec sleep 30")});
        QVERIFY(holder.waitForReadyRead(10000));
        const qint64 pid = holder.processId();
        const Run run = cli({QStringLiteral("import"), QStringLiteral("@sample.smc"), QStringLiteral("@letter9.bin"),
                             QStringLiteral("--letter"), QStringLiteral("8")});
        holder.kill();
        holder.waitForFinished();
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(
                     QStringLiteral("sample.smc is being written by another program (pid %1). Nothing was written")
                         .arg(pid)),
                 qPrintable(run.err));
        QCOMPARE(readFile(image_), sampleRomImage());
        QVERIFY(!QFileInfo::exists(image_ + QStringLiteral(".bak")));
    }

    // A write that a killed run left half done (its journal beside the image) is put back by the next
    // run that opens the image, which says so.
    void cutShortWriteIsPutBack()
    {
        const QList<Patch> patches{{0x476E2, QByteArray(42, '\x11'), sampleRomImage().mid(0x476E2, 42)}};
        QCOMPARE(Journal(image_).write(sampleRomImage().size(), patches), 0);
        QByteArray torn = sampleRomImage();
        putBytes(torn, 0x476E2, QByteArray(20, '\x11'));
        writeFile(image_, torn);
        const Run run = cli({QStringLiteral("info"), QStringLiteral("@sample.smc")});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains(QStringLiteral("warning: The last write into %1 was cut short").arg(image_)),
                 qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("CRC32:         C36C0BAF")), qPrintable(run.out));
        QCOMPARE(readFile(image_), sampleRomImage());
    }

    // Names are the system's bytes: one that is no UTF-8 can't be passed on as it stands, so it is
    // refused rather than read or written under another name.
    void namesThatAreNotText_data()
    {
        QTest::addColumn<QString>("script"); // $0 the program, $1 the folder
        QTest::addColumn<QString>("shown");
        QTest::newRow("output")
            << R"(exec "$0" ips create "$1/sample.smc" "$1/sample.smc" -o "$1/p$(printf '\376').ips")"
            << "/p\\xFE.ips\" is not text in the system's encoding";
        QTest::newRow("input")
            << R"(f="$1/img$(printf '\377').smc"; cp "$1/sample.smc" "$f"; "$0" info "$f"; s=$?; rm "$f"; exit $s)"
            << "/img\\xFF.smc\" is not text in the system's encoding";
    }
    void namesThatAreNotText()
    {
        QFETCH(QString, script);
        QFETCH(QString, shown);
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), script, QStringLiteral(VERTILOOM_CLI), dir_.path()});
        QVERIFY(shell.waitForFinished(60000));
        const QString err = QString::fromUtf8(shell.readAllStandardError());
        QCOMPARE(shell.exitCode(), 2);
        QVERIFY2(err.contains(shown), qPrintable(err));
        QVERIFY(QDir(dir_.path()).entryList({QStringLiteral("p*.ips")}).isEmpty());
    }

    // A folder the user can't read is no empty folder.
    void importFromAFolderItCantRead()
    {
        const QString locked = path(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        writeFile(locked + QStringLiteral("/P_476E2.bin"), sampleLetter(1).toBytes());
        QVERIFY(QFile::setPermissions(locked, {}));
        const auto unlock =
            qScopeGuard([&] { QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        QStringList command{QStringLiteral(VERTILOOM_CLI), QStringLiteral("import"), image_, locked,
                            QStringLiteral("--all")};
        // Root reads every folder: the program then runs as nobody, who may read the image.
        if (::geteuid() == 0) {
            QVERIFY(QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                           | QFile::ReadOther | QFile::ExeOther));
            command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                                  QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")}
                      + command;
        }
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(command.takeFirst(), command);
        QVERIFY(process.waitForFinished(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(err.contains(
                     QStringLiteral("Cannot read the folder %1: Permission denied. Nothing was written.").arg(locked)),
                 qPrintable(err));
        QCOMPARE(readFile(image_), sampleRomImage());
    }

    // extract --all, a changed letter file, import --all: a dry run writes nothing, the run one write
    // and one backup; any letter that can't be written, or two that overlap, stop them all (two that
    // only touch do not).
    void importAll()
    {
        writeFile(path(QStringLiteral("all.smc")), sampleRomImage());
        QCOMPARE(cli({QStringLiteral("extract"), QStringLiteral("@sample.smc"), QStringLiteral("--all"),
                      QStringLiteral("-o"), QStringLiteral("@batch")})
                     .status,
                 0);
        const auto import = [&](const QStringList& more) {
            return cli(QStringList{QStringLiteral("import"), QStringLiteral("@all.smc"), QStringLiteral("@batch"),
                                   QStringLiteral("--all")}
                       + more);
        };
        writeFile(path(QStringLiteral("batch/8_47B3B.bin")), sampleLetter(9).toBytes());
        const Run dry = import({QStringLiteral("--dry-run")});
        QVERIFY2(dry.status == 0 && dry.out.contains(QStringLiteral("Nothing was written")),
                 qPrintable(dry.out + dry.err));
        QCOMPARE(readFile(path(QStringLiteral("all.smc"))), sampleRomImage());
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("all.smc.bak"))));
        const Run run = import({});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QVERIFY2(
            run.out.contains(QStringLiteral("Wrote the 22-byte record at offset 47B3B, where a 55-byte record stood")),
            qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("Wrote 24 records into ")), qPrintable(run.out));
        QByteArray expected = sampleRomImage();
        putBytes(expected, 0x47B3B, sampleLetter(9).toBytes());
        QCOMPARE(readFile(path(QStringLiteral("all.smc"))), expected);
        QCOMPARE(readFile(path(QStringLiteral("all.smc.bak"))), sampleRomImage());

        // A longer "I" is refused, and allowed it reaches into "2", which is written too.
        writeFile(path(QStringLiteral("batch/I_478EC.bin")), sampleLetter(16).toBytes());
        writeFile(path(QStringLiteral("batch/8_47B3B.bin")), sampleLetter(16).toBytes());
        for (const auto& [more, message] :
             {std::pair{QStringList{}, QStringLiteral("I_478EC.bin: Not written: The record at offset 478EC")},
              std::pair{
                  QStringList{QStringLiteral("--allow-longer")},
                  QStringLiteral("I_478EC.bin and 2_4790A.bin: the records at offsets 478EC and 4790A overlap.")}}) {
            const Run refused = import(more);
            QCOMPARE(refused.status, 1);
            QVERIFY2(refused.err.contains(message), qPrintable(refused.err));
            QCOMPARE(readFile(path(QStringLiteral("all.smc"))), expected);
        }
        // "476E2.bin" is hex, but without the "_" it is no name that extract gives.
        for (const QString& name : {QStringLiteral("notes.bin"), QStringLiteral("476E2.bin")}) {
            writeFile(path(QStringLiteral("batch/") + name), QByteArray("x"));
            const Run named = import({QStringLiteral("--allow-longer")});
            QCOMPARE(named.status, 1);
            QVERIFY2(named.err.contains(name + QStringLiteral(": a letter file's name must end in _")),
                     qPrintable(named.err));
            QCOMPARE(readFile(path(QStringLiteral("all.smc"))), expected);
            QVERIFY(QFile::remove(path(QStringLiteral("batch/") + name)));
        }

        // An "I" of 30 bytes, its catalogue length, ends where "2" begins: the two touch, and do not overlap.
        const QByteArray touching =
            bytesFromHex("05 F0F0 10F0 1010 F010 0000 01 03 000204 010203 000000 0000000000000000");
        QCOMPARE(touching.size(), 30);
        writeFile(path(QStringLiteral("batch/I_478EC.bin")), touching);
        const Run touched = import({QStringLiteral("--allow-longer")});
        QVERIFY2(touched.status == 0, qPrintable(touched.err));
        putBytes(expected, 0x47B3B, sampleLetter(16).toBytes());
        putBytes(expected, 0x478EC, touching);
        QCOMPARE(readFile(path(QStringLiteral("all.smc"))), expected);
    }

    void ips()
    {
        const QString modified = path(QStringLiteral("modified.smc"));
        writeFile(modified, sampleRomImage());
        QCOMPARE(
            cli({QStringLiteral("words"), modified, QStringLiteral("--set-pause"), QStringLiteral("STOP_")}).status, 0);
        const Run create = cli({QStringLiteral("ips"), QStringLiteral("create"), QStringLiteral("@sample.smc"),
                                modified, QStringLiteral("-o"), QStringLiteral("@words.ips")});
        QVERIFY2(create.status == 0, qPrintable(create.err));
        QCOMPARE(readFile(path(QStringLiteral("words.ips"))),
                 bytesFromHex("50 41 54 43 48  00 CC 60 00 05 03 13 17 00 14  45 4F 46"));
        const Run apply = cli({QStringLiteral("ips"), QStringLiteral("apply"), QStringLiteral("@sample.smc"),
                               QStringLiteral("@words.ips"), QStringLiteral("-o"), QStringLiteral("@patched.smc")});
        QVERIFY2(apply.status == 0, qPrintable(apply.err));
        QVERIFY(apply.out.contains(QStringLiteral("2,097,152 bytes, 5 changed")));
        QCOMPARE(readFile(path(QStringLiteral("patched.smc"))), readFile(modified));
        // A patch that reaches past the image's end is refused before anything is written.
        writeFile(path(QStringLiteral("far.ips")), bytesFromHex("50 41 54 43 48  3F FF FF 00 02 01 02  45 4F 46"));
        const Run far = cli({QStringLiteral("ips"), QStringLiteral("apply"), QStringLiteral("@sample.smc"),
                             QStringLiteral("@far.ips"), QStringLiteral("-o"), QStringLiteral("@far.smc")});
        QCOMPARE(far.status, 1);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("far.smc"))));
        QCOMPARE(readFile(image_), sampleRomImage());
    }

    // A BPS patch between images of other sizes, its info, the wrong image refused and no file written;
    // behind a copier header the patch is made and applied without it, and the header put back.
    void bpsPatch()
    {
        QByteArray longer = readFile(image_) + QByteArray(1024, '\x11');
        putBytes(longer, 0x476E2, sampleLetter(9).toBytes());
        writeFile(path(QStringLiteral("longer.smc")), longer);
        const Run create =
            cli({"patch", "create", "@sample.smc", "@longer.smc", "-o", "@longer.bps", "--metadata", "test"});
        QVERIFY2(create.status == 0 && create.out.startsWith(QStringLiteral("Wrote ")),
                 qPrintable(create.out + create.err));
        const Run info = cli({"patch", "info", "@longer.bps"});
        QVERIFY2(info.out.contains(
                     QStringLiteral("Source:     2,097,152 bytes, CRC32 C36C0BAF\nTarget:     2,098,176 bytes")),
                 qPrintable(info.out));
        QVERIFY2(info.out.contains(QStringLiteral("Metadata:   \"test\"")), qPrintable(info.out));
        const Run wrong = cli({"patch", "apply", "@unknown.smc", "@longer.bps", "-o", "@out.smc"});
        QCOMPARE(wrong.status, 1);
        QVERIFY2(
            wrong.err.contains(QStringLiteral("This patch was made for an image with CRC32 C36C0BAF; this image has ")),
            qPrintable(wrong.err));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("out.smc"))));
        const Run apply = cli({"patch", "apply", "@sample.smc", "@longer.bps", "-o", "@out.smc"});
        QVERIFY2(apply.status == 0, qPrintable(apply.err));
        QCOMPARE(readFile(path(QStringLiteral("out.smc"))), longer);
        // Not insisted on, the checksums only warn: the patch goes onto the other image.
        const Run anyway =
            cli({"patch", "apply", "@unknown.smc", "@longer.bps", "-o", "@anyway.smc", "--ignore-checksum"});
        QVERIFY2(anyway.status == 0
                     && anyway.err.contains(QStringLiteral(
                         "vertiloom-cli patch: warning: This patch was made for an image with CRC32 C36C0BAF; this "
                         "image has "))
                     && anyway.err.contains(QStringLiteral("warning: The patch was applied all the same")),
                 qPrintable(anyway.err));
        QByteArray anyImage = longer;
        putBytes(anyImage, 0x47EFD, QByteArray(40, '\xFF'));
        QCOMPARE(readFile(path(QStringLiteral("anyway.smc"))), anyImage);

        // Metadata is shown with what a terminal would act on escaped, and bytes that are no UTF-8 as \xNN.
        writeFile(path(QStringLiteral("shown.bps")),
                  createBps("ab", "ab", "\x1B]0;t\x07\x1B[2J\t\n\\\xC2\x9B\xFF\xC0\x80\xED\xA0\x80\xC3\xA9\xE2\x80"));
        const Run shown = cli({"patch", "info", "@shown.bps"});
        QVERIFY2(shown.out.contains(QStringLiteral(
                     "Metadata:   "
                     "\"\\x1B]0;t\\x07\\x1B[2J\\t\\n\\\\\\u009B\\xFF\\xC0\\x80\\xED\\xA0\\x80\u00E9\\xE2\\x80\"\n")),
                 qPrintable(shown.out));
        // Qt's JSON writer leaves a C1 control (here CSI) raw: it is escaped too.
        const QString json = cli({"patch", "info", "@shown.bps", "--json"}).out;
        QVERIFY2(json.contains(QStringLiteral("[2J\\t\\n\\\\\\u009B")) && !json.contains(QChar(0x9B)),
                 qPrintable(json));

        writeFile(path(QStringLiteral("longer.smc")), QByteArray(512, '\x22') + longer.first(kSampleImageSize));
        const Run headered = cli({"patch", "create", "@headered.smc", "@longer.smc", "-o", "@headered.bps"});
        QVERIFY2(headered.out.contains(
                     QStringLiteral("headered.smc has a 512-byte copier header: the patch is made without it.")),
                 qPrintable(headered.out));
        QVERIFY2(headered.out.contains(QStringLiteral("longer.smc has a 512-byte copier header")),
                 qPrintable(headered.out));
        const Run back = cli({"patch", "apply", "@headered.smc", "@headered.bps", "-o", "@back.smc"});
        QVERIFY2(
            back.out.contains(QStringLiteral("the patch is applied without it, and the header put back in front of ")),
            qPrintable(back.out));
        QCOMPARE(readFile(path(QStringLiteral("back.smc"))), QByteArray(512, '\0') + longer.first(kSampleImageSize));
        const Run exact = cli({"patch", "apply", "@headered.smc", "@headered.bps", "-o", "@exact.smc", "--exact"});
        QVERIFY2(
            exact.status == 1
                && exact.err.contains(QStringLiteral("made for an image of 2,097,152 bytes; this image has 2,097,664")),
            qPrintable(exact.err));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("exact.smc"))));
        // --exact keeps both headers in the patch.
        QCOMPARE(cli({"patch", "create", "@headered.smc", "@longer.smc", "-o", "@exact.bps", "--exact"}).status, 0);
        const QString kept = cli({"patch", "info", "@exact.bps"}).out;
        QVERIFY2(kept.contains(QStringLiteral("Source:     2,097,664 bytes"))
                     && kept.contains(QStringLiteral("Target:     2,097,664 bytes")),
                 qPrintable(kept));

        // The header is decided by the size alone: an image whose letters no longer read under any dump
        // still has its header left out, so it is never made part of the game nor put in twice.
        const QByteArray unread = QByteArray(512, '\x33') + unknownImage();
        writeFile(path(QStringLiteral("unread.smc")), unread);
        QCOMPARE(cli({"patch", "create", "@headered.smc", "@unread.smc", "-o", "@unread.bps"}).status, 0);
        QVERIFY(cli({"patch", "info", "@unread.bps"}).out.contains(QStringLiteral("Target:     2,097,152 bytes")));
        QCOMPARE(cli({"patch", "apply", "@headered.smc", "@unread.bps", "-o", "@twice.smc"}).status, 0);
        QCOMPARE(readFile(path(QStringLiteral("twice.smc"))), QByteArray(512, '\0') + unknownImage());
        QCOMPARE(cli({"patch", "create", "@unknown.smc", "@sample.smc", "-o", "@known.bps"}).status, 0);
        const Run onto = cli({"patch", "apply", "@unread.smc", "@known.bps", "-o", "@known.smc"});
        QVERIFY2(onto.status == 0, qPrintable(onto.err));
        QCOMPARE(readFile(path(QStringLiteral("known.smc"))), QByteArray(512, '\x33') + sampleRomImage());
    }

    // An image of exactly 64 MiB is patched; a result that its copier header would take past 64 MiB is
    // refused, and nothing written.
    void bpsPatchLargest()
    {
        QFile zeros(path(QStringLiteral("zeros.smc")));
        QVERIFY(zeros.open(QIODevice::WriteOnly) && zeros.resize(Q_INT64_C(64) << 20));
        zeros.close();
        QByteArray largest(Q_INT64_C(64) << 20, '\0');
        putBytes(largest, 0, sampleRomImage());
        putBytes(largest, (Q_INT64_C(64) << 20) - 4, "LAST");
        writeFile(path(QStringLiteral("largest.bps")), createBps(QByteArray(Q_INT64_C(64) << 20, '\0'), largest));
        const Run largestRun = cli({"patch", "apply", "@zeros.smc", "@largest.bps", "-o", "@largest.smc"});
        QVERIFY2(largestRun.status == 0 && largestRun.out.contains(QStringLiteral("largest.smc: 67,108,864 bytes.")),
                 qPrintable(largestRun.out + largestRun.err));
        QCOMPARE(readFile(path(QStringLiteral("largest.smc"))), largest);
        QVERIFY(QFile::remove(path(QStringLiteral("largest.smc"))));

        writeFile(path(QStringLiteral("grow.bps")), createBps(sampleRomImage(), largest));
        const Run grown = cli({"patch", "apply", "@headered.smc", "@grow.bps", "-o", "@grown.smc"});
        QCOMPARE(grown.status, 1);
        QVERIFY2(grown.err.contains(QStringLiteral(
                     "headered.smc with the patch applied would be 67,109,376 bytes (its 512-byte copier header in "
                     "front of the patch's target of 67,108,864 bytes): the editor reads and writes files of at most "
                     "64 MiB (67,108,864 bytes). Nothing was written.")),
                 qPrintable(grown.err));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("grown.smc"))));
    }

    void words_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("pause");    // the bytes at CC60 afterwards
        QTest::addColumn<QByteArray>("gameOver"); // at 8619F
        const QByteArray pause = bytesFromHex("00 01 02 03 04");
        const QByteArray gameOver = bytesFromHex("15 01 16 04 17 18 04 19");
        QTest::newRow("read") << "sample.smc" << QStringList{} << 0
                              << "PAUSE:     \"PAUSE\" (0001020304)\nGAME OVER: \"GAMEOVER\"" << pause << gameOver;
        QTest::newRow("pause") << "sample.smc" << QStringList{"--set-pause", "STOP_"} << 0
                               << "PAUSE:     \"STOP \" (0313170014)" << bytesFromHex("03 13 17 00 14") << gameOver;
        QTest::newRow("both") << "sample.smc" << QStringList{"--set-pause", "IIIII", "--set-game-over", "GAME 0V3"} << 0
                              << "GAME OVER: \"GAME 0V3\" (150116041407180A)" << bytesFromHex("08 08 08 08 08")
                              << bytesFromHex("15 01 16 04 14 07 18 0A");
        QTest::newRow("no such tile") << "sample.smc" << QStringList{"--set-pause", "DELAY"} << 1
                                      << "Letter 5 of PAUSE: 'Y' is not a character the game can show." << pause
                                      << gameOver;
        QTest::newRow("unknown image") << "unknown.smc" << QStringList{"--set-pause", "STOP_"} << 1
                                       << "does not match any of the five known dumps" << pause << gameOver;
        // Dump 2 does not fit: the offer to switch on opening is declined, which refuses nothing, and
        // PAUSE is written at dump 2's CBF8 (the bytes at CC60 stay).
        QTest::newRow("dump 2, switch declined") << "sample.smc" << QStringList{"--set-pause", "STOP_", "--dump", "2"}
                                                 << 0 << "PAUSE:     \"STOP \" (0313170014)" << pause << gameOver;
    }

    void words()
    {
        QFETCH(QString, image);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(QByteArray, pause);
        QFETCH(QByteArray, gameOver);
        const QByteArray before = readFile(path(image));
        const Run run = cli(QStringList{QStringLiteral("words"), u'@' + image} + args);
        QCOMPARE(run.status, status);
        QVERIFY2((status == 0 ? run.out : run.err).contains(message), qPrintable(run.out + run.err));
        const QByteArray after = readFile(path(image));
        QCOMPARE(after.mid(0xCC60, 5), pause);
        QCOMPARE(after.mid(0x8619F, 8), gameOver);
        QCOMPARE(after.size(), before.size());
        const bool written = !args.isEmpty() && status == 0;
        QCOMPARE(QFileInfo::exists(path(image) + QStringLiteral(".bak")), written);
        if (!written)
            QCOMPARE(after, before);
    }
};

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
