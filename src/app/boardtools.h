// The drawing board's tools: each turns the mouse and keys on the square into the editor's commands
// (through the board's one dispatcher), says with the cursor what a press will do, and paints what
// only it shows. The canvas forwards its events to the tool that is active.
#pragma once

#include "commands/commands.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <optional>

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWheelEvent;

namespace vertiloom {

class BoardCanvas;

// What a press of the left button would do where the cursor is.
enum class Intent { None, Select, Move, Add, Close, MovePicture };

class BoardTool {
public:
    explicit BoardTool(BoardCanvas& canvas) : canvas_(canvas) {}
    virtual ~BoardTool() = default;
    BoardTool(const BoardTool&) = delete;
    BoardTool& operator=(const BoardTool&) = delete;

    virtual void press(QMouseEvent* event) = 0;
    virtual void move(QMouseEvent* event) = 0;
    virtual void release(QMouseEvent* event) = 0;
    // Each returns true when the tool took the event.
    virtual bool wheel(QWheelEvent*) { return false; }
    virtual bool key(QKeyEvent*) { return false; }
    // Escape: true when the tool had something of its own to cancel.
    virtual bool cancel() { return false; }
    // Ctrl+Z: true when the tool takes back something of its own instead of the history's step.
    virtual bool undo() { return false; }
    // Another tool takes over.
    virtual void leave() {}

    virtual Intent intent() const = 0;
    // Over the letter and its handles.
    virtual void paint(QPainter&) const {}
    // The tool's part of the status line, in the language installed.
    virtual QString status() const { return {}; }

protected:
    BoardCanvas& canvas_;
};

// Select: click, Shift+click and Ctrl+click a handle, drag handles, a rubber band from empty space;
// a click on empty space clears the selection.
class SelectTool : public BoardTool {
public:
    using BoardTool::BoardTool;
    void press(QMouseEvent* event) override;
    void move(QMouseEvent* event) override;
    void release(QMouseEvent* event) override;
    bool cancel() override;
    void leave() override { cancel(); }
    Intent intent() const override;
    void paint(QPainter& painter) const override;

private:
    void dragTo(QPointF moved, Qt::KeyboardModifiers modifiers);

    enum class Gesture { None, Pending, Drag, Band } gesture_ = Gesture::None;
    QPointF pressAt_;      // canvas pixels
    int pressedPoint_ = 0; // the handle under the press
    QList<UnitPoint> dragStart_;
    QPoint dragDelta_;
    QPointF bandEnd_;
};

// The pen: each click a corner (a handle's point, or a new point on empty space); a click on the
// first corner or Enter closes the polygon; Backspace (Ctrl+Z) takes the last corner back; Escape
// drops the polygon and the points it made.
class PenTool : public BoardTool {
public:
    using BoardTool::BoardTool;
    void press(QMouseEvent*) override {}
    void move(QMouseEvent*) override {}
    void release(QMouseEvent* event) override;
    bool key(QKeyEvent* event) override;
    bool cancel() override;
    bool undo() override;
    void leave() override { cancel(); }
    Intent intent() const override;
    void paint(QPainter& painter) const override;
    QString status() const override;

    const QList<int>& corners() const { return corners_; }

private:
    void click(QPointF at);
    void close();
    void takeBack();

    QList<int> corners_;
    // For each corner, the fields of the point it made as they were before, or nothing when it used
    // a point that was there.
    QList<std::optional<PointFields>> made_;
};

// The tracing picture: a drag moves it, the wheel sizes it.
class PictureTool : public BoardTool {
public:
    using BoardTool::BoardTool;
    void press(QMouseEvent* event) override;
    void move(QMouseEvent* event) override;
    void release(QMouseEvent* event) override;
    bool wheel(QWheelEvent* event) override;
    bool cancel() override;
    Intent intent() const override;

private:
    std::optional<QPointF> pressAt_;
    QPointF startOffset_;
};

} // namespace vertiloom
