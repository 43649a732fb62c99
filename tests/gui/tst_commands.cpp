// The window's file commands through their real buttons: open and reload, the three exports, the
// ROM panel's stepping and variants, and reading and writing the PAUSE and GAME OVER words; the
// undo keys, the question before unsaved changes go, dropped files and the title; F9 and the
// emulator it starts.
#include "app/drawingboard.h"
#include "app/emulator.h"
#include "app/mainwindow.h"
#include "app/qtplatform.h"
#include "record/journal.h"
#include "support/fakeplatform.h"
#include "support/romimage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMimeData>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using vertiloom::Journal;
using vertiloom::MainWindow;
using namespace vertiloom::test;

namespace {

// Three points and one triangle, at 476E2 ("P (59) 86") in the images of these tests.
const QByteArray kLetterP = bytesFromHex("03 FDEC0DFC1D0C 01 03 000204 232221 000000 0000010200000102");
const QString kLetterPText = QStringLiteral("03FDEC0DFC1D0C0103000204232221000000"
                                            "0000010200000102");
constexpr qint64 kOffsetP = 0x476E2;
// Two points and no polygon, at 47738 ("A (57) 84").
const QByteArray kLetterA = bytesFromHex("02 0102 0304 00 AABBCC");
constexpr qint64 kOffsetA = 0x47738;
// The words of the "Brindle (U) (V1.0)" dump.
const QByteArray kWordCodes = bytesFromHex("00 01 02 03 04  15 01 16 04 17 18 04 19");
constexpr qint64 kPause = 0xCC60;
constexpr qint64 kGameOver = 0x8619F;

QByteArray image(std::initializer_list<std::pair<qint64, QByteArray>> parts)
{
    QByteArray bytes = makeRomImage();
    for (const auto& [offset, part] : parts)
        putBytes(bytes, offset, part);
    return bytes;
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

    FakePlatform platform_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MainWindow> window_;

    QString path(const QString& name) const { return dir_->filePath(name); }
    QWidget* find(const QString& name) const
    {
        QWidget* widget = window_->findChild<QWidget*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QString text(const QString& name) const
    {
        const QWidget* widget = find(name);
        if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
            return memo->toPlainText();
        return widget->property("text").toString();
    }
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }
    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    // As a user replaces a field's text: select it, delete it, type.
    void retype(const QString& name, const QString& keys)
    {
        auto* edit = qobject_cast<QLineEdit*>(find(name));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }
    void open(const QString& file)
    {
        platform_.openAnswers << file;
        click(QStringLiteral("Button2"));
    }
    void openRom(const QByteArray& rom)
    {
        writeFile(path("rom.smc"), rom);
        open(path("rom.smc"));
        QCOMPARE(platform_.errors, QStringList());
    }
    // Text, enabled and checked state of every named control, and the two preview layers.
    QStringList widgetState(const QStringList& except = {}) const
    {
        QStringList state;
        for (const QWidget* widget : window_->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || except.contains(widget->objectName()))
                continue;
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            state << QStringLiteral("%1 %2 %3 %4")
                         .arg(widget->objectName(), text(widget->objectName()))
                         .arg(widget->isEnabled())
                         .arg(button && button->isChecked());
        }
        for (const QImage& layer : {window_->editor().letterLayer.image(), window_->editor().overlayLayer.image()})
            state << QString::number(qHashBits(layer.constBits(), layer.sizeInBytes()));
        return state;
    }
    QStringList words() const
    {
        QStringList texts;
        for (int n = 2; n <= 14; ++n)
            texts << text(QStringLiteral("Edit%1").arg(n));
        return texts;
    }

private slots:
    void init()
    {
        platform_ = FakePlatform();
        dir_ = std::make_unique<QTemporaryDir>();
        window_ = std::make_unique<MainWindow>(platform_, nullptr, 2);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup()
    {
        window_.reset();
        dir_.reset();
    }

    void openShowsTheLetter()
    {
        QVERIFY(!enabled("BitBtn1"));
        openRom(image({{kOffsetP, kLetterP}}));
        QCOMPARE(text("Dots"), QStringLiteral("03"));
        QCOMPARE(text("x1"), QStringLiteral("FD"));
        QCOMPARE(text("y3"), QStringLiteral("0C"));
        QCOMPARE(text("Degree1"), QStringLiteral("03"));
        QCOMPARE(text("Degree2"), QStringLiteral("FF"));
        QCOMPARE(text("IPol1_3"), QStringLiteral("21"));
        QCOMPARE(text("Memo1"), kLetterPText);
        QCOMPARE(text("Label32"), QStringLiteral("26"));
        QVERIFY(enabled("BitBtn1"));
    }

    // A write that a killed run left half done is put back when the image is opened, and the window
    // says so before it shows the letter as it was.
    void cutShortWriteIsPutBackOnOpening()
    {
        const QByteArray rom = image({{kOffsetP, kLetterP}});
        writeFile(path("rom.smc"), rom);
        QCOMPARE(
            Journal(path("rom.smc")).write(rom.size(), {{kOffsetP, QByteArray(kLetterP.size(), '\x11'), kLetterP}}), 0);
        QByteArray torn = rom;
        putBytes(torn, kOffsetP, QByteArray(4, '\x11'));
        writeFile(path("rom.smc"), torn);
        open(path("rom.smc"));
        QCOMPARE(platform_.errors, QStringList());
        QVERIFY2(platform_.warnings.join(u'\n').contains(
                     QStringLiteral("The last write into %1 was cut short").arg(path("rom.smc"))),
                 qPrintable(platform_.warnings.join(u'\n')));
        QCOMPARE(readFile(path("rom.smc")), rom);
        QCOMPARE(text("Memo1"), kLetterPText);
    }

    void reloadAfterSteppingReadsTheNewAddr()
    {
        openRom(image({{kOffsetP, kLetterP}, {kOffsetA, kLetterA}}));
        click("Button4");
        QCOMPARE(text("Dots"), QStringLiteral("03"));
        click("BitBtn1");
        QCOMPARE(platform_.errors, QStringList());
        QCOMPARE(platform_.openFilters.size(), 1);
        QCOMPARE(text("Dots"), QStringLiteral("02"));
        QCOMPARE(text("Memo1"), QStringLiteral("020102030400AABBCC"));
        // Undoing the loads, the title, Addr and Reload follow the letter the fields hold back.
        QTest::keyClick(find("x3"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QStringList({window_->windowTitle(), text("Addr"), text("Label34"), text("Dots")}),
                 QStringList({"Tessarine Vertiloom — rom.smc — P (59) 86", "476E2", "P (59) 86", "03"}));
        QVERIFY(enabled("BitBtn1"));
        QTest::keyClick(find("x3"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QStringList({window_->windowTitle(), text("Addr"), text("Dots")}),
                 QStringList({"Tessarine Vertiloom", "476E2", "14"}));
        QVERIFY(!enabled("BitBtn1"));
    }

    void failedOpenChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("addr");    // typed into Addr first unless it is the first letter's
        QTest::addColumn<QString>("message"); // empty: none
        const QByteArray rom = image({{kOffsetP, kLetterP}});
        QTest::newRow("cancelled") << QByteArray() << "476E2" << QString();
        QTest::newRow("letter file cut short") << kLetterP.left(20) << "476E2"
                                               << "Read beyond end of file";
        QTest::newRow("21 points") << QByteArray(60, '\x15') << "476E2"
                                   << "has 21 points";
        QTest::newRow("record cut short by the end of the image") << image({{0x1FFFF6, kLetterP.left(10)}}) << "1FFFF6"
                                                                  << "Read beyond end of file";
        QTest::newRow("Addr past the end") << rom << "476E2FF"
                                           << "Read beyond end of file";
        QTest::newRow("Addr emptied") << rom << ""
                                      << "Addr is empty";
    }
    void failedOpenChangesNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, addr);
        QFETCH(QString, message);
        if (addr != QLatin1String("476E2"))
            retype("Addr", addr);
        QCOMPARE(text("Addr"), addr);
        const QStringList before = widgetState();
        if (!file.isEmpty())
            writeFile(path("file.bin"), file);
        open(file.isEmpty() ? QString() : path("file.bin"));
        QCOMPARE(platform_.errors.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(platform_.errors[0].contains(message), qPrintable(platform_.errors[0]));
        QCOMPARE(widgetState(), before);
        QCOMPARE(platform_.beeps, 0);
    }

    // Exported plain and in the tagged form, the letter file holds the record; START! ends the form.
    void exportToFileAndTranslhextion()
    {
        openRom(image({{kOffsetP, kLetterP}}));
        platform_.saveAnswers << path("plain.bin") << path("tagged.bin");
        click("Button6");
        QCOMPARE(readFile(path("plain.bin")), kLetterP);
        QCOMPARE(platform_.beeps, 1);

        click("Button3");
        QVERIFY(text("Memo1").startsWith(QLatin1String("<bh:03><bh:fd><bh:ec><bh:0d>")));
        QCOMPARE(text("Label32"), QStringLiteral("26"));
        QVERIFY(!enabled("Button3") && !enabled("Button7") && enabled("Button6"));
        click("Button6");
        QCOMPARE(readFile(path("tagged.bin")), kLetterP);
        QCOMPARE(platform_.beeps, 2);

        click("Button1");
        QCOMPARE(text("Memo1"), kLetterPText);
        QCOMPARE(text("Label32"), QStringLiteral("26"));
        QVERIFY(enabled("Button3") && enabled("Button7"));
        QCOMPARE(platform_.errors, QStringList());
    }

    void strayCharacterInMemoIsRefused()
    {
        openRom(image({{kOffsetP, kLetterP}}));
        auto* memo = qobject_cast<QPlainTextEdit*>(find("Memo1"));
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral("x"));
        platform_.saveAnswers << path("letter.bin");
        click("Button6");
        QCOMPARE(platform_.errors.size(), 1);
        QVERIFY2(platform_.errors[0].contains(QLatin1String("'x' at position 53")), qPrintable(platform_.errors[0]));
        QVERIFY(!QFile::exists(path("letter.bin")));
        QCOMPARE(platform_.beeps, 0);
    }

