// Editing by hand through real key and mouse events: what each field lets through, the echoes and
// captions that follow it, the vertex menu, the word fields' limit, placing a point on the preview,
// nudging and clearing.
#include "app/mainwindow.h"
#include "support/fakeplatform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <memory>
#include <utility>

using vertiloom::FieldId;

Q_DECLARE_METATYPE(vertiloom::FieldId)

namespace {

// A key as the desktop delivers it: Delete carries the character 0x7F and Ctrl with a letter the
// control character of that letter, neither of which a field may refuse.
class PlatformKey : public QTestEvent {
public:
    PlatformKey(Qt::Key key, QString text, Qt::KeyboardModifiers modifiers = {})
        : key_(key), text_(std::move(text)), modifiers_(modifiers)
    {
    }
    static PlatformKey* ctrl(char letter)
    {
        return new PlatformKey(Qt::Key(Qt::Key_A + letter - 'A'), QString(QChar(letter - 'A' + 1)),
                               Qt::ControlModifier);
    }
    void simulate(QWidget* widget) override { QTest::sendKeyEvent(QTest::Click, widget, key_, text_, modifiers_); }
    QTestEvent* clone() const override { return new PlatformKey(*this); }

private:
    Qt::Key key_;
    QString text_;
    Qt::KeyboardModifiers modifiers_;
};

// Opens the field's own context menu and chooses Paste in it.
class MenuPaste : public QTestEvent {
public:
    void simulate(QWidget* widget) override
    {
        QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(widget, &open);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        const auto paste = std::find_if(actions.cbegin(), actions.cend(), [](const QAction* action) {
            // The line edit's own text for Paste, in the window's language.
            return action->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste"));
        });
        QVERIFY(paste != actions.cend());
        menu->close();
        (*paste)->trigger();
    }
    QTestEvent* clone() const override { return new MenuPaste(*this); }
};

// The focus leaves the field for the next control and comes back to it.
class LeaveAndReturn : public QTestEvent {
public:
    void simulate(QWidget* widget) override
    {
        widget->nextInFocusChain()->setFocus();
        QVERIFY(QApplication::focusWidget() != widget);
        widget->setFocus();
    }
    QTestEvent* clone() const override { return new LeaveAndReturn(*this); }
};

} // namespace

class TestEditing : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        platform_ = {};
        window_ = std::make_unique<vertiloom::MainWindow>(platform_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup()
    {
        QVERIFY(platform_.errors.isEmpty());
        window_.reset();
    }

    void typing_data();
    void typing();
    void editingKeys_data();
    void editingKeys();
    void echoes_data();
    void echoes();
    void vertexMenu_data();
    void vertexMenu();
    void vertexMenuWithoutEditField();
    void placement_data();
    void placement();
    void nudge_data();
    void nudge();
    void nudgeMovesCheckedPointsOnly();
    void clear();

private:
    QWidget* find(const FieldId& id) const { return window_->widget(id); }
    QString text(const FieldId& id) const
    {
        const auto* memo = qobject_cast<const QPlainTextEdit*>(find(id));
        return memo ? memo->toPlainText() : find(id)->property("text").toString();
    }
    // Puts the program's text into a field, then types the keys into it: '\b' is backspace, and
    // "^V" or "^X" the shortcut, which arrives as the control character 0x16 or 0x18.
    void type(const FieldId& id, const QString& initial, const QString& keys, bool selectAll = false);
    // Left of centre, so a check box is hit on its box rather than beside its caption.
    void click(const FieldId& id)
    {
        QTest::mouseClick(find(id), Qt::LeftButton, {}, QPoint(8, find(id)->height() / 2));
    }
    // Sends one left-button event to this pixel of the preview's upper layer (QTest would aim at
    // the centre for pixel (0, 0)).
    void mouse(QEvent::Type type, QPoint pixel);
    QMenu* menu() const { return window_->findChild<QMenu*>(QStringLiteral("PopupMenu1")); }
    void chooseItem(int point);
    vertiloom::EditorForm& form() { return window_->editor().form; }

    vertiloom::test::FakePlatform platform_;
    std::unique_ptr<vertiloom::MainWindow> window_;
};

