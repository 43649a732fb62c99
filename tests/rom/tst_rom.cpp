// Tests of the ROM variants, the letter catalogue and its stepping, of reading and writing the
// PAUSE and GAME OVER words through synthetic ROM images, and of the cartridge header and checksum.
#include "commands/commands.h"
#include "commands/editor.h"
#include "model/error.h"
#include "model/hex.h"
#include "record/load.h"
#include "record/writes.h"
#include "rom/cartridge.h"
#include "rom/catalogue.h"
#include "rom/recognition.h"
#include "rom/sample.h"
#include "rom/words.h"
#include "support/fakeplatform.h"
#include "support/romimage.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace vertiloom;
using namespace vertiloom::test;

namespace {

// The catalogue as the dumps hold it: label, offset in (U) (V1.0), both (U) (M3), both (E) (M3).
const char* const kExpected[24][4] = {
    {"P (59) 86", "476E2", "474E2", "47639"},   {"A (57) 84", "47738", "47538", "4768F"},
    {"U (53) 80", "4778C", "4758C", "476E3"},   {"S (45) 72", "477DC", "475DC", "47733"},
    {"E (66) 101", "47824", "47624", "4777B"},  {"D (63) 106", "47EFD", "47CFD", "47E54"},
    {"!! (82) 117", "47F67", "47D67", "47EBE"}, {"0 (64) 99", "47889", "47689", "477E0"},
    {"I (17) 30", "478EC", "476EC", "47843"},   {"2 (49) 76", "4790A", "4770A", "47861"},
    {"3 (58) 93", "47956", "47756", "478AD"},   {"4 (66) 101", "479B3", "477B3", "4790A"},
    {"5 (75) 118", "47A18", "47818", "4796F"},  {"6 (66) 101", "47A8E", "4788E", "479E5"},
    {"7 (45) 72", "47AF3", "478F3", "47A4A"},   {"8 (103) 162", "47B3B", "4793B", "47A92"},
    {"9 (62) 97", "47BDD", "479DD", "47B34"},   {"L (32) 51", "47C3E", "47A3E", "47B95"},
    {"C (73) 116", "47C71", "47A71", "47BC8"},  {"T (36) 55", "47CE5", "47AE5", "47C3C"},
    {"G (69) 112", "47D1C", "47B1C", "47C73"},  {"M (62) 97", "47D8C", "47B8C", "47CE3"},
    {"V (38) 57", "47DED", "47BED", "47D44"},   {"R (70) 105", "47E26", "47C26", "47D7D"},
};
// The radio buttons of the dumps that share each offset column.
const QList<int> kColumnButtons[3] = {{21}, {22, 23}, {28, 24}};
const QList<int> kButtons = {21, 28, 24, 22, 23};

// Word offsets (pause, game over) per radio button, written out rather than taken from the code.
std::pair<qint64, qint64> wordOffsets(int button)
{
    switch (button) {
    case 28:
        return {0xCBF8, 0x860FA};
    case 24:
        return {0xCC01, 0x860FA};
    case 22:
        return {0xCA60, 0x85F9F};
    case 23:
        return {0xCA6D, 0x85F9F};
    default:
        return {0xCC60, 0x8619F};
    }
}

const QByteArray kPauseCodes = bytesFromHex("00 01 02 03 04");
const QByteArray kGameOverCodes = bytesFromHex("15 01 16 04 17 18 04 19");

QString addr(const Editor& e) { return e.form.text(FieldId::addr()); }
QString label(const Editor& e) { return e.form.text(FieldId::label(34)); }

QStringList wordTexts(const Editor& editor)
{
    QStringList texts;
    for (int n = 2; n <= 14; ++n)
        texts << editor.form.text(FieldId::edit(n));
    return texts;
}

QByteArray withWords(QByteArray image, int button, const QByteArray& pause, const QByteArray& gameOver)
{
    putBytes(image, wordOffsets(button).first, pause);
    putBytes(image, wordOffsets(button).second, gameOver);
    return image;
}

// Offset of the first byte where the file differs from the expected bytes; -1 when identical.
qint64 firstDifference(const QString& path, const QByteArray& expected)
{
    const QByteArray actual = readFile(path);
    const auto mismatch = std::mismatch(actual.cbegin(), actual.cend(), expected.cbegin(), expected.cend());
    if (mismatch.first == actual.cend() && mismatch.second == expected.cend())
        return -1;
    return mismatch.first - actual.cbegin();
}

// A dump as the game stores it: the 24 sample letters at the offsets of the button's column of
// kExpected and both words at its word offsets, on the varied filler, after a 512-byte header when
// asked. damage: 0 none, 1 the last letter's point count 21, 2 a 293-byte record at "!!" (the
// highest offset, 117 bytes allowed).
QByteArray dumpImage(int button, bool header, int damage = 0)
{
    const int column = button == 21 ? 1 : button == 22 || button == 23 ? 2 : 3;
    QByteArray image = withWords(makeRomImage(), button, kPauseCodes, kGameOverCodes);
    for (int position = 1; position <= kCatalogueSize; ++position)
        putBytes(image, HexToInt(QString::fromLatin1(kExpected[position - 1][column])),
                 sampleLetter(position).toBytes());
    if (damage == 1)
        putBytes(image, HexToInt(QString::fromLatin1(kExpected[23][column])), bytesFromHex("15"));
    if (damage == 2) {
        LetterRecord longest;
        longest.points.fill({0, 0}, 20);
        longest.polygons.fill({QByteArray(11, '\0'), QByteArray(11, '\0')}, 8);
        longest.polygonTails.fill(QByteArray(8, '\0'), 8);
        longest.letterTail = QByteArray(3, '\0');
        putBytes(image, HexToInt(QString::fromLatin1(kExpected[6][column])), longest.toBytes());
    }
    return header ? QByteArray(512, '\x33') + image : image;
}

} // namespace

