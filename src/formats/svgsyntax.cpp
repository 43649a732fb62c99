// The syntax of SVG both readers share; see svgsyntax.h.
#include "formats/svgsyntax.h"

#include "model/messages.h"

#include <QHash>
#include <QLocale>
#include <QXmlStreamReader>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>

namespace vertiloom {

bool SvgScanner::atEnd()
{
    skipSpace();
    return pos_ >= text_.size();
}

void SvgScanner::skipSpace()
{
    while (pos_ < text_.size()
           && (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\n' || text_[pos_] == u'\r'
               || text_[pos_] == u'\f'))
        ++pos_;
}

void SvgScanner::skipSeparator()
{
    skipSpace();
    if (peek() == u',') {
        ++pos_;
        skipSpace();
    }
}

bool SvgScanner::take(QChar c)
{
    skipSpace();
    if (peek() != c)
        return false;
    ++pos_;
    return true;
}

QStringView SvgScanner::word()
{
    skipSpace();
    const qsizetype start = pos_;
    while (pos_ < text_.size()
           && ((text_[pos_] >= u'a' && text_[pos_] <= u'z') || (text_[pos_] >= u'A' && text_[pos_] <= u'Z')))
        ++pos_;
    return text_.mid(start, pos_ - start);
}

std::optional<bool> SvgScanner::flag()
{
    skipSpace();
    if (peek() != u'0' && peek() != u'1')
        return std::nullopt;
    return text_[pos_++] == u'1';
}

std::optional<double> SvgScanner::number()
{
    skipSpace();
    const qsizetype start = pos_;
    qsizetype i = pos_;
    const auto digit = [this](qsizetype at) { return at < text_.size() && text_[at] >= u'0' && text_[at] <= u'9'; };
    if (i < text_.size() && (text_[i] == u'+' || text_[i] == u'-'))
        ++i;
    int digits = 0;
    for (; digit(i); ++i)
        ++digits;
    if (i < text_.size() && text_[i] == u'.') {
        ++i;
        for (; digit(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text_.size() && (text_[i] == u'e' || text_[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text_.size() && (text_[j] == u'+' || text_[j] == u'-'))
            ++j;
        if (digit(j)) {
            while (digit(j))
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double value = text_.mid(start, i - start).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    pos_ = i;
    return value;
}

QString ordinal(int n)
{
    const int tens = n % 100;
    if (tens >= 11 && tens <= 13)
        return tr("%1th").arg(n);
    switch (n % 10) {
    case 1:
        return tr("%1st").arg(n);
    case 2:
        return tr("%1nd").arg(n);
    case 3:
        return tr("%1rd").arg(n);
    default:
        return tr("%1th").arg(n);
    }
}

QString elementName(const QString& tag, const QString& id, int ordinal)
{
    if (!id.isEmpty())
        return tr("The <%1> \"%2\"").arg(tag, id);
    return tr("The %1 <%2>").arg(vertiloom::ordinal(ordinal), tag);
}

Error unreadableAttribute(const QString& element, const QString& attribute, qsizetype at)
{
    return Error(tr("%1 can't be read: its %2 attribute is not valid at character %3.")
                     .arg(element, attribute, QString::number(at + 1)));
}

std::optional<double> length(QStringView text)
{
    SvgScanner in(text);
    const std::optional<double> value = in.number();
    if (!value)
        return std::nullopt;
    const QStringView suffix = in.rest().trimmed();
    static const QHash<QString, double> kUnits = {{QString(), 1},
                                                  {QStringLiteral("px"), 1},
                                                  {QStringLiteral("pt"), 96.0 / 72},
                                                  {QStringLiteral("pc"), 16},
                                                  {QStringLiteral("mm"), 96 / 25.4},
                                                  {QStringLiteral("cm"), 96 / 2.54},
                                                  {QStringLiteral("in"), 96}};
    const auto factor = kUnits.constFind(suffix.toString());
    if (factor == kUnits.constEnd())
        return std::nullopt;
    return *value * *factor;
}

double lengthAttribute(const QXmlStreamAttributes& attributes, const QString& name, const SvgElementName& element,
                       double fallback)
{
    if (!attributes.hasAttribute(name))
        return fallback;
    const std::optional<double> value = length(attributes.value(name));
    if (!value)
        throw unreadableAttribute(element(), name, 0);
    return *value;
}

std::optional<QRectF> viewBox(QStringView text)
{
    SvgScanner in(text);
    std::array<double, 4> v{};
    for (double& n : v) {
        const std::optional<double> read = in.number();
        if (!read)
            return std::nullopt;
        n = *read;
        in.skipSeparator();
    }
    if (!in.atEnd() || !(v[2] > 0) || !(v[3] > 0))
        return std::nullopt;
    return QRectF(v[0], v[1], v[2], v[3]);
}

// QTransform multiplies the other way round from SVG: a * b applies a first.
QTransform transformList(QStringView text, const SvgElementName& element)
{
    SvgScanner in(text);
    QTransform result;
    const auto bad = [&](qsizetype at) { return unreadableAttribute(element(), QStringLiteral("transform"), at); };
    while (!in.atEnd()) {
        const qsizetype at = in.position();
        const QString name = in.word().toString();
        if (!in.take(u'('))
            throw bad(at);
        QList<double> a;
        while (!in.take(u')')) {
            const std::optional<double> value = in.number();
            if (!value || a.size() == 6)
                throw bad(in.position());
            a << *value;
            in.skipSeparator();
        }
        const qsizetype n = a.size();
        QTransform t;
        if (name == QLatin1String("matrix") && n == 6) {
            t = QTransform(a[0], a[1], a[2], a[3], a[4], a[5]);
        } else if (name == QLatin1String("translate") && (n == 1 || n == 2)) {
            t = QTransform::fromTranslate(a[0], n == 2 ? a[1] : 0);
        } else if (name == QLatin1String("scale") && (n == 1 || n == 2)) {
            t = QTransform::fromScale(a[0], n == 2 ? a[1] : a[0]);
        } else if (name == QLatin1String("rotate") && (n == 1 || n == 3)) {
            const double cx = n == 3 ? a[1] : 0;
            const double cy = n == 3 ? a[2] : 0;
            t = QTransform::fromTranslate(-cx, -cy) * QTransform().rotate(a[0]) * QTransform::fromTranslate(cx, cy);
        } else if (name == QLatin1String("skewX") && n == 1) {
            t = QTransform(1, 0, std::tan(qDegreesToRadians(a[0])), 1, 0, 0);
        } else if (name == QLatin1String("skewY") && n == 1) {
            t = QTransform(1, std::tan(qDegreesToRadians(a[0])), 0, 1, 0, 0);
        } else {
            throw bad(at);
        }
        result = t * result;
        in.skipSeparator();
    }
    return result;
}

QList<QPointF> pointList(QStringView text, const SvgElementName& element)
{
    SvgScanner in(text);
    QList<QPointF> points;
    while (!in.atEnd()) {
        const std::optional<double> x = in.number();
        in.skipSeparator();
        const std::optional<double> y = x ? in.number() : std::nullopt;
        if (!y)
            throw unreadableAttribute(element(), QStringLiteral("points"), in.position());
        in.skipSeparator();
        points << QPointF(*x, *y);
    }
    return points;
}

QTransform viewport(const QXmlStreamAttributes& boxed, const QXmlStreamAttributes& sized, bool placed)
{
    QTransform result;
    if (placed)
        result = QTransform::fromTranslate(length(sized.value(QStringLiteral("x"))).value_or(0),
                                           length(sized.value(QStringLiteral("y"))).value_or(0));
    const std::optional<QRectF> box = viewBox(boxed.value(QStringLiteral("viewBox")));
    const std::optional<double> width = length(sized.value(QStringLiteral("width")));
    const std::optional<double> height = length(sized.value(QStringLiteral("height")));
    if (box && width && height && *width > 0 && *height > 0) {
        const double s = std::min(*width / box->width(), *height / box->height());
        result = QTransform::fromTranslate(-box->x(), -box->y()) * QTransform::fromScale(s, s)
                 * QTransform::fromTranslate((*width - box->width() * s) / 2, (*height - box->height() * s) / 2)
                 * result;
    }
    return result;
}

std::optional<QString> property(const QXmlStreamAttributes& attributes, QLatin1String name)
{
    std::optional<QString> value;
    if (attributes.hasAttribute(name))
        value = attributes.value(name).trimmed().toString();
    for (const QStringView declaration : attributes.value(QStringLiteral("style")).split(u';')) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon > 0 && declaration.left(colon).trimmed() == name) {
            QStringView text = declaration.mid(colon + 1).trimmed();
            if (text.endsWith(QLatin1String("!important")))
                text = text.chopped(10).trimmed();
            value = text.toString();
        }
    }
    if (value && value->compare(QLatin1String("inherit"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return value;
}

bool transparent(const std::optional<QString>& opacity)
{
    if (!opacity)
        return false;
    QStringView text(*opacity);
    if (text.endsWith(u'%'))
        text.chop(1);
    SvgScanner in(text);
    const std::optional<double> value = in.number();
    return value && in.atEnd() && *value <= 0;
}

bool noPaint(const QString& paint)
{
    return paint.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0
           || paint.compare(QLatin1String("transparent"), Qt::CaseInsensitive) == 0;
}

bool hidden(const QXmlStreamAttributes& attributes)
{
    const std::optional<QString> display = property(attributes, QLatin1String("display"));
    return (display && *display == QLatin1String("none"))
           || transparent(property(attributes, QLatin1String("opacity")));
}

bool conditionsHold(const QXmlStreamAttributes& attributes)
{
    if (attributes.hasAttribute(QStringLiteral("requiredExtensions")))
        return false;
    if (!attributes.hasAttribute(QStringLiteral("systemLanguage")))
        return true;
    const QString own = QLocale::system().name().section(u'_', 0, 0).toLower();
    for (const QStringView tag : attributes.value(QStringLiteral("systemLanguage")).split(u',')) {
        const QString language = tag.trimmed().toString().section(u'-', 0, 0).toLower();
        if (language == QLatin1String("en") || (!own.isEmpty() && language == own))
            return true;
    }
    return false;
}

QString elementAt(const QXmlStreamReader& xml)
{
    return tr("The <%1> at line %2, column %3")
        .arg(xml.qualifiedName().toString(), QString::number(xml.lineNumber()), QString::number(xml.columnNumber()));
}

Error tooDeep(const QString& element, qsizetype level, int deepest)
{
    return Error(tr("%1 lies %2 levels deep; a drawing is read at most %3 levels deep.")
                     .arg(element, QString::number(level), QString::number(deepest)));
}

Error notWellFormed(const QXmlStreamReader& xml)
{
    QString why = xml.errorString();
    if (why.endsWith(u'.'))
        why.chop(1);
    return Error(tr("The file is not well-formed SVG: %1 (line %2, column %3).")
                     .arg(why, QString::number(xml.lineNumber()), QString::number(xml.columnNumber())));
}

} // namespace vertiloom
