// The board's select tool: clicks and drags on handles, the rubber band; see boardtools.h.
#include "app/boardtools.h"
#include "app/drawingboard.h"
#include "app/mainwindow.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vertiloom {

namespace {

const char* const kMergeDrag = "board-drag";
const QColor kBand{255, 160, 0};

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

void SelectTool::press(QMouseEvent* event)
{
    pressAt_ = event->position();
    pressedPoint_ = canvas_.hovered();
    gesture_ = Gesture::Pending;
}

void SelectTool::move(QMouseEvent* event)
{
    // In units, from the press.
    const QPointF moved = (event->position() - pressAt_) / canvas_.zoom();
    // A press that moves less than a unit is a click; from the first whole unit it is a drag.
    if (gesture_ == Gesture::Pending && std::max(std::abs(moved.x()), std::abs(moved.y())) >= 1) {
        if (pressedPoint_ != 0) {
            // The grabbed point, or the whole selection when it is one of it.
            const QList<int> selected = canvas_.selection();
            const QList<int> moving = selected.contains(pressedPoint_) ? selected : QList<int>{pressedPoint_};
            dragStart_ = only(letterPoints(canvas_.editor().form), moving);
            dragDelta_ = {};
            canvas_.main().endMerge();
            gesture_ = Gesture::Drag;
        } else {
            gesture_ = Gesture::Band;
        }
    }
    if (gesture_ == Gesture::Drag)
        dragTo(moved, event->modifiers());
    else if (gesture_ == Gesture::Band)
        bandEnd_ = event->position();
}

void SelectTool::dragTo(QPointF moved, Qt::KeyboardModifiers modifiers)
{
    const auto grabbed = std::find_if(dragStart_.cbegin(), dragStart_.cend(),
                                      [this](const UnitPoint& p) { return p.n == pressedPoint_; });
    if (grabbed == dragStart_.cend())
        return;
    const QPoint from(grabbed->x, grabbed->y);
    QPoint delta(static_cast<int>(std::trunc(moved.x())), static_cast<int>(std::trunc(moved.y())));
    if (canvas_.snapping()) {
        QList<UnitPoint> others = letterPoints(canvas_.editor().form);
        others.removeIf([this](const UnitPoint& p) {
            return std::any_of(dragStart_.cbegin(), dragStart_.cend(), [&p](const UnitPoint& d) { return d.n == p.n; });
        });
        delta = snapped(QPointF(from) + QPointF(0.5, 0.5) + moved, others, canvas_.reach()) - from;
    }
    if (modifiers & Qt::ShiftModifier)
        (std::abs(delta.x()) >= std::abs(delta.y()) ? delta.ry() : delta.rx()) = 0;
    delta = insideDelta(dragStart_, delta);
    if (delta == dragDelta_)
        return;
    dragDelta_ = delta;
    QList<UnitPoint> points = dragStart_;
    for (UnitPoint& p : points) {
        p.x += delta.x();
        p.y += delta.y();
    }
    Editor& editor = canvas_.editor();
    canvas_.act([&editor, points] { movePoints(editor, points); }, QString::fromLatin1(kMergeDrag));
}

bool SelectTool::cancel()
{
    const Gesture gesture = std::exchange(gesture_, Gesture::None);
    if (gesture != Gesture::Drag)
        return gesture == Gesture::Band;
    // The points back where they were: the drag's step comes back to where it began and is none.
    if (dragDelta_ != QPoint()) {
        Editor& editor = canvas_.editor();
        const QList<UnitPoint> start = dragStart_;
        canvas_.act([&editor, start] { movePoints(editor, start); }, QString::fromLatin1(kMergeDrag));
    }
    canvas_.main().endMerge();
    dragStart_.clear();
    return true;
}

void SelectTool::release(QMouseEvent* event)
{
    const Gesture gesture = std::exchange(gesture_, Gesture::None);
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool toggle = modifiers & Qt::ControlModifier;
    const bool add = modifiers & Qt::ShiftModifier;
    switch (gesture) {
    case Gesture::Drag:
        canvas_.main().endMerge();
        dragStart_.clear();
        break;
    case Gesture::Band: {
        const QList<int> inside = pointsInside(letterPoints(canvas_.editor().form), canvas_.unitPosition(pressAt_),
                                               canvas_.unitPosition(event->position()));
        QList<int> chosen = toggle || add ? canvas_.selection() : QList<int>{};
        for (const int n : inside) {
            if (!chosen.contains(n))
                chosen << n;
        }
        std::sort(chosen.begin(), chosen.end());
        canvas_.setSelection(chosen);
        break;
    }
    case Gesture::Pending:
        if (pressedPoint_ != 0) {
            // Ctrl toggles the point, Shift adds it, a plain click selects it alone.
            QList<int> chosen = toggle || add ? canvas_.selection() : QList<int>{};
            if (toggle && chosen.contains(pressedPoint_))
                chosen.removeAll(pressedPoint_);
            else if (!chosen.contains(pressedPoint_))
                chosen << pressedPoint_;
            std::sort(chosen.begin(), chosen.end());
            canvas_.setSelection(chosen);
            const int n = pressedPoint_;
            Editor& editor = canvas_.editor();
            canvas_.check([&editor, n] { editor.form.selectPoint(n); });
        } else if (!toggle && !add) {
            // Placing a point belongs to the pen: a click on empty space only clears the selection.
            canvas_.setSelection({});
        }
        break;
    case Gesture::None:
        break;
    }
}

Intent SelectTool::intent() const
{
    if (gesture_ == Gesture::Drag)
        return Intent::Move;
    return canvas_.hovered() != 0 ? Intent::Move : Intent::Select;
}

void SelectTool::paint(QPainter& painter) const
{
    if (gesture_ != Gesture::Band)
        return;
    painter.setPen(QPen(kBand, 1, Qt::DashLine));
    painter.setBrush(QColor(255, 160, 0, 40));
    painter.drawRect(QRectF(pressAt_, bandEnd_).normalized());
}

} // namespace vertiloom
