// The font window driven with real clicks on the sample image: a click on a letter loads it, a
// letter that does not read says why, the edited letter's cell follows START!, the words follow
// their fields; it reads the letters again when the file, the dump or the header changed.
#include "app/fontwindow.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "rom/sample.h"
#include "support/fakeplatform.h"
#include "support/romimage.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace vertiloom;

class FontTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    test::FakePlatform platform_;
    std::unique_ptr<MainWindow> window_;
    FontView* view_ = nullptr;

    Editor& editor() { return window_->editor(); }
    // The cell's pixels as the window paints them.
    QImage cellPixels(const QRect& cell) { return view_->grab(cell).toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    void init()
    {
        QByteArray image = sampleRomImage();
        test::putBytes(image, 0x47EFD, QByteArray(40, '\xFF')); // "D (63) 106" no longer reads
        test::writeFile(dir_.filePath("font.smc"), image);
        platform_ = test::FakePlatform();
        window_ = std::make_unique<MainWindow>(platform_, nullptr, kEnglish);
        window_->show();
        platform_.openAnswers << dir_.filePath("font.smc");
        window_->step([this] { openLetter(editor(), platform_); });
        window_->openFontWindow();
        view_ = window_->fontWindow()->view();
        window_->fontWindow()->resize(640, 560);
        QVERIFY(QTest::qWaitForWindowExposed(window_->fontWindow()));
    }
    void cleanup() { window_.reset(); }

    // A click on cell k loads catalogue letter k: Addr, the label, the memo.
    void clickLoadsTheLetter()
    {
        QTest::mouseClick(view_, Qt::LeftButton, {}, view_->letterCell(16).center());
        QCOMPARE(editor().form.text(FieldId::addr()), QStringLiteral("47B3B"));
        QCOMPARE(editor().form.text(FieldId::label(34)), QStringLiteral("8 (103) 162"));
        QCOMPARE(editor().form.text(FieldId::memo()), recordText(sampleLetter(16).toBytes()));
        // A letter that does not read gives the load's reason, in the cell and when clicked.
        QCOMPARE(view_->failure(6),
                 QStringLiteral("The letter at offset 47EFD has 255 points; the editor holds at most 20."));
        QCOMPARE(view_->failure(5), QString());
        QTest::mouseClick(view_, Qt::LeftButton, {}, view_->letterCell(6).center());
        QCOMPARE(platform_.errors.value(0), view_->failure(6));
    }

    // What the font was read from changed while the window is open: it reads the letters again.
    void readsAgainWhatChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("failure6"); // why letter 6 does not read afterwards
        QTest::newRow("the file") << "file" << QString();
        QTest::newRow("the dump") << "dump" << QString(); // read at 47CFD
        QTest::newRow("the header") << "header"
                                    << "The letter at offset 480FD has 255 points; the editor holds at most 20.";
    }
    void readsAgainWhatChanged()
    {
        QFETCH(QString, change);
        QFETCH(QString, failure6);
        if (change == QLatin1String("file")) {
            // Mended on the disk, same size; a later time.
            const QString path = dir_.filePath("font.smc");
            test::writeFile(path, sampleRomImage());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
            window_->fontWindow()->refresh();
        } else if (change == QLatin1String("dump")) {
            QTest::mouseClick(window_->findChild<QWidget*>("RadioButton22"), Qt::LeftButton);
        } else {
            // As opening it again with the header's question answered Yes does.
            window_->step([this] { editor().catalogueHeader = 512; });
        }
        QCOMPARE(view_->failure(6), failure6);
    }

    // The edited letter's cell shows the letter as the last START! drew it; the words follow their
    // fields as they are typed.
    void cellsFollowTheEditor()
    {
        const QImage before = cellPixels(view_->letterCell(1));
        window_->step([this] { movePoints(editor(), {{1, 60, 60}}); });
        QTRY_VERIFY(cellPixels(view_->letterCell(1)) != before);
        // PAUSE, then GAME OVER one cell further on.
        QList<int> lefts;
        for (int index = 0; index < kWordFields; ++index)
            lefts << view_->wordCell(index).left();
        QCOMPARE(lefts, QList<int>({10, 54, 98, 142, 186, 272, 316, 360, 404, 448, 492, 536, 580}));
        const QImage pause = cellPixels(view_->wordCell(0));
        editor().form.setText(FieldId::edit(2), QStringLiteral("A"));
        QTRY_COMPARE(cellPixels(view_->wordCell(0)), cellPixels(view_->wordCell(1)));
        QVERIFY(cellPixels(view_->wordCell(0)) != pause);
    }
};

QTEST_MAIN(FontTest)
#include "tst_font.moc"
