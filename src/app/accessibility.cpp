// Names and descriptions for screen readers; see accessibility.h.
#include "app/accessibility.h"

#include "model/messages.h"
#include "preview/description.h"

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace vertiloom {

namespace {

// The word fields: Edit2..Edit6 spell PAUSE, Edit7..Edit14 GAME OVER.
constexpr int kPauseFields = 5;

void setName(QWidget* widget, const QString& name)
{
    if (widget && widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void setDescription(QWidget* widget, const QString& description)
{
    if (widget && widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

bool active = false;

// What waits for a screen reader, with the object it is for.
struct Waiting {
    QPointer<QObject> owner;
    std::function<void()> work;
};
std::vector<Waiting>& waiting()
{
    static std::vector<Waiting> list;
    return list;
}

void becomeActive()
{
    if (active)
        return;
    active = true;
    const std::vector<Waiting> list = std::move(waiting());
    waiting().clear();
    for (const Waiting& w : list) {
        if (w.owner)
            w.work();
    }
}

// Hears Qt's accessibility bridge come on (a screen reader started, before the program or after).
class Activation : public QAccessible::ActivationObserver {
public:
    Activation() { QAccessible::installActivationObserver(this); }
    void accessibilityActiveChanged(bool on) override
    {
        if (on)
            becomeActive();
    }
};

} // namespace

bool screenReaderActive() { return active; }

void whenScreenReaderActive(QObject* owner, std::function<void()> work)
{
    static Activation activation;
    if (QAccessible::isActive())
        becomeActive();
    if (active)
        work();
    else
        waiting().push_back({owner, std::move(work)});
}

QString accessibleName(const FieldId& id)
{
    switch (id.kind) {
    case Kind::X:
        return tr("x of point %1").arg(id.a);
    case Kind::Y:
        return tr("y of point %1").arg(id.a);
    case Kind::CheckBox:
        return id.a <= kPoints ? tr("point %1 in the letter").arg(id.a) : QString();
    case Kind::RadioButton:
        return id.a <= kPoints ? tr("place point %1 with a click on the preview").arg(id.a) : QString();
    case Kind::Dots:
        return tr("number of points, hexadecimal");
    case Kind::Polygons:
        return tr("number of polygons, hexadecimal");
    case Kind::Degree:
        return tr("corners of polygon %1").arg(id.a);
    case Kind::Pol:
        return tr("corner %1 of polygon %2: point").arg(id.b).arg(id.a);
    case Kind::IPol:
        return tr("corner %1 of polygon %2: parameter").arg(id.b).arg(id.a);
    case Kind::CheckPol:
        return tr("corner %1 of polygon %2 in use").arg(id.b).arg(id.a);
    case Kind::Addr:
        return tr("offset of the letter in the file, hexadecimal");
    case Kind::Memo:
        return tr("the letter's record");
    case Kind::Edit:
        if (id.a < 2)
            return {};
        return id.a < 2 + kPauseFields ? tr("PAUSE, letter %1").arg(id.a - 1)
                                       : tr("GAME OVER, letter %1").arg(id.a - 1 - kPauseFields);
    case Kind::Button:
        if (id.a == 4)
            return tr("next letter of the catalogue");
        if (id.a == 5)
            return tr("previous letter of the catalogue");
        return {};
    case Kind::BitBtn:
        switch (id.a) {
        case 1:
            return tr("reload the letter from the file");
        case 2:
            return tr("clear the letter");
        case 3:
            return tr("read the words from the ROM image");
        case 4:
            return tr("write the words into the ROM image");
        }
        return {};
    case Kind::Label:
        return {};
    }
    return {};
}

void nameControls(QWidget* window, const QHash<FieldId, QWidget*>& widgets)
{
    for (auto it = widgets.cbegin(); it != widgets.cend(); ++it) {
        const QString name = accessibleName(it.key());
        if (!name.isEmpty())
            setName(it.value(), name);
    }
    setName(window->findChild<QWidget*>(QStringLiteral("Panel1")), tr("ROM variant"));
    setName(window->findChild<QWidget*>(QStringLiteral("Image1")), tr("preview of the letter"));
    setName(window->findChild<QWidget*>(QStringLiteral("Image2")), tr("point numbers and axes over the preview"));
}

void describeLetter(const EditorForm& form, std::initializer_list<QWidget*> previewLayers, QWidget* boardSquare)
{
    if (!active)
        return;
    const QString description = letterDescription(form);
    for (QWidget* layer : previewLayers)
        setDescription(layer, description);
    if (boardSquare) {
        setName(boardSquare, tr("the drawing board's square"));
        setDescription(boardSquare, description);
    }
}

} // namespace vertiloom
