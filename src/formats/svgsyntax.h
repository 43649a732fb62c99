// The syntax of SVG both readers share (the exact letter reader and the fit's source of curves):
// numbers, lengths, transforms, point lists, style properties, visibility, element names, the depth
// check.
#pragma once

#include "model/error.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <QTransform>
#include <QXmlStreamAttributes>
#include <functional>
#include <optional>

class QXmlStreamReader;

namespace vertiloom {

// The deepest level at which an element is read (the root is level 1), and the most elements drawn
// through <use>: a drawing nested deeper, or one whose <use> elements draw <use> elements in doubling
// numbers, would hold a reader for minutes.
constexpr int kSvgDeepest = 256;
constexpr int kSvgMostThroughUse = 10000;

// The numbers of an attribute as SVG writes them (signs, decimals, exponents), separated by white space
// and at most one comma.
class SvgScanner {
public:
    explicit SvgScanner(QStringView text) : text_(text) {}

    qsizetype position() const { return pos_; }
    QChar peek() const { return pos_ < text_.size() ? text_[pos_] : QChar(); }
    void advance() { ++pos_; }
    bool atEnd();
    void skipSpace();
    void skipSeparator();
    bool take(QChar c);
    // The ASCII letters here, as a transform's name.
    QStringView word();
    QStringView rest() const { return text_.mid(pos_); }
    // An arc's flag: one digit, 0 or 1, that needs no separator after it.
    std::optional<bool> flag();
    // The number here, or nothing (and the position unchanged) when none begins here.
    std::optional<double> number();

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

// How a message names an element at the start of a sentence; asked only when a message is made.
using SvgElementName = std::function<QString()>;

// "1st", "2nd", "11th"...
QString ordinal(int n);
// "The <path> "bowl"" or "The 3rd <path>", to begin a sentence.
QString elementName(const QString& tag, const QString& id, int ordinal);
Error unreadableAttribute(const QString& element, const QString& attribute, qsizetype at);

// A length in user units: a number, with px, pt, pc, mm, cm or in after it or nothing.
std::optional<double> length(QStringView text);
// A length attribute: fallback when it is absent; refused when it can't be read.
double lengthAttribute(const QXmlStreamAttributes& attributes, const QString& name, const SvgElementName& element,
                       double fallback = 0);
// Four numbers x y width height, the width and height positive.
std::optional<QRectF> viewBox(QStringView text);
// A transform list; the first in the text applies last, as SVG has it.
QTransform transformList(QStringView text, const SvgElementName& element);
// The pairs of a points attribute.
QList<QPointF> pointList(QStringView text, const SvgElementName& element);
// A viewport showing the viewBox of one element, fitted and centred into the width and height of
// another (the same element for a drawing within the drawing, the <use> for a symbol), placed at its x
// and y when asked.
QTransform viewport(const QXmlStreamAttributes& boxed, const QXmlStreamAttributes& sized, bool placed);

// A presentation property of an element: its declaration in the style, which wins, else its attribute;
// nothing when it has neither or says "inherit".
std::optional<QString> property(const QXmlStreamAttributes& attributes, QLatin1String name);
// An opacity (a number, or a percentage) that makes what it applies to invisible.
bool transparent(const std::optional<QString>& opacity);
// A paint that paints nothing.
bool noPaint(const QString& paint);
// The element and all it holds are not drawn: display none, opacity 0.
bool hidden(const QXmlStreamAttributes& attributes);
// The conditions an element may set on being drawn: requiredExtensions never holds (no extension is
// known), systemLanguage holds when it names English or the language of the user's locale,
// requiredFeatures always holds (no viewer tests it any more).
bool conditionsHold(const QXmlStreamAttributes& attributes);

// "The <g> at line 3, column 5": the element the reader stands on, for a message about the file.
QString elementAt(const QXmlStreamReader& xml);
Error tooDeep(const QString& element, qsizetype level, int deepest = kSvgDeepest);
// The file's fault as XML, where the reader stopped on it.
Error notWellFormed(const QXmlStreamReader& xml);

} // namespace vertiloom
