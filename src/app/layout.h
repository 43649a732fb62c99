// The window's layout as data: every control with its kind, object name, the form control it
// mirrors, its place and size, its design-time caption and the panel it stands in.
#pragma once

#include "model/fields.h"

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace vertiloom {

enum class Widget { Label, Edit, CheckBox, Radio, Button, BitBtn, Image, Memo, Panel };

// Radio buttons that exclude each other.
enum class RadioGroup { None, Points, Variants };

struct ControlSpec {
    Widget widget;
    QString name;              // object name
    std::optional<FieldId> id; // the form control whose values the widget shows
    QRect geometry;            // width 0: a label that sizes itself to its text
    QString caption;           // design-time caption; written into the form when it holds none
    QString parent;            // object name of the panel it stands in; empty: the window
    RadioGroup group = RadioGroup::None;
    QString hint; // tool tip
    bool hidden = false;
    bool bold = false;
};

// The client area of the window.
inline constexpr int kClientWidth = 953;
inline constexpr int kClientHeight = 645;

// The title label of polygon p's block (Label4 ... Label19) and the label over its corner column.
FieldId polygonTitleLabel(int p);
FieldId cornerColumnLabel(int p);

// Every control of the window in creation order (a later control lies over an earlier one), which is
// the order Tab takes through them: the point column, the preview column, then the polygon blocks,
// each row by row from the top.
const std::vector<ControlSpec>& layoutTable();

} // namespace vertiloom
