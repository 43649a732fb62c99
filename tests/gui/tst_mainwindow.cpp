// The window: every control at its place with its caption in both languages, the first state,
// the binding between widgets and form, START! and the overlay switches, and the error message.
#include "app/captions.h"
#include "app/drawingboard.h"
#include "app/fontwindow.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/qtplatform.h"
#include "model/hex.h"
#include "commands/commands.h"
#include "support/fakeplatform.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>
#include <memory>

using vertiloom::FieldId;
using vertiloom::MainWindow;
using vertiloom::test::FakePlatform;

namespace {

QString caption(const QWidget* widget) { return widget->property("text").toString(); }

int countPixels(const QImage& image, QRgb rgb)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFFu) == (rgb & 0xFFFFFFu) ? 1 : 0;
    }
    return count;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void geometry_data();
    void geometry();
    void russianCaptions_data();
    void russianCaptions();
    void englishCaptions_data();
    void englishCaptions();
    void languageMenuSwitchesBothWays();
    void languageMenuRetranslatesViews_data();
    void languageMenuRetranslatesViews();
    void captionsOfOtherLanguagesAreTranslations();
    void commandLine_data();
    void commandLine();
    void captionsFit_data();
    void captionsFit();
    void startsInEachLanguage_data();
    void startsInEachLanguage();
    void startUpState();

    void typingGoesToForm();
    void formGoesToWidgets();
    void lengthLimitBindsTypingOnly();
    void radioGroups();
    void accessibleNames_data();
    void accessibleNames();
    void tabFollowsLayout();
    void textFromScreenReader();

    void startButtonRedraws();
    void previewShowsLetterThroughOverlay();
    void overlaySwitches();
    void startErrorReachesPlatform();

    void fileFilters_data();
    void fileFilters();

private:
    void makeWindow(int language);
    QWidget* find(const QString& name) const;
    template <class T>
    T* find(const FieldId& id) const;
    void captionRows();

    FakePlatform platform_;
    std::unique_ptr<MainWindow> window_;
};

