// EditorForm: the window's values and the change reactions of the letter fields; see form.h.
#include "model/form.h"

#include "model/hex.h"

namespace vertiloom {

EditorForm::EditorForm(QObject* parent) : QObject(parent)
{
    // Design-time values: written straight into the controls, so no reaction runs for them.
    for (int n = 1; n <= kPoints; ++n) {
        control(FieldId::x(n)).text = QString::fromLatin1(DefaultLetter::x[n - 1]);
        control(FieldId::y(n)).text = QString::fromLatin1(DefaultLetter::y[n - 1]);
        Control& box = control(FieldId::checkBox(n));
        box.checked = true;
        box.text = QStringLiteral("xy ") + QString::number(n);
        control(FieldId::radio(n)).checked = (n == 1);
    }
    control(FieldId::dots()).text = QStringLiteral("14");
    control(FieldId::polygons()).text = QStringLiteral("07");
    for (int p = 1; p <= kPolygons; ++p) {
        control(FieldId::degree(p)).text = p <= 3 ? QStringLiteral("04") : QStringLiteral("FF");
        control(degreeEcho(p)).text = p <= 3 ? QStringLiteral("4") : QStringLiteral("255");
        for (int k = 1; k <= kCorners; ++k) {
            const bool used = p <= 7 && k <= 4;
            Control& pol = control(FieldId::pol(p, k));
            pol.text = used ? QString::fromLatin1(DefaultLetter::pol[p - 1][k - 1]) : QStringLiteral("00");
            pol.color = polygonColor(p);
            Control& ipol = control(FieldId::ipol(p, k));
            ipol.text = used ? QString::fromLatin1(DefaultLetter::ipol[p - 1][k - 1]) : QStringLiteral("00");
            ipol.color = kWindowColor;
            Control& box = control(FieldId::checkPol(p, k));
            box.checked = used;
            box.text = QStringLiteral("xy");
        }
    }
    control(FieldId::label(22)).text = QStringLiteral("20");
    control(FieldId::label(23)).text = QStringLiteral("7");
    control(FieldId::addr()).text = QString::fromLatin1(DefaultLetter::addr);
    control(FieldId::memo()).text = QStringLiteral("Memo1");
    control(FieldId::edit(1));
    const QString words = QStringLiteral("PAUSEGAMEOVER");
    for (int i = 0; i < kWordFields; ++i)
        control(FieldId::edit(2 + i)).text = words.mid(i, 1);
    control(FieldId::label(20)).text = QStringLiteral("...");
    control(FieldId::label(32)).text = QStringLiteral("...");
    control(FieldId::label(33));
    control(FieldId::label(34)).text = QStringLiteral("P (59) 86");
    control(FieldId::checkBox(21)).checked = true;
    control(FieldId::checkBox(22)).checked = true;
    control(FieldId::radio(21)).checked = true;
    for (int n : {22, 23, 24, 28})
        control(FieldId::radio(n));
    for (int n = 1; n <= 11; ++n)
        control(FieldId::button(n));
    for (int n = 1; n <= 4; ++n)
        control(FieldId::bitBtn(n));
    control(FieldId::bitBtn(1)).enabled = false;
}

EditorForm::Control& EditorForm::control(const FieldId& id)
{
    const int slot = fieldSlot(id);
    Q_ASSERT_X(slot >= 0, "EditorForm", "an id the window has no control for");
    return slot >= 0 ? controls_[slot] : others_[id];
}

const EditorForm::Control* EditorForm::find(const FieldId& id) const
{
    const int slot = fieldSlot(id);
    if (slot >= 0)
        return &controls_.at(slot);
    const auto it = others_.constFind(id);
    return it == others_.cend() ? nullptr : &*it;
}

QString EditorForm::text(const FieldId& id) const
{
    const Control* c = find(id);
    return c ? c->text : QString();
}

void EditorForm::setText(const FieldId& id, const QString& text)
{
    Control& c = control(id);
    if (c.text == text)
        return;
    c.text = text;
    emit changed(id);
    react(id);
}

void EditorForm::restore(const FieldId& id, const Control& values)
{
    Control& c = control(id);
    if (c == values)
        return;
    c = values;
    emit changed(id);
}

bool EditorForm::checked(const FieldId& id) const
{
    const Control* c = find(id);
    return c && c->checked;
}

void EditorForm::setChecked(const FieldId& id, bool checked)
{
    Control& c = control(id);
    if (c.checked == checked)
        return;
    c.checked = checked;
    emit changed(id);
}

QColor EditorForm::color(const FieldId& id) const
{
    const Control* c = find(id);
    return c ? c->color : QColor();
}

void EditorForm::setColor(const FieldId& id, const QColor& color)
{
    Control& c = control(id);
    if (c.color == color)
        return;
    c.color = color;
    emit changed(id);
}

bool EditorForm::enabled(const FieldId& id) const
{
    const Control* c = find(id);
    return !c || c->enabled;
}

void EditorForm::setEnabled(const FieldId& id, bool enabled)
{
    Control& c = control(id);
    if (c.enabled == enabled)
        return;
    c.enabled = enabled;
    emit changed(id);
}

int EditorForm::maxLength(const FieldId& id) const
{
    const Control* c = find(id);
    return c ? c->maxLength : -1;
}

void EditorForm::setMaxLength(const FieldId& id, int length)
{
    Control& c = control(id);
    if (c.maxLength == length)
        return;
    c.maxLength = length;
    emit changed(id);
}

void EditorForm::setMemoForm(MemoForm form)
{
    if (memoForm_ == form)
        return;
    memoForm_ = form;
    // The count is recomputed on the next change of the memo text, as the memo's reaction does.
}

int EditorForm::selectedPoint() const
{
    for (int n = 1; n <= kPoints; ++n) {
        if (checked(FieldId::radio(n)))
            return n;
    }
    return 1;
}

void EditorForm::selectPoint(int n)
{
    for (int m = 1; m <= kPoints; ++m)
        setChecked(FieldId::radio(m), m == n);
}

void EditorForm::react(const FieldId& id)
{
    const auto decimal = [this](const FieldId& field) { return QString::number(HexToInt(text(field))); };
    switch (id.kind) {
    case Kind::Dots:
        setText(FieldId::label(22), decimal(FieldId::dots()));
        setText(FieldId::label(23), decimal(FieldId::polygons()));
        break;
    case Kind::Polygons:
        setText(FieldId::label(23), decimal(FieldId::polygons()));
        break;
    case Kind::Degree:
        setText(degreeEcho(id.a), decimal(id));
        break;
    case Kind::Pol:
        setText(FieldId::checkPol(id.a, id.b), cornerCaption(text(id)));
        break;
    case Kind::IPol:
        setColor(id, text(id) == QLatin1String("00") ? kWhite : kAqua);
        break;
    case Kind::Memo:
        showByteCount();
        break;
    case Kind::Edit:
        // The first letter of GAME OVER limits itself after its text changes, not before a key.
        if (id.a == 7)
            setMaxLength(id, 1);
        break;
    default:
        break;
    }
}

void EditorForm::showByteCount()
{
    // A line break counts as the two characters carriage return and line feed. The record text the
    // program writes ends its line with both, but the memo keeps a break as one "\n" once the user
    // edits it, and shows a lone "\r" as a break too; the count must not change with that.
    const QString memo = text(FieldId::memo());
    qsizetype length = 0;
    for (qsizetype i = 0; i < memo.size(); ++i) {
        const QChar c = memo.at(i);
        if (c == u'\r' && i + 1 < memo.size() && memo.at(i + 1) == u'\n')
            ++i;
        length += c == u'\r' || c == u'\n' ? 2 : 1;
    }
    const qsizetype count = memoForm_ == MemoForm::Plain ? length / 2 : length / 7;
    setText(FieldId::label(32), QString::number(count));
}

QString cornerCaption(const QString& reference) { return QStringLiteral("xy ") + VertexRefToPointNumber(reference); }

} // namespace vertiloom
