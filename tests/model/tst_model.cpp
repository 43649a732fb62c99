// Tests of the model: the hexadecimal conversions, the controls' object names, the form with its
// default letter, design-time decorations and change reactions, and the messages' Russian texts.
#include "model/error.h"
#include "model/fields.h"
#include "model/form.h"
#include "model/hex.h"
#include "model/messages.h"
#include "record/files.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QXmlStreamReader>

using namespace vertiloom;

class ModelTest : public QObject {
    Q_OBJECT

private slots:
    // Conversions
    void hexDigitValue_data();
    void hexDigitValue();
    void hexToInt_data();
    void hexToInt();
    void intToHexText_data();
    void intToHexText();
    void negativeValuesRoundTrip_data();
    void negativeValuesRoundTrip();
    void hexToBytes_data();
    void hexToBytes();
    void vertexRefAllTwoDigitTexts();
    void vertexRefOtherTexts_data();
    void vertexRefOtherTexts();
    void previewCoordAllTwoDigitTexts();
    void previewCoordOtherTexts_data();
    void previewCoordOtherTexts();

    // Object names
    void objectNames_data();
    void objectNames();
    void slotsCoverEveryControlOnce();

    // The form
    void defaultLetter();
    void designTimeDecorations();
    void setTextRunsReactionOnlyOnChange();
    void degreeEchoLabel_data();
    void degreeEchoLabel();
    void dotsRefreshesPolygonEcho();
    void polygonsEcho();
    void cornerCaption_data();
    void cornerCaption();
    void parameterColour_data();
    void parameterColour();
    void memoByteCount_data();
    void memoByteCount();

    // Messages
    void messagesInEveryLanguage();
};

// ---- Conversions -----------------------------------------------------------------------------

void ModelTest::hexDigitValue_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<int>("value");
    QTest::newRow("0") << QChar(u'0') << 0;
    QTest::newRow("9") << QChar(u'9') << 9;
    QTest::newRow("A") << QChar(u'A') << 10;
    QTest::newRow("F") << QChar(u'F') << 15;
    QTest::newRow("lower a is no digit") << QChar(u'a') << 0;
    QTest::newRow("lower f is no digit") << QChar(u'f') << 0;
    QTest::newRow("G") << QChar(u'G') << 0;
    QTest::newRow("space") << QChar(u' ') << 0;
}

void ModelTest::hexDigitValue()
{
    QFETCH(QChar, c);
    QFETCH(int, value);
    QCOMPARE(HexDigitValue(c), value);
}

void ModelTest::hexToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("invalid digit") << "1G" << 0;
    QTest::newRow("mixed case") << "fD" << 253;
    QTest::newRow("lower") << "ff" << 255;
    QTest::newRow("upper") << "FF" << 255;
    QTest::newRow("leading zeros") << "0014" << 20;
    QTest::newRow("eight F wrap") << "FFFFFFFF" << -1;
    QTest::newRow("most negative") << "80000000" << std::numeric_limits<int>::min();
    QTest::newRow("largest") << "7FFFFFFF" << std::numeric_limits<int>::max();
    QTest::newRow("default address") << "476E2" << 292578;
    QTest::newRow("leading space") << " 1" << 0;
    QTest::newRow("trailing space") << "1 " << 0;
    QTest::newRow("dollar prefix") << "$1F" << 0;
    QTest::newRow("sign") << "-1" << 0;
    QTest::newRow("invalid at the end") << "123z" << 0;
}

void ModelTest::hexToInt()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(HexToInt(text), value);
}

void ModelTest::intToHexText_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "0";
    QTest::newRow("5") << qint64(5) << "5";
    QTest::newRow("15") << qint64(15) << "F";
    QTest::newRow("16") << qint64(16) << "10";
    QTest::newRow("255") << qint64(255) << "FF";
    QTest::newRow("256") << qint64(256) << "100";
    QTest::newRow("292578") << qint64(292578) << "476E2";
    QTest::newRow("seven F") << qint64(268435455) << "FFFFFFF";
    QTest::newRow("-1") << qint64(-1) << "FFFFFFFF";
}