void TestMainWindow::makeWindow(int language)
{
    window_ = std::make_unique<MainWindow>(platform_, nullptr, language);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestMainWindow::init()
{
    platform_ = FakePlatform();
    makeWindow(1);
}

void TestMainWindow::cleanup() { window_.reset(); }

QWidget* TestMainWindow::find(const QString& name) const { return window_->findChild<QWidget*>(name); }

template <class T>
T* TestMainWindow::find(const FieldId& id) const
{
    return window_->findChild<T*>(id.objectName());
}

void TestMainWindow::windowFrame()
{
    QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tessarine Vertiloom"));
    QCOMPARE(window_->size(), QSize(953, 645));
    // Nothing moves when the window is resized.
    const QRect pol = find(QStringLiteral("Pol8_11"))->geometry();
    window_->resize(600, 400);
    QCOMPARE(find(QStringLiteral("Pol8_11"))->geometry(), pol);
}

void TestMainWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // width -1: a label sized by its text, only its place counts

    const auto row = [](const QString& name, int x, int y, int w, int h) {
        QTest::newRow(qPrintable(name)) << name << QRect(x, y, w, h);
    };
    for (int n = 1; n <= 20; ++n)
        row(QStringLiteral("x%1").arg(n), 76, 20 + 24 * (n - 1), 41, 21);
    for (int n : {1, 7, 20}) {
        const int top = 20 + 24 * (n - 1);
        row(QStringLiteral("y%1").arg(n), 127, top, 41, 21);
        row(QStringLiteral("CheckBox%1").arg(n), 6, top, 49, 17);
        row(QStringLiteral("RadioButton%1").arg(n), 54, top + 1, 17, 17);
    }
    row(QStringLiteral("Label1"), 92, 4, -1, -1);
    row(QStringLiteral("Label2"), 143, 4, -1, -1);
    row(QStringLiteral("Label21"), 6, 508, -1, -1);
    row(QStringLiteral("Dots"), 100, 505, 39, 21);
    row(QStringLiteral("Label22"), 143, 508, -1, -1);
    row(QStringLiteral("Label3"), 6, 532, -1, -1);
    row(QStringLiteral("Polygons"), 100, 529, 39, 21);
    row(QStringLiteral("Label23"), 143, 532, -1, -1);

    // The panel and, relative to it, its contents.
    row(QStringLiteral("Panel1"), 5, 552, 163, 90);
    row(QStringLiteral("Label35"), 130, 5, -1, -1);
    const char* variants[] = {"RadioButton21", "RadioButton28", "RadioButton24", "RadioButton22", "RadioButton23"};
    for (int i = 0; i < 5; ++i)
        row(QString::fromLatin1(variants[i]), 5, 5 + 15 * i, -1, -1);

    row(QStringLiteral("Label36"), 175, 4, -1, -1);
    row(QStringLiteral("Label20"), 247, 4, -1, -1);
    row(QStringLiteral("Label33"), 367, 4, -1, -1);
    row(QStringLiteral("Image1"), 176, 20, 255, 255);
    row(QStringLiteral("Image2"), 176, 20, 255, 255);
    row(QStringLiteral("CheckBox21"), 176, 279, 121, 17);
    row(QStringLiteral("CheckBox22"), 312, 279, 121, 17);
    row(QStringLiteral("Button8"), 176, 298, 64, 20);
    row(QStringLiteral("Button9"), 240, 298, 64, 20);
    row(QStringLiteral("Button10"), 304, 298, 64, 20);
    row(QStringLiteral("Button11"), 368, 298, 62, 20);
    row(QStringLiteral("Button1"), 175, 324, 73, 25);
    row(QStringLiteral("BitBtn1"), 248, 324, 57, 25);
    row(QStringLiteral("Button5"), 312, 324, 20, 25);
    row(QStringLiteral("Addr"), 336, 328, 65, 21);
    row(QStringLiteral("Button4"), 408, 324, 20, 25);
    row(QStringLiteral("Button2"), 175, 356, 82, 25);
    row(QStringLiteral("Button7"), 257, 356, 121, 25);
    row(QStringLiteral("BitBtn2"), 378, 356, 50, 25);
    row(QStringLiteral("BitBtn3"), 176, 388, 41, 25);
    for (int i = 0; i < 5; ++i)
        row(QStringLiteral("Edit%1").arg(2 + i), 223 + 32 * i, 388, 30, 21);
    row(QStringLiteral("BitBtn4"), 387, 388, 41, 25);
    for (int i = 0; i < 8; ++i)
        row(QStringLiteral("Edit%1").arg(7 + i), 175 + 32 * i, 420, 30, 21);
    row(QStringLiteral("Memo1"), 176, 448, 257, 145);
    row(QStringLiteral("Label37"), 175, 596, -1, -1);
    row(QStringLiteral("Label32"), 240, 596, -1, -1);
    row(QStringLiteral("Label34"), 376, 596, -1, -1);
    row(QStringLiteral("Button6"), 175, 616, 124, 25);
    row(QStringLiteral("Button3"), 299, 616, 130, 25);

    // Polygon blocks: upper row, then the lower one 318 lower, its corner column one or two more.
    row(QStringLiteral("Label4"), 439, 4, -1, -1);
    row(QStringLiteral("Degree1"), 442, 20, 39, 21);
    row(QStringLiteral("Label24"), 487, 23, -1, -1);
    row(QStringLiteral("Label5"), 438, 44, -1, -1);
    row(QStringLiteral("Pol1_1"), 439, 60, 26, 21);
    row(QStringLiteral("IPol1_1"), 471, 60, 26, 21);
    row(QStringLiteral("CheckPol1_1"), 506, 60, 49, 17);
    row(QStringLiteral("Label11"), 823, 4, -1, -1);
    row(QStringLiteral("Degree4"), 826, 20, 39, 21);
    row(QStringLiteral("Label27"), 871, 23, -1, -1);
    row(QStringLiteral("Label10"), 822, 44, -1, -1);
    row(QStringLiteral("Pol4_11"), 823, 300, 26, 21);
    row(QStringLiteral("IPol4_11"), 855, 300, 26, 21);
    row(QStringLiteral("CheckPol4_11"), 890, 300, 49, 17);
    row(QStringLiteral("Label13"), 439, 322, -1, -1);
    row(QStringLiteral("Degree5"), 442, 338, 39, 21);
    row(QStringLiteral("Label28"), 487, 341, -1, -1);
    row(QStringLiteral("Label12"), 438, 363, -1, -1);
    row(QStringLiteral("Pol5_1"), 439, 379, 26, 21);
    row(QStringLiteral("Pol5_8"), 439, 547, 26, 21);
    row(QStringLiteral("Pol5_9"), 439, 572, 26, 21);
    row(QStringLiteral("IPol6_8"), 599, 547, 26, 21);
    row(QStringLiteral("CheckPol7_9"), 762, 572, 49, 17);
    row(QStringLiteral("Label19"), 823, 322, -1, -1);
    row(QStringLiteral("Degree8"), 826, 338, 39, 21);
    row(QStringLiteral("Label31"), 871, 341, -1, -1);
    row(QStringLiteral("Label18"), 822, 363, -1, -1);
    row(QStringLiteral("Pol8_11"), 823, 620, 26, 21);
    row(QStringLiteral("IPol8_11"), 855, 620, 26, 21);
    row(QStringLiteral("CheckPol8_11"), 890, 620, 49, 17);
}

void TestMainWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    const QWidget* widget = find(name);
    QVERIFY2(widget, qPrintable(name));
    if (rect.width() < 0)
        QCOMPARE(widget->pos(), rect.topLeft());
    else
        QCOMPARE(widget->geometry(), rect);
}

