// The floor of "vertiloom-cli render --all": the same sheet written as PNG with one QImage::save.
// Loads IN (not timed), then times the one save to OUT and prints its microseconds.
//
//   png_save IN.png OUT.png
#include <QImage>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: png_save IN.png OUT.png\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "png_save: cannot read %s\n", argv[1]);
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const bool saved = image.save(QString::fromLocal8Bit(argv[2]), "PNG");
    const auto end = std::chrono::steady_clock::now();
    if (!saved) {
        std::fprintf(stderr, "png_save: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%.0f\n", std::chrono::duration<double, std::micro>(end - start).count());
    return 0;
}
