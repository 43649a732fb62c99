// The drawing board driven by real mouse and key events on its canvas: drags of one point and of a
// selection, the edge, snapping, Escape in the middle of a drag, the rubber band; every change one
// step of the main window's history and shown in its fields.
#include "app/boardtools.h"
#include "app/drawingboard.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "commands/history.h"
#include "support/fakeplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QMimeData>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <memory>

using namespace vertiloom;

Q_DECLARE_METATYPE(vertiloom::UnitPoint)

namespace {

// Three points on an empty letter, each a polygon's corner: 1 (0, 0), 2 (20, 0), 3 (0, 20).
const QList<UnitPoint> kStart{{1, 0, 0}, {2, 20, 0}, {3, 0, 20}};

// A curvy drawing: an S-like band of cubic, quadratic and arc segments, and a disc.
const char* const kCurvySvg =
    R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 120">)"
    R"(<path d="M20 110 C 20 60, 80 60, 80 20 Q 80 5 60 5 L 40 5 A 20 20 0 0 0 20 25 L 35 25 A 8 8 0 0 1 43 17 )"
    R"(L 58 17 C 68 17 66 30 62 38 C 50 60 5 70 5 110 Z"/><circle cx="70" cy="95" r="15"/></svg>)";

} // namespace

class BoardTest : public QObject {
    Q_OBJECT

    test::FakePlatform platform_;
    std::unique_ptr<MainWindow> window_;
    BoardCanvas* canvas_ = nullptr;

    Editor& editor() { return window_->editor(); }
    QPoint at(QPoint unit) const { return canvas_->centreOf(unit).toPoint(); }
    // A press on the unit, moves of the mouse to the offsets (in screen pixels) from there, and the
    // release at the last one.
    void drag(QPoint unit, const QList<QPoint>& offsets, Qt::KeyboardModifiers modifiers = {}, bool release = true)
    {
        QTest::mousePress(canvas_, Qt::LeftButton, modifiers, at(unit));
        for (const QPoint& offset : offsets)
            QTest::mouseEvent(QTest::MouseMove, canvas_, Qt::NoButton, modifiers, at(unit) + offset);
        if (release)
            QTest::mouseRelease(canvas_, Qt::LeftButton, modifiers, at(unit) + offsets.back());
    }