void TestEditing::type(const FieldId& id, const QString& initial, const QString& keys, bool selectAll)
{
    QWidget* widget = find(id);
    form().setText(id, initial);
    widget->setFocus();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        memo->moveCursor(QTextCursor::End);
    if (selectAll)
        QMetaObject::invokeMethod(widget, "selectAll");
    if (keys.startsWith(u'^')) {
        const QChar control(keys.at(1).unicode() - u'A' + 1);
        const auto key = Qt::Key(Qt::Key_A + keys.at(1).unicode() - u'A');
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(control), Qt::ControlModifier);
    } else {
        QTest::keyClicks(widget, keys);
    }
}

void TestEditing::mouse(QEvent::Type type, QPoint pixel)
{
    auto* image = window_->findChild<QWidget*>(QStringLiteral("Image2"));
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pixel), QPointF(image->mapToGlobal(pixel)), Qt::LeftButton, held, {});
    QApplication::sendEvent(image, &event);
}

void TestEditing::chooseItem(int point)
{
    auto* item = menu()->findChild<QAction*>(QStringLiteral("N%11").arg(point));
    QVERIFY(item);
    QCOMPARE(item->text(), QString::number(point));
    QTest::mouseClick(menu(), Qt::LeftButton, {}, menu()->actionGeometry(item).center());
    QVERIFY(!menu()->isVisible());
}

void TestEditing::typing_data()
{
    QTest::addColumn<FieldId>("field");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    const auto row = [](FieldId field, const char* initial, const char* keys, const char* expected,
                        bool selectAll = false) {
        QTest::addRow("%s \"%s\" + \"%s\"", qPrintable(field.objectName()), initial, keys)
            << field << QString::fromLatin1(initial) << selectAll << QString::fromLatin1(keys)
            << QString::fromLatin1(expected);
    };
    // Upper-case hex digits and backspace only; the filters decide which characters, not how many.
    row(FieldId::x(1), "", "a", "");
    row(FieldId::x(1), "", " -G", "");
    row(FieldId::x(1), "", "1g2 3-4", "1234");
    row(FieldId::x(1), "12", "\b\bF0F", "F0F");
    row(FieldId::y(20), "", "f0F", "0F");
    row(FieldId::dots(), "", "1x4", "14");
    row(FieldId::polygons(), "", "0-7", "07");
    row(FieldId::degree(3), "", "Ee", "E");
    row(FieldId::pol(2, 3), "", "0a A", "0A");
    row(FieldId::pol(8, 11), "26", "\b", "2");
    // Clipboard shortcuts work as in any line edit, though they arrive as control characters.
    row(FieldId::x(1), "12", "^V", "AB", true);
    row(FieldId::x(1), "12", "^X", "", true);
    row(FieldId::pol(8, 11), "12", "^X", "", true);
    row(FieldId::addr(), "12", "^V", "AB", true);
    // The address takes lower-case digits too.
    row(FieldId::addr(), "", "ab", "ab");
    row(FieldId::addr(), "", "4G7e-2 F", "47e2F");
    // Parameters, the memo and the word fields take anything.
    row(FieldId::ipol(1, 1), "", "g -x", "g -x");
    row(FieldId::ipol(1, 1), "12", "^V", "AB", true);
    row(FieldId::ipol(1, 1), "12", "^X", "", true);
    row(FieldId::memo(), "", "any Text, 1-2", "any Text, 1-2");
    row(FieldId::edit(2), "", "-", "-");
    // A word field limits itself to one character on its first key press...
    row(FieldId::edit(3), "P", "X", "P");
    row(FieldId::edit(3), "", "XY", "X");
    row(FieldId::edit(3), "P", "Z", "Z", true);
    row(FieldId::edit(14), "", "OV", "O");
    row(FieldId::edit(2), "PA", "\bU", "P"); // the program's longer text may shrink, not grow
    // ...except the first of GAME OVER, which does so after its first change.
    row(FieldId::edit(7), "G", "AB", "GA");
    row(FieldId::edit(7), "G", "A\bB", "G");
}

