// The shapes a letter is fitted from: SVG drawings with curves and strokes, font glyphs and traced
// pictures; see sources.h.
#include "fit/sources.h"

#include "formats/svgsyntax.h"

#include "model/error.h"
#include "model/messages.h"
#include "record/files.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QImageReader>
#include <QLocale>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRawFont>
#include <QSet>
#include <QTransform>
#include <QXmlStreamReader>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace vertiloom {

namespace {

// --- SVG -------------------------------------------------------------------------------------------

const QString kSvgNamespace = QStringLiteral("http://www.w3.org/2000/svg");
const QString kXlinkNamespace = QStringLiteral("http://www.w3.org/1999/xlink");

// A hairline stroke, at most this share of the drawing's larger side, outlines a shape, not a ring.
constexpr double kHairline = 0.02;

// Curves are flattened for a union on a grid this many steps across the drawing (Qt flattens to half
// a step).
constexpr double kFlatteningGrid = 4096;

struct Node {
    QString tag;
    bool svg = false; // in SVG's namespace, or in none
    QXmlStreamAttributes attributes;
    QList<int> children;
    int ordinal = 0; // among the elements of its tag, from 1
};

// "The <path> "bowl"" or "The 3rd <path>", to begin a sentence.
QString named(const Node& node)
{
    return elementName(node.tag, node.attributes.value(QStringLiteral("id")).toString(), node.ordinal);
}

// The name of an element, made when a message needs it.
SvgElementName nameOf(const Node& node)
{
    return [&node] { return named(node); };
}

Error unreadable(const Node& node, const QString& attribute, qsizetype at)
{
    return unreadableAttribute(named(node), attribute, at);
}

// A length attribute: fallback when absent; refused when it can't be read.
double lengthOf(const Node& node, const QString& name, double fallback = 0)
{
    return lengthAttribute(node.attributes, name, nameOf(node), fallback);
}

// The SVG arc from `from` to `to` (radii rx, ry, the x axis turned by phi degrees), in cubic pieces of at
// most a quarter turn each. Radii too small to reach are scaled up, as SVG says; a zero radius is a line.
void arcTo(QPainterPath& path, QPointF from, double rx, double ry, double phi, bool large, bool sweep, QPointF to)
{
    rx = std::abs(rx);
    ry = std::abs(ry);
    if (from == to)
        return;
    if (rx == 0 || ry == 0) {
        path.lineTo(to);
        return;
    }
    const double cosPhi = std::cos(qDegreesToRadians(phi));
    const double sinPhi = std::sin(qDegreesToRadians(phi));
    const double dx = (from.x() - to.x()) / 2;
    const double dy = (from.y() - to.y()) / 2;
    const double x1 = cosPhi * dx + sinPhi * dy;
    const double y1 = -sinPhi * dx + cosPhi * dy;
    const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double k = std::sqrt(std::max(0.0, num / den));
    if (large == sweep)
        k = -k;
    const double cx1 = k * rx * y1 / ry;
    const double cy1 = -k * ry * x1 / rx;
    const double cx = cosPhi * cx1 - sinPhi * cy1 + (from.x() + to.x()) / 2;
    const double cy = sinPhi * cx1 + cosPhi * cy1 + (from.y() + to.y()) / 2;
    const auto angle = [](double ux, double uy, double vx, double vy) {
        return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    };
    const double theta = angle(1, 0, (x1 - cx1) / rx, (y1 - cy1) / ry);
    double delta = angle((x1 - cx1) / rx, (y1 - cy1) / ry, (-x1 - cx1) / rx, (-y1 - cy1) / ry);
    if (!sweep && delta > 0)
        delta -= 2 * M_PI;
    else if (sweep && delta < 0)
        delta += 2 * M_PI;
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::abs(delta) / (M_PI / 2) - 1e-9)));
    const double step = delta / pieces;
    const double handle = 4.0 / 3 * std::tan(step / 4);
    const auto at = [&](double t) {
        return QPointF(cx + rx * std::cos(t) * cosPhi - ry * std::sin(t) * sinPhi,
                       cy + rx * std::cos(t) * sinPhi + ry * std::sin(t) * cosPhi);
    };
    const auto tangent = [&](double t) {
        return QPointF(-rx * std::sin(t) * cosPhi - ry * std::cos(t) * sinPhi,
                       -rx * std::sin(t) * sinPhi + ry * std::cos(t) * cosPhi);
    };
    double t = theta;
    for (int i = 0; i < pieces; ++i) {
        const double next = t + step;
        const QPointF end = i + 1 == pieces ? to : at(next);
        path.cubicTo(at(t) + handle * tangent(t), at(next) - handle * tangent(next), end);
        t = next;
    }
}