    // The mouse over the unit, no button held (sent to the canvas: its square may lie outside the
    // scroll area's view on a small screen).
    void hover(QPoint unit)
    {
        QMouseEvent move(QEvent::MouseMove, at(unit), canvas_->mapToGlobal(at(unit)), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(canvas_, &move);
    }

private slots:
    void init()
    {
        platform_ = test::FakePlatform();
        window_ = std::make_unique<MainWindow>(platform_, nullptr, kEnglish);
        window_->show();
        QVERIFY(window_->step([this] {
            clearLetter(editor());
            for (const UnitPoint& p : kStart)
                addPoint(editor(), {p.x, p.y});
            addPolygon(editor(), {1, 2, 3});
        }));
        window_->endMerge();
        window_->openDrawingBoard();
        canvas_ = window_->drawingBoard()->canvas();
        QVERIFY(QTest::qWaitForWindowExposed(window_->drawingBoard()));
        QCOMPARE(canvas_->zoom(), 3);
    }
    void cleanup() { window_.reset(); }

    void drags_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("snapping");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<int>("grabbed");
        QTest::addColumn<QPoint>("by"); // screen pixels, zoom 3
        QTest::addColumn<QList<UnitPoint>>("expected");
        QTest::newRow("one point") << QList<int>{} << false << false << 2 << QPoint(15, -9)
                                   << QList<UnitPoint>{{1, 0, 0}, {2, 25, -3}, {3, 0, 20}};
        QTest::newRow("Shift: along x, the larger move") << QList<int>{} << false << true << 2 << QPoint(15, -9)
                                                         << QList<UnitPoint>{{1, 0, 0}, {2, 25, 0}, {3, 0, 20}};
        QTest::newRow("Shift: along y, the larger move") << QList<int>{} << false << true << 3 << QPoint(6, -30)
                                                         << QList<UnitPoint>{{1, 0, 0}, {2, 20, 0}, {3, 0, 10}};
        QTest::newRow("a selection") << QList<int>{1, 2} << false << false << 1 << QPoint(-30, 30)
                                     << QList<UnitPoint>{{1, -10, 10}, {2, 10, 10}, {3, 0, 20}};
        QTest::newRow("a point not in the selection") << QList<int>{1, 2} << false << false << 3 << QPoint(0, 12)
                                                      << QList<UnitPoint>{{1, 0, 0}, {2, 20, 0}, {3, 0, 24}};
        QTest::newRow("from the first unit") << QList<int>{} << false << false << 2 << QPoint(4, 1)
                                             << QList<UnitPoint>{{1, 0, 0}, {2, 21, 0}, {3, 0, 20}};
        QTest::newRow("stops at the edge") << QList<int>{1, 3} << false << false << 3 << QPoint(-900, 600)
                                           << QList<UnitPoint>{{1, -128, 107}, {2, 20, 0}, {3, -128, 127}};
        QTest::newRow("snaps to another point") << QList<int>{} << true << false << 1 << QPoint(58, 2)
                                                << QList<UnitPoint>{{1, 20, 0}, {2, 20, 0}, {3, 0, 20}};
        QTest::newRow("snaps to the grid") << QList<int>{} << true << false << 3 << QPoint(10, 14)
                                           << QList<UnitPoint>{{1, 0, 0}, {2, 20, 0}, {3, 4, 24}};
    }
    // A drag is one undo step, and the main window's fields follow it.
    void drags()
    {
        QFETCH(QList<int>, selected);
        QFETCH(bool, snapping);
        QFETCH(bool, shift);
        QFETCH(int, grabbed);
        QFETCH(QPoint, by);
        QFETCH(QList<UnitPoint>, expected);
        canvas_->setSelection(selected);
        canvas_->setSnapping(snapping);
        const int steps = window_->history().count();
        const UnitPoint from = kStart[grabbed - 1];
        drag({from.x, from.y}, {by / 2, by}, shift ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(letterPoints(editor().form), expected);
        QCOMPARE(window_->history().count(), steps + 1);
        QCOMPARE(editor().form.text(FieldId::x(grabbed)), unitText(expected[grabbed - 1].x));
        window_->undo();
        QCOMPARE(letterPoints(editor().form), kStart);
    }

    // Escape in the middle of a drag puts the points back and leaves no step; the release after it
    // does nothing. Escape before the pen's polygon is closed takes its new points away.
    void escapeDuringADrag()
    {
        const int steps = window_->history().count();
        drag({0, 0}, {{12, 0}, {40, 20}}, {}, false);
        QVERIFY(letterPoints(editor().form) != kStart);
        QTest::keyClick(canvas_, Qt::Key_Escape);
        QTest::mouseRelease(canvas_, Qt::LeftButton, {}, at({0, 0}) + QPoint(40, 20));
        QCOMPARE(letterPoints(editor().form), kStart);
        QCOMPARE(window_->history().count(), steps);

        canvas_->setTool(BoardCanvas::Tool::Pen);
        QTest::mouseClick(canvas_, Qt::LeftButton, {}, at({-40, -40}));
        QTest::mouseClick(canvas_, Qt::LeftButton, {}, at({40, -40}));
        QCOMPARE(letterPoints(editor().form).size(), 5);
        // Backspace and Ctrl+Z take the pen's corners back, one each.
        QTest::mouseClick(canvas_, Qt::LeftButton, {}, at({40, 40}));
        QTest::keyClick(canvas_, Qt::Key_Backspace);
        QCOMPARE(letterPoints(editor().form).size(), 5);
        canvas_->undo();
        QCOMPARE(letterPoints(editor().form).size(), 4);
        QTest::mouseClick(canvas_, Qt::LeftButton, {}, at({40, -40}));
        QTest::mouseClick(canvas_, Qt::LeftButton, {}, at({40, 40}));
        hover({-40, -40});
        QCOMPARE(canvas_->intent(), Intent::Close);
        QTest::keyClick(canvas_, Qt::Key_Escape);
        QCOMPARE(letterPoints(editor().form), kStart);
        QCOMPARE(window_->history().count(), steps);
    }

    // Routine refusals go to the board's status line, not into a box.
    void refusals()
    {
        canvas_->setSelection({2});
        canvas_->transform({Transform::Move, 100, 200, 0});
        QVERIFY(canvas_->warning().contains(QStringLiteral("outside -128..127")));
        QVERIFY(platform_.errors.isEmpty());
        QTest::mouseClick(canvas_, Qt::LeftButton, {}, at({5, 5}));
        QCOMPARE(canvas_->warning(), QString());
    }

    // Delete takes a point out of the polygon too; Ctrl+C puts the points into the clipboard in both
    // forms, Ctrl+V pastes them (or SVG text) as one step, the new points selected.
    void deleteCopyPaste()
    {
        const int steps = window_->history().count();
        canvas_->setSelection({2});
        QTest::keyClick(canvas_, Qt::Key_Delete);
        QCOMPARE(letterPoints(editor().form), QList<UnitPoint>({{1, 0, 0}, {2, 0, 20}}));
        QCOMPARE(window_->history().count(), steps + 1);
        canvas_->setSelection({1, 2});
        canvas_->copy();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->hasFormat(QStringLiteral("application/x-vertiloom-points")));
        const QString svg = QString::fromUtf8(data->data(QStringLiteral("image/svg+xml")));
        QVERIFY(svg.contains(QStringLiteral("<svg")));
        canvas_->paste();
        QCOMPARE(letterPoints(editor().form).size(), 4);
        QCOMPARE(canvas_->selection(), QList<int>({3, 4}));
        QCOMPARE(window_->history().count(), steps + 2);
        QGuiApplication::clipboard()->setText(svg);
        canvas_->paste();
        QCOMPARE(letterPoints(editor().form).size(), 6);
        QVERIFY(platform_.errors.isEmpty());
    }