void TestMainWindow::captionRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");
    const auto row = [](const char* name, const QString& russian, const QString& english) {
        QTest::newRow(name) << QString::fromLatin1(name) << russian << english;
    };
    row("Label36", QStringLiteral("Координаты:"), QStringLiteral("Coordinates:"));
    row("Label21", QStringLiteral("Число точек"), QStringLiteral("Points"));
    row("Label3", QStringLiteral("Число полигонов"), QStringLiteral("Polygons"));
    row("Label37", QStringLiteral("Всего байт: "), QStringLiteral("Total bytes: "));
    row("Button1", QStringLiteral("ПУСК!"), QStringLiteral("START!"));
    row("Button2", QStringLiteral("Открыть файл"), QStringLiteral("Open file"));
    row("Button7", QStringLiteral("Экспорт буквы в Rom"), QStringLiteral("Export letter to Rom"));
    row("Button6", QStringLiteral("Экспорт буквы в файл"), QStringLiteral("Export letter to file"));
    row("Button3", QStringLiteral("Экспорт в Translhextion"), QStringLiteral("Convert to Translhextion"));
    row("CheckBox21", QStringLiteral("Отображать точки"), QStringLiteral("Display points"));
    row("CheckBox22", QStringLiteral("Отображать оси"), QStringLiteral("Display axes"));
    row("Label4", QStringLiteral("Число углов 1 полигона"), QStringLiteral("Angles of 1 polygon"));
    row("Label11", QStringLiteral("Число углов 4 полигона"), QStringLiteral("Angles of 4 polygon"));
    row("Label13", QStringLiteral("Число углов 5 полигона"), QStringLiteral("Angles of 5 polygon"));
    row("Label19", QStringLiteral("Число углов 8 полигона"), QStringLiteral("Angles of 8 polygon"));
    row("Label5", QStringLiteral("вершины/параметры"), QStringLiteral("vertex/parameters"));
    row("Label18", QStringLiteral("вершины/параметры"), QStringLiteral("vertex/parameters"));
    // The same in both languages.
    row("Label1", QStringLiteral("Х"), QStringLiteral("Х"));
    row("Label2", QStringLiteral("У"), QStringLiteral("У"));
    row("Label35", QStringLiteral("ROM"), QStringLiteral("ROM"));
    row("RadioButton21", QStringLiteral("Brindle (U) (V1.0)"), QStringLiteral("Brindle (U) (V1.0)"));
    row("RadioButton28", QStringLiteral("Brindle (E) (M3) (V1.0)"), QStringLiteral("Brindle (E) (M3) (V1.0)"));
    row("RadioButton24", QStringLiteral("Brindle (E) (M3) (V1.1)"), QStringLiteral("Brindle (E) (M3) (V1.1)"));
    row("RadioButton22", QStringLiteral("Brindle (U) (M3) (V1.0)"), QStringLiteral("Brindle (U) (M3) (V1.0)"));
    row("RadioButton23", QStringLiteral("Brindle (U) (M3) (V1.1)"), QStringLiteral("Brindle (U) (M3) (V1.1)"));
    row("Button8", QStringLiteral("LEFT"), QStringLiteral("LEFT"));
    row("Button9", QStringLiteral("UP"), QStringLiteral("UP"));
    row("Button10", QStringLiteral("DOWN"), QStringLiteral("DOWN"));
    row("Button11", QStringLiteral("RIGHT"), QStringLiteral("RIGHT"));
    row("Button5", QStringLiteral("<"), QStringLiteral("<"));
    row("Button4", QStringLiteral(">"), QStringLiteral(">"));
    row("CheckBox1", QStringLiteral("xy 1"), QStringLiteral("xy 1"));
    row("CheckBox20", QStringLiteral("xy 20"), QStringLiteral("xy 20"));
    row("CheckPol1_1", QStringLiteral("xy"), QStringLiteral("xy"));
    row("Label20", QStringLiteral("..."), QStringLiteral("..."));
    row("Label33", QString(), QString());
    row("Label34", QStringLiteral("P (59) 86"), QStringLiteral("P (59) 86"));
    row("BitBtn1", QString(), QString());
    row("BitBtn4", QString(), QString());
}

void TestMainWindow::russianCaptions_data() { captionRows(); }

void TestMainWindow::russianCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, russian);
    const QWidget* widget = find(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(caption(widget), russian);
}

void TestMainWindow::englishCaptions_data() { captionRows(); }

void TestMainWindow::englishCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, english);
    makeWindow(2);
    const QWidget* widget = find(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(caption(widget), english);
    QCOMPARE(window_->editor().language, 2);
}

// A right click on a free area offers the two languages; a choice switches every caption of the table,
// Qt's own button texts and the editor's messages at once, and is what the next start-up picks
// unless the command line says otherwise.
void TestMainWindow::languageMenuSwitchesBothWays()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString yes =
        QMessageBox(QMessageBox::Question, QString(), QString(), QMessageBox::Yes).button(QMessageBox::Yes)->text();
    QCOMPARE(yes, QStringLiteral("&Да"));
    for (const int language : {2, 1}) {
        QContextMenuEvent free(QContextMenuEvent::Mouse, QPoint(300, 5), window_->mapToGlobal(QPoint(300, 5)));
        QApplication::sendEvent(window_.get(), &free);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        // The languages, a line, the board, the font, a line, SVG out and in, the two fits, a patch,
        // a line, Play and the emulator.
        QCOMPARE(menu->actions().size(), qsizetype(std::size(vertiloom::kLanguages)) + 12);
        const auto entry = [menu](const char* name) { return menu->findChild<QAction*>(QLatin1String(name)); };
        QCOMPARE(entry("OpenDrawingBoard")->text(),
                 language == 2 ? QStringLiteral("Чертёжная доска (F6)") : QStringLiteral("Drawing board (F6)"));
        QCOMPARE(entry("FitDrawing")->text(),
                 language == 2 ? QStringLiteral("Вписать рисунок\u2026") : QStringLiteral("Fit drawing\u2026"));
        QCOMPARE(entry("LetterFromFont")->text(),
                 language == 2 ? QStringLiteral("Буква из шрифта\u2026") : QStringLiteral("Letter from font\u2026"));
        menu->close();
        entry(language == 2 ? "Language_en" : "Language_ru")->trigger();
        QCOMPARE(window_->editor().language, language);
        for (const vertiloom::Caption& row : vertiloom::captionTable())
            QCOMPARE(caption(find(row.id.objectName())), language == 2 ? row.english : row.russian);
        const QString button =
            QMessageBox(QMessageBox::Question, QString(), QString(), QMessageBox::Yes).button(QMessageBox::Yes)->text();
        QCOMPARE(button, language == 2 ? QStringLiteral("&Yes") : QStringLiteral("&Да"));
        QCOMPARE(vertiloom::startLanguage(std::nullopt), language);
        QCOMPARE(vertiloom::startLanguage(vertiloom::kEnglish), vertiloom::kEnglish);
    }
    // A right click on a control is the control's own.
    QContextMenuEvent onLabel(QContextMenuEvent::Mouse, QPoint(5, 5), find("Label21")->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(find("Label21"), &onLabel);
    QVERIFY(!QApplication::activePopupWidget());
}