void ModelTest::intToHexText()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(IntToHexText(value), text);
}

void ModelTest::negativeValuesRoundTrip_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("-1") << -1;
    QTest::newRow("-2") << -2;
    QTest::newRow("-256") << -256;
    QTest::newRow("-292578") << -292578;
    QTest::newRow("most negative") << std::numeric_limits<int>::min();
}

void ModelTest::negativeValuesRoundTrip()
{
    QFETCH(int, value);
    const QString text = IntToHexText(value);
    QCOMPARE(text.size(), 8);
    QCOMPARE(HexToInt(text), value);
}

void ModelTest::hexToBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("one character") << "A" << QByteArray();
    QTest::newRow("odd tail dropped") << "ABC" << QByteArray("\xAB", 1);
    QTest::newRow("either case") << "0A1b" << QByteArray("\x0A\x1B", 2);
    QTest::newRow("bad pair is zero") << "zz01" << QByteArray("\x00\x01", 2);
    QTest::newRow("half-bad pair is zero") << "1zFF" << QByteArray("\x00\xFF", 2);
    QTest::newRow("space pair is zero") << " 1" << QByteArray("\x00", 1);
}

void ModelTest::hexToBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(HexToBytes(text), bytes);
}

void ModelTest::vertexRefAllTwoDigitTexts()
{
    for (int v = 0; v < 256; ++v) {
        const QString text = QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
        const QString expected = (v % 2 == 0 && v <= 0x26) ? QString::number(v / 2 + 1) : QString();
        QCOMPARE(VertexRefToPointNumber(text), expected);
        // The same text in lower case is never a reference (digits-only texts are their own lower case).
        const QString lower = text.toLower();
        if (lower != text)
            QCOMPARE(VertexRefToPointNumber(lower), QString());
    }
}

void ModelTest::vertexRefOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("point");
    const char* const oneDigit[] = {"0", "2", "4", "6", "8", "A", "C", "E"};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("one digit %s", oneDigit[i]) << oneDigit[i] << QString::number(i + 1);
    for (const char* odd : {"1", "3", "5", "7", "9", "B", "D", "F"})
        QTest::addRow("odd one digit %s", odd) << odd << "";
    QTest::newRow("lower one digit") << "a"
                                     << "";
    QTest::newRow("not a digit") << "G"
                                 << "";
    QTest::newRow("10 has no one-digit form") << "10"
                                              << "9";
    QTest::newRow("28 beyond point 20") << "28"
                                        << "";
    QTest::newRow("03 odd") << "03"
                            << "";
    QTest::newRow("1a lower") << "1a"
                              << "";
    QTest::newRow("FE") << "FE"
                        << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("three digits") << "026"
                                  << "";
    QTest::newRow("leading space") << " 2"
                                   << "";
}

void ModelTest::vertexRefOtherTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, point);
    QCOMPARE(VertexRefToPointNumber(text), point);
}

void ModelTest::previewCoordAllTwoDigitTexts()
{
    for (int v = 0; v < 256; ++v) {
        const QString text = QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
        const int signedValue = static_cast<qint8>(static_cast<quint8>(v));
        QCOMPARE(HexToPreviewCoord(text), QString::number(signedValue + 128));
    }
}

void ModelTest::previewCoordOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("coord");
    QTest::newRow("80 left edge") << "80"
                                  << "0";
    QTest::newRow("00 middle") << "00"
                               << "128";
    QTest::newRow("7F beyond bitmap") << "7F"
                                      << "255";
    QTest::newRow("FF") << "FF"
                        << "127";
    QTest::newRow("one digit") << "8"
                               << "";
    QTest::newRow("lower") << "ff"
                           << "";
    QTest::newRow("mixed case") << "7f"
                                << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("three digits") << "800"
                                  << "";
    QTest::newRow("padded") << "080"
                            << "";
}

