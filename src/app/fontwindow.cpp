// The font window and its view; see fontwindow.h.
#include "app/fontwindow.h"

#include "app/mainwindow.h"
#include "rom/catalogue.h"
#include "rom/words.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QToolTip>

#include <algorithm>

namespace vertiloom {

namespace {

constexpr int kMargin = 10;
constexpr int kLabel = 18;
constexpr int kAcross = 6;
constexpr int kWordSpacing = 2;
const QColor kBackground{48, 48, 48};
const QColor kCurrent{255, 160, 0};
const QColor kCross{255, 96, 96};

QSettings fontSettings() { return QSettings(QStringLiteral("Tessarine"), QStringLiteral("Vertiloom")); }

// A letter layer in a cell of side pixels. Larger, each pixel becomes a sharp square (nearest
// neighbour); smaller, each cell pixel takes the brightest pixel of the layer's pixels it stands for,
// so that the one-pixel outlines stay whole instead of falling between the pixels kept.
QImage fitted(const QImage& layer, int side)
{
    if (side >= layer.width())
        return layer.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage source = layer.convertToFormat(QImage::Format_RGB32);
    QImage out(side, side, QImage::Format_RGB32);
    const int n = source.width();
    for (int ty = 0; ty < side; ++ty) {
        const int y0 = ty * n / side, y1 = std::max(y0 + 1, (ty + 1) * n / side);
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(ty));
        for (int tx = 0; tx < side; ++tx) {
            const int x0 = tx * n / side, x1 = std::max(x0 + 1, (tx + 1) * n / side);
            QRgb brightest = 0xFF000000u;
            int best = -1;
            for (int y = y0; y < y1; ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
                for (int x = x0; x < x1; ++x) {
                    const int sum = qRed(row[x]) + qGreen(row[x]) + qBlue(row[x]);
                    if (sum > best) {
                        best = sum;
                        brightest = row[x];
                    }
                }
            }
            line[tx] = brightest;
        }
    }
    return out;
}

} // namespace

FontView::FontView(MainWindow& main, Editor& editor, Platform& platform, QWidget* parent)
    : QWidget(parent), main_(main), editor_(editor), platform_(platform)
{
    setObjectName(QStringLiteral("FontView"));
    setMinimumSize(6 * 40 + 7 * kMargin, 4 * (40 + kLabel) + 7 * kMargin + 30);
    // The word fields and START! change what it shows: it repaints, it reads nothing.
    connect(&editor_.form, &EditorForm::changed, this, qOverload<>(&QWidget::update));
}

FontView::Geometry FontView::geometry() const
{
    Geometry g;
    // Thirteen letters and a letter's width between the two words.
    g.wordCell = std::clamp((width() - 2 * kMargin - kWordFields * kWordSpacing) / (kWordFields + 1), 8, 64);
    const int byWidth = (width() - (kAcross + 1) * kMargin) / kAcross;
    const int byHeight = (height() - 7 * kMargin - 4 * kLabel - g.wordCell) / 4;
    g.cell = std::max(16, std::min(byWidth, byHeight));
    g.wordCell = std::min(g.wordCell, g.cell);
    return g;
}

QRect FontView::letterCell(int position) const
{
    const Geometry g = geometry();
    const int column = (position - 1) % kAcross, row = (position - 1) / kAcross;
    return {kMargin + column * (g.cell + kMargin), kMargin + row * (g.cell + kLabel + kMargin), g.cell, g.cell};
}

QRect FontView::wordCell(int index) const
{
    const Geometry g = geometry();
    const int top = kMargin + 4 * (g.cell + kLabel + kMargin) + kMargin;
    // GAME OVER one cell's width after PAUSE.
    const int left = kMargin + index * (g.wordCell + kWordSpacing) + (index >= kPauseLength ? g.wordCell : 0);
    return {left, top, g.wordCell, g.wordCell};
}

QString FontView::failure(int position) const
{
    if (!unavailable_.isEmpty())
        return unavailable_;
    return position >= 1 && position <= font_.size() ? font_[position - 1].failure : QString();
}

int FontView::positionAt(QPoint at) const
{
    for (int position = 1; position <= kCatalogueSize; ++position) {
        if (letterCell(position).contains(at))
            return position;
    }
    return 0;
}

void FontView::refresh(bool reread)
{
    const QFileInfo file(editor_.currentRom);
    const Source now{editor_.currentRom, file.exists() ? file.size() : -1, file.lastModified(),
                     selectedVariant(editor_.form).radioButton, editor_.catalogueHeader};
    if (!reread && now == source_ && (!font_.isEmpty() || !unavailable_.isEmpty())) {
        update();
        return;
    }
    source_ = now;
    const Font font = readFont(editor_);
    font_ = font.letters;
    unavailable_ = font.missing;
    update();
}