void TestMainWindow::languageMenuRetranslatesViews_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("boardAction");
    QTest::addColumn<QString>("fontMenu");
    QTest::addColumn<QString>("mainEntry");
    QTest::newRow("ru to en") << 1 << "en"
                              << "Flip horizontally"
                              << "&Letter"
                              << "Play (F9)";
    QTest::newRow("en to ru") << 2 << "ru"
                              << "Отразить по горизонтали"
                              << "&Буква"
                              << "Играть (F9)";
}

// The free area's menu lists every language there is in its own name, the one shown checked; a choice
// re-translates the open views as well as the window.
void TestMainWindow::languageMenuRetranslatesViews()
{
    QFETCH(int, from);
    QFETCH(QString, code);
    QFETCH(QString, boardAction);
    QFETCH(QString, fontMenu);
    QFETCH(QString, mainEntry);
    QStandardPaths::setTestModeEnabled(true);
    window_->setLanguage(from);
    window_->openDrawingBoard();
    window_->openFontWindow();
    const auto openMenu = [this] {
        QContextMenuEvent free(QContextMenuEvent::Mouse, QPoint(300, 5), window_->mapToGlobal(QPoint(300, 5)));
        QApplication::sendEvent(window_.get(), &free);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    QMenu* menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(menu->findChild<QAction*>(QStringLiteral("Language_ru"))->text(), QStringLiteral("Русский"));
    QCOMPARE(menu->findChild<QAction*>(QStringLiteral("Language_en"))->text(), QStringLiteral("English"));
    for (qsizetype i = 0; i < qsizetype(std::size(vertiloom::kLanguages)); ++i) {
        const vertiloom::Language& language = vertiloom::kLanguages[i];
        QCOMPARE(menu->actions()[i]->text(), QString::fromUtf8(language.name));
        QCOMPARE(menu->actions()[i]->isChecked(), language.number == from);
    }
    menu->close();
    menu->findChild<QAction*>(QStringLiteral("Language_") + code)->trigger();
    QCOMPARE(window_->drawingBoard()->findChild<QAction*>(QStringLiteral("FlipHorizontally"))->text(), boardAction);
    QCOMPARE(window_->fontWindow()->findChild<QMenu*>(QStringLiteral("FontLetterMenu"))->title(), fontMenu);
    menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(menu->findChild<QAction*>(QStringLiteral("Play"))->text(), mainEntry);
    menu->close();
}

// A language other than Russian and English shows the translations of the English captions; the
// Russian translations are the table's Russian captions, so the two never drift apart.
void TestMainWindow::captionsOfOtherLanguagesAreTranslations()
{
    QTranslator russian;
    QVERIFY(russian.load(QStringLiteral(":/i18n/vertiloom_ru.qm")));
    for (const vertiloom::Caption& row : vertiloom::captionTable()) {
        const QString translated = russian.translate("vertiloom", row.source);
        QCOMPARE(row.polygon ? translated.arg(row.polygon) : translated, row.russian);
    }
    // The Russian translations are installed (the window is Russian): a third language's captions are
    // theirs, not the table's English.
    vertiloom::writeCaptions(window_->editor().form, 3);
    for (const vertiloom::Caption& row : vertiloom::captionTable())
        QCOMPARE(caption(find(row.id.objectName())), row.russian);
}

void TestMainWindow::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // a part of what the program prints
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Tessarine Vertiloom 0.1";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--letter <LABEL>";
    QTest::newRow("unknown language") << QStringList{"--language", "pt"} << 2
                                      << "--language takes one of ru, en, de, es, pt_BR, fr, not \"pt\".";
    QTest::newRow("unknown letter") << QStringList{"--letter", "Q", "a.smc"} << 2
                                    << "No catalogue letter is labelled \"Q\".";
    QTest::newRow("letter and offset") << QStringList{"--letter", "A", "--offset", "476E2", "a.smc"} << 2 << "not both";
    QTest::newRow("two files") << QStringList{"a.smc", "b.smc"} << 2 << "Give at most one file.";
}

// The editor's command line, through the program itself; none of these rows opens a window.
void TestMainWindow::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QProcess program;
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../vertiloom"), arguments);
    QVERIFY2(program.waitForFinished(20000), qPrintable(program.errorString()));
    QCOMPARE(program.exitCode(), status);
    const QString output = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
    QVERIFY2(output.contains(says), qPrintable(output));
}

// Every caption the language changes, and the buttons and switches, fit their controls in every language.
void TestMainWindow::captionsFit_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QStringList names = {"Button1",       "Button2",      "Button3",       "Button6",       "Button7",
                         "Button8",       "Button9",      "Button10",      "Button11",      "CheckBox21",
                         "CheckBox22",    "CheckBox20",   "RadioButton21", "RadioButton28", "RadioButton24",
                         "RadioButton22", "RadioButton23"};
    for (const vertiloom::Caption& row : vertiloom::captionTable())
        if (!names.contains(row.id.objectName()))
            names << row.id.objectName();
    for (const vertiloom::Language& language : vertiloom::kLanguages) {
        for (const QString& name : std::as_const(names))
            QTest::addRow("%s %s", language.code, qPrintable(name)) << language.number << name;
    }
}

