// The drawing board and its canvas; see drawingboard.h. Every change of the letter goes through the
// main window's step(), so it is one undo step, its failure is shown as any other, and both windows
// follow it.
#include "app/drawingboard.h"

#include "app/language.h"
#include "app/mainwindow.h"
#include "app/widgets.h"
#include "commands/commands.h"
#include "model/hex.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace vertiloom {

namespace {

constexpr int kUnits = 256;
constexpr int kLargestZoom = 16;
const QColor kOutside{48, 48, 48};
const QColor kFineGrid{30, 30, 30};
const QColor kCoarseGrid{62, 62, 62};
const QColor kHandle{255, 255, 255};
const QColor kSelected{255, 160, 0};
const QColor kPenLine{255, 255, 0};

const char* const kMergeDrag = "board-drag";
const char* const kMergePen = "board-pen";

// "x 2A (42)": a unit as the fields show it and as a signed number.
QString unitShown(int unit)
{
    return QStringLiteral("%1 (%2)").arg(unitText(unit), QString::number(unit).replace(u'-', QChar(0x2212)));
}

QList<UnitPoint> only(const QList<UnitPoint>& points, const QList<int>& numbers)
{
    QList<UnitPoint> out;
    for (const UnitPoint& p : points) {
        if (numbers.contains(p.n))
            out << p;
    }
    return out;
}

} // namespace

// --- The canvas --------------------------------------------------------------------------------

