// The drawing board and its canvas; see drawingboard.h. Every change of the letter goes through the
// canvas's act() (the main window's step()), so it is one undo step, a refusal is said on the status
// line, and both windows follow it.
#include "app/drawingboard.h"

#include "app/boardtools.h"
#include "app/mainwindow.h"
#include "app/widgets.h"
#include "commands/commands.h"
#include "model/hex.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QDir>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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
const QColor kHovered{0, 220, 255};
// The lines a dragged point snaps to, faint beside the grid's.
const QColor kSnapLine{0, 50, 66};
// The board's colour for a refusal on its status line.
const QColor kWarning{200, 40, 0};
// A fitted letter not yet taken: a violet no polygon of the letter is drawn in, its inside see-through.
const QColor kFitLine{170, 130, 255};
const QColor kFitFill{150, 110, 255, 80};

// "x 2A (42)": a unit as the fields show it and as a signed number.
QString unitShown(int unit)
{
    return QStringLiteral("%1 (%2)").arg(unitText(unit), QString::number(unit).replace(u'-', QChar(0x2212)));
}

// The smallest rectangle of the picture's pixels that are neither transparent nor of the colour of
// its top-left corner (its background); empty when there are none.
QRect visibleContent(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = image.pixel(0, 0);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = row[x];
            const bool clear = qAlpha(pixel) < 16
                               || (qAlpha(background) >= 16 && std::abs(qRed(pixel) - qRed(background)) < 24
                                   && std::abs(qGreen(pixel) - qGreen(background)) < 24
                                   && std::abs(qBlue(pixel) - qBlue(background)) < 24);
            if (clear)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

// --- The canvas --------------------------------------------------------------------------------

BoardCanvas::BoardCanvas(MainWindow& main, Editor& editor, QWidget* parent)
    : QWidget(parent), main_(main), editor_(editor), select_(std::make_unique<SelectTool>(*this)),
      pen_(std::make_unique<PenTool>(*this)), picture_(std::make_unique<PictureTool>(*this))
{
    setObjectName(QStringLiteral("BoardCanvas"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setZoom(zoom_);
    // The board follows the fields whoever changes them: the handles at once, the outline as START!
    // would draw it.
    connect(&editor_.form, &EditorForm::changed, this, [this](const FieldId& id) {
        if (id.kind == Kind::X || id.kind == Kind::Y || id.kind == Kind::CheckBox || id.kind == Kind::Pol
            || id.kind == Kind::CheckPol) {
            fieldsChanged_ = true;
            updateHover();
        }
        update();
    });
}

BoardCanvas::~BoardCanvas() = default;

void BoardCanvas::setZoom(int zoom)
{
    const int before = zoom_;
    zoom_ = std::clamp(zoom, 1, kLargestZoom);
    // Where the cursor is on the screen, over the unit it was over before.
    std::optional<QPoint> held;
    if (cursor_)
        held = mapToGlobal(QPointF(kMargin + before * (cursor_->x() + 128), kMargin + before * (cursor_->y() + 128)))
                   .toPoint();
    setFixedSize(kUnits * zoom_ + 2 * kMargin, kUnits * zoom_ + 2 * kMargin);
    if (held) {
        if (zoom_ != before)
            emit zoomedAbout(*cursor_, *held);
        // The status line names the unit under the cursor now, not the one before the zoom.
        cursor_ = unitPosition(mapFromGlobal(QPointF(*held)));
        updateHover();
    }
    update();
    emit zoomChanged(zoom_);
    emit statusChanged();
}

BoardTool& BoardCanvas::activeTool() const
{
    switch (tool_) {
    case Tool::Pen:
        return *pen_;
    case Tool::Picture:
        return *picture_;
    case Tool::Select:
        break;
    }
    return *select_;
}

void BoardCanvas::setTool(Tool tool)
{
    if (tool != tool_)
        activeTool().leave();
    tool_ = tool;
    updateHover();
    update();
    emit statusChanged();
}

void BoardCanvas::setSnapping(bool on)
{
    snapping_ = on;
    update();
}

void BoardCanvas::setGrid(bool on)
{
    grid_ = on;
    update();
}

bool BoardCanvas::act(const std::function<void()>& command, const QString& mergeKey)
{
    return main_.step(command, mergeKey, [this](const QString& message) { setWarning(message); });
}

bool BoardCanvas::check(const std::function<void()>& command)
{
    return main_.run(command, [this](const QString& message) { setWarning(message); });
}

void BoardCanvas::setWarning(const QString& warning)
{
    if (warning == warning_)
        return;
    warning_ = warning;
    emit statusChanged();
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
    emit selectionChanged();
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

void BoardCanvas::fitBackground()
{
    if (background_.isNull())
        return;
    const QRect content = visibleContent(background_);
    if (content.isEmpty())
        return;
    // The box of the letter's points in units (their units' outer edges), or the whole square.
    const QList<UnitPoint> points = letterPoints(editor_.form);
    QRectF box(kLowestUnit, kLowestUnit, kUnits, kUnits);
    if (points.size() >= 2) {
        const UnitBounds b = *boundsOf(points);
        box = QRectF(b.left, b.top, b.right - b.left + 1, b.bottom - b.top + 1);
    }
    // The picture at 100 % spans fitted units; the content is a part of it.
    const QSizeF fitted = QSizeF(background_.size()).scaled(kUnits, kUnits, Qt::KeepAspectRatio);
    const double unitsPerPixel = fitted.width() / background_.width();
    const double factor =
        std::min(box.width() / (content.width() * unitsPerPixel), box.height() / (content.height() * unitsPerPixel));
    const int percent = std::clamp(qRound(factor * 100), 10, 1000);
    const double scale = unitsPerPixel * percent / 100.0;
    // The content's centre, from the picture's centre, lands on the box's centre.
    const QPointF fromCentre =
        (QRectF(content).center() - QPointF(background_.width(), background_.height()) / 2) * scale;
    setBackgroundPlace(percent, box.center() - fromCentre);
}

QPointF BoardCanvas::centreOf(QPoint unit) const
{
    return {kMargin + zoom_ * (unit.x() + 128 + 0.5), kMargin + zoom_ * (unit.y() + 128 + 0.5)};
}

QPointF BoardCanvas::unitPosition(QPointF at) const
{
    return {(at.x() - kMargin) / zoom_ - 128, (at.y() - kMargin) / zoom_ - 128};
}

Intent BoardCanvas::intent() const { return activeTool().intent(); }

void BoardCanvas::updateHover()
{
    hovered_ = cursor_ ? pointAt(letterPoints(editor_.form), *cursor_, reach()) : 0;
    switch (intent()) {
    case Intent::Move:
        setCursor(Qt::SizeAllCursor);
        break;
    case Intent::Add:
        setCursor(Qt::CrossCursor);
        break;
    case Intent::Close:
        setCursor(Qt::PointingHandCursor);
        break;
    case Intent::MovePicture:
        setCursor(Qt::OpenHandCursor);
        break;
    case Intent::Select:
    case Intent::None:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

QString BoardCanvas::status() const
{
    QStringList parts;
    if (cursor_) {
        const QPoint unit = unitAt(*cursor_);
        parts << QStringLiteral("x %1, y %2").arg(unitShown(unit.x()), unitShown(unit.y()));
    }
    if (hovered_ != 0) {
        const QList<UnitPoint> points = letterPoints(editor_.form);
        const auto it =
            std::find_if(points.cbegin(), points.cend(), [this](const UnitPoint& p) { return p.n == hovered_; });
        if (it != points.cend()) {
            QStringList polygons;
            for (const int p : polygonsUsing(editor_.form, hovered_))
                polygons << QString::number(p);
            parts << tr("point %1 at x %2, y %3").arg(hovered_).arg(unitShown(it->x), unitShown(it->y));
            if (!polygons.isEmpty())
                parts << tr("in polygons %1").arg(polygons.join(QStringLiteral(", ")));
        }
    }
    const qsizetype selected = selection().size();
    if (selected == 1)
        parts << tr("point %1 selected").arg(selection().front());
    else if (selected > 1)
        parts << tr("%1 points selected").arg(selected);
    const QString tool = activeTool().status();
    if (!tool.isEmpty())
        parts << tool;
    parts << QStringLiteral("\u00D7%1").arg(zoom_);
    return parts.join(QStringLiteral(" \u00B7 "));
}

QRectF BoardCanvas::backgroundUnits() const
{
    // Fitted into the square, keeping its shape, then scaled about the centre and moved.
    const QSizeF size =
        QSizeF(background_.size()).scaled(kUnits, kUnits, Qt::KeepAspectRatio) * (backgroundScale_ / 100.0);
    const QPointF centre(backgroundOffset_.x(), backgroundOffset_.y());
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

QTransform BoardCanvas::backgroundPlacement() const
{
    if (background_.isNull())
        return {};
    const QRectF units = backgroundUnits();
    return {
        units.width() / background_.width(), 0, 0, units.height() / background_.height(), units.left(), units.top()};
}

QRectF BoardCanvas::backgroundRect() const
{
    const QRectF units = backgroundUnits();
    return {kMargin + zoom_ * (units.left() + 128), kMargin + zoom_ * (units.top() + 128), zoom_ * units.width(),
            zoom_ * units.height()};
}

const QImage& BoardCanvas::letterImage()
{
    const QImage& layer = editor_.letterLayer.image();
    if (layer.cacheKey() != layerKey_) {
        // START! drew the fields as they are.
        layerKey_ = layer.cacheKey();
        fieldsChanged_ = false;
        fromFields_ = QImage();
    }
    if (fieldsChanged_) {
        fieldsChanged_ = false;
        // While a field holds no coordinate (being typed), the last drawing stays.
        const QImage drawn = letterFromFields(editor_.form, editor_.letterLayer);
        if (!drawn.isNull())
            fromFields_ = drawn;
    }
    return fromFields_.isNull() ? layer : fromFields_;
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

    // With snapping on, the lines a dragged point snaps to: through the centres of the units whose
    // coordinates are multiples of 4 (the grid's lines run along the units' edges), on each unit's
    // middle pixel.
    if (snapping_) {
        painter.setPen(kSnapLine);
        for (int u = 0; u < kUnits; u += 4) {
            const int at = kMargin + u * zoom_ + zoom_ / 2;
            painter.drawLine(at, kMargin, at, kMargin + side - 1);
            painter.drawLine(kMargin, at, kMargin + side - 1, at);
        }
    }

    // The letter layer, its black see-through so that the grid and the picture show, each of its
    // pixels a sharp square of zoom x zoom.
    const QImage& letter = letterImage();
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

    // The handles: the selected filled, the one under the cursor larger and lit, ringed when a press
    // there closes the pen's polygon.
    const QList<int> selected = selection();
    const bool closing = intent() == Intent::Close;
    for (const UnitPoint& p : points) {
        const QPointF c = centreOf({p.x, p.y});
        const double half = p.n == hovered_ ? 4.5 : 3.5;
        const QRectF handle(c.x() - half, c.y() - half, 2 * half, 2 * half);
        const QColor colour = selected.contains(p.n) ? kSelected : p.n == hovered_ ? kHovered : kHandle;
        painter.setPen(Qt::black);
        painter.setBrush(selected.contains(p.n) ? kSelected : Qt::transparent);
        painter.drawRect(handle);
        painter.setPen(colour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(handle.adjusted(1, 1, -1, -1));
        if (closing && p.n == hovered_) {
            painter.setPen(QPen(kPenLine, 2));
            painter.drawEllipse(c, 9, 9);
        }
    }
    paintFit(painter);
    activeTool().paint(painter);
}

void BoardCanvas::paintFit(QPainter& painter) const
{
    if (!fit_)
        return;
    const FittedLetter& letter = fit_->letter;
    // One filled path by the nonzero rule: the outline style's holes (turning the other way) stay
    // open, and pieces that overlap are not told apart.
    QPainterPath inside;
    inside.setFillRule(Qt::WindingFill);
    QList<QPolygonF> polygons;
    for (const QList<int>& corners : letter.polygons) {
        QPolygonF polygon;
        for (const int k : corners)
            polygon << centreOf(letter.points[k]);
        inside.addPolygon(polygon);
        inside.closeSubpath();
        polygons << polygon;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(inside, kFitFill);
    painter.setPen(QPen(kFitLine, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF& polygon : polygons)
        painter.drawPolygon(polygon);
    painter.setBrush(kFitLine);
    for (const QPoint& p : letter.points)
        painter.drawEllipse(centreOf(p), 2.5, 2.5);
    painter.restore();
}

void BoardCanvas::showFit(const FitPreview& preview)
{
    fit_ = preview;
    update();
    emit fitChanged();
    emit statusChanged();
}

bool BoardCanvas::refitWith(const FitOptions& options)
{
    if (!fit_)
        return false;
    FitPreview preview = *fit_;
    if (!check([&preview, &options] { refit(preview, options); }))
        return false;
    setWarning(QString());
    showFit(preview);
    return true;
}

bool BoardCanvas::takeFit()
{
    if (!fit_)
        return false;
    const FittedLetter letter = fit_->letter;
    if (!act([this, &letter] { takeFittedLetter(editor_, letter); }))
        return false;
    setSelection({});
    dropFit();
    return true;
}

void BoardCanvas::dropFit()
{
    if (!fit_)
        return;
    fit_.reset();
    update();
    emit fitChanged();
    emit statusChanged();
}

void BoardCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    setWarning(QString());
    cursor_ = unitPosition(event->position());
    updateHover();
    activeTool().press(event);
    update();
    emit statusChanged();
}

void BoardCanvas::mouseMoveEvent(QMouseEvent* event)
{
    cursor_ = unitPosition(event->position());
    activeTool().move(event);
    updateHover();
    update();
    emit statusChanged();
}

void BoardCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    cursor_ = unitPosition(event->position());
    activeTool().release(event);
    updateHover();
    update();
    emit statusChanged();
}

void BoardCanvas::wheelEvent(QWheelEvent* event)
{
    if (activeTool().wheel(event)) {
        event->accept();
    } else if (event->modifiers() & Qt::ControlModifier && event->angleDelta().y() / 120 != 0) {
        cursor_ = unitPosition(event->position());
        setZoom(zoom_ + event->angleDelta().y() / 120);
        event->accept();
    } else {
        event->ignore(); // the scroll area scrolls
    }
}

void BoardCanvas::leaveEvent(QEvent*)
{
    cursor_.reset();
    hovered_ = 0;
    update();
    emit statusChanged();
}

void BoardCanvas::keyPressEvent(QKeyEvent* event)
{
    // Before the scroll area, which would take the arrows for scrolling.
    if (!handleKey(event))
        QWidget::keyPressEvent(event);
}

void BoardCanvas::transform(const Transform& transform)
{
    const QList<int> numbers = selection();
    act([this, numbers, transform] { transformPoints(editor_, numbers, transform); });
}

void BoardCanvas::copy()
{
    const QList<int> numbers = selection();
    CopiedPoints copied;
    if (!check([this, numbers, &copied] { copied = copyPoints(editor_, numbers); }))
        return;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kPointsMimeType), copied.points);
    data->setData(QString::fromLatin1(kSvgMimeType), copied.svg);
    QGuiApplication::clipboard()->setMimeData(data);
}

void BoardCanvas::paste()
{
    // The editor's own form first, then a drawing: as SVG, or as SVG text (what a vector editor or a
    // text editor copies).
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    const QString own = QString::fromLatin1(kPointsMimeType);
    const QString svg = QString::fromLatin1(kSvgMimeType);
    QList<int> pasted;
    bool done = false;
    if (data->hasFormat(own)) {
        const QByteArray points = data->data(own);
        done = act([this, points, &pasted] { pasted = pastePoints(editor_, points); });
    } else if (data->hasFormat(svg) || data->text().contains(QStringLiteral("<svg"))) {
        const QByteArray drawing = data->hasFormat(svg) ? data->data(svg) : data->text().toUtf8();
        done = act([this, drawing, &pasted] { pasted = pasteSvg(editor_, drawing); });
    } else {
        setWarning(tr("The clipboard holds no points of this editor and no SVG drawing."));
    }
    if (done)
        setSelection(pasted);
}

void BoardCanvas::deleteSelection()
{
    const QList<int> numbers = selection();
    if (numbers.isEmpty())
        setWarning(tr("No point is selected to delete."));
    else if (act([this, numbers] { deletePoints(editor_, numbers); }))
        setSelection({});
    updateHover();
    update();
}

void BoardCanvas::undo()
{
    setWarning(QString());
    if (!activeTool().undo())
        main_.undo();
}

bool BoardCanvas::handleKey(QKeyEvent* event)
{
    setWarning(QString());
    const bool taken = [&] {
        const int key = event->key();
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        // A fitted letter waits for its answer before the tools' keys.
        if (fit_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            takeFit();
            return true;
        }
        if (fit_ && key == Qt::Key_Escape) {
            dropFit();
            return true;
        }
        if (activeTool().key(event))
            return true;
        if (key == Qt::Key_Escape) {
            if (!activeTool().cancel())
                setSelection({});
            return true;
        }
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            deleteSelection();
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
    }();
    if (taken) {
        updateHover();
        update();
        emit statusChanged();
    }
    return taken;
}

// --- The window --------------------------------------------------------------------------------

namespace {

// One action of the board: its object name, its text (written in English for the translations,
// context vertiloom::DrawingBoard), its keys, and the tooltip's words when they are not the text's.
struct ActionText {
    const char* name;
    const char* text;
    QKeySequence keys;
    const char* tip = nullptr;
    // The text in the square's menu when the toolbar's ("Apply") would say too little there; %1 and
    // %2 are the toolbar's numbers.
    const char* menu = nullptr;
};

const QList<ActionText>& actionTexts()
{
    static const QList<ActionText> texts = {
        {"SelectTool", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Select"), QKeySequence(Qt::Key_S)},
        {"PenTool", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Pen"), QKeySequence(Qt::Key_P)},
        {"PictureTool", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Picture"), QKeySequence(Qt::Key_T),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Picture: a drag moves the tracing picture, the wheel sizes it")},
        {"FlipHorizontally", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Flip horizontally"),
         QKeySequence(Qt::Key_H)},
        {"FlipVertically", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Flip vertically"), QKeySequence(Qt::Key_V)},
        {"TurnLeft", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Turn left"), QKeySequence(Qt::Key_L)},
        {"TurnRight", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Turn right"), QKeySequence(Qt::Key_R)},
        {"Scale", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Apply"), QKeySequence(Qt::Key_K),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Scale the selection by this percentage"),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Scale by %1 %")},
        {"MoveBy", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Apply"), QKeySequence(Qt::Key_M),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Move the selection by dx, dy"),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Move by %1, %2")},
        {"Snap", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Snap"), QKeySequence(Qt::Key_N)},
        {"Grid", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Grid"), QKeySequence(Qt::Key_G)},
        {"ZoomIn", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Zoom in"), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"ZoomOut", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Zoom out"), QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        {"ZoomFit", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Fit"), QKeySequence(Qt::CTRL | Qt::Key_0)},
        {"Background", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Background…"), QKeySequence(Qt::Key_B)},
        {"FitBackground", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Fit picture"), QKeySequence(Qt::Key_F),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Fit what the picture shows to the letter's box")},
        {"ClearBackground", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Clear background"), QKeySequence()},
        {"TracePicture", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Trace picture"), QKeySequence(),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard",
                           "Fit the picture's dark shape into a letter where it lies on the square")},
        {"FitDrawing", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Fit drawing…"), QKeySequence(),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Fit an SVG drawing or a picture into the letter's limits")},
        {"LetterFromFont", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Letter from font…"), QKeySequence(),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Fit a character of an installed font into the letter's limits")},
        {"TakeFit", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Take"), QKeySequence(),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Take the fitted letter (Enter)")},
        {"DropFit", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Drop"), QKeySequence(),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Drop the fitted letter (Esc)")},
        {"Delete", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Delete points"), QKeySequence(Qt::Key_Delete),
         QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Take the selected points out of the letter and its polygons")},
        {"Copy", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Copy"), QKeySequence::Copy},
        {"Paste", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Paste"), QKeySequence::Paste},
        {"Undo", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Undo"), QKeySequence::Undo},
        {"Redo", QT_TRANSLATE_NOOP("vertiloom::DrawingBoard", "Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y)},
    };
    return texts;
}

// A text of the table in the language installed.
QString boardText(const char* english) { return QCoreApplication::translate("vertiloom::DrawingBoard", english); }

QSettings boardSettings() { return QSettings(QStringLiteral("Tessarine"), QStringLiteral("Vertiloom")); }

} // namespace

DrawingBoard::DrawingBoard(MainWindow& main, Editor& editor, Platform& platform)
    : QMainWindow(nullptr), main_(main), editor_(editor), platform_(platform)
{
    setObjectName(QStringLiteral("DrawingBoard"));
    setAttribute(Qt::WA_QuitOnClose, false);
    canvas_ = new BoardCanvas(main, editor, this);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("BoardScroll"));
    scroll_->setWidget(canvas_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    setCentralWidget(scroll_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("BoardStatus"));
    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("BoardWarning"));
    QPalette palette = warning_->palette();
    palette.setColor(QPalette::WindowText, kWarning);
    warning_->setPalette(palette);
    warning_->setWordWrap(true);
    warning_->hide();
    fitReport_ = new QLabel(this);
    fitReport_->setObjectName(QStringLiteral("BoardFitReport"));
    fitReport_->setWordWrap(true);
    fitReport_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    fitReport_->hide();
    statusBar()->addWidget(status_, 1);
    statusBar()->addWidget(fitReport_, 2);
    statusBar()->addWidget(warning_, 2);
    createActions();
    connect(canvas_, &BoardCanvas::statusChanged, this, [this] { refresh(); });
    connect(canvas_, &BoardCanvas::selectionChanged, this, [this] { showSelected(); });
    connect(canvas_, &BoardCanvas::zoomedAbout, this, [this](QPointF unit, QPoint global) {
        const QPointF now = canvas_->mapFromGlobal(QPointF(global));
        const QPointF wanted(BoardCanvas::kMargin + canvas_->zoom() * (unit.x() + 128),
                             BoardCanvas::kMargin + canvas_->zoom() * (unit.y() + 128));
        QScrollBar* across = scroll_->horizontalScrollBar();
        QScrollBar* down = scroll_->verticalScrollBar();
        across->setValue(across->value() + qRound(wanted.x() - now.x()));
        down->setValue(down->value() + qRound(wanted.y() - now.y()));
    });
    connect(&editor_.form, &EditorForm::changed, this, [this](const FieldId& id) {
        if (id.kind == Kind::X || id.kind == Kind::Y || id.kind == Kind::CheckBox)
            showSelected();
    });

    const QSettings settings = boardSettings();
    canvas_->setSnapping(settings.value(QStringLiteral("board/snap"), false).toBool());
    findChild<QAction*>(QStringLiteral("Snap"))->setChecked(canvas_->snapping());
    if (!restoreGeometry(settings.value(QStringLiteral("board/geometry")).toByteArray())) {
        // Beside the main window where the screen has room, else over it; never off the screen.
        const QRect screen = main.screen()->availableGeometry();
        const QSize size(std::min(kUnits * 3 + 2 * BoardCanvas::kMargin + 40, screen.width()),
                         std::min(kUnits * 3 + 2 * BoardCanvas::kMargin + 180, screen.height() - 40));
        resize(size);
        QPoint at = main.frameGeometry().topRight() + QPoint(16, 0);
        at.setX(std::clamp(at.x(), screen.left(), screen.right() - size.width()));
        at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height() - 40)));
        move(at);
    }
    setLanguage(editor.language);
    showSelected();
    canvas_->setFocus();
}

void DrawingBoard::createActions()
{
    // Four rows: the tools, snapping and the zoom; the flips and turns; the exact transforms and the
    // selected point; the tracing picture.
    const auto bar = [this](const char* name, bool newRow) {
        if (newRow)
            addToolBarBreak();
        auto* toolBar = addToolBar(QString::fromLatin1(name));
        toolBar->setObjectName(QString::fromLatin1(name));
        toolBar->setMovable(false);
        return toolBar;
    };
    QToolBar* tools = bar("BoardTools", false);
    QToolBar* turns = bar("BoardTurns", true);
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
        // Ctrl+Z in a number is the letter's undo, as everywhere in the editor; Escape gives the keys
        // back to the square.
        box->installEventFilter(this);
        // A number takes the keyboard when clicked (or tabbed to from the one before it), and gives
        // it back to the square when it is done: the board's one-key shortcuts (P, H, G...) are
        // letters a number field would swallow.
        box->setFocusPolicy(Qt::StrongFocus);
        connect(box, &QSpinBox::editingFinished, canvas_, [this, box] {
            if (box->hasFocus())
                canvas_->setFocus();
        });
        box->setRange(low, high);
        box->setValue(value);
        box->setSuffix(suffix);
        return box;
    };
    const auto label = [this](QToolBar* bar) {
        auto* text = new QLabel(this);
        text->setContentsMargins(6, 0, 4, 0);
        bar->addWidget(text);
        return text;
    };

    auto* group = new QActionGroup(this);
    const auto toolAction = [&](const char* name, BoardCanvas::Tool tool) {
        QAction* a = action(name, tools, [this, tool] { canvas_->setTool(tool); });
        a->setCheckable(true);
        group->addAction(a);
        return a;
    };
    toolAction("SelectTool", BoardCanvas::Tool::Select)->setChecked(true);
    toolAction("PenTool", BoardCanvas::Tool::Pen);
    toolAction("PictureTool", BoardCanvas::Tool::Picture);
    tools->addSeparator();
    action("FlipHorizontally", turns, [this] { canvas_->transform({Transform::FlipHorizontally}); });
    action("FlipVertically", turns, [this] { canvas_->transform({Transform::FlipVertically}); });
    action("TurnLeft", turns, [this] { canvas_->transform({Transform::TurnLeft}); });
    action("TurnRight", turns, [this] { canvas_->transform({Transform::TurnRight}); });

    scaleLabel_ = label(exact);
    scalePercent_ = spin("ScalePercent", 1, 1000, 100, QStringLiteral(" %"));
    exact->addWidget(scalePercent_);
    action("Scale", exact, [this] { canvas_->transform({Transform::Scale, scalePercent_->value()}); });
    exact->addSeparator();
    moveLabel_ = label(exact);
    moveX_ = spin("MoveX", -255, 255, 0, QString());
    moveY_ = spin("MoveY", -255, 255, 0, QString());
    exact->addWidget(moveX_);
    exact->addWidget(moveY_);
    setTabOrder(moveX_, moveY_);
    action("MoveBy", exact, [this] { canvas_->transform({Transform::Move, 100, moveX_->value(), moveY_->value()}); });
    exact->addSeparator();
    // The selected point's place, typed; with two points, their distance and angle.
    pointLabel_ = label(exact);
    pointLabel_->setObjectName(QStringLiteral("PointLabel"));
    pointX_ = spin("PointX", kLowestUnit, kHighestUnit, 0, QString());
    pointY_ = spin("PointY", kLowestUnit, kHighestUnit, 0, QString());
    pointShown_ = {exact->addWidget(pointX_), exact->addWidget(pointY_)};
    setTabOrder(pointX_, pointY_);
    pointHex_ = label(exact);
    pointHex_->setObjectName(QStringLiteral("PointHex"));
    connect(pointX_, &QSpinBox::valueChanged, this, [this] { moveSelectedTo(pointX_); });
    connect(pointY_, &QSpinBox::valueChanged, this, [this] { moveSelectedTo(pointY_); });

    QAction* snap = action("Snap", tools, [this](bool on) {
        canvas_->setSnapping(on);
        boardSettings().setValue(QStringLiteral("board/snap"), on);
    });
    snap->setCheckable(true);
    QAction* grid = action("Grid", tools, [this](bool on) { canvas_->setGrid(on); });
    grid->setCheckable(true);
    grid->setChecked(true);
    tools->addSeparator();
    action("ZoomIn", tools, [this] { canvas_->setZoom(canvas_->zoom() + 1); });
    action("ZoomOut", tools, [this] { canvas_->setZoom(canvas_->zoom() - 1); });
    action("ZoomFit", tools, [this] { fitZoom(); });
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
    setTabOrder(backgroundX_, backgroundY_);
    const auto place = [this] {
        canvas_->setBackgroundPlace(backgroundScale_->value(), QPointF(backgroundX_->value(), backgroundY_->value()));
    };
    connect(backgroundScale_, &QSpinBox::valueChanged, this, place);
    connect(backgroundX_, &QSpinBox::valueChanged, this, place);
    connect(backgroundY_, &QSpinBox::valueChanged, this, place);
    connect(canvas_, &BoardCanvas::backgroundPlaceChanged, this, [this] {
        const QSignalBlocker quietScale(backgroundScale_), quietX(backgroundX_), quietY(backgroundY_);
        backgroundScale_->setValue(canvas_->backgroundScale());
        backgroundX_->setValue(qRound(canvas_->backgroundOffset().x()));
        backgroundY_->setValue(qRound(canvas_->backgroundOffset().y()));
    });
    action("FitBackground", background, [this] { canvas_->fitBackground(); });
    QAction* trace = action("TracePicture", background, [this] { tracePicture(); });
    action("ClearBackground", background, [this] { canvas_->setBackground({}); });
    const auto traceable = [this, trace] { trace->setEnabled(canvas_->hasBackground()); };
    connect(canvas_, &BoardCanvas::backgroundPlaceChanged, this, traceable);
    traceable();

    // The fitted letter's bar, at the foot of the window while one shows: its style, its box, and
    // the answers Enter and Escape give.
    action("FitDrawing", nullptr, [this] { fitDrawing(); });
    action("LetterFromFont", nullptr, [this] { letterFromFont(); });
    fitBar_ = new QToolBar(this);
    fitBar_->setObjectName(QStringLiteral("FitBar"));
    fitBar_->setMovable(false);
    addToolBar(Qt::BottomToolBarArea, fitBar_);
    fitLabel_ = label(fitBar_);
    fitStyle_ = new QComboBox(this);
    fitStyle_->setObjectName(QStringLiteral("FitStyle"));
    fitStyle_->addItems({QString(), QString()}); // pieces, outline; their words come with the language
    fitStyle_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    fitBar_->addWidget(fitStyle_);
    connect(fitStyle_, &QComboBox::currentIndexChanged, this, [this] { refitFromBar(); });
    fitBoxLabel_ = label(fitBar_);
    for (const char* name : {"FitX0", "FitY0", "FitX1", "FitY1"}) {
        QSpinBox* box = spin(name, kLowestUnit, kHighestUnit, 0, QString());
        fitBar_->addWidget(box);
        if (!fitBox_.isEmpty())
            setTabOrder(fitBox_.back(), box);
        fitBox_ << box;
        connect(box, &QSpinBox::valueChanged, this, [this] { refitFromBar(); });
    }
    fitBar_->addSeparator();
    action("TakeFit", fitBar_, [this] { canvas_->takeFit(); });
    action("DropFit", fitBar_, [this] { canvas_->dropFit(); });
    fitBar_->hide();
    connect(canvas_, &BoardCanvas::fitChanged, this, [this] { showFitBar(); });

    action("Copy", nullptr, [this] { canvas_->copy(); });
    action("Paste", nullptr, [this] { canvas_->paste(); });
    action("Delete", nullptr, [this] { canvas_->deleteSelection(); });
    action("Undo", nullptr, [this] { canvas_->undo(); });
    action("Redo", nullptr, [this] { main_.redo(); });
    action("RedoShift", nullptr, [this] { main_.redo(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));

    // The square's own menu: the same actions, so that each shows its key.
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("BoardMenu"));
    const QList<QList<const char*>> sections = {
        {"SelectTool", "PenTool", "PictureTool"},
        {"FlipHorizontally", "FlipVertically", "TurnLeft", "TurnRight", "Scale", "MoveBy"},
        {"Copy", "Paste", "Delete"},
        {"FitDrawing", "LetterFromFont"},
        {"Snap", "Grid"},
        {"Background", "FitBackground", "TracePicture", "ClearBackground"},
    };
    for (const QList<const char*>& section : sections) {
        if (!menu_->isEmpty())
            menu_->addSeparator();
        for (const char* name : section)
            menu_->addAction(findChild<QAction*>(QString::fromLatin1(name)));
    }
    // Play (F9) and the emulator, as in the main window's menu.
    menu_->addSeparator();
    main_.addPlayActions(menu_, this);
    connect(menu_, &QMenu::aboutToShow, this, [this] { showMenuTexts(); });
    canvas_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(canvas_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(canvas_->mapToGlobal(at)); });
}

void DrawingBoard::showMenuTexts()
{
    for (const ActionText& t : actionTexts()) {
        if (!t.menu)
            continue;
        auto* a = findChild<QAction*>(QString::fromLatin1(t.name));
        // The toolbar shows the icon text, the menu the text.
        a->setIconText(boardText(t.text));
        QString text = boardText(t.menu);
        if (a->objectName() == QLatin1String("Scale"))
            text = text.arg(scalePercent_->value());
        else
            text = text.arg(moveX_->value()).arg(moveY_->value());
        a->setText(text.replace(u'-', QChar(0x2212)));
    }
}

void DrawingBoard::setLanguage(int)
{
    setWindowTitle(tr("Tessarine Vertiloom \u2014 drawing board"));
    for (const ActionText& t : actionTexts()) {
        auto* a = findChild<QAction*>(QString::fromLatin1(t.name));
        if (!a)
            continue;
        const QString text = boardText(t.text);
        const QString words = t.tip ? boardText(t.tip) : text;
        a->setText(text);
        a->setShortcut(t.keys);
        a->setToolTip(
            t.keys.isEmpty() ? words : QStringLiteral("%1 (%2)").arg(words, t.keys.toString(QKeySequence::NativeText)));
    }
    opacity_->setToolTip(tr("Opacity of the background"));
    backgroundScale_->setToolTip(tr("Size of the background (the wheel with the picture tool, T)"));
    const QString offset = tr("Where the background stands, in units (a drag with the picture tool, T, moves it)");
    backgroundX_->setToolTip(offset);
    backgroundY_->setToolTip(offset);
    scaleLabel_->setText(tr("Scale:"));
    moveLabel_->setText(tr("Move by:"));
    scalePercent_->setToolTip(tr("Percent to scale the selection by; Apply or K scales"));
    moveX_->setToolTip(tr("Units to move the selection by, x (Tab: y); Apply or M moves"));
    moveY_->setToolTip(tr("Units to move the selection by, y; Apply or M moves"));
    pointX_->setToolTip(tr("x of the selected point, in units (Tab: y)"));
    pointY_->setToolTip(tr("y of the selected point, in units"));
    fitLabel_->setText(tr("Fitted letter:"));
    fitStyle_->setItemText(0, tr("Convex pieces"));
    fitStyle_->setItemText(1, tr("Outlines"));
    fitStyle_->setToolTip(tr("Convex pieces sharing their corners, as the game's own letters are built, or one "
                             "polygon per contour, holes included"));
    fitBoxLabel_->setText(tr("Box:"));
    const QStringList boxTips = {tr("Left edge of the box, in units"), tr("Top edge of the box, in units"),
                                 tr("Right edge of the box, in units"),
                                 tr("Foot of the box, in units: the letter stands on it")};
    for (qsizetype i = 0; i < fitBox_.size(); ++i)
        fitBox_[i]->setToolTip(boxTips[i]);
    showFitBar(); // the report in the language
    showMenuTexts();
    showSelected();
    refresh();
}

void DrawingBoard::showSelected()
{
    const QList<int> selected = canvas_->selection();
    const QList<UnitPoint> points = letterPoints(editor_.form);
    const auto place = [&points](int n) {
        const auto it = std::find_if(points.cbegin(), points.cend(), [n](const UnitPoint& p) { return p.n == n; });
        return it == points.cend() ? QPoint() : QPoint(it->x, it->y);
    };
    const bool one = selected.size() == 1;
    for (QAction* shown : pointShown_)
        shown->setVisible(one);
    if (one) {
        const QPoint at = place(selected.front());
        if (pointX_->value() != at.x() || pointY_->value() != at.y()) {
            const QSignalBlocker quietX(pointX_), quietY(pointY_);
            pointX_->setValue(at.x());
            pointY_->setValue(at.y());
        }
        pointLabel_->setText(tr("Point %1:").arg(selected.front()));
        pointHex_->setText(QStringLiteral("%1 %2").arg(unitText(at.x()), unitText(at.y())));
    } else if (selected.size() == 2) {
        pointLabel_->setText(tr("Points %1 and %2:").arg(selected[0]).arg(selected[1]));
        const Measure measure = measured(place(selected[0]), place(selected[1]));
        pointHex_->setText(
            tr("distance %1, angle %2\u00B0").arg(measure.distance, 0, 'f', 1).arg(measure.angle, 0, 'f', 1));
    } else {
        pointLabel_->setText(QString());
        pointHex_->setText(QString());
    }
}

void DrawingBoard::moveSelectedTo(const QSpinBox* typedInto)
{
    const QList<int> selected = canvas_->selection();
    if (selected.size() != 1)
        return;
    const UnitPoint to{selected.front(), pointX_->value(), pointY_->value()};
    // Typing into one number is one step, as typing into a field is (its merge key is its name).
    canvas_->act([this, to] { movePoints(editor_, {to}); }, typedInto->objectName());
}

void DrawingBoard::refresh()
{
    canvas_->update();
    status_->setText(canvas_->status());
    warning_->setText(canvas_->warning());
    warning_->setVisible(!canvas_->warning().isEmpty());
}

void DrawingBoard::showFitBar()
{
    const std::optional<FitPreview>& preview = canvas_->fitPreview();
    if (preview) {
        const QSignalBlocker quietStyle(fitStyle_);
        fitStyle_->setCurrentIndex(preview->options.style == FitStyle::Outline ? 1 : 0);
        const FitBox& box = preview->options.box;
        const int values[] = {box.x0, box.y0, box.x1, box.y1};
        for (qsizetype i = 0; i < fitBox_.size(); ++i) {
            const QSignalBlocker quiet(fitBox_[i]);
            fitBox_[i]->setValue(values[i]);
        }
        fitReport_->setText(fitReportText(preview->letter.report));
    } else {
        fitReport_->clear();
    }
    // Two lines whatever the width while it shows, so that the status line keeps its height as the
    // letter is fitted again; none when it is gone (the status line counts hidden labels too).
    fitReport_->setFixedHeight(preview ? 2 * fitReport_->fontMetrics().lineSpacing() + 2 : 0);
    fitBar_->setVisible(preview.has_value());
    fitReport_->setVisible(preview.has_value());
}

void DrawingBoard::refitFromBar()
{
    if (!canvas_->fitPreview())
        return;
    FitOptions options;
    options.style = fitStyle_->currentIndex() == 1 ? FitStyle::Outline : FitStyle::Pieces;
    options.box = {fitBox_[0]->value(), fitBox_[1]->value(), fitBox_[2]->value(), fitBox_[3]->value()};
    canvas_->refitWith(options);
}

void DrawingBoard::startFit(const std::function<std::optional<FitPreview>()>& make)
{
    std::optional<FitPreview> preview;
    // A source that can't be fitted is said in a box: the user chose it in a dialog a moment ago.
    main_.run([&make, &preview] { preview = make(); });
    if (preview) {
        canvas_->setWarning(QString());
        canvas_->showFit(*preview);
        canvas_->setFocus();
    }
}

void DrawingBoard::fitDrawing()
{
    startFit([this]() -> std::optional<FitPreview> {
        const std::optional<QPainterPath> shape = chooseFitDrawing(platform_);
        return shape ? std::optional(previewFit(editor_, *shape)) : std::nullopt;
    });
}

void DrawingBoard::letterFromFont()
{
    startFit([this]() -> std::optional<FitPreview> {
        const std::optional<QPainterPath> shape = chooseFontLetter(platform_);
        return shape ? std::optional(previewFit(editor_, *shape)) : std::nullopt;
    });
}

void DrawingBoard::tracePicture()
{
    if (!canvas_->hasBackground()) {
        platform_.beep();
        canvas_->setWarning(tr("No tracing picture is placed to trace: open one with “Background…” (B) first."));
        return;
    }
    // Its dark shape where it lies on the square, fitted into the units that shape covers.
    startFit([this]() -> std::optional<FitPreview> {
        const QPainterPath shape = tracedPicture(canvas_->background(), canvas_->backgroundPlacement());
        return previewFit(editor_, shape, unitsCovered(shape));
    });
}

void DrawingBoard::fitZoom()
{
    // The room without scroll bars: the viewport is smaller while the square at the present zoom
    // needs them, which made Fit depend on the zoom it started from.
    const QSize room = scroll_->maximumViewportSize();
    canvas_->setZoom((std::min(room.width(), room.height()) - 2 * BoardCanvas::kMargin) / kUnits);
}

void DrawingBoard::chooseBackground()
{
    const std::optional<QString> path =
        platform_.openFileName(QStringLiteral("%1|*.png *.jpg *.jpeg *.bmp *.svg|%2|*").arg(tr("Pictures"), tr("All")));
    if (!path)
        return;
    QImageReader reader(*path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        canvas_->setWarning(
            tr("Cannot read the picture %1: %2.").arg(QDir::toNativeSeparators(*path), reader.errorString()));
        return;
    }
    canvas_->setBackground(picture);
}

bool DrawingBoard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const int history = historyKey(key)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                history < 0 ? canvas_->undo() : main_.redo();
            return true;
        }
        // Escape leaves a number as it is and gives the keys back to the square.
        if (key->key() == Qt::Key_Escape && qobject_cast<QSpinBox*>(watched)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                canvas_->setFocus();
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
