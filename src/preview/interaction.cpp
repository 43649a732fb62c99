// Placing, nudging, clearing and the vertex menu; see interaction.h.
#include "preview/interaction.h"

#include "model/hex.h"

namespace vertiloom {

QString coordinateText(int pixel)
{
    if (pixel < 0 || pixel > 255)
        return {};
    return TwoDigitHex((pixel + 128) % 256);
}

void placePoint(EditorForm& form, QPoint pixel)
{
    const QString x = coordinateText(pixel.x());
    const QString y = coordinateText(pixel.y());
    form.setText(FieldId::label(33), QStringLiteral("X: ") + x + QStringLiteral("  Y: ") + y);
    const int n = form.selectedPoint();
    form.setText(FieldId::x(n), x);
    form.setText(FieldId::y(n), y);
}

void showReadout(EditorForm& form, QPoint pixel)
{
    form.setText(FieldId::label(20), coordinateText(pixel.x()) + QStringLiteral("  Y: ") + coordinateText(pixel.y()));
}

void nudgePoints(EditorForm& form, Nudge direction)
{
    const bool horizontal = direction == Nudge::Left || direction == Nudge::Right;
    const int step = (direction == Nudge::Left || direction == Nudge::Up) ? -1 : 1;
    for (int n = 1; n <= kPoints; ++n) {
        if (!form.checked(FieldId::checkBox(n)))
            continue;
        const FieldId field = horizontal ? FieldId::x(n) : FieldId::y(n);
        // Byte arithmetic: "00" left gives "FF", "7F" right gives "80", an emptied field left "FF".
        const int value = (HexToInt(form.text(field)) + step) & 0xFF;
        form.setText(field, TwoDigitHex(value));
    }
}

void clearLetter(EditorForm& form)
{
    const QString zero = QStringLiteral("00");
    form.setText(FieldId::dots(), zero);
    form.setText(FieldId::polygons(), zero);
    form.setText(FieldId::label(22), QStringLiteral("0"));
    form.setText(FieldId::label(23), QStringLiteral("0"));
    for (int n = 1; n <= kPoints; ++n)
        form.setText(FieldId::x(n), zero);
    for (int n = 1; n <= kPoints; ++n)
        form.setText(FieldId::y(n), zero);
    for (int p = 1; p <= kPolygons; ++p)
        form.setText(FieldId::degree(p), QStringLiteral("FF"));
    const auto everyCorner = [](auto&& action) {
        for (int k = 1; k <= kCorners; ++k) {
            for (int p = 1; p <= kPolygons; ++p)
                action(p, k);
        }
    };
    everyCorner([&](int p, int k) { form.setText(FieldId::pol(p, k), zero); });
    everyCorner([&](int p, int k) { form.setText(FieldId::ipol(p, k), zero); });
    everyCorner([&](int p, int k) { form.setChecked(FieldId::checkPol(p, k), false); });
    everyCorner([&](int p, int k) { form.setText(FieldId::checkPol(p, k), QStringLiteral("xy")); });
    for (int n = 1; n <= kPoints; ++n)
        form.setChecked(FieldId::checkBox(n), false);
}

void writeVertexReference(EditorForm& form, std::optional<FieldId> focusedEdit, int n)
{
    if (focusedEdit && focusedEdit->isTextField() && focusedEdit->kind != Kind::Memo)
        form.setText(*focusedEdit, TwoDigitHex(2 * (n - 1)));
}

} // namespace vertiloom
