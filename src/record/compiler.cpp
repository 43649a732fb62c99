// The letter compiler; see compiler.h.
#include "record/compiler.h"

#include "model/hex.h"
#include "record/record.h"

#include <array>

namespace vertiloom {

void compileLetter(EditorForm& form, const QStringList& letterTail, std::array<QString, kPolygons>& polygonTails)
{
    const auto used = [&form](int p) { return form.text(FieldId::degree(p)) != QLatin1String("FF"); };

    int polygons = 0;
    for (int p = 1; p <= kPolygons; ++p)
        polygons += used(p) ? 1 : 0;
    form.setText(FieldId::polygons(), TwoDigitHex(polygons));

    int dots = 0;
    for (int n = 1; n <= kPoints; ++n)
        dots += form.checked(FieldId::checkBox(n)) ? 1 : 0;
    form.setText(FieldId::dots(), TwoDigitHex(dots));

    QString text;
    text.reserve(2 * kMaxRecordSize);
    text += form.text(FieldId::dots());
    for (int n = 1; n <= kPoints; ++n) {
        if (form.checked(FieldId::checkBox(n)))
            text += form.text(FieldId::x(n)) + form.text(FieldId::y(n));
    }
    text += form.text(FieldId::polygons());
    for (int p = 1; p <= kPolygons; ++p) {
        if (!used(p))
            continue;
        text += form.text(FieldId::degree(p));
        std::array<bool, kCorners + 1> on{};
        for (int k = 1; k <= kCorners; ++k) {
            on[k] = form.checked(FieldId::checkPol(p, k));
            if (on[k])
                text += form.text(FieldId::pol(p, k));
        }
        for (int k = 1; k <= kCorners; ++k) {
            if (on[k])
                text += form.text(FieldId::ipol(p, k));
        }
    }

    if (letterTail.isEmpty()) {
        for (const char* byte : kDefaultLetterTail)
            text += QLatin1String(byte);
    } else {
        text += letterTail.join(QString());
    }

    for (QString& tail : polygonTails) {
        if (tail.isEmpty())
            tail = QLatin1String(kDefaultPolygonTail);
    }
    const int tails = HexToInt(form.text(FieldId::polygons()));
    for (int p = 0; p < tails && p < kPolygons; ++p)
        text += polygonTails[static_cast<size_t>(p)];

    form.setText(FieldId::memo(), text);
}

} // namespace vertiloom