class RomTest : public QObject {
    Q_OBJECT

private slots:
    void offsets_data();
    void offsets();
    void wrapAround_data();
    void wrapAround();
    void fullCycle();
    void variantChange();
    void steppingTouchesOnlyAddrAndLabel();

    void readWords_data();
    void readWords();
    void roundTrip_data();
    void roundTrip();
    void unknownBytesSurvive();
    void writeChangesExactlyThirteenBytes_data();
    void writeChangesExactlyThirteenBytes();
    void refusals_data();
    void refusals();
    void failedWriteIsUndone_data();
    void failedWriteIsUndone();
    void wordsInsideFile_data();
    void wordsInsideFile();

    void sampleImage();

    void recognition_data();
    void recognition();

    void cartridgeHeader_data();
    void cartridgeHeader();

private:
    QString romWith(const QByteArray& content, const QString& name = QStringLiteral("rom.smc"))
    {
        const QString path = dir_.filePath(name);
        writeFile(path, content);
        return path;
    }
    QTemporaryDir dir_;
    FakePlatform platform_; // no image here is opened through "Open file", so no write asks a question
};

void RomTest::offsets_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<QString>("offset");
    for (int p = 1; p <= 24; ++p) {
        for (int c = 0; c < 3; ++c)
            QTest::addRow("%d %s, column %d", p, kExpected[p - 1][0], c + 1)
                << p << kColumnButtons[c] << QString::fromLatin1(kExpected[p - 1][c + 1]);
    }
}

// ">" into the position shows its label and offset; so does a variant choice at the position.
void RomTest::offsets()
{
    QFETCH(int, position);
    QFETCH(QList<int>, buttons);
    QFETCH(QString, offset);
    for (int button : buttons) {
        Editor stepped;
        selectVariant(stepped.form, button);
        stepped.cataloguePosition = position == 1 ? 24 : position - 1;
        nextLetter(stepped);
        QCOMPARE(stepped.cataloguePosition, position);
        QCOMPARE(addr(stepped), offset);
        QCOMPARE(label(stepped), QString::fromLatin1(kExpected[position - 1][0]));

        Editor chosen;
        chosen.cataloguePosition = position;
        selectVariant(chosen.form, button);
        chooseVariant(chosen);
        QCOMPARE(addr(chosen), offset);
    }
}

void RomTest::wrapAround_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("offset");
    QTest::newRow("> at 24") << 21 << true << 24 << "P (59) 86"
                             << "476E2";
    QTest::newRow("< at 1") << 21 << false << 1 << "R (70) 105"
                            << "47E26";
    QTest::newRow("< at 1, (E) (M3) (V1.0)") << 28 << false << 1 << "R (70) 105"
                                             << "47D7D";
    QTest::newRow("< at 1, (E) (M3) (V1.1)") << 24 << false << 1 << "R (70) 105"
                                             << "47D7D";
    QTest::newRow("< at 2") << 21 << false << 2 << "P (59) 86"
                            << "476E2";
}

void RomTest::wrapAround()
{
    QFETCH(int, button);
    QFETCH(bool, forward);
    QFETCH(int, from);
    QFETCH(QString, label);
    QFETCH(QString, offset);
    Editor editor;
    selectVariant(editor.form, button);
    editor.cataloguePosition = from;
    forward ? nextLetter(editor) : previousLetter(editor);
    QCOMPARE(::label(editor), label);
    QCOMPARE(addr(editor), offset);
}

