// The window's own widget kinds: the edit field bound to one form control, and a preview layer.
#pragma once

#include "model/form.h"

#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QWidget>
#include <functional>

namespace vertiloom {

// A single-line field that shows one control of the form. Its length limit is the form's: typing
// may not make the text longer than the limit, but a text the program wrote is never cut.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    // What the window asks of a field's keys. beforeKey runs ahead of every key that carries text
    // (the control characters of Delete, Backspace and the shortcuts included). accepts judges the
    // characters a key would insert, and a pasted text as a whole: a refused key is discarded
    // silently, a refused paste inserts nothing and pasteRefused runs. Keys that edit or move and
    // the editing shortcuts work as in any line edit.
    struct KeyFilter {
        std::function<void()> beforeKey;
        std::function<bool(const QString&)> accepts;
        std::function<void()> pasteRefused;
    };

    FieldEdit(EditorForm& form, const FieldId& id, QWidget* parent);

    const FieldId& id() const { return id_; }
    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }

    // The editor's one history, which the undo and redo keys and the context menu's Undo and Redo
    // reach instead of the line edit's own.
    struct History {
        std::function<void()> undo;
        std::function<void()> redo;
        std::function<bool()> canUndo;
        std::function<bool()> canRedo;
    };
    void setHistory(History history) { history_ = std::move(history); }

signals:
    void doubleClicked();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Whether the clipboard's text may be pasted; a refused paste is reported.
    bool pasteAccepted(QClipboard::Mode mode);

    FieldId id_;
    KeyFilter keyFilter_;
    History history_;
};

// The undo and redo keys of the desktop, Ctrl+Y and Ctrl+Shift+Z included: -1 undo, 1 redo, 0 neither.
int historyKey(const QKeyEvent* event);

// One 255×255 layer of the preview, painting an image that the editor owns. With blackTransparent
// the black pixels are not painted, so the layer below shows through them.
// The image with its black pixels made transparent: a layer seen over another.
QImage blackMadeTransparent(const QImage& image);

class PreviewImage : public QWidget {
    Q_OBJECT
public:
    PreviewImage(const QImage& image, bool blackTransparent, QWidget* parent);

signals:
    // A click (press and release of the left button) that is not part of a double click, at the
    // pixel where the button went down.
    void clicked(QPoint pixel);
    void doubleClicked();
    void mouseMoved(QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const QImage& image_;
    bool blackTransparent_;
    QImage shown_;
    qint64 shownKey_ = 0;
    bool pressed_ = false;
    QPoint pressedAt_;
    bool inDoubleClick_ = false;
};

} // namespace vertiloom