BoardCanvas::BoardCanvas(MainWindow& main, Editor& editor, Platform& platform, QWidget* parent)
    : QWidget(parent), main_(main), editor_(editor), platform_(platform)
{
    setObjectName(QStringLiteral("BoardCanvas"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setZoom(zoom_);
}

void BoardCanvas::setZoom(int zoom)
{
    zoom_ = std::clamp(zoom, 1, kLargestZoom);
    setFixedSize(kUnits * zoom_ + 2 * kMargin, kUnits * zoom_ + 2 * kMargin);
    update();
    emit zoomChanged(zoom_);
}

void BoardCanvas::setTool(Tool tool)
{
    if (tool_ == Tool::Pen && tool != Tool::Pen)
        dropPen();
    tool_ = tool;
    setCursor(tool == Tool::Pen ? Qt::CrossCursor : Qt::ArrowCursor);
    update();
}

void BoardCanvas::setGrid(bool on)
{
    grid_ = on;
    update();
}

QList<int> BoardCanvas::selection() const
{
    QList<int> checked;
    for (const UnitPoint& p : letterPoints(editor_.form)) {
        if (selection_.contains(p.n))
            checked << p.n;
    }
    return checked;
}

void BoardCanvas::setSelection(const QList<int>& numbers)
{
    selection_ = numbers;
    update();
    emit statusChanged();
}

void BoardCanvas::setBackground(const QImage& picture)
{
    background_ = picture;
    backgroundScale_ = 100;
    backgroundOffset_ = {};
    update();
    emit backgroundPlaceChanged();
}

void BoardCanvas::setBackgroundOpacity(int percent)
{
    backgroundOpacity_ = std::clamp(percent, 0, 100);
    update();
}

void BoardCanvas::setBackgroundPlace(int percent, QPointF offset)
{
    backgroundScale_ = std::clamp(percent, 10, 1000);
    backgroundOffset_ = offset;
    update();
    emit backgroundPlaceChanged();
}

QPointF BoardCanvas::centreOf(QPoint unit) const
{
    return {kMargin + zoom_ * (unit.x() + 128 + 0.5), kMargin + zoom_ * (unit.y() + 128 + 0.5)};
}

QPointF BoardCanvas::unitPosition(QPointF at) const
{
    return {(at.x() - kMargin) / zoom_ - 128, (at.y() - kMargin) / zoom_ - 128};
}

QString BoardCanvas::status() const
{
    QStringList parts;
    if (cursor_) {
        const QPoint unit = unitAt(*cursor_);
        parts << QStringLiteral("x %1, y %2").arg(unitShown(unit.x()), unitShown(unit.y()));
    }
    const qsizetype selected = selection().size();
    const bool english = editor_.language == kEnglish;
    if (selected == 1)
        parts << (english ? QStringLiteral("point %1 selected") : QStringLiteral("выбрана точка %1"))
                     .arg(selection().front());
    else if (selected > 1)
        parts << (english ? QStringLiteral("%1 points selected") : QStringLiteral("выбрано точек: %1")).arg(selected);
    if (tool_ == Tool::Pen && !penCorners_.isEmpty())
        parts
            << (english ? QStringLiteral("pen: %1 corners") : QStringLiteral("перо: углов %1")).arg(penCorners_.size());
    parts << QStringLiteral("\u00D7%1").arg(zoom_);
    return parts.join(QStringLiteral(" \u00B7 "));
}

QRectF BoardCanvas::backgroundRect() const
{
    // Fitted into the square, keeping its shape, then scaled about the centre and moved.
    const QSizeF size =
        QSizeF(background_.size()).scaled(kUnits, kUnits, Qt::KeepAspectRatio) * (backgroundScale_ / 100.0);
    const QPointF centre(backgroundOffset_.x(), backgroundOffset_.y());
    const QRectF units(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height());
    return {kMargin + zoom_ * (units.left() + 128), kMargin + zoom_ * (units.top() + 128), zoom_ * units.width(),
            zoom_ * units.height()};
}

void BoardCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int side = kUnits * zoom_;
    const QRect square(kMargin, kMargin, side, side);
    painter.fillRect(rect(), kOutside);
    painter.fillRect(square, Qt::black);

    // The picture, scaled smoothly once for the square and the opacity as they are, then only copied:
    // a drag repaints the board many times a second.
    if (!background_.isNull()) {
        const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                .arg(background_.cacheKey())
                                .arg(zoom_)
                                .arg(backgroundScale_)
                                .arg(backgroundOffset_.x())
                                .arg(backgroundOffset_.y())
                                .arg(backgroundOpacity_);
        if (key != backgroundShownKey_) {
            backgroundShownKey_ = key;
            backgroundShown_ = QImage(square.size(), QImage::Format_ARGB32_Premultiplied);
            backgroundShown_.fill(Qt::transparent);
            QPainter scaled(&backgroundShown_);
            scaled.setOpacity(backgroundOpacity_ / 100.0);
            scaled.setRenderHint(QPainter::SmoothPixmapTransform);
            scaled.drawImage(backgroundRect().translated(-kMargin, -kMargin), background_);
        }
        painter.drawImage(square.topLeft(), backgroundShown_);
    }

    if (grid_) {
        for (int u = 0; u <= kUnits; u += zoom_ >= 4 ? 4 : 16) {
            painter.setPen(u % 16 == 0 ? kCoarseGrid : kFineGrid);
            const int at = kMargin + u * zoom_;
            painter.drawLine(at, kMargin, at, kMargin + side - 1);
            painter.drawLine(kMargin, at, kMargin + side - 1, at);
        }
    }

    // The letter layer, its black see-through so that the grid and the picture show, each of its
    // pixels a sharp square of zoom x zoom.
    const QImage& letter = editor_.letterLayer.image();
    if (letterShown_.isNull() || letterShownKey_ != letter.cacheKey()
        || letterShown_.width() != letter.width() * zoom_) {
        letterShownKey_ = letter.cacheKey();
        letterShown_ =
            blackMadeTransparent(letter)
                .scaled(letter.width() * zoom_, letter.height() * zoom_, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    painter.drawImage(kMargin, kMargin, letterShown_);

    // The axes as the preview has them (units -64, 0 and 64), one screen pixel wide.
    if (editor_.form.checked(FieldId::checkBox(22))) {
        painter.setPen(kAxisColor);
        for (const int u : {-64, 0, 64}) {
            const QPointF c = centreOf({u, u});
            painter.drawLine(QPointF(c.x(), kMargin), QPointF(c.x(), kMargin + side - 1));
            painter.drawLine(QPointF(kMargin, c.y()), QPointF(kMargin + side - 1, c.y()));
        }
    }

    const QList<UnitPoint> points = letterPoints(editor_.form);
    if (editor_.form.checked(FieldId::checkBox(21))) {
        QFont font = painter.font();
        font.setPixelSize(std::max(10, 4 * zoom_));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        for (const UnitPoint& p : points) {
            const QPointF c = centreOf({p.x, p.y});
            painter.drawText(QPointF(c.x() + 5, c.y() - 5), QString::number(p.n));
        }
    }

    // The pen's polygon so far, and its line to the cursor.
    if (tool_ == Tool::Pen && !penCorners_.isEmpty()) {
        QPolygonF line;
        for (const int n : penCorners_) {
            const auto it = std::find_if(points.cbegin(), points.cend(), [n](const UnitPoint& p) { return p.n == n; });
            if (it != points.cend())
                line << centreOf({it->x, it->y});
        }
        if (cursor_)
            line << centreOf(unitAt(*cursor_));
        painter.setPen(QPen(kPenLine, 1, Qt::DashLine));
        painter.drawPolyline(line);
    }

    const QList<int> selected = selection();
    for (const UnitPoint& p : points) {
        const QPointF c = centreOf({p.x, p.y});
        const QRectF handle(c.x() - 3.5, c.y() - 3.5, 7, 7);
        painter.setPen(Qt::black);
        painter.setBrush(selected.contains(p.n) ? kSelected : Qt::transparent);
        painter.drawRect(handle);
        painter.setPen(selected.contains(p.n) ? kSelected : kHandle);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(handle.adjusted(1, 1, -1, -1));
    }

    if (gesture_ == Gesture::Band) {
        painter.setPen(QPen(kSelected, 1, Qt::DashLine));
        painter.setBrush(QColor(255, 160, 0, 40));
        painter.drawRect(QRectF(pressAt_, bandEnd_).normalized());
    }
}

void BoardCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressAt_ = event->position();
    const QPointF at = unitPosition(pressAt_);
    if (event->modifiers() & Qt::AltModifier && !background_.isNull()) {
        gesture_ = Gesture::Background;
        backgroundStart_ = backgroundOffset_;
        return;
    }
    gesture_ = Gesture::Pending;
    pressedPoint_ = pointAt(letterPoints(editor_.form), at, reach());
}

void BoardCanvas::mouseMoveEvent(QMouseEvent* event)
{
    cursor_ = unitPosition(event->position());
    const QPointF moved = event->position() - pressAt_;
    if (gesture_ == Gesture::Pending && moved.manhattanLength() >= QApplication::startDragDistance()
        && tool_ == Tool::Select) {
        if (pressedPoint_ != 0) {
            // The grabbed point, or the whole selection when it is one of it.
            const QList<int> moving = selection().contains(pressedPoint_) ? selection() : QList<int>{pressedPoint_};
            dragStart_ = only(letterPoints(editor_.form), moving);
            dragDelta_ = {};
            main_.endMerge();
            gesture_ = Gesture::Drag;
        } else {
            gesture_ = Gesture::Band;
        }
    }
    switch (gesture_) {
    case Gesture::Drag:
        dragTo(*cursor_, event->modifiers());
        break;
    case Gesture::Band:
        bandEnd_ = event->position();
        break;
    case Gesture::Background:
        setBackgroundPlace(backgroundScale_, backgroundStart_ + moved / zoom_);
        break;
    default:
        break;
    }
    update();
    emit statusChanged();
}

void BoardCanvas::dragTo(QPointF at, Qt::KeyboardModifiers modifiers)
{
    const auto grabbed = std::find_if(dragStart_.cbegin(), dragStart_.cend(),
                                      [this](const UnitPoint& p) { return p.n == pressedPoint_; });
    if (grabbed == dragStart_.cend())
        return;
    QList<UnitPoint> others = letterPoints(editor_.form);
    others.removeIf([this](const UnitPoint& p) {
        return std::any_of(dragStart_.cbegin(), dragStart_.cend(), [&p](const UnitPoint& d) { return d.n == p.n; });
    });
    const QPoint target = snapping_ ? snapped(at, others, reach()) : unitAt(at);
    QPoint delta = target - QPoint(grabbed->x, grabbed->y);
    if (modifiers & Qt::ShiftModifier)
        (std::abs(delta.x()) >= std::abs(delta.y()) ? delta.ry() : delta.rx()) = 0;
    delta = insideDelta(dragStart_, delta);
    if (delta == dragDelta_)
        return;
    dragDelta_ = delta;
    QList<UnitPoint> moved = dragStart_;
    for (UnitPoint& p : moved) {
        p.x += delta.x();
        p.y += delta.y();
    }
    main_.step([this, moved] { movePoints(editor_, moved); }, QString::fromLatin1(kMergeDrag));
}

void BoardCanvas::cancelDrag()
{
    if (dragDelta_ != QPoint())
        main_.step([this] { movePoints(editor_, dragStart_); }, QString::fromLatin1(kMergeDrag));
    main_.endMerge();
    gesture_ = Gesture::None;
    dragStart_.clear();
}

void BoardCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Gesture gesture = std::exchange(gesture_, Gesture::None);
    const QPointF at = unitPosition(event->position());
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (gesture) {
    case Gesture::Drag:
        main_.endMerge();
        dragStart_.clear();
        break;
    case Gesture::Band: {
        const QList<int> inside = pointsInside(letterPoints(editor_.form), unitPosition(pressAt_), at);
        QList<int> chosen = ctrl ? selection() : QList<int>{};
        for (const int n : inside) {
            if (!chosen.contains(n))
                chosen << n;
        }
        std::sort(chosen.begin(), chosen.end());
        setSelection(chosen);
        break;
    }
    case Gesture::Pending:
        if (tool_ == Tool::Pen) {
            penClick(at);
        } else if (pressedPoint_ != 0) {
            QList<int> chosen = ctrl ? selection() : QList<int>{};
            if (ctrl && chosen.contains(pressedPoint_))
                chosen.removeAll(pressedPoint_);
            else
                chosen << pressedPoint_;
            std::sort(chosen.begin(), chosen.end());
            setSelection(chosen);
            const int n = pressedPoint_;
            main_.run([this, n] { editor_.form.selectPoint(n); });
        } else {
            // As a click on the preview: the selected point goes there.
            const QPoint unit = unitAt(at);
            main_.step([this, unit] { placePoint(editor_, unit + QPoint(128, 128)); });
        }
        break;
    default:
        break;
    }
    update();
    emit statusChanged();
}

void BoardCanvas::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return;
    if (event->modifiers() & Qt::AltModifier && !background_.isNull()) {
        setBackgroundPlace(static_cast<int>(backgroundScale_ * std::pow(1.1, steps)), backgroundOffset_);
        event->accept();
    } else if (event->modifiers() & Qt::ControlModifier) {
        setZoom(zoom_ + steps);
        event->accept();
    } else {
        event->ignore(); // the scroll area scrolls
    }
}

