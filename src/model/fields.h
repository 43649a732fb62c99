// The window's controls as typed ids (kind plus numbers) that give their object names, the
// limits of a letter, the default letter and the colours of the polygons.
#pragma once

#include <QColor>
#include <QHashFunctions>
#include <QString>
#include <array>

namespace vertiloom {

inline constexpr int kPoints = 20;
inline constexpr int kPolygons = 8;
inline constexpr int kCorners = 11;
inline constexpr int kWordFields = 13; // Edit2 .. Edit14

enum class Kind {
    X,           // x<n>
    Y,           // y<n>
    CheckBox,    // CheckBox<n>: point n in use (1..20); 21 and 22 are the overlay switches
    RadioButton, // RadioButton<n>: selected point (1..20); 21..28 are the ROM variants
    Dots,
    Polygons,
    Degree,   // Degree<p>
    Pol,      // Pol<p>_<k>
    IPol,     // IPol<p>_<k>
    CheckPol, // CheckPol<p>_<k>
    Addr,
    Memo,   // Memo1
    Edit,   // Edit<n>: 1 is the hidden scratch field, 2..14 the word fields
    Label,  // Label<n>
    Button, // Button<n>
    BitBtn, // BitBtn<n>
};

struct FieldId {
    Kind kind;
    int a = 0; // point, polygon or control number
    int b = 0; // corner number

    QString objectName() const;
    bool isTextField() const; // an edit field or the memo
    friend bool operator==(const FieldId&, const FieldId&) = default;

    static FieldId x(int n) { return {Kind::X, n}; }
    static FieldId y(int n) { return {Kind::Y, n}; }
    static FieldId checkBox(int n) { return {Kind::CheckBox, n}; }
    static FieldId radio(int n) { return {Kind::RadioButton, n}; }
    static FieldId dots() { return {Kind::Dots}; }
    static FieldId polygons() { return {Kind::Polygons}; }
    static FieldId degree(int p) { return {Kind::Degree, p}; }
    static FieldId pol(int p, int k) { return {Kind::Pol, p, k}; }
    static FieldId ipol(int p, int k) { return {Kind::IPol, p, k}; }
    static FieldId checkPol(int p, int k) { return {Kind::CheckPol, p, k}; }
    static FieldId addr() { return {Kind::Addr}; }
    static FieldId memo() { return {Kind::Memo}; }
    static FieldId edit(int n) { return {Kind::Edit, n}; }
    static FieldId label(int n) { return {Kind::Label, n}; }
    static FieldId button(int n) { return {Kind::Button, n}; }
    static FieldId bitBtn(int n) { return {Kind::BitBtn, n}; }
};

inline size_t qHash(const FieldId& id, size_t seed = 0)
{
    return qHashMulti(seed, static_cast<int>(id.kind), id.a, id.b);
}

// Every control of the window has a slot: a dense number from 0 that the form's storage is indexed
// by. The kinds keep the order of Kind; within a kind the numbers count up, corners fastest.
namespace slotTable {
struct Span {
    int numbers; // how many numbered controls of the kind (from 1); 0: the kind is one control
    int corners; // how many corners per number (from 1); 0: none
};
inline constexpr std::array<Span, 16> kSpans{{
    {kPoints, 0},          // X
    {kPoints, 0},          // Y
    {22, 0},               // CheckBox
    {28, 0},               // RadioButton
    {0, 0},                // Dots
    {0, 0},                // Polygons
    {kPolygons, 0},        // Degree
    {kPolygons, kCorners}, // Pol
    {kPolygons, kCorners}, // IPol
    {kPolygons, kCorners}, // CheckPol
    {0, 0},                // Addr
    {0, 0},                // Memo
    {14, 0},               // Edit
    {40, 0},               // Label
    {11, 0},               // Button
    {4, 0},                // BitBtn
}};
constexpr int size(Span span) { return (span.numbers ? span.numbers : 1) * (span.corners ? span.corners : 1); }
constexpr std::array<int, kSpans.size() + 1> bases()
{
    std::array<int, kSpans.size() + 1> base{};
    for (size_t k = 0; k < kSpans.size(); ++k)
        base[k + 1] = base[k] + size(kSpans[k]);
    return base;
}
inline constexpr auto kBases = bases();
} // namespace slotTable

inline constexpr int kFieldSlots = slotTable::kBases.back();

// The slot of a control; -1 for an id the window has no control for.
constexpr int fieldSlot(const FieldId& id)
{
    const auto kind = static_cast<size_t>(id.kind);
    const slotTable::Span span = slotTable::kSpans[kind];
    if (span.numbers == 0)
        return id.a == 0 && id.b == 0 ? slotTable::kBases[kind] : -1;
    if (id.a < 1 || id.a > span.numbers)
        return -1;
    if (span.corners == 0)
        return id.b == 0 ? slotTable::kBases[kind] + id.a - 1 : -1;
    if (id.b < 1 || id.b > span.corners)
        return -1;
    return slotTable::kBases[kind] + (id.a - 1) * span.corners + id.b - 1;
}

// The control of a slot in [0, kFieldSlots).
FieldId fieldAtSlot(int slot);

// The decimal echo label of Degree<p>: Label24 for polygon 1 up to Label31 for polygon 8.
inline FieldId degreeEcho(int p) { return FieldId::label(23 + p); }

// Colours that the fields and the preview share. Polygons 4 and 6 and the axes are desktop colours
// on the platform the game's tools came from; this platform has none, so fixed equivalents serve.
QColor polygonColor(int p);
inline const QColor kAqua{0, 255, 255};
inline const QColor kWhite{255, 255, 255};
inline const QColor kBlack{0, 0, 0};
inline const QColor kAxisColor{171, 171, 171};
inline const QColor kWindowColor{255, 255, 255}; // ordinary colour of an edit field

// The letter the window opens with: the first letter of the catalogue.
struct DefaultLetter {
    static const std::array<const char*, kPoints> x;
    static const std::array<const char*, kPoints> y;
    // [polygon 1..7][corner 1..4] vertex reference and parameter
    static const std::array<std::array<const char*, 4>, 7> pol;
    static const std::array<std::array<const char*, 4>, 7> ipol;
    static constexpr const char* addr = "476E2";
};

} // namespace vertiloom