// A path's d: its outline, each part closed by Z closed in the QPainterPath; closed is whether every
// part is closed by Z or ends where it began.
QPainterPath pathData(const Node& node, bool& closed)
{
    SvgScanner in(node.attributes.value(QStringLiteral("d")));
    QPainterPath path;
    closed = true;
    QPointF current;
    QPointF start;
    QPointF lastControl; // the second control point of the last cubic, or the control of the last quadratic
    QChar command;
    QChar previous;
    bool open = false; // a part has segments and is not closed yet
    const auto bad = [&] { return unreadable(node, QStringLiteral("d"), in.position()); };
    const auto number = [&] {
        const std::optional<double> value = in.number();
        if (!value)
            throw bad();
        in.skipSeparator();
        return *value;
    };
    const auto flag = [&] {
        const std::optional<bool> value = in.flag();
        if (!value)
            throw bad();
        in.skipSeparator();
        return *value;
    };
    const auto endPart = [&] {
        if (open && current != start)
            closed = false;
        open = false;
    };
    while (!in.atEnd()) {
        const QChar c = in.peek();
        if (c.isLetter()) {
            if (!QStringLiteral("MmLlHhVvCcSsQqTtAaZz").contains(c) || (command.isNull() && c.toUpper() != u'M'))
                throw bad();
            in.advance();
            command = c;
            if (c.toUpper() == u'Z') {
                if (open)
                    path.closeSubpath();
                open = false;
                current = start;
                previous = u'Z';
                in.skipSeparator();
                continue;
            }
        } else if (command.isNull() || command.toUpper() == u'Z') {
            throw bad();
        }
        const bool relative = command.isLower();
        const QChar kind = command.toUpper();
        const QPointF base = relative ? current : QPointF();
        const auto point = [&] {
            const double x = number();
            const double y = number();
            return base + QPointF(x, y);
        };
        if (kind == u'M') {
            endPart();
            current = start = point();
            path.moveTo(current);
            command = relative ? u'l' : u'L'; // further pairs draw lines
            previous = u'M';
            continue;
        }
        if (!open && path.elementCount() > 0 && previous == u'Z')
            path.moveTo(current); // a segment after Z begins a new part where the last one began
        open = true;
        QPointF to;
        QPointF control;
        if (kind == u'L') {
            to = point();
            path.lineTo(to);
        } else if (kind == u'H') {
            to = QPointF((relative ? current.x() : 0) + number(), current.y());
            path.lineTo(to);
        } else if (kind == u'V') {
            to = QPointF(current.x(), (relative ? current.y() : 0) + number());
            path.lineTo(to);
        } else if (kind == u'C' || kind == u'S') {
            const QPointF first = kind == u'C'                             ? point()
                                  : (previous == u'C' || previous == u'S') ? 2 * current - lastControl
                                                                           : current;
            control = point();
            to = point();
            path.cubicTo(first, control, to);
        } else if (kind == u'Q' || kind == u'T') {
            control = kind == u'Q'                             ? point()
                      : (previous == u'Q' || previous == u'T') ? 2 * current - lastControl
                                                               : current;
            to = point();
            path.quadTo(control, to);
        } else { // A
            const double rx = number();
            const double ry = number();
            const double phi = number();
            const bool large = flag();
            const bool sweep = flag();
            to = point();
            arcTo(path, current, rx, ry, phi, large, sweep, to);
        }
        lastControl = control;
        previous = kind;
        current = to;
    }
    endPart();
    return path;
}

// What an element passes on to what it holds.
struct Style {
    bool visible = true;
    bool fill = true;
    bool fillOpaque = true;
    bool stroke = false;
    bool strokeOpaque = true;
    Qt::FillRule fillRule = Qt::WindingFill;
    double strokeWidth = 1;
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::SvgMiterJoin;
    double miterLimit = 4;
};

