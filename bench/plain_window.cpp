// The editor's window as plain Qt widgets: every control of the layout table, of the same kind, at
// the same place, showing what it shows at design time (the default letter's values, the corner
// captions, the parameter fields' colours, the check marks, the bold "ROM"), in the same font and
// style, and nothing else: no binding, no commands, no START!, no second language. What Qt alone
// costs for this window: the start-up benchmark measures it beside the editor and the bare window,
// to tell the toolkit's share from ours.
#include "app/layout.h"
#include "model/form.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QWidget* plainWidget(const vertiloom::ControlSpec& spec, const QString& text, QWidget* parent)
{
    using vertiloom::Widget;
    switch (spec.widget) {
    case Widget::Label:
        return new QLabel(text, parent);
    case Widget::Edit:
        return new QLineEdit(text, parent);
    case Widget::CheckBox:
        return new QCheckBox(text, parent);
    case Widget::Radio:
        return new QRadioButton(text, parent);
    case Widget::Button:
    case Widget::BitBtn:
        return new QPushButton(text, parent);
    case Widget::Image:
        return new QWidget(parent);
    case Widget::Memo:
        return new QPlainTextEdit(text, parent);
    case Widget::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return panel;
    }
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vertiloom plain widgets"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    window.setFont(font);
    window.resize(vertiloom::kClientWidth, vertiloom::kClientHeight);

    // The design-time values, as the window's form holds them before anything runs.
    const vertiloom::EditorForm design;
    QHash<QString, QWidget*> panels;
    for (const vertiloom::ControlSpec& spec : vertiloom::layoutTable()) {
        QWidget* parent = spec.parent.isEmpty() ? &window : panels.value(spec.parent);
        const QString text = spec.id && !design.text(*spec.id).isEmpty() ? design.text(*spec.id) : spec.caption;
        QWidget* widget = plainWidget(spec, text, parent);
        widget->setObjectName(spec.name);
        if (spec.bold) {
            QFont bold = widget->font();
            bold.setBold(true);
            widget->setFont(bold);
        }
        if (spec.id && design.color(*spec.id).isValid()) {
            QPalette palette;
            palette.setColor(QPalette::Base, design.color(*spec.id));
            widget->setPalette(palette);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable() && spec.id)
            button->setChecked(design.checked(*spec.id));
        if (spec.geometry.width() > 0) {
            widget->setGeometry(spec.geometry);
        } else {
            widget->move(spec.geometry.topLeft());
            widget->adjustSize();
        }
        if (spec.hidden)
            widget->hide();
        if (spec.widget == vertiloom::Widget::Panel)
            panels.insert(spec.name, widget);
    }
    window.show();
    return QApplication::exec();
}