void TestMainWindow::captionsFit()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    makeWindow(language);
    if (const auto* label = window_->findChild<QLabel*>(name)) {
        // A label is as wide as its text may grow: its text must end before the next control of its row.
        const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
        const int right = label->x() + label->contentsRect().left() + textWidth;
        QVERIFY2(textWidth <= label->contentsRect().width(), qPrintable(label->text()));
        for (const QWidget* other : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool sameRow = other->y() < label->y() + label->height() && label->y() < other->y() + other->height();
            if (other != label && other->isVisible() && sameRow && other->x() > label->x())
                QVERIFY2(right <= other->x(), qPrintable(QStringLiteral("\"%1\" ends at %2, into %3 at %4")
                                                             .arg(label->text())
                                                             .arg(right)
                                                             .arg(other->objectName())
                                                             .arg(other->x())));
        }
        return;
    }
    const auto* button = window_->findChild<QAbstractButton*>(name);
    QVERIFY(button);
    const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QRect room;
    if (qobject_cast<const QCheckBox*>(button))
        room = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    else if (qobject_cast<const QRadioButton*>(button))
        room = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    else
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    QVERIFY2(
        textWidth <= room.width(),
        qPrintable(QStringLiteral("\"%1\" is %2 wide in %3").arg(button->text()).arg(textWidth).arg(room.width())));
    // The panel's buttons stay inside the panel.
    if (name.startsWith(QLatin1String("RadioButton")))
        QVERIFY(button->x() + room.left() + textWidth <= button->parentWidget()->width());
}

// The window started in each language shows that language's captions, the table's own for Russian and
// English, the translation of the English for the others.
void TestMainWindow::startsInEachLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("polygon3");
    QTest::newRow("ru") << "ru" << QStringLiteral("ПУСК!") << QStringLiteral("Число углов 3 полигона");
    QTest::newRow("en") << "en" << QStringLiteral("START!") << QStringLiteral("Angles of 3 polygon");
    QTest::newRow("de") << "de" << QStringLiteral("START!") << QStringLiteral("Ecken von Polygon 3");
    QTest::newRow("es") << "es" << QStringLiteral("¡INICIAR!") << QStringLiteral("Vértices del polígono 3");
    QTest::newRow("pt_BR") << "pt_BR" << QStringLiteral("INICIAR!") << QStringLiteral("Vértices do polígono 3");
    QTest::newRow("fr") << "fr" << QStringLiteral("LANCER\u00A0!") << QStringLiteral("Sommets du polygone 3");
}

void TestMainWindow::startsInEachLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, start);
    QFETCH(QString, polygon3);
    const vertiloom::Language* language = vertiloom::languageOfCode(code);
    QVERIFY(language);
    makeWindow(language->number);
    QCOMPARE(caption(find(QStringLiteral("Button1"))), start);
    QCOMPARE(caption(find(vertiloom::polygonTitleLabel(3).objectName())), polygon3);
    QCOMPARE(window_->editor().language, language->number);
}

