// Program entry: the application, its title, the main window and the message loop.
#include "app/mainwindow.h"
#include "app/qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // One look on every desktop, so that the captions fit the fixed control widths everywhere.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The name only, no display name: the desktop would add a display name to every window title,
    // which already begins with the program's name.
    QApplication::setApplicationName(QStringLiteral("Tessarine Vertiloom"));
    vertiloom::QtPlatform platform;
    vertiloom::MainWindow window(platform);
    window.show();
    return QApplication::exec();
}
