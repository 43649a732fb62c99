// The board's picture tool: the tracing picture moved with a drag and sized with the wheel; see
// boardtools.h.
#include "app/boardtools.h"
#include "app/drawingboard.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace vertiloom {

void PictureTool::press(QMouseEvent* event)
{
    if (!canvas_.hasBackground())
        return;
    pressAt_ = event->position();
    startOffset_ = canvas_.backgroundOffset();
}

void PictureTool::move(QMouseEvent* event)
{
    if (pressAt_)
        canvas_.setBackgroundPlace(canvas_.backgroundScale(),
                                   startOffset_ + (event->position() - *pressAt_) / canvas_.zoom());
}

void PictureTool::release(QMouseEvent* event)
{
    move(event);
    pressAt_.reset();
}

bool PictureTool::cancel()
{
    if (!pressAt_)
        return false;
    canvas_.setBackgroundPlace(canvas_.backgroundScale(), startOffset_);
    pressAt_.reset();
    return true;
}

bool PictureTool::wheel(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0 || !canvas_.hasBackground() || event->modifiers() & Qt::ControlModifier)
        return false;
    canvas_.setBackgroundPlace(static_cast<int>(std::lround(canvas_.backgroundScale() * std::pow(1.1, steps))),
                               canvas_.backgroundOffset());
    return true;
}

Intent PictureTool::intent() const { return canvas_.hasBackground() ? Intent::MovePicture : Intent::None; }

} // namespace vertiloom