void inherit(Style& style, const Node& node)
{
    const QXmlStreamAttributes& a = node.attributes;
    if (const auto visibility = property(a, QLatin1String("visibility")))
        style.visible = *visibility != QLatin1String("hidden") && *visibility != QLatin1String("collapse");
    if (const auto fill = property(a, QLatin1String("fill")))
        style.fill = !noPaint(*fill);
    if (const auto opacity = property(a, QLatin1String("fill-opacity")))
        style.fillOpaque = !transparent(opacity);
    if (const auto stroke = property(a, QLatin1String("stroke")))
        style.stroke = !noPaint(*stroke);
    if (const auto opacity = property(a, QLatin1String("stroke-opacity")))
        style.strokeOpaque = !transparent(opacity);
    if (const auto rule = property(a, QLatin1String("fill-rule")))
        style.fillRule = *rule == QLatin1String("evenodd") ? Qt::OddEvenFill : Qt::WindingFill;
    if (const auto width = property(a, QLatin1String("stroke-width"))) {
        const std::optional<double> value = length(*width);
        if (!value || *value < 0)
            throw unreadable(node, QStringLiteral("stroke-width"), 0);
        style.strokeWidth = *value;
    }
    if (const auto cap = property(a, QLatin1String("stroke-linecap")))
        style.cap = *cap == QLatin1String("round")    ? Qt::RoundCap
                    : *cap == QLatin1String("square") ? Qt::SquareCap
                                                      : Qt::FlatCap;
    if (const auto join = property(a, QLatin1String("stroke-linejoin")))
        style.join = *join == QLatin1String("round")   ? Qt::RoundJoin
                     : *join == QLatin1String("bevel") ? Qt::BevelJoin
                                                       : Qt::SvgMiterJoin;
    if (const auto limit = property(a, QLatin1String("stroke-miterlimit"))) {
        SvgScanner in(*limit);
        const std::optional<double> value = in.number();
        if (!value || !in.atEnd() || *value < 1)
            throw unreadable(node, QStringLiteral("stroke-miterlimit"), 0);
        style.miterLimit = *value;
    }
}

// What one shape fills, in the root's coordinates.
struct Area {
    QPainterPath inside;  // by its fill rule; empty when the shape is not filled
    QPainterPath outline; // the shape as drawn, when only a stroke draws it and every part is closed
    QPainterPath stroke;  // the stroke's outline, nonzero
    double strokeWidth = 0;
};

class SvgReading {
public:
    void parse(const QByteArray& svg);
    void walk(int index, Style style, const QTransform& toRoot, const Node* user);
    QPainterPath shape() const;

    std::vector<Node> nodes;

private:
    void readShape(const Node& node, const Style& style, const QTransform& toRoot);

    QHash<QString, int> ids_;
    QList<int> open_; // the elements being walked, for the <use> elements that draw one of them
    int drawnThroughUse_ = 0;
    int depth_ = 0;
    double canvas_ = 0; // the larger side of the root's viewBox, else of its width and height
    bool undrawn_ = false;
    QList<Area> areas_;
};

void SvgReading::parse(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    QList<int> open;
    QHash<QString, int> counts;
    std::optional<Error> tooDeepHere;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (open.size() >= kSvgDeepest) {
                if (!tooDeepHere)
                    tooDeepHere = tooDeep(elementAt(xml), open.size() + 1);
                open << -1;
                continue;
            }
            if (!open.isEmpty() && open.last() < 0) {
                open << -1;
                continue;
            }
            Node node{xml.name().toString(),
                      xml.namespaceUri().isEmpty() || xml.namespaceUri() == kSvgNamespace,
                      xml.attributes(),
                      {},
                      0};
            if (node.svg)
                node.ordinal = ++counts[node.tag];
            const int index = static_cast<int>(nodes.size());
            if (!open.isEmpty())
                nodes[open.last()].children << index;
            const QString id = node.attributes.value(QStringLiteral("id")).toString();
            if (!id.isEmpty() && !ids_.contains(id))
                ids_.insert(id, index);
            nodes.push_back(std::move(node));
            open << index;
        } else if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
        }
    }
    if (xml.hasError())
        throw notWellFormed(xml);
    if (tooDeepHere)
        throw *tooDeepHere;
    if (nodes.empty() || !nodes[0].svg || nodes[0].tag != QLatin1String("svg"))
        throw Error(vertiloom::tr("The file is not an SVG drawing: its root element is <%1>.")
                        .arg(nodes.empty() ? QString() : nodes[0].tag));
    const QXmlStreamAttributes& root = nodes[0].attributes;
    if (const std::optional<QRectF> box = viewBox(root.value(QStringLiteral("viewBox"))))
        canvas_ = std::max(box->width(), box->height());
    else
        canvas_ = std::max(length(root.value(QStringLiteral("width"))).value_or(0),
                           length(root.value(QStringLiteral("height"))).value_or(0));
}

