// Benchmarks of the core's commands, each measured in the same run as its floor (the least work
// that the command cannot avoid), then printed as ratios against the goals:
//   START! on the default letter          / filling one 255x255 layer once (QImage::fill)
//   one load from the sample image        / opening it and one QFile::read of the same bytes
//   the sweep of the 24 catalogue letters / one QFile::read of the same bytes per letter
#include "commands/editor.h"
#include "commands/platform.h"
#include "commands/commands.h"
#include "record/export.h"
#include "record/files.h"
#include "record/load.h"
#include "record/record.h"
#include "rom/catalogue.h"
#include "rom/sample.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace vertiloom;

// The files the benchmarks read and write: the sample image and a folder for exported letters.
struct Files {
    QTemporaryDir dir;
    QString image;
    std::array<QString, kCatalogueSize> letterFiles;
    std::array<qint64, kCatalogueSize> offsets{};
};
Files* files = nullptr;

// Answers the open dialog with the sample image and the save dialog with the path set last.
class BenchPlatform : public Platform {
public:
    QString savePath;
    QString openFileName(const QString&) override { return files->image; }
    QString saveFileName(const QString&, bool) override { return savePath; }
    bool confirm(const QString&) override { return true; }
    bool confirmDiscard(const QString&) override { return true; }
    void showError(const QString& message) override
    {
        std::fprintf(stderr, "core_bench: unexpected error: %s\n", qPrintable(message));
        std::abort();
    }
    void beep() override {}
};

// Reads kMaxRecordSize bytes at the offset, as a load does, with one QFile::read.
QByteArray readOnce(const QString& path, qint64 offset)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        std::abort();
    return file.read(kMaxRecordSize);
}

// --- START! --------------------------------------------------------------------------------------

void BM_FillLayer_Floor(benchmark::State& state)
{
    QImage layer(kPreviewSize, kPreviewSize, QImage::Format_RGB32);
    for (auto _ : state) {
        layer.fill(Qt::black);
        benchmark::DoNotOptimize(layer.bits());
        benchmark::ClobberMemory();
    }
}

void BM_CanvasRectangle(benchmark::State& state)
{
    Canvas canvas(kPreviewSize, kPreviewSize);
    canvas.setPenColor(Qt::black);
    canvas.setBrushColor(Qt::black);
    for (auto _ : state) {
        canvas.rectangle(0, 0, kPreviewSize, kPreviewSize);
        benchmark::DoNotOptimize(canvas.image().bits());
        benchmark::ClobberMemory();
    }
}

void BM_Start(benchmark::State& state)
{
    Editor editor;
    startUp(editor);
    for (auto _ : state) {
        start(editor);
        benchmark::ClobberMemory();
    }
}

// --- One load ------------------------------------------------------------------------------------

void BM_Load_Floor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readOnce(files->image, files->offsets[0]));
}

void BM_Load(benchmark::State& state)
{
    // "Open file" on the sample image at the first catalogue letter: read, check, apply, START!,
    // compile.
    Editor editor;
    BenchPlatform platform;
    for (auto _ : state) {
        openLetter(editor, platform);
        benchmark::ClobberMemory();
    }
}

// --- The sweep of the catalogue ------------------------------------------------------------------

void BM_Sweep_Floor(benchmark::State& state)
{
    for (auto _ : state) {
        for (const qint64 offset : files->offsets)
            benchmark::DoNotOptimize(readOnce(files->image, offset));
    }
}

void BM_Sweep(benchmark::State& state)
{
    // Open the image once, then for each letter: ">", Reload (read, apply, START!, compile) and
    // "Export letter to file".
    Editor editor;
    BenchPlatform platform;
    openLetter(editor, platform);
    for (auto _ : state) {
        for (int i = 0; i < kCatalogueSize; ++i) {
            nextLetter(editor);
            reloadLetter(editor, platform);
            platform.savePath = files->letterFiles[static_cast<size_t>(editor.cataloguePosition - 1)];
            exportLetterToFile(editor, platform);
        }
    }
}