    // The board shows the letter as the fields hold it, START! or not: a field typed, the letter
    // cleared.
    void followsTheFields()
    {
        const auto shown = [this](QPoint unit) { return canvas_->grab().toImage().pixelColor(at(unit)); };
        QCOMPARE(shown({10, 10}), polygonColor(1));
        editor().form.setText(FieldId::y(3), QStringLiteral("28"));
        QCOMPARE(shown({10, 20}), polygonColor(1));
        window_->step([this] { clearLetter(editor()); });
        QVERIFY(shown({10, 20}) != polygonColor(1));
    }

    // A right-click on the square opens its menu: the window's own actions, each with its key, in
    // the window's language.
    void squareMenu()
    {
        DrawingBoard* board = window_->drawingBoard();
        const auto entries = [board] {
            QStringList shown;
            for (const QAction* a : board->findChild<QMenu*>(QStringLiteral("BoardMenu"))->actions())
                shown << (a->isSeparator() ? QStringLiteral("-")
                                           : QStringLiteral("%1\t%2").arg(a->text(), a->shortcut().toString()));
            return shown;
        };
        board->findChild<QSpinBox*>(QStringLiteral("MoveX"))->setValue(-3);
        // Through the window, as the desktop sends it: the press makes the menu event.
        QTest::mouseClick(board->windowHandle(), Qt::RightButton, {}, canvas_->mapTo(board, at({50, 50})));
        auto* menu = board->findChild<QMenu*>(QStringLiteral("BoardMenu"));
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(entries(), QStringList({QStringLiteral("Select\tS"),
                                         QStringLiteral("Pen\tP"),
                                         QStringLiteral("Picture\tT"),
                                         QStringLiteral("-"),
                                         QStringLiteral("Flip horizontally\tH"),
                                         QStringLiteral("Flip vertically\tV"),
                                         QStringLiteral("Turn left\tL"),
                                         QStringLiteral("Turn right\tR"),
                                         QStringLiteral("Scale by 100 %\tK"),
                                         QStringLiteral("Move by \u22123, 0\tM"),
                                         QStringLiteral("-"),
                                         QStringLiteral("Copy\tCtrl+C"),
                                         QStringLiteral("Paste\tCtrl+V"),
                                         QStringLiteral("Delete points\tDel"),
                                         QStringLiteral("-"),
                                         QStringLiteral("Fit drawing\u2026\t"),
                                         QStringLiteral("Letter from font\u2026\t"),
                                         QStringLiteral("-"),
                                         QStringLiteral("Snap\tN"),
                                         QStringLiteral("Grid\tG"),
                                         QStringLiteral("-"),
                                         QStringLiteral("Background\u2026\tB"),
                                         QStringLiteral("Fit picture\tF"),
                                         QStringLiteral("Trace picture\t"),
                                         QStringLiteral("Clear background\t"),
                                         QStringLiteral("-"),
                                         QStringLiteral("Play\tF9"),
                                         QStringLiteral("Emulator\u2026\t")}));
        menu->close();
        // The toolbar still says "Apply"; the entries follow the language.
        for (const QToolButton* button : board->findChildren<QToolButton*>()) {
            if (button->defaultAction() && button->defaultAction()->objectName() == QLatin1String("Scale"))
                QCOMPARE(button->text(), QStringLiteral("Apply"));
        }
        window_->setLanguage(kRussian);
        QCOMPARE(entries().mid(8, 6),
                 QStringList({QStringLiteral("Масштабировать на 100 %\tK"), QStringLiteral("Сдвинуть на \u22123, 0\tM"),
                              QStringLiteral("-"), QStringLiteral("Копировать\tCtrl+C"),
                              QStringLiteral("Вставить\tCtrl+V"), QStringLiteral("Удалить точки\tDel")}));
        // Its Delete is the key's: the selected point out of the letter and its polygon.
        canvas_->setSelection({2});
        board->findChild<QAction*>(QStringLiteral("Delete"))->trigger();
        QCOMPARE(letterPoints(editor().form), QList<UnitPoint>({{1, 0, 0}, {2, 0, 20}}));
    }