void SvgReading::walk(int index, Style style, const QTransform& outer, const Node* user)
{
    const Node& node = nodes[index];
    if (!node.svg || hidden(node.attributes) || !conditionsHold(node.attributes))
        return;
    static const QStringList kShapes = {QStringLiteral("path"), QStringLiteral("polygon"), QStringLiteral("polyline"),
                                        QStringLiteral("rect"), QStringLiteral("circle"),  QStringLiteral("ellipse"),
                                        QStringLiteral("line")};
    inherit(style, node);
    QTransform toRoot = outer;
    if (node.attributes.hasAttribute(QStringLiteral("transform")))
        toRoot = transformList(node.attributes.value(QStringLiteral("transform")), nameOf(node)) * toRoot;
    const QString& tag = node.tag;
    if (kShapes.contains(tag)) {
        if (node.attributes.hasAttribute(QStringLiteral("data-vertiloom-point")))
            return; // a point's circle in a letter this editor drew: a marker, not part of the letter
        readShape(node, style, toRoot);
        return;
    }
    if (tag == QLatin1String("use")) {
        QString reference = node.attributes.value(QStringLiteral("href")).trimmed().toString();
        if (!node.attributes.hasAttribute(QStringLiteral("href")))
            reference = node.attributes.value(kXlinkNamespace, QStringLiteral("href")).trimmed().toString();
        if (reference.isEmpty())
            return;
        const auto target = reference.startsWith(u'#') ? ids_.constFind(reference.mid(1)) : ids_.constEnd();
        if (target == ids_.constEnd())
            throw Error(vertiloom::tr(
                            "%1 refers to \"%2\", which is no element of this drawing: only the drawing's own elements "
                            "are drawn through <use>.")
                            .arg(named(node), reference));
        if (*target == index || open_.contains(*target))
            throw Error(
                vertiloom::tr("%1 draws \"%2\", which holds it: a <use> can't draw itself or an element around it.")
                    .arg(named(node), reference));
        if (++drawnThroughUse_ > kSvgMostThroughUse)
            throw Error(vertiloom::tr("%1 would draw more than %2 elements through <use>, the most a drawing may.")
                            .arg(named(node), groupedNumber(kSvgMostThroughUse)));
        open_ << index;
        walk(*target, style,
             QTransform::fromTranslate(lengthOf(node, QStringLiteral("x")), lengthOf(node, QStringLiteral("y")))
                 * toRoot,
             &node);
        open_.removeLast();
        return;
    }
    if (tag == QLatin1String("svg") && index != 0)
        toRoot = viewport(node.attributes, node.attributes, true) * toRoot;
    else if (tag == QLatin1String("symbol") && user)
        toRoot = viewport(node.attributes, user->attributes, false) * toRoot;
    else if (tag != QLatin1String("svg") && tag != QLatin1String("g") && tag != QLatin1String("a")
             && tag != QLatin1String("switch"))
        return;                     // defs, clip paths, masks, text, images...: not drawn as they stand
    if (++depth_ > kSvgDeepest * 4) // <use> of <use>...: bounded by the count above, and the stack by this
        throw tooDeep(named(node), depth_, kSvgDeepest * 4);
    open_ << index;
    for (const int child : node.children) {
        if (tag == QLatin1String("switch")) {
            const Node& c = nodes[child];
            if (c.tag == QLatin1String("title") || c.tag == QLatin1String("desc") || c.tag == QLatin1String("metadata")
                || !conditionsHold(c.attributes))
                continue;
            walk(child, style, toRoot, nullptr);
            break;
        }
        walk(child, style, toRoot, nullptr);
    }
    open_.removeLast();
    --depth_;
}