// Twenty-four steps either way visit every entry once and come back to the start.
void RomTest::fullCycle()
{
    for (bool forward : {true, false}) {
        Editor editor;
        QSet<QString> labels;
        for (int step = 0; step < 24; ++step) {
            forward ? nextLetter(editor) : previousLetter(editor);
            labels.insert(label(editor));
        }
        QCOMPARE(labels.size(), 24);
        QCOMPARE(editor.cataloguePosition, 1);
        QCOMPARE(label(editor), QStringLiteral("P (59) 86"));
        QCOMPARE(addr(editor), QStringLiteral("476E2"));
    }
}

// A variant choice keeps the letter shown and replaces a hand-typed offset.
void RomTest::variantChange()
{
    Editor editor;
    selectVariant(editor.form, 28);
    chooseVariant(editor);
    QCOMPARE(addr(editor), QStringLiteral("47639"));
    selectVariant(editor.form, 21);
    for (int step = 0; step < 5; ++step)
        nextLetter(editor);
    editor.form.setText(FieldId::addr(), QStringLiteral("12345"));
    selectVariant(editor.form, 23);
    chooseVariant(editor);
    QCOMPARE(addr(editor), QStringLiteral("47CFD"));
    QCOMPARE(label(editor), QStringLiteral("D (63) 106"));
    QCOMPARE(editor.cataloguePosition, 6);
    selectVariant(editor.form, 21);
    chooseVariant(editor);
    QCOMPARE(addr(editor), QStringLiteral("47EFD"));
}

void RomTest::steppingTouchesOnlyAddrAndLabel()
{
    Editor editor;
    editor.form.setText(FieldId::memo(), QStringLiteral("0102"));
    editor.letterLayer.setPixel(10, 20, Qt::red);
    editor.overlayLayer.setPixel(30, 40, Qt::green);
    const QImage letter = editor.letterLayer.image();
    const QImage overlay = editor.overlayLayer.image();
    QSignalSpy spy(&editor.form, &EditorForm::changed);
    nextLetter(editor);
    previousLetter(editor);
    previousLetter(editor);
    chooseVariant(editor);
    QVERIFY(!spy.isEmpty());
    for (const QList<QVariant>& signal : spy) {
        const FieldId id = signal.at(0).value<FieldId>();
        QVERIFY2(id == FieldId::addr() || id == FieldId::label(34), qPrintable(id.objectName()));
    }
    QCOMPARE(editor.form.text(FieldId::memo()), QStringLiteral("0102"));
    QCOMPARE(editor.letterLayer.image(), letter);
    QCOMPARE(editor.overlayLayer.image(), overlay);
}

void RomTest::readWords_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("pause");
    QTest::addColumn<QByteArray>("gameOver");
    QTest::addColumn<QString>("texts"); // "|" between fields
    for (int button : kButtons)
        QTest::addRow("PAUSE GAME OVER, RadioButton%d", button)
            << button << kPauseCodes << kGameOverCodes << "P|A|U|S|E|G|A|M|E|O|V|E|R";
    QTest::newRow("codes 05 to 11") << 21 << bytesFromHex("05 06 07 08 09") << bytesFromHex("0A 0B 0C 0D 0E 0F 10 11")
                                    << "D|!|0|1|2|3|4|5|6|7|8|9|L";
    QTest::newRow("blank and no codes") << 21 << bytesFromHex("12 13 14 1A FF")
                                        << bytesFromHex("80 14 19 00 20 7F 15 16") << "C|T| |||| |R|P|||G|M";
}

void RomTest::readWords()
{
    QFETCH(int, button);
    QFETCH(QByteArray, pause);
    QFETCH(QByteArray, gameOver);
    QFETCH(QString, texts);
    const QByteArray image = withWords(makeRomImage(), button, pause, gameOver);
    Editor editor;
    editor.currentRom = romWith(image);
    selectVariant(editor.form, button);
    vertiloom::readWords(editor);
    QCOMPARE(wordTexts(editor).join(QLatin1Char('|')), texts);
    QCOMPARE(firstDifference(editor.currentRom, image), -1);
}

void RomTest::roundTrip_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("I is 1") << "I" << 0x08 << "1";
    QTest::newRow("underscore") << "_" << 0x14 << " ";
    QTest::newRow("empty") << "" << 0x14 << " ";
    QTest::newRow("blank") << " " << 0x14 << " ";
    QTest::newRow("P") << "P" << 0x00 << "P";
    QTest::newRow("R") << "R" << 0x19 << "R";
}

// Typed into letter 3 of each word: the code lands there and reads back as the table says.
void RomTest::roundTrip()
{
    QFETCH(QString, typed);
    QFETCH(int, code);
    QFETCH(QString, readBack);
    Editor editor;
    editor.currentRom = romWith(makeRomImage());
    editor.form.setText(FieldId::edit(4), typed);
    editor.form.setText(FieldId::edit(9), typed);
    writeWords(editor, platform_);
    const QByteArray written = readFile(editor.currentRom);
    QCOMPARE(quint8(written[wordOffsets(21).first + 2]), quint8(code));
    QCOMPARE(quint8(written[wordOffsets(21).second + 2]), quint8(code));
    Editor fresh;
    fresh.currentRom = editor.currentRom;
    vertiloom::readWords(fresh);
    QCOMPARE(fresh.form.text(FieldId::edit(4)), readBack);
    QCOMPARE(fresh.form.text(FieldId::edit(9)), readBack);
}