void TestMainWindow::startUpState()
{
    const auto text = [this](const QString& name) { return caption(find(name)); };
    for (int p = 1; p <= 7; ++p) {
        QCOMPARE(text(QStringLiteral("Degree%1").arg(p)), QStringLiteral("04"));
        QCOMPARE(text(QStringLiteral("Label%1").arg(23 + p)), QStringLiteral("4"));
    }
    QCOMPARE(text(QStringLiteral("Degree8")), QStringLiteral("FF"));
    QCOMPARE(text(QStringLiteral("Label31")), QStringLiteral("255"));
    QCOMPARE(text(QStringLiteral("Dots")), QStringLiteral("14"));
    QCOMPARE(text(QStringLiteral("Label22")), QStringLiteral("20"));
    QCOMPARE(text(QStringLiteral("Polygons")), QStringLiteral("07"));
    QCOMPARE(text(QStringLiteral("Label23")), QStringLiteral("7"));
    QCOMPARE(text(QStringLiteral("x1")), QStringLiteral("FD"));
    QCOMPARE(text(QStringLiteral("Addr")), QStringLiteral("476E2"));

    const auto* memo = find<QPlainTextEdit>(FieldId::memo());
    QVERIFY(memo);
    QVERIFY(memo->toPlainText() != QLatin1String("Memo1"));
    QVERIFY(!memo->toPlainText().isEmpty());
    QCOMPARE(memo->toPlainText(), window_->editor().form.text(FieldId::memo()));
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text(QStringLiteral("Label32")), QString::number(memo->toPlainText().size() / 2));

    QVERIFY(!find(QStringLiteral("BitBtn1"))->isEnabled());
    QVERIFY(find(QStringLiteral("Button1"))->isEnabled());
    QVERIFY(find<QRadioButton>(FieldId::radio(1))->isChecked());
    QVERIFY(find<QRadioButton>(FieldId::radio(21))->isChecked());
    QVERIFY(find<QCheckBox>(FieldId::checkBox(21))->isChecked());
    QVERIFY(find<QCheckBox>(FieldId::checkBox(22))->isChecked());
    QVERIFY(find<QCheckBox>(FieldId::checkPol(1, 4))->isChecked());
    QVERIFY(!find<QCheckBox>(FieldId::checkPol(1, 5))->isChecked());
    QVERIFY(find(QStringLiteral("Edit1"))->isHidden());
    QVERIFY(find(QStringLiteral("Label35"))->font().bold());
    QCOMPARE(find(QStringLiteral("Memo1"))->font().pointSize(), 8);
    // The chosen face is really there (it comes with the project's dependencies), not a fallback.
    QCOMPARE(QFontInfo(find(QStringLiteral("Button3"))->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(find(QStringLiteral("Edit9"))->toolTip(),
             QStringLiteral("P A U S E D ! 0 1 2 3 4 5 6 7 8 9 L C T _ G M O V R"));
    // The corner fields carry their polygon's colour.
    QCOMPARE(find(QStringLiteral("Pol2_5"))->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(find(QStringLiteral("Pol6_1"))->palette().color(QPalette::Base), vertiloom::polygonColor(6));
    QVERIFY(platform_.errors.isEmpty());
}

void TestMainWindow::typingGoesToForm()
{
    vertiloom::EditorForm& form = window_->editor().form;
    auto* x3 = find<QLineEdit>(FieldId::x(3));
    x3->selectAll();
    QTest::keyClicks(x3, "7E");
    QCOMPARE(form.text(FieldId::x(3)), QStringLiteral("7E"));

    // A reaction of the form shows in the widgets it touches.
    auto* degree = find<QLineEdit>(FieldId::degree(2));
    degree->selectAll();
    QTest::keyClicks(degree, "0B");
    QCOMPARE(caption(find(QStringLiteral("Label25"))), QStringLiteral("11"));

    auto* ipol = find<QLineEdit>(FieldId::ipol(3, 7));
    ipol->selectAll();
    QTest::keyClicks(ipol, "5");
    QCOMPARE(ipol->palette().color(QPalette::Base), vertiloom::kAqua);

    auto* memo = find<QPlainTextEdit>(FieldId::memo());
    memo->selectAll();
    QTest::keyClicks(memo, "0102AB");
    QCOMPARE(form.text(FieldId::memo()), QStringLiteral("0102AB"));
    QCOMPARE(caption(find(QStringLiteral("Label32"))), QStringLiteral("3"));

    auto* box = find<QCheckBox>(FieldId::checkBox(3));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(!form.checked(FieldId::checkBox(3)));
    QVERIFY(!box->isChecked());
}

void TestMainWindow::formGoesToWidgets()
{
    vertiloom::EditorForm& form = window_->editor().form;
    form.setText(FieldId::pol(2, 3), QStringLiteral("0A"));
    QCOMPARE(caption(find(QStringLiteral("Pol2_3"))), QStringLiteral("0A"));
    QCOMPARE(caption(find(QStringLiteral("CheckPol2_3"))), QStringLiteral("xy 6"));
    form.setText(FieldId::ipol(1, 1), QStringLiteral("00"));
    QCOMPARE(find(QStringLiteral("IPol1_1"))->palette().color(QPalette::Base), vertiloom::kWhite);
    form.setChecked(FieldId::checkPol(8, 11), true);
    QVERIFY(find<QCheckBox>(FieldId::checkPol(8, 11))->isChecked());
    form.setEnabled(FieldId::bitBtn(1), true);
    QVERIFY(find(QStringLiteral("BitBtn1"))->isEnabled());
    form.setEnabled(FieldId::button(7), false);
    QVERIFY(!find(QStringLiteral("Button7"))->isEnabled());
    form.setText(FieldId::memo(), QStringLiteral("AABB"));
    QCOMPARE(find<QPlainTextEdit>(FieldId::memo())->toPlainText(), QStringLiteral("AABB"));
    QCOMPARE(caption(find(QStringLiteral("Label32"))), QStringLiteral("2"));
    // A label sizes itself to a longer text.
    auto* label = find<QLabel>(FieldId::label(33));
    form.setText(FieldId::label(33), QStringLiteral("X: 80  Y: 80"));
    QCOMPARE(label->text(), QStringLiteral("X: 80  Y: 80"));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
}

void TestMainWindow::lengthLimitBindsTypingOnly()
{
    vertiloom::EditorForm& form = window_->editor().form;
    auto* edit = find<QLineEdit>(FieldId::edit(3));
    form.setMaxLength(FieldId::edit(3), 1);
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, "X");
    QCOMPARE(edit->text(), QStringLiteral("A"));
    QCOMPARE(form.text(FieldId::edit(3)), QStringLiteral("A"));
    // Typing over the selected character replaces it.
    edit->selectAll();
    QTest::keyClicks(edit, "Z");
    QCOMPARE(form.text(FieldId::edit(3)), QStringLiteral("Z"));
    // The program's text is not cut, and the user may shorten it but not lengthen it.
    form.setText(FieldId::edit(3), QStringLiteral("LONG"));
    QCOMPARE(edit->text(), QStringLiteral("LONG"));
    edit->end(false);
    QTest::keyClicks(edit, "X");
    QCOMPARE(form.text(FieldId::edit(3)), QStringLiteral("LONG"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(form.text(FieldId::edit(3)), QStringLiteral("LON"));
    // Fields without a limit take any length.
    auto* addr = find<QLineEdit>(FieldId::addr());
    addr->selectAll();
    QTest::keyClicks(addr, "1234567");
    QCOMPARE(form.text(FieldId::addr()), QStringLiteral("1234567"));
}

void TestMainWindow::radioGroups()
{
    vertiloom::EditorForm& form = window_->editor().form;
    auto* five = find<QRadioButton>(FieldId::radio(5));
    QTest::mouseClick(five, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(form.selectedPoint(), 5);
    QVERIFY(!form.checked(FieldId::radio(1)));
    QVERIFY(!find<QRadioButton>(FieldId::radio(1))->isChecked());
    // Selecting a point leaves the ROM variant alone.
    QVERIFY(find<QRadioButton>(FieldId::radio(21))->isChecked());

    form.selectPoint(7);
    QVERIFY(find<QRadioButton>(FieldId::radio(7))->isChecked());
    QVERIFY(!five->isChecked());

    auto* variant = find<QRadioButton>(FieldId::radio(24));
    QTest::mouseClick(variant, Qt::LeftButton, {}, QPoint(8, variant->height() / 2));
    QVERIFY(form.checked(FieldId::radio(24)));
    QVERIFY(!form.checked(FieldId::radio(21)));
    QVERIFY(!find<QRadioButton>(FieldId::radio(21))->isChecked());
    QCOMPARE(form.selectedPoint(), 7);
}

// What a screen reader says of a control: its name in the language shown, its caption where that
// tells it, and the preview's letter in words.
void TestMainWindow::accessibleNames_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("x1") << 2 << "x1"
                        << "x of point 1";
    QTest::newRow("y20 ru") << 1 << "y20"
                            << "y точки 20";
    QTest::newRow("CheckBox1") << 2 << "CheckBox1"
                               << "point 1 in the letter";
    QTest::newRow("Pol2_3") << 2 << "Pol2_3"
                            << "corner 3 of polygon 2: point";
    QTest::newRow("IPol2_3") << 2 << "IPol2_3"
                             << "corner 3 of polygon 2: parameter";
    QTest::newRow("IPol8_11 ru") << 1 << "IPol8_11"
                                 << "угол 11 полигона 8: параметр";
    QTest::newRow("Degree2") << 2 << "Degree2"
                             << "corners of polygon 2";
    QTest::newRow("Edit3") << 2 << "Edit3"
                           << "PAUSE, letter 2";
    QTest::newRow("Edit11 ru") << 1 << "Edit11"
                               << "GAME OVER, буква 5";
    QTest::newRow("START!") << 2 << "Button1"
                            << "START!";
    QTest::newRow("ПУСК!") << 1 << "Button1"
                           << "ПУСК!";
    QTest::newRow("clear") << 2 << "BitBtn2"
                           << "clear the letter";
    QTest::newRow("label") << 2 << "Label21"
                           << "Points";
    QTest::newRow("ROM variant caption") << 1 << "RadioButton21"
                                         << "Brindle (U) (V1.0)";
    QTest::newRow("preview ru") << 1 << "Image1"
                                << "просмотр буквы";
}

void TestMainWindow::accessibleNames()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    // Started in the other language before a screen reader comes on, and switched, so that the names
    // come with it and follow a change.
    makeWindow(3 - language);
    QAccessible::setActive(true);
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(find(name));
    QVERIFY2(control, qPrintable(name));
    window_->setLanguage(language);
    QCOMPARE(control->text(QAccessible::Name), expected);
    if (name == QLatin1String("Image1")) {
        QVERIFY2(
            control->text(QAccessible::Description).startsWith(QStringLiteral("Точки (20): 1 (-3, -20), 2 (13, -4),")),
            qPrintable(control->text(QAccessible::Description)));
        window_->editor().form.setChecked(FieldId::checkBox(1), false);
        QTest::mouseClick(find(QStringLiteral("Button1")), Qt::LeftButton);
        QVERIFY(control->text(QAccessible::Description).startsWith(QStringLiteral("Точки (19): 2 (13, -4),")));
    }
    window_->setLanguage(1);
}

// Tab goes through the window in the order of its layout: the point column, the preview column, then
// the polygon blocks of the upper row and of the lower row, left to right; within each, row by row
// from the top and left to right in a row.
void TestMainWindow::tabFollowsLayout()
{
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    struct Place {
        QWidget* widget;
        int area;
        int middle;
        int left;
    };
    QList<Place> places;
    for (QWidget* w : window_->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || (w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || w->focusProxy()
            || w->parentWidget()->focusProxy() == w->parentWidget()
            || qobject_cast<QAbstractScrollArea*>(w->parentWidget()))
            continue;
        // A group of radio buttons is one stop, its chosen button; the arrow keys move within it.
        if (auto* radio = qobject_cast<QRadioButton*>(w); radio && !radio->isChecked())
            continue;
        const QRect at(w->mapTo(window_.get(), QPoint(0, 0)), w->size());
        const int area = at.left() < 172   ? 0
                         : at.left() < 436 ? 1
                                           : 2 + (at.top() >= 318 ? 4 : 0) + (at.left() - 436) / 128;
        places.append({w, area, at.center().y(), at.left()});
    }
    // Rows: controls whose middles lie within 8 pixels of the row's first middle.
    std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return std::tie(a.area, a.middle, a.left) < std::tie(b.area, b.middle, b.left);
    });
    for (int i = 1, rowMiddle = places[0].middle; i < places.size(); ++i) {
        if (places[i].area != places[i - 1].area || places[i].middle - rowMiddle > 8)
            rowMiddle = places[i].middle;
        else
            places[i].middle = rowMiddle;
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return std::tie(a.area, a.middle, a.left) < std::tie(b.area, b.middle, b.left);
    });
    QStringList expected;
    for (const Place& place : places)
        expected << place.widget->objectName();

    places[0].widget->setFocus(Qt::TabFocusReason);
    QStringList walked;
    for (int i = 0; i < places.size() + 1; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        walked << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(walked.last(), expected.first()); // round the whole window and back to the start
    walked.removeLast();
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(
            walked[i] == expected[i],
            qPrintable(
                QStringLiteral("Tab step %1 reaches %2, the layout has %3 there").arg(i).arg(walked[i], expected[i])));
}