void SvgReading::readShape(const Node& node, const Style& style, const QTransform& toRoot)
{
    const bool filled = style.visible && style.fill && style.fillOpaque;
    const bool stroked = style.visible && style.stroke && style.strokeOpaque && style.strokeWidth > 0;
    if (!filled && !stroked) {
        undrawn_ = true;
        return;
    }
    QPainterPath path;
    bool closed = true; // every part of the outline is closed
    const QString& tag = node.tag;
    if (tag == QLatin1String("path")) {
        path = pathData(node, closed);
    } else if (tag == QLatin1String("polygon") || tag == QLatin1String("polyline")) {
        const QList<QPointF> points = pointList(node.attributes.value(QStringLiteral("points")), nameOf(node));
        if (points.size() > 1) {
            path.addPolygon(QPolygonF(points));
            if (tag == QLatin1String("polygon"))
                path.closeSubpath();
            else
                closed = points.first() == points.last();
        }
    } else if (tag == QLatin1String("rect")) {
        const double w = lengthOf(node, QStringLiteral("width"));
        const double h = lengthOf(node, QStringLiteral("height"));
        const auto radius = [&](const QString& name) -> std::optional<double> {
            if (!node.attributes.hasAttribute(name) || node.attributes.value(name).trimmed() == QLatin1String("auto"))
                return std::nullopt;
            return lengthOf(node, name);
        };
        std::optional<double> rx = radius(QStringLiteral("rx"));
        std::optional<double> ry = radius(QStringLiteral("ry"));
        if (!rx)
            rx = ry;
        if (!ry)
            ry = rx;
        const QRectF rect(lengthOf(node, QStringLiteral("x")), lengthOf(node, QStringLiteral("y")), w, h);
        if (w > 0 && h > 0) {
            const double rxc = std::clamp(rx.value_or(0), 0.0, w / 2);
            const double ryc = std::clamp(ry.value_or(0), 0.0, h / 2);
            if (rxc > 0 && ryc > 0)
                path.addRoundedRect(rect, rxc, ryc);
            else
                path.addRect(rect);
        }
    } else if (tag == QLatin1String("circle") || tag == QLatin1String("ellipse")) {
        const QPointF centre(lengthOf(node, QStringLiteral("cx")), lengthOf(node, QStringLiteral("cy")));
        const double rx =
            tag == QLatin1String("circle") ? lengthOf(node, QStringLiteral("r")) : lengthOf(node, QStringLiteral("rx"));
        const double ry = tag == QLatin1String("circle") ? rx : lengthOf(node, QStringLiteral("ry"));
        if (rx > 0 && ry > 0)
            path.addEllipse(centre, rx, ry);
    } else { // line
        path.moveTo(lengthOf(node, QStringLiteral("x1")), lengthOf(node, QStringLiteral("y1")));
        path.lineTo(lengthOf(node, QStringLiteral("x2")), lengthOf(node, QStringLiteral("y2")));
        closed = false;
    }
    if (path.isEmpty())
        return;
    Area area;
    if (filled && tag != QLatin1String("line")) {
        path.setFillRule(style.fillRule);
        area.inside = toRoot.map(path);
    }
    if (stroked) {
        QPainterPathStroker stroker;
        stroker.setWidth(style.strokeWidth);
        stroker.setCapStyle(style.cap);
        stroker.setJoinStyle(style.join);
        stroker.setMiterLimit(style.miterLimit);
        // Qt flattens a stroke's curves to a quarter of a unit: too coarse for a drawing a few units across.
        const QRectF extent = path.controlPointRect();
        stroker.setCurveThreshold(std::max(extent.width(), extent.height()) / kFlatteningGrid);
        area.stroke = toRoot.map(stroker.createStroke(path));
        area.stroke.setFillRule(Qt::WindingFill);
        area.strokeWidth = style.strokeWidth * std::sqrt(std::abs(toRoot.determinant()));
        if (!filled && closed) {
            path.setFillRule(style.fillRule);
            area.outline = toRoot.map(path);
        }
    }
    areas_ << area;
}

