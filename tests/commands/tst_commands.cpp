// The command layer: the undo history over random sequences of user actions, undone and redone in
// random order against a plain list of the editor's states, and a command that fails half-way;
// recognising the dump of an opened image; the letter's SVG drawing written and read back; a patch made
// from the window.
#include "commands/commands.h"
#include "commands/history.h"
#include "formats/bps.h"
#include "formats/svg.h"
#include "model/error.h"
#include "model/hex.h"
#include "support/fakeplatform.h"
#include "rom/catalogue.h"
#include "rom/recognition.h"
#include "rom/sample.h"
#include "rom/words.h"
#include "support/romimage.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace vertiloom;
using namespace vertiloom::test;

namespace {

// Everything a step may change and the user can see, pixels included.
struct State {
    EditorForm::Controls controls;
    MemoForm memoForm;
    QStringList letterTail;
    std::array<QString, kPolygons> polygonTails;
    QImage letter;
    QImage overlay;
    bool operator==(const State&) const = default;
};

State stateOf(const Editor& editor)
{
    return {editor.form.controls(),
            editor.form.memoForm(),
            editor.letterTail,
            editor.polygonTails,
            editor.letterLayer.image().copy(),
            editor.overlayLayer.image().copy()};
}

// Which control differs first, for a readable failure.
QString firstDifference(const State& a, const State& b)
{
    for (int slot = 0; slot < a.controls.size(); ++slot) {
        if (!(b.controls.at(slot) == a.controls.at(slot)))
            return fieldAtSlot(slot).objectName()
                   + QStringLiteral(": '%1' vs '%2'").arg(a.controls.at(slot).text, b.controls.at(slot).text);
    }
    if (a.letter != b.letter)
        return QStringLiteral("letter layer");
    if (a.overlay != b.overlay)
        return QStringLiteral("overlay layer");
    return QStringLiteral("memo form or tails");
}

class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    // What an export writes counts as a change (the star and the question before it is lost);
    // switches, Addr and the selected point do not. Putting the value back is no change.
    void letterChanged_data()
    {
        QTest::addColumn<FieldId>("id");
        QTest::addColumn<QString>("text"); // empty: the check box is toggled
        QTest::addColumn<bool>("changes");
        QTest::newRow("x20") << FieldId::x(20) << "7F" << true;
        QTest::newRow("Dots") << FieldId::dots() << "15" << true;
        QTest::newRow("Degree8") << FieldId::degree(8) << "02" << true;
        QTest::newRow("IPol8_11") << FieldId::ipol(8, 11) << "01" << true;
        QTest::newRow("memo") << FieldId::memo() << "FF" << true;
        QTest::newRow("CheckBox20") << FieldId::checkBox(20) << "" << true;
        QTest::newRow("CheckPol8_11") << FieldId::checkPol(8, 11) << "" << true;
        QTest::newRow("numbers switch") << FieldId::checkBox(21) << "" << false;
        QTest::newRow("Addr") << FieldId::addr() << "47738" << false;
        QTest::newRow("selected point") << FieldId::radio(5) << "" << false;
    }

    void letterChanged()
    {
        QFETCH(FieldId, id);
        QFETCH(QString, text);
        QFETCH(bool, changes);
        Editor editor;
        startUp(editor);
        QVERIFY(!vertiloom::letterChanged(editor));
        const QString oldText = editor.form.text(id);
        const bool oldChecked = editor.form.checked(id);
        if (text.isEmpty())
            editor.form.setChecked(id, !oldChecked);
        else
            editor.form.setText(id, text);
        QCOMPARE(vertiloom::letterChanged(editor), changes);
        if (text.isEmpty())
            editor.form.setChecked(id, oldChecked);
        else
            editor.form.setText(id, oldText);
        QVERIFY(!vertiloom::letterChanged(editor));
        editor.letterTail << QStringLiteral("00");
        QVERIFY(vertiloom::letterChanged(editor));
    }

    void randomActionsUndoAndRedo_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomActionsUndoAndRedo()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        Editor editor;
        startUp(editor);
        History history(editor);
        FakePlatform platform;

