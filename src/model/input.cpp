// Key filters and the word fields' limit; see input.h.
#include "model/input.h"

#include <algorithm>

namespace vertiloom {

bool keyAccepted(const FieldId& field, QChar key)
{
    if (key == kBackspace)
        return true;
    const bool digit = key >= u'0' && key <= u'9';
    const bool upper = key >= u'A' && key <= u'F';
    const bool lower = key >= u'a' && key <= u'f';
    switch (field.kind) {
    case Kind::Addr:
        return digit || upper || lower;
    case Kind::Dots:
    case Kind::Polygons:
    case Kind::Degree:
    case Kind::X:
    case Kind::Y:
    case Kind::Pol:
        return digit || upper;
    default:
        return true;
    }
}

bool textAccepted(const FieldId& field, const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [&field](QChar c) { return keyAccepted(field, c); });
}

void beforeKey(EditorForm& form, const FieldId& field)
{
    if (field.kind == Kind::Edit && field.a >= 2 && field.a <= 14 && field.a != 7)
        form.setMaxLength(field, 1);
}

} // namespace vertiloom
