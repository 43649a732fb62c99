// The bound edit field and the preview layer; see widgets.h.
#include "app/widgets.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QValidator>

namespace vertiloom {

namespace {

// Refuses an edit that makes the text longer than the form's limit. While the field validates,
// the form still holds the text from before the edit, so a text that was already longer (written
// by the program before the limit was set) may stay, shrink or be typed over, but not grow.
class LengthLimit : public QValidator {
public:
    LengthLimit(const EditorForm& form, const FieldId& id, QObject* parent) : QValidator(parent), form_(form), id_(id)
    {
    }

    State validate(QString& input, int&) const override
    {
        const int limit = form_.maxLength(id_);
        if (limit >= 0 && input.size() > limit && input.size() > form_.text(id_).size())
            return Invalid;
        return Acceptable;
    }

private:
    const EditorForm& form_;
    FieldId id_;
};

// The characters a key would insert. Keys that edit, move or run a shortcut insert none: they carry
// no text, a control character (Delete is 0x7F, Ctrl with a letter that letter's control
// character), or a letter with Ctrl held, which the line edit does not insert either.
QString typedText(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return {};
    QString typed;
    for (const QChar c : event->text()) {
        if (c.category() != QChar::Other_Control)
            typed += c;
    }
    return typed;
}

} // namespace

FieldEdit::FieldEdit(EditorForm& form, const FieldId& id, QWidget* parent) : QLineEdit(parent), id_(id)
{
    setValidator(new LengthLimit(form, id, this));
}

int historyKey(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo))
        return -1;
    const QKeyCombination key = event->keyCombination();
    if (event->matches(QKeySequence::Redo) || key == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)
        || key == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
        return 1;
    return 0;
}

bool FieldEdit::event(QEvent* event)
{
    // The undo and redo keys come to the field as key presses rather than as the window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride && history_.undo && historyKey(static_cast<QKeyEvent*>(event)) != 0) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void FieldEdit::keyPressEvent(QKeyEvent* event)
{
    if (history_.undo) {
        if (const int key = historyKey(event)) {
            key < 0 ? history_.undo() : history_.redo();
            event->accept();
            return;
        }
    }
    if (keyFilter_.beforeKey && !event->text().isEmpty())
        keyFilter_.beforeKey();
    if (event->matches(QKeySequence::Paste)) {
        if (!pasteAccepted(QClipboard::Clipboard)) {
            event->accept();
            return;
        }
    } else if (keyFilter_.accepts) {
        const QString typed = typedText(event);
        if (!typed.isEmpty() && !keyFilter_.accepts(typed)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FieldEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // Where the desktop has a selection, the middle button pastes it.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && !pasteAccepted(QClipboard::Selection)) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FieldEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste goes through the same judgement as the shortcut. It is found by its
    // connection to paste(), which Qt makes by name (and might one day make by pointer).
    for (QAction* action : menu->actions()) {
        if (history_.undo) {
            const bool undo = disconnect(action, SIGNAL(triggered()), this, SLOT(undo()))
                              || disconnect(action, &QAction::triggered, this, &QLineEdit::undo);
            const bool redo = !undo
                              && (disconnect(action, SIGNAL(triggered()), this, SLOT(redo()))
                                  || disconnect(action, &QAction::triggered, this, &QLineEdit::redo));
            if (undo || redo) {
                action->setEnabled(undo ? history_.canUndo() : history_.canRedo());
                connect(action, &QAction::triggered, this, undo ? history_.undo : history_.redo);
                continue;
            }
        }
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))
            || disconnect(action, &QAction::triggered, this, &QLineEdit::paste)) {
            connect(action, &QAction::triggered, this, [this] {
                if (pasteAccepted(QClipboard::Clipboard))
                    paste();
            });
        }
    }
    menu->popup(event->globalPos());
}

void FieldEdit::dragEnterEvent(QDragEnterEvent* event)
{
    // A dragged file is for the window, which opens it; not a text for the field.
    if (event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void FieldEdit::dropEvent(QDropEvent* event)
{
    // A dropped text is judged as a pasted one.
    if (keyFilter_.accepts && !isReadOnly() && event->mimeData()->hasText()
        && !keyFilter_.accepts(event->mimeData()->text())) {
        if (keyFilter_.pasteRefused)
            keyFilter_.pasteRefused();
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

bool FieldEdit::pasteAccepted(QClipboard::Mode mode)
{
    if (!keyFilter_.accepts || isReadOnly())
        return true;
    if (keyFilter_.accepts(QGuiApplication::clipboard()->text(mode)))
        return true;
    if (keyFilter_.pasteRefused)
        keyFilter_.pasteRefused();
    return false;
}

void FieldEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

PreviewImage::PreviewImage(const QImage& image, bool blackTransparent, QWidget* parent)
    : QWidget(parent), image_(image), blackTransparent_(blackTransparent)
{
}

QImage blackMadeTransparent(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0)
                line[x] = 0;
        }
    }
    return out;
}

void PreviewImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!blackTransparent_) {
        painter.drawImage(0, 0, image_);
        return;
    }
    // The transparent copy is made again only when the layer has changed since the last paint.
    if (shown_.isNull() || shownKey_ != image_.cacheKey()) {
        shownKey_ = image_.cacheKey();
        shown_ = blackMadeTransparent(image_);
    }
    painter.drawImage(0, 0, shown_);
}

void PreviewImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        pressedAt_ = event->position().toPoint();
    }
}

void PreviewImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && !inDoubleClick_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    inDoubleClick_ = false;
    if (click)
        emit clicked(pressedAt_);
}

void PreviewImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The release that ends a double click is not a click of its own.
    pressed_ = true;
    inDoubleClick_ = true;
    emit doubleClicked();
}

void PreviewImage::mouseMoveEvent(QMouseEvent* event) { emit mouseMoved(event->position().toPoint()); }

} // namespace vertiloom