void ModelTest::previewCoordOtherTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, coord);
    QCOMPARE(HexToPreviewCoord(text), coord);
}

// ---- Object names ----------------------------------------------------------------------------

void ModelTest::objectNames_data()
{
    QTest::addColumn<FieldId>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("x7") << FieldId::x(7) << "x7";
    QTest::newRow("y20") << FieldId::y(20) << "y20";
    QTest::newRow("Pol3_11") << FieldId::pol(3, 11) << "Pol3_11";
    QTest::newRow("CheckPol8_11") << FieldId::checkPol(8, 11) << "CheckPol8_11";
    QTest::newRow("IPol1_10") << FieldId::ipol(1, 10) << "IPol1_10";
    QTest::newRow("Degree2") << FieldId::degree(2) << "Degree2";
    QTest::newRow("Label22") << FieldId::label(22) << "Label22";
    QTest::newRow("echo of Degree8") << degreeEcho(8) << "Label31";
    QTest::newRow("CheckBox20") << FieldId::checkBox(20) << "CheckBox20";
    QTest::newRow("Dots") << FieldId::dots() << "Dots";
    QTest::newRow("Memo1") << FieldId::memo() << "Memo1";
}

void ModelTest::objectNames()
{
    QFETCH(FieldId, id);
    QFETCH(QString, name);
    QCOMPARE(id.objectName(), name);
}

// Every slot is one control and back, no two slots share an object name, and the ids around the
// edges of each kind have a slot or none as the window has the control or not.
void ModelTest::slotsCoverEveryControlOnce()
{
    QSet<QString> names;
    for (int slot = 0; slot < kFieldSlots; ++slot) {
        const FieldId id = fieldAtSlot(slot);
        QCOMPARE(fieldSlot(id), slot);
        names << id.objectName();
    }
    QCOMPARE(names.size(), kFieldSlots);
    for (const char* name :
         {"x1", "x20", "y20", "CheckBox22", "RadioButton28", "Dots", "Polygons", "Degree8", "Pol1_1", "Pol8_11",
          "IPol8_11", "CheckPol8_11", "Addr", "Memo1", "Edit14", "Label37", "Button11", "BitBtn4"})
        QVERIFY2(names.contains(QString::fromLatin1(name)), name);
    for (const FieldId& outside :
         {FieldId::x(0), FieldId::x(21), FieldId::pol(1, 12), FieldId::pol(9, 1), FieldId::pol(1, 0),
          FieldId::label(41), FieldId{Kind::Dots, 1}, FieldId{Kind::Label, 3, 1}})
        QVERIFY2(fieldSlot(outside) == -1, qPrintable(outside.objectName()));
}

// ---- The form --------------------------------------------------------------------------------

void ModelTest::defaultLetter()
{
    // The texts of points and corners are checked whole by the compiled record text of the
    // preview tests; here what the record text does not show.
    const EditorForm form;
    for (int n = 1; n <= kPoints; ++n) {
        QVERIFY(form.checked(FieldId::checkBox(n)));
        QCOMPARE(form.text(FieldId::checkBox(n)), QStringLiteral("xy %1").arg(n));
    }
    QCOMPARE(form.text(FieldId::x(13)), QStringLiteral("B8"));
    QCOMPARE(form.text(FieldId::y(20)), QStringLiteral("0E"));
    QCOMPARE(form.text(FieldId::dots()), QStringLiteral("14"));
    QCOMPARE(form.text(FieldId::polygons()), QStringLiteral("07"));
    QCOMPARE(form.text(FieldId::addr()), QStringLiteral("476E2"));
    for (int p = 1; p <= kPolygons; ++p) {
        QCOMPARE(form.text(FieldId::degree(p)), p <= 3 ? QStringLiteral("04") : QStringLiteral("FF"));
        for (int k = 1; k <= kCorners; ++k) {
            const bool used = p <= 7 && k <= 4;
            QCOMPARE(form.checked(FieldId::checkPol(p, k)), used);
            QCOMPARE(form.color(FieldId::pol(p, k)), polygonColor(p));
            if (!used) {
                QCOMPARE(form.text(FieldId::pol(p, k)), QStringLiteral("00"));
                QCOMPARE(form.text(FieldId::ipol(p, k)), QStringLiteral("00"));
            }
        }
    }
    QCOMPARE(polygonColor(1), QColor(255, 255, 0));
    QCOMPARE(polygonColor(7), QColor(192, 220, 192));
    QCOMPARE(polygonColor(8), QColor(255, 251, 240));
    QVERIFY(form.checked(FieldId::checkBox(21)));
    QVERIFY(form.checked(FieldId::checkBox(22)));
    QCOMPARE(form.memoForm(), MemoForm::Plain);
}