void TestEditing::typing()
{
    QFETCH(FieldId, field);
    QFETCH(QString, initial);
    QFETCH(bool, selectAll);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->setText(QStringLiteral("AB"));
    type(field, initial, keys, selectAll);
    QCOMPARE(text(field), expected);
    QCOMPARE(form().text(field), expected);
}

void TestEditing::editingKeys_data()
{
    QTest::addColumn<FieldId>("field"); // holds "3C"
    QTest::addColumn<FieldId>("other"); // holds "00"
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QTestEventList>("otherKeys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("otherExpected");
    QTest::addColumn<int>("beeps");
    const auto list = [](std::initializer_list<QTestEvent*> events) {
        QTestEventList list;
        for (QTestEvent* event : events)
            list.append(event);
        return list;
    };
    const auto ctrl = PlatformKey::ctrl;
    const auto del = [] { return new PlatformKey(Qt::Key_Delete, QStringLiteral("\x7f")); };
    const auto home = [] { return new PlatformKey(Qt::Key_Home, QString()); };
    const auto typed = [](char c) { return new PlatformKey(Qt::Key(QChar(c).unicode()), QString(QChar(c))); };
    const auto shiftInsert = [] { return new PlatformKey(Qt::Key_Insert, QString(), Qt::ShiftModifier); };
    const std::pair<FieldId, FieldId> fields[] = {
        {FieldId::x(1), FieldId::x(2)},           {FieldId::y(20), FieldId::y(19)},
        {FieldId::dots(), FieldId::polygons()},   {FieldId::polygons(), FieldId::dots()},
        {FieldId::degree(3), FieldId::degree(8)}, {FieldId::pol(2, 3), FieldId::pol(7, 11)},
        {FieldId::addr(), FieldId::pol(1, 1)},
    };
    for (const auto& [field, other] : fields) {
        const auto row = [&](const char* name, const char* clipboard, const QTestEventList& keys,
                             const QTestEventList& otherKeys, const char* expected, const char* otherExpected,
                             int beeps) {
            QTest::addRow("%s %s", qPrintable(field.objectName()), name)
                << field << other << QString::fromLatin1(clipboard) << keys << otherKeys
                << QString::fromLatin1(expected) << QString::fromLatin1(otherExpected) << beeps;
        };
        row("Delete", "", list({home(), del()}), {}, "C", "00", 0);
        row("select all and type", "", list({ctrl('A'), typed('7'), typed('E')}), {}, "7E", "00", 0);
        row("undo", "", list({ctrl('A'), typed('7'), ctrl('Z')}), {}, "3C", "00", 0);
        row("undo and redo", "", list({ctrl('A'), typed('7'), ctrl('Z'), ctrl('Y')}), {}, "7", "00", 0);
        row("copy and paste", "", list({ctrl('A'), ctrl('C')}), list({ctrl('A'), ctrl('V')}), "3C", "3C", 0);
        row("cut and paste", "", list({ctrl('A'), ctrl('X')}), list({ctrl('A'), ctrl('V')}), "", "3C", 0);
        row("paste 7F", "7F", list({ctrl('V')}), {}, "3C7F", "00", 0);
        row("paste 1G", "1G", list({ctrl('A'), ctrl('V')}), {}, "3C", "00", 1);
        row("Shift+Insert 7F", "7F", list({home(), shiftInsert()}), {}, "7F3C", "00", 0);
        row("Shift+Insert 1G", "1G", list({shiftInsert()}), {}, "3C", "00", 1);
        row("menu paste 7F", "7F", list({ctrl('A'), new MenuPaste}), {}, "7F", "00", 0);
        row("menu paste 1G", "1G", list({new MenuPaste}), {}, "3C", "00", 1);
    }
    // A field that takes everything takes any paste.
    QTest::newRow("IPol1_1 paste 1G") << FieldId::ipol(1, 1) << FieldId::ipol(1, 2) << "1G" << list({ctrl('V')})
                                      << QTestEventList() << "3C1G"
                                      << "00" << 0;
    // Typing after the focus came back is a step of its own.
    QTest::newRow("x1 left and typed again, undo")
        << FieldId::x(1) << FieldId::x(2) << ""
        << list({ctrl('A'), typed('7'), new LeaveAndReturn, typed('E'), ctrl('Z')}) << QTestEventList() << "7"
        << "00" << 0;
    // The second START! changes nothing and is no step: two undos take back START! and the typing.
    const auto f5 = [] { return new PlatformKey(Qt::Key_F5, QString()); };
    QTest::newRow("x1 START! twice, undo twice")
        << FieldId::x(1) << FieldId::x(2) << ""
        << list({ctrl('A'), typed('7'), typed('E'), f5(), f5(), ctrl('Z'), ctrl('Z')}) << QTestEventList() << "3C"
        << "00" << 0;
}

void TestEditing::editingKeys()
{
    QFETCH(FieldId, field);
    QFETCH(FieldId, other);
    QFETCH(QString, clipboard);
    QFETCH(QTestEventList, keys);
    QFETCH(QTestEventList, otherKeys);
    QFETCH(QString, expected);
    QFETCH(QString, otherExpected);
    QFETCH(int, beeps);
    QGuiApplication::clipboard()->setText(clipboard);
    const int beepsBefore = platform_.beeps;
    form().setText(field, QStringLiteral("3C"));
    form().setText(other, QStringLiteral("00"));
    find(field)->setFocus();
    keys.simulate(find(field));
    find(other)->setFocus();
    otherKeys.simulate(find(other));
    QCOMPARE(text(field), expected);
    QCOMPARE(form().text(field), expected);
    QCOMPARE(form().text(other), otherExpected);
    QCOMPARE(platform_.beeps - beepsBefore, beeps);
}

void TestEditing::echoes_data()
{
    QTest::addColumn<FieldId>("field");
    QTest::addColumn<QString>("keys"); // typed over the whole text
    QTest::addColumn<FieldId>("watched");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, FieldId field, const char* keys, FieldId watched, const char* expected) {
        QTest::newRow(name) << field << QString::fromLatin1(keys) << watched << QString::fromLatin1(expected);
    };
    row("Degree3 cleared", FieldId::degree(3), "\b", FieldId::label(26), "0");
    row("Degree3 FF", FieldId::degree(3), "FF", FieldId::label(26), "255");
    row("Dots", FieldId::dots(), "0A", FieldId::label(22), "10");
    row("Dots refreshes Label23", FieldId::dots(), "0A", FieldId::label(23), "7");
    row("Polygons", FieldId::polygons(), "03", FieldId::label(23), "3");
    row("Pol2_3 0A", FieldId::pol(2, 3), "0A", FieldId::checkPol(2, 3), "xy 6");
    row("Pol2_3 A", FieldId::pol(2, 3), "A", FieldId::checkPol(2, 3), "xy 6");
    row("Pol2_3 01", FieldId::pol(2, 3), "01", FieldId::checkPol(2, 3), "xy ");
    row("Pol2_3 28", FieldId::pol(2, 3), "28", FieldId::checkPol(2, 3), "xy ");
    row("Pol7_11 26", FieldId::pol(7, 11), "26", FieldId::checkPol(7, 11), "xy 20");
    // A parameter field shows in its own fill colour: white for "00" only, aqua otherwise.
    row("IPol1_1 0", FieldId::ipol(1, 1), "0", FieldId::ipol(1, 1), "#00ffff");
    row("IPol1_1 00", FieldId::ipol(1, 1), "00", FieldId::ipol(1, 1), "#ffffff");
    row("IPol4_2 cleared", FieldId::ipol(4, 2), "\b", FieldId::ipol(4, 2), "#00ffff");
}