void BoardCanvas::leaveEvent(QEvent*)
{
    cursor_.reset();
    update();
    emit statusChanged();
}

void BoardCanvas::keyPressEvent(QKeyEvent* event)
{
    // Before the scroll area, which would take the arrows for scrolling.
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

void BoardCanvas::penClick(QPointF at)
{
    if (penCorners_.isEmpty()) {
        if (!main_.run([this] { checkPenCanStart(editor_); }))
            return;
        main_.endMerge();
    }
    const int hit = pointAt(letterPoints(editor_.form), at, reach());
    if (hit != 0 && !penCorners_.isEmpty() && hit == penCorners_.front()) {
        closePolygon();
        return;
    }
    const qsizetype corners = penCorners_.size() + 1;
    if (!main_.run([corners] { checkCornerCount(static_cast<int>(corners)); }))
        return;
    int n = hit;
    if (n == 0) {
        const QPoint unit = unitAt(at);
        QList<PointFields> before;
        for (int slot = 1; slot <= kPoints; ++slot)
            before << pointFields(editor_, slot);
        if (!main_.step([this, unit, &n] { n = addPoint(editor_, unit); }, QString::fromLatin1(kMergePen)))
            return;
        penNewPoints_ << before[n - 1];
    }
    penCorners_ << n;
}

void BoardCanvas::closePolygon()
{
    if (penCorners_.size() < 2) {
        platform_.beep();
        return;
    }
    const QList<int> corners = penCorners_;
    if (!main_.step([this, corners] { addPolygon(editor_, corners); }, QString::fromLatin1(kMergePen)))
        return;
    main_.endMerge();
    penCorners_.clear();
    penNewPoints_.clear();
}

void BoardCanvas::dropPen()
{
    if (!penNewPoints_.isEmpty()) {
        const QList<PointFields> before = penNewPoints_;
        main_.step([this, before] { putPointFields(editor_, before); }, QString::fromLatin1(kMergePen));
    }
    main_.endMerge();
    penCorners_.clear();
    penNewPoints_.clear();
    update();
}

void BoardCanvas::transform(const Transform& transform)
{
    const QList<int> numbers = selection();
    main_.step([this, numbers, transform] { transformPoints(editor_, numbers, transform); });
}

bool BoardCanvas::handleKey(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (key == Qt::Key_Escape) {
        if (gesture_ == Gesture::Drag)
            cancelDrag();
        else if (tool_ == Tool::Pen && !penCorners_.isEmpty())
            dropPen();
        else
            setSelection({});
        gesture_ = Gesture::None;
        update();
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && tool_ == Tool::Pen && !penCorners_.isEmpty()) {
        closePolygon();
        update();
        return true;
    }
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        const QList<int> numbers = selection();
        if (numbers.isEmpty()) {
            platform_.beep();
        } else if (main_.step([this, numbers] { deletePoints(editor_, numbers); })) {
            setSelection({});
        }
        return true;
    }
    if (key == Qt::Key_A && modifiers == Qt::ControlModifier) {
        QList<int> all;
        for (const UnitPoint& p : letterPoints(editor_.form))
            all << p.n;
        setSelection(all);
        return true;
    }
    const int step = modifiers & Qt::ShiftModifier ? 8 : 1;
    QPoint by;
    switch (key) {
    case Qt::Key_Left:
        by = {-step, 0};
        break;
    case Qt::Key_Right:
        by = {step, 0};
        break;
    case Qt::Key_Up:
        by = {0, -step};
        break;
    case Qt::Key_Down:
        by = {0, step};
        break;
    default:
        return false;
    }
    transform({Transform::Move, 100, by.x(), by.y()});
    return true;
}

