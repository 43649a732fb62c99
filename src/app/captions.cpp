// The two-language caption table and the captions of the other languages; see captions.h.
#include "app/captions.h"

#include "app/language.h"
#include "app/layout.h"
#include "model/messages.h"

#include <QCoreApplication>

namespace vertiloom {

namespace {

std::vector<Caption> buildTable()
{
    // The English captions are marked for Qt Linguist's lupdate, so that every other language
    // translates them.
    const auto row = [](const FieldId& id, const char* russian, const char* english) {
        return Caption{id, QString::fromUtf8(russian), QString::fromUtf8(english), english};
    };
    std::vector<Caption> table = {
        row(FieldId::label(36), "Координаты:", QT_TRANSLATE_NOOP("vertiloom", "Coordinates:")),
        row(FieldId::label(21), "Число точек", QT_TRANSLATE_NOOP("vertiloom", "Points")),
        row(FieldId::label(3), "Число полигонов", QT_TRANSLATE_NOOP("vertiloom", "Polygons")),
        row(FieldId::label(37), "Всего байт: ", QT_TRANSLATE_NOOP("vertiloom", "Total bytes: ")),
        row(FieldId::button(1), "ПУСК!", QT_TRANSLATE_NOOP("vertiloom", "START!")),
        row(FieldId::button(2), "Открыть файл", QT_TRANSLATE_NOOP("vertiloom", "Open file")),
        row(FieldId::button(7), "Экспорт буквы в Rom", QT_TRANSLATE_NOOP("vertiloom", "Export letter to Rom")),
        row(FieldId::button(6), "Экспорт буквы в файл", QT_TRANSLATE_NOOP("vertiloom", "Export letter to file")),
        row(FieldId::button(3), "Экспорт в Translhextion", QT_TRANSLATE_NOOP("vertiloom", "Convert to Translhextion")),
        row(FieldId::checkBox(21), "Отображать точки", QT_TRANSLATE_NOOP("vertiloom", "Display points")),
        row(FieldId::checkBox(22), "Отображать оси", QT_TRANSLATE_NOOP("vertiloom", "Display axes")),
    };
    // Title and corner-column labels of the eight polygon blocks.
    const char* const title = QT_TRANSLATE_NOOP("vertiloom", "Angles of %1 polygon");
    for (int p = 1; p <= kPolygons; ++p) {
        table.push_back({polygonTitleLabel(p), QStringLiteral("Число углов %1 полигона").arg(p),
                         QString::fromUtf8(title).arg(p), title, p});
        table.push_back(
            row(cornerColumnLabel(p), "вершины/параметры", QT_TRANSLATE_NOOP("vertiloom", "vertex/parameters")));
    }
    return table;
}

} // namespace

const std::vector<Caption>& captionTable()
{
    static const std::vector<Caption> table = buildTable();
    return table;
}

QString Caption::translated() const
{
    const QString text = QCoreApplication::translate(kMessageContext, source);
    return polygon ? text.arg(polygon) : text;
}

void writeCaptions(EditorForm& form, int language)
{
    for (const Caption& caption : captionTable())
        form.setText(caption.id, language == kRussian   ? caption.russian
                                 : language == kEnglish ? caption.english
                                                        : caption.translated());
}

} // namespace vertiloom