    void exportToRom_data()
    {
        QTest::addColumn<QByteArray>("old"); // the record at 476E2 in the image written into
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("writes");
        const QByteArray sameLength = bytesFromHex("03 010203040506 01 03 000204 000000 112233 0102030405060708");
        const QByteArray shorter = bytesFromHex("00 00 AABBCC");
        QTest::newRow("same length") << sameLength << false << false << true;
        QTest::newRow("longer, yes") << shorter << true << true << true;
        QTest::newRow("longer, no") << shorter << false << true << false;
    }
    void exportToRom()
    {
        QFETCH(QByteArray, old);
        QFETCH(bool, yes);
        QFETCH(bool, asks);
        QFETCH(bool, writes);
        openRom(image({{kOffsetP, kLetterP}}));
        const QByteArray target = image({{kOffsetP, old}});
        writeFile(path("target.smc"), target);
        platform_.saveAnswers << path("target.smc");
        platform_.confirmAnswers << yes;
        click("Button7");
        QCOMPARE(platform_.errors, QStringList());
        // The dialog starts on the image that is open.
        QCOMPARE(platform_.saveStarts, QStringList{path("rom.smc")});
        QCOMPARE(platform_.questions.size(), asks ? 1 : 0);
        QByteArray expected = target;
        if (writes)
            putBytes(expected, kOffsetP, kLetterP);
        QVERIFY(readFile(path("target.smc")) == expected);
        QCOMPARE(platform_.beeps, writes ? 1 : 0);
    }

