// The command layer: the undo history over random sequences of user actions, undone and redone in
// random order against a plain list of the editor's states, and a command that fails half-way;
// recognising the dump of an opened image; the letter's SVG drawing written and read back; a patch made
// from the window; Play's copy in a scripted emulator, and the emulator found on the PATH.
#include "commands/commands.h"
#include "commands/history.h"
#include "commands/play.h"
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

// A program that the tests start: a shell script, executable unless said otherwise.
void writeScript(const QString& path, const QByteArray& script, bool executable = true)
{
    writeFile(path, "#!/bin/sh\n" + script);
    QFile::setPermissions(path,
                          QFile::ReadOwner | QFile::WriteOwner | (executable ? QFile::ExeOwner : QFile::Permissions()));
}

// An environment variable set for one test, put back as it was when the test ends.
class Environment {
public:
    Environment(const char* name, const QString& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~Environment() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

LetterRecord recordOfText(const QByteArray& hex) { return parseRecord(QByteArray::fromHex(hex), 0, -1); }

// Six points; polygon 1 on points 5 6, polygon 2 on 1 2 3 4, polygon 3 on 2 5 3; tails 11.., 22.., 33...
LetterRecord letterA()
{
    return recordOfText("06 D8D8 28D8 2828 D828 0000 00C4 03 02 080A 0809 04 00020406 01020304 03 020804 050607 "
                        "ABCDEF 1111111111111111 2222222222222222 3333333333333333");
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
        // Each corner's caption names its point, as typing the reference gives.
        QCOMPARE(QStringList({editor.form.text(FieldId::checkPol(1, 1)), editor.form.text(FieldId::checkPol(1, 2)),
                              editor.form.text(FieldId::checkPol(1, 3))}),
                 QStringList({"xy 1", "xy 2", "xy 3"}));
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
        editor.form.setChecked(FieldId::checkBox(4), false);
        editor.form.setChecked(FieldId::checkBox(6), false);
        start(editor);
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
    // history), and its message names the point and the coordinate that leaves; a drag that comes back
    // where it began is no step.
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
        QCOMPARE(editor.form.text(FieldId::dots()), QStringLiteral("13"));
        QVERIFY(!editor.form.checked(FieldId::checkBox(20)));
    }

    // Delete takes the points out of every polygon, whose corners before and after close up with their
    // parameters; the points above move down into the gap, the references with them; a polygon left
    // without corners is absent and its tail goes with it, the others keep theirs; one step. Letter A:
    // polygon 1 on points 5 6, polygon 2 on 1 2 3 4, polygon 3 on 2 5 3.
    void deleteJoinsPolygons_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("afterPen"); // the memo after the pen draws 1 2, when it can
        QTest::newRow("a corner of one polygon; the points above move down")
            << QList<int>{1}
            << "05 28D8 2828 D828 0000 00C4 03 020608 0809 03 000204 020304 03 000602 050607 "
               "ABCDEF 1111111111111111 2222222222222222 3333333333333333"
            << "02 03 03 FF FF FF FF FF"
            << "";
        QTest::newRow("a point two polygons share goes from both")
            << QList<int>{2}
            << "05 D8D8 2828 D828 0000 00C4 03 020608 0809 03 000204 010304 02 0602 0607 "
               "ABCDEF 1111111111111111 2222222222222222 3333333333333333"
            << "02 03 02 FF FF FF FF FF"
            << "";
        QTest::newRow("a polygon left with one corner stays; a number not in the letter is passed over")
            << QList<int>{6, 9}
            << "05 D8D8 28D8 2828 D828 0000 03 010808 04 00020406 01020304 03 020804 050607 "
               "ABCDEF 1111111111111111 2222222222222222 3333333333333333"
            << "01 04 03 FF FF FF FF FF"
            << "";
        QTest::newRow("every corner of a polygon: absent, the others keep their tails, the pen takes its slot")
            << QList<int>{5, 6}
            << "04 D8D8 28D8 2828 D828 02 04 00020406 01020304 02 0204 0507 ABCDEF 2222222222222222 3333333333333333"
            << "FF 04 02 FF FF FF FF FF"
            << "04 D8D8 28D8 2828 D828 03 02 0002 0000 04 00020406 01020304 02 0204 0507 "
               "ABCDEF 0000010200000102 2222222222222222 3333333333333333";
        QTest::newRow("every point") << QList<int>{1, 2, 3, 4, 5, 6} << "00 00 ABCDEF"
                                     << "FF FF FF FF FF FF FF FF"
                                     << "";
    }

