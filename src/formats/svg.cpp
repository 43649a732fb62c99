// The SVG drawing of a letter: writing the editor's own, and reading the straight-lined shapes of any
// drawing back into a letter record; see svg.h.
#include "formats/svg.h"

#include "formats/svgsyntax.h"

#include "model/error.h"
#include "model/fields.h"
#include "model/messages.h"
#include "record/files.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QTransform>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <optional>

namespace vertiloom {

namespace {

const QString kSvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");

// The attributes that carry what a drawing can't show. Hexadecimal bytes, separated by blanks.
const QString kPointCount = QStringLiteral("data-vertiloom-points");      // root: the letter's points
const QString kLetterTail = QStringLiteral("data-vertiloom-letter-tail"); // root: its 3 tail bytes
const QString kReferences = QStringLiteral("data-vertiloom-corners");     // polygon: reference bytes
const QString kParameters = QStringLiteral("data-vertiloom-parameters");  // polygon: parameter bytes
const QString kPolygonTail = QStringLiteral("data-vertiloom-tail");       // polygon: its 8 tail bytes
const QString kPointNumber = QStringLiteral("data-vertiloom-point");      // circle: its point, from 1

// The letter's square: 256 units, unit 0 at its centre.
constexpr double kSquare = 256;
constexpr int kHalf = 128;

const QString kXlinkNamespace = QStringLiteral("http://www.w3.org/1999/xlink");

// A corner's reference byte names point r / 2 when it is even and the letter has that point.
bool namesPoint(std::uint8_t reference, qsizetype points) { return reference % 2 == 0 && reference / 2 < points; }

int unit(std::uint8_t stored) { return static_cast<std::int8_t>(stored); }

QString hexList(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

// --- Writing ---------------------------------------------------------------------------------------

QString position(const std::array<std::uint8_t, 2>& point)
{
    return QStringLiteral("%1,%2").arg(unit(point[0]) + kHalf).arg(unit(point[1]) + kHalf);
}

} // namespace

QByteArray letterToSvg(const LetterRecord& record)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeComment(
        QStringLiteral(" A letter of Tessarine Vertiloom: 256 units square, unit (0, 0) at its centre. Keep "
                       "the lines straight and the data-vertiloom attributes as they are to import it back. "));
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(kSvgNamespace);
    xml.writeAttribute(QStringLiteral("width"), QStringLiteral("512"));
    xml.writeAttribute(QStringLiteral("height"), QStringLiteral("512"));
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 256 256"));
    xml.writeAttribute(QStringLiteral("style"), QStringLiteral("background-color:#000000"));
    xml.writeAttribute(kPointCount, QString::number(record.points.size()));
    xml.writeAttribute(kLetterTail, hexList(record.letterTail));

    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("polygons"));
    xml.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
    for (qsizetype p = 0; p < record.polygons.size(); ++p) {
        const PolygonBlock& polygon = record.polygons[p];
        QStringList corners;
        for (const char reference : polygon.vertexRefs) {
            const auto r = static_cast<std::uint8_t>(reference);
            if (namesPoint(r, record.points.size()))
                corners << position(record.points[r / 2]);
        }
        xml.writeStartElement(QStringLiteral("polygon"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("polygon-%1").arg(p + 1));
        xml.writeAttribute(QStringLiteral("points"), corners.join(u' '));
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("stroke"), polygonColor(static_cast<int>(p % kPolygons) + 1).name());
        xml.writeAttribute(kReferences, hexList(polygon.vertexRefs));
        xml.writeAttribute(kParameters, hexList(polygon.parameters));
        if (p < record.polygonTails.size())
            xml.writeAttribute(kPolygonTail, hexList(record.polygonTails[p]));
        xml.writeEndElement();
    }
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("points"));
    xml.writeAttribute(QStringLiteral("fill"), kWhite.name());
    xml.writeAttribute(QStringLiteral("font-family"), QStringLiteral("sans-serif"));
    xml.writeAttribute(QStringLiteral("font-size"), QStringLiteral("7"));
    for (qsizetype n = 0; n < record.points.size(); ++n) {
        const int x = unit(record.points[n][0]) + kHalf;
        const int y = unit(record.points[n][1]) + kHalf;
        xml.writeStartElement(QStringLiteral("circle"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("point-%1").arg(n + 1));
        xml.writeAttribute(QStringLiteral("cx"), QString::number(x));
        xml.writeAttribute(QStringLiteral("cy"), QString::number(y));
        xml.writeAttribute(QStringLiteral("r"), QStringLiteral("1.5"));
        xml.writeAttribute(kPointNumber, QString::number(n + 1));
        xml.writeEndElement();
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), QString::number(x + 2));
        xml.writeAttribute(QStringLiteral("y"), QString::number(y - 2));
        xml.writeCharacters(QString::number(n + 1));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

// --- Reading ---------------------------------------------------------------------------------------