// A screen reader sets a field's text through its editable text, with no key pressed: the text
// reaches the form as typed text does, and one the field refuses leaves the form as it was.
void TestMainWindow::textFromScreenReader()
{
    vertiloom::EditorForm& form = window_->editor().form;
    auto* x1 = find<QLineEdit>(FieldId::x(1));
    QAccessibleEditableTextInterface* editable = QAccessible::queryAccessibleInterface(x1)->editableTextInterface();
    QVERIFY(editable);
    editable->replaceText(0, 2, QStringLiteral("0A"));
    QCOMPARE(form.text(FieldId::x(1)), QStringLiteral("0A"));
    QTest::mouseClick(find(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(form.text(FieldId::memo()).mid(2, 2), QStringLiteral("0A"));
    QCOMPARE(platform_.beeps, 0);

    editable->replaceText(0, 2, QStringLiteral("g0"));
    QCOMPARE(form.text(FieldId::x(1)), QStringLiteral("0A"));
    QCOMPARE(platform_.beeps, 1);
    QTRY_COMPARE(x1->text(), QStringLiteral("0A"));
}

void TestMainWindow::startButtonRedraws()
{
    vertiloom::Editor& editor = window_->editor();
    const QImage before = editor.letterLayer.image().copy();
    auto* x1 = find<QLineEdit>(FieldId::x(1));
    x1->selectAll();
    QTest::keyClicks(x1, "80");
    // Typing alone does not redraw.
    QCOMPARE(editor.letterLayer.image(), before);

    QTest::mouseClick(find(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(editor.letterLayer.image() != before);
    // Point 1 now stands on the left edge, row 108: the start of polygon 1's outline.
    QCOMPARE(editor.letterLayer.image().pixelColor(0, 108), vertiloom::polygonColor(1));
    QVERIFY(platform_.errors.isEmpty());
}

void TestMainWindow::previewShowsLetterThroughOverlay()
{
    const QImage shown = window_->grab(QRect(176, 20, 255, 255)).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = vertiloom::composedPreview(window_->editor()).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), expected.size());
    QCOMPARE(shown, expected);
    // Yellow of polygon 1's edge from point 11 to point 12 (row 220) shows through the overlay.
    QCOMPARE(shown.pixelColor(120, 220), vertiloom::polygonColor(1));
}

void TestMainWindow::overlaySwitches()
{
    const QImage& overlay = window_->editor().overlayLayer.image();
    const QRgb white = qRgb(255, 255, 255);
    const QRgb axis = vertiloom::kAxisColor.rgb();
    QVERIFY(countPixels(overlay, white) > 0);
    QVERIFY(countPixels(overlay, axis) > 0);

    auto* points = find<QCheckBox>(FieldId::checkBox(21));
    auto* axes = find<QCheckBox>(FieldId::checkBox(22));
    QTest::mouseClick(points, Qt::LeftButton, {}, QPoint(8, points->height() / 2));
    QVERIFY(!window_->editor().form.checked(FieldId::checkBox(21)));
    QCOMPARE(countPixels(overlay, white), 0);
    QVERIFY(countPixels(overlay, axis) > 0);

    QTest::mouseClick(axes, Qt::LeftButton, {}, QPoint(8, axes->height() / 2));
    QVERIFY(!window_->editor().form.checked(FieldId::checkBox(22)));
    QCOMPARE(countPixels(overlay, axis), 0);
    QCOMPARE(countPixels(overlay, qRgb(0, 0, 0)), 255 * 255);

    QTest::mouseClick(points, Qt::LeftButton, {}, QPoint(8, points->height() / 2));
    QVERIFY(countPixels(overlay, white) > 0);
    QCOMPARE(countPixels(overlay, axis), 0);

    // What the window shows follows the overlay.
    const QImage shown = window_->grab(QRect(176, 20, 255, 255)).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, vertiloom::composedPreview(window_->editor()).convertToFormat(QImage::Format_RGB32));
}

void TestMainWindow::startErrorReachesPlatform()
{
    vertiloom::Editor& editor = window_->editor();
    const QString memo = editor.form.text(FieldId::memo());
    editor.form.setText(FieldId::x(1), QString());
    QCOMPARE(caption(find(QStringLiteral("x1"))), QString());
    QTest::mouseClick(find(QStringLiteral("Button1")), Qt::LeftButton);
    // The window speaks Russian (language 1), its messages too.
    QCOMPARE(platform_.errors, QStringList{QStringLiteral("'' — недопустимое целое значение")});
    // The command stopped before it compiled.
    QCOMPARE(find<QPlainTextEdit>(FieldId::memo())->toPlainText(), memo);
    // The window goes on: a good coordinate and START! again work.
    editor.form.setText(FieldId::x(1), QStringLiteral("FD"));
    QTest::mouseClick(find(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(platform_.errors.size(), 1);
}

void TestMainWindow::fileFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("open") << "Tessarine|*.smc|All|*.*"
                          << "Tessarine (*.smc);;All (*.*)";
    QTest::newRow("hex") << "Hex files|*.*"
                         << "Hex files (*.*)";
    QTest::newRow("rom") << "Tessarine Rom|*.smc|All files|*.*"
                         << "Tessarine Rom (*.smc);;All files (*.*)";
}

void TestMainWindow::fileFilters()
{
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(vertiloom::qtFileFilter(filter), qt);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