QPainterPath SvgReading::shape() const
{
    QRectF bounds;
    for (const Area& area : areas_)
        bounds = bounds.united(area.inside.boundingRect()).united(area.stroke.boundingRect());
    const double size = std::max(bounds.width(), bounds.height());
    QList<QPainterPath> parts;
    for (const Area& area : areas_) {
        if (!area.outline.isEmpty() && area.strokeWidth <= kHairline * std::max(size, canvas_))
            parts << area.outline;
        else if (!area.stroke.isEmpty())
            parts << area.stroke;
        if (!area.inside.isEmpty())
            parts << area.inside;
    }
    if (parts.isEmpty() || !(size > 0)) {
        if (undrawn_ && parts.isEmpty())
            throw Error(vertiloom::tr(
                "Nothing in the drawing is drawn: each shape in it is hidden, transparent or without fill "
                "and stroke."));
        throw Error(
            vertiloom::tr("The drawing fills nothing: it holds no shape with an area (a <line> or an open path needs a "
                          "stroke to be drawn)."));
    }
    if (parts.size() == 1)
        return parts.first();
    // United on a fine grid: Qt flattens curves to half a step of the grid it unites them on.
    const double s = kFlatteningGrid / size;
    const QTransform toGrid = QTransform::fromTranslate(-bounds.x(), -bounds.y()) * QTransform::fromScale(s, s);
    QPainterPath united;
    for (const QPainterPath& part : std::as_const(parts)) {
        QPainterPath flat;
        for (const QPolygonF& polygon : part.toSubpathPolygons(toGrid))
            flat.addPolygon(polygon);
        flat.setFillRule(part.fillRule());
        united = united.isEmpty() ? flat : united.united(flat);
    }
    return toGrid.inverted().map(united);
}

// --- Pictures ----------------------------------------------------------------------------------------

constexpr int kLargestTraced = 2048;

// The threshold that splits the histogram into two classes with the largest variance between them
// (Otsu's): grey levels up to it are dark. Nothing when one class would be empty.
std::optional<int> otsu(const std::array<qint64, 256>& histogram, qint64 total)
{
    double sumAll = 0;
    for (int g = 0; g < 256; ++g)
        sumAll += static_cast<double>(g) * static_cast<double>(histogram[g]);
    double sumDark = 0;
    qint64 dark = 0;
    double best = -1;
    int first = -1; // the levels that split best: the middle one is taken, so that an edge from black to
    int last = -1;  // white is traced halfway between their pixels' centres
    for (int t = 0; t < 255; ++t) {
        dark += histogram[t];
        sumDark += static_cast<double>(t) * static_cast<double>(histogram[t]);
        const qint64 light = total - dark;
        if (dark == 0 || light == 0)
            continue;
        const double meanDark = sumDark / static_cast<double>(dark);
        const double meanLight = (sumAll - sumDark) / static_cast<double>(light);
        const double between =
            static_cast<double>(dark) * static_cast<double>(light) * (meanDark - meanLight) * (meanDark - meanLight);
        if (between > best) {
            best = between;
            first = last = t;
        } else if (between == best) {
            last = t; // a level no pixel has: the same split
        }
    }
    if (first < 0)
        return std::nullopt;
    return (first + last) / 2;
}

// The smallest difference between the mean greys of dark and light that makes a shape, of 255.
constexpr double kLeastContrast = 32;

} // namespace

QPainterPath shapeFromSvg(const QByteArray& svg, const QString& shownName)
{
    try {
        SvgReading reading;
        reading.parse(svg);
        reading.walk(0, Style(), QTransform(), nullptr);
        return reading.shape();
    } catch (const Error& error) {
        throw Error(tr("%1: %2").arg(shownName, error.message()));
    }
}

