// The drawing board: a second window over the same editor, where the letter is drawn with the mouse.
// It shows the letter as the fields hold it (the letter layer as the last START! drew it, or, after
// the fields changed without START!, as START! would draw them), enlarged by a whole factor with its
// pixels kept sharp, and over it a grid, the axes, the point numbers and a handle on each checked
// point. Its tools (boardtools.h) turn the mouse and keys into the editor's commands, each one step of
// the main window's undo history, so the main window and the board always show the same letter. What
// only the board holds (zoom, the selection, the pen's corners so far, a tracing picture) is view
// state, never a step.
#pragma once

#include "commands/commands.h"

#include <QImage>
#include <QMainWindow>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QScrollArea;
class QPainter;
class QSpinBox;
class QToolBar;
class QToolButton;

namespace vertiloom {

class MainWindow;
class BoardTool;
enum class Intent;

// The square of 256 x 256 units at zoom Z (Z screen pixels a unit) with a margin around it. It shows
// the letter as the fields hold it, and forwards the mouse and the keys to the active tool.
class BoardCanvas : public QWidget {
    Q_OBJECT
public:
    BoardCanvas(MainWindow& main, Editor& editor, QWidget* parent);
    ~BoardCanvas() override;

    enum class Tool { Select, Pen, Picture };
    static constexpr int kMargin = 12;
    static constexpr int kReach = 6; // screen pixels within which a handle is hit or a point snaps

    Editor& editor() const { return editor_; }
    MainWindow& main() const { return main_; }

    int zoom() const { return zoom_; }
    // With the cursor over the square, about the unit under it.
    void setZoom(int zoom);
    Tool tool() const { return tool_; }
    void setTool(Tool tool);
    BoardTool& activeTool() const;
    bool grid() const { return grid_; }
    void setGrid(bool on);
    bool snapping() const { return snapping_; }
    void setSnapping(bool on);
    // Units within which a handle is hit or a point snaps.
    double reach() const { return double(kReach) / zoom_; }

    // The board's one dispatcher: the command as one step of the undo history (steps of one merge
    // key in a row are one); a refusal goes to the status line, in the board's warning colour, with
    // a beep. True when it ran to its end.
    bool act(const std::function<void()>& command, const QString& mergeKey = QString());
    // The same for a check that changes nothing.
    bool check(const std::function<void()>& command);
    // The last refusal, until the next press or key on the square.
    QString warning() const { return warning_; }
    void setWarning(const QString& warning);

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
    // The picture's visible content (what is neither transparent nor the colour of its corners) sized
    // and moved onto the box of the letter's points (the whole square when there are fewer than two).
    void fitBackground();
    // Where the picture's pixels lie in units (unit u spans u..u+1): its placement on the square.
    QTransform backgroundPlacement() const;
    const QImage& background() const { return background_; }

    // A fitted letter shown over the letter before it is taken: Enter takes it (one undo step),
    // Escape drops it. View state: while it shows, the letter is as it was.
    const std::optional<FitPreview>& fitPreview() const { return fit_; }
    void showFit(const FitPreview& preview);
    // The same source fitted again with other options; a refusal goes to the status line and the
    // preview stays as it was. True when it was fitted again.
    bool refitWith(const FitOptions& options);
    // The preview's letter into the fields as one step of the history, and the preview gone.
    bool takeFit();
    void dropFit();

    // Where a unit's centre is on the canvas, and which position in units a canvas point is.
    QPointF centreOf(QPoint unit) const;
    QPointF unitPosition(QPointF at) const;
    // The cursor in units while it is over the square.
    std::optional<QPointF> cursorUnits() const { return cursor_; }
    // The point whose handle is under the cursor, or 0.
    int hovered() const { return hovered_; }
    // What a press would do where the cursor is.
    Intent intent() const;

    // The status line: the unit under the cursor, the point there, the selection, the tool's word.
    QString status() const;

