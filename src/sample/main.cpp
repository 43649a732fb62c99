// vertiloom-sample: writes the sample ROM image to the path given (sample.smc by default).
#include "rom/sample.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("sample.smc");
    const QByteArray image = vertiloom::sampleRomImage();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
        std::fprintf(stderr, "vertiloom-sample: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return 1;
    }
    std::printf("vertiloom-sample: wrote %s (%lld bytes)\n", qPrintable(path), static_cast<long long>(image.size()));
    return 0;
}