// Bytes that are no tile code read as empty fields and are written back as they were into the
// image and variant they were read from; only a field the user changed is encoded from its character.
void RomTest::unknownBytesSurvive()
{
    const QByteArray pause = bytesFromHex("1A 01 FF 03 80");
    const QByteArray gameOver = bytesFromHex("15 1B 16 04 17 18 04 C0");
    const QByteArray image = withWords(makeRomImage(), 21, pause, gameOver);
    Editor editor;
    editor.currentRom = romWith(image);
    vertiloom::readWords(editor);
    QCOMPARE(editor.form.text(FieldId::edit(2)), QString());
    writeWords(editor, platform_);
    QCOMPARE(firstDifference(editor.currentRom, image), -1);

    editor.form.setText(FieldId::edit(4), QStringLiteral("T"));
    editor.form.setText(FieldId::edit(6), QStringLiteral("A"));
    editor.form.setText(FieldId::edit(6), QString()); // cleared again: what was read
    // At another variant's offsets, or in another image, the bytes read here are other bytes: what
    // the empty fields stood for is forgotten and they write the blank.
    selectVariant(editor.form, 22);
    writeWords(editor, platform_);
    const QByteArray blanks = bytesFromHex("15 14 16 04 17 18 04 14");
    const QByteArray changed = withWords(image, 22, bytesFromHex("14 01 13 03 14"), blanks);
    QCOMPARE(firstDifference(editor.currentRom, changed), -1);

    Editor other;
    other.currentRom = romWith(image);
    vertiloom::readWords(other);
    const QByteArray second = makeRomImage(kRomSize + 1);
    other.currentRom = romWith(second, QStringLiteral("other.smc"));
    writeWords(other, platform_);
    QCOMPARE(firstDifference(other.currentRom, withWords(second, 21, bytesFromHex("14 01 14 03 14"), blanks)), -1);
}

void RomTest::writeChangesExactlyThirteenBytes_data()
{
    QTest::addColumn<int>("button");
    for (int button : kButtons)
        QTest::addRow("RadioButton%d", button) << button;
}

// The whole file equals the original with the five and the eight word bytes replaced.
void RomTest::writeChangesExactlyThirteenBytes()
{
    QFETCH(int, button);
    const QByteArray image = makeRomImage(kRomSize + 3);
    Editor editor;
    editor.currentRom = romWith(image);
    selectVariant(editor.form, button);
    const QStringList texts = {"D", "_", "L", "I", "!", "C", "0", "9", "", "T", "V", "O", "R"};
    for (int i = 0; i < texts.size(); ++i)
        editor.form.setText(FieldId::edit(2 + i), texts[i]);
    writeWords(editor, platform_);
    const QByteArray expected =
        withWords(image, button, bytesFromHex("05 14 11 08 06"), bytesFromHex("12 07 10 14 13 18 17 19"));
    QCOMPARE(firstDifference(editor.currentRom, expected), -1);
}

void RomTest::refusals_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("file"); // "" none opened yet, "missing", "letter", "2000000", "rom"
    QTest::addColumn<int>("field");    // Edit<n> to change before the command, 0 for none
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    for (bool write : {false, true}) {
        const char* verb = write ? "write" : "read";
        QTest::addRow("%s, no file", verb) << write << "" << 0 << ""
                                           << "No ROM image is open yet. Open a ROM image with \"Open file\" first";
        QTest::addRow("%s, missing file", verb) << write << "missing" << 0 << ""
                                                << "File not found: ";
        QTest::addRow("%s, letter file", verb) << write << "letter" << 0 << ""
                                               << "is a letter file, not a ROM image";
        QTest::addRow("%s, 2,000,000 bytes", verb) << write << "2000000" << 0 << ""
                                                   << "(2,000,000 bytes;";
    }
    QTest::newRow("lower case") << true << "rom" << 8 << "a"
                                << "Letter 2 of GAME OVER: 'a' is not a character the game can show.";
    QTest::newRow("not a tile") << true << "rom" << 6 << "W"
                                << "Letter 5 of PAUSE: 'W' is not a character";
    QTest::newRow("two characters") << true << "rom" << 7 << "GA"
                                    << "Letter 1 of GAME OVER: 'GA' is 2 characters, but each letter of "
                                       "the word is one character.";
    QTest::newRow("typo and letter file") << true << "letter" << 2 << "p"
                                          << "is a letter file";
}