        const auto hex = [&] { return TwoDigitHex(random.bounded(256)); };
        const auto anyPoint = [&] { return 1 + random.bounded(kPoints); };
        const auto anyPolygon = [&] { return 1 + random.bounded(kPolygons); };
        const auto anyCorner = [&] { return 1 + random.bounded(kCorners); };
        std::optional<FieldId> lastTyped;
        // One user action; returns the field it typed into, if it typed.
        const auto act = [&]() -> std::optional<FieldId> {
            const int kind = random.bounded(10);
            if (kind <= 2) {
                // Typing: often into the same field again, now and then a one-digit text that makes
                // START! fail later.
                FieldId field = FieldId::x(anyPoint());
                if (lastTyped && random.bounded(2) == 0)
                    field = *lastTyped;
                else if (random.bounded(3) == 0)
                    field = FieldId::pol(anyPolygon(), anyCorner());
                const QString text = random.bounded(12) == 0 ? QStringLiteral("5") : hex();
                history.run(field.objectName(), [&] { editor.form.setText(field, text); });
                return field;
            }
            const std::function<void()> commands[] = {
                [&] {
                    const FieldId box = random.bounded(2) ? FieldId::checkBox(anyPoint())
                                                          : FieldId::checkPol(anyPolygon(), anyCorner());
                    editor.form.setChecked(box, !editor.form.checked(box));
                },
                [&] {
                    editor.form.selectPoint(anyPoint());
                    placePoint(editor, QPoint(random.bounded(255), random.bounded(255)));
                },
                [&] { nudge(editor, static_cast<Nudge>(random.bounded(4))); },
                [&] { pickVertex(editor, FieldId::pol(anyPolygon(), anyCorner()), anyPoint()); },
                [&] { start(editor); },
                [&] { clearLetter(editor); },
                [&] {
                    // A load of a random record (a record always fits the editor's limits).
                    LetterRecord record;
                    for (int n = random.bounded(kPoints + 1); n > 0; --n)
                        record.points.append({static_cast<std::uint8_t>(random.bounded(256)),
                                              static_cast<std::uint8_t>(random.bounded(256))});
                    for (int p = random.bounded(kPolygons + 1); p > 0; --p) {
                        QByteArray refs, params;
                        for (int k = 1 + random.bounded(kCorners); k > 0; --k) {
                            refs.append(static_cast<char>(2 * random.bounded(record.points.size() + 1)));
                            params.append(static_cast<char>(random.bounded(256)));
                        }
                        record.polygons.append({refs, params});
                        record.polygonTails.append(QByteArray(kPolygonTailSize, static_cast<char>(p)));
                    }
                    record.letterTail = QByteArray(kLetterTailSize, static_cast<char>(random.bounded(256)));
                    applyRecord(editor, record, random.bounded(2));
                },
            };
            const int which = random.bounded(int(std::size(commands)));
            history.run(QString(), commands[which]);
            return std::nullopt;
        };

