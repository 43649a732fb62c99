// The bare window the editor's start-up is compared with: a QWidget with a title, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vertiloom bare window"));
    window.show();
    return QApplication::exec();
}