// Each refusal is an Error with its message; the file and the word fields stay as they were.
void RomTest::refusals()
{
    QFETCH(bool, write);
    QFETCH(QString, file);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QByteArray content;
    if (file == QLatin1String("letter"))
        content = bytesFromHex("03 FD EC 0D FC 1D 0C 01 03 00 23 02 22 04 21");
    else if (file == QLatin1String("2000000"))
        content = makeRomImage(2'000'000);
    else if (file == QLatin1String("rom"))
        content = withWords(makeRomImage(), 21, bytesFromHex("1A 01 FF 03 80"), kGameOverCodes);
    Editor editor;
    if (!file.isEmpty())
        editor.currentRom = content.isEmpty() ? dir_.filePath(QStringLiteral("gone.smc")) : romWith(content);
    if (field)
        editor.form.setText(FieldId::edit(field), text);
    const QStringList before = wordTexts(editor);
    try {
        write ? writeWords(editor, platform_) : vertiloom::readWords(editor);
        QFAIL("the command was not refused");
    } catch (const Error& error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
        if (!file.isEmpty() && !message.startsWith(QLatin1String("Letter ")))
            QVERIFY2(error.message().contains(editor.currentRom), qPrintable(error.message()));
    }
    QCOMPARE(wordTexts(editor), before);
    if (content.isEmpty())
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("gone.smc"))));
    else
        QCOMPARE(firstDifference(editor.currentRom, content), -1);
}

void RomTest::wordsInsideFile_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("outside"); // the word the refusal names; "" when both fit
    for (int button : kButtons) {
        const auto [pause, gameOver] = wordOffsets(button);
        QTest::addRow("%d, ends after GAME OVER", button) << button << gameOver + 8 << "";
        QTest::addRow("%d, GAME OVER one short", button) << button << gameOver + 7 << "GAME OVER";
        QTest::addRow("%d, PAUSE one short", button) << button << pause + 4 << "PAUSE";
    }
}

// Every file larger than 2,000,000 bytes holds both words, so the check is exercised by size.
void RomTest::wordsInsideFile()
{
    QFETCH(int, button);
    QFETCH(qint64, size);
    QFETCH(QString, outside);
    const auto variant = std::find_if(kRomVariants.cbegin(), kRomVariants.cend(),
                                      [button](const RomVariant& v) { return v.radioButton == button; });
    QVERIFY(variant != kRomVariants.cend());
    try {
        checkWordsInside(QStringLiteral("short.smc"), size, *variant);
        QVERIFY2(outside.isEmpty(), "a word outside the file was not refused");
    } catch (const Error& error) {
        QVERIFY2(error.message().contains(QStringLiteral("the %1 word").arg(outside)) && !outside.isEmpty(),
                 qPrintable(error.message()));
    }
}

void RomTest::sampleImage()
{
    // Every sample letter loads from the sample image at its catalogue offset, fits its catalogue
    // length, and the words read as PAUSE and GAME OVER; every other byte is the filler.
    const QByteArray image = sampleRomImage();
    QCOMPARE(image.size(), kSampleImageSize);
    const QString path = romWith(image);
    Editor editor;
    editor.currentRom = path;
    QByteArray rest = image;
    for (int position = 1; position <= kCatalogueSize; ++position) {
        const QString label = QString::fromLatin1(kCatalogue[position - 1].label);
        const LetterRecord letter = readLetterFile(path, editor.form.text(FieldId::addr()));
        QCOMPARE(letter, sampleLetter(position));
        QVERIFY2(letter.toBytes().size() <= label.section(u' ', -1).toInt(), qPrintable(label));
        QVERIFY(!letter.polygons.isEmpty());
        const qint64 offset = HexToInt(editor.form.text(FieldId::addr()));
        rest.replace(offset, letter.toBytes().size(), QByteArray(letter.toBytes().size(), kSampleFiller));
        nextLetter(editor);
    }
    vertiloom::readWords(editor);
    QString words;
    for (int n = 2; n <= 14; ++n)
        words += editor.form.text(FieldId::edit(n));
    QCOMPARE(words, QStringLiteral("PAUSEGAMEOVER"));
    rest.replace(0xCC60, 5, QByteArray(5, kSampleFiller));
    rest.replace(0x8619F, 8, QByteArray(8, kSampleFiller));
    QCOMPARE(rest, QByteArray(kSampleImageSize, kSampleFiller));
}

