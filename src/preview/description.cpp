// The letter told in words; see description.h.
#include "preview/description.h"

#include "model/hex.h"
#include "model/messages.h"
#include "preview/geometry.h"

#include <QStringList>

namespace vertiloom {

QString letterDescription(const EditorForm& form)
{
    const QList<UnitPoint> points = letterPoints(form);
    QStringList pointTexts;
    for (const UnitPoint& p : points)
        pointTexts << QStringLiteral("%1 (%2, %3)").arg(p.n).arg(p.x).arg(p.y);

    QStringList polygonTexts;
    for (int p = 1; p <= kPolygons; ++p) {
        bool inUse = false;
        QStringList corners;
        for (int k = 1; k <= kCorners; ++k) {
            if (!form.checked(FieldId::checkPol(p, k)))
                continue;
            inUse = true;
            if (const int n = VertexRefToPoint(form.text(FieldId::pol(p, k))))
                corners << QString::number(n);
        }
        if (inUse && corners.isEmpty())
            polygonTexts << tr("%1 on no point").arg(p);
        else if (inUse)
            polygonTexts << tr("%1 on points %2").arg(p).arg(corners.join(u' '));
    }

    const QString pointPart =
        pointTexts.isEmpty() ? tr("No points.")
                             : tr("Points (%1): %2.").arg(pointTexts.size()).arg(pointTexts.join(QStringLiteral(", ")));
    const QString polygonPart =
        polygonTexts.isEmpty()
            ? tr("No polygons.")
            : tr("Polygons (%1): %2.").arg(polygonTexts.size()).arg(polygonTexts.join(QStringLiteral("; ")));
    return pointPart + u' ' + polygonPart;
}

} // namespace vertiloom