    // With snapping on, the lines it snaps to are drawn faintly through the centres of the units on
    // multiples of 4.
    void snapLines()
    {
        // At zoom 3 unit u's middle column is 12 + 3 (u + 128) + 1: unit 8's is 421, unit -99's 100,
        // unit -100's 97.
        const auto shown = [this](int x, int y) { return canvas_->grab().toImage().pixelColor(x, y); };
        canvas_->setSnapping(true);
        QCOMPARE(shown(421, 100), QColor(0, 50, 66));
        QCOMPARE(shown(100, 97), QColor(0, 50, 66));
        QCOMPARE(shown(100, 100), QColor(Qt::black));
        QCOMPARE(shown(422, 100), QColor(Qt::black));
        canvas_->setSnapping(false);
        QCOMPARE(shown(421, 100), QColor(Qt::black));
    }

    // The handle under the cursor and what a press does there; the selected point's numbers and the
    // measures of two; Tab from one number to the next, Escape back to the square.
    void hoverAndMeasures()
    {
        hover({20, 0});
        QCOMPARE(canvas_->hovered(), 2);
        QCOMPARE(canvas_->intent(), Intent::Move);
        QVERIFY(window_->drawingBoard()
                    ->findChild<QLabel*>(QStringLiteral("BoardStatus"))
                    ->text()
                    .contains(QStringLiteral("point 2 at x 14 (20), y 00 (0) \u00B7 in polygons 1")));
        hover({50, 50});
        QCOMPARE(canvas_->intent(), Intent::Select);
        canvas_->setSelection({2});
        auto* x = window_->drawingBoard()->findChild<QSpinBox*>(QStringLiteral("PointX"));
        QCOMPARE(x->value(), 20);
        x->setValue(30);
        QCOMPARE(letterPoints(editor().form)[1], UnitPoint({2, 30, 0}));
        canvas_->setSelection({1, 2});
        QCOMPARE(window_->drawingBoard()->findChild<QLabel*>(QStringLiteral("PointHex"))->text(),
                 QStringLiteral("distance 30.0, angle 0.0\u00B0"));

        DrawingBoard* board = window_->drawingBoard();
        board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(board));
        auto* dx = board->findChild<QSpinBox*>(QStringLiteral("MoveX"));
        dx->setFocus();
        QTest::keyClick(dx, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), board->findChild<QSpinBox*>(QStringLiteral("MoveY")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), canvas_);
    }

    // The picture tool: a drag moves the picture, the wheel sizes it; Fit puts what it shows on the
    // letter's box.
    void picture()
    {
        QImage picture(100, 100, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter(&picture).fillRect(20, 20, 20, 20, Qt::black);
        canvas_->setBackground(picture);
        canvas_->setTool(BoardCanvas::Tool::Picture);
        drag({0, 0}, {{3, 0}, {30, -6}});
        QCOMPARE(canvas_->backgroundOffset(), QPointF(10, -2));
        QCOMPARE(letterPoints(editor().form), kStart);
        QWheelEvent wheel(at({0, 0}), canvas_->mapToGlobal(at({0, 0})), {}, {0, 120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas_, &wheel);
        QCOMPARE(canvas_->backgroundScale(), 110);
        // The black square (20 x 20 of 100 pixels, 51.2 units at 100 %) onto points 0..20: 41 %.
        canvas_->fitBackground();
        QCOMPARE(canvas_->backgroundScale(), 41);
        QCOMPARE(canvas_->backgroundOffset().toPoint(), QPoint(31, 31));
    }

    // A fitted letter from each source shows over the letter and changes nothing until Enter takes it
    // as one undo step; Escape drops it; the style and the box fit it again at once.
    void fitPreview_data()
    {
        QTest::addColumn<QString>("source"); // "drawing", "font", "picture"
        QTest::addColumn<bool>("fromMainWindow");
        QTest::addColumn<QList<int>>("box");       // x0, y0, x1, y1 as the bar shows them
        QTest::addColumn<QString>("piecesReport"); // how the report begins
        QTest::addColumn<QString>("outlinesReport");
        // The drawing and the font's character take the box of the letter in the memo (START!'s
        // default letter); the picture the units its dark shape covers where it is placed.
        QTest::newRow("curvy drawing") << QStringLiteral("drawing") << false << QList<int>{0, 0, 20, 20}
                                       << QStringLiteral("20 points, 8 polygons;")
                                       << QStringLiteral("15 points, 2 polygons;");
        QTest::newRow("font's character, from the free area's menu")
            << QStringLiteral("font") << true << QList<int>{0, 0, 20, 20} << QStringLiteral("18 points, 7 polygons;")
            << QStringLiteral("15 points, 2 polygons;");
        QTest::newRow("tracing picture as placed")
            << QStringLiteral("picture") << false << QList<int>{-28, -68, 31, 71}
            << QStringLiteral("8 points, 4 polygons;") << QStringLiteral("8 points, 2 polygons;");
    }
    void fitPreview()
    {
        QFETCH(QString, source);
        QFETCH(bool, fromMainWindow);
        QFETCH(QList<int>, box);
        QFETCH(QString, piecesReport);
        QFETCH(QString, outlinesReport);
        DrawingBoard* board = window_->drawingBoard();
        QTemporaryDir dir;
        const QString drawing = dir.filePath(QStringLiteral("curvy.svg"));
        QFile svg(drawing);
        QVERIFY(svg.open(QIODevice::WriteOnly) && svg.write(kCurvySvg) > 0);
        svg.close();
        if (source == QLatin1String("picture")) {
            // 256 pixels on a side fill the square at 100 %: a pixel a unit. A black frame over
            // pixels 100..159 across and 60..199 down, its inside white.
            QImage picture(256, 256, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QPainter painter(&picture);
            painter.fillRect(100, 60, 60, 140, Qt::black);
            painter.fillRect(115, 80, 30, 60, Qt::white);
            painter.end();
            const QString png = dir.filePath(QStringLiteral("frame.png"));
            QVERIFY(picture.save(png));
            platform_.openAnswers << png;
            board->findChild<QAction*>(QStringLiteral("Background"))->trigger();
            QVERIFY(canvas_->hasBackground());
        }
        const auto begin = [&] {
            if (source == QLatin1String("font"))
                platform_.fontAnswers << FontCharacter{QStringLiteral("DejaVu Sans:Bold"), QStringLiteral("Я")};
            if (source == QLatin1String("drawing"))
                platform_.openAnswers << drawing;
            const char* name = source == QLatin1String("drawing") ? "FitDrawing"
                               : source == QLatin1String("font")  ? "LetterFromFont"
                                                                  : "TracePicture";
            if (fromMainWindow) {
                board->hide(); // not close(), which keeps the board's place in the settings
                // A right click on the window's free area, its menu's entry.
                QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), window_->mapToGlobal(QPoint(2, 2)));
                QApplication::sendEvent(window_.get(), &event);
                auto* menu = window_->findChild<QMenu*>(QStringLiteral("LanguageMenu"));
                QVERIFY(menu);
                menu->findChild<QAction*>(QString::fromLatin1(name))->trigger();
                menu->close();
                QVERIFY(board->isVisible());
            } else {
                board->findChild<QAction*>(QString::fromLatin1(name))->trigger();
            }
        };
        const auto report = [board] { return board->findChild<QLabel*>(QStringLiteral("BoardFitReport"))->text(); };
        auto* bar = board->findChild<QToolBar*>(QStringLiteral("FitBar"));
        const QString memo = editor().form.text(FieldId::memo());
        const int steps = window_->history().count();

        begin();
        QVERIFY2(platform_.errors.isEmpty(), qPrintable(platform_.errors.join(u'\n')));
        QVERIFY(canvas_->fitPreview());
        QVERIFY(bar->isVisible());
        if (source == QLatin1String("drawing"))
            QCOMPARE(platform_.openFilters.back(),
                     QStringLiteral("Drawings and pictures|*.svg *.png *.jpg *.jpeg *.bmp|All files|*"));
        QList<int> shown;
        for (const char* name : {"FitX0", "FitY0", "FitX1", "FitY1"})
            shown << board->findChild<QSpinBox*>(QString::fromLatin1(name))->value();
        QCOMPARE(shown, box);
        QVERIFY2(report().startsWith(piecesReport), qPrintable(report()));
        QCOMPARE(letterPoints(editor().form), kStart);
        QCOMPARE(editor().form.text(FieldId::memo()), memo);
        QCOMPARE(window_->history().count(), steps);
        // The style and the box fit it again: outlines, then standing on a foot 10 units higher.
        board->findChild<QComboBox*>(QStringLiteral("FitStyle"))->setCurrentIndex(1);
        QVERIFY2(report().startsWith(outlinesReport), qPrintable(report()));
        QCOMPARE(canvas_->fitPreview()->options.style, FitStyle::Outline);
        board->findChild<QSpinBox*>(QStringLiteral("FitY1"))->setValue(box[3] - 10);
        int foot = kLowestUnit;
        for (const QPoint& p : canvas_->fitPreview()->letter.points)
            foot = std::max(foot, p.y());
        QCOMPARE(foot, box[3] - 10);
        QCOMPARE(letterPoints(editor().form), kStart);
        QCOMPARE(window_->history().count(), steps);

        // Escape drops it: nothing changed, no step.
        QTest::keyClick(canvas_, Qt::Key_Escape);
        QVERIFY(!canvas_->fitPreview());
        QVERIFY(!bar->isVisible());
        QCOMPARE(editor().form.text(FieldId::memo()), memo);
        QCOMPARE(window_->history().count(), steps);

        // Enter takes it: a record within the limits in the memo, one step that undo takes back.
        begin();
        QVERIFY(canvas_->fitPreview());
        const FittedLetter fitted = canvas_->fitPreview()->letter;
        QTest::keyClick(canvas_, Qt::Key_Return);
        QVERIFY(!canvas_->fitPreview());
        QVERIFY(!bar->isVisible());
        QCOMPARE(window_->history().count(), steps + 1);
        const LetterRecord taken = memoLetter(editor());
        QVERIFY(taken.points.size() >= 3 && taken.points.size() <= 20);
        QVERIFY(taken.polygons.size() >= 1 && taken.polygons.size() <= 8);
        for (const PolygonBlock& polygon : taken.polygons)
            QVERIFY(polygon.vertexRefs.size() >= 2 && polygon.vertexRefs.size() <= 11);
        QCOMPARE(taken.points.size(), fitted.points.size());
        QCOMPARE(letterPoints(editor().form).size(), fitted.points.size());
        window_->undo();
        QCOMPARE(editor().form.text(FieldId::memo()), memo);
        QCOMPARE(letterPoints(editor().form), kStart);
        QVERIFY(platform_.errors.isEmpty());
    }

    // A source that can't be fitted is said in an error box with the core's words; tracing without
    // a picture is refused on the status line, its entry disabled.
    void fitRefusals_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("error");
        QTest::newRow("a glyph the font lacks")
            << QStringLiteral("font") << QStringLiteral("\uE000")
            << QStringLiteral("The font \"DejaVu Sans:Bold\" has no character \uE000 (U+E000).");
        QTest::newRow("two characters") << QStringLiteral("font") << QStringLiteral("AB")
                                        << QStringLiteral("Give one character to draw from the font \"DejaVu "
                                                          "Sans:Bold\", not \"AB\".");
        QTest::newRow("nothing dark") << QStringLiteral("picture") << QString()
                                      << QStringLiteral("The picture has nothing dark to trace: it is all one shade.");
        QTest::newRow("no picture") << QStringLiteral("none") << QString() << QString();
    }
    void fitRefusals()
    {
        QFETCH(QString, source);
        QFETCH(QString, answer);
        QFETCH(QString, error);
        DrawingBoard* board = window_->drawingBoard();
        auto* trace = board->findChild<QAction*>(QStringLiteral("TracePicture"));
        QVERIFY(!trace->isEnabled());
        if (source == QLatin1String("font")) {
            platform_.fontAnswers << FontCharacter{QStringLiteral("DejaVu Sans:Bold"), answer};
            board->letterFromFont();
        } else if (source == QLatin1String("picture")) {
            QImage grey(40, 40, QImage::Format_RGB32);
            grey.fill(QColor(128, 128, 128));
            canvas_->setBackground(grey);
            QVERIFY(trace->isEnabled());
            trace->trigger();
        } else {
            board->tracePicture();
            QCOMPARE(canvas_->warning(),
                     QStringLiteral("No tracing picture is placed to trace: open one with \u201CBackground\u2026\u201D "
                                    "(B) first."));
        }
        QCOMPARE(platform_.errors, error.isNull() ? QStringList() : QStringList{error});
        QVERIFY(!canvas_->fitPreview());
        QCOMPARE(letterPoints(editor().form), kStart);
    }

    void zooms_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("how"); // "fit", "wheel" (Ctrl+wheel up), "keys" (Ctrl+plus)
        QTest::addColumn<int>("expected");
        QTest::newRow("fit from 1") << 1 << QStringLiteral("fit") << 3;
        QTest::newRow("fit from 3") << 3 << QStringLiteral("fit") << 3;
        QTest::newRow("fit from 4") << 4 << QStringLiteral("fit") << 3;
        QTest::newRow("fit from 16") << 16 << QStringLiteral("fit") << 3;
        QTest::newRow("Ctrl+wheel") << 3 << QStringLiteral("wheel") << 4;
        QTest::newRow("Ctrl+plus") << 3 << QStringLiteral("keys") << 4;
    }
    // Fit gives the same zoom whatever the zoom before (the window 1000 x 946: room for 3 and a
    // little, less with scroll bars); the status line names the zoom after every change.
    void zooms()
    {
        QFETCH(int, from);
        QFETCH(QString, how);
        QFETCH(int, expected);
        DrawingBoard* board = window_->drawingBoard();
        board->resize(1000, 946);
        canvas_->setZoom(from);
        QApplication::processEvents();
        hover({0, 0});
        const QPoint held = canvas_->mapToGlobal(at({0, 0}));
        if (how == QLatin1String("fit")) {
            board->fitZoom();
        } else if (how == QLatin1String("wheel")) {
            QWheelEvent wheel(at({0, 0}), canvas_->mapToGlobal(at({0, 0})), {}, {0, 120}, Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(canvas_, &wheel);
        } else {
            board->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(board));
            canvas_->setFocus();
            QTest::keyClick(canvas_, Qt::Key_Plus, Qt::ControlModifier);
        }
        QCOMPARE(canvas_->zoom(), expected);
        const QString status = board->findChild<QLabel*>(QStringLiteral("BoardStatus"))->text();
        QVERIFY2(status.endsWith(QStringLiteral("\u00D7%1").arg(expected)), qPrintable(status));
        if (how != QLatin1String("fit")) {
            // The wheel and the keys zoom about the cursor: the unit under it stays there, and the
            // status line names it.
            QVERIFY((canvas_->mapToGlobal(at({0, 0})) - held).manhattanLength() <= 2);
            QVERIFY2(status.startsWith(QStringLiteral("x 00 (0), y 00 (0)")), qPrintable(status));
        }
    }

    // The rubber band selects exactly the points inside it; Ctrl+A every checked point, Escape none;
    // a click on a handle selects that point and its radio button.
    void selecting()
    {
        drag({-10, -10}, {{12, 12}, {100, 40}}); // from (-10, -10) to about (23, 3): points 1 and 2
        QCOMPARE(canvas_->selection(), QList<int>({1, 2}));
        QTest::keyClick(canvas_, Qt::Key_Escape);
        QCOMPARE(canvas_->selection(), QList<int>());
        QTest::keyClick(canvas_, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(canvas_->selection(), QList<int>({1, 2, 3}));
        QTest::mouseClick(canvas_, Qt::LeftButton, {}, at({0, 20}));
        QCOMPARE(canvas_->selection(), QList<int>({3}));
        QCOMPARE(editor().form.selectedPoint(), 3);
        QTest::mouseClick(canvas_, Qt::LeftButton, Qt::ControlModifier, at({20, 0}));
        QCOMPARE(canvas_->selection(), QList<int>({2, 3}));
        // The arrows move the selection, a step each; Shift by 8.
        QTest::keyClick(canvas_, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(canvas_, Qt::Key_Up);
        QCOMPARE(letterPoints(editor().form), QList<UnitPoint>({{1, 0, 0}, {2, 28, -1}, {3, 8, 19}}));
        // Shift+click adds (and keeps); a click on empty space clears the selection and moves nothing.
        QTest::mouseClick(canvas_, Qt::LeftButton, Qt::ShiftModifier, at({0, 0}));
        QTest::mouseClick(canvas_, Qt::LeftButton, Qt::ShiftModifier, at({0, 0}));
        QCOMPARE(canvas_->selection(), QList<int>({1, 2, 3}));
        QTest::mouseClick(canvas_, Qt::LeftButton, {}, at({-60, -60}));
        QCOMPARE(canvas_->selection(), QList<int>());
        QCOMPARE(letterPoints(editor().form), QList<UnitPoint>({{1, 0, 0}, {2, 28, -1}, {3, 8, 19}}));
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