void ModelTest::designTimeDecorations()
{
    const EditorForm form;
    for (int p = 1; p <= kPolygons; ++p) {
        for (int k = 1; k <= kCorners; ++k) {
            QCOMPARE(form.text(FieldId::checkPol(p, k)), QStringLiteral("xy"));
            // Ordinary window colour, even where the text is not "00".
            QCOMPARE(form.color(FieldId::ipol(p, k)), kWindowColor);
        }
    }
    QCOMPARE(form.text(FieldId::label(22)), QStringLiteral("20"));
    QCOMPARE(form.text(FieldId::label(23)), QStringLiteral("7"));
    for (int n = 24; n <= 26; ++n)
        QCOMPARE(form.text(FieldId::label(n)), QStringLiteral("4"));
    for (int n = 27; n <= 31; ++n)
        QCOMPARE(form.text(FieldId::label(n)), QStringLiteral("255"));
}

void ModelTest::setTextRunsReactionOnlyOnChange()
{
    EditorForm form;
    QSignalSpy spy(&form, &EditorForm::changed);

    // The same text: no notification, no reaction (the caption keeps its design-time "xy").
    form.setText(FieldId::pol(1, 1), QStringLiteral("00"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(form.text(FieldId::checkPol(1, 1)), QStringLiteral("xy"));

    // A different text: the field, then what its reaction changed.
    form.setText(FieldId::pol(1, 1), QStringLiteral("02"));
    QCOMPARE(form.text(FieldId::checkPol(1, 1)), QStringLiteral("xy 2"));
    QVERIFY(spy.count() >= 2);
    QCOMPARE(spy.at(0).at(0).value<FieldId>(), FieldId::pol(1, 1));
    bool captionNotified = false;
    for (const QList<QVariant>& args : spy)
        captionNotified = captionNotified || args.at(0).value<FieldId>() == FieldId::checkPol(1, 1);
    QVERIFY(captionNotified);

    // Writing it again changes nothing.
    spy.clear();
    form.setText(FieldId::pol(1, 1), QStringLiteral("02"));
    QCOMPARE(spy.count(), 0);

    // A design-time parameter rewritten with its own text keeps the window colour.
    form.setText(FieldId::ipol(1, 1), QStringLiteral("23"));
    QCOMPARE(form.color(FieldId::ipol(1, 1)), kWindowColor);
    QCOMPARE(spy.count(), 0);
}

void ModelTest::degreeEchoLabel_data()
{
    QTest::addColumn<int>("polygon");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("echo");
    QTest::newRow("Degree3 empty") << 3 << ""
                                   << "0";
    QTest::newRow("Degree3 FF") << 3 << "FF"
                                << "255";
    QTest::newRow("Degree1 0B") << 1 << "0B"
                                << "11";
    QTest::newRow("Degree8 01") << 8 << "01"
                                << "1";
    QTest::newRow("Degree5 lower") << 5 << "0b"
                                   << "11";
    QTest::newRow("Degree6 invalid") << 6 << "0G"
                                     << "0";
}

void ModelTest::degreeEchoLabel()
{
    QFETCH(int, polygon);
    QFETCH(QString, text);
    QFETCH(QString, echo);
    EditorForm form;
    form.setText(FieldId::degree(polygon), text);
    QCOMPARE(form.text(FieldId::label(23 + polygon)), echo);
    // No other echo label moved.
    for (int p = 1; p <= kPolygons; ++p) {
        if (p != polygon)
            QCOMPARE(form.text(vertiloom::degreeEcho(p)), p <= 3 ? QStringLiteral("4") : QStringLiteral("255"));
    }
}

void ModelTest::dotsRefreshesPolygonEcho()
{
    EditorForm form;
    form.setText(FieldId::label(23), QStringLiteral("stale"));
    form.setText(FieldId::dots(), QStringLiteral("0A"));
    QCOMPARE(form.text(FieldId::label(22)), QStringLiteral("10"));
    QCOMPARE(form.text(FieldId::label(23)), QStringLiteral("7")); // Polygons itself did not change
    QCOMPARE(form.text(FieldId::polygons()), QStringLiteral("07"));

    form.setText(FieldId::dots(), QString());
    QCOMPARE(form.text(FieldId::label(22)), QStringLiteral("0"));
}

void ModelTest::polygonsEcho()
{
    EditorForm form;
    form.setText(FieldId::polygons(), QStringLiteral("03"));
    QCOMPARE(form.text(FieldId::label(23)), QStringLiteral("3"));
    QCOMPARE(form.text(FieldId::label(22)), QStringLiteral("20"));
    form.setText(FieldId::polygons(), QStringLiteral("xx"));
    QCOMPARE(form.text(FieldId::label(23)), QStringLiteral("0"));
}

void ModelTest::cornerCaption_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("0A") << "0A"
                        << "xy 6";
    QTest::newRow("one digit A") << "A"
                                 << "xy 6";
    QTest::newRow("26") << "26"
                        << "xy 20";
    QTest::newRow("odd 01") << "01"
                            << "xy ";
    QTest::newRow("beyond 28") << "28"
                               << "xy ";
    QTest::newRow("lower 0a") << "0a"
                              << "xy ";
    QTest::newRow("empty") << ""
                           << "xy ";
}

void ModelTest::cornerCaption()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    EditorForm form;
    form.setText(FieldId::pol(2, 3), text);
    QCOMPARE(form.text(FieldId::checkPol(2, 3)), caption);
    QCOMPARE(form.text(FieldId::checkPol(2, 2)), QStringLiteral("xy"));
}