void TestEditing::echoes()
{
    QFETCH(FieldId, field);
    QFETCH(QString, keys);
    QFETCH(FieldId, watched);
    QFETCH(QString, expected);
    if (watched == field) {
        type(field, QStringLiteral("01"), keys, true);
        QCOMPARE(find(field)->palette().color(QPalette::Base).name(), expected);
        return;
    }
    // A stale caption shows that the echo comes from the typing itself.
    form().setText(watched, QStringLiteral("?"));
    type(field, text(field), keys, true);
    QCOMPARE(text(watched), expected);
}

void TestEditing::vertexMenu_data()
{
    QTest::addColumn<int>("polygon");
    QTest::addColumn<int>("corner");
    QTest::addColumn<int>("point");
    QTest::addColumn<QString>("written");
    QTest::newRow("Pol2_5") << 2 << 5 << 20 << "26";
    QTest::newRow("Pol1_11") << 1 << 11 << 6 << "0A";
    QTest::newRow("Pol6_9") << 6 << 9 << 20 << "26";
    QTest::newRow("Pol8_1") << 8 << 1 << 3 << "04";
}

void TestEditing::vertexMenu()
{
    QFETCH(int, polygon);
    QFETCH(int, corner);
    QFETCH(int, point);
    QFETCH(QString, written);
    const FieldId field = FieldId::pol(polygon, corner);
    QVERIFY(!menu()->isVisible());
    form().setText(FieldId::memo(), QStringLiteral("AA"));

    QTest::mouseDClick(find(field), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(menu()->isVisible());
    QCOMPARE(window_->focusWidget(), find(field));
    // Over the polygon's first corner field; the lower row's menu 184 pixels higher.
    const QPoint expected =
        window_->mapToGlobal(find(FieldId::pol(polygon, 1))->pos() - QPoint(0, polygon >= 5 ? 184 : 0));
    const QRect screen = menu()->screen()->availableGeometry();
    if (screen.contains(QRect(expected, menu()->size()))) {
        QCOMPARE(menu()->pos(), expected);
    } else {
        // The platform keeps the menu on the screen.
        QVERIFY(screen.contains(menu()->geometry()));
    }

    chooseItem(point);
    QCOMPARE(text(field), written);
    QCOMPARE(text(FieldId::checkPol(polygon, corner)), QStringLiteral("xy %1").arg(point));
    // START! ran: the memo holds the compiled record again.
    QVERIFY(text(FieldId::memo()).size() > 2);
}

void TestEditing::vertexMenuWithoutEditField()
{
    const QString before = text(FieldId::pol(2, 5));
    QTest::mouseDClick(find(FieldId::pol(2, 5)), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(menu()->isVisible());
    find(FieldId::button(6))->setFocus();
    QCOMPARE(window_->focusWidget(), find(FieldId::button(6)));
    form().setText(FieldId::memo(), QStringLiteral("AA"));
    chooseItem(5);
    QCOMPARE(text(FieldId::pol(2, 5)), before);
    QCOMPARE(text(FieldId::button(6)), QStringLiteral("Экспорт буквы в файл"));
    QVERIFY(text(FieldId::memo()).size() > 2);
}

void TestEditing::placement_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::newRow("top left") << 1 << QPoint(0, 0) << "80"
                              << "80";
    QTest::newRow("centre") << 1 << QPoint(128, 128) << "00"
                            << "00";
    QTest::newRow("last pixel") << 1 << QPoint(254, 254) << "7E"
                                << "7E";
    QTest::newRow("point 5") << 5 << QPoint(127, 3) << "FF"
                             << "83";
}

void TestEditing::placement()
{
    QFETCH(int, point);
    QFETCH(QPoint, pixel);
    QFETCH(QString, x);
    QFETCH(QString, y);
    vertiloom::Editor& editor = window_->editor();
    if (point != 1)
        click(FieldId::radio(point));
    // The point moves whether or not it belongs to the letter.
    click(FieldId::checkBox(point));
    QVERIFY(!form().checked(FieldId::checkBox(point)));
    const FieldId other = FieldId::x(point == 1 ? 2 : 1);
    const QString otherX = text(other);
    const QString memo = text(FieldId::memo());
    const QImage letter = editor.letterLayer.image().copy();
    const QImage overlay = editor.overlayLayer.image().copy();
    const QString clicked = QStringLiteral("X: ") + x + QStringLiteral("  Y: ") + y;

    // Moves go to the window, which hands them to the upper layer under the mouse.
    const QWidget* image = window_->findChild<QWidget*>(QStringLiteral("Image2"));
    QTest::mouseMove(window_.get(), image->mapTo(window_.get(), pixel));
    QCOMPARE(text(FieldId::label(20)), x + QStringLiteral("  Y: ") + y);
    mouse(QEvent::MouseButtonPress, pixel);
    mouse(QEvent::MouseButtonRelease, pixel);
    QCOMPARE(text(FieldId::x(point)), x);
    QCOMPARE(text(FieldId::y(point)), y);
    QCOMPARE(text(FieldId::label(33)), clicked);
    QCOMPARE(text(other), otherX);
    // Nothing is redrawn or compiled until START!.
    QCOMPARE(editor.letterLayer.image(), letter);
    QCOMPARE(editor.overlayLayer.image(), overlay);
    QCOMPARE(text(FieldId::memo()), memo);

    // The readout follows the mouse and leaves the last click alone.
    QTest::mouseMove(window_.get(), image->mapTo(window_.get(), QPoint(1, 2)));
    QCOMPARE(text(FieldId::label(20)), QStringLiteral("81  Y: 82"));
    QCOMPARE(text(FieldId::label(33)), clicked);

    // A double click redraws: the unchecked point loses its number on the overlay.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        mouse(type, pixel);
    QVERIFY(editor.overlayLayer.image() != overlay);
    QVERIFY(text(FieldId::memo()) != memo);
}

void TestEditing::nudge_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    enum { Left = 8, Up = 9, Down = 10, Right = 11 };
    const auto row = [](int button, const char* before, const char* after) {
        const bool horizontal = button == Left || button == Right;
        QTest::addRow("Button%d %c \"%s\"", button, horizontal ? 'x' : 'y', before)
            << button << horizontal << QString::fromLatin1(before) << QString::fromLatin1(after);
    };
    row(Left, "00", "FF");
    row(Right, "FF", "00");
    row(Left, "80", "7F");
    row(Right, "7F", "80");
    row(Left, "5", "04");
    row(Right, "5", "06");
    row(Left, "0", "FF");
    row(Left, "", "FF");
    row(Right, "", "01");
    row(Up, "00", "FF");
    row(Up, "10", "0F");
    row(Down, "FF", "00");
    row(Down, "0F", "10");
}