// --- The window --------------------------------------------------------------------------------

namespace {

// One action of the board: its object name, its texts in the two languages, its keys.
struct ActionText {
    const char* name;
    const char* russian;
    const char* english;
    QKeySequence keys;
};

const QList<ActionText>& actionTexts()
{
    static const QList<ActionText> texts = {
        {"SelectTool", "Выбор", "Select", QKeySequence(Qt::Key_S)},
        {"PenTool", "Перо", "Pen", QKeySequence(Qt::Key_P)},
        {"FlipHorizontally", "Отразить по горизонтали", "Flip horizontally", QKeySequence(Qt::Key_H)},
        {"FlipVertically", "Отразить по вертикали", "Flip vertically", QKeySequence(Qt::Key_V)},
        {"TurnLeft", "Повернуть влево", "Turn left", QKeySequence(Qt::Key_L)},
        {"TurnRight", "Повернуть вправо", "Turn right", QKeySequence(Qt::Key_R)},
        {"Scale", "Масштаб, %", "Scale, %", QKeySequence(Qt::Key_K)},
        {"MoveBy", "Сдвинуть на", "Move by", QKeySequence(Qt::Key_M)},
        {"Snap", "Привязка", "Snap", QKeySequence(Qt::Key_N)},
        {"Grid", "Сетка", "Grid", QKeySequence(Qt::Key_G)},
        {"ZoomIn", "Крупнее", "Zoom in", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"ZoomOut", "Мельче", "Zoom out", QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        {"ZoomFit", "По окну", "Fit", QKeySequence(Qt::CTRL | Qt::Key_0)},
        {"Background", "Подложка…", "Background…", QKeySequence(Qt::Key_B)},
        {"ClearBackground", "Убрать подложку", "Clear background", QKeySequence()},
        {"Undo", "Отменить", "Undo", QKeySequence::Undo},
        {"Redo", "Повторить", "Redo", QKeySequence(Qt::CTRL | Qt::Key_Y)},
    };
    return texts;
}

QSettings boardSettings() { return QSettings(QStringLiteral("Tessarine"), QStringLiteral("Vertiloom")); }

} // namespace

DrawingBoard::DrawingBoard(MainWindow& main, Editor& editor, Platform& platform)
    : QMainWindow(nullptr), main_(main), editor_(editor), platform_(platform)
{
    setObjectName(QStringLiteral("DrawingBoard"));
    setAttribute(Qt::WA_QuitOnClose, false);
    canvas_ = new BoardCanvas(main, editor, platform, this);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("BoardScroll"));
    scroll_->setWidget(canvas_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    setCentralWidget(scroll_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("BoardStatus"));
    statusBar()->addWidget(status_, 1);
    createActions();
    connect(canvas_, &BoardCanvas::statusChanged, this, [this] { status_->setText(canvas_->status()); });
    connect(&editor_.form, &EditorForm::changed, canvas_, qOverload<>(&QWidget::update));

    const QSettings settings = boardSettings();
    canvas_->setSnapping(settings.value(QStringLiteral("board/snap"), false).toBool());
    findChild<QAction*>(QStringLiteral("Snap"))->setChecked(canvas_->snapping());
    if (!restoreGeometry(settings.value(QStringLiteral("board/geometry")).toByteArray())) {
        // Beside the main window where the screen has room, else over it; never off the screen.
        const QRect screen = main.screen()->availableGeometry();
        const QSize size(std::min(kUnits * 3 + 2 * BoardCanvas::kMargin + 40, screen.width()),
                         std::min(kUnits * 3 + 2 * BoardCanvas::kMargin + 120, screen.height() - 40));
        resize(size);
        QPoint at = main.frameGeometry().topRight() + QPoint(16, 0);
        at.setX(std::clamp(at.x(), screen.left(), screen.right() - size.width()));
        at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height() - 40)));
        move(at);
    }
    setLanguage(editor.language);
    canvas_->setFocus();
}