namespace {

// An element as a message names it: by its id, else by its place among the elements of its name; an
// element drawn through a <use> by the <use> of the file that draws it.
struct Place {
    QString tag;
    int ordinal = 0;
    QString id;
    bool throughUse = false;
    int useOrdinal = 0;
    QString useId;
};

// "The <path> "bowl"" or "The 3rd <path>", to begin a sentence.
QString named(const Place& place)
{
    if (place.throughUse) {
        if (!place.useId.isEmpty())
            return tr("The <%1> drawn by the <use> \"%2\"").arg(place.tag, place.useId);
        return tr("The <%1> drawn by the %2 <use>").arg(place.tag, ordinal(place.useOrdinal));
    }
    return elementName(place.tag, place.id, place.ordinal);
}

// The name of the element at a place, made when a message needs it.
SvgElementName nameOf(const Place& place)
{
    return [&place] { return named(place); };
}

Error unreadable(const Place& place, const QString& attribute, qsizetype at)
{
    return unreadableAttribute(named(place), attribute, at);
}

// A problem of a shape that only flattening would take (a curve, a wide stroke).
class FitOnly : public Error {
public:
    using Error::Error;
};

FitOnly curve(const Place& place)
{
    return FitOnly(tr("%1 is a curve: straighten the curves first; only straight lines are read.").arg(named(place)));
}

// A length attribute of a shape: 0 when it is absent; refused when it can't be read.
double lengthAttribute(const QXmlStreamAttributes& attributes, const QString& name, const Place& place)
{
    return vertiloom::lengthAttribute(attributes, name, nameOf(place));
}

// One part of a path: from a moveto to the next one, closed by Z or not.
struct Part {
    QList<QPointF> points;
    bool closed = false;
};

QList<Part> pathParts(QStringView d, const Place& place)
{
    SvgScanner in(d);
    QList<Part> parts;
    QPointF current;
    QPointF start;
    QChar command;
    bool drawing = false; // a part is open to more segments
    const auto bad = [&] { return unreadable(place, QStringLiteral("d"), in.position()); };
    const auto number = [&] {
        const std::optional<double> value = in.number();
        if (!value)
            throw bad();
        in.skipSeparator();
        return *value;
    };
    while (!in.atEnd()) {
        const QChar c = in.peek();
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            if (QStringLiteral("CcSsQqTtAa").contains(c))
                throw FitOnly(
                    tr("%1 has a curve (command %2): straighten the curves first; only straight lines are read.")
                        .arg(named(place), QString(c)));
            if (!QStringLiteral("MmLlHhVvZz").contains(c) || (command.isNull() && c.toUpper() != u'M'))
                throw bad();
            in.advance();
            command = c;
            if (c.toUpper() == u'Z') {
                if (drawing)
                    parts.last().closed = true;
                drawing = false;
                current = start;
                in.skipSeparator();
                continue;
            }
        } else if (command.isNull() || command.toUpper() == u'Z') {
            throw bad();
        }
        const bool relative = command.isLower();
        const QChar kind = command.toUpper();
        QPointF to = relative ? current : QPointF();
        if (kind == u'M' || kind == u'L') {
            const double x = number();
            const double y = number();
            to += QPointF(x, y);
        } else if (kind == u'H') {
            to = QPointF((relative ? current.x() : 0) + number(), current.y());
        } else {
            to = QPointF(current.x(), (relative ? current.y() : 0) + number());
        }
        if (kind == u'M') {
            parts << Part{{to}, false};
            start = to;
            drawing = true;
            command = relative ? u'l' : u'L'; // further pairs draw lines
        } else {
            if (!drawing) {
                parts << Part{{current}, false};
                start = current;
                drawing = true;
            }
            parts.last().points << to;
        }
        current = to;
    }
    return parts;
}

// The id a <use> draws ("#id"), or its reference as written when it names something outside the file.
QString useReference(const QXmlStreamAttributes& attributes)
{
    if (attributes.hasAttribute(QStringLiteral("href")))
        return attributes.value(QStringLiteral("href")).trimmed().toString();
    return attributes.value(kXlinkNamespace, QStringLiteral("href")).trimmed().toString();
}

// Hexadecimal bytes, blanks anywhere; nothing when the text is no such list.
std::optional<QByteArray> hexBytes(QStringView text)
{
    QByteArray digits;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f')))
            return std::nullopt;
        digits += static_cast<char>(c.unicode());
    }
    if (digits.size() % 2 != 0)
        return std::nullopt;
    return QByteArray::fromHex(digits);
}

// Where a corner or a circle is drawn: its whole unit, and where exactly in the letter's units.
struct Spot {
    QPoint unit;
    QPointF exact;
};

// Two spots are one point when they are at one unit, or within half a unit of each other across and
// down (a drawing turned in a vector editor puts its corners a little off their units).
bool near(const Spot& a, const Spot& b)
{
    return a.unit == b.unit
           || (std::abs(a.exact.x() - b.exact.x()) <= 0.5 && std::abs(a.exact.y() - b.exact.y()) <= 0.5);
}

// A corner of a polygon being read: where it is drawn (nothing for a reference byte that names no point,
// kept as it is), the point its reference claims in a drawing of this editor, and the point it ends on.
struct Corner {
    std::optional<Spot> at;
    int claimed = -1;
    std::uint8_t reference = 0;
    int point = -1;
};

