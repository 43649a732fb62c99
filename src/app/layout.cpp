// The window's layout table; see layout.h. Families of like controls are generated from their grid,
// single controls are listed as they stand.
#include "app/layout.h"

#include "rom/catalogue.h"

namespace vertiloom {

namespace {

// What the thirteen word fields show when the mouse rests on them: the characters a word can hold.
const char* const kWordHint = "P A U S E D ! 0 1 2 3 4 5 6 7 8 9 L C T _ G M O V R";

// A control that mirrors no form control: the panel and the two preview layers.
ControlSpec named(Widget widget, const QString& name, const QRect& geometry)
{
    ControlSpec spec{};
    spec.widget = widget;
    spec.name = name;
    spec.geometry = geometry;
    return spec;
}

ControlSpec control(Widget widget, const FieldId& id, int left, int top, int width = 0, int height = 0,
                    const QString& caption = {})
{
    ControlSpec spec = named(widget, id.objectName(), QRect(left, top, width, height));
    spec.id = id;
    spec.caption = caption;
    return spec;
}

void addPointRows(std::vector<ControlSpec>& table)
{
    table.push_back(control(Widget::Label, FieldId::label(1), 92, 4, 0, 0, QStringLiteral("Х")));
    table.push_back(control(Widget::Label, FieldId::label(2), 143, 4, 0, 0, QStringLiteral("У")));
    for (int n = 1; n <= kPoints; ++n) {
        const int top = 20 + 24 * (n - 1);
        table.push_back(control(Widget::CheckBox, FieldId::checkBox(n), 6, top, 49, 17));
        ControlSpec radio = control(Widget::Radio, FieldId::radio(n), 54, top + 1, 17, 17);
        radio.group = RadioGroup::Points;
        table.push_back(radio);
        table.push_back(control(Widget::Edit, FieldId::x(n), 76, top, 41, 21));
        table.push_back(control(Widget::Edit, FieldId::y(n), 127, top, 41, 21));
    }
}

void addCounts(std::vector<ControlSpec>& table)
{
    table.push_back(control(Widget::Label, FieldId::label(21), 6, 508));
    table.push_back(control(Widget::Edit, FieldId::dots(), 100, 505, 39, 21));
    table.push_back(control(Widget::Label, FieldId::label(22), 143, 508));
    table.push_back(control(Widget::Label, FieldId::label(3), 6, 532));
    table.push_back(control(Widget::Edit, FieldId::polygons(), 100, 529, 39, 21));
    table.push_back(control(Widget::Label, FieldId::label(23), 143, 532));
}

void addRomPanel(std::vector<ControlSpec>& table)
{
    table.push_back(named(Widget::Panel, QStringLiteral("Panel1"), QRect(5, 552, 163, 90)));
    ControlSpec rom = control(Widget::Label, FieldId::label(35), 130, 5, 0, 0, QStringLiteral("ROM"));
    rom.parent = QStringLiteral("Panel1");
    rom.bold = true;
    table.push_back(rom);

    int top = 5;
    for (const RomVariant& v : kRomVariants) {
        // The first button stops short of the "ROM" label beside it.
        const int width = top == 5 ? 122 : 153;
        ControlSpec radio =
            control(Widget::Radio, FieldId::radio(v.radioButton), 5, top, width, 15, QString::fromLatin1(v.caption));
        radio.parent = QStringLiteral("Panel1");
        radio.group = RadioGroup::Variants;
        table.push_back(radio);
        top += 15;
    }
}

void addPreviewColumn(std::vector<ControlSpec>& table)
{
    table.push_back(control(Widget::Label, FieldId::label(36), 175, 4));
    table.push_back(control(Widget::Label, FieldId::label(20), 247, 4));
    table.push_back(control(Widget::Label, FieldId::label(33), 367, 4));
    // The letter layer, and over it the overlay layer whose black lets the letter through.
    table.push_back(named(Widget::Image, QStringLiteral("Image1"), QRect(176, 20, 255, 255)));
    table.push_back(named(Widget::Image, QStringLiteral("Image2"), QRect(176, 20, 255, 255)));
    table.push_back(control(Widget::CheckBox, FieldId::checkBox(21), 176, 279, 121, 17));
    table.push_back(control(Widget::CheckBox, FieldId::checkBox(22), 312, 279, 121, 17));

    table.push_back(control(Widget::Button, FieldId::button(8), 176, 298, 64, 20, QStringLiteral("LEFT")));
    table.push_back(control(Widget::Button, FieldId::button(9), 240, 298, 64, 20, QStringLiteral("UP")));
    table.push_back(control(Widget::Button, FieldId::button(10), 304, 298, 64, 20, QStringLiteral("DOWN")));
    table.push_back(control(Widget::Button, FieldId::button(11), 368, 298, 62, 20, QStringLiteral("RIGHT")));

    table.push_back(control(Widget::Button, FieldId::button(1), 175, 324, 73, 25));
    table.push_back(control(Widget::BitBtn, FieldId::bitBtn(1), 248, 324, 57, 25));
    table.push_back(control(Widget::Button, FieldId::button(5), 312, 324, 20, 25, QStringLiteral("<")));
    table.push_back(control(Widget::Edit, FieldId::addr(), 336, 328, 65, 21));
    table.push_back(control(Widget::Button, FieldId::button(4), 408, 324, 20, 25, QStringLiteral(">")));

    table.push_back(control(Widget::Button, FieldId::button(2), 175, 356, 82, 25));
    table.push_back(control(Widget::Button, FieldId::button(7), 257, 356, 121, 25));
    table.push_back(control(Widget::BitBtn, FieldId::bitBtn(2), 378, 356, 50, 25));

    table.push_back(control(Widget::BitBtn, FieldId::bitBtn(3), 176, 388, 41, 25));
    for (int i = 0; i < kWordFields; ++i) {
        // PAUSE in the row of the word buttons, GAME OVER in the row below. The controls are made in
        // the order Tab takes, so the row's last button comes before the row below.
        const bool pause = i < 5;
        if (i == 5)
            table.push_back(control(Widget::BitBtn, FieldId::bitBtn(4), 387, 388, 41, 25));
        const int left = pause ? 223 + 32 * i : 175 + 32 * (i - 5);
        ControlSpec word = control(Widget::Edit, FieldId::edit(2 + i), left, pause ? 388 : 420, 30, 21);
        word.hint = QString::fromLatin1(kWordHint);
        table.push_back(word);
    }

    table.push_back(control(Widget::Memo, FieldId::memo(), 176, 448, 257, 145));
    table.push_back(control(Widget::Label, FieldId::label(37), 175, 596));
    table.push_back(control(Widget::Label, FieldId::label(32), 240, 596));
    table.push_back(control(Widget::Label, FieldId::label(34), 376, 596));
    table.push_back(control(Widget::Button, FieldId::button(6), 175, 616, 124, 25));
    table.push_back(control(Widget::Button, FieldId::button(3), 299, 616, 130, 25));

    // Scratch space of the tagged-text export; never shown.
    ControlSpec scratch = control(Widget::Edit, FieldId::edit(1), 176, 448, 121, 21);
    scratch.hidden = true;
    table.push_back(scratch);
}

void addPolygonBlocks(std::vector<ControlSpec>& table)
{
    for (int p = 1; p <= kPolygons; ++p) {
        const int dx = 128 * ((p - 1) % 4);
        const bool lower = p > 4;
        const int dy = lower ? 318 : 0;
        table.push_back(control(Widget::Label, polygonTitleLabel(p), 439 + dx, 4 + dy));
        table.push_back(control(Widget::Edit, FieldId::degree(p), 442 + dx, 20 + dy, 39, 21));
        table.push_back(control(Widget::Label, degreeEcho(p), 487 + dx, 23 + dy));
        // The lower blocks' corner column stands one pixel lower, its last three rows two.
        table.push_back(control(Widget::Label, cornerColumnLabel(p), 438 + dx, 44 + dy + (lower ? 1 : 0)));
        for (int k = 1; k <= kCorners; ++k) {
            const int top = 60 + 24 * (k - 1) + dy + (lower ? (k <= 8 ? 1 : 2) : 0);
            table.push_back(control(Widget::Edit, FieldId::pol(p, k), 439 + dx, top, 26, 21));
            table.push_back(control(Widget::Edit, FieldId::ipol(p, k), 471 + dx, top, 26, 21));
            table.push_back(control(Widget::CheckBox, FieldId::checkPol(p, k), 506 + dx, top, 49, 17));
        }
    }
}

std::vector<ControlSpec> buildTable()
{
    std::vector<ControlSpec> table;
    addPointRows(table);
    addCounts(table);
    addRomPanel(table);
    addPreviewColumn(table);
    addPolygonBlocks(table);
    return table;
}

} // namespace

FieldId polygonTitleLabel(int p)
{
    static const int labels[kPolygons] = {4, 6, 8, 11, 13, 15, 17, 19};
    return FieldId::label(labels[p - 1]);
}

FieldId cornerColumnLabel(int p)
{
    static const int labels[kPolygons] = {5, 7, 9, 10, 12, 14, 16, 18};
    return FieldId::label(labels[p - 1]);
}

const std::vector<ControlSpec>& layoutTable()
{
    static const std::vector<ControlSpec> table = buildTable();
    return table;
}

} // namespace vertiloom
