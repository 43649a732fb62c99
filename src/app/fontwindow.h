// The font window: the 24 catalogue letters of the current ROM image at a glance, six across and
// four down, and under them the PAUSE and GAME OVER words drawn with those letters as the word
// fields spell them. The letter being edited shows as it is after each START!; a click on a letter
// loads it. A view over the same editor: it reads the image again only when the image, its dump or
// the file on the disk changed, and draws nothing of its own.
#pragma once

#include "commands/commands.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include <QWidget>

namespace vertiloom {

class MainWindow;

class FontView : public QWidget {
    Q_OBJECT
public:
    FontView(MainWindow& main, Editor& editor, Platform& platform, QWidget* parent);

    // Reads the font again when what it shows has changed on the disk or in the ROM panel, or when
    // asked to (the language changed).
    void refresh(bool reread = false);
    // Where the cell of a catalogue position (1..24) and the cell of word field index (0..12) are.
    QRect letterCell(int position) const;
    QRect wordCell(int index) const;
    // Why the letter at a position can't be shown; empty when it can.
    QString failure(int position) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Geometry {
        int cell = 0;     // side of a letter's picture
        int wordCell = 0; // side of a word's letter
    };
    Geometry geometry() const;
    int positionAt(QPoint at) const;

    MainWindow& main_;
    Editor& editor_;
    Platform& platform_;
    QList<FontLetter> font_;
    QString unavailable_; // why there is no font to show (no ROM image open)
    // The pictures as the cells show them, by layer and side: a repaint only copies them.
    mutable QHash<QString, QImage> fittedCache_;
    // What the font was read from: the image, its size and time, the dump and header.
    struct Source {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        int variant = 0;
        qint64 header = 0;
        friend bool operator==(const Source&, const Source&) = default;
    } source_;
};

class FontWindow : public QMainWindow {
    Q_OBJECT
public:
    FontWindow(MainWindow& main, Editor& editor, Platform& platform);

    FontView* view() const { return view_; }
    void setLanguage(int language);
    void refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindow& main_;
    FontView* view_ = nullptr;
};

} // namespace vertiloom