struct Polygon {
    Place place;
    QList<Corner> corners;
    QByteArray parameters;
    std::optional<QByteArray> tail;
    // A polygon of this editor's drawing: its corners as drawn, matched to its reference bytes once every
    // circle is known, whichever corner the list starts from and whichever way it runs.
    QList<Spot> drawn;
};

struct Marker {
    int number = 0;
    Spot at;
};

// An element as the walk meets it: in the file, or in what was kept of it for the <use> elements.
struct Element {
    QString tag;
    bool svg = false; // in SVG's namespace, or in none
    QXmlStreamAttributes attributes;
};

// An element a <use> draws, or one inside such an element: kept once, with its children.
struct Kept {
    Element element;
    QList<int> children;
};

Element elementOf(const QXmlStreamReader& xml)
{
    return {xml.name().toString(), xml.namespaceUri().isEmpty() || xml.namespaceUri() == kSvgNamespace,
            xml.attributes()};
}

// The first walk: the file is well-formed XML, no element lies deeper than the reader goes, and the ids
// that <use> elements draw. The whole file is checked first, so that a file that is no XML is refused as
// such wherever the fault lies, before anything it holds is; a nesting too deep is refused where it
// begins, before the rest is walked.
QSet<QString> checkedFile(const QByteArray& svg)
{
    QSet<QString> drawn;
    QXmlStreamReader xml(svg);
    qsizetype level = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++level > kSvgDeepest)
                throw tooDeep(elementAt(xml), level);
            if (xml.name() == QLatin1String("use")) {
                const QString reference = useReference(xml.attributes());
                if (reference.startsWith(u'#'))
                    drawn.insert(reference.mid(1));
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --level;
        }
    }
    if (xml.hasError())
        throw notWellFormed(xml);
    return drawn;
}

// What an element passes on to the elements it holds.
struct Frame {
    QTransform toUnits;
    bool passedOver = false; // nothing inside is read
    bool visible = true;     // visibility, inherited
    bool fill = true;        // fill, fill-opacity, stroke and stroke-opacity, inherited
    bool fillOpaque = true;
    bool stroke = false;
    bool strokeOpaque = true;
    std::optional<double> strokeWidth; // inherited, in the user units of the element it strokes
    bool isSwitch = false;
    bool switchChosen = false; // a <switch> draws only its first child whose conditions hold
    int kept = -1;             // the element's index in kept_, when it is kept for a <use>
};

// The visibility and the paint an element sets, for itself and what it holds.
void inheritFrom(Frame& frame, const QXmlStreamAttributes& attributes)
{
    if (const std::optional<QString> visibility = property(attributes, QLatin1String("visibility"))) {
        if (*visibility == QLatin1String("hidden") || *visibility == QLatin1String("collapse"))
            frame.visible = false;
        else if (*visibility == QLatin1String("visible"))
            frame.visible = true;
    }
    if (const std::optional<QString> fill = property(attributes, QLatin1String("fill")))
        frame.fill = !noPaint(*fill);
    if (const std::optional<QString> opacity = property(attributes, QLatin1String("fill-opacity")))
        frame.fillOpaque = !transparent(opacity);
    if (const std::optional<QString> stroke = property(attributes, QLatin1String("stroke")))
        frame.stroke = !noPaint(*stroke);
    if (const std::optional<QString> opacity = property(attributes, QLatin1String("stroke-opacity")))
        frame.strokeOpaque = !transparent(opacity);
    if (const std::optional<QString> width = property(attributes, QLatin1String("stroke-width"))) {
        // A width a viewer can't read leaves the one it inherits.
        if (const std::optional<double> read = length(*width); read && *read >= 0)
            frame.strokeWidth = *read;
    }
}

// One walk through the elements, and then the letter they make.
class Reading {
public:
    explicit Reading(const LetterRecord& current) : current_(current) {}

    void read(const QByteArray& svg, const QSet<QString>& drawnByUse);
    LetterRecord letter();

private:
    void keep(const QByteArray& svg, const QSet<QString>& drawnByUse);
    void open(const Element& element, const Place& place, int kept, const Element* user = nullptr);
    void drawUse(const Element& use, const Place& place);
    void draw(int kept, const Element* user);
    void readRoot(const Element& root, const Place& place, int kept);
    void readShape(const Place& place, const QXmlStreamAttributes& attributes, const Frame& frame);
    void addStroke(const Place& place, const QList<Spot>& ends, const QXmlStreamAttributes& attributes,
                   const Frame& frame);
    void addPolygon(const Place& place, const QList<Spot>& drawn, const QXmlStreamAttributes& attributes);
    Spot toUnit(const QTransform& toUnits, QPointF p, const Place& place) const;
    void alignTurnedPolygons();
    void note(const Error& problem);
    Error refusal() const;

    const LetterRecord& current_;
    QList<Frame> frames_;
    QHash<QString, int> counts_;
    QList<Kept> kept_;
    QHash<QString, int> ids_;      // the kept elements that <use> elements draw, by their id
    std::optional<Place> through_; // the <use> of the file whose drawing is being walked
    int drawnThroughUse_ = 0;
    bool undrawnShape_ = false; // a shape where shapes are drawn, not drawn itself
    std::optional<int> declaredPoints_;
    std::optional<QByteArray> letterTail_;
    QList<Polygon> polygons_;
    QList<Marker> markers_;
    // What can't be read, each in its own sentence, all refused at once when the walk is done.
    QStringList problems_;
    bool fitWouldTake_ = false; // a problem among them that only the fit takes (FitOnly)
    bool tooManyPolygons_ = false;
};