void RomTest::recognition_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("fitting"); // radio button, "+512" when headered, " words" when known
    QTest::addColumn<QList<int>>("selected"); // the buttons whose dump, read as the image stands, fits
    QTest::addColumn<QString>("dump");        // the tooltip's first line
    QTest::addColumn<QString>("crc");         // "" where the image is too big to write out

    const auto row = [](const char* name, const QByteArray& image, const QStringList& fitting,
                        const QList<int>& selected, const char* dump, const char* crc = "") {
        QTest::newRow(name) << image << fitting << selected << QString::fromLatin1(dump) << QString::fromLatin1(crc);
    };
    row("21", dumpImage(21, false), {"21 words"}, {21}, "Brindle (U) (V1.0)");
    row("28", dumpImage(28, false), {"28 words", "24"}, {28}, "Brindle (E) (M3) (V1.0)");
    row("24", dumpImage(24, false), {"24 words", "28"}, {24}, "Brindle (E) (M3) (V1.1)");
    row("22", dumpImage(22, false), {"22 words", "23"}, {22}, "Brindle (U) (M3) (V1.0)");
    row("23", dumpImage(23, false), {"23 words", "22"}, {23}, "Brindle (U) (M3) (V1.1)");
    row("21 headered", dumpImage(21, true), {"21+512 words"}, {}, "Brindle (U) (V1.0) (with a 512-byte header)");
    row("28 headered", dumpImage(28, true), {"28+512 words", "24+512"}, {},
        "Brindle (E) (M3) (V1.0) (with a 512-byte header)");
    row("24 headered", dumpImage(24, true), {"24+512 words", "28+512"}, {},
        "Brindle (E) (M3) (V1.1) (with a 512-byte header)");
    // Headered (U) (M3) puts the letters where headerless (U) (V1.0) has them; with V1.0 the words too.
    row("22 headered", dumpImage(22, true), {"22+512 words", "23+512"}, {21},
        "Brindle (U) (M3) (V1.0) (with a 512-byte header)");
    row("23 headered", dumpImage(23, true), {"23+512 words", "22+512"}, {},
        "Brindle (U) (M3) (V1.1) (with a 512-byte header)");
    row("28, 21 points in R", dumpImage(28, false, 1), {}, {}, "Not one of the five known dumps");
    row("23 headered, 21 points in R", dumpImage(23, true, 1), {}, {}, "Not one of the five known dumps");
    row("21, !! too long", dumpImage(21, false, 2), {}, {}, "Not one of the five known dumps");
    row("filler only", makeRomImage(), {}, {}, "Not one of the five known dumps");
    row("21 ending inside !!", dumpImage(21, false).left(0x47F67 + 10), {}, {}, "Not one of the five known dumps");
    row("empty", QByteArray(), {}, {}, "Not one of the five known dumps", "00000000");
    row("123456789", "123456789", {}, {}, "Not one of the five known dumps", "CBF43926");
    const QByteArray body = QByteArray("123456789") + QByteArray(1015, '\0');
    row("1,024 bytes", body, {}, {}, "Not one of the five known dumps", "5B406F1C");
    row("the same after a header", QByteArray(512, '\xA5') + body, {}, {}, "Not one of the five known dumps",
        "5B406F1C");
    // 600 bytes are not 512 more than a multiple of 1,024: no header, the CRC32 takes every byte.
    row("600 bytes", QByteArray(512, '\xA5') + body.left(88), {}, {}, "Not one of the five known dumps", "7D08D438");
    // A record exactly as long as the catalogue allows fits: "I" of 30 bytes, up to where "2" begins.
    QByteArray exact = dumpImage(21, false);
    putBytes(exact, 0x478EC, bytesFromHex("05 F0F0 10F0 1010 F010 0000 01 03 000204 010203 000000 0000000000000000"));
    row("21, I as long as allowed", exact, {"21 words"}, {21}, "Brindle (U) (V1.0)");
    // Words that are no tile codes: the letters fit, and with no dump's words known the selected one
    // fits as it is (opening asks nothing).
    row("21, words unknown", withWords(dumpImage(21, false), 21, QByteArray(5, '\xFF'), QByteArray(8, '\xFF')), {"21"},
        {21}, "Brindle (U) (V1.0)");
}

void RomTest::recognition()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, fitting);
    QFETCH(QList<int>, selected);
    QFETCH(QString, dump);
    QFETCH(QString, crc);
    const Recognition r = recognise(image, Crc::Take);
    QStringList found;
    for (const DumpMatch& m : r.fitting) {
        found << QString::number(m.variant->radioButton) + (m.header ? "+512" : "") + (m.wordsKnown ? " words" : "");
        QVERIFY(fits(image, *m.variant, m.header));
    }
    QCOMPARE(found, fitting);
    QList<int> fitsAsIs;
    for (const RomVariant& variant : kRomVariants) {
        if (fitsAsSelected(r, variant))
            fitsAsIs << variant.radioButton;
    }
    std::sort(fitsAsIs.begin(), fitsAsIs.end());
    QCOMPARE(fitsAsIs, selected);
    QCOMPARE(r.size, image.size());
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{8}$")).match(r.crc32).hasMatch());
    if (!crc.isEmpty())
        QCOMPARE(r.crc32, crc);
    QCOMPARE(recognitionText(r), dump + QStringLiteral("\nCRC32 ") + r.crc32);
}