void ModelTest::parameterColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("one digit 0") << "0" << kAqua;
    QTest::newRow("00") << "00" << kWhite;
    QTest::newRow("empty") << "" << kAqua;
    QTest::newRow("23") << "23" << kAqua;
    QTest::newRow("lower text") << "zz" << kAqua;
}

void ModelTest::parameterColour()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    EditorForm form;
    // IPol1_1 starts as "23"; go through "11" first so that every row's text is a change.
    form.setText(FieldId::ipol(1, 1), QStringLiteral("11"));
    QCOMPARE(form.color(FieldId::ipol(1, 1)), kAqua);
    form.setText(FieldId::ipol(1, 1), text);
    QCOMPARE(form.color(FieldId::ipol(1, 1)), colour);
    QCOMPARE(form.color(FieldId::ipol(1, 2)), kWindowColor);
}

void ModelTest::memoByteCount_data()
{
    QTest::addColumn<bool>("tagged");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("count");
    QTest::newRow("plain empty") << false << ""
                                 << "0";
    QTest::newRow("plain even") << false << "0A1B2C"
                                << "3";
    QTest::newRow("plain odd") << false << "0A1B2"
                               << "2";
    QTest::newRow("tagged two bytes and line break") << true << "<bh:0a><bh:1b>\r\n"
                                                     << "2";
    QTest::newRow("tagged short") << true << "<bh:0a"
                                  << "0";
    // A line break counts as carriage return and line feed, also where the memo keeps only "\n".
    QTest::newRow("tagged three bytes, line break, five typed") << true << "<bh:0a><bh:1b><bh:2c>\nABCDE"
                                                                << "4";
    QTest::newRow("plain line feed") << false << "A\nB"
                                     << "2";
    QTest::newRow("plain both breaks") << false << "A\r\n\nB"
                                       << "3";
    QTest::newRow("plain carriage return") << false << "A\rB"
                                           << "2"; // the memo shows two lines
}

