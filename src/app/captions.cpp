// The two-language caption table; see captions.h.
#include "app/captions.h"

#include "app/layout.h"

namespace vertiloom {

namespace {

std::vector<Caption> buildTable()
{
    std::vector<Caption> table = {
        {FieldId::label(36), QStringLiteral("Координаты:"), QStringLiteral("Coordinates:")},
        {FieldId::label(21), QStringLiteral("Число точек"), QStringLiteral("Points")},
        {FieldId::label(3), QStringLiteral("Число полигонов"), QStringLiteral("Polygons")},
        {FieldId::label(37), QStringLiteral("Всего байт: "), QStringLiteral("Total bytes: ")},
        {FieldId::button(1), QStringLiteral("ПУСК!"), QStringLiteral("START!")},
        {FieldId::button(2), QStringLiteral("Открыть файл"), QStringLiteral("Open file")},
        {FieldId::button(7), QStringLiteral("Экспорт буквы в Rom"), QStringLiteral("Export letter to Rom")},
        {FieldId::button(6), QStringLiteral("Экспорт буквы в файл"), QStringLiteral("Export letter to file")},
        {FieldId::button(3), QStringLiteral("Экспорт в Translhextion"), QStringLiteral("Convert to Translhextion")},
        {FieldId::checkBox(21), QStringLiteral("Отображать точки"), QStringLiteral("Display points")},
        {FieldId::checkBox(22), QStringLiteral("Отображать оси"), QStringLiteral("Display axes")},
    };
    // Title and corner-column labels of the eight polygon blocks.
    for (int p = 1; p <= kPolygons; ++p) {
        table.push_back({polygonTitleLabel(p), QStringLiteral("Число углов %1 полигона").arg(p),
                         QStringLiteral("Angles of %1 polygon").arg(p)});
        table.push_back(
            {cornerColumnLabel(p), QStringLiteral("вершины/параметры"), QStringLiteral("vertex/parameters")});
    }
    return table;
}

} // namespace

const std::vector<Caption>& captionTable()
{
    static const std::vector<Caption> table = buildTable();
    return table;
}

void writeCaptions(EditorForm& form, int language)
{
    for (const Caption& caption : captionTable())
        form.setText(caption.id, caption.russian);
    if (language == 2) {
        for (const Caption& caption : captionTable())
            form.setText(caption.id, caption.english);
    }
}

} // namespace vertiloom