// Images of zeros with a header (21 bytes of title, then map mode, type, ROM size, RAM size,
// country, maker, version, the complement and the checksum), so that the sums are the header's.
void RomTest::cartridgeHeader_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("expected"); // place, offset, title, map mode, size, country, version,
                                           // complement, checksum; the image's own; whether they match
    const auto header = [](const char* title, const char* rest, char padding = ' ') {
        return QByteArray(title).leftJustified(21, padding) + bytesFromHex(rest);
    };
    const auto zeros = [](qsizetype size, std::initializer_list<std::pair<qint64, QByteArray>> parts) {
        QByteArray image(size, '\0');
        for (const auto& [offset, bytes] : parts)
            putBytes(image, offset, bytes);
        return image;
    };
    // 9 letters 631, 12 blanks 384, 20+08+01+33+01 93, a checksum with its complement 1FE: 652.
    const QByteArray low = header("LOW PLACE", "20 00 08 00 01 33 01 AD F9 52 06");
    QTest::newRow("low, right") << zeros(
        0x20000,
        {{0x7FC0, low}}) << "low 7FC0 \"LOW PLACE\" 20 LoROM 08 256 KiB 01 North America 01 F9AD 0652 own 0652 match";
    QTest::newRow("after a copier header")
        << QByteArray(512, '\x55') + zeros(0x20000, {{0x7FC0, low}})
        << "low 81C0 \"LOW PLACE\" 20 LoROM 08 256 KiB 01 North America 01 F9AD 0652 "
           "own 0652 match";
    QTest::newRow("high, wrong")
        << zeros(0x20000, {{0xFFC0, header("HIGH PLACE", "31 00 09 00 00 33 02 34 12 CB ED", '\0')}})
        << "high FFC0 \"HIGH PLACE\" 31 HiROM, fast ROM 09 512 KiB 00 Japan 02 1234 EDCB own 0512 "
           "no match";
    // A HiROM map mode in both: the high place, where HiROM keeps it, wins.
    QTest::newRow("both places")
        << zeros(0x20000, {{0x7FC0, header("FIRST", "21 00 08 00 01 33 00 FF FF 00 00")},
                           {0xFFC0, header("SECOND", "21 00 08 00 01 33 00 FF FF 00 00")}})
        << "high FFC0 \"SECOND\" 21 HiROM 08 256 KiB 01 North America 00 FFFF 0000 own 0BDA no match";
    // The same score at both places (a map mode that keeps its header at neither): the low place.
    QTest::newRow("a tie") << zeros(0x20000, {{0x7FC0, header("FIRST", "00 00 08 00 01 33 00 FF FF 00 00")},
                                              {0xFFC0, header("SECOND", "00 00 08 00 01 33 00 FF FF 00 00")}})
                           << "low 7FC0 \"FIRST\" 00  08 256 KiB 01 North America 00 FFFF 0000 own 0B98 no match";
    // The stored checksum is the image's own, but the complement is not its complement.
    QTest::newRow("checksum without its complement")
        << zeros(0x20000, {{0x7FC0, header("LOW PLACE", "20 00 08 00 01 33 01 A7 00 52 05")}})
        << "low 7FC0 \"LOW PLACE\" 20 LoROM 08 256 KiB 01 North America 01 00A7 0552 own 0552 no match";
    // Text after the 00 padding: no title, so a HiROM map mode at the low place, a size and a country
    // make 4 points, too few for a header.
    QTest::newRow("text after the padding")
        << zeros(0x20000, {{0x7FC0, QByteArray("LOW", 4) + QByteArray("PLACE").leftJustified(17, '\0')
                                        + bytesFromHex("21 00 08 00 01 33 00 00 00 00 00")}})
        << "none own 02B4 no match";
    // 192 KiB: the last 64 KiB count twice, so its one byte 01 adds 2.
    QTest::newRow("mirrored remainder")
        << zeros(0x30000,
                 {{0x7FC0, header("LOW PLACE", "20 00 08 00 01 33 01 AB F9 54 06")}, {0x2FFFF, bytesFromHex("01")}})
        << "low 7FC0 \"LOW PLACE\" 20 LoROM 08 256 KiB 01 North America 01 F9AB 0654 own "
           "0654 match";
    QTest::newRow("no header") << zeros(0x20000, {{0x2FF, bytesFromHex("01")}}) << "none own 0001 no match";
}