void Reading::note(const Error& problem)
{
    problems_ << problem.message();
    fitWouldTake_ = fitWouldTake_ || dynamic_cast<const FitOnly*>(&problem);
}

// Every problem noted, each on its own line; when the fit would take some of them, the way to it.
Error Reading::refusal() const
{
    QString message = problems_.join(u'\n');
    if (fitWouldTake_)
        message +=
            u'\n'
            + vertiloom::tr("Or let vertiloom-cli import IMAGE DRAWING --letter L --fit flatten the drawing into the "
                            "letter's limits.");
    return Error(message);
}

// Keeps, before the walk that reads, every element a <use> draws (the first of each id, as a viewer
// finds it) with all it holds, each element once: a <use> may draw an element that comes after it.
void Reading::keep(const QByteArray& svg, const QSet<QString>& drawnByUse)
{
    QXmlStreamReader xml(svg);
    QList<int> open;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString id = xml.attributes().value(QStringLiteral("id")).toString();
            const int parent = open.isEmpty() ? -1 : open.last();
            if (parent < 0 && !drawnByUse.contains(id)) {
                open << -1;
                continue;
            }
            const int index = static_cast<int>(kept_.size());
            kept_ << Kept{elementOf(xml), {}};
            if (parent >= 0)
                kept_[parent].children << index;
            if (drawnByUse.contains(id) && !ids_.contains(id))
                ids_.insert(id, index);
            open << index;
        } else if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
        }
    }
}

void Reading::read(const QByteArray& svg, const QSet<QString>& drawnByUse)
{
    if (!drawnByUse.isEmpty())
        keep(svg, drawnByUse);
    // Elements are kept in the order this walk meets them, by the same rule.
    int nextKept = 0;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const Element element = elementOf(xml);
            const QString id = element.attributes.value(QStringLiteral("id")).toString();
            const bool kept = (!frames_.isEmpty() && frames_.last().kept >= 0) || drawnByUse.contains(id);
            const int index = kept ? nextKept++ : -1;
            const Place place{element.tag, element.svg ? ++counts_[element.tag] : 0, id, false, 0, {}};
            if (frames_.isEmpty()) {
                if (!element.svg || element.tag != QLatin1String("svg"))
                    throw Error(vertiloom::tr("The file is not an SVG drawing: its root element is <%1>.")
                                    .arg(xml.qualifiedName().toString()));
                readRoot(element, place, index);
            } else {
                open(element, place, index);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            frames_.removeLast();
        }
    }
}

void Reading::open(const Element& element, const Place& place, int kept, const Element* user)
{
    const qsizetype level = frames_.size() + 1;
    if (level > kSvgDeepest)
        throw tooDeep(named(place), level);
    const QString& tag = element.tag;
    const QXmlStreamAttributes& attributes = element.attributes;
    Frame& parent = frames_.last(); // not to be used once frames_ grows
    const bool inDrawnPlace = !parent.passedOver;
    bool passedOver = parent.passedOver || !element.svg;
    // A <switch> chooses by the conditions alone: a child it chooses may still be hidden.
    static const QStringList kNoChoice = {QStringLiteral("title"), QStringLiteral("desc"), QStringLiteral("metadata")};
    if (!passedOver) {
        const bool holds = conditionsHold(attributes);
        if (parent.isSwitch && !kNoChoice.contains(tag)) {
            if (parent.switchChosen || !holds)
                passedOver = true;
            else
                parent.switchChosen = true;
        } else {
            passedOver = !holds;
        }
    }
    passedOver = passedOver || hidden(attributes);

    Frame frame = parent;
    frame.passedOver = passedOver;
    frame.isSwitch = tag == QLatin1String("switch");
    frame.switchChosen = false;
    frame.kept = kept;
    if (!passedOver && attributes.hasAttribute(QStringLiteral("transform"))) {
        // An element whose place can't be read is noted, and nothing it holds is read.
        try {
            frame.toUnits = transformList(attributes.value(QStringLiteral("transform")), nameOf(place)) * frame.toUnits;
        } catch (const Error& problem) {
            note(problem);
            passedOver = true;
            frame.passedOver = true;
        }
    }
    if (!passedOver) {
        inheritFrom(frame, attributes);
        if (tag == QLatin1String("svg")) {
            // A drawing within the drawing: placed at x, y, its viewBox fitted into its width and height.
            frame.toUnits = viewport(attributes, attributes, true) * frame.toUnits;
        } else if (tag == QLatin1String("symbol") && user) {
            // A symbol a <use> draws: its viewBox fitted into the <use>'s width and height.
            frame.toUnits = viewport(attributes, user->attributes, false) * frame.toUnits;
        } else if (tag == QLatin1String("use")) {
            // The <use> draws what it refers to as if it held it, moved by its x and y.
            std::optional<QTransform> moved;
            try {
                moved = QTransform::fromTranslate(lengthAttribute(attributes, QStringLiteral("x"), place),
                                                  lengthAttribute(attributes, QStringLiteral("y"), place));
            } catch (const Error& problem) {
                note(problem);
            }
            if (moved) {
                frame.toUnits = *moved * frame.toUnits;
                frames_ << frame;
                drawUse(element, place);
                frames_.removeLast();
            }
        }
    }
    static const QStringList kGroups = {QStringLiteral("svg"), QStringLiteral("g"), QStringLiteral("a"),
                                        QStringLiteral("switch")};
    const bool group = kGroups.contains(tag) || (user && tag == QLatin1String("symbol"));
    frame.passedOver = passedOver || !group;
    frames_ << frame;
    // A line has no inside to fill: it is drawn by its stroke alone.
    const bool stroked = frame.stroke && frame.strokeOpaque;
    const bool drawn = !passedOver && frame.visible
                       && (tag == QLatin1String("line") ? stroked : (frame.fill && frame.fillOpaque) || stroked);
    static const QStringList kShapes = {QStringLiteral("polygon"), QStringLiteral("polyline"),
                                        QStringLiteral("rect"),    QStringLiteral("path"),
                                        QStringLiteral("circle"),  QStringLiteral("ellipse")};
    if (drawn) {
        try {
            readShape(place, attributes, frame);
        } catch (const Error& problem) {
            note(problem);
        }
    } else if (inDrawnPlace && element.svg && kShapes.contains(tag))
        undrawnShape_ = true;
}