QPainterPath shapeFromFont(const QString& font, char32_t character)
{
    constexpr double kEm = 256;
    QRawFont raw;
    QString shown = font;
    const bool file = QStringList{QStringLiteral(".ttf"), QStringLiteral(".otf"), QStringLiteral(".ttc")}.contains(
                          QStringLiteral(".") + QFileInfo(font).suffix().toLower())
                      || font.contains(u'/');
    if (file) {
        if (!QFileInfo(font).isFile())
            throw Error(tr("File not found: %1").arg(font));
        raw = QRawFont(font, kEm, QFont::PreferNoHinting);
        if (!raw.isValid())
            throw Error(tr("%1 can't be read as a font: it is no TrueType or OpenType file Qt can read.").arg(font));
    } else {
        const qsizetype colon = font.lastIndexOf(u':');
        const QString family = (colon < 0 ? font : font.left(colon)).trimmed();
        const QString style = colon < 0 ? QString() : font.mid(colon + 1).trimmed();
        const QStringList families = QFontDatabase::families();
        const auto found = std::find_if(families.cbegin(), families.cend(),
                                        [&](const QString& f) { return f.compare(family, Qt::CaseInsensitive) == 0; });
        if (family.isEmpty() || found == families.cend())
            throw Error(tr("No font \"%1\" is installed: name an installed font's family, such as \"DejaVu Sans\" "
                           "(with its style after a colon, such as \"DejaVu Sans:Bold\"), or a .ttf or .otf file.")
                            .arg(family));
        QFont qfont(*found);
        if (!style.isEmpty()) {
            const QStringList styles = QFontDatabase::styles(*found);
            const auto chosen = std::find_if(styles.cbegin(), styles.cend(), [&](const QString& s) {
                return s.compare(style, Qt::CaseInsensitive) == 0;
            });
            if (chosen == styles.cend())
                throw Error(tr("The font \"%1\" has no style \"%2\"; its styles are: %3.")
                                .arg(*found, style, styles.join(QStringLiteral(", "))));
            qfont = QFontDatabase::font(*found, *chosen, 12);
        }
        qfont.setPixelSize(static_cast<int>(kEm));
        qfont.setHintingPreference(QFont::PreferNoHinting);
        qfont.setStyleStrategy(QFont::NoFontMerging);
        raw = QRawFont::fromFont(qfont);
        if (!raw.isValid())
            throw Error(tr("%1 can't be read as a font: it is no TrueType or OpenType file Qt can read.").arg(font));
    }
    const QString text = QString::fromUcs4(&character, 1);
    const QString code = QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    if (!raw.supportsCharacter(character) || glyphs.size() != 1 || glyphs.first() == 0)
        throw Error(tr("The font \"%1\" has no character %2 (%3).").arg(shown, text, code));
    QPainterPath path = raw.pathForGlyph(glyphs.first());
    path.setFillRule(Qt::WindingFill);
    const QRectF bounds = path.boundingRect();
    if (path.isEmpty() || !(bounds.width() > 0) || !(bounds.height() > 0))
        throw Error(tr("The character %1 (%2) of the font \"%3\" draws nothing: it has no outline to fit.")
                        .arg(text, code, shown));
    return path;
}