    // Keys of the board that act on the canvas: the tool's, then Escape, Delete, Ctrl+A, the arrows.
    bool handleKey(QKeyEvent* event);
    // Ctrl+C: the selected points and the polygons on them into the clipboard, in the editor's own
    // form and as an SVG drawing. Ctrl+V: the clipboard's points (or SVG drawing) into the letter, one
    // undo step; the new points are selected.
    void copy();
    void paste();
    // Delete: the selected points out of the letter and out of every polygon, one undo step.
    void deleteSelection();
    // Ctrl+Z on the board: the tool's own (the pen's last corner) first, else the history's step.
    void undo();
    // The transforms of the toolbar, on the selection (every checked point when it is empty).
    void transform(const Transform& transform);
    // After a change of the fields or the selection: the handle under the cursor and the cursor.
    void updateHover();

signals:
    void statusChanged();
    void zoomChanged(int zoom);
    // The zoom changed with the cursor over the square: the unit it was over should stay under the
    // screen point global (the window scrolls).
    void zoomedAbout(QPointF unit, QPoint global);
    void backgroundPlaceChanged();
    void selectionChanged();
    // A fitted letter came, changed or went.
    void fitChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; } // Tab stays on the square

private:
    // The picture on the square in units, and in the canvas's pixels.
    QRectF backgroundUnits() const;
    QRectF backgroundRect() const;
    void paintFit(QPainter& painter) const;
    // The letter as the fields hold it: START!'s drawing, or the fields' own when they changed since.
    const QImage& letterImage();

    MainWindow& main_;
    Editor& editor_;
    int zoom_ = 3;
    Tool tool_ = Tool::Select;
    std::unique_ptr<BoardTool> select_;
    std::unique_ptr<BoardTool> pen_;
    std::unique_ptr<BoardTool> picture_;
    bool grid_ = true;
    bool snapping_ = false;
    QList<int> selection_;
    std::optional<QPointF> cursor_; // in units
    int hovered_ = 0;
    QString warning_;

    QImage background_;
    int backgroundOpacity_ = 40;
    int backgroundScale_ = 100;
    QPointF backgroundOffset_;

    std::optional<FitPreview> fit_;

    // The letter drawn from the fields after they changed without START!; the letter layer's key when
    // it was made.
    bool fieldsChanged_ = false;
    qint64 layerKey_ = 0;
    QImage fromFields_;
    // The letter and the picture as the square shows them, made again only when they change.
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
    // The texts of the window in the language installed (installTranslations), the editor's.
    void setLanguage(int language);
    // After any command: the canvas and the status line show the editor as it is now.
    void refresh();
    // Zoom so that the square fills the window's visible area.
    void fitZoom();

    // A fitted letter shown over the letter (BoardCanvas::showFit) from a drawing or picture chosen
    // in an open dialog, from a font's character, or from the tracing picture as it is placed (into
    // the box its dark shape covers). A cancelled dialog does nothing; a source that can't be fitted
    // is said in an error box; tracing without a picture is refused on the status line.
    void fitDrawing();
    void letterFromFont();
    void tracePicture();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void chooseBackground();
    // The menu's texts of the actions whose toolbar text is "Apply", with the toolbar's numbers.
    void showMenuTexts();
    // The toolbar's numbers of the selected point, or the measures of two.
    void showSelected();
    // The selected point put where its two numbers say, one of them being typed into.
    void moveSelectedTo(const QSpinBox* typedInto);
    // The fit bar: shown with the style and box of the fitted letter while one shows, else hidden;
    // and the preview fitted again with what the bar says.
    void showFitBar();
    void refitFromBar();
    // The fitted letter make gives (nothing when a dialog was cancelled) shown on the square.
    void startFit(const std::function<std::optional<FitPreview>()>& make);

    MainWindow& main_;
    Editor& editor_;
    Platform& platform_;
    BoardCanvas* canvas_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* warning_ = nullptr;
    QLabel* scaleLabel_ = nullptr;
    QLabel* moveLabel_ = nullptr;
    QSpinBox* scalePercent_ = nullptr;
    QSpinBox* moveX_ = nullptr;
    QSpinBox* moveY_ = nullptr;
    QLabel* pointLabel_ = nullptr;
    QSpinBox* pointX_ = nullptr;
    QSpinBox* pointY_ = nullptr;
    QLabel* pointHex_ = nullptr;
    QList<QAction*> pointShown_; // the toolbar's places of the two numbers
    QSpinBox* opacity_ = nullptr;
    QSpinBox* backgroundScale_ = nullptr;
    QSpinBox* backgroundX_ = nullptr;
    QSpinBox* backgroundY_ = nullptr;
    QList<QAction*> actions_;
    QToolBar* fitBar_ = nullptr;
    QLabel* fitLabel_ = nullptr;
    QComboBox* fitStyle_ = nullptr;
    QLabel* fitBoxLabel_ = nullptr;
    QList<QSpinBox*> fitBox_; // x0, y0, x1, y1
    QLabel* fitReport_ = nullptr;
    QMenu* menu_ = nullptr; // the square's right-click menu
};

} // namespace vertiloom
