// EditorForm: every value the window shows (field texts, check states, captions, echo labels,
// colours, enabled flags, length limits, the memo and its form) with the fields' change reactions.
#pragma once

#include "model/fields.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

namespace vertiloom {

// Whether the memo holds plain record text or its tagged form for the hex editor.
enum class MemoForm { Plain, Translhextion };

class EditorForm : public QObject {
    Q_OBJECT
public:
    // A form holding the default letter with the design-time decorations: check box captions of
    // corners "xy", parameter fields in the ordinary window colour, echo labels as designed.
    explicit EditorForm(QObject* parent = nullptr);

    // Text of an edit field or the memo, or caption of a label, button or check box.
    QString text(const FieldId& id) const;
    // Stores the text; when it differs from the old one, notifies and runs the field's change
    // reaction, as a line edit does.
    void setText(const FieldId& id, const QString& text);

    bool checked(const FieldId& id) const;
    void setChecked(const FieldId& id, bool checked);

    // Fill colour of an edit field; invalid for controls that have none of their own.
    QColor color(const FieldId& id) const;
    void setColor(const FieldId& id, const QColor& color);

    bool enabled(const FieldId& id) const;
    void setEnabled(const FieldId& id, bool enabled);

    // Longest text the user may type; -1 is no limit. Text written by the program is not limited.
    int maxLength(const FieldId& id) const;
    void setMaxLength(const FieldId& id, int length);

    MemoForm memoForm() const { return memoForm_; }
    void setMemoForm(MemoForm form);

    // The point that a click on the preview places: the one selected among RadioButton1..20.
    int selectedPoint() const;
    // Selects point n and deselects the other nineteen.
    void selectPoint(int n);

    // Every value of one control; the whole set is what the undo history compares and restores.
    struct Control {
        QString text;
        bool checked = false;
        QColor color;
        bool enabled = true;
        int maxLength = -1;
        friend bool operator==(const Control&, const Control&) = default;
    };
    // Indexed by fieldSlot: control i is fieldAtSlot(i).
    using Controls = QList<Control>;
    // All controls; a copy is cheap (shared until either side changes).
    const Controls& controls() const { return controls_; }
    // Puts one control back as it was and notifies; no change reaction runs, since the values put
    // back already are what the reactions made of them.
    void restore(const FieldId& id, const Control& values);

signals:
    // Some property of the control with this id changed.
    void changed(const vertiloom::FieldId& id);

private:
    Control& control(const FieldId& id);
    const Control* find(const FieldId& id) const;
    void react(const FieldId& id);
    void showByteCount();

    Controls controls_ = Controls(kFieldSlots);
    QHash<FieldId, Control> others_; // an id the window has no control for (a slip: asserted)
    MemoForm memoForm_ = MemoForm::Plain;
};

// The caption of a corner's check box once its reference field reads this text: "xy " and the
// number of the point it names ("xy 1" for "00"), as the field's change reaction writes it.
QString cornerCaption(const QString& reference);

} // namespace vertiloom