        // The model: the state after each step, and where the history stands.
        QList<State> states{stateOf(editor)};
        int at = 0;
        for (int i = 0; i < 150; ++i) {
            const int choice = random.bounded(10);
            if (choice == 0 && at > 0) {
                history.undo();
                --at;
                lastTyped.reset();
            } else if (choice == 1 && at + 1 < states.size()) {
                history.redo();
                ++at;
                lastTyped.reset();
            } else {
                if (choice == 2)
                    history.endMerge(), lastTyped.reset();
                const int before = history.position();
                try {
                    lastTyped = act();
                } catch (const Error&) {
                    // START! stops at a one-digit coordinate; what it did stays as a step.
                }
                const State now = stateOf(editor);
                if (history.position() == before + 1) {
                    states.erase(states.begin() + at + 1, states.end());
                    states << now;
                    ++at;
                } else if (history.position() == before && now != states[at]) {
                    states[at] = now; // merged into the step before
                } else {
                    QCOMPARE(now, states[at]); // nothing changed, no step
                }
            }
            QCOMPARE(history.position(), at);
            if (!(stateOf(editor) == states[at]))
                QFAIL(qPrintable(
                    QStringLiteral("after action %1: %2").arg(i).arg(firstDifference(stateOf(editor), states[at]))));
        }
        while (history.canUndo())
            history.undo();
        QVERIFY2(stateOf(editor) == states.front(), qPrintable(firstDifference(stateOf(editor), states.front())));
        while (history.canRedo())
            history.redo();
        QVERIFY2(stateOf(editor) == states.back(), qPrintable(firstDifference(stateOf(editor), states.back())));
    }

    // START! stopped by a one-digit coordinate has already redrawn part of the overlay: that much is
    // one step, and undo takes back just it, not the typing before (into two fields: two steps).
    void failedCommandIsOneStep()
    {
        Editor editor;
        startUp(editor);
        History history(editor);
        history.run(QStringLiteral("x2"), [&] { editor.form.setText(FieldId::x(2), QStringLiteral("06")); });
        history.run(QStringLiteral("x1"), [&] { editor.form.setText(FieldId::x(1), QStringLiteral("5")); });
        QCOMPARE(history.count(), 2);
        const State typed = stateOf(editor);
        QVERIFY_THROWS_EXCEPTION(Error, history.run(QString(), [&] { start(editor); }));
        QVERIFY(!(stateOf(editor) == typed));
        history.undo();
        QVERIFY2(stateOf(editor) == typed, qPrintable(firstDifference(stateOf(editor), typed)));
    }

    // The pen on an empty letter: three new points and a triangle of them, one step; each limit is
    // refused with what was there kept.
    void penDrawsAPolygon()
    {
        Editor editor;
        startUp(editor);
        clearLetter(editor);
        start(editor);
        History history(editor);
        history.run(QStringLiteral("pen"), [&] {
            for (const QPoint unit : {QPoint(-40, -40), QPoint(40, -40), QPoint(0, 40)})
                addPoint(editor, unit);
            addPolygon(editor, {1, 2, 3});
        });
        history.endMerge();
        QCOMPARE(history.count(), 1);
        QCOMPARE(letterPoints(editor.form), QList<UnitPoint>({{1, -40, -40}, {2, 40, -40}, {3, 0, 40}}));
        QCOMPARE(editor.form.text(FieldId::degree(1)), QStringLiteral("03"));
        QCOMPARE(editor.form.text(FieldId::memo()),
                 QStringLiteral("03D8D828D8002801030002040000000000000000010200000102"));

        for (int n = 4; n <= kPoints; ++n)
            addPoint(editor, {n, n});
        QVERIFY_THROWS_EXCEPTION(Error, addPoint(editor, {0, 0}));
        QVERIFY_THROWS_EXCEPTION(Error, checkCornerCount(12));
        checkCornerCount(11);
        for (int p = 2; p <= kPolygons; ++p)
            addPolygon(editor, {1, 2});
        const State full = stateOf(editor);
        QVERIFY_THROWS_EXCEPTION(Error, addPolygon(editor, {1, 2}));
        QVERIFY2(stateOf(editor) == full, qPrintable(firstDifference(stateOf(editor), full)));

        // A new point takes the first unchecked slot, a new polygon the first absent one.
        deletePoints(editor, {4, 6});
        QCOMPARE(addPoint(editor, {9, 9}), 4);
        for (const int p : {2, 4}) {
            editor.form.setChecked(FieldId::checkPol(p, 1), false);
            editor.form.setChecked(FieldId::checkPol(p, 2), false);
        }
        start(editor);
        addPolygon(editor, {4, 5});
        QCOMPARE(editor.form.text(FieldId::pol(2, 1)), QStringLiteral("06"));
        QCOMPARE(editor.form.text(FieldId::degree(4)), QStringLiteral("FF"));
    }

    // A transform that would take a point out of -128..127 changes nothing (fields, memo, layers,
    // history), and its message names the point and the coordinate that leaves; Delete refuses a
    // point a checked corner uses, and then deletes none of the others; a drag that comes back where
    // it began is no step.
    void refusedDrawingChangesNothing()
    {
        Editor editor;
        startUp(editor);
        // Point 5 stays named only by a corner that is not checked.
        editor.form.setChecked(FieldId::checkPol(4, 2), false);
        start(editor);
        History history(editor);
        const State before = stateOf(editor);
        const std::pair<Transform, QString> refused[] = {
            {{Transform::Move, 100, 100, 0}, "Point 3 would go to x = 129, outside -128..127: nothing was changed."},
            {{Transform::Move, 100, -197, 0}, "Point 1 would go to x = -200, outside -128..127: nothing was changed."},
        };
        for (const auto& [transform, message] : refused) {
            try {
                history.run(QString(), [&] { transformPoints(editor, {}, transform); });
                QFAIL("the move should have been refused");
            } catch (const Error& e) {
                QCOMPARE(e.message(), message);
            }
        }
        QVERIFY_THROWS_EXCEPTION(Error, history.run(QString(), [&] { deletePoints(editor, {5, 1}); }));
        for (const int x : {-2, -1, -3})
            history.run(QStringLiteral("drag"), [&] { movePoints(editor, {{1, x, -20}}); });
        QVERIFY2(stateOf(editor) == before, qPrintable(firstDifference(stateOf(editor), before)));
        QCOMPARE(history.count(), 0);
        // After an undo, a drag is still one step (the undone step it replaces is no reason to stop).
        history.run(QString(), [&] { movePoints(editor, {{2, 0, 0}}); });
        history.undo();
        for (const int x : {-2, -1})
            history.run(QStringLiteral("drag"), [&] { movePoints(editor, {{1, x, -20}}); });
        QCOMPARE(history.count(), 1);
        history.run(QString(), [&] { deletePoints(editor, {5}); });
        QVERIFY(!editor.form.checked(FieldId::checkBox(5)));
    }

    // "Export letter to SVG" writes what reads back as the memo's record; a refused drawing changes
    // nothing (fields, memo, layers, tails); a drawing read in becomes the letter, with the bytes that
    // no drawing shows from the letter before, and is a change that is in no file yet.
    void svgExportAndImport()
    {
        QTemporaryDir dir;
        Editor editor;
        FakePlatform platform;
        startUp(editor);
        applyRecord(editor, sampleLetter(1), false);
        platform.saveAnswers << QString() << dir.filePath(QStringLiteral("P.svg"));
        exportLetterToSvg(editor, platform);
        QCOMPARE(platform.beeps, 1);
        exportLetterToSvg(editor, platform);
        QCOMPARE(platform.saveFilters, QStringList({"SVG|*.svg", "SVG|*.svg"}));
        QCOMPARE(letterFromSvg(readFile(dir.filePath(QStringLiteral("P.svg"))), {}), sampleLetter(1));

        writeFile(dir.filePath(QStringLiteral("curve.svg")),
                  "<svg xmlns='http://www.w3.org/2000/svg'><path d='M 0 0 L 9 0 Q 5 5 0 0 Z'/></svg>");
        writeFile(dir.filePath(QStringLiteral("triangle.svg")),
                  "<svg xmlns='http://www.w3.org/2000/svg'><polygon points='118,118 138,118 138,138'/></svg>");
        const State before = stateOf(editor);
        platform.openAnswers << dir.filePath(QStringLiteral("curve.svg"))
                             << dir.filePath(QStringLiteral("triangle.svg"));
        try {
            importLetterFromSvg(editor, platform);
            QFAIL("the curve should have been refused");
        } catch (const Error& e) {
            QCOMPARE(e.message(), QStringLiteral("The 1st <path> has a curve (command Q): straighten the curves first; "
                                                 "only straight lines are read."));
        }
        QVERIFY2(stateOf(editor) == before, qPrintable(firstDifference(stateOf(editor), before)));
        QVERIFY(!vertiloom::letterChanged(editor));
        importLetterFromSvg(editor, platform);
        QCOMPARE(platform.openFilters, QStringList({"SVG|*.svg|All|*", "SVG|*.svg|All|*"}));
        QCOMPARE(editor.form.text(FieldId::memo()),
                 QStringLiteral("03F6F60AF60A0A01030002040000000000000000010200000102"));
        QVERIFY(vertiloom::letterChanged(editor));
    }

    // "Make patch…": refused before any dialog without an open ROM image, a beep when a dialog is
    // cancelled, a message and nothing written for an original that can't be read; else the patch from
    // the original chosen to the image open.
    void makePatchFromTheWindow()
    {
        QTemporaryDir dir;
        Editor editor;
        FakePlatform platform;
        startUp(editor);
        const auto refusal = [&] {
            try {
                makePatchOfCurrentImage(editor, platform);
            } catch (const Error& e) {
                return e.message();
            }
            return QString();
        };
        QVERIFY(refusal().startsWith(QStringLiteral("No ROM image is open")));
        QVERIFY(platform.openFilters.isEmpty());

        const QString original = dir.filePath(QStringLiteral("clean.smc"));
        const QString modified = dir.filePath(QStringLiteral("mine.smc"));
        QByteArray changed = sampleRomImage();
        putBytes(changed, 0x476E2, sampleLetter(9).toBytes());
        writeFile(original, sampleRomImage());
        writeFile(modified, changed);
        openDroppedFile(editor, platform, modified);
        const QString patch = dir.filePath(QStringLiteral("mine.bps"));
        platform.openAnswers << QString() << dir.filePath(QStringLiteral("none.smc")) << original;
        platform.saveAnswers << patch << patch;
        QCOMPARE(refusal(), QString());
        QCOMPARE(platform.beeps, 1);
        QVERIFY(refusal().startsWith(QStringLiteral("File not found")));
        QVERIFY(!QFileInfo::exists(patch));
        QCOMPARE(refusal(), QString());
        QCOMPARE(platform.saveFilters.constLast(), QStringLiteral("BPS|*.bps|IPS|*.ips"));
        QCOMPARE(applyBps(sampleRomImage(), readFile(patch)), changed);
    }

    void openingRecognisesTheDump_data()
    {
        QTest::addColumn<int>("selected");     // radio button of the dump selected before opening
        QTest::addColumn<int>("header");       // bytes in front of the sample image
        QTest::addColumn<QString>("question"); // asked on opening, answered Yes; empty: none
        QTest::addColumn<int>("switchedTo");
        QTest::addColumn<QString>("addr"); // Addr after the open
        QTest::newRow("the selected dump") << 21 << 0 << QString() << 21 << "476E2";
        QTest::newRow("another revision selected")
            << 24 << 0 << "This image looks like Brindle (U) (V1.0). Switch to it?" << 21 << "476E2";
        QTest::newRow("with a copier header")
            << 21 << 512 << "This image looks like Brindle (U) (V1.0) (with a 512-byte header). Switch to it?" << 21
            << "478E2";
    }
    void openingRecognisesTheDump()
    {
        QFETCH(int, selected);
        QFETCH(int, header);
        QFETCH(QString, question);
        QFETCH(int, switchedTo);
        QFETCH(QString, addr);
        QTemporaryDir dir;
        const QString path = dir.filePath("sample.smc");
        // With a cartridge header whose checksum is the image's own until the words change.
        QByteArray sample = sampleRomImage();
        putBytes(sample, 0x7FC0,
                 bytesFromHex("53 41 4D 50 4C 45 20 54 49 54 4C 45 20 20 20 20 20 20 20 20 20 "
                              "20 00 0B 00 01 33 00 E1 E7 1E 18"));
        const QByteArray image = QByteArray(header, '\0') + sample;
        writeFile(path, image);
        Editor editor;
        startUp(editor);
        selectVariant(editor.form, selected);
        chooseVariant(editor);
        FakePlatform platform;
        platform.openAnswers << path;
        platform.confirmAnswers << true;
        openLetter(editor, platform);
        QCOMPARE(platform.questions, question.isEmpty() ? QStringList() : QStringList{question});
        QCOMPARE(selectedVariant(editor.form).radioButton, switchedTo);
        QCOMPARE(editor.form.text(FieldId::addr()), addr);
        QCOMPARE(editor.form.text(FieldId::memo()), recordText(sampleLetter(1).toBytes()));
        QVERIFY(romPanelHint(editor).startsWith(QStringLiteral("Brindle (U) (V1.0)")));
        QVERIFY(!romPanelHint(editor).contains(QStringLiteral("checksum")));
        // The title names the catalogue letter at Addr, the header's bytes counted.
        QCOMPARE(windowTitle(editor), QStringLiteral("Tessarine Vertiloom \u2014 sample.smc \u2014 P (59) 86"));

        // Stepping, the words and an export all land the header's bytes further on.
        nextLetter(editor);
        QCOMPARE(HexToInt(editor.form.text(FieldId::addr())), 0x47738 + header);
        readWords(editor);
        QCOMPARE(editor.form.text(FieldId::edit(2)), QStringLiteral("P"));
        editor.form.setText(FieldId::memo(), recordText(sampleLetter(2).toBytes()));
        platform.saveAnswers << path;
        exportLetterToRom(editor, platform);
        QCOMPARE(readFile(path), image);
        editor.form.setText(FieldId::edit(2), QStringLiteral("D"));
        writeWords(editor, platform);
        QByteArray expected = image;
        expected[0xCC60 + header] = 0x05;
        QCOMPARE(readFile(path), expected);
        QVERIFY(romPanelHint(editor).endsWith(
            QStringLiteral("\nThe header's checksum no longer matches: vertiloom-cli checksum --fix sets it")));
        QVERIFY(platform.warnings.isEmpty());
    }

    // An image that is none of the dumps: said once on opening, asked once more before the first write.
    void unknownImage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("unknown.smc");
        writeFile(path, makeRomImage());
        Editor editor;
        startUp(editor);
        FakePlatform platform;
        platform.openAnswers << path;
        try {
            openLetter(editor, platform);
        } catch (const Error&) {
            // No letter at Addr either.
        }
        QCOMPARE(platform.warnings, QStringList{QStringLiteral("This image does not match any of the five known dumps: "
                                                               "the catalogue offsets may point at other data.")});
        QCOMPARE(romPanelHint(editor),
                 QStringLiteral("Not one of the five known dumps\nCRC32 ") + dumpCrc32(makeRomImage()));
        editor.form.setText(FieldId::memo(), recordText(sampleLetter(1).toBytes()));
        platform.saveAnswers << path << path;
        platform.confirmAnswers << false << true << true;
        exportLetterToRom(editor, platform); // declined: nothing written
        QCOMPARE(readFile(path), makeRomImage());
        exportLetterToRom(editor, platform); // agreed, then the question about what it overwrites
        QCOMPARE(platform.questions.size(), 3);
        QVERIFY(readFile(path) != makeRomImage());
    }
};

} // namespace

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