    // Stepping, typing into Addr and choosing a variant change Addr and Label34, nothing else.
    void romPanel_data()
    {
        QTest::addColumn<int>("steps");       // clicks of ">" (positive) or "<" (negative)
        QTest::addColumn<QString>("typed");   // then typed into Addr, unless empty
        QTest::addColumn<QString>("variant"); // then clicked, unless empty
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("addr");
        QTest::newRow("> once") << 1 << ""
                                << ""
                                << "A (57) 84"
                                << "47738";
        QTest::newRow("< wraps from 1 to 24") << -1 << ""
                                              << ""
                                              << "R (70) 105"
                                              << "47E26";
        QTest::newRow("24 times >") << 24 << ""
                                    << ""
                                    << "P (59) 86"
                                    << "476E2";
        QTest::newRow("24 times <") << -24 << ""
                                    << ""
                                    << "P (59) 86"
                                    << "476E2";
        QTest::newRow("D, then (U) (M3) (V1.0)") << 5 << ""
                                                 << "RadioButton22"
                                                 << "D (63) 106"
                                                 << "47CFD";
        QTest::newRow("R, then (E) (M3) (V1.1)") << -1 << ""
                                                 << "RadioButton24"
                                                 << "R (70) 105"
                                                 << "47D7D";
        QTest::newRow("typed, then (E) (M3) (V1.0)") << 0 << "1234"
                                                     << "RadioButton28"
                                                     << "P (59) 86"
                                                     << "47639";
        QTest::newRow("typed, then (U) (M3) (V1.1)") << 2 << "abc"
                                                     << "RadioButton23"
                                                     << "U (53) 80"
                                                     << "4758C";
    }
    void romPanel()
    {
        QFETCH(int, steps);
        QFETCH(QString, typed);
        QFETCH(QString, variant);
        QFETCH(QString, label);
        QFETCH(QString, addr);
        const QStringList panel{"Addr",          "Label34",       "RadioButton21", "RadioButton28",
                                "RadioButton24", "RadioButton22", "RadioButton23"};
        const QStringList before = widgetState(panel);
        for (int i = 0; i < qAbs(steps); ++i)
            click(steps > 0 ? "Button4" : "Button5");
        if (!typed.isEmpty()) {
            retype("Addr", typed);
            QCOMPARE(text("Addr"), typed);
        }
        if (!variant.isEmpty())
            click(variant);
        QCOMPARE(text("Label34"), label);
        QCOMPARE(text("Addr"), addr);
        QCOMPARE(widgetState(panel), before);
        QCOMPARE(platform_.errors, QStringList());
    }