void DrawingBoard::createActions()
{
    // Three rows: the tools and turns; the exact transforms and the zoom; the tracing picture.
    const auto bar = [this](const char* name, bool newRow) {
        if (newRow)
            addToolBarBreak();
        auto* toolBar = addToolBar(QString::fromLatin1(name));
        toolBar->setObjectName(QString::fromLatin1(name));
        toolBar->setMovable(false);
        return toolBar;
    };
    QToolBar* tools = bar("BoardTools", false);
    QToolBar* exact = bar("BoardTransforms", true);
    QToolBar* background = bar("BoardBackground", true);
    const auto action = [this](const char* name, QToolBar* bar, auto slot) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcutContext(Qt::WindowShortcut);
        if (bar)
            bar->addAction(a);
        else
            addAction(a);
        connect(a, &QAction::triggered, this, slot);
        actions_ << a;
        return a;
    };
    const auto spin = [this](const char* name, int low, int high, int value, const QString& suffix) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QString::fromLatin1(name));
        // Ctrl+Z in a number is the letter's undo, as everywhere in the editor.
        box->installEventFilter(this);
        // A number takes the keyboard only when clicked, and gives it back to the square when it is
        // done: the board's one-key shortcuts (P, H, G...) are letters a number field would swallow.
        box->setFocusPolicy(Qt::ClickFocus);
        connect(box, &QSpinBox::editingFinished, canvas_, [this] { canvas_->setFocus(); });
        box->setRange(low, high);
        box->setValue(value);
        box->setSuffix(suffix);
        return box;
    };

    QAction* select = action("SelectTool", tools, [this] { canvas_->setTool(BoardCanvas::Tool::Select); });
    QAction* pen = action("PenTool", tools, [this] { canvas_->setTool(BoardCanvas::Tool::Pen); });
    select->setCheckable(true);
    pen->setCheckable(true);
    select->setChecked(true);
    auto* group = new QActionGroup(this);
    group->addAction(select);
    group->addAction(pen);
    tools->addSeparator();
    action("FlipHorizontally", tools, [this] { canvas_->transform({Transform::FlipHorizontally}); });
    action("FlipVertically", tools, [this] { canvas_->transform({Transform::FlipVertically}); });
    action("TurnLeft", tools, [this] { canvas_->transform({Transform::TurnLeft}); });
    action("TurnRight", tools, [this] { canvas_->transform({Transform::TurnRight}); });
    scalePercent_ = spin("ScalePercent", 1, 1000, 100, QStringLiteral(" %"));
    action("Scale", exact, [this] { canvas_->transform({Transform::Scale, scalePercent_->value()}); });
    exact->addWidget(scalePercent_);
    exact->addSeparator();
    moveX_ = spin("MoveX", -255, 255, 0, QString());
    moveY_ = spin("MoveY", -255, 255, 0, QString());
    action("MoveBy", exact, [this] { canvas_->transform({Transform::Move, 100, moveX_->value(), moveY_->value()}); });
    exact->addWidget(moveX_);
    exact->addWidget(moveY_);
    exact->addSeparator();
    QAction* snap = action("Snap", exact, [this](bool on) {
        canvas_->setSnapping(on);
        boardSettings().setValue(QStringLiteral("board/snap"), on);
    });
    snap->setCheckable(true);
    QAction* grid = action("Grid", exact, [this](bool on) { canvas_->setGrid(on); });
    grid->setCheckable(true);
    grid->setChecked(true);
    exact->addSeparator();
    action("ZoomIn", exact, [this] { canvas_->setZoom(canvas_->zoom() + 1); });
    action("ZoomOut", exact, [this] { canvas_->setZoom(canvas_->zoom() - 1); });
    action("ZoomFit", exact, [this] { fitZoom(); });
    // Ctrl+= is where the plus is on most keyboards.
    action("ZoomInEquals", nullptr, [this] {
        canvas_->setZoom(canvas_->zoom() + 1);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal));

    action("Background", background, [this] { chooseBackground(); });
    opacity_ = spin("BackgroundOpacity", 0, 100, 40, QStringLiteral(" %"));
    background->addWidget(opacity_);
    connect(opacity_, &QSpinBox::valueChanged, canvas_, &BoardCanvas::setBackgroundOpacity);
    backgroundScale_ = spin("BackgroundScale", 10, 1000, 100, QStringLiteral(" %"));
    background->addWidget(backgroundScale_);
    backgroundX_ = spin("BackgroundX", -255, 255, 0, QString());
    backgroundY_ = spin("BackgroundY", -255, 255, 0, QString());
    background->addWidget(backgroundX_);
    background->addWidget(backgroundY_);
    const auto place = [this] {
        canvas_->setBackgroundPlace(backgroundScale_->value(), QPointF(backgroundX_->value(), backgroundY_->value()));
    };
    connect(backgroundX_, &QSpinBox::valueChanged, this, place);
    connect(backgroundY_, &QSpinBox::valueChanged, this, place);
    connect(canvas_, &BoardCanvas::backgroundPlaceChanged, this, [this] {
        const QSignalBlocker quietScale(backgroundScale_), quietX(backgroundX_), quietY(backgroundY_);
        backgroundScale_->setValue(canvas_->backgroundScale());
        backgroundX_->setValue(qRound(canvas_->backgroundOffset().x()));
        backgroundY_->setValue(qRound(canvas_->backgroundOffset().y()));
    });
    action("ClearBackground", background, [this] { canvas_->setBackground({}); });

    action("Undo", nullptr, [this] { main_.undo(); });
    action("Redo", nullptr, [this] { main_.redo(); });
    action("RedoShift", nullptr, [this] { main_.redo(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
}

void DrawingBoard::setLanguage(int language)
{
    language_ = language;
    const bool english = language == kEnglish;
    setWindowTitle(english ? QStringLiteral("Tessarine Vertiloom \u2014 drawing board")
                           : QStringLiteral("Tessarine Vertiloom \u2014 чертёжная доска"));
    for (const ActionText& t : actionTexts()) {
        auto* a = findChild<QAction*>(QString::fromLatin1(t.name));
        if (!a)
            continue;
        const QString text = QString::fromUtf8(english ? t.english : t.russian);
        a->setText(text);
        a->setShortcut(t.keys);
        a->setToolTip(
            t.keys.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, t.keys.toString(QKeySequence::NativeText)));
    }
    opacity_->setToolTip(english ? QStringLiteral("Opacity of the background")
                                 : QStringLiteral("Непрозрачность подложки"));
    backgroundScale_->setToolTip(english ? QStringLiteral("Size of the background (Alt+wheel)")
                                         : QStringLiteral("Размер подложки (Alt+колесо)"));
    const QString offset = english ? QStringLiteral("Where the background stands, in units (Alt+drag moves it)")
                                   : QStringLiteral("Положение подложки в единицах (Alt+перетаскивание сдвигает её)");
    backgroundX_->setToolTip(offset);
    backgroundY_->setToolTip(offset);
    scalePercent_->setToolTip(english ? QStringLiteral("Percent to scale by") : QStringLiteral("Масштаб в процентах"));
    moveX_->setToolTip(english ? QStringLiteral("Units to move by, x and y")
                               : QStringLiteral("Сдвиг в единицах, x и y"));
    moveY_->setToolTip(moveX_->toolTip());
    refresh();
}

void DrawingBoard::refresh()
{
    canvas_->update();
    status_->setText(canvas_->status());
}

void DrawingBoard::fitZoom()
{
    const QSize room = scroll_->viewport()->size();
    canvas_->setZoom((std::min(room.width(), room.height()) - 2 * BoardCanvas::kMargin) / kUnits);
}

void DrawingBoard::chooseBackground()
{
    const std::optional<QString> path =
        platform_.openFileName(QStringLiteral("%1|*.png *.jpg *.jpeg *.bmp *.svg|%2|*")
                                   .arg(language_ == kEnglish ? QStringLiteral("Pictures") : QStringLiteral("Рисунки"),
                                        language_ == kEnglish ? QStringLiteral("All") : QStringLiteral("Все")));
    if (!path)
        return;
    QImageReader reader(*path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        platform_.showError((language_ == kEnglish ? QStringLiteral("Cannot read the picture %1: %2.")
                                                   : QStringLiteral("Не удалось прочитать рисунок %1: %2."))
                                .arg(QDir::toNativeSeparators(*path), reader.errorString()));
        return;
    }
    canvas_->setBackground(picture);
}

bool DrawingBoard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (const int key = historyKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                key < 0 ? main_.undo() : main_.redo();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void DrawingBoard::keyPressEvent(QKeyEvent* event)
{
    if (!canvas_->handleKey(event))
        QMainWindow::keyPressEvent(event);
}

void DrawingBoard::closeEvent(QCloseEvent* event)
{
    boardSettings().setValue(QStringLiteral("board/geometry"), saveGeometry());
    event->accept();
}

} // namespace vertiloom
