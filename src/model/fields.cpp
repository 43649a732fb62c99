// Object names of the controls, the default letter and the polygon colours; see fields.h.
#include "model/fields.h"

namespace vertiloom {

QString FieldId::objectName() const
{
    const QString n = QString::number(a);
    switch (kind) {
    case Kind::X:
        return QStringLiteral("x") + n;
    case Kind::Y:
        return QStringLiteral("y") + n;
    case Kind::CheckBox:
        return QStringLiteral("CheckBox") + n;
    case Kind::RadioButton:
        return QStringLiteral("RadioButton") + n;
    case Kind::Dots:
        return QStringLiteral("Dots");
    case Kind::Polygons:
        return QStringLiteral("Polygons");
    case Kind::Degree:
        return QStringLiteral("Degree") + n;
    case Kind::Pol:
        return QStringLiteral("Pol%1_%2").arg(a).arg(b);
    case Kind::IPol:
        return QStringLiteral("IPol%1_%2").arg(a).arg(b);
    case Kind::CheckPol:
        return QStringLiteral("CheckPol%1_%2").arg(a).arg(b);
    case Kind::Addr:
        return QStringLiteral("Addr");
    case Kind::Memo:
        return QStringLiteral("Memo1");
    case Kind::Edit:
        return QStringLiteral("Edit") + n;
    case Kind::Label:
        return QStringLiteral("Label") + n;
    case Kind::Button:
        return QStringLiteral("Button") + n;
    case Kind::BitBtn:
        return QStringLiteral("BitBtn") + n;
    }
    return {};
}

FieldId fieldAtSlot(int slot)
{
    size_t kind = 0;
    while (slotTable::kBases[kind + 1] <= slot)
        ++kind;
    const slotTable::Span span = slotTable::kSpans[kind];
    const int index = slot - slotTable::kBases[kind];
    if (span.numbers == 0)
        return {static_cast<Kind>(kind)};
    if (span.corners == 0)
        return {static_cast<Kind>(kind), index + 1};
    return {static_cast<Kind>(kind), index / span.corners + 1, index % span.corners + 1};
}

bool FieldId::isTextField() const
{
    switch (kind) {
    case Kind::X:
    case Kind::Y:
    case Kind::Dots:
    case Kind::Polygons:
    case Kind::Degree:
    case Kind::Pol:
    case Kind::IPol:
    case Kind::Addr:
    case Kind::Memo:
    case Kind::Edit:
        return true;
    default:
        return false;
    }
}

QColor polygonColor(int p)
{
    static const std::array<QColor, kPolygons> colors = {
        QColor(255, 255, 0),   // yellow
        QColor(255, 0, 0),     // red
        QColor(0, 255, 0),     // lime
        QColor(185, 209, 234), // gradient of an active caption
        QColor(255, 0, 255),   // fuchsia
        QColor(0, 120, 215),   // highlight
        QColor(192, 220, 192), // money green
        QColor(255, 251, 240), // cream
    };
    return colors.at(static_cast<size_t>(p - 1));
}

const std::array<const char*, kPoints> DefaultLetter::x = {"FD", "0D", "1D", "35", "4D", "5D", "2D", "2D", "1D", "0D",
                                                           "0D", "DD", "B8", "D8", "98", "C8", "B8", "D8", "98", "B8"};
const std::array<const char*, kPoints> DefaultLetter::y = {"EC", "FC", "0C", "FC", "DC", "5C", "5C", "1C", "5C", "2C",
                                                           "5C", "5C", "8E", "AE", "BE", "BE", "DE", "DE", "DE", "0E"};
const std::array<std::array<const char*, 4>, 7> DefaultLetter::pol = {{
    {"00", "02", "14", "16"},
    {"02", "04", "10", "12"},
    {"04", "06", "0E", "10"},
    {"06", "08", "0A", "0C"},
    {"18", "1A", "1E", "1C"},
    {"1C", "1E", "22", "20"},
    {"20", "22", "26", "24"},
}};
const std::array<std::array<const char*, 4>, 7> DefaultLetter::ipol = {{
    {"23", "22", "21", "22"},
    {"23", "00", "23", "00"},
    {"24", "00", "24", "00"},
    {"24", "22", "21", "22"},
    {"23", "24", "00", "24"},
    {"00", "23", "00", "23"},
    {"00", "24", "23", "24"},
}};

} // namespace vertiloom
