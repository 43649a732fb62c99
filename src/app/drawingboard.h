// The drawing board: a second window over the same editor, where the letter is drawn with the mouse.
// It shows the letter layer as the last START! drew it, enlarged by a whole factor with its pixels
// kept sharp, and over it a grid, the axes, the point numbers and a handle on each checked point.
// Its mouse and keys become the editor's commands, each one step of the main window's undo history,
// so the main window and the board always show the same letter. What only the board holds (zoom,
// the selection, the pen's corners so far, a tracing picture) is view state, never a step.
#pragma once

#include "commands/commands.h"

#include <QImage>
#include <QMainWindow>
#include <QPointF>
#include <QWidget>

class QAction;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace vertiloom {

class MainWindow;

// The square of 256 x 256 units at zoom Z (Z screen pixels a unit) with a margin around it, and
// everything the mouse does on it.
class BoardCanvas : public QWidget {
    Q_OBJECT
public:
    BoardCanvas(MainWindow& main, Editor& editor, Platform& platform, QWidget* parent);

    enum class Tool { Select, Pen };
    static constexpr int kMargin = 12;
    static constexpr int kReach = 6; // screen pixels within which a handle is hit or a point snaps

    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    Tool tool() const { return tool_; }
    void setTool(Tool tool);
    bool grid() const { return grid_; }
    void setGrid(bool on);
    bool snapping() const { return snapping_; }
    void setSnapping(bool on) { snapping_ = on; }

    // The numbers of the selected points that are checked, in number order.
    QList<int> selection() const;
    void setSelection(const QList<int>& numbers);

    // A tracing picture under the letter: fitted to the square, then scaled by percent about its
    // centre and moved by offset units. Null clears it.
    void setBackground(const QImage& picture);
    bool hasBackground() const { return !background_.isNull(); }
    void setBackgroundOpacity(int percent);
    void setBackgroundPlace(int percent, QPointF offset);
    int backgroundScale() const { return backgroundScale_; }
    QPointF backgroundOffset() const { return backgroundOffset_; }

    // Where a unit's centre is on the canvas, and which position in units a canvas point is.
    QPointF centreOf(QPoint unit) const;
    QPointF unitPosition(QPointF at) const;

    // The status line: the unit under the cursor and the selection.
    QString status() const;

    // Keys of the board that act on the canvas: Escape, Enter, Delete, Ctrl+A, the arrows.
    bool handleKey(QKeyEvent* event);
    // The transforms of the toolbar, on the selection (every checked point when it is empty).
    void transform(const Transform& transform);

signals:
    void statusChanged();
    void zoomChanged(int zoom);
    void backgroundPlaceChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double reach() const { return double(kReach) / zoom_; }
    void penClick(QPointF at);
    void closePolygon();
    void dropPen();
    void dragTo(QPointF at, Qt::KeyboardModifiers modifiers);
    void cancelDrag();
    QRectF backgroundRect() const;

    MainWindow& main_;
    Editor& editor_;
    Platform& platform_;
    int zoom_ = 3;
    Tool tool_ = Tool::Select;
    bool grid_ = true;
    bool snapping_ = false;
    QList<int> selection_;
    std::optional<QPointF> cursor_; // in units

    // A press of the left button, until its release.
    enum class Gesture { None, Pending, Drag, Band, Background } gesture_ = Gesture::None;
    QPointF pressAt_;      // in canvas pixels
    int pressedPoint_ = 0; // the handle under the press
    QList<UnitPoint> dragStart_;
    QPoint dragDelta_;
    QPointF bandEnd_;
    QPointF backgroundStart_;

    // The pen's polygon so far, and the points it made (their fields as they were before).
    QList<int> penCorners_;
    QList<PointFields> penNewPoints_;

    QImage background_;
    int backgroundOpacity_ = 40;
    int backgroundScale_ = 100;
    QPointF backgroundOffset_;

    // The letter layer and the picture as the square shows them, made again only when they change.
    QImage letterShown_;
    qint64 letterShownKey_ = 0;
    QImage backgroundShown_;
    QString backgroundShownKey_;
};

class DrawingBoard : public QMainWindow {
    Q_OBJECT
public:
    DrawingBoard(MainWindow& main, Editor& editor, Platform& platform);

    BoardCanvas* canvas() const { return canvas_; }
    // The texts of the window in the language (1 Russian, 2 English).
    void setLanguage(int language);
    // After any command: the canvas and the status line show the editor as it is now.
    void refresh();
    // Zoom so that the square fills the window's visible area.
    void fitZoom();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void chooseBackground();

    MainWindow& main_;
    Editor& editor_;
    Platform& platform_;
    int language_ = 1;
    BoardCanvas* canvas_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* status_ = nullptr;
    QSpinBox* scalePercent_ = nullptr;
    QSpinBox* moveX_ = nullptr;
    QSpinBox* moveY_ = nullptr;
    QSpinBox* opacity_ = nullptr;
    QSpinBox* backgroundScale_ = nullptr;
    QSpinBox* backgroundX_ = nullptr;
    QSpinBox* backgroundY_ = nullptr;
    QList<QAction*> actions_;
};

} // namespace vertiloom