    void readWords_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<qint64>("pause");
        QTest::addColumn<qint64>("gameOver");
        QTest::addColumn<QByteArray>("codes"); // the 5 + 8 bytes there
        QTest::addColumn<QString>("texts");    // one character per field, '.' for an empty one
        QTest::newRow("PAUSE, GAME OVER") << "RadioButton21" << kPause << kGameOver << kWordCodes << "PAUSEGAMEOVER";
        QTest::newRow("(E) (M3) (V1.1): digits, blank, no tile")
            << "RadioButton24" << qint64(0xCC01) << qint64(0x860FA)
            << bytesFromHex("08 14 1A 0F 10  07 09 0A 0B 0C 0D 0E 11") << "1 .890234567L";
    }
    void readWords()
    {
        QFETCH(QString, variant);
        QFETCH(qint64, pause);
        QFETCH(qint64, gameOver);
        QFETCH(QByteArray, codes);
        QFETCH(QString, texts);
        const QByteArray rom = image({{kOffsetP, kLetterP}, {pause, codes.left(5)}, {gameOver, codes.mid(5)}});
        openRom(rom);
        click(variant);
        click("BitBtn3");
        QCOMPARE(platform_.errors, QStringList());
        QCOMPARE(words().replaceInStrings(QRegularExpression("^$"), ".").join(QString()), texts);
        QVERIFY(readFile(path("rom.smc")) == rom);
    }

    void writeWords()
    {
        const QByteArray rom =
            image({{kOffsetP, kLetterP}, {kPause, kWordCodes.left(5)}, {kGameOver, kWordCodes.mid(5)}});
        openRom(rom);
        click("BitBtn3");
        retype("Edit3", "L");
        retype("Edit7", "I");
        retype("Edit14", "_");
        QCOMPARE(words().join(QString()), QStringLiteral("PLUSEIAMEOVE_"));
        // The synthetic image is none of the known dumps: the editor said so when it was opened, and
        // asks once more before the first write into it.
        QCOMPARE(platform_.warnings.size(), 1);
        platform_.confirmAnswers << true;
        click("BitBtn4");
        QCOMPARE(platform_.questions.size(), 1);
        QVERIFY(platform_.questions[0].endsWith(QStringLiteral("Write into it anyway?")));
        QCOMPARE(platform_.errors, QStringList());
        QByteArray expected = rom;
        expected[kPause + 1] = 0x11;
        expected[kGameOver] = 0x08;
        expected[kGameOver + 7] = 0x14;
        QVERIFY(readFile(path("rom.smc")) == expected);
    }

    void wordButtonsRefuse_data()
    {
        QTest::addColumn<QString>("opened"); // the file opened last, if any
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("message");
        const QStringList both{"BitBtn3", "BitBtn4"};
        QTest::newRow("no file opened yet") << "" << both << "No ROM image is open yet";
        QTest::newRow("letter file opened last") << "letter.bin" << both << "is a letter file, not a ROM image";
        QTest::newRow("lower-case letter") << "rom.smc" << QStringList{"BitBtn4"}
                                           << "Letter 3 of GAME OVER: 'a' is not a character the game can show.";
    }
    void wordButtonsRefuse()
    {
        QFETCH(QString, opened);
        QFETCH(QStringList, buttons);
        QFETCH(QString, message);
        // Pause codes that a write of the fields would change.
        const QByteArray rom = image({{kOffsetP, kLetterP}, {kPause, bytesFromHex("0F 0F 0F 0F 0F")}});
        writeFile(path("rom.smc"), rom);
        writeFile(path("letter.bin"), kLetterP);
        if (!opened.isEmpty())
            open(path(opened));
        if (opened == QLatin1String("rom.smc"))
            retype("Edit9", "a");
        const QStringList before = words();
        for (const QString& button : buttons)
            click(button);
        QCOMPARE(platform_.errors.size(), buttons.size());
        for (const QString& error : std::as_const(platform_.errors))
            QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(words(), before);
        QVERIFY(readFile(path("rom.smc")) == rom);
        QCOMPARE(readFile(path("letter.bin")), kLetterP);
    }

    // Ctrl+Z and the redo keys reach the editor's one history wherever the focus is: in a field
    // they undo the last step of the editor, not only what was typed into that field.
    void undoKeysReachTheHistory()
    {
        openRom(image({{kOffsetP, kLetterP}}));
        const QStringList loaded = widgetState();
        click(QStringLiteral("Button8")); // LEFT
        QCOMPARE(text("x1"), QStringLiteral("FC"));
        const QStringList nudged = widgetState();
        retype(QStringLiteral("y1"), QStringLiteral("7F"));
        QTest::keyClick(find("x3"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text("y1"), QStringLiteral("EC"));
        QCOMPARE(widgetState(), nudged);
        QTest::keyClick(find("Memo1"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(widgetState(), loaded);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tessarine Vertiloom \u2014 rom.smc \u2014 P (59) 86"));
        QTest::keyClick(find("Button1"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(widgetState(), nudged);
        QTest::keyClick(find("x3"), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(text("y1"), QStringLiteral("7F"));
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral(" *")));
    }

    void guardBeforeChangesGo_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<bool>("discard");
        for (const char* trigger : {"close", "open", "reload", "drop"}) {
            QTest::addRow("%s, Cancel", trigger) << trigger << false;
            QTest::addRow("%s, Discard", trigger) << trigger << true;
        }
    }
    void guardBeforeChangesGo()
    {
        QFETCH(QString, trigger);
        QFETCH(bool, discard);
        openRom(image({{kOffsetP, kLetterP}}));
        writeFile(path("other.smc"), image({{kOffsetP, kLetterA}}));
        QVERIFY(platform_.discardQuestions.isEmpty());
        click(QStringLiteral("Button8")); // LEFT: the letter now has changes in no file
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral(" *")));
        const QStringList changed = widgetState();
        platform_.discardAnswers << discard;
        if (trigger == "close") {
            QCOMPARE(window_->close(), discard);
        } else if (trigger == "open") {
            platform_.openAnswers << path("other.smc");
            click(QStringLiteral("Button2"));
        } else if (trigger == "reload") {
            click(QStringLiteral("BitBtn1"));
        } else {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path("other.smc"))});
            const QPointF at(300, 300);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window_.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window_.get(), &drop);
        }
        QCOMPARE(platform_.discardQuestions,
                 QStringList{QStringLiteral("The letter has changes that are in no file yet. Discard them?")});
        if (!discard) {
            QCOMPARE(widgetState(), changed);
            QVERIFY(window_->isVisible());
            return;
        }
        if (trigger == "close") {
            QVERIFY(!window_->isVisible());
        } else {
            // A letter as it is in its file again: no star.
            const bool other = trigger != "reload";
            QCOMPARE(text("Dots"), other ? QStringLiteral("02") : QStringLiteral("03"));
            QCOMPARE(
                window_->windowTitle(),
                QStringLiteral("Tessarine Vertiloom \u2014 %1 \u2014 P (59) 86").arg(other ? "other.smc" : "rom.smc"));
        }
    }

    // F9, in the main window and on the drawing board: the emulator set in "Emulator…" gets the copy of
    // the open image with the letter and the words of the fields.
    void playKey()
    {
        QStandardPaths::setTestModeEnabled(true);
        openRom(image({{kOffsetP, kLetterP}}));
        writeFile(path("emulator"), "#!/bin/sh\ncp \"$1\" \"$(dirname \"$0\")/played\"\n");
        QFile::setPermissions(path("emulator"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        vertiloom::saveEmulator(QStringLiteral("'%1' %f").arg(path("emulator")));
        QTest::keyClick(window_.get(), Qt::Key_F9);
        QCOMPARE(platform_.errors, QStringList());
        QCOMPARE(platform_.programs.size(), 1);
        QVERIFY(readFile(path("played"))
                == image({{kOffsetP, kLetterP}, {kPause, kWordCodes.left(5)}, {kGameOver, kWordCodes.mid(5)}}));
        QFile::remove(path("played"));
        window_->openDrawingBoard();
        window_->drawingBoard()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_->drawingBoard()));
        QTest::keyClick(window_->drawingBoard(), Qt::Key_F9);
        QCOMPARE(platform_.programs.size(), 2);
        QVERIFY(QFileInfo::exists(path("played")));
        vertiloom::saveEmulator(QString());
    }

    // The window's platform: a program's end calls its finished; a program still running when the
    // platform goes is ended, its finished let go uncalled; one that can't start says why.
    void desktopPlatformStartsPrograms()
    {
        auto platform = std::make_unique<vertiloom::QtPlatform>();
        int ended = 0;
        QCOMPARE(platform->startProgram(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exit 3")},
                                        [&ended] { ++ended; }),
                 QString());
        QTRY_COMPARE(ended, 1);
        QElapsedTimer timer;
        timer.start();
        std::weak_ptr<int> watch;
        {
            const auto held = std::make_shared<int>(0);
            watch = held;
            QCOMPARE(platform->startProgram(QStringLiteral("/bin/sleep"), {QStringLiteral("30")},
                                            [&ended, held] { ++ended; }),
                     QString());
        }
        QVERIFY(!watch.expired());
        platform.reset();
        QVERIFY(watch.expired());
        QCOMPARE(ended, 1);
        QVERIFY(timer.elapsed() < 10000);
        vertiloom::QtPlatform other;
        QVERIFY(other.startProgram(path("none"), {}, [] {}).contains(QStringLiteral("No such file or directory")));
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