void Reading::drawUse(const Element& use, const Place& place)
{
    const QString reference = useReference(use.attributes);
    if (reference.isEmpty())
        return; // refers to nothing, draws nothing
    const auto target = reference.startsWith(u'#') ? ids_.constFind(reference.mid(1)) : ids_.constEnd();
    if (target == ids_.constEnd()) {
        note(Error(
            vertiloom::tr("%1 refers to \"%2\", which is no element of this drawing: only the drawing's own elements "
                          "are drawn through <use>.")
                .arg(named(place), reference)));
        return;
    }
    for (const Frame& frame : std::as_const(frames_)) {
        if (frame.kept == *target) {
            note(Error(
                vertiloom::tr("%1 draws \"%2\", which holds it: a <use> can't draw itself or an element around it.")
                    .arg(named(place), reference)));
            return;
        }
    }
    const bool outermost = !through_;
    if (outermost)
        through_ = place;
    draw(*target, &use);
    if (outermost)
        through_.reset();
}

// A kept element and all it holds, drawn where a <use> draws it; the elements a <use> of <use>s may
// draw grow as powers, so their number is bounded.
void Reading::draw(int kept, const Element* user)
{
    if (++drawnThroughUse_ > kSvgMostThroughUse)
        throw Error(vertiloom::tr("%1 would draw more than %2 elements through <use>, the most a drawing may.")
                        .arg(named(*through_), groupedNumber(kSvgMostThroughUse)));
    const Kept& node = kept_.at(kept);
    const Place place{
        node.element.tag,  0,           node.element.attributes.value(QStringLiteral("id")).toString(), true,
        through_->ordinal, through_->id};
    open(node.element, place, kept, user);
    for (const int child : node.children)
        draw(child, nullptr);
    frames_.removeLast();
}

void Reading::readRoot(const Element& root, const Place& place, int kept)
{
    const QXmlStreamAttributes& attributes = root.attributes;
    if (hidden(attributes) || !conditionsHold(attributes))
        throw Error(
            vertiloom::tr("Nothing in the drawing is drawn: its root <svg> is hidden (display none, opacity 0 or a "
                          "condition that fails)."));
    bool ok = false;
    const int points = attributes.value(kPointCount).toInt(&ok);
    if (ok && points >= 0 && points <= kPoints)
        declaredPoints_ = points;
    if (const std::optional<QByteArray> tail = hexBytes(attributes.value(kLetterTail));
        tail && tail->size() == kLetterTailSize)
        letterTail_ = tail;

    // The viewBox (else the width and height, else the letter's own square) fitted into the square,
    // centred, then moved so that its centre is unit 0. The root's own transform applies within its
    // viewBox, as a group's would.
    QRectF box(0, 0, kSquare, kSquare);
    if (attributes.hasAttribute(QStringLiteral("viewBox"))) {
        const std::optional<QRectF> read = viewBox(attributes.value(QStringLiteral("viewBox")));
        if (!read)
            throw Error(
                vertiloom::tr("The drawing's viewBox \"%1\" is not four numbers with a positive width and height.")
                    .arg(attributes.value(QStringLiteral("viewBox")).toString()));
        box = *read;
    } else {
        const std::optional<double> width = length(attributes.value(QStringLiteral("width")));
        const std::optional<double> height = length(attributes.value(QStringLiteral("height")));
        if (width && height && *width > 0 && *height > 0)
            box = QRectF(0, 0, *width, *height);
    }
    const double s = kSquare / std::max(box.width(), box.height());
    Frame frame;
    frame.toUnits =
        QTransform::fromTranslate(-box.x(), -box.y()) * QTransform::fromScale(s, s)
        * QTransform::fromTranslate((kSquare - box.width() * s) / 2 - kHalf, (kSquare - box.height() * s) / 2 - kHalf);
    if (attributes.hasAttribute(QStringLiteral("transform")))
        frame.toUnits = transformList(attributes.value(QStringLiteral("transform")), nameOf(place)) * frame.toUnits;
    inheritFrom(frame, attributes);
    frame.kept = kept;
    frames_ << frame;
}