    void deleteJoinsPolygons()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, memo);
        QFETCH(QString, degrees);
        QFETCH(QString, afterPen);
        memo.remove(u' ');
        afterPen.remove(u' ');
        Editor editor;
        startUp(editor);
        applyRecord(editor, letterA(), false);
        const State before = stateOf(editor);
        History history(editor);
        history.run(QString(), [&] { deletePoints(editor, numbers); });
        QCOMPARE(history.count(), 1);
        QCOMPARE(editor.form.text(FieldId::memo()), memo);
        QStringList degree;
        for (int p = 1; p <= kPolygons; ++p)
            degree << editor.form.text(FieldId::degree(p));
        QCOMPARE(degree.join(u' '), degrees);
        history.undo();
        QVERIFY2(stateOf(editor) == before, qPrintable(firstDifference(stateOf(editor), before)));
        history.redo();
        QCOMPARE(editor.form.text(FieldId::memo()), memo);
        if (!afterPen.isEmpty()) {
            addPolygon(editor, {1, 2});
            QCOMPARE(editor.form.text(FieldId::memo()), afterPen);
        }
    }

    // Copy takes the selected points and the polygons wholly on them; paste puts them into free slots
    // of this letter or another, through the editor's own form or the SVG drawing, one step, or
    // refuses whole. Letter A as above; letter B: points (10, 10) (20, 20), one polygon on them;
    // letter C: 15 points and 7 polygons.
    void copyAndPaste_data()
    {
        QTest::addColumn<QList<int>>("numbers"); // copied from letter A
        QTest::addColumn<QByteArray>("clip");    // pasted instead, when given
        QTest::addColumn<QString>("via");        // own, svg
        QTest::addColumn<QString>("into");       // A, B, C
        QTest::addColumn<QByteArray>("copied");  // the own form copied, when given
        QTest::addColumn<QString>("memo");       // after the paste; empty: refused
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<QString>("message");
        QTest::newRow("same letter: new slots, the polygon's parameters and tail")
            << QList<int>{1, 2, 3, 4} << QByteArray() << "own"
            << "A" << QByteArray()
            << "0A D8D8 28D8 2828 D828 0000 00C4 D8D8 28D8 2828 D828 04 02 080A 0809 04 00020406 01020304 03 020804 "
               "050607 04 "
               "0C0E1012 01020304 ABCDEF 1111111111111111 2222222222222222 3333333333333333 2222222222222222"
            << QList<int>{7, 8, 9, 10} << "";
        QTest::newRow("another letter, own form")
            << QList<int>{2, 3, 5} << QByteArray() << "own"
            << "B"
            << QByteArray("vertiloom-points 1\npoint 40 -40\npoint 40 40\npoint 0 0\n"
                          "polygon 3333333333333333 1:05 3:06 2:07\n")
            << "05 0A0A 1414 28D8 2828 0000 02 02 0002 0000 03 040806 050607 010203 4444444444444444 3333333333333333"
            << QList<int>{3, 4, 5} << "";
        QTest::newRow("another letter, SVG")
            << QList<int>{2, 3, 5} << QByteArray() << "svg"
            << "B" << QByteArray()
            << "05 0A0A 1414 28D8 2828 0000 02 02 0002 0000 03 040806 050607 010203 4444444444444444 3333333333333333"
            << QList<int>{3, 4, 5} << "";
        QTest::newRow("a vector editor's SVG")
            << QList<int>{}
            << QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 256 256">)"
                          R"(<polygon points="100,100 150,100 150,150"/></svg>)")
            << "svg"
            << "B" << QByteArray()
            << "05 0A0A 1414 E4E4 16E4 1616 02 02 0002 0000 03 040608 000000 010203 4444444444444444 0000010200000102"
            << QList<int>{3, 4, 5} << "";
        QTest::newRow("too many points") << QList<int>{1, 2, 3, 4, 5, 6} << QByteArray() << "own"
                                         << "C" << QByteArray() << "" << QList<int>{}
                                         << "The letter has 15 points; with the 6 pasted it would have 21, and a "
                                            "letter holds at most 20. Nothing was pasted.";
        QTest::newRow("too many polygons") << QList<int>{1, 2, 3, 4, 5} << QByteArray() << "svg"
                                           << "C" << QByteArray() << "" << QList<int>{}
                                           << "The letter has 7 polygons; with the 2 pasted it would have 9, and "
                                              "a letter holds at most 8. Nothing was pasted.";
        QTest::newRow("a newer form") << QList<int>{} << QByteArray("vertiloom-points 2\npoint 0 0\n") << "own"
                                      << "B" << QByteArray() << "" << QList<int>{}
                                      << "The copied points are in form 2 of a newer version of this editor; this "
                                         "one reads form 1. Nothing was pasted.";
        QTest::newRow("a corner on no copied point")
            << QList<int>{} << QByteArray("vertiloom-points 1\npoint 0 0\npolygon 0000010200000102 1:00 2:00\n")
            << "own"
            << "B" << QByteArray() << "" << QList<int>{}
            << "The copied points can't be pasted: line 3 (\"polygon 0000010200000102 1:00 2:00\") is not as this "
               "editor writes them. Nothing was pasted.";
    }

    void copyAndPaste()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QByteArray, clip);
        QFETCH(QString, via);
        QFETCH(QString, into);
        QFETCH(QByteArray, copied);
        QFETCH(QString, memo);
        QFETCH(QList<int>, added);
        QFETCH(QString, message);
        memo.remove(u' ');
        Editor source, other;
        startUp(source);
        applyRecord(source, letterA(), false);
        startUp(other);
        if (into == QLatin1String("B"))
            applyRecord(other, recordOfText("020A0A1414 01 0200020000 010203 4444444444444444"), false);
        if (into == QLatin1String("C"))
            applyRecord(other,
                        recordOfText(QByteArray("0F") + QByteArray("0000").repeated(15) + "07"
                                     + QByteArray("010000").repeated(7) + "000000"
                                     + QByteArray("0000010200000102").repeated(7)),
                        false);
        if (clip.isEmpty()) {
            const CopiedPoints copy = copyPoints(source, numbers);
            if (!copied.isEmpty())
                QCOMPARE(copy.points, copied);
            clip = via == QLatin1String("own") ? copy.points : copy.svg;
        }
        Editor& editor = into == QLatin1String("A") ? source : other;
        const State before = stateOf(editor);
        History history(editor);
        QList<int> got;
        try {
            history.run(QString(), [&] {
                got = via == QLatin1String("own") ? pastePoints(editor, clip) : pasteSvg(editor, clip);
            });
        } catch (const Error& e) {
            QCOMPARE(e.message(), message);
            QVERIFY2(stateOf(editor) == before, qPrintable(firstDifference(stateOf(editor), before)));
            QCOMPARE(history.count(), 0);
            return;
        }
        QCOMPARE(QString(), message);
        QCOMPARE(got, added);
        QCOMPARE(editor.form.text(FieldId::memo()), memo);
        QCOMPARE(history.count(), 1);
        history.undo();
        QVERIFY2(stateOf(editor) == before, qPrintable(firstDifference(stateOf(editor), before)));
    }

    // The drawing copied of every point is the one "Export letter to SVG" writes of the letter.
    void copiedDrawingIsTheExportedOne()
    {
        Editor editor;
        startUp(editor);
        applyRecord(editor, letterA(), false);
        QCOMPARE(copyPoints(editor, {1, 2, 3, 4, 5, 6}).svg, letterToSvg(letterA()));
        QVERIFY_THROWS_EXCEPTION(Error, copyPoints(editor, {7}));
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
                                                 "only straight lines are read.\nOr let vertiloom-cli import IMAGE "
                                                 "DRAWING --letter L --fit flatten the drawing into the letter's "
                                                 "limits."));
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

    // A fitted letter over the record it replaces: the bytes a fit can't know come from the polygon
    // and corner at the same place, else a new polygon's; the box is that of the old points.
    void fittedLetterOverTheOldOne()
    {
        FittedLetter fitted;
        fitted.points = {{-10, -20}, {10, -20}, {10, 30}, {-10, 30}, {0, 40}};
        fitted.polygons = {{0, 1, 2, 3}, {3, 2, 4}, {0, 1, 4}, {1, 2, 4}};
        QCOMPARE(fittedRecord(fitted, letterA()).toBytes().toHex(' '),
                 QByteArray::fromHex("05 f6ec 0aec 0a1e f61e 0028 04 04 00020406 08090000 03 060408 010203 03 000208 "
                                     "050607 03 020408 000000 abcdef 1111111111111111 2222222222222222 "
                                     "3333333333333333 0000010200000102")
                     .toHex(' '));
        const FitBox box = letterBox(letterA());
        QCOMPARE(QList<int>({box.x0, box.y0, box.x1, box.y1}), QList<int>({-40, -60, 40, 40}));
        // No points, or all on one unit: the default letter's box.
        for (const LetterRecord& none : {LetterRecord{}, recordOfText("02 0505 0505 00 000000")}) {
            const FitBox fallback = letterBox(none);
            QCOMPARE(QList<int>({fallback.x0, fallback.y0, fallback.x1, fallback.y1}),
                     QList<int>({-104, -114, 93, 92}));
        }
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

    // Undoing a load puts back where the letter in the fields came from: the open image, Addr and the
    // catalogue position, the letter as it was loaded (no star) and Reload; redoing it, the load's own.
    void undoPastALoad_data()
    {
        QTest::addColumn<QString>("load");  // after start-up: "open", or the image open, then this
        QTest::addColumn<QString>("title"); // after the undo
        QTest::addColumn<QString>("addr");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("reload");    // Reload enabled
        QTest::addColumn<QString>("redone"); // the title after the redo
        const QString a = QStringLiteral("Tessarine Vertiloom \u2014 a.smc \u2014 ");
        QTest::newRow("the first open") << "open"
                                        << "Tessarine Vertiloom"
                                        << "476E2" << 1 << false << a + "P (59) 86";
        QTest::newRow("the first open, at R") << "< open"
                                              << "Tessarine Vertiloom"
                                              << "476E2" << 1 << false << a + "R (70) 105";
        QTest::newRow("reload at R") << "< reload" << a + "P (59) 86"
                                     << "476E2" << 1 << true << a + "R (70) 105";
        QTest::newRow("R from the font window") << "font" << a + "P (59) 86"
                                                << "476E2" << 1 << true << a + "R (70) 105";
        QTest::newRow("another image, at R")
            << "< other" << a + "P (59) 86"
            << "476E2" << 1 << true << "Tessarine Vertiloom \u2014 b.smc \u2014 R (70) 105";
    }
    void undoPastALoad()
    {
        QFETCH(QString, load);
        QFETCH(QString, title);
        QFETCH(QString, addr);
        QFETCH(int, position);
        QFETCH(bool, reload);
        QFETCH(QString, redone);
        QTemporaryDir dir;
        writeFile(dir.filePath("a.smc"), sampleRomImage());
        writeFile(dir.filePath("b.smc"), sampleRomImage());
        Editor editor;
        startUp(editor);
        History history(editor);
        FakePlatform platform;
        platform.openAnswers << dir.filePath("a.smc") << dir.filePath("b.smc");
        if (load != "open" && load != "< open")
            history.run(QString(), [&] { openLetter(editor, platform); });
        if (load.startsWith("<"))
            previousLetter(editor);
        history.run(QString(), [&] {
            if (load.endsWith("open") || load.endsWith("other"))
                openLetter(editor, platform);
            else if (load.endsWith("reload"))
                reloadLetter(editor, platform);
            else
                openCatalogueLetter(editor, platform, 24);
        });
        const State loaded = stateOf(editor);
        const QString loadedTitle = windowTitle(editor);
        const int loadedPosition = editor.cataloguePosition;
        history.undo();
        QCOMPARE(windowTitle(editor), title);
        QCOMPARE(editor.form.text(FieldId::addr()), addr);
        QCOMPARE(editor.form.text(FieldId::label(34)), QString::fromLatin1(catalogueEntry(position).label));
        QCOMPARE(editor.cataloguePosition, position);
        QCOMPARE(editor.form.enabled(FieldId::bitBtn(1)), reload);
        history.redo();
        QCOMPARE(windowTitle(editor), redone);
        QCOMPARE(loadedTitle, redone);
        QVERIFY2(stateOf(editor) == loaded, qPrintable(firstDifference(stateOf(editor), loaded)));
        QCOMPARE(editor.cataloguePosition, loadedPosition);
    }

    // Play: the scripted emulator gets a copy of the open image with the memo's record at Addr and the
    // words as their fields spell them, under the image's name in a folder of its own in the temporary
    // folder, which is gone once the emulator ended; the user's image is left byte for byte, with no
    // backup beside it. The record is longer than the one it replaces: a note says what the copy has.
    void playsACopy()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")));
        const Environment tmp("TMPDIR", dir.filePath(QStringLiteral("tmp")));
        const QString image = dir.filePath(QStringLiteral("my game.sfc"));
        writeFile(image, sampleRomImage());
        const QString emulator = dir.filePath(QStringLiteral("fake emulator"));
        writeScript(emulator, "here=$(dirname \"$0\")\nprintf '%s\\n' \"$@\" > \"$here/arguments\"\n"
                              "cp \"$2\" \"$here/played\"\n");
        Editor editor;
        FakePlatform platform;
        startUp(editor);
        openDroppedFile(editor, platform, image);
        editor.form.setText(FieldId::addr(), QStringLiteral("476E2"));
        editor.form.setText(FieldId::memo(), recordText(letterA().toBytes()));
        const QString stop = QStringLiteral("STOP!");
        for (int i = 0; i < stop.size(); ++i)
            editor.form.setText(FieldId::edit(2 + i), stop.mid(i, 1));

        play(editor, platform, QStringLiteral("'%1' --fullscreen %f").arg(emulator));
        QCOMPARE(platform.errors, QStringList());
        QByteArray expected = sampleRomImage();
        putBytes(expected, 0x476E2,
                 bytesFromHex("06 D8D8 28D8 2828 D828 0000 00C4 03 02 080A 0809 04 00020406 "
                              "01020304 03 020804 050607 ABCDEF 1111111111111111 "
                              "2222222222222222 3333333333333333"));
        putBytes(expected, 0xCC60, bytesFromHex("03 13 17 00 06"));
        QVERIFY(readFile(dir.filePath(QStringLiteral("played"))) == expected);
        const QStringList arguments =
            QString::fromLocal8Bit(readFile(dir.filePath(QStringLiteral("arguments")))).split(u'\n');
        QCOMPARE(arguments.size(), 3);
        QCOMPARE(arguments[0], QStringLiteral("--fullscreen"));
        QVERIFY2(QRegularExpression(QStringLiteral("^%1/vertiloom-play-\\w{6}/my game\\.sfc$")
                                        .arg(QRegularExpression::escape(dir.filePath(QStringLiteral("tmp")))))
                     .match(arguments[1])
                     .hasMatch(),
                 qPrintable(arguments[1]));
        QCOMPARE(
            QDir(dir.filePath(QStringLiteral("tmp"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
        QVERIFY(readFile(image) == sampleRomImage());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({QStringLiteral("arguments"), QStringLiteral("fake emulator"),
                              QStringLiteral("my game.sfc"), QStringLiteral("played")}));
        QCOMPARE(
            platform.warnings,
            QStringList(QStringLiteral("The record at offset 476E2 of %1 is 42 bytes long; the new one is 62 bytes: "
                                       "in the copy being played, the 20 bytes after the old record are "
                                       "overwritten. %1 itself is unchanged.")
                            .arg(image)));
        // Without %f the file goes last; quotes group words as a shell's do.
        const ProgramCall call =
            emulatorCall(QStringLiteral("retroarch -L \"/a b/core.so\""), QStringLiteral("/t/c.smc"));
        QCOMPARE(call.program, QStringLiteral("retroarch"));
        QCOMPARE(call.arguments,
                 QStringList({QStringLiteral("-L"), QStringLiteral("/a b/core.so"), QStringLiteral("/t/c.smc")}));
    }

    // Play refused: nothing started, no copy left in the temporary folder, the image as it was. An
    // emulator that can't be started is named with the system's cause.
    void playRefused_data()
    {
        QTest::addColumn<QString>("opened");      // "image", "letter" or "" (nothing opened)
        QTest::addColumn<QString>("commandLine"); // %1 is the test's folder
        QTest::addColumn<QString>("word");        // the first letter of PAUSE
        QTest::addColumn<QString>("message");     // %1 is the test's folder
        const QString fake = QStringLiteral("'%1/fake emulator' %f");
        QTest::newRow("no image") << QString() << fake << QStringLiteral("P")
                                  << QStringLiteral("No ROM image is open yet. Open a ROM image with \"Open file\" "
                                                    "first, then play it.");
        QTest::newRow("letter file")
            << QStringLiteral("letter") << fake << QStringLiteral("P")
            << QStringLiteral("The file last opened, \"%1/letter.bin\", is a letter file, not a ROM image (62 bytes; a "
                              "ROM image is larger than 2,000,000 bytes). Open a ROM image with \"Open file\" first, "
                              "then play it.");
        QTest::newRow("not on the PATH")
            << QStringLiteral("image") << QStringLiteral("no-such-emulator -f %f") << QStringLiteral("P")
            << QStringLiteral("Cannot start the emulator \"no-such-emulator\" (looked for in the folders of the PATH): "
                              "No such file or directory. Its command line is set in \"Emulator…\".");
        QTest::newRow("no such file")
            << QStringLiteral("image") << QStringLiteral("%1/gone/emulator %f") << QStringLiteral("P")
            << QStringLiteral("Cannot start the emulator %1/gone/emulator: No such file or directory. Its command line "
                              "is set in \"Emulator…\".");
        QTest::newRow("not executable")
            << QStringLiteral("image") << QStringLiteral("'%1/plain file' %f") << QStringLiteral("P")
            << QStringLiteral("Cannot start the emulator %1/plain file: Permission denied. Its command line is set in "
                              "\"Emulator…\".");
        QTest::newRow("a folder") << QStringLiteral("image") << QStringLiteral("%1 %f") << QStringLiteral("P")
                                  << QStringLiteral("Cannot start the emulator %1: Permission denied. Its command line "
                                                    "is set in \"Emulator…\".");
        QTest::newRow("empty") << QStringLiteral("image") << QStringLiteral("  ") << QStringLiteral("P")
                               << QStringLiteral("The emulator's command line is empty: give it in \"Emulator…\", "
                                                 "with %f where the file to play goes.");
        QTest::newRow("a word's letter") << QStringLiteral("image") << fake << QStringLiteral("x")
                                         << QStringLiteral(
                                                "Letter 1 of PAUSE: 'x' is not a character the game can show.");
    }
    void playRefused()
    {
        QFETCH(QString, opened);
        QFETCH(QString, commandLine);
        QFETCH(QString, word);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")));
        const Environment tmp("TMPDIR", dir.filePath(QStringLiteral("tmp")));
        writeScript(dir.filePath(QStringLiteral("fake emulator")), "exit 0\n");
        writeScript(dir.filePath(QStringLiteral("plain file")), "exit 0\n", false);
        Editor editor;
        FakePlatform platform;
        startUp(editor);
        if (!opened.isEmpty()) {
            const QString file = dir.filePath(opened == QLatin1String("image") ? QStringLiteral("image.smc")
                                                                               : QStringLiteral("letter.bin"));
            writeFile(file, opened == QLatin1String("image") ? sampleRomImage() : letterA().toBytes());
            openDroppedFile(editor, platform, file);
        }
        editor.form.setText(FieldId::edit(2), word);
        QString refusal;
        try {
            play(editor, platform, QString(commandLine).replace(QLatin1String("%1"), dir.path()));
        } catch (const Error& error) {
            refusal = error.message();
        }
        QCOMPARE(refusal, QString(message).replace(QLatin1String("%1"), dir.path()));
        QCOMPARE(platform.programs, QList<QStringList>());
        QCOMPARE(
            QDir(dir.filePath(QStringLiteral("tmp"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
        if (opened == QLatin1String("image"))
            QVERIFY(readFile(dir.filePath(QStringLiteral("image.smc"))) == sampleRomImage());
    }

    // The emulator's command line is split as a shell splits words.
    void splitsLikeAShell_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QStringList>("words"); // empty with a refusal
        QTest::addColumn<QString>("refusal");
        QTest::newRow("blanks") << QStringLiteral("  mednafen\t-video.fs 1  %f ")
                                << QStringList{QStringLiteral("mednafen"), QStringLiteral("-video.fs"),
                                               QStringLiteral("1"), QStringLiteral("%f")}
                                << QString();
        QTest::newRow("quotes") << QStringLiteral("a 'b  c' \"d \\\"e\\\" \\x\" f\\ g h'i'\"j\"")
                                << QStringList{QStringLiteral("a"), QStringLiteral("b  c"),
                                               QStringLiteral("d \"e\" \\x"), QStringLiteral("f g"),
                                               QStringLiteral("hij")}
                                << QString();
        QTest::newRow("a quote in single quotes")
            << QStringLiteral("'it'\\''s' \"\"") << QStringList{QStringLiteral("it's"), QString()} << QString();
        QTest::newRow("not closed") << QStringLiteral("snes9x 'my game") << QStringList()
                                    << QStringLiteral("The emulator's command line has a ' that is not closed: "
                                                      "snes9x 'my game");
    }
    void splitsLikeAShell()
    {
        QFETCH(QString, commandLine);
        QFETCH(QStringList, words);
        QFETCH(QString, refusal);
        try {
            QCOMPARE(splitCommandLine(commandLine), words);
            QCOMPARE(QString(), refusal);
        } catch (const Error& error) {
            QCOMPARE(error.message(), refusal);
        }
    }

    // The emulator found on the PATH the first time: the first of mednafen, snes9x, bsnes and retroarch,
    // retroarch with a SNES core of its own; else which Debian package gives one.
    void findsTheEmulator_data()
    {
        QTest::addColumn<QStringList>("programs"); // on the PATH, or in games/ of the test's folder
        QTest::addColumn<QStringList>("cores");    // under <root>/x86_64-linux-gnu/libretro/
        QTest::addColumn<QString>("commandLine");  // %1 is the libretro root, %2 the test's folder
        QTest::addColumn<QString>("failure");      // %1 is the libretro root
        QTest::newRow("snes9x only") << QStringList{QStringLiteral("snes9x")} << QStringList()
                                     << QStringLiteral("snes9x %f") << QString();
        QTest::newRow("mednafen first") << QStringList{QStringLiteral("retroarch"), QStringLiteral("bsnes"),
                                                       QStringLiteral("mednafen"), QStringLiteral("snes9x")}
                                        << QStringList() << QStringLiteral("mednafen %f") << QString();
        QTest::newRow("bsnes before retroarch")
            << QStringList{QStringLiteral("retroarch"), QStringLiteral("bsnes")}
            << QStringList{QStringLiteral("snes9x_libretro.so")} << QStringLiteral("bsnes %f") << QString();
        QTest::newRow("retroarch with snes9x's core")
            << QStringList{QStringLiteral("retroarch")}
            << QStringList{QStringLiteral("bsnes_mercury_balanced_libretro.so"), QStringLiteral("snes9x_libretro.so")}
            << QStringLiteral("retroarch -L %1/x86_64-linux-gnu/libretro/snes9x_libretro.so %f") << QString();
        QTest::newRow("retroarch with bsnes's core")
            << QStringList{QStringLiteral("retroarch")}
            << QStringList{QStringLiteral("bsnes_mercury_balanced_libretro.so"), QStringLiteral("nestopia_libretro.so")}
            << QStringLiteral("retroarch -L %1/x86_64-linux-gnu/libretro/bsnes_mercury_balanced_libretro.so %f")
            << QString();
        QTest::newRow("retroarch without a SNES core")
            << QStringList{QStringLiteral("retroarch")} << QStringList{QStringLiteral("nestopia_libretro.so")}
            << QString()
            << QStringLiteral("retroarch is on the PATH, but no SNES core for it is in %1/*/libretro/: install the "
                              "Debian package libretro-bsnes-mercury-balanced (apt-get install "
                              "libretro-bsnes-mercury-balanced) or mednafen (apt-get install mednafen), or give the "
                              "command line of yours.");
        QTest::newRow("in the games folder")
            << QStringList{QStringLiteral("games/bsnes"), QStringLiteral("games/mednafen")} << QStringList()
            << QStringLiteral("%2/games/mednafen %f") << QString();
        QTest::newRow("the PATH before the games folder")
            << QStringList{QStringLiteral("games/mednafen"), QStringLiteral("bin/bsnes")} << QStringList()
            << QStringLiteral("bsnes %f") << QString();
        QTest::newRow("none") << QStringList() << QStringList() << QString()
                              << QStringLiteral("No emulator found on the PATH: install the Debian package mednafen "
                                                "(apt-get install mednafen), or give the command line of yours.");
    }
    void findsTheEmulator()
    {
        QFETCH(QStringList, programs);
        QFETCH(QStringList, cores);
        QFETCH(QString, commandLine);
        QFETCH(QString, failure);
        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("bin"));
        const QString root = dir.filePath(QStringLiteral("lib"));
        const QString cored = root + QStringLiteral("/x86_64-linux-gnu/libretro");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(cored) && QDir().mkpath(dir.filePath(QStringLiteral("games"))));
        for (const QString& program : programs)
            writeScript(program.contains(u'/') ? dir.filePath(program) : bin + u'/' + program, "exit 0\n");
        for (const QString& core : cores)
            writeFile(cored + u'/' + core, "core");
        const Environment path("PATH", bin);
        const EmulatorSearch found = findEmulator(root, {dir.filePath(QStringLiteral("games"))});
        QCOMPARE(found.commandLine,
                 QString(commandLine).replace(QLatin1String("%1"), root).replace(QLatin1String("%2"), dir.path()));
        QCOMPARE(found.failure, QString(failure).replace(QLatin1String("%1"), root));
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