void FontView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    if (!unavailable_.isEmpty()) {
        painter.setPen(Qt::white);
        painter.drawText(rect().adjusted(2 * kMargin, 2 * kMargin, -2 * kMargin, -2 * kMargin),
                         Qt::AlignCenter | Qt::TextWordWrap, unavailable_);
        return;
    }
    const int current = letterAtAddr(editor_);
    const Geometry g = geometry();
    // A letter's picture at a side: the one being edited as it is now, else as its record draws;
    // each made once for its layer and side.
    const auto picture = [&](int position, int side) -> const QImage* {
        const QImage* layer = nullptr;
        if (position == current)
            layer = &editor_.letterLayer.image();
        else if (position >= 1 && position <= font_.size() && !font_[position - 1].picture.isNull())
            layer = &font_[position - 1].picture;
        if (!layer)
            return nullptr;
        const QString key = QStringLiteral("%1 %2").arg(layer->cacheKey()).arg(side);
        auto it = fittedCache_.find(key);
        if (it == fittedCache_.end()) {
            if (fittedCache_.size() > 200)
                fittedCache_.clear();
            it = fittedCache_.insert(key, fitted(*layer, side));
        }
        return &*it;
    };
    const auto cross = [&painter](const QRect& cell) {
        painter.fillRect(cell, Qt::black);
        painter.setPen(QPen(kCross, 2));
        painter.drawLine(cell.topLeft(), cell.bottomRight());
        painter.drawLine(cell.topRight(), cell.bottomLeft());
    };

    for (int position = 1; position <= kCatalogueSize; ++position) {
        const QRect cell = letterCell(position);
        if (const QImage* image = picture(position, g.cell))
            painter.drawImage(cell.topLeft(), *image);
        else
            cross(cell);
        QString label = QString::fromLatin1(catalogueEntry(position).label);
        if (position == current) {
            painter.setPen(QPen(kCurrent, 2));
            painter.drawRect(cell.adjusted(-2, -2, 2, 2));
            if (letterChanged(editor_))
                label += QStringLiteral(" *");
        }
        painter.setPen(position == current ? kCurrent : QColor(Qt::white));
        const QRect below(cell.left(), cell.bottom() + 3, cell.width(), kLabel - 3);
        painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop,
                         painter.fontMetrics().elidedText(label, Qt::ElideRight, below.width()));
    }

    // The words as the fields spell them now.
    for (int index = 0; index < kWordFields; ++index) {
        const QRect cell = wordCell(index);
        const QString text = editor_.form.text(FieldId::edit(2 + index));
        const int code = tileCode(text);
        const int position = code < 0 ? 0 : tileLetter(code);
        if (const QImage* image = position ? picture(position, g.wordCell) : nullptr) {
            painter.drawImage(cell.topLeft(), *image);
            continue;
        }
        painter.fillRect(cell, Qt::black);
        painter.setPen(code < 0 ? kCross : QColor(Qt::gray));
        const QString shown = code < 0                                    ? QStringLiteral("?")
                              : tileCharacter(code) == QLatin1String(" ") ? QStringLiteral("\u2423")
                                                                          : tileCharacter(code);
        painter.drawText(cell, Qt::AlignCenter, position ? QStringLiteral("\u00D7") : shown);
    }
}

void FontView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !unavailable_.isEmpty())
        return;
    if (const int position = positionAt(event->position().toPoint()))
        main_.step([this, position] { openCatalogueLetter(editor_, platform_, position); });
}

bool FontView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int position = positionAt(help->pos());
        if (position == 0 || !unavailable_.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const QString label = QString::fromLatin1(catalogueEntry(position).label);
        const QString why = failure(position);
        QToolTip::showText(help->globalPos(), why.isEmpty() ? label : label + QStringLiteral(": ") + why, this);
        return true;
    }
    return QWidget::event(event);
}

FontWindow::FontWindow(MainWindow& main, Editor& editor, Platform& platform) : QMainWindow(nullptr), main_(main)
{
    setObjectName(QStringLiteral("FontWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    view_ = new FontView(main, editor, platform, this);
    setCentralWidget(view_);
    if (!restoreGeometry(fontSettings().value(QStringLiteral("font/geometry")).toByteArray())) {
        const QRect screen = main.screen()->availableGeometry();
        resize(std::min(640, screen.width()), std::min(560, screen.height() - 40));
        QPoint at = main.frameGeometry().topLeft() + QPoint(40, 40);
        at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - width())));
        at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - height() - 40)));
        move(at);
    }
    setLanguage(editor.language);
}

void FontWindow::setLanguage(int)
{
    setWindowTitle(tr("Tessarine Vertiloom \u2014 font"));
    // The letter's menu made anew: the SVG export and import, in the window's language. The old menu
    // goes with its actions (clearing the bar would leave it behind, one more for every switch).
    delete menuBar()->findChild<QMenu*>(QStringLiteral("FontLetterMenu"));
    menuBar()->clear();
    QMenu* letter = menuBar()->addMenu(tr("&Letter"));
    letter->setObjectName(QStringLiteral("FontLetterMenu"));
    main_.addSvgActions(letter);
    view_->refresh(true);
}

void FontWindow::refresh() { view_->refresh(); }

void FontWindow::closeEvent(QCloseEvent* event)
{
    fontSettings().setValue(QStringLiteral("font/geometry"), saveGeometry());
    event->accept();
}

} // namespace vertiloom
