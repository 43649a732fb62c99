// Editor snapshots for the tests; see snapshot.h.
#include "support/snapshot.h"

namespace vertiloom::test {

namespace {
QList<FieldId> allIds()
{
    QList<FieldId> ids;
    for (int n = 1; n <= 22; ++n)
        ids << FieldId::checkBox(n);
    for (int n = 1; n <= 28; ++n)
        ids << FieldId::radio(n);
    for (int n = 1; n <= kPoints; ++n)
        ids << FieldId::x(n) << FieldId::y(n);
    ids << FieldId::dots() << FieldId::polygons() << FieldId::addr() << FieldId::memo();
    for (int p = 1; p <= kPolygons; ++p) {
        ids << FieldId::degree(p);
        for (int k = 1; k <= kCorners; ++k)
            ids << FieldId::pol(p, k) << FieldId::ipol(p, k) << FieldId::checkPol(p, k);
    }
    for (int n = 1; n <= 14; ++n)
        ids << FieldId::edit(n);
    for (int n = 1; n <= 37; ++n)
        ids << FieldId::label(n);
    for (int n = 1; n <= 11; ++n)
        ids << FieldId::button(n);
    for (int n = 1; n <= 4; ++n)
        ids << FieldId::bitBtn(n);
    return ids;
}
} // namespace

QStringList snapshot(const Editor& editor)
{
    QStringList out;
    const EditorForm& form = editor.form;
    for (const FieldId& id : allIds()) {
        out << QStringLiteral("%1=%2|%3|%4|%5")
                   .arg(id.objectName(), form.text(id))
                   .arg(form.checked(id))
                   .arg(form.color(id).name())
                   .arg(form.enabled(id));
    }
    out << QStringLiteral("memoForm=%1").arg(static_cast<int>(form.memoForm()));
    out << QStringLiteral("letterTail=") + editor.letterTail.join(u',');
    for (const QString& tail : editor.polygonTails)
        out << QStringLiteral("polygonTail=") + tail;
    out << QStringLiteral("currentRom=") + editor.currentRom;
    out << QStringLiteral("catalogue=%1").arg(editor.cataloguePosition);
    return out;
}

} // namespace vertiloom::test