void TestEditing::nudge()
{
    QFETCH(int, button);
    QFETCH(bool, horizontal);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const FieldId field = horizontal ? FieldId::x(3) : FieldId::y(3);
    const FieldId across = horizontal ? FieldId::y(3) : FieldId::x(3);
    const QString unmoved = text(across);
    form().setText(field, before);
    click(FieldId::button(button));
    QCOMPARE(text(field), after);
    QCOMPARE(text(across), unmoved);
}

void TestEditing::nudgeMovesCheckedPointsOnly()
{
    // Every point of the starting letter is checked; point 2 leaves it.
    click(FieldId::checkBox(2));
    form().setText(FieldId::x(1), QStringLiteral("10"));
    form().setText(FieldId::x(2), QStringLiteral("20"));
    click(FieldId::button(11));
    QCOMPARE(text(FieldId::x(1)), QStringLiteral("11"));
    QCOMPARE(text(FieldId::x(2)), QStringLiteral("20"));

    // With no point checked nothing moves, but START! still runs and recounts the corners.
    for (int n = 1; n <= vertiloom::kPoints; ++n) {
        if (form().checked(FieldId::checkBox(n)))
            click(FieldId::checkBox(n));
    }
    type(FieldId::degree(1), text(FieldId::degree(1)), QStringLiteral("07"), true);
    QCOMPARE(text(FieldId::label(24)), QStringLiteral("7"));
    const QString memo = text(FieldId::memo());
    click(FieldId::button(8));
    QCOMPARE(text(FieldId::x(1)), QStringLiteral("11"));
    QCOMPARE(text(FieldId::degree(1)), QStringLiteral("04"));
    QCOMPARE(text(FieldId::label(24)), QStringLiteral("4"));
    QVERIFY(text(FieldId::memo()) != memo);
}