Spot Reading::toUnit(const QTransform& toUnits, QPointF p, const Place& place) const
{
    const QPointF mapped = toUnits.map(p);
    const double x = std::round(mapped.x());
    const double y = std::round(mapped.y());
    // The far edge of the square, 128, is the last unit, 127.
    const auto inside = [](double v) { return v >= -kHalf && v <= kHalf; };
    if (!inside(x) || !inside(y))
        throw Error(vertiloom::tr(
                        "%1 has a point outside the drawing's square (at %2, %3 in the letter's units, which run from "
                        "-128 to 127).")
                        .arg(named(place), QString::number(x), QString::number(y)));
    return {{std::min(static_cast<int>(x), kHalf - 1), std::min(static_cast<int>(y), kHalf - 1)}, mapped};
}

void Reading::readShape(const Place& place, const QXmlStreamAttributes& attributes, const Frame& frame)
{
    const auto units = [&](const QList<QPointF>& points) {
        QList<Spot> out;
        out.reserve(points.size());
        for (const QPointF& p : points)
            out << toUnit(frame.toUnits, p, place);
        return out;
    };
    const QString& tag = place.tag;
    if (tag == QLatin1String("polygon")) {
        addPolygon(place, units(pointList(attributes.value(QStringLiteral("points")), nameOf(place))), attributes);
    } else if (tag == QLatin1String("polyline")) {
        QList<Spot> corners = units(pointList(attributes.value(QStringLiteral("points")), nameOf(place)));
        if (corners.size() == 2 && !near(corners.last(), corners.first())) {
            addStroke(place, corners, attributes, frame);
            return;
        }
        if (corners.size() > 1) {
            if (!near(corners.last(), corners.first()))
                throw Error(vertiloom::tr("%1 is not closed: its last point is not its first.").arg(named(place)));
            corners.removeLast();
        }
        addPolygon(place, corners, attributes);
    } else if (tag == QLatin1String("line")) {
        const auto at = [&](const char* name) { return lengthAttribute(attributes, QLatin1String(name), place); };
        addStroke(place, units({{at("x1"), at("y1")}, {at("x2"), at("y2")}}), attributes, frame);
    } else if (tag == QLatin1String("rect")) {
        for (const QString& radius : {QStringLiteral("rx"), QStringLiteral("ry")}) {
            if (attributes.value(radius).trimmed() != QLatin1String("auto")
                && lengthAttribute(attributes, radius, place) > 0)
                throw FitOnly(
                    vertiloom::tr("%1 has rounded corners, which are curves: straighten the curves first; only "
                                  "straight lines are read.")
                        .arg(named(place)));
        }
        const double x = lengthAttribute(attributes, QStringLiteral("x"), place);
        const double y = lengthAttribute(attributes, QStringLiteral("y"), place);
        const double w = lengthAttribute(attributes, QStringLiteral("width"), place);
        const double h = lengthAttribute(attributes, QStringLiteral("height"), place);
        if (w > 0 && h > 0)
            addPolygon(place, units({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}), attributes);
    } else if (tag == QLatin1String("path")) {
        for (const Part& part : pathParts(attributes.value(QStringLiteral("d")), place)) {
            QList<Spot> corners = units(part.points);
            if (corners.size() == 1 && !part.closed)
                continue; // a moveto alone draws nothing
            if (corners.size() > 1 && near(corners.last(), corners.first()))
                corners.removeLast();
            else if (corners.size() == 2 && !part.closed) {
                addStroke(place, corners, attributes, frame);
                continue;
            } else if (!part.closed)
                throw Error(vertiloom::tr("%1 has a part that is not closed: end it with Z, or where it began.")
                                .arg(named(place)));
            addPolygon(place, corners, attributes);
        }
    } else if (tag == QLatin1String("circle") || tag == QLatin1String("ellipse")) {
        if (!attributes.hasAttribute(kPointNumber))
            throw curve(place);
        // A point of a drawing this editor wrote.
        bool ok = false;
        const int number = attributes.value(kPointNumber).toInt(&ok);
        if (ok && declaredPoints_ && number >= 1 && number <= *declaredPoints_) {
            const QPointF centre(lengthAttribute(attributes, QStringLiteral("cx"), place),
                                 lengthAttribute(attributes, QStringLiteral("cy"), place));
            markers_ << Marker{number, toUnit(frame.toUnits, centre, place)};
        }
    }
}

