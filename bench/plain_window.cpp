// The editor's window as plain Qt widgets: every control of the layout table, of the same kind, at
// the same place, with its design-time caption and the same font and style, and nothing else (no
// form, no binding, no commands, no START!). What Qt alone costs for this window: the start-up
// benchmark measures it beside the editor and the bare window, to tell the toolkit's share from ours.
#include "app/layout.h"

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

QWidget* plainWidget(const vertiloom::ControlSpec& spec, QWidget* parent)
{
    using vertiloom::Widget;
    switch (spec.widget) {
    case Widget::Label:
        return new QLabel(spec.caption, parent);
    case Widget::Edit:
        return new QLineEdit(spec.caption, parent);
    case Widget::CheckBox:
        return new QCheckBox(spec.caption, parent);
    case Widget::Radio:
        return new QRadioButton(spec.caption, parent);
    case Widget::Button:
    case Widget::BitBtn:
        return new QPushButton(spec.caption, parent);
    case Widget::Image:
        return new QWidget(parent);
    case Widget::Memo:
        return new QPlainTextEdit(spec.caption, parent);
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

    QHash<QString, QWidget*> panels;
    for (const vertiloom::ControlSpec& spec : vertiloom::layoutTable()) {
        QWidget* parent = spec.parent.isEmpty() ? &window : panels.value(spec.parent);
        QWidget* widget = plainWidget(spec, parent);
        widget->setObjectName(spec.name);
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
