// The board's pen: a new polygon corner by corner; see boardtools.h.
#include "app/boardtools.h"
#include "app/drawingboard.h"
#include "app/mainwindow.h"
#include "model/messages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vertiloom {

namespace {

// The pen's points and its polygon are one undo step; what it takes back merges into it.
const char* const kMergePen = "board-pen";
const QColor kPenLine{255, 255, 0};

} // namespace

void PenTool::release(QMouseEvent* event) { click(canvas_.unitPosition(event->position())); }

void PenTool::click(QPointF at)
{
    Editor& editor = canvas_.editor();
    if (corners_.isEmpty()) {
        if (!canvas_.check([&editor] { checkPenCanStart(editor); }))
            return;
        canvas_.main().endMerge();
    }
    const int hit = pointAt(letterPoints(editor.form), at, canvas_.reach());
    if (hit != 0 && !corners_.isEmpty() && hit == corners_.front()) {
        close();
        return;
    }
    const int corners = static_cast<int>(corners_.size()) + 1;
    if (!canvas_.check([corners] { checkCornerCount(corners); }))
        return;
    if (hit != 0) {
        corners_ << hit;
        made_ << std::nullopt;
        return;
    }
    const QPoint unit = unitAt(at);
    QList<PointFields> before;
    for (int slot = 1; slot <= kPoints; ++slot)
        before << pointFields(editor, slot);
    int n = 0;
    if (!canvas_.act([&editor, unit, &n] { n = addPoint(editor, unit); }, QString::fromLatin1(kMergePen)))
        return;
    corners_ << n;
    made_ << before[n - 1];
}

void PenTool::close()
{
    if (corners_.size() < 2) {
        canvas_.setWarning(vertiloom::tr("A polygon needs two corners or more."));
        return;
    }
    Editor& editor = canvas_.editor();
    const QList<int> corners = corners_;
    if (!canvas_.act([&editor, corners] { addPolygon(editor, corners); }, QString::fromLatin1(kMergePen)))
        return;
    canvas_.main().endMerge();
    corners_.clear();
    made_.clear();
}

void PenTool::takeBack()
{
    if (corners_.isEmpty())
        return;
    corners_.removeLast();
    const std::optional<PointFields> made = made_.takeLast();
    if (made) {
        Editor& editor = canvas_.editor();
        const QList<PointFields> before{*made};
        canvas_.act([&editor, before] { putPointFields(editor, before); }, QString::fromLatin1(kMergePen));
    }
    if (corners_.isEmpty())
        canvas_.main().endMerge();
}

bool PenTool::cancel()
{
    if (corners_.isEmpty())
        return false;
    // Every point the pen made goes back as it was: its step comes back to where it began.
    QList<PointFields> before;
    for (const std::optional<PointFields>& made : std::as_const(made_)) {
        if (made)
            before << *made;
    }
    if (!before.isEmpty()) {
        Editor& editor = canvas_.editor();
        canvas_.act([&editor, before] { putPointFields(editor, before); }, QString::fromLatin1(kMergePen));
    }
    canvas_.main().endMerge();
    corners_.clear();
    made_.clear();
    return true;
}

bool PenTool::undo()
{
    if (corners_.isEmpty())
        return false;
    takeBack();
    return true;
}

bool PenTool::key(QKeyEvent* event)
{
    if (corners_.isEmpty())
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        return true;
    case Qt::Key_Backspace:
        takeBack();
        return true;
    default:
        return false;
    }
}

Intent PenTool::intent() const
{
    if (corners_.size() >= 2 && canvas_.hovered() == corners_.front())
        return Intent::Close;
    return Intent::Add;
}

void PenTool::paint(QPainter& painter) const
{
    if (corners_.isEmpty())
        return;
    // The polygon so far, and a line from its last corner to the cursor (to the handle under it).
    const QList<UnitPoint> points = letterPoints(canvas_.editor().form);
    const auto centre = [&](int n) -> std::optional<QPointF> {
        const auto it = std::find_if(points.cbegin(), points.cend(), [n](const UnitPoint& p) { return p.n == n; });
        return it == points.cend() ? std::nullopt : std::optional(canvas_.centreOf({it->x, it->y}));
    };
    QPolygonF line;
    for (const int n : corners_) {
        if (const std::optional<QPointF> c = centre(n))
            line << *c;
    }
    if (const std::optional<QPointF> cursor = canvas_.cursorUnits())
        line << centre(canvas_.hovered()).value_or(canvas_.centreOf(unitAt(*cursor)));
    painter.setPen(QPen(kPenLine, 1, Qt::DashLine));
    painter.drawPolyline(line);
}

QString PenTool::status() const
{
    if (corners_.isEmpty())
        return vertiloom::tr("pen: click to place the first corner");
    if (intent() == Intent::Close)
        return vertiloom::tr("pen: %1 corners, click closes the polygon").arg(corners_.size());
    return vertiloom::tr("pen: %1 corners (Enter closes, Backspace takes the last back)").arg(corners_.size());
}

} // namespace vertiloom