QPainterPath shapeFromPicture(const QImage& picture)
{
    if (picture.isNull() || picture.width() == 0 || picture.height() == 0)
        throw Error(tr("The picture is empty: it has no pixels."));
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    double back = 1; // from the traced picture's pixels to the picture's own
    if (std::max(image.width(), image.height()) > kLargestTraced) {
        image = image.scaled(kLargestTraced, kLargestTraced, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        back = static_cast<double>(picture.width()) / image.width();
    }
    const int w = image.width();
    const int h = image.height();
    // Grey: the luminance, transparency laid over white.
    std::vector<quint8> grey(static_cast<size_t>(w) * static_cast<size_t>(h));
    std::array<qint64, 256> histogram{};
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            const double luminance = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
            const double alpha = qAlpha(c) / 255.0;
            const int g = std::clamp(static_cast<int>(std::lround(alpha * luminance + (1 - alpha) * 255)), 0, 255);
            grey[static_cast<size_t>(y) * w + x] = static_cast<quint8>(g);
            ++histogram[g];
        }
    }
    const qint64 total = static_cast<qint64>(w) * h;
    const std::optional<int> threshold = otsu(histogram, total);
    if (!threshold)
        throw Error(tr("The picture has nothing dark to trace: it is all one shade."));
    double sumDark = 0;
    double sumLight = 0;
    qint64 dark = 0;
    for (int g = 0; g < 256; ++g) {
        (g <= *threshold ? sumDark : sumLight) += static_cast<double>(g) * static_cast<double>(histogram[g]);
        dark += g <= *threshold ? histogram[g] : 0;
    }
    if (sumLight / static_cast<double>(total - dark) - sumDark / static_cast<double>(dark) < kLeastContrast)
        throw Error(tr("The picture has nothing dark to trace: its shades differ too little to tell a shape from its "
                       "ground."));

    // Marching squares over the pixel centres, a margin of white around: a contour runs where the grey
    // crosses level, and every contour closes.
    const double level = *threshold + 0.5;
    const auto value = [&](int x, int y) -> double {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return 255;
        return grey[static_cast<size_t>(y) * w + x];
    };
    const auto inside = [&](int x, int y) { return value(x, y) < level; };
    // Crossing points are named by their edge: horizontal edge (x, y)-(x+1, y) or vertical (x, y)-(x, y+1),
    // x and y from -1.
    const qint64 columns = w + 2;
    const auto edgeKey = [&](int x, int y, bool vertical) {
        return ((static_cast<qint64>(y + 1) * columns + (x + 1)) << 1) | (vertical ? 1 : 0);
    };
    const auto crossing = [&](int x, int y, bool vertical) {
        const int x2 = vertical ? x : x + 1;
        const int y2 = vertical ? y + 1 : y;
        const double a = value(x, y);
        const double b = value(x2, y2);
        const double t = (level - a) / (b - a);
        return QPointF(x + 0.5 + t * (x2 - x), y + 0.5 + t * (y2 - y));
    };
    QHash<qint64, qint64> next; // a segment from one crossing to the next, dark on the same side of each
    for (int y = -1; y < h; ++y) {
        for (int x = -1; x < w; ++x) {
            // The corners clockwise (y down): top left, top right, bottom right, bottom left; the edges
            // between them in the same order. Walking them, an edge that goes from light to dark enters
            // and one from dark to light leaves; a segment runs from where it enters to where it leaves.
            const bool in[4] = {inside(x, y), inside(x + 1, y), inside(x + 1, y + 1), inside(x, y + 1)};
            const qint64 edges[4] = {edgeKey(x, y, false), edgeKey(x + 1, y, true), edgeKey(x, y + 1, false),
                                     edgeKey(x, y, true)};
            int entering[2];
            int leaving[2];
            int ins = 0;
            int outs = 0;
            for (int e = 0; e < 4; ++e) {
                if (in[e] == in[(e + 1) % 4])
                    continue;
                if (in[(e + 1) % 4])
                    entering[ins++] = e;
                else
                    leaving[outs++] = e;
            }
            if (ins == 1) {
                next.insert(edges[entering[0]], edges[leaving[0]]);
            } else if (ins == 2) {
                // Two dark corners across from each other: joined through the middle when it is dark.
                const bool middle = (value(x, y) + value(x + 1, y) + value(x + 1, y + 1) + value(x, y + 1)) / 4 < level;
                // Each entering edge goes on to the leaving edge just after it (the dark corner between
                // them cut off on its own) or, when the middle is dark, to the one just before it.
                for (int k = 0; k < 2; ++k)
                    next.insert(edges[entering[k]], edges[(entering[k] + (middle ? 3 : 1)) % 4]);
            }
        }
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    QSet<qint64> used;
    // In key order, so that the same picture always gives the same path.
    QList<qint64> starts = next.keys();
    std::sort(starts.begin(), starts.end());
    const auto pointOf = [&](qint64 key) {
        const bool vertical = key & 1;
        const qint64 cell = key >> 1;
        return crossing(static_cast<int>(cell % columns) - 1, static_cast<int>(cell / columns) - 1, vertical);
    };
    for (const qint64 start : std::as_const(starts)) {
        if (used.contains(start))
            continue;
        QPolygonF loop;
        for (qint64 key = start; !used.contains(key); key = next.value(key)) {
            used.insert(key);
            loop << pointOf(key) * back;
        }
        // Points on a straight run (within a hundredth of a pixel) are left out.
        QPolygonF kept;
        for (qsizetype i = 0; i < loop.size(); ++i) {
            const QPointF p = loop[i];
            const QPointF before = kept.isEmpty() ? loop.last() : kept.last();
            const QPointF after = loop[(i + 1) % loop.size()];
            const QPointF d = after - before;
            const double span = std::hypot(d.x(), d.y());
            const double off =
                span > 0 ? std::abs(d.x() * (p.y() - before.y()) - d.y() * (p.x() - before.x())) / span : 0;
            if (off > 0.01 * back)
                kept << p;
        }
        if (kept.size() >= 3) {
            kept << kept.first();
            path.addPolygon(kept);
            path.closeSubpath();
        }
    }
    if (path.isEmpty())
        throw Error(tr("The picture has nothing dark to trace: it is all one shade."));
    return path;
}

QImage pictureFromBytes(const QByteArray& bytes, const QString& shownName)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format == "svg" || format == "svgz") {
        const QSize size = reader.size();
        if (size.isValid() && !size.isEmpty())
            reader.setScaledSize(size.scaled(1024, 1024, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull())
        throw Error(tr("%1 can't be read as a picture: %2.").arg(shownName, reader.errorString()));
    return image;
}

} // namespace vertiloom