// The machine may be shared (other builds running), which only ever adds time: the ratios use the
// fastest repetition of each benchmark, and the repetitions of all benchmarks are interleaved.
constexpr int kRepetitions = 9;

double fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

#define VERTILOOM_BENCH(fn)                                                                              \
    BENCHMARK(fn)                                                                                        \
        ->Unit(benchmark::kMicrosecond)                                                                  \
        ->Repetitions(kRepetitions)                                                                      \
        ->ComputeStatistics("min", fastest)                                                              \
        ->DisplayAggregatesOnly(true)

VERTILOOM_BENCH(BM_FillLayer_Floor);
VERTILOOM_BENCH(BM_CanvasRectangle);
VERTILOOM_BENCH(BM_Start);
VERTILOOM_BENCH(BM_Load_Floor);
VERTILOOM_BENCH(BM_Load);
VERTILOOM_BENCH(BM_Sweep_Floor);
VERTILOOM_BENCH(BM_Sweep);

// Shows the runs as usual and keeps the fastest and the median real time of each benchmark.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> fastest;
    std::map<std::string, double> median;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate)
                continue;
            if (run.aggregate_name == "min")
                fastest[run.run_name.function_name] = run.GetAdjustedRealTime();
            else if (run.aggregate_name == "median")
                median[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void printRatio(const RatioReporter& reporter, const char* what, const char* bench, const char* floor,
                const char* floorName, double goal)
{
    const auto b = reporter.fastest.find(bench);
    const auto f = reporter.fastest.find(floor);
    if (b == reporter.fastest.end() || f == reporter.fastest.end() || f->second <= 0)
        return; // filtered out
    const double ratio = b->second / f->second;
    const double medianRatio = reporter.median.at(bench) / reporter.median.at(floor);
    std::printf("%-7s %9.1f us = %6.1fx the floor (%s: %.2f us); medians: %.1fx", what, b->second, ratio,
                floorName, f->second, medianRatio);
    if (goal > 0)
        std::printf("; goal <= %gx: %s\n", goal, ratio <= goal ? "met" : "MISSED");
    else
        std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    // Point numbers on the preview need fonts, so the core needs a GUI application (offscreen).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Files shared;
    files = &shared;
    if (!shared.dir.isValid()) {
        std::fprintf(stderr, "core_bench: cannot create a temporary folder\n");
        return 1;
    }
    shared.image = shared.dir.filePath(QStringLiteral("sample.smc"));
    {
        const QByteArray image = sampleRomImage();
        QSaveFile out(shared.image);
        if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit()) {
            std::fprintf(stderr, "core_bench: cannot write the sample image\n");
            return 1;
        }
    }
    for (int position = 1; position <= kCatalogueSize; ++position) {
        const auto i = static_cast<size_t>(position - 1);
        shared.offsets[i] = offsetFromAddr(catalogueOffset(position, kRomVariants.front()));
        shared.letterFiles[i] = shared.dir.filePath(QStringLiteral("letter-%1.hex").arg(position, 2, 10, QChar(u'0')));
    }

    // Interleaved repetitions unless the command line says otherwise (a later flag wins).
    std::vector<char*> args{argv[0], const_cast<char*>("--benchmark_enable_random_interleaving=true")};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nFastest of %d interleaved repetitions (real time), against its floor measured in the same "
                "run:\n",
                kRepetitions);
    printRatio(reporter, "START!", "BM_Start", "BM_FillLayer_Floor", "QImage::fill of one 255x255 layer", 10);
    printRatio(reporter, "START!", "BM_Start", "BM_CanvasRectangle", "Canvas::rectangle of one layer", 0);
    printRatio(reporter, "Load", "BM_Load", "BM_Load_Floor", "open + one QFile::read", 0);
    printRatio(reporter, "Sweep", "BM_Sweep", "BM_Sweep_Floor", "open + one QFile::read per letter", 100);
    return 0;
}