// One straight segment drawn as a line is a polygon of two corners, as the game draws its strokes; a
// stroke wider than the game's one unit is a shape of its own, which only the fit takes.
void Reading::addStroke(const Place& place, const QList<Spot>& ends, const QXmlStreamAttributes& attributes,
                        const Frame& frame)
{
    if (frame.stroke && frame.strokeOpaque && frame.strokeWidth) {
        const double width = *frame.strokeWidth * std::sqrt(std::abs(frame.toUnits.determinant()));
        if (width > 1)
            throw FitOnly(
                vertiloom::tr("%1 is a stroke %2 units wide: only a line at most 1 unit wide is read, as a polygon "
                              "of two corners.")
                    .arg(named(place), QString::number(width, 'g', 3)));
    }
    addPolygon(place, ends, attributes);
}

void Reading::addPolygon(const Place& place, const QList<Spot>& drawn, const QXmlStreamAttributes& attributes)
{
    // A polygon this editor wrote keeps its reference bytes while its drawn corners are the ones they name.
    const std::optional<QByteArray> references = declaredPoints_ && attributes.hasAttribute(kReferences)
                                                     ? hexBytes(attributes.value(kReferences))
                                                     : std::nullopt;
    qsizetype naming = 0;
    if (references) {
        for (const char r : *references)
            naming += namesPoint(static_cast<std::uint8_t>(r), *declaredPoints_) ? 1 : 0;
    }
    Polygon polygon{place, {}, {}, {}, {}};
    if (references && naming == drawn.size()) {
        // Which drawn corner is which is settled once every circle is known.
        for (const char byte : *references) {
            const auto r = static_cast<std::uint8_t>(byte);
            if (namesPoint(r, *declaredPoints_))
                polygon.corners << Corner{std::nullopt, r / 2, r, -1};
            else
                polygon.corners << Corner{std::nullopt, -1, r, -1};
        }
        polygon.drawn = drawn;
    } else {
        // Drawn elsewhere (or changed there): the corners as drawn, one where several follow at one point.
        QList<Spot> corners;
        for (const Spot& c : drawn) {
            if (corners.isEmpty() || !near(corners.last(), c))
                corners << c;
        }
        while (corners.size() > 1 && near(corners.last(), corners.first()))
            corners.removeLast();
        if (corners.isEmpty())
            return;
        for (const Spot& c : corners)
            polygon.corners << Corner{c, -1, 0, -1};
    }
    if (polygons_.size() >= kPolygons) {
        // The first polygon too many is named; the ones after it would only repeat it.
        if (!tooManyPolygons_)
            note(Error(vertiloom::tr("%1 would be polygon %2 of the letter; a letter holds at most %3.")
                           .arg(named(place), QString::number(kPolygons + 1), QString::number(kPolygons))));
        tooManyPolygons_ = true;
        return;
    }
    if (polygon.corners.size() > kCorners)
        note(Error(vertiloom::tr("%1 has %2 corners; a polygon holds at most %3.")
                       .arg(named(place), QString::number(polygon.corners.size()), QString::number(kCorners))));
    polygon.parameters = hexBytes(attributes.value(kParameters)).value_or(QByteArray());
    if (const std::optional<QByteArray> tail = hexBytes(attributes.value(kPolygonTail));
        tail && tail->size() == kPolygonTailSize)
        polygon.tail = tail;
    polygons_ << polygon;
}

// A vector editor may write a polygon's corners from another one, or the other way round: each polygon of
// this editor's drawing takes the turn of its drawn corners that puts most of them on the points their
// references name (where the circles are, else where the polygons before it put them), the corners as
// drawn when none does better.
void Reading::alignTurnedPolygons()
{
    QList<std::optional<Spot>> known(declaredPoints_.value_or(0));
    for (const Marker& marker : std::as_const(markers_)) {
        if (!known[marker.number - 1])
            known[marker.number - 1] = marker.at;
    }
    for (Polygon& polygon : polygons_) {
        if (polygon.drawn.isEmpty())
            continue;
        QList<Corner*> naming;
        for (Corner& corner : polygon.corners) {
            if (corner.claimed >= 0)
                naming << &corner;
        }
        const qsizetype n = polygon.drawn.size();
        const auto drawnAt = [n](qsizetype start, bool reversed, qsizetype k) {
            return reversed ? ((start - k) % n + n) % n : (start + k) % n;
        };
        int best = -1;
        qsizetype bestStart = 0;
        bool bestReversed = false;
        for (const bool reversed : {false, true}) {
            for (qsizetype start = 0; start < n; ++start) {
                int matches = 0;
                for (qsizetype k = 0; k < n; ++k) {
                    const std::optional<Spot>& at = known[naming[k]->claimed];
                    matches += at && near(*at, polygon.drawn[drawnAt(start, reversed, k)]) ? 1 : 0;
                }
                if (matches > best) {
                    best = matches;
                    bestStart = start;
                    bestReversed = reversed;
                }
            }
        }
        for (qsizetype k = 0; k < n; ++k) {
            naming[k]->at = polygon.drawn[drawnAt(bestStart, bestReversed, k)];
            if (!known[naming[k]->claimed])
                known[naming[k]->claimed] = naming[k]->at;
        }
    }
}

