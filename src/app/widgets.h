// The window's own widget kinds: the edit field bound to one form control, and a preview layer.
#pragma once

#include "model/form.h"

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
    // Runs for every character typed into the field before the field inserts it (backspace and the
    // control characters of shortcuts included); false discards the key.
    using KeyFilter = std::function<bool(QChar)>;

    FieldEdit(EditorForm& form, const FieldId& id, QWidget* parent);

    const FieldId& id() const { return id_; }
    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }

signals:
    void doubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    FieldId id_;
    KeyFilter keyFilter_;
};

// One 255×255 layer of the preview, painting an image that the editor owns. With blackTransparent
// the black pixels are not painted, so the layer below shows through them.
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