void TestEditing::clear()
{
    vertiloom::Editor& editor = window_->editor();
    click(FieldId::radio(5));
    type(FieldId::addr(), QString(), QStringLiteral("1A2b"));
    const QImage letter = editor.letterLayer.image().copy();
    const QImage overlay = editor.overlayLayer.image().copy();
    const QString memo = text(FieldId::memo());
    const QString byteCount = text(FieldId::label(32));

    click(FieldId::bitBtn(2));
    QCOMPARE(text(FieldId::dots()), QStringLiteral("00"));
    QCOMPARE(text(FieldId::polygons()), QStringLiteral("00"));
    QCOMPARE(text(FieldId::label(22)), QStringLiteral("0"));
    QCOMPARE(text(FieldId::label(23)), QStringLiteral("0"));
    for (int n = 1; n <= vertiloom::kPoints; ++n) {
        QCOMPARE(text(FieldId::x(n)), QStringLiteral("00"));
        QCOMPARE(text(FieldId::y(n)), QStringLiteral("00"));
        QVERIFY(!qobject_cast<QCheckBox*>(find(FieldId::checkBox(n)))->isChecked());
    }
    for (int p = 1; p <= vertiloom::kPolygons; ++p) {
        QCOMPARE(text(FieldId::degree(p)), QStringLiteral("FF"));
        QCOMPARE(text(vertiloom::degreeEcho(p)), QStringLiteral("255"));
        for (int k = 1; k <= vertiloom::kCorners; ++k) {
            QCOMPARE(text(FieldId::pol(p, k)), QStringLiteral("00"));
            QCOMPARE(text(FieldId::ipol(p, k)), QStringLiteral("00"));
            QCOMPARE(find(FieldId::ipol(p, k))->palette().color(QPalette::Base), vertiloom::kWhite);
            // The corners' own reactions gave "xy 1"; the clear command has the last word.
            const auto* box = qobject_cast<QCheckBox*>(find(FieldId::checkPol(p, k)));
            QVERIFY(!box->isChecked());
            QCOMPARE(box->text(), QStringLiteral("xy"));
        }
    }
    // Left as they were: the preview, the memo, the address, the selected point, the catalogue.
    QCOMPARE(editor.letterLayer.image(), letter);
    QCOMPARE(editor.overlayLayer.image(), overlay);
    QCOMPARE(text(FieldId::memo()), memo);
    QCOMPARE(text(FieldId::label(32)), byteCount);
    QCOMPARE(text(FieldId::addr()), QStringLiteral("1A2b"));
    QVERIFY(qobject_cast<QAbstractButton*>(find(FieldId::radio(5)))->isChecked());
    QCOMPARE(text(FieldId::label(34)), QStringLiteral("P (59) 86"));

    // No point is checked any more, so a nudge moves nothing.
    click(FieldId::button(8));
    QCOMPARE(text(FieldId::x(1)), QStringLiteral("00"));
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