void ModelTest::memoByteCount()
{
    QFETCH(bool, tagged);
    QFETCH(QString, text);
    QFETCH(QString, count);
    EditorForm form;
    form.setText(FieldId::memo(), QStringLiteral("something else entirely"));
    form.setMemoForm(tagged ? MemoForm::Translhextion : MemoForm::Plain);
    form.setText(FieldId::memo(), text);
    QCOMPARE(form.text(FieldId::label(32)), count);
}

// ---- Messages --------------------------------------------------------------------------------

// Every translation of every language keeps the placeholders of its English text, none is empty, and
// tr() is only ever called with a string literal (lupdate can't see any other text). A message comes
// out in a language exactly while that language is installed.
void ModelTest::messagesInEveryLanguage()
{
    const QDir root(QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../..")));
    QVERIFY2(root.exists(QStringLiteral("src/model/messages.cpp")), qPrintable(root.path()));
    const QRegularExpression notALiteral(QStringLiteral(R"re(\btr\((?!\s*(?:"|u8"|QT_|\)|const char)))re"));
    QDirIterator sources(root.filePath(QStringLiteral("src")), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                         QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        QFile file(sources.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(!notALiteral.match(QString::fromUtf8(file.readAll())).hasMatch(), qPrintable(file.fileName()));
    }
    const auto placeholders = [](const QString& text) {
        QStringList found;
        for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
            found << match.captured();
        found.sort();
        found.removeDuplicates();
        return found;
    };
    for (const Language& language : kLanguages) {
        if (QLatin1String(language.code) == QLatin1String("en"))
            continue;
        QFile ts(root.filePath(QStringLiteral("translations/vertiloom_%1.ts").arg(QLatin1String(language.code))));
        QVERIFY2(ts.open(QIODevice::ReadOnly), qPrintable(ts.fileName()));
        QXmlStreamReader xml(&ts);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool unfinished = xml.attributes().hasAttribute(QLatin1String("type"));
                const QString text = xml.readElementText();
                const QString where = QStringLiteral("%1: %2").arg(QLatin1String(language.code), source);
                QVERIFY2(!text.isEmpty() && !unfinished, qPrintable(where));
                QVERIFY2(placeholders(text) == placeholders(source), qPrintable(where));
                ++messages;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(messages > 200, qPrintable(ts.fileName()));
    }

    const auto refusal = [] {
        try {
            offsetFromAddr(QStringLiteral("$476E2"));
        } catch (const Error& error) {
            return error.message();
        }
        return QString();
    };
    const QString english = QStringLiteral("The offset in Addr, \"$476E2\", is not a hexadecimal number (only the "
                                           "digits 0-9 and A-F, such as 476E2).");
    QCOMPARE(refusal(), english);
    QVERIFY(installMessages(QStringLiteral("ru")));
    const QString inRussian = refusal();
    QVERIFY(!installMessages(QStringLiteral("xx")));
    const QString afterUnknown = refusal();
    QVERIFY(installMessages(QStringLiteral("en")));
    QCOMPARE(inRussian, QStringLiteral("Смещение в Addr, \"$476E2\", не является шестнадцатеричным числом "
                                       "(допустимы только цифры 0-9 и A-F, например 476E2)."));
    QCOMPARE(afterUnknown, english);
    QCOMPARE(refusal(), english);
}

QTEST_GUILESS_MAIN(ModelTest)
#include "tst_model.moc"