void RomTest::cartridgeHeader()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, expected);
    const auto hex2 = [](quint8 byte) { return TwoDigitHex(byte); };
    const auto hex4 = [](quint16 word) { return QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper(); };
    const ChecksumCheck check = checkChecksum(image);
    QString found = QStringLiteral("none");
    if (const std::optional<CartridgeHeader>& h = check.header) {
        found = QStringLiteral("%1 %2 \"%3\" %4 %5 %6 %7 %8 %9 %10 %11 %12")
                    .arg(h->high ? "high" : "low", IntToHexText(h->offset), h->title, hex2(h->mapMode),
                         mapModeName(h->mapMode), hex2(h->romSize), romSizeName(h->romSize), hex2(h->country),
                         countryName(h->country))
                    .arg(hex2(h->version), hex4(h->complement), hex4(h->checksum));
    }
    found += QStringLiteral(" own %1 %2").arg(hex4(check.computed), check.matches ? "match" : "no match");
    QCOMPARE(found, expected);
}

QTEST_GUILESS_MAIN(RomTest)
#include "tst_rom.moc"

void RomTest::failedWriteIsUndone_data()
{
    QTest::addColumn<int>("failing");          // the write that fails: 1 PAUSE, 2 GAME OVER
    QTest::addColumn<int>("bytesBefore");      // the bytes it gets onto the disk first
    QTest::addColumn<QString>("restoreFault"); // what fails in putting the old bytes back: "", "write" or "sync"
    QTest::addColumn<QString>("message");      // %1: the image
    QTest::newRow("put back") << 2 << 3 << ""
                              << "Cannot write the words into %1: No space left on device. The bytes that were there "
                                 "before were put back: the file is as it was.";
    QTest::newRow("no way back")
        << 2 << 3 << "write"
        << "Cannot write the words into %1: No space left on device. Putting the old bytes back failed too "
           "(Input/output error): offsets CC60 to CC64 and 8619F to 861A1 of %1 may have been changed. Their old bytes "
           "are kept beside it, and the editor puts them back the next time it opens the file.";
    // Bytes put back but not synced are not known to be on the disk.
    QTest::newRow("sync after putting back fails")
        << 2 << 3 << "sync"
        << "Cannot write the words into %1: No space left on device. Putting the old bytes back failed too "
           "(Input/output error): offsets CC60 to CC64 and 8619F to 861A1 of %1 may have been changed. Their old bytes "
           "are kept beside it, and the editor puts them back the next time it opens the file.";
    // GAME OVER was never touched, so it is not named.
    QTest::newRow("no way back, PAUSE torn")
        << 1 << 3 << "write"
        << "Cannot write the words into %1: No space left on device. Putting the old bytes back failed too "
           "(Input/output error): offsets CC60 to CC62 of %1 may have been changed. Their old bytes are kept beside "
           "it, and the editor puts them back the next time it opens the file.";
    // GAME OVER was refused at its first byte: only PAUSE is named, never an empty range.
    QTest::newRow("no way back, GAME OVER refused")
        << 2 << 0 << "write"
        << "Cannot write the words into %1: No space left on device. Putting the old bytes back failed too "
           "(Input/output error): offsets CC60 to CC64 of %1 may have been changed. Their old bytes are kept beside "
           "it, and the editor puts them back the next time it opens the file.";
}

// One word's write fails part-way (GAME OVER when PAUSE is already written), then perhaps the way
// back.
void RomTest::failedWriteIsUndone()
{
    QFETCH(int, failing);
    QFETCH(int, bytesBefore);
    QFETCH(QString, restoreFault);
    QFETCH(QString, message);
    const QByteArray image = makeRomImage();
    Editor editor;
    editor.currentRom = romWith(image);
    editor.backedUp.insert(QFileInfo(editor.currentRom).canonicalFilePath()); // the faults are for the write itself
    for (int i = 0; i < kWordFields; ++i)
        editor.form.setText(FieldId::edit(2 + i), QStringLiteral("0"));
    int writes = 0;
    setIoFaultHook([&](IoStep step, qint64, qint64) {
        if (step == IoStep::Journal) // the journal of a patch is written as ever
            return IoFault{};
        // After a failed write the one sync is the one after putting the old bytes back.
        if (step == IoStep::Sync)
            return restoreFault == QLatin1String("sync") ? IoFault{EIO, 0} : IoFault{};
        ++writes;
        if (writes == failing)
            return IoFault{ENOSPC, bytesBefore};
        return writes == failing + 1 && restoreFault == QLatin1String("write") ? IoFault{EIO, 0} : IoFault{};
    });
    try {
        writeWords(editor, platform_);
        setIoFaultHook({});
        QFAIL("the write should have failed");
    } catch (const Error& error) {
        setIoFaultHook({});
        QCOMPARE(error.message(), message.arg(editor.currentRom));
    }
    const QByteArray cut(bytesBefore, '\x07');
    const QByteArray torn =
        failing == 1 ? withWords(image, 21, cut, {}) : withWords(image, 21, bytesFromHex("07 07 07 07 07"), cut);
    QCOMPARE(firstDifference(editor.currentRom, restoreFault == QLatin1String("write") ? torn : image), -1);
}