LetterRecord Reading::letter()
{
    if (!problems_.isEmpty() && polygons_.isEmpty())
        throw refusal();
    if (polygons_.isEmpty() && !declaredPoints_ && undrawnShape_)
        throw Error(vertiloom::tr(
            "Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill and "
            "stroke."));
    if (polygons_.isEmpty() && !declaredPoints_)
        throw Error(
            vertiloom::tr("The drawing is empty: it holds no polygon, closed polyline, rectangle or path of straight "
                          "lines."));
    alignTurnedPolygons();

    // The points: first those a drawing of this editor names by its reference bytes, then its circles
    // for the points no polygon uses, then every other corner in drawing order, at a point within half a
    // unit (one at its own unit first) or a new one.
    QList<std::optional<Spot>> found(declaredPoints_.value_or(0));
    for (Polygon& polygon : polygons_) {
        for (Corner& corner : polygon.corners) {
            if (corner.claimed < 0)
                continue;
            std::optional<Spot>& slot = found[corner.claimed];
            if (!slot)
                slot = corner.at;
            if (near(*slot, *corner.at))
                corner.point = corner.claimed;
        }
    }
    for (const Marker& marker : std::as_const(markers_)) {
        if (!found[marker.number - 1])
            found[marker.number - 1] = marker.at;
    }
    const auto pointNear = [&found](const Spot& at) {
        for (qsizetype i = 0; i < found.size(); ++i) {
            if (found[i] && found[i]->unit == at.unit)
                return static_cast<int>(i);
        }
        for (qsizetype i = 0; i < found.size(); ++i) {
            if (found[i] && near(*found[i], at))
                return static_cast<int>(i);
        }
        return -1;
    };
    qsizetype inUse = std::count_if(found.cbegin(), found.cend(), [](const auto& slot) { return slot.has_value(); });
    bool tooManyPoints = false;
    for (Polygon& polygon : polygons_) {
        for (Corner& corner : polygon.corners) {
            if (!corner.at || corner.point >= 0)
                continue;
            corner.point = pointNear(*corner.at);
            if (corner.point >= 0)
                continue;
            if (inUse == kPoints && !tooManyPoints) {
                note(Error(vertiloom::tr("%1 brings the letter to %2 points; a letter holds at most %3.")
                               .arg(named(polygon.place), QString::number(kPoints + 1), QString::number(kPoints))));
                tooManyPoints = true;
            }
            corner.point = static_cast<int>(found.size());
            found << corner.at;
            ++inUse;
        }
    }

    // Points whose circle is gone and that no polygon uses leave no gap.
    LetterRecord record;
    QList<int> renumbered(found.size(), -1);
    for (qsizetype i = 0; i < found.size(); ++i) {
        if (!found[i])
            continue;
        renumbered[i] = static_cast<int>(record.points.size());
        record.points.append(
            {static_cast<std::uint8_t>(found[i]->unit.x()), static_cast<std::uint8_t>(found[i]->unit.y())});
    }
    for (qsizetype p = 0; p < polygons_.size(); ++p) {
        const Polygon& polygon = polygons_[p];
        const PolygonBlock* was = p < current_.polygons.size() ? &current_.polygons[p] : nullptr;
        PolygonBlock block;
        for (qsizetype k = 0; k < polygon.corners.size(); ++k) {
            const Corner& corner = polygon.corners[k];
            // A reference byte kept as it was named no point of the drawing; were it to name one of the
            // letter read, a corner would appear that nobody drew.
            if (corner.point < 0 && namesPoint(corner.reference, record.points.size()))
                note(Error(
                    vertiloom::tr("%1 keeps the reference byte %2, which names no point of the drawing but would name "
                                  "point %3 of the letter read from it: take it out of data-vertiloom-corners.")
                        .arg(named(polygon.place), hexList(QByteArray(1, static_cast<char>(corner.reference))),
                             QString::number(corner.reference / 2 + 1))));
            block.vertexRefs.append(
                static_cast<char>(corner.point >= 0 ? 2 * renumbered[corner.point] : corner.reference));
            if (k < polygon.parameters.size())
                block.parameters.append(polygon.parameters[k]);
            else if (was && k < was->parameters.size())
                block.parameters.append(was->parameters[k]);
            else
                block.parameters.append('\0');
        }
        record.polygons.append(block);
        if (polygon.tail)
            record.polygonTails.append(*polygon.tail);
        else if (p < current_.polygonTails.size() && current_.polygonTails[p].size() == kPolygonTailSize)
            record.polygonTails.append(current_.polygonTails[p]);
        else
            record.polygonTails.append(QByteArray(kPolygonTailSize, '\0'));
    }
    if (!problems_.isEmpty())
        throw refusal();
    if (letterTail_)
        record.letterTail = *letterTail_;
    else if (current_.letterTail.size() == kLetterTailSize)
        record.letterTail = current_.letterTail;
    else
        record.letterTail = QByteArray(kLetterTailSize, '\0');
    return record;
}

} // namespace

LetterRecord letterFromSvg(const QByteArray& svg, const LetterRecord& current)
{
    const QSet<QString> drawnByUse = checkedFile(svg);
    Reading reading(current);
    reading.read(svg, drawnByUse);
    return reading.letter();
}

} // namespace vertiloom
